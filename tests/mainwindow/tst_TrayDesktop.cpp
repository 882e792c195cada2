// The tray for real: a tray host (trayer) on a private X desktop, clicks from xdotool, the
// window manager minimising the window; the desktop's media controls through playerctl on a
// private session bus, heard on a private sound server.
#include "AudioMonitor.h"
#include "Converter.h"
#include "Engines.h"
#include "Global.h"
#include "SysTray.h"
#include "TestSupport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QProcess>
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

private slots:
    void initTestCase() {
        QVERIFY(FConfig.isValid());
        qputenv("XDG_CONFIG_HOME", FConfig.path().toLocal8Bit());
    }

    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        for (const char* sub : {"txt", "wav", "mp3"})
            QDir(App()).mkpath(sub);
    }

    void cleanup() { StopTrayHost(); }

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
        QCOMPARE(w->PopupMenuTray->actions().first()->text(), QString("Hide Main Window"));
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
        QCOMPARE(w->PopupMenuTray->actions().first()->text(), QString("Show Main Window"));
        w->PopupMenuTray->actions().first()->trigger();
        w->PopupMenuTray->close();
        QTRY_VERIFY(w->isVisible());

        // The window manager takes the request once it has the window mapped again; one that
        // came too early is asked again.
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        bool hidden = false;
        for (int attempt = 0; attempt < 3 && !hidden; ++attempt) {
            Run("xdotool", {"windowminimize", QString::number(w->winId())});
            hidden = WaitFor([&] { return !w->isVisible(); }, 3000);
        }
        QVERIFY2(hidden, "minimising did not hide the window into the tray");
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
        Run("xdotool", {"windowminimize", QString::number(w->winId())});
        QTRY_VERIFY(w->windowState() & Qt::WindowMinimized);
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
    void mediaControls() {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("no session bus (run under dbus-run-session)");
        PulseTestServer server;
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        MonitorRecorder monitor;
        QVERIFY(monitor.Start(server.Monitor()));
        engines::RegisterEngines();
        auto w = Window([] { Settings.AutoNext = false; });
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
    }
};

QTEST_MAIN(TestTrayDesktop)
#include "tst_TrayDesktop.moc"
