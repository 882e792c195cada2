// SPDX-License-Identifier: GPL-3.0-or-later
// The tray for real: a tray host (trayer) on a private X desktop, clicks from xdotool, the
// window manager minimising the window; the desktop's media controls through playerctl on a
// private session bus, heard on a private sound server. The program itself, started as the
// user starts it, ends with Exit from every state and only then.
#include "AlarmLogic.h"
#include "AudioMonitor.h"
#include "Converter.h"
#include "Engines.h"
#include "Global.h"
#include "KoAccessible.h"
#include "SysTray.h"
#include "TestSupport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace settings;
using namespace testsupport;

namespace {

// Runs a desktop tool while the window goes on answering (playerctl waits for our replies).
QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!WaitFor([&] { return p.state() == QProcess::NotRunning; }, 15000)) {
        p.kill();
        p.waitForFinished(2000);
        return QStringLiteral("(%1 hung)").arg(program);
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Each click on its own: two within the double-click time would be a double click.
void Click(QPoint at, const QStringList& click) {
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    Run("xdotool",
        QStringList{"mousemove", QString::number(at.x()), QString::number(at.y())} + click);
}

struct TWindow {
    QString Id;
    QRect Geometry;
};

// The visible windows whose name (or class name) matches `name`, a regular expression.
QList<TWindow> Windows(const QString& name, const QString& by = "--name") {
    QList<TWindow> found;
    for (const QString& id :
         Run("xdotool", {"search", "--onlyvisible", by, name}).split('\n', Qt::SkipEmptyParts)) {
        QMap<QString, int> g;
        for (const QString& line : Run("xdotool", {"getwindowgeometry", "--shell", id}).split('\n'))
            if (const qsizetype eq = line.indexOf('='); eq > 0)
                g[line.left(eq)] = line.mid(eq + 1).toInt();
        found << TWindow{id, QRect(g["X"], g["Y"], g["WIDTH"], g["HEIGHT"])};
    }
    return found;
}

// The reader started as a user starts it, from a program folder of its own: its window, its
// tray icon, its message boxes and prompts are those of another program to the test.
class TReader {
public:
    QString App; // the program folder, with its trailing "/"
    QProcess Process;

    bool Start(const std::function<void()>& tweak, const QStringList& args = {}) {
        LoadDefaultSettings(App);
        Settings.Greeting = false;
        Settings.Tray = true;
        Settings.MiniToTray = true;
        Playlist = {App + "txt/one.txt"};
        WriteBytes(Playlist[0], "The first document.");
        if (tweak)
            tweak();
        SaveSettings(App);
        const QProcessEnvironment env = Environment();
        QDir().mkpath(App + "run");
        QFile::setPermissions(App + "run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Process.setProcessEnvironment(env);
        Process.setWorkingDirectory(App);
        Process.setProcessChannelMode(QProcess::ForwardedChannels);
        Process.start(App + "nurva", args);
        return Process.waitForStarted(5000);
    }
    // A later start of the reader (it hands its files over and ends).
    bool StartAgain(const QStringList& args) { return RunAgain(args).first == 0; }
    // A start that ends by itself: its exit code (-1 when it did not end) and what it printed
    // on standard error.
    std::pair<int, QString> RunAgain(const QStringList& args) {
        QProcess again;
        again.setProcessEnvironment(
            Process.processEnvironment().isEmpty() ? Environment() : Process.processEnvironment());
        again.setWorkingDirectory(App);
        again.start(App + "nurva", args);
        if (!WaitFor([&] { return again.state() == QProcess::NotRunning; }, 10000)) {
            again.kill();
            again.waitForFinished(2000);
            return {-1, {}};
        }
        return {again.exitCode(), QString::fromUtf8(again.readAllStandardError())};
    }
    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_RUNTIME_DIR", App + "run");
        env.insert("XDG_CONFIG_HOME", App + "config");
        return env;
    }
    bool Running() const { return Process.state() != QProcess::NotRunning; }
    // Ended by itself within `ms`, successfully.
    bool Ended(int ms) {
        return WaitFor([&] { return !Running(); }, ms) &&
               Process.exitStatus() == QProcess::NormalExit && Process.exitCode() == 0;
    }
    void Stop() {
        if (!Running())
            return;
        Process.kill();
        Process.waitForFinished(5000);
    }

    QList<TWindow> MainWindow() const { return Windows("^PARLOVA Text To Speech Reader$"); }
    QPoint Icon() const {
        for (const TWindow& w : Windows("^nurva$", "--classname"))
            if (w.Geometry.width() < 64)
                return w.Geometry.center();
        return {};
    }
    // The clipboard prompt: the window of the prompt's size.
    QList<TWindow> Prompts() const {
        QList<TWindow> prompts;
        for (const TWindow& w : Windows("^nurva$", "--classname"))
            if (w.Geometry.size() == QSize(306, 181))
                prompts << w;
        return prompts;
    }
};

} // namespace

class TestTrayDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir FConfig;
    std::unique_ptr<QTemporaryDir> FDir;
    QProcess FTrayer;

    QString App() const { return FDir->path() + "/"; }

    std::unique_ptr<TFormCvt> Window(const std::function<void()>& tweak = {}) {
        auto w = testwindow::MakeWindow(App(),
                                        {{"first.txt", "The first document of the playlist."},
                                         {"second.txt", "The second one."}},
                                        [&] {
                                            Settings.Tray = true;
                                            Settings.MiniToTray = true;
                                            if (tweak)
                                                tweak();
                                        });
        if (!w->StartHidden()) {
            w->show();
            if (!QTest::qWaitForWindowExposed(w.get()))
                qWarning("the window was not exposed");
        }
        return w;
    }

    // Asks the window manager to minimise the window until `done` holds: it takes the request
    // only once it has the window mapped, and one that came too early is asked again.
    static bool Minimise(TFormCvt* w, const std::function<bool()>& done) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            Run("xdotool", {"windowminimize", QString::number(w->winId())});
            if (WaitFor(done, 3000))
                return true;
        }
        return false;
    }

    bool StartTrayHost() {
        FTrayer.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "request",
                                 "--height", "24", "--SetDockType", "true"});
        return FTrayer.waitForStarted(5000) &&
               WaitFor([] { return desktop::TSysTray::Available(); }, 10000);
    }

    void StopTrayHost() {
        FTrayer.terminate();
        if (!FTrayer.waitForFinished(5000))
            FTrayer.kill();
        FTrayer.waitForFinished(2000);
    }

    // Where the icon sits on the screen, once the host has taken it in and stopped moving it
    // (the panel finds its own size after the icon docks).
    static QPoint IconCentre() {
        QPoint centre, last;
        int still = 0;
        WaitFor(
            [&] {
                centre = QPoint();
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (QByteArray(w->metaObject()->className()) == "QSystemTrayIconSys" &&
                        w->isVisible() && w->width() > 1)
                        centre = w->mapToGlobal(w->rect().center());
                still = !centre.isNull() && centre == last ? still + 1 : 0;
                last = centre;
                QTest::qWait(100);
                return still >= 5;
            },
            10000);
        return still >= 5 ? centre : QPoint();
    }

    TReader FReader;
    QTemporaryDir FProgramDir;

    // Left click on the reader's tray icon; waits until its window has the visibility wanted.
    bool ClickIcon(bool shown) {
        const QPoint icon = FReader.Icon();
        if (icon.isNull())
            return false;
        Click(icon, {"click", "1"});
        return WaitFor([&] { return FReader.MainWindow().isEmpty() != shown; }, 5000);
    }

    // The tray menu's last item, Exit, from the keyboard.
    bool ExitFromTrayMenu() {
        const QPoint icon = FReader.Icon();
        if (icon.isNull())
            return false;
        Click(icon, {"click", "3"});
        QTest::qWait(500);
        return !Run("xdotool", {"key", "Up", "Return"}).contains("hung");
    }

    // Copies `text` with xclip, which keeps owning the clipboard until the test ends.
    // False when xclip did not take the selection.
    bool Copy(const QString& text, const QString& selection = "clipboard") {
        auto* xclip = new QProcess(this);
        xclip->start("xclip", {"-quiet", "-selection", selection, "-i"});
        xclip->waitForStarted(5000);
        xclip->write(text.toUtf8());
        xclip->closeWriteChannel();
        FCopies << xclip;
        // xclip owns the selection only once it has read its input: a reader asked before
        // that would find the previous owner's text (or none) on a loaded machine.
        const QString owned = text.trimmed();
        return WaitFor(
            [&] {
                return Run("xclip", {"-o", "-selection", selection}) == owned;
            },
            5000);
    }
    QList<QProcess*> FCopies;

private slots:
    void initTestCase() {
        QVERIFY(FConfig.isValid());
        qputenv("XDG_CONFIG_HOME", FConfig.path().toLocal8Bit());
        QVERIFY(FProgramDir.isValid());
        FReader.App = FProgramDir.path() + "/program/";
        QVERIFY(QProcess::execute(
                    "cp", {"-r", qEnvironmentVariable("NURVA_APPDIR") + "/.", FReader.App}) == 0);
    }

    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        for (const char* sub : {"txt", "wav", "mp3"})
            QDir(App()).mkpath(sub);
    }

    void cleanup() {
        FReader.Stop();
        for (QProcess* p : std::as_const(FCopies)) {
            p->kill();
            p->waitForFinished(3000);
            delete p;
        }
        FCopies.clear();
        StopTrayHost();
    }

    // Hidden in the tray, the reader outlives what closes on its own: a reminder's message box
    // (OK) and the clipboard prompt (Cancel, Esc). It takes files from a later start, and the
    // tray menu's Exit ends it, hidden again, with the playlist saved.
    void endsOnlyWithExit() {
        QVERIFY2(StartTrayHost(), "trayer did not start or offers no tray");
        const QDateTime due = QDateTime::currentDateTime().addSecs(3);
        QVERIFY(FReader.Start([&] {
            Settings.MiniStartup = true;
            Settings.Reminder = true;
            Settings.ReminderMsgBox = true;
            ReminderList = {desktop::ReminderKey(due) + "=Time to check the tray"};
            Settings.WatchClipboard = true;
            Settings.ShowPrompt = true;
            Settings.PromptDelay = 0;
        }));
        QVERIFY(WaitFor([&] { return !FReader.Icon().isNull(); }, 15000));
        QVERIFY(FReader.MainWindow().isEmpty());

        QVERIFY(WaitFor([&] { return !Windows("^Nurva$").isEmpty(); }, 15000));
        Run("xdotool", {"windowactivate", "--sync", Windows("^Nurva$")[0].Id, "key", "Return"});
        QVERIFY(WaitFor([&] { return Windows("^Nurva$").isEmpty(); }, 5000));
        QTest::qWait(300);
        QVERIFY2(FReader.Running(), "closing the reminder's box ended the program");

        QVERIFY2(Copy("Offered to the reader in the tray."), "xclip did not take the selection");
        QVERIFY(WaitFor([&] { return FReader.Prompts().size() == 1; }, 5000));
        const QRect at = FReader.Prompts()[0].Geometry;
        Click(at.topLeft() + QPoint(10 + 192 + 37, 49 + 80 + 12), {"click", "1"}); // Cancel
        QVERIFY(WaitFor([&] { return FReader.Prompts().isEmpty(); }, 5000));
        QTest::qWait(300);
        QVERIFY2(FReader.Running(), "Cancel on the prompt ended the program");

        QVERIFY2(Copy("Offered once more, and left with Esc."), "xclip did not take the selection");
        QVERIFY(WaitFor([&] { return FReader.Prompts().size() == 1; }, 5000));
        Run("xdotool", {"windowactivate", "--sync", FReader.Prompts()[0].Id, "key", "Escape"});
        QVERIFY(WaitFor([&] { return FReader.Prompts().isEmpty(); }, 5000));
        QTest::qWait(300);
        QVERIFY2(FReader.Running(), "Esc on the prompt ended the program");
        QVERIFY(!FReader.Icon().isNull());

        WriteBytes(FReader.App + "txt/handed.txt", "Handed over by a later start.");
        QVERIFY(FReader.StartAgain({FReader.App + "txt/handed.txt"}));
        QVERIFY(WaitFor([&] { return !FReader.MainWindow().isEmpty(); }, 5000));
        QVERIFY(ClickIcon(false));
        QVERIFY(ExitFromTrayMenu());
        QVERIFY2(FReader.Ended(10000), "Exit in the tray menu did not end the hidden reader");
        QVERIFY(ReadText(FReader.App + "playlist.apl").contains("handed.txt"));
    }

    // Exit ends the reader however it is shown: hidden (the media controls' Quit), minimised
    // (the tray menu), with the options dialog open (the media controls' Quit); the settings
    // are written each time.
    void exitFromEveryState() {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("no session bus (run under dbus-run-session)");
        QVERIFY2(StartTrayHost(), "trayer did not start or offers no tray");
        const QStringList quit{"--session", "--type=method_call",
                               "--dest=org.mpris.MediaPlayer2.nurva", "/org/mpris/MediaPlayer2",
                               "org.mpris.MediaPlayer2.Quit"};
        const QString ini = FReader.App + "config.ini";

        QFile::remove(ini);
        QVERIFY(FReader.Start({}));
        QVERIFY(WaitFor([&] { return !FReader.Icon().isNull(); }, 15000));
        QVERIFY(WaitFor([&] { return !FReader.MainWindow().isEmpty(); }, 10000));
        QFile::remove(ini);
        QVERIFY(ClickIcon(false));
        Run("dbus-send", quit);
        QVERIFY2(FReader.Ended(10000), "Quit did not end the reader hidden in the tray");
        QVERIFY(QFile::exists(ini));

        QVERIFY(FReader.Start([] { Settings.MiniToTray = false; }));
        QVERIFY(WaitFor([&] { return !FReader.MainWindow().isEmpty(); }, 15000));
        QVERIFY(WaitFor([&] { return !FReader.Icon().isNull(); }, 10000));
        QFile::remove(ini);
        Run("xdotool", {"windowminimize", "--sync", FReader.MainWindow()[0].Id});
        QVERIFY(ExitFromTrayMenu());
        QVERIFY2(FReader.Ended(10000), "Exit did not end the minimised reader");
        QVERIFY(QFile::exists(ini));

        QVERIFY(FReader.Start({}));
        QVERIFY(WaitFor([&] { return !FReader.MainWindow().isEmpty(); }, 15000));
        QFile::remove(ini);
        Run("xdotool", {"windowactivate", "--sync", FReader.MainWindow()[0].Id, "key",
                        "--clearmodifiers", "ctrl+o"});
        QVERIFY(WaitFor([&] { return !Windows("^ Options$").isEmpty(); }, 10000));
        Run("dbus-send", quit);
        QVERIFY2(FReader.Ended(10000), "Quit did not end the reader under its options dialog");
        QVERIFY(QFile::exists(ini));
    }

    // With a tray: a left click hides the window and its task-bar button and shows it again,
    // the right click opens the menu with the right first item beside the cursor, a double
    // click toggles once, the window manager's minimise goes into the tray and a click brings
    // the window back restored; when the tray goes away, a hidden window comes back.
    void withTrayHost() {
        QVERIFY2(StartTrayHost(), "trayer did not start or offers no tray");
        auto w = Window();
        QVERIFY(w->SysTray1->Active());
        QCOMPARE(w->SysTray1->Hint(), w->TrayTipText().left(63));
        const QPoint icon = IconCentre();
        QVERIFY2(!icon.isNull(), "the icon did not appear in the tray");

        Click(icon, {"click", "1"});
        QTRY_VERIFY(!w->isVisible());
        Click(icon, {"click", "1"});
        QTRY_VERIFY(w->isVisible());

        // Each opening runs the caption step once, and the menu announces itself once.
        QSignalSpy popups(w->SysTray1, &desktop::TSysTray::OnPopup);
        QSignalSpy shows(w->PopupMenuTray, &QMenu::aboutToShow);
        Click(icon, {"click", "3"});
        QTRY_VERIFY(w->PopupMenuTray->isVisible());
        QCOMPARE(popups.count(), 1);
        QCOMPARE(shows.count(), 1);
        QCOMPARE(koframe::WithoutMnemonics(w->PopupMenuTray->actions().first()->text()),
                 QString("Hide Main Window"));
        QVERIFY(std::abs(w->PopupMenuTray->geometry().right() - icon.x()) <= 2);
        Run("xdotool", {"key", "Escape"});
        QTRY_VERIFY(!w->PopupMenuTray->isVisible());
        QVERIFY(w->isVisible()); // the right button only opens the menu

        Click(icon, {"click", "--repeat", "2", "--delay", "60", "1"});
        QTRY_VERIFY(!w->isVisible());
        QTest::qWait(300);
        QVERIFY(!w->isVisible()); // the double click's second half does nothing
        Click(icon, {"click", "3"});
        QTRY_VERIFY(w->PopupMenuTray->isVisible());
        QCOMPARE(koframe::WithoutMnemonics(w->PopupMenuTray->actions().first()->text()),
                 QString("Show Main Window"));
        w->PopupMenuTray->actions().first()->trigger();
        w->PopupMenuTray->close();
        QTRY_VERIFY(w->isVisible());

        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY2(Minimise(w.get(), [&] { return !w->isVisible(); }),
                 "minimising did not hide the window into the tray");
        Click(icon, {"click", "1"});
        QTRY_VERIFY(w->isVisible());
        QTRY_VERIFY(!(w->windowState() & Qt::WindowMinimized));

        Click(icon, {"click", "1"});
        QTRY_VERIFY(!w->isVisible());
        StopTrayHost();
        QTRY_VERIFY_WITH_TIMEOUT(w->isVisible(), 10000);
    }

    // Without a tray nothing hides the window: minimising keeps it on the task bar, and the
    // start-up setting shows it; the settings stay as they were, for a desktop with a tray. A
    // tray that comes later is noticed and takes the icon.
    void withoutTray() {
        QTRY_VERIFY_WITH_TIMEOUT(!desktop::TSysTray::Available(), 10000);
        auto w = Window([] { Settings.MiniStartup = true; });
        QVERIFY(!w->StartHidden());
        QVERIFY2(Minimise(w.get(), [&] { return bool(w->windowState() & Qt::WindowMinimized); }),
                 "the window manager did not minimise the window");
        QTest::qWait(300);
        QVERIFY(w->isVisible());
        QVERIFY(Settings.MiniToTray && Settings.MiniStartup);

        QSignalSpy trays(w->SysTray1, &desktop::TSysTray::availabilityChanged);
        QVERIFY2(StartTrayHost(), "trayer did not start or offers no tray");
        QTRY_COMPARE_WITH_TIMEOUT(trays.count(), 1, 10000);
        QCOMPARE(trays[0][0].toBool(), true);
        QVERIFY2(!IconCentre().isNull(), "the icon did not appear in the late tray");
    }

    // The desktop's media controls play, pause, resume and stop a reading (heard on the sound
    // server), and read its status and title.
    // The commands a desktop binds run in the reader hidden in the tray and leave it there:
    // `nurva --action NAME` from a later start, ActivateAction on the session bus. A command
    // that reads starts a reader when none runs; one that has nothing to act on says so. What
    // comes due while the window is hidden is a desktop notification.
    void desktopActions() {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("no session bus (run under dbus-run-session)");
        auto [code, said] = FReader.RunAgain({"--action", "louder"});
        QCOMPARE(code, 2);
        QVERIFY2(said.contains("read-selection"), qPrintable(said));
        std::tie(code, said) = FReader.RunAgain({"--action", "stop"});
        QCOMPARE(code, 1);
        QVERIFY2(said.contains("not running"), qPrintable(said));

        QProcess listener;
        const QString notices = App() + "notices.jsonl";
        listener.start(qEnvironmentVariable("NURVA_NOTIFICATION_LISTENER"), {notices});
        QVERIFY(listener.waitForReadyRead(10000));
        const auto stopListener = qScopeGuard([&] {
            listener.kill();
            listener.waitForFinished(3000);
        });
        PulseTestServer server;
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        MonitorRecorder monitor;
        QVERIFY(monitor.Start(server.Monitor()));
        auto heard = [&](int ms) {
            monitor.Poll();
            return monitor.Peak(NowMs() - ms, NowMs()) > 300;
        };
        QVERIFY2(StartTrayHost(), "trayer did not start or offers no tray");

        QVERIFY2(Copy("The words on the clipboard are read by a desktop's key."),
                 "xclip did not take the selection");
        // Due once the readings below are done (a spoken reminder would be heard after a stop),
        // even on a loaded machine.
        const QDateTime due = QDateTime::currentDateTime().addSecs(25);
        QVERIFY(FReader.Start(
            [&] {
                Settings.MiniStartup = true;
                Settings.Reminder = true;
                ReminderList = {desktop::ReminderKey(due) + "=Water the plants"};
            },
            {"--action", "read-clipboard"}));
        QVERIFY2(WaitFor([&] { return heard(300); }, 15000), "the started reader read nothing");
        QVERIFY(!FReader.Icon().isNull());
        QVERIFY(FReader.MainWindow().isEmpty());
        // Quiet after a stop, unless the reminder is speaking by then (a very slow machine).
        auto quiet = [&] { return !heard(500) || QDateTime::currentDateTime() >= due; };
        QVERIFY(FReader.StartAgain({"--action", "stop"}));
        QTest::qWait(1000);
        QVERIFY(quiet());

        QVERIFY2(Copy("What is selected in another program is read without a copy.", "primary"),
                 "xclip did not take the selection");
        const QStringList call{"call",          "--session",
                               "--dest",        "org.example.nurva",
                               "--object-path", "/org/example/nurva",
                               "--method",      "org.freedesktop.Application.ActivateAction"};
        QCOMPARE(Run("gdbus", call + QStringList{"read-selection", "[]", "{}"}), QString("()"));
        QVERIFY2(WaitFor([&] { return heard(300); }, 10000), "ActivateAction read nothing");
        QCOMPARE(Run("gdbus", call + QStringList{"stop", "[]", "{}"}), QString("()"));
        QTest::qWait(1000);
        QVERIFY(quiet());
        QVERIFY(FReader.MainWindow().isEmpty());

        QVERIFY2(WaitFor([&] { return ReadText(notices).contains("Water the plants"); }, 40000),
                 qPrintable(ReadText(notices)));
        QVERIFY2(ReadText(notices).contains(R"("summary": "Reminder")"),
                 qPrintable(ReadText(notices)));
        QVERIFY(FReader.StartAgain({"--action", "show"}));
        QVERIFY(WaitFor([&] { return !FReader.MainWindow().isEmpty(); }, 5000));

        // A conversion the file manager started has no terminal: its failure is a notice.
        QProcess job;
        job.setProcessEnvironment(FReader.Environment());
        job.setStandardInputFile(QProcess::nullDevice());
        job.setStandardOutputFile(QProcess::nullDevice());
        job.setStandardErrorFile(QProcess::nullDevice());
        job.start(FReader.App + "nurva", {"/ttw", "Words.", "/proc/no such folder/out.wav"});
        QVERIFY(job.waitForFinished(20000));
        QCOMPARE(job.exitCode(), 1);
        QVERIFY2(
            WaitFor([&] { return ReadText(notices).contains("could not convert Words."); }, 5000),
            qPrintable(ReadText(notices)));
    }

    // A launcher that starts programs over the session bus: the bus starts the reader for an
    // ActivateAction to its desktop entry's name when none runs, and waits until the reader
    // holds the name; the call then runs the command.
    void startedByTheSessionBus() {
        QTemporaryDir bus;
        QVERIFY(bus.isValid());
        QDir().mkpath(bus.filePath("services"));
        WriteBytes(
            bus.filePath("services/org.example.nurva.service"),
            ("[D-BUS Service]\nName=org.example.nurva\nExec=" + FReader.App + "nurva\n").toUtf8());
        WriteBytes(bus.filePath("bus.conf"),
                   ("<busconfig><type>session</type><listen>unix:dir=" + bus.path() +
                    "</listen><servicedir>" + bus.filePath("services") +
                    "</servicedir><policy context=\"default\"><allow send_destination=\"*\" "
                    "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow own=\"*\"/>"
                    "</policy></busconfig>")
                       .toUtf8());
        PulseTestServer server;
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        MonitorRecorder monitor;
        QVERIFY(monitor.Start(server.Monitor()));
        // The bus's own environment is what the programs it starts get.
        LoadDefaultSettings(FReader.App);
        Settings.Greeting = false;
        SaveSettings(FReader.App);
        QDir().mkpath(FReader.App + "run");
        QFile::setPermissions(FReader.App + "run",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess daemon;
        daemon.setProcessEnvironment(FReader.Environment());
        daemon.start("dbus-daemon",
                     {"--config-file=" + bus.filePath("bus.conf"), "--nofork", "--print-address"});
        QVERIFY(daemon.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
        const auto stop = qScopeGuard([&] {
            Run("gdbus",
                {"call", "--address", address, "--dest", "org.example.nurva", "--object-path",
                 "/org/mpris/MediaPlayer2", "--method", "org.mpris.MediaPlayer2.Quit"});
            QTest::qWait(1000);
            daemon.terminate();
            daemon.waitForFinished(5000);
        });
        Run("gdbus", {"call", "--address", address, "--dest", "org.freedesktop.DBus",
                      "--object-path", "/org/freedesktop/DBus", "--method",
                      "org.freedesktop.DBus.UpdateActivationEnvironment",
                      "{'DBUS_SESSION_BUS_ADDRESS': '" + address + "'}"});
        QVERIFY2(Copy("Read by the reader that the session bus started."),
                 "xclip did not take the selection");
        QCOMPARE(Run("gdbus",
                     {"call", "--address", address, "--dest", "org.example.nurva", "--object-path",
                      "/org/example/nurva", "--method",
                      "org.freedesktop.Application.ActivateAction", "read-clipboard", "[]", "{}"}),
                 QString("()"));
        QVERIFY2(WaitFor(
                     [&] {
                         monitor.Poll();
                         return monitor.Peak(NowMs() - 300, NowMs()) > 300;
                     },
                     15000),
                 "the reader the bus started read nothing");
    }

    void mediaControls() {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("no session bus (run under dbus-run-session)");
        PulseTestServer server;
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        MonitorRecorder monitor;
        QVERIFY(monitor.Start(server.Monitor()));
        engines::RegisterEngines();
        auto w = Window([] {
            Settings.AutoNext = false;
            Settings.WatchClipboard = true;
            Settings.ShowPrompt = false;
            Settings.DefAction = desktop::caNew;
        });
        const QStringList p{"-p", "nurva"};
        QCOMPARE(Run("playerctl", p + QStringList{"status"}), QString("Stopped"));
        QCOMPARE(Run("playerctl", p + QStringList{"metadata", "xesam:title"}), QString("first"));

        auto heard = [&](int ms) {
            monitor.Poll();
            return monitor.Peak(NowMs() - ms, NowMs()) > 300;
        };
        Run("playerctl", p + QStringList{"play"});
        QTRY_COMPARE(Run("playerctl", p + QStringList{"status"}), QString("Playing"));
        QVERIFY(WaitFor([&] { return heard(300); }, 5000));

        Run("playerctl", p + QStringList{"pause"});
        QTRY_COMPARE(Run("playerctl", p + QStringList{"status"}), QString("Paused"));
        QTest::qWait(700);
        QVERIFY(!heard(400));

        Run("playerctl", p + QStringList{"play-pause"});
        QTRY_COMPARE(Run("playerctl", p + QStringList{"status"}), QString("Playing"));
        QVERIFY(WaitFor([&] { return heard(300); }, 5000));

        Run("playerctl", p + QStringList{"stop"});
        QTRY_COMPARE(Run("playerctl", p + QStringList{"status"}), QString("Stopped"));
        QTest::qWait(700);
        QVERIFY(!heard(400));

        Run("playerctl", p + QStringList{"next"});
        QTRY_COMPARE(Run("playerctl", p + QStringList{"metadata", "xesam:title"}),
                     QString("second"));

        // The player's names, as the desktop's media widget shows them.
        auto property = [&](const QString& name) {
            return Run("dbus-send",
                       {"--session", "--print-reply", "--dest=org.mpris.MediaPlayer2.nurva",
                        "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties.Get",
                        "string:org.mpris.MediaPlayer2", "string:" + name});
        };
        QVERIFY2(property("Identity").contains("\"PARLOVA Text To Speech Reader\""),
                 qPrintable(property("Identity")));
        QVERIFY2(property("DesktopEntry").contains("\"org.example.nurva\""),
                 qPrintable(property("DesktopEntry")));

        // The volume is the program's output volume, both ways.
        Run("playerctl", p + QStringList{"volume", "0.25"});
        QTRY_VERIFY(std::abs(w->TrackBarVol->value() - 65535 / 4) <= 1);
        w->TrackBarVol->setValue(65535 / 2);
        QTRY_VERIFY(std::abs(Run("playerctl", p + QStringList{"volume"}).toDouble() - 0.5) < 0.01);

        // The title follows a new document, made by New or by a copy.
        w->ActionFileNew->trigger();
        const QString made = w->TabControl1->tabText(w->TabControl1->currentIndex());
        QTRY_COMPARE(Run("playerctl", p + QStringList{"metadata", "xesam:title"}), made);
        // "play" on its empty text says so.
        QTest::qWait(500);
        QVERIFY(!heard(400));
        Run("playerctl", p + QStringList{"play"});
        QVERIFY(WaitFor([&] { return heard(300); }, 5000));
        Run("playerctl", p + QStringList{"stop"});
        QGuiApplication::clipboard()->setText("A copy that becomes a document.");
        QTRY_VERIFY(w->TabControl1->count() == 4);
        const QString copied = w->TabControl1->tabText(w->TabControl1->currentIndex());
        QVERIFY(copied != made);
        QTRY_COMPARE(Run("playerctl", p + QStringList{"metadata", "xesam:title"}), copied);
    }
};

QTEST_MAIN(TestTrayDesktop)
#include "tst_TrayDesktop.moc"
