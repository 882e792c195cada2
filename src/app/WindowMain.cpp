#include "WindowMain.h"

#include "AudioDestDevice.h"
#include "Converter.h"
#include "KoUtils.h"
#include "platform/Services.h"
#include "platform/unix/SingleInstance.h"
#include "platform/x11/GlobalHotkeys.h"
#include "platform/xdg/Desktop.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSocketNotifier>

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
QString gSingleInstanceProblem; // said once, when no single instance could be held

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

// The reader runs already: it is asked to show its window (and open `files`), and this start
// ends quietly.
int HandToRunningReader(const QStringList& files) {
    if (platform::Services().Instance->Ask(KoUtils::InstanceName(), files, 5000))
        return 0;
    std::fputs("The reader is running already, but it did not answer; it may be busy or "
               "hanging.\n",
               stderr);
    return 1;
}

} // namespace

int RunWindowedReader(int argc, char** argv, const QStringList& documents) {
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
        return HandToRunningReader(documents);
    case platform::ClaimFailed:
        gSingleInstanceProblem =
            QStringLiteral("This reader runs without a single instance, so a second start "
                           "opens a second window: ") +
            platform::Services().Instance->Problem();
        std::fprintf(stderr, "%s\n", qPrintable(gSingleInstanceProblem));
        break;
    case platform::NameClaimed:
        break;
    }
    const bool platformGiven = std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::strncmp(a, "-platform", 9) == 0 || std::strncmp(a, "--platform", 10) == 0;
    });
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !platformGiven) {
        std::fputs("The reader's window needs a desktop (no DISPLAY is set). The command line "
                   "works without one: run it with /? to see how.\n",
                   stderr);
        return 1;
    }
    TSignalClose signalClose;
    QApplication app(argc, argv);
    // Only the main window's end ends the program: closing a message box or the clipboard
    // prompt while the window is hidden in the tray must not.
    app.setQuitOnLastWindowClosed(false);
    KoUtils::SetMessageBoxHandler(WindowMessageBox);
    platform::TServices services = platform::Services();
    if (auto keys = platform::CreateX11GlobalHotkeys())
        services.Hotkeys = keys; // elsewhere (Wayland) the session has no global keys
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
            if (!gSingleInstanceProblem.isEmpty())
                window.Note(gSingleInstanceProblem);
            if (!window.StartHidden() || !documents.isEmpty())
                window.show();
            // Later starts of the reader bring this window back.
            QObject::connect(services.Instance.get(), &platform::ISingleInstance::asked, &window,
                             &TFormCvt::ShowFromAnotherStart);
            services.Instance->Serve();
            code = app.exec();
        }
    }
    // The sound output ends while the application object is still whole.
    engines::ShutdownAudio();
    return code;
}
