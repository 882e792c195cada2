// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon and its menu, hiding and showing the window, later starts of the reader, and
// the desktop's media controls.
#include "Converter.h"
#include "Notifications.h"

#include "Global.h"
#include "KoUtils.h"
#include "MediaControls.h"
#include "SysTray.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTabBar>
#include <QTimer>
#include <QWindow>

using namespace settings;

void TFormCvt::CreateTray() {
    PopupMenuTray = new QMenu(this);
    PopupMenuTray->setObjectName(QStringLiteral("PopupMenuTray"));
    PopupMenuTray->addAction(ActionToolsShowMain);
    PopupMenuTray->addSeparator();
    PopupMenuTray->addActions(
        {ActionTTS, ActionTTW, ActionTTM, ActionPause, ActionStop, ActionPrev, ActionNext});
    PopupMenuTray->addSeparator();
    PopupMenuTray->addActions({ActionReadClipboard, ActionReadSelection, ActionToolsOptions});
    PopupMenuTray->addSeparator();
    PopupMenuTray->addAction(ActionFileExit);
    connect(ActionToolsShowMain, &QAction::triggered, this, &TFormCvt::ActionToolsShowMainExecute);

    SysTray1 = new desktop::TSysTray(this);
    SysTray1->setObjectName(QStringLiteral("SysTray1"));
    SysTray1->SetIcon(QIcon(QStringLiteral(":/app/tray.png")));
    //: The tray icon's tooltip until the window shows its first document
    SysTray1->SetHint(tr("Advanced Text To Speech"));
    SysTray1->PopupMenu = PopupMenuTray;
    SysTray1->PopupMode = desktop::pmRightClick;
    SysTray1->PopupAlign = desktop::TPopupAlign::Right;
    connect(SysTray1, &desktop::TSysTray::OnIconMouseDown, this, &TFormCvt::SysTray1IconMouseDown);
    connect(SysTray1, &desktop::TSysTray::OnPopup, this, &TFormCvt::PopupMenuTrayPopup);
    connect(SysTray1, &desktop::TSysTray::availabilityChanged, this,
            &TFormCvt::SysTray1AvailabilityChanged);
}

// Creation step: the icon follows the setting; the window starts hidden only where a tray
// will hold it.
void TFormCvt::ActivateTray() {
    SysTray1->SetActive(Settings.Tray);
    FStartHidden = Settings.Tray && Settings.MiniStartup && TrayHolds();
}

bool TFormCvt::TrayHolds() const {
    return SysTray1->Active() && desktop::TSysTray::Available();
}

void TFormCvt::ActionToolsShowMainExecute() {
    if (isVisible()) {
        // Hidden, the window has no task-bar button either.
        hide();
    } else {
        ShowMainWindow();
    }
}

void TFormCvt::ShowMainWindow() {
    show();
    if (windowState() & Qt::WindowMinimized)
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void TFormCvt::SysTray1IconMouseDown(Qt::MouseButton button, QPoint) {
    if (button == Qt::LeftButton)
        ActionToolsShowMain->trigger();
}

void TFormCvt::PopupMenuTrayPopup() {
    ActionToolsShowMain->setText(isVisible() ? tr("Hide Main Window") : tr("Show Main Window"));
}

void TFormCvt::ApplicationMinimize() {
    // Only into a tray that is there: elsewhere the window stays on the task bar, minimised.
    if (Settings.Tray && Settings.MiniToTray && TrayHolds())
        ActionToolsShowMain->trigger();
}

void TFormCvt::SysTray1AvailabilityChanged(bool available) {
    // The tray went away with the window in it: the window comes back.
    if (!available && !isVisible() && !FDestroyed)
        ShowMainWindow();
}

void TFormCvt::ShowFromAnotherStart(const platform::TInstanceRequest& request) {
    // A command runs where the window is: reading the clipboard does not bring it out of the
    // tray.
    if (!request.Action.isEmpty() && request.Action != QLatin1String("show")) {
        RunDesktopAction(request.Action);
        return;
    }
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    // A Wayland client never learns that it is no longer minimised, nor can it undo it itself:
    // shown anew, the window comes back as a new one, whether or not the desktop lets it have
    // the focus.
    if (wayland && isVisible() && (windowState() & Qt::WindowMinimized)) {
        hide();
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    ShowMainWindow();
    OpenDocuments(request.Files);
    // On Wayland only the desktop's permission, handed over by the later start, brings the
    // window to the front; Qt's Wayland plugin takes it (once) from XDG_ACTIVATION_TOKEN when
    // the window asks to be activated. A window just shown is not on the screen yet, and the
    // compositor ignores its asking until it is: it asks again once it is there, for a while.
    if (!wayland || request.ActivationToken.isEmpty())
        return;
    const QString token = request.ActivationToken;
    auto activate = [this, token] {
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
        activateWindow();
    };
    if (windowHandle() && windowHandle()->isExposed()) {
        activate();
        return;
    }
    auto* wait = new QTimer(this);
    wait->setInterval(20);
    connect(wait, &QTimer::timeout, this, [this, wait, activate, tries = 0]() mutable {
        const bool exposed = windowHandle() && windowHandle()->isExposed();
        if (exposed)
            activate();
        if (exposed || ++tries >= 100 || !isVisible()) {
            wait->stop();
            wait->deleteLater();
        }
    });
    wait->start();
}

void TFormCvt::NotifyIfHidden(const QString& summary, const QString& body) {
    if (!isVisible() || isMinimized())
        desktop::Notify(summary, body);
}

bool TFormCvt::RunDesktopAction(const QString& name) {
    const mainwindow::TDesktopAction* action = mainwindow::FindDesktopAction(name);
    if (!action)
        return false;
    if (action->Command < 0) {
        ShowMainWindow();
        return true;
    }
    QAction* command = ActionList1[action->Command];
    KoUtils::Guarded([command] {
        if (command->isEnabled())
            command->trigger();
    });
    return true;
}

// --- Media controls ---------------------------------------------------------------------------

void TFormCvt::CreateMediaControls() {
    MediaControls1 = new desktop::TMediaControls(this);
    MediaControls1->setObjectName(QStringLiteral("MediaControls1"));
    using desktop::TMediaControls;
    auto run = [](QAction* a) {
        if (a->isEnabled())
            a->trigger();
    };
    auto reading = [this] { return ActionStop->isEnabled(); };
    // A media key is pressed with the window often out of sight: an empty document is said
    // aloud, not met with silence.
    auto play = [=, this] {
        if (!ActionTTS->isEnabled() || !Memo1->toPlainText().trimmed().isEmpty()) {
            run(ActionTTS);
            return;
        }
        Settings.ConvertMode = 0;
        ReadKind = rkNone;
        BeginReading(QStringLiteral("The document is empty: there is nothing to read."), false,
                     false);
    };
    connect(MediaControls1, &TMediaControls::playPause, this, [=, this] {
        if (reading())
            run(ActionPause);
        else
            play();
    });
    connect(MediaControls1, &TMediaControls::play, this, [=, this] {
        if (!reading())
            play();
        else if (FReading->Paused())
            run(ActionPause);
    });
    connect(MediaControls1, &TMediaControls::pause, this, [=, this] {
        if (reading() && !FReading->Paused())
            run(ActionPause);
    });
    connect(MediaControls1, &TMediaControls::stop, this, [=, this] { run(ActionStop); });
    connect(MediaControls1, &TMediaControls::next, this, [=, this] { run(ActionNext); });
    connect(MediaControls1, &TMediaControls::previous, this, [=, this] { run(ActionPrev); });
    connect(MediaControls1, &TMediaControls::raise, this, &TFormCvt::ShowMainWindow);
    connect(MediaControls1, &TMediaControls::quit, this, [=, this] { run(ActionFileExit); });
    // The volume is the slider's, both ways.
    connect(MediaControls1, &TMediaControls::volumeRequested, this,
            [this](double v) { TrackBarVol->setValue(int(v * TrackBarVol->maximum() + 0.5)); });
    connect(TrackBarVol, &QSlider::valueChanged, MediaControls1,
            [this](int v) { MediaControls1->SetVolume(double(v) / TrackBarVol->maximum()); });
    MediaControls1->SetVolume(double(TrackBarVol->value()) / TrackBarVol->maximum());
    MediaControls1->Publish(QStringLiteral("nurva"));
}

void TFormCvt::UpdateMediaControls() {
    if (!MediaControls1)
        return;
    using desktop::TPlayback;
    MediaControls1->SetPlayback(FReading->Paused()        ? TPlayback::Paused
                                : ActionStop->isEnabled() ? TPlayback::Playing
                                                          : TPlayback::Stopped);
    const int tab = TabControl1->currentIndex();
    MediaControls1->SetTitle(tab >= 0 ? TabTitle(tab) : QString());
    MediaControls1->SetCanGoNext(ActionNext->isEnabled());
    MediaControls1->SetCanGoPrevious(ActionPrev->isEnabled());
    // While reading, "play" is still understood (it resumes a pause); media widgets offer their
    // other buttons only to a player that can play.
    MediaControls1->SetCanPlay(ActionTTS->isEnabled() || ActionStop->isEnabled());
}
