// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeySpelling.h"

#include "Hotkeys.h"

#include <QKeySequence>
#include <QStyleOptionMenuItem>

namespace mainwindow {

QString RespellMenuItem(const QString& text) {
    const qsizetype tab = text.indexOf(u'\t');
    if (tab < 0)
        return text;
    const QKeySequence key = QKeySequence::fromString(text.mid(tab + 1), QKeySequence::NativeText);
    if (key.count() != 1)
        return text;
    const QString spelled = settings::ShortCutToText(settings::KeyToShortCut(key[0]));
    return spelled.isEmpty() ? text : text.left(tab + 1) + spelled;
}

TKeySpellingStyle::TKeySpellingStyle(QObject* parent) : QProxyStyle(nullptr) {
    setParent(parent);
}

void TKeySpellingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuItem)
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem respelled(*item);
            respelled.text = RespellMenuItem(item->text);
            QProxyStyle::drawControl(element, &respelled, painter, widget);
            return;
        }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QSize TKeySpellingStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                          const QSize& size, const QWidget* widget) const {
    if (type == CT_MenuItem)
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem respelled(*item);
            respelled.text = RespellMenuItem(item->text);
            return QProxyStyle::sizeFromContents(type, &respelled, size, widget);
        }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

} // namespace mainwindow
