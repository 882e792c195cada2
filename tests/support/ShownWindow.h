// SPDX-License-Identifier: GPL-3.0-or-later
// The window a test waits for: a dialog the program opens on its own turn of the event loop.
#pragma once

#include "TestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace testsupport {

// Waits (bounded) for a shown top-level window of type T, active as well unless `active` is
// false; the window once shown (even if it never became active), else null.
template <class T> T* WaitForShown(int timeoutMs, bool active = true) {
    T* shown = nullptr;
    WaitFor(
        [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* w = qobject_cast<T*>(top); w && w->isVisible())
                    shown = w;
            return shown && (!active || QTest::qWaitForWindowActive(shown));
        },
        timeoutMs);
    return shown;
}

} // namespace testsupport
