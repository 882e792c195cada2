// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionFont.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace options {

QFont FontInUse(const QFont& font, QString* note) {
    const QString used = QFontInfo(font).family();
    QFont drawn = font;
    if (!used.isEmpty() && used.compare(font.family(), Qt::CaseInsensitive) != 0) {
        drawn.setFamily(used);
        // The family may carry its foundry ("Nimbus Mono PS [urw]"), which tells a user nothing.
        QString shown = used;
        if (const qsizetype foundry = shown.lastIndexOf(QLatin1String(" ["));
            foundry > 0 && shown.endsWith(QLatin1Char(']')))
            shown.truncate(foundry);
        if (note)
            *note = QCoreApplication::translate(
                        "OptionFont", "The font \"%1\" is not installed; \"%2\" is used instead.")
                        .arg(font.family(), shown);
    } else if (note) {
        note->clear();
    }
    return drawn;
}

bool PickEditorFont(QWidget* parent, QFont& font, QColor& color) {
    // The dialog lists installed families only: a family it does not know would open it on
    // its own default instead of what the editor shows.
    QString note;
    QFontDialog FontDialog1(FontInUse(font, &note), parent);
    FontDialog1.setOption(QFontDialog::DontUseNativeDialog);
    QColor chosen = color;
    // The toolkit's font dialog has no colour: its effects group gets a colour button.
    for (QGroupBox* effects : FontDialog1.findChildren<QGroupBox*>()) {
        //: the title of the font dialog's own "Effects" group, as Qt's translation has it
        if (!effects->layout() || effects->title() != QFontDialog::tr("Effects"))
            continue;
        auto* pick =
            new QPushButton(QCoreApplication::translate("OptionFont", "&Color..."), effects);
        pick->setObjectName(QStringLiteral("FontColor"));
        auto swatch = [pick, &chosen] {
            QPixmap p(14, 14);
            p.fill(chosen);
            pick->setIcon(QIcon(p));
        };
        swatch();
        QObject::connect(pick, &QPushButton::clicked, &FontDialog1,
                         [&FontDialog1, &chosen, swatch] {
                             const QColor c = QColorDialog::getColor(chosen, &FontDialog1);
                             if (c.isValid()) {
                                 chosen = c;
                                 swatch();
                             }
                         });
        effects->layout()->addWidget(pick);
        break;
    }
    if (!note.isEmpty()) {
        if (auto* grid = qobject_cast<QGridLayout*>(FontDialog1.layout())) {
            auto* label = new QLabel(note);
            label->setObjectName(QStringLiteral("FontNote"));
            label->setWordWrap(true);
            grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    if (FontDialog1.exec() != QDialog::Accepted)
        return false;
    font = FontDialog1.selectedFont();
    color = chosen;
    return true;
}

} // namespace options
