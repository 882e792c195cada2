// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in a window: the controls the keyboard reaches that have no name
// for it to say.
#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace testsupport {

// Each as its class and object name. The parts of a control that hand the focus on to it (a
// spin box's line edit) count as the control, and popups (a list's drop-down) as windows of
// their own.
inline QStringList UnnamedControls(const QWidget* root) {
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || w->focusProxy() || w->window() != root->window())
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 %2").arg(
                QString::fromLatin1(w->metaObject()->className()), w->objectName());
    }
    return unnamed;
}

} // namespace testsupport
