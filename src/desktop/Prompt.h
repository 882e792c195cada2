// SPDX-License-Identifier: GPL-3.0-or-later
// TKoFormPrompt: the small window that asks what to do with text just copied, and closes by
// itself after PromptDelay seconds with the default action.
#pragma once

#include "KoForm.h"

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class TKoFormPrompt : public TKoForm {
    Q_OBJECT
public:
    explicit TKoFormPrompt(QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* ButtonNew;
    QPushButton* ButtonAppend;
    QPushButton* ButtonCancel;
    QPushButton* BitBtnRead;
    QFrame* Bevel2;
    QTimer* Timer1;

    // The chosen action (a desktop::TClipboardAction number).
    int ClipAction() const { return FClipAction; }

protected:
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose(int action);
    void Timer1Timer();
    int FClipAction = 0;
};

// Asks with a prompt and calls `answered` with the action chosen once it has closed; returns at
// once. The prompt comes up on top without taking the keyboard from the program the user types
// in, and blocks no window; prompts open at the same time do not hide one another. Nothing is
// called once `context` is gone.
void OfferClipboardAction(QObject* context, std::function<void(int)> answered);
// The same, waiting for the answer while the events go on.
int PromptClipboardAction();
