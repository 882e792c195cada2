// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder of a window test and the window made from it.
#pragma once

#include "Converter.h"
#include "Global.h"
#include "TestSupport.h"

#include <QList>
#include <QPair>

#include <functional>
#include <memory>

namespace testwindow {

using TDocs = QList<QPair<QString, QString>>; // file name in txt/, text

// `app` (with its trailing "/") gets the default settings without the greeting and `docs` as
// the playlist, the first one current; `tweak` changes what the test needs before the settings
// are written and the window is made from them.
inline std::unique_ptr<TFormCvt> MakeWindow(const QString& app, const TDocs& docs,
                                            const std::function<void()>& tweak = {}) {
    settings::LoadDefaultSettings(app);
    settings::Settings.Greeting = false;
    settings::Playlist.clear();
    for (const auto& [name, text] : docs) {
        testsupport::WriteBytes(app + "txt/" + name, text.toUtf8());
        settings::Playlist << app + "txt/" + name;
    }
    settings::Settings.PlayIndex = 0;
    if (tweak)
        tweak();
    settings::SaveSettings(app);
    return std::make_unique<TFormCvt>(app);
}

} // namespace testwindow
