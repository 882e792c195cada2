// SPDX-License-Identifier: GPL-3.0-or-later
// The menus show each command's key as the options dialog, the manual and config.ini write it
// ("Shift+Ctrl+Alt+A"), not in the toolkit's own order ("Ctrl+Alt+Shift+A").
#pragma once

#include <QProxyStyle>

class QMenu;

namespace mainwindow {

class TKeySpellingStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Follows the application's style.
    explicit TKeySpellingStyle(QObject* parent);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

// A menu item's text ("caption", a tab, the key in the toolkit's words) with the key in the
// program's spelling; an item without a key, or with one the program cannot name, as it is.
QString RespellMenuItem(const QString& text);

} // namespace mainwindow
