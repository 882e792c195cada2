// SPDX-License-Identifier: GPL-3.0-or-later
// Copied text offered for reading: the clipboard monitor's changes, the prompt's answers, and
// the window's reads of the clipboard.
#include "Converter.h"

#include "ClipMon.h"
#include "Global.h"
#include "Prompt.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPointer>

using settings::Playlist;
using settings::Settings;

// The monitor listens for the whole run; WatchClipboard is read at each change, so the
// options apply at once. Where changes cannot be seen at all, the user is told once.
void TFormCvt::ActivateClipboardMonitor() {
    const QString unavailable = desktop::TClipboardMonitor::ChangesUnavailable();
    if (Settings.WatchClipboard && !unavailable.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, unavailable] { ShowStatus(QStringLiteral(" ") + unavailable); },
            Qt::QueuedConnection);
    // Or once the desktop turns out not to let it be watched (Wayland without data-control).
    connect(ClipboardMonitor1, &desktop::TClipboardMonitor::OnUnavailable, this, [this] {
        if (Settings.WatchClipboard)
            ShowStatus(QStringLiteral(" ") + desktop::TClipboardMonitor::ChangesUnavailable());
    });
}

desktop::TClipboardText TFormCvt::ReadClipboard(QClipboard::Mode mode) {
    desktop::TClipboardText clip =
        desktop::ReadClipboardText(desktop::ClipboardReadTimeoutMs, mode);
    if (const QString problem = desktop::ClipboardProblem(clip); !problem.isEmpty())
        ShowStatus(QStringLiteral(" ") + problem);
    return clip;
}

void TFormCvt::ClipboardMonitor1ClipboardChange() {
    if (!Settings.WatchClipboard)
        return;
    // The read runs events: the window may be gone when it returns.
    const QPointer<TFormCvt> alive(this);
    const desktop::TClipboardText clip = ReadClipboard();
    if (!alive || FDestroyed)
        return;
    std::optional<QString> text;
    if (clip.State == desktop::TClipboardText::Text)
        text = clip.Value;
    if (!desktop::ClipboardOffered(Settings, text))
        return;
    // One copy may be announced several times.
    if (!FClipboardRepeats.Fresh(*text, FClipboardClock.elapsed()))
        return;
    // Each offer acts on the text it offered, however many copies came meanwhile.
    if (Settings.ShowPrompt)
        OfferClipboardAction(
            this, [this, offered = *text](int action) { ClipboardAct(action, offered); });
    else
        ClipboardAct(Settings.DefAction, *text);
}

void TFormCvt::ClipboardAct(int action, const QString& text) {
    if (FDestroyed)
        return;
    switch (action) {
    case desktop::caReadNow:
        ReadClipboardAloud(text);
        break;
    case desktop::caNew: {
        const qsizetype before = Playlist.size();
        ActionFileNew->trigger();
        // No new document (New said why): the text must not replace the one shown.
        if (Playlist.size() <= before)
            return;
        Memo1->setPlainText(text);
        ActionFileSave->trigger();
        break;
    }
    case desktop::caAppend:
        // A document that could not be loaded is never written; nothing goes into it.
        if (DocumentUnloaded())
            return;
        Memo1->appendPlainText(text);
        ActionFileSave->trigger();
        break;
    default:
        break;
    }
}
