// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include "KoUtils.h"
#include "Product.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef NURVA_VERSION
#define NURVA_VERSION "0.0"
#endif

TAboutBox::TAboutBox(QWidget* parent, const QString& homePage, const QString& contact)
    : TKoForm(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    SetBorderIcons(koframe::biSystemMenu);
    resize(440, 250);

    auto* layout = new QVBoxLayout(PanelKoClient);
    layout->setContentsMargins(16, 12, 16, 12);
    LabelProduct = new QLabel(QString::fromLatin1(product::Title));
    QFont big = LabelProduct->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    LabelProduct->setFont(big);
    LabelProduct->setAlignment(Qt::AlignCenter);
    LabelVersion = new QLabel(tr("Version %1").arg(QLatin1String(NURVA_VERSION)));
    LabelVersion->setAlignment(Qt::AlignCenter);
    const QString mail = QString(contact).remove(QStringLiteral("mailto:"));
    LabelLinks = new QLabel(
        //: %1 is the home page's address, %2 the contact's link and %3 its mail address
        tr("<p align=center>Home page: <a href=\"%1\">%1</a><br>"
           "Contact: <a href=\"%2\">%3</a></p>")
            .arg(homePage.toHtmlEscaped(), contact.toHtmlEscaped(), mail.toHtmlEscaped()));
    LabelLinks->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(LabelLinks, &QLabel::linkActivated, this,
            [](const QString& link) { KoUtils::ShellOpen(link); });
    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(LabelProduct);
    layout->addWidget(LabelVersion);
    layout->addSpacing(8);
    layout->addWidget(LabelLinks);
    layout->addStretch();
    layout->addWidget(ok, 0, Qt::AlignCenter);
    ok->setFocus();
}

void TAboutBox::FormShow() {
    TKoForm::FormShow();
    SetSizeable(false);
    // Over the middle of the window that opened it.
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
}
