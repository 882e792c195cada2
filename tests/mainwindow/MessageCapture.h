// SPDX-License-Identifier: GPL-3.0-or-later
// Captures the program's message boxes for a test: their texts and flags, answered with OK.
#pragma once

#include "KoUtils.h"

#include <QList>
#include <QStringList>

struct Messages {
    QStringList texts;
    QList<int> flags;
    Messages() {
        KoUtils::SetMessageBoxHandler([this](const QString& text, const QString&, int f) {
            texts << text;
            flags << f;
            return 1;
        });
    }
    ~Messages() { KoUtils::SetMessageBoxHandler(nullptr); }
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;
};
