// SPDX-License-Identifier: GPL-3.0-or-later
// Global hotkeys through the real desktop portal on a private session bus, with a desktop
// backend of the test's own (portal-backend): the window's global commands are bound with their
// captions and keys; a key the desktop gives instead shows in the options dialog; the desktop's
// press runs the command; the real program takes the portal on a Wayland desktop; without a
// portal the X11 grabs under Wayland say truthfully what they do; a desktop that never answers
// stops nothing and is said.
#include "Converter.h"
#include "FakeServices.h"
#include "Global.h"
#include "MessageCapture.h"
#include "Option.h"
#include "ShownWindow.h"
#include "TestSupport.h"
#include "platform/x11/GlobalHotkeys.h"
#include "platform/xdg/PortalHotkeys.h"

#include <QComboBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using settings::Playlist;

namespace {

const QString kBackend = QStringLiteral("org.example.PortalBackend");
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");

QDBusMessage Control(const QString& method, const QVariantList& args = {}) {
    QDBusMessage m =
        QDBusMessage::createMethodCall(kBackend, QStringLiteral("/org/freedesktop/portal/desktop"),
                                       QStringLiteral("org.example.PortalBackendControl"), method);
    m.setArguments(args);
    return QDBusConnection::sessionBus().call(m, QDBus::Block, 5000);
}

// What the backend was asked to bind, over every open session: [id, description, trigger].
QList<QStringList> Bound() {
    QList<QStringList> all;
    const QDBusMessage reply = Control(QStringLiteral("Bound"));
    if (reply.arguments().isEmpty())
        return all;
    const QJsonObject sessions =
        QJsonDocument::fromJson(reply.arguments().constFirst().toString().toUtf8()).object();
    for (const QJsonValue& s : sessions) {
        for (const QJsonValue& b : s.toArray()) {
            QStringList row;
            for (const QJsonValue& v : b.toArray())
                row << v.toString();
            all << row;
        }
    }
    return all;
}

QString ConfigWithGlobalKeys() {
    // New and My TXT Folder are global; the keys of Open are not.
    return QStringLiteral("[HotkeyList]\r\n0=Shift+Ctrl+Alt+N\r\n1=Ctrl+O\r\n31=Ctrl+Alt+F7\r\n"
                          "[GlobalHotkeyIDList]\r\n0=1\r\n31=1\r\n"
                          "[General]\r\nGreeting=0\r\n");
}

} // namespace

class TestPortalHotkeysDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    QProcess FBackend, FPortal;
    QString App() const { return FDir.path() + "/app/"; }

    // The options dialog on the Interface page with command `n` chosen: what its label on
    // global keys says.
    QString OptionsSay(TFormCvt& w, int n) {
        QString said;
        QTimer::singleShot(0, this, [&] {
            TFormOption* options = testsupport::WaitForShown<TFormOption>(5000, false);
            if (!options)
                return;
            options->ComboBoxHotkeys->setCurrentIndex(n);
            options->ComboBoxHotkeysChange();
            if (auto* label = options->findChild<QLabel*>("LabelGlobalHotkeys"))
                said = label->text() + '\n' + label->toolTip();
            options->close();
        });
        w.ActionToolsOptions->trigger();
        return said;
    }

private slots:
    void initTestCase() {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus (run under dbus-run-session)");
        QVERIFY(QDir().mkpath(FDir.path() + "/portals"));
        testsupport::WriteBytes(FDir.path() + "/portals/test.portal",
                                "[portal]\nDBusName=org.example.PortalBackend\n"
                                "Interfaces=org.freedesktop.impl.portal.GlobalShortcuts;\n"
                                "UseIn=test\n");
        FBackend.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FBackend.start(qEnvironmentVariable("NURVA_PORTAL_BACKEND"), {kBackend});
        QVERIFY(FBackend.waitForReadyRead(10000));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DESKTOP_PORTAL_DIR", FDir.path() + "/portals");
        env.insert("XDG_CURRENT_DESKTOP", "test");
        FPortal.setProcessEnvironment(env);
        FPortal.setProcessChannelMode(QProcess::ForwardedOutputChannel); // its warnings: noise
        FPortal.setStandardErrorFile(FDir.path() + "/portal.log");
        FPortal.start("/usr/libexec/xdg-desktop-portal", {"--replace"});
        QVERIFY(FPortal.waitForStarted(5000));
        QVERIFY(testsupport::WaitFor(
            [] { return QDBusConnection::sessionBus().interface()->isServiceRegistered(kPortal); },
            15000));
    }

    void cleanupTestCase() {
        for (QProcess* p : {&FPortal, &FBackend}) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }

    void init() {
        Control(QStringLiteral("Reset"));
        QVERIFY(QDir(App()).removeRecursively());
        QVERIFY(QDir().mkpath(App() + "txt"));
        testsupport::WriteBytes(App() + "config.ini", ConfigWithGlobalKeys().toLatin1());
    }

    // The window's global commands are bound as a set, each with its caption and its key in
    // the portal's form; the desktop giving a command another key shows in the options dialog;
    // the desktop's press runs the command; at the end the session goes.
    void bindsDescribesAndRuns() {
        Messages m;
        fake::TServices fakes;
        platform::TServices services = fakes.Bundle();
        services.Hotkeys = platform::CreatePortalGlobalHotkeys();
        QVERIFY(services.Hotkeys);
        auto w = std::make_unique<TFormCvt>(App(), services);
        // Beside the commands global by default.
        const QStringList txt{"CTRL+ALT+F7", "My TXT Folder", "CTRL+ALT+F7"};
        const QStringList fileNew{"CTRL+SHIFT+ALT+n", "New", "CTRL+SHIFT+ALT+n"};
        QTRY_VERIFY_WITH_TIMEOUT(Bound().contains(fileNew), 10000);
        const QList<QStringList> bound = Bound();
        QVERIFY(bound.contains(txt));
        QVERIFY(bound.contains(QStringList{"CTRL+SHIFT+ALT+s", "Stop", "CTRL+SHIFT+ALT+s"}));
        QVERIFY(!bound.contains(QStringList{"CTRL+o", "Open...", "CTRL+o"}));
        QTRY_VERIFY(services.Hotkeys->Status().contains("its settings can change them"));
        // The panel follows the portal's answer.
        QCOMPARE(w->PanelStatus->text().trimmed(), services.Hotkeys->Status());
        QVERIFY(services.Hotkeys->Available());

        // The user gives New another key in the desktop's settings.
        const QString before = OptionsSay(*w, 0);
        QVERIFY(before.contains("desktop portal; its settings can change"));
        QVERIFY(!before.contains("gives this command"));
        // A desktop that writes the same keys its own way has given no other key.
        QSignalSpy changed(services.Hotkeys.get(), &platform::IGlobalHotkeys::statusChanged);
        Control("Assign", {"CTRL+SHIFT+ALT+n", "Shift+Ctrl+Alt+N"});
        QVERIFY(changed.wait(5000));
        QVERIFY(services.Hotkeys->Assigned(settings::GlobalHotkeyIDList[0]).isEmpty());
        Control("Assign", {"CTRL+SHIFT+ALT+n", "Super+N"});
        QTRY_VERIFY(!services.Hotkeys->Assigned(settings::GlobalHotkeyIDList[0]).isEmpty());
        QVERIFY(OptionsSay(*w, 0).contains("The desktop gives this command Super+N"));
        QVERIFY(!OptionsSay(*w, 31).contains("gives this command"));

        // The desktop's presses run the commands.
        const int documents = int(Playlist.size());
        QCOMPARE(Control("Press", {"CTRL+SHIFT+ALT+n"}).arguments().value(0).toBool(), true);
        QTRY_COMPARE(int(Playlist.size()), documents + 1);
        QVERIFY(Control("Press", {"CTRL+ALT+F7"}).arguments().value(0).toBool());
        QTRY_VERIFY(fakes.Desktop->Opened.contains(settings::Settings.DefTxtPath));
        QCOMPARE(int(Playlist.size()), documents + 1);
        QVERIFY(!w->findChild<QMessageBox*>("HotkeyNote"));

        w->FormDestroy();
        w.reset();
        services.Hotkeys.reset();
        QTRY_VERIFY(Bound().isEmpty()); // the session is closed
    }

    // The real program on a Wayland desktop whose portal offers global shortcuts takes them,
    // also while Qt draws through XWayland.
    void programTakesThePortalOnWayland() {
        const QString app = FDir.path() + "/program/";
        QVERIFY(QProcess::execute("cp", {"-r", qEnvironmentVariable("NURVA_APPDIR") + "/.", app}) ==
                0);
        testsupport::WriteBytes(app + "config.ini", ConfigWithGlobalKeys().toLatin1());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("WAYLAND_DISPLAY", "nurva-no-such-display"); // Qt stays on xcb (set)
        env.insert("XDG_SESSION_TYPE", "wayland");
        env.insert("XDG_RUNTIME_DIR", app + "run");
        QVERIFY(QDir().mkpath(app + "run"));
        QFile::setPermissions(app + "run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess nurva;
        nurva.setProcessEnvironment(env);
        nurva.setWorkingDirectory(app);
        nurva.setProcessChannelMode(QProcess::ForwardedChannels);
        nurva.start(app + "nurva", {});
        QVERIFY(nurva.waitForStarted(5000));
        const bool bound = testsupport::WaitFor(
            [] {
                return Bound().contains(QStringList{"CTRL+SHIFT+ALT+n", "New", "CTRL+SHIFT+ALT+n"});
            },
            20000);
        nurva.terminate();
        QVERIFY(nurva.waitForFinished(10000));
        QVERIFY(bound);
        QCOMPARE(nurva.exitCode(), 0);
    }

    // Without a portal (a bus with none), a Wayland desktop's XWayland grabs stand in: the
    // user is told once that they work only while an X11 window has the focus, and the options
    // dialog says the same.
    void withoutAPortalTheGrabsSayWhatTheyDo() {
        QProcess bus;
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY(bus.waitForReadyRead(5000));
        const QString address = QString::fromLatin1(bus.readLine().trimmed());
        {
            QDBusConnection other = QDBusConnection::connectToBus(address, "nurva-no-portal");
            QVERIFY(other.isConnected());
            QVERIFY(!platform::CreatePortalGlobalHotkeys(other));
        }
        QDBusConnection::disconnectFromBus("nurva-no-portal");
        bus.terminate();
        bus.waitForFinished(3000);

        Messages m;
        fake::TServices fakes;
        platform::TServices services = fakes.Bundle();
        services.Hotkeys = platform::CreateX11GlobalHotkeys(true);
        QVERIFY(services.Hotkeys);
        auto w = std::make_unique<TFormCvt>(App(), services);
        w->show();
        QMessageBox* note = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((note = w->findChild<QMessageBox*>("HotkeyNote")), 5000);
        QVERIFY(note->text().contains("only while an X11 window has the focus"));
        QVERIFY(!note->text().contains("work wherever"));
        delete note;
        QVERIFY(OptionsSay(*w, 0).contains("only while an X11 window has the focus"));
        w->FormDestroy();
    }

    // A desktop that never answers: the window is made and works meanwhile, and the status
    // says the global keys are off; so too when only the binding goes unanswered.
    void aDesktopThatNeverAnswers() {
        Control("SetHang", {true});
        Messages m;
        fake::TServices fakes;
        platform::TServices services = fakes.Bundle();
        services.Hotkeys =
            platform::CreatePortalGlobalHotkeys(QDBusConnection::sessionBus(), {1000, 1500, 1500});
        QVERIFY(services.Hotkeys);
        auto w = std::make_unique<TFormCvt>(App(), services);
        QVERIFY(services.Hotkeys->Status().contains("waiting for the desktop"));
        QVERIFY(services.Hotkeys->Available());
        const int documents = int(Playlist.size());
        w->ActionFileNew->trigger();
        QCOMPARE(int(Playlist.size()), documents + 1);
        QTRY_VERIFY_WITH_TIMEOUT(w->PanelStatus->text().contains("did not answer"), 5000);
        QVERIFY(!services.Hotkeys->Available());
        w->FormDestroy();
        w.reset();

        Control("SetHang", {false});
        auto keys =
            platform::CreatePortalGlobalHotkeys(QDBusConnection::sessionBus(), {1000, 1500, 1500});
        QVERIFY(keys);
        QTRY_VERIFY(keys->Status().contains("via the desktop portal"));
        Control("SetHang", {true});
        keys->Register(1, QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_F8));
        QTRY_VERIFY(keys->Status().contains("waiting for the desktop to confirm"));
        QTRY_VERIFY_WITH_TIMEOUT(keys->Status().contains("did not confirm"), 5000);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestPortalHotkeysDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_PortalHotkeysDesktop.moc"
