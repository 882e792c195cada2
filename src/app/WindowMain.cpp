// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowMain.h"

#include "AppActivation.h"
#include "AudioDestDevice.h"
#include "Commands.h"
#include "Converter.h"
#include "KoUtils.h"
#include "Translations.h"
#include "platform/Services.h"
#include "platform/unix/SingleInstance.h"
#include "platform/x11/GlobalHotkeys.h"
#include "platform/xdg/Desktop.h"
#include "platform/xdg/PortalHotkeys.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gSignalPipe[2] = {-1, -1};
bool gClosing = false;          // a signal asked the program to end
bool gNoSingleInstance = false; // no single instance could be held: said once

void OnSignal(int) {
    char c = 1;
    [[maybe_unused]] ssize_t n = ::write(gSignalPipe[1], &c, 1);
}

// Message boxes with the program's title as caption; flags as the program passes them:
// 1 OK and Cancel, icons 16 error, 32 question, 48 warning, 64 information, 256 second
// button default. Returns 1 for OK, 2 for Cancel.
int WindowMessageBox(const QString& text, const QString& caption, int flags) {
    if (gClosing)
        return 2; // the program is closing on a signal: nothing waits for an answer now
    // Over the dialog it belongs to: the topmost modal window, which the window with the
    // focus need not be (just after a file dialog closed there is none for a moment).
    QWidget* owner = QApplication::activeModalWidget();
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton,
                    owner ? owner : QApplication::activeWindow());
    switch (flags & 0xF0) {
    case KoUtils::MB_ICONERROR:
        box.setIcon(QMessageBox::Critical);
        break;
    case KoUtils::MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case KoUtils::MB_ICONWARNING:
        box.setIcon(QMessageBox::Warning);
        break;
    case KoUtils::MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    if ((flags & 0x0F) == 1) {
        QPushButton* ok = box.addButton(QMessageBox::Ok);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton((flags & 0x300) == 256 ? cancel : ok);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == ok ? 1 : 2;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return 1;
}

// SIGTERM, SIGINT and SIGHUP close the window the orderly way: geometry, settings and
// playlist are written as when the user closes it. The handler is in place before anything
// can block (a message box while the window is being made), and a signal that comes then
// ends that box and the start, saving all the same.
class TSignalClose {
public:
    TSignalClose() {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0)
            return;
        struct sigaction sa {};
        sa.sa_handler = OnSignal;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        for (int sig : {SIGTERM, SIGINT, SIGHUP})
            ::sigaction(sig, &sa, nullptr);
    }

    // Watches the pipe on the application's event loop; `close` runs once per signal.
    void Watch(QCoreApplication& app, std::function<void()> close) {
        if (gSignalPipe[0] < 0)
            return;
        auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [close] {
            char buf[16];
            [[maybe_unused]] ssize_t n = ::read(gSignalPipe[0], buf, sizeof buf);
            close();
        });
    }
};

// The launcher's permission to bring a window to the front (XDG_ACTIVATION_TOKEN on Wayland,
// DESKTOP_STARTUP_ID on X11): this start has no window, so it goes to the running reader.
QString LaunchActivationToken() {
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return token.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : token;
}

// That a second start will open a second window, and why: once translations are installed.
QString SingleInstanceNote() {
    //: %1 says why
    return QCoreApplication::translate("WindowMain",
                                       "This reader runs without a single instance, so a second "
                                       "start opens a second window: %1")
        .arg(platform::Services().Instance->Problem());
}

// What a start says on its way out before it has made a window, in the user's language (which
// takes an application object): `text` a source text of this unit's, `arg` its %1 if any.
int SayAndEnd(int argc, char** argv, const char* text, const QString& arg, int code) {
    QCoreApplication app(argc, argv);
    KoUtils::InstallTranslations();
    if (gNoSingleInstance)
        std::fprintf(stderr, "%s\n", qPrintable(SingleInstanceNote()));
    QString message = QCoreApplication::translate("WindowMain", text);
    if (!arg.isNull())
        message = message.arg(arg);
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return code;
}

// The reader runs already: it is asked to show its window and open `files`, or to run
// `action`, and this start ends quietly.
int HandToRunningReader(int argc, char** argv, const QStringList& files, const QString& action) {
    if (platform::Services().Instance->Ask(
            KoUtils::InstanceName(),
            {.Files = files, .Action = action, .ActivationToken = LaunchActivationToken()}, 5000))
        return 0;
    return SayAndEnd(argc, argv,
                     QT_TRANSLATE_NOOP("WindowMain", "The reader is running already, but it did "
                                                     "not answer; it may be busy or hanging."),
                     {}, 1);
}

// The global keys of this session, chosen once: X11 key grabs on an X11 desktop; on a Wayland
// desktop its portal's shortcuts, else the grabs of XWayland (which the desktop hands on only
// while one of its X11 windows has the focus); null where there are none.
std::shared_ptr<platform::IGlobalHotkeys> ChooseGlobalHotkeys() {
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (!wayland)
        return platform::CreateX11GlobalHotkeys();
    if (auto keys = platform::CreatePortalGlobalHotkeys())
        return keys;
    return platform::CreateX11GlobalHotkeys(true);
}

} // namespace

int RunDesktopAction(int argc, char** argv, const QStringList& arguments) {
    const mainwindow::TDesktopAction* action =
        arguments.size() == 3 ? mainwindow::FindDesktopAction(arguments[2]) : nullptr;
    if (!action) {
        QStringList names;
        for (const mainwindow::TDesktopAction& a : mainwindow::DesktopActions)
            names << QString::fromLatin1(a.Name);
        return SayAndEnd(
            argc, argv,
            //: NAME stays as it is; %1 is the list of the commands' names
            QT_TRANSLATE_NOOP("WindowMain", "Usage: nurva --action NAME\nNAME is one of: %1."),
            names.join(QLatin1String(", ")), 2);
    }
    return RunWindowedReader(argc, argv, {}, QString::fromLatin1(action->Name));
}

int RunWindowedReader(int argc, char** argv, const QStringList& documents, const QString& action) {
    // What the reader keeps of its own stays with its folders: a portable program writes
    // nothing outside its folder.
    const platform::TProgramFolders folders = KoUtils::Folders();
    {
        platform::TServices services = platform::Services();
        services.Instance = std::make_shared<platform::TUnixSingleInstance>(
            QString(), folders.RuntimeFallbackDir());
        services.Volume = std::make_shared<platform::TXdgDeviceVolume>(folders.DeviceVolumeFile());
        platform::SetServices(services);
    }
    switch (platform::Services().Instance->Claim(KoUtils::InstanceName())) {
    case platform::NameTaken:
        return HandToRunningReader(argc, argv, documents, action);
    case platform::ClaimFailed:
        // Said once the application is there to say it in the user's language.
        gNoSingleInstance = true;
        break;
    case platform::NameClaimed:
        break;
    }
    if (const auto* a = mainwindow::FindDesktopAction(action); a && !a->StartsReader)
        return SayAndEnd(
            argc, argv,
            //: %1 is the command's name
            QT_TRANSLATE_NOOP("WindowMain",
                              "The reader is not running: \"%1\" has nothing to act on."),
            action, 1);
    const bool platformGiven = std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::strncmp(a, "-platform", 9) == 0 || std::strncmp(a, "--platform", 10) == 0;
    });
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !platformGiven) {
        return SayAndEnd(argc, argv,
                         QT_TRANSLATE_NOOP("WindowMain",
                                           "The reader's window needs a desktop (no DISPLAY is "
                                           "set). The command line works without one: run it "
                                           "with /? to see how."),
                         {}, 1);
    }
    TSignalClose signalClose;
    QApplication app(argc, argv);
    KoUtils::InstallTranslations();
    const QString singleInstanceNote = gNoSingleInstance ? SingleInstanceNote() : QString();
    if (gNoSingleInstance)
        std::fprintf(stderr, "%s\n", qPrintable(singleInstanceNote));
    // Only the main window's end ends the program: closing a message box or the clipboard
    // prompt while the window is hidden in the tray must not.
    app.setQuitOnLastWindowClosed(false);
    KoUtils::SetMessageBoxHandler(WindowMessageBox);
    platform::TServices services = platform::Services();
    if (auto keys = ChooseGlobalHotkeys())
        services.Hotkeys = keys;
    platform::SetServices(services);

    QPointer<TFormCvt> target;
    signalClose.Watch(app, [&target] {
        gClosing = true;
        if (target) {
            target->FormDestroy();
            target->close();
        } else if (QWidget* box = QApplication::activeModalWidget()) {
            box->close(); // the window is still being made: let it finish, then save
        }
        QApplication::quit();
    });

    // An installed program makes the user's folders (and copies the samples) at its first start;
    // a folder it cannot make is said now, not found out when the settings are lost at exit. A
    // signal meanwhile closes the message box like any other at start.
    if (const QString problem = folders.Prepare(); !problem.isEmpty())
        KoUtils::ShowMessageBox(problem, KoUtils::MB_ICONWARNING);

    int code = 0;
    {
        TFormCvt window(folders, services);
        target = &window;
        // The session ending, or anything else that quits the loop, saves too.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                         [&window] { window.FormDestroy(); });
        // Exit, the frame's close button, the media controls' Quit: from whatever state the
        // window is in (hidden in the tray, minimised, under a dialog), its close ends the
        // program. Every loop ends, a dialog's too.
        QObject::connect(&window, &TKoForm::Closed, &app, [] { QCoreApplication::exit(0); });
        if (gClosing) {
            window.FormDestroy();
        } else {
            window.OpenDocuments(documents);
            if (gNoSingleInstance)
                window.Note(singleInstanceNote);
            if (!window.StartHidden() || !documents.isEmpty() || action == QLatin1String("show"))
                window.show();
            // A command the start was made for runs once the window is up.
            if (!action.isEmpty())
                QTimer::singleShot(0, &window, [&window, action] {
                    window.ShowFromAnotherStart({.Action = action});
                });
            // Later starts of the reader, and the desktop's launchers over the session bus,
            // bring this window back or run a command in it.
            QObject::connect(services.Instance.get(), &platform::ISingleInstance::asked, &window,
                             &TFormCvt::ShowFromAnotherStart);
            services.Instance->Serve();
            desktop::TAppActivation activation;
            QObject::connect(&activation, &desktop::TAppActivation::activated, &window,
                             [&window](const QString& token) {
                                 window.ShowFromAnotherStart({.ActivationToken = token});
                             });
            QObject::connect(&activation, &desktop::TAppActivation::opened, &window,
                             [&window](const QStringList& files, const QString& token) {
                                 window.ShowFromAnotherStart(
                                     {.Files = files, .ActivationToken = token});
                             });
            QObject::connect(&activation, &desktop::TAppActivation::actionActivated, &window,
                             [&window](const QString& name, const QString& token) {
                                 window.ShowFromAnotherStart(
                                     {.Action = name, .ActivationToken = token});
                             });
            activation.Register();
            code = app.exec();
        }
    }
    // The sound output ends while the application object is still whole.
    engines::ShutdownAudio();
    return code;
}
