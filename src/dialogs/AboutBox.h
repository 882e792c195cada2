// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the product, its version and where its makers are reached.
#pragma once

#include "KoForm.h"

class QLabel;

class TAboutBox : public TKoForm {
    Q_OBJECT
public:
    // `homePage` and `contact` are the addresses the links open.
    TAboutBox(QWidget* parent, const QString& homePage, const QString& contact);

    QLabel* LabelProduct = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelLinks = nullptr;

protected:
    void FormShow() override;
};
