// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prompt.h"

#include "ClipMon.h"
#include "Global.h"

#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>

using settings::Settings;

TKoFormPrompt::TKoFormPrompt(QWidget* parent) : TKoForm(parent) {
    setObjectName(QStringLiteral("KoFormPrompt"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    // The offer comes while the user types elsewhere: the keys stay there (a space would
    // otherwise press the default button). A click on the prompt gives it the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    SetBorderIcons(koframe::biSystemMenu);
    setWindowTitle(QString());
    resize(306, 181);

    auto button = [this](const char* name, const QString& caption, QRect place) {
        auto* b = new QPushButton(caption, PanelKoClient);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(place);
        b->setAutoDefault(true); // Enter presses the focused button
        return b;
    };
    // Tab order: New, Append, Cancel, then Read Now!.
    //: Button: the copied text becomes a new document
    ButtonNew = button("ButtonNew", tr("New"), {16, 80, 75, 25});
    //: Button: the copied text is added to the end of the current document
    ButtonAppend = button("ButtonAppend", tr("Append"), {104, 80, 75, 25});
    ButtonCancel = button("ButtonCancel", tr("Cancel"), {192, 80, 75, 25});
    //: Button: read the copied text aloud at once
    BitBtnRead = button("BitBtnRead", tr("Read Now!"), {16, 16, 249, 25});
    BitBtnRead->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    BitBtnRead->setDefault(true);
    setTabOrder(ButtonNew, ButtonAppend);
    setTabOrder(ButtonAppend, ButtonCancel);
    setTabOrder(ButtonCancel, BitBtnRead);

    Bevel2 = new QFrame(PanelKoClient);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameShape(QFrame::HLine);
    Bevel2->setFrameShadow(QFrame::Sunken);
    Bevel2->setGeometry(16, 48, 250, 2);

    Label1 = new QLabel(tr("Copy Clipboard to the Documents List?"), PanelKoClient);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPixelSize(11);
    Label1->setFont(bold);
    Label1->setGeometry(16, 56, 221, 13);
    Label1->adjustSize(); // the stand-in font may be wider than the original

    connect(BitBtnRead, &QPushButton::clicked, this, [this] { Choose(desktop::caReadNow); });
    connect(ButtonNew, &QPushButton::clicked, this, [this] { Choose(desktop::caNew); });
    connect(ButtonAppend, &QPushButton::clicked, this, [this] { Choose(desktop::caAppend); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { Choose(desktop::caCancel); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    Timer1->setTimerType(Qt::PreciseTimer); // "after PromptDelay seconds", not a little before
    connect(Timer1, &QTimer::timeout, this, &TKoFormPrompt::Timer1Timer);
    Timer1->start();
    BitBtnRead->setFocus();
}

void TKoFormPrompt::FormShow() {
    TKoForm::FormShow();
    SetSizeable(false);
    FClipAction = Settings.DefAction;
    QPushButton* const buttons[] = {BitBtnRead, ButtonNew, ButtonAppend, ButtonCancel};
    if (Settings.DefAction >= 0 && Settings.DefAction < 4) {
        QPushButton* b = buttons[Settings.DefAction];
        b->setDefault(true);
        b->setFocus();
    }
    // A delay of 0 (or less) waits for the user; a changed interval counts afresh from here.
    const qint64 delay = std::min<qint64>(Settings.PromptDelay, 24 * 3600);
    if (delay > 0)
        Timer1->start(int(delay * 1000));
    else
        Timer1->stop();
}

void TKoFormPrompt::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ButtonCancel->click();
        return;
    }
    TKoForm::keyPressEvent(event);
}

void TKoFormPrompt::Choose(int action) {
    FClipAction = action;
    close();
}

void TKoFormPrompt::Timer1Timer() {
    Timer1->stop();
    close();
}

namespace {

// Centred on the screen; a prompt that would lie exactly over another one still open goes a
// step down and to the right, so that each can be seen and answered.
void Place(TKoFormPrompt* prompt) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QPoint centre = screen->geometry().center() - prompt->rect().center();
    constexpr int Step = 28;
    QList<QPoint> taken;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != prompt && qobject_cast<TKoFormPrompt*>(w) && w->isVisible())
            taken << w->pos();
    QPoint at = centre;
    for (int k = 1; taken.contains(at) && k < 100; ++k) {
        at = centre + QPoint(Step, Step) * k;
        if (!area.contains(QRect(at, prompt->size())))
            at = centre - QPoint(Step, Step) * (k % 8);
    }
    prompt->move(at);
}

} // namespace

void OfferClipboardAction(QObject* context, std::function<void(int)> answered) {
    // The prompt belongs to the application, not to a window: it comes up over whatever is in
    // front, the main window hidden in the tray included.
    auto* form = new TKoFormPrompt;
    form->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<QObject> alive(context);
    const bool bound = context != nullptr;
    QObject::connect(form, &TKoForm::Closed, form, [form, alive, bound, answered] {
        // Carried out once the prompt has gone, not inside its closing.
        const int action = form->ClipAction();
        QMetaObject::invokeMethod(
            qApp,
            [alive, bound, answered, action] {
                if (answered && (!bound || alive))
                    answered(action);
            },
            Qt::QueuedConnection);
    });
    Place(form);
    form->show();
}

int PromptClipboardAction() {
    int action = desktop::caCancel;
    bool done = false;
    QEventLoop loop;
    OfferClipboardAction(&loop, [&](int chosen) {
        action = chosen;
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec();
    return action;
}
