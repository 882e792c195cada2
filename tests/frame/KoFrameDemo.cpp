// SPDX-License-Identifier: GPL-3.0-or-later
// A TKoForm with a little content, for the desktop test and for looking at the frame.
#include "KoForm.h"

#include <QApplication>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TKoForm form;
    form.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : "Nurva frame");
    auto* layout = new QVBoxLayout(form.PanelKoClient);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(new QLabel("The client panel holds the window's controls."));
    auto* edit = new QTextEdit;
    edit->setPlainText("Drag the caption to move the window, the edges to resize it.");
    layout->addWidget(edit);
    form.move(100, 80);
    form.show();
    return app.exec();
}
