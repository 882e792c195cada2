// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's services on this system, and the utilities that forward to them.
#include "FakeServices.h"
#include "KoUtils.h"
#include "TestSupport.h"
#include "platform/ProgramFolders.h"
#include "platform/unix/BrokenPipes.h"
#include "platform/unix/SingleInstance.h"
#include "platform/xdg/Desktop.h"
#include "platform/xdg/MimeApps.h"
#include "platform/xdg/PortalHotkeys.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // The volume applies at once but reaches the disk only on Save; a damaged or foreign file
    // gives the full volume, and a place that cannot be written says so without harm.
    void deviceVolumeIsKeptOnlyWhenSaved() {
        QTemporaryDir dir;
        const QString path = dir.filePath("nurva/device-volume");
        {
            platform::TXdgDeviceVolume v(path);
            QCOMPARE(v.Get(), 0xFFFFFFFFu);
            v.Set(0x40002000u);
            QCOMPARE(v.Get(), 0x40002000u);
            QVERIFY(!QFile::exists(path));
            QVERIFY(v.Save());
        }
        QCOMPARE(platform::TXdgDeviceVolume(path).Get(), 0x40002000u);

        for (const QByteArray& bad : {QByteArray("loud\n"), QByteArray("99999999999\n"),
                                      QByteArray("-5\n"), QByteArray(4096, 'x')}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bad);
            f.close();
            QCOMPARE(platform::TXdgDeviceVolume(path).Get(), 0xFFFFFFFFu);
        }

        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        platform::TXdgDeviceVolume nowhere(dir.filePath("file/device-volume"));
        nowhere.Set(7);
        QVERIFY(!nowhere.Save());
        QCOMPARE(nowhere.Get(), 7u);
    }

    // One holder per name and user, kept in a folder only the user may enter (a name longer
    // than a socket's path allows too); a later start reaches the holder with its files, also
    // after an earlier holder died and left its socket behind; a name nobody holds gets no
    // answer, in bounded time.
    void singleInstance() {
        QTemporaryDir dir;
        const QString run = dir.filePath("run");
        QVERIFY(QDir().mkdir(run));
        QVERIFY(QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString name =
            QStringLiteral("nurva test/%1").arg(QCoreApplication::applicationPid());
        const QString longName = name + QString(300, u'x');
        {
            platform::TUnixSingleInstance first(run);
            QCOMPARE(first.Claim(name), platform::NameClaimed);
            QCOMPARE(first.Claim(name), platform::NameTaken);
            QCOMPARE(platform::TUnixSingleInstance(run).Claim(name), platform::NameTaken);
            QCOMPARE(first.Claim(longName), platform::NameClaimed);
            QCOMPARE(first.Claim(longName), platform::NameTaken);
        } // gone, as a crashed holder goes: its socket file stays

        platform::TUnixSingleInstance holder(run);
        QCOMPARE(holder.Claim(name), platform::NameClaimed);
        holder.Serve();
        platform::TInstanceRequest heard;
        int asks = 0;
        connect(&holder, &platform::ISingleInstance::asked, this,
                [&](const platform::TInstanceRequest& request) {
                    heard = request;
                    ++asks;
                });
        const platform::TInstanceRequest files{
            {"/tmp/a b.txt", "/tmp/line\nbreak.txt", "/tmp/été.txt"}, "read-clipboard", "tok=1 é"};
        std::atomic<int> answered{-1};
        std::thread asker([&] {
            platform::TUnixSingleInstance later(run);
            answered = later.Ask(name, files, 5000) ? 1 : 0;
        });
        QTRY_VERIFY_WITH_TIMEOUT(answered.load() >= 0, 10000);
        asker.join();
        QCOMPARE(answered.load(), 1);
        QCOMPARE(heard, files);
        QCOMPARE(asks, 1);

        QVERIFY(!holder.Ask(name + " nobody", {}, 300));

        // A folder anyone else may enter is never used.
        QVERIFY(QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther));
        QCOMPARE(platform::TUnixSingleInstance(run).Claim(name + " 2"), platform::ClaimFailed);
    }

    // A write to a reader that went away is an error (EPIPE), not the end of the process; the
    // programs it starts still get SIGPIPE as usual (it is not ignored in them).
    void brokenPipesAreErrors() {
        platform::SurviveBrokenPipes();
        int fds[2];
        QVERIFY(::pipe(fds) == 0);
        ::close(fds[0]);
        errno = 0;
        QCOMPARE(::write(fds[1], "x", 1), ssize_t(-1));
        QCOMPARE(errno, EPIPE);
        ::close(fds[1]);
        QProcess child;
        child.start("grep", {"^SigIgn:", "/proc/self/status"});
        QVERIFY(child.waitForFinished(10000));
        const QByteArray line = child.readAllStandardOutput();
        bool ok = false;
        const qulonglong ignored = line.mid(line.indexOf(':') + 1).trimmed().toULongLong(&ok, 16);
        QVERIFY2(ok, line.constData());
        QVERIFY2(!(ignored & (1ull << (SIGPIPE - 1))), line.constData());
    }

    // A start that gave up before the holder listened (the holder was stopped, or hung) has
    // told its user so: when the holder wakes it opens nothing of it, and writing to the start
    // that went away does not end the holder. The next start is heard as usual; what is not a
    // request is dropped.
    void aStartThatGaveUpIsNotActedOn() {
        QTemporaryDir dir;
        const QString run = dir.filePath("run");
        QVERIFY(QDir().mkdir(run));
        QVERIFY(QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString name =
            QStringLiteral("nurva gave up/%1").arg(QCoreApplication::applicationPid());
        platform::TUnixSingleInstance holder(run);
        QCOMPARE(holder.Claim(name), platform::NameClaimed);
        QList<QStringList> heard;
        connect(&holder, &platform::ISingleInstance::asked, this,
                [&](const platform::TInstanceRequest& request) { heard << request.Files; });
        QVERIFY(
            !platform::TUnixSingleInstance(run).Ask(name, {.Files = {"/tmp/gave up.txt"}}, 300));
        {
            // Not a request of this program.
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un addr{};
            addr.sun_family = AF_UNIX;
            const QByteArray path = QFile::encodeName(run + "/") +
                                    QFile::encodeName(name).replace('/', '_').replace(' ', '_') +
                                    ".socket";
            std::memcpy(addr.sun_path, path.constData(), std::size_t(path.size()));
            QCOMPARE(::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
            const char junk[] = "open\0/x\0\0";
            QVERIFY(::send(fd, junk, sizeof junk - 1, MSG_NOSIGNAL) == sizeof junk - 1);
            ::close(fd);
        }
        holder.Serve();
        testsupport::WaitFor([] { return false; }, 500);
        QCOMPARE(heard, QList<QStringList>{});

        std::atomic<int> answered{-1};
        std::thread asker([&] {
            answered =
                platform::TUnixSingleInstance(run).Ask(name, {.Files = {"/tmp/retry.txt"}}, 5000);
        });
        QTRY_VERIFY_WITH_TIMEOUT(answered.load() >= 0, 10000);
        asker.join();
        QCOMPARE(answered.load(), 1);
        QCOMPARE(heard, QList<QStringList>{{"/tmp/retry.txt"}});
    }

    // Without a runtime folder the single instance lives in one of the user's own in the
    // temporary folder; when someone else made that first (a folder of theirs, a link), it is
    // refused and a private folder under the home takes its place; when that cannot be made
    // either, Claim says why.
    void runtimeFolderOfSomeoneElse() {
        QTemporaryDir dir;
        const QString tmp = dir.filePath("tmp"), home = dir.filePath("home/cache/nurva/run");
        QVERIFY(QDir().mkpath(tmp) && QDir().mkpath(dir.filePath("elsewhere")));
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), temp = qgetenv("TMPDIR");
        auto restore = qScopeGuard([&] {
            qputenv("XDG_RUNTIME_DIR", runtime);
            qputenv("TMPDIR", temp);
        });
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(tmp));
        const QString ours = tmp + QStringLiteral("/nurva-runtime-%1").arg(::getuid());
        QCOMPARE(platform::TUnixSingleInstance(QString(), home).RuntimeDir(), ours);
        QVERIFY(QDir().rmdir(ours));

        QVERIFY(QFile::link(dir.filePath("elsewhere"), ours));
        platform::TUnixSingleInstance first(QString(), home), second(QString(), home);
        QCOMPARE(first.RuntimeDir(), home);
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(home).constData(), &st) == 0 && (st.st_mode & 077) == 0);
        QCOMPARE(first.Claim("nurva test"), platform::NameClaimed);
        QCOMPARE(second.Claim("nurva test"), platform::NameTaken);
        QVERIFY(QDir(dir.filePath("elsewhere")).isEmpty());
        if (::geteuid() == 0) { // another user's folder of any mode
            QVERIFY(QFile::remove(ours));
            QVERIFY(QDir().mkdir(ours));
            QVERIFY(::chown(QFile::encodeName(ours).constData(), 65534, 65534) == 0);
            QVERIFY(::chmod(QFile::encodeName(ours).constData(), 0700) == 0);
            QCOMPARE(platform::TUnixSingleInstance(QString(), home).RuntimeDir(), home);
        }

        testsupport::WriteBytes(dir.filePath("file"), "in the way");
        platform::TUnixSingleInstance nowhere(QString(), dir.filePath("file/run"));
        QCOMPARE(nowhere.Claim("nurva test 2"), platform::ClaimFailed);
        QVERIFY2(nowhere.Problem().contains(ours) && nowhere.Problem().contains("file/run"),
                 qPrintable(nowhere.Problem()));
    }

    // The utilities reach the process's services, whichever were set.
    void utilitiesForwardToTheServices() {
        const platform::TServices system = platform::Services();
        fake::TServices f;
        platform::SetServices(f.Bundle());
        KoUtils::ShellOpen("/tmp/some file.txt");
        QCOMPARE(f.Desktop->Opened, QStringList{"/tmp/some file.txt"});
        KoUtils::SetWaveVolume(70000); // beyond the range: clamped
        QCOMPARE(f.Volume->Value, 0xFFFFFFFFu);
        KoUtils::SetWaveVolume(0x1234);
        QCOMPARE(f.Volume->Value, 0x12341234u);
        QCOMPARE(KoUtils::GetWaveVolume(), 0x1234);
        QVERIFY(f.Volume->Saved.isEmpty()); // only the program's end keeps it
        QVERIFY(!KoUtils::IsAlreadyRunning());
        QVERIFY(KoUtils::IsAlreadyRunning());
        platform::SetServices(system);
    }

    // Extensions belong to the file name, not to a folder, and a leading dot is a hidden
    // file's name, not an extension: output names are made from these.
    // The keys as a Wayland desktop's portal takes them: its modifier names, X keysym names,
    // the keypad's keys apart; a key without such a name is not asked for at all.
    void portalTriggers() {
        using platform::PortalTrigger;
        const auto key = [](Qt::KeyboardModifiers m, int k) {
            return QKeyCombination(m, Qt::Key(k));
        };
        QCOMPARE(PortalTrigger(
                     key(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, Qt::Key_A)),
                 QString("CTRL+SHIFT+ALT+a"));
        QCOMPARE(PortalTrigger(key(Qt::MetaModifier, Qt::Key_F1)), QString("LOGO+F1"));
        QCOMPARE(PortalTrigger(key(Qt::ControlModifier, Qt::Key_Space)), QString("CTRL+space"));
        QCOMPARE(PortalTrigger(key(Qt::AltModifier, Qt::Key_PageDown)), QString("ALT+Page_Down"));
        QCOMPARE(PortalTrigger(key(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)),
                 QString("CTRL+KP_Add"));
        QCOMPARE(PortalTrigger(key(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_7)),
                 QString("CTRL+KP_7"));
        QCOMPARE(PortalTrigger(key(Qt::ControlModifier, Qt::Key_7)), QString("CTRL+7"));
        QCOMPARE(PortalTrigger(key(Qt::ControlModifier, Qt::Key_Plus)), QString());
        QCOMPARE(PortalTrigger(key(Qt::ControlModifier, Qt::Key_VolumeUp)), QString());
    }

    void fileExtensions() {
        const struct {
            const char *path, *ext, *changed;
        } cases[] = {
            {"story.txt", ".txt", "story.wav"},
            {"/a/b/story.TXT", ".TXT", "/a/b/story.wav"},
            {"archive.tar.gz", ".gz", "archive.tar.wav"},
            {"/my.docs/story", "", "/my.docs/story.wav"},
            {"/home/u/.profile", "", "/home/u/.profile.wav"},
            {"notes.", ".", "notes.wav"},
            {"", "", ".wav"},
        };
        for (const auto& c : cases) {
            QCOMPARE(KoUtils::ExtractFileExt(c.path), QString(c.ext));
            QCOMPARE(KoUtils::ChangeFileExt(c.path, ".wav"), QString(c.changed));
        }
    }

    // Portable where the program folder is its own (writable, or marked "portable"); installed
    // where an install put its data folder beside bin/, even when that prefix is writable.
    void programFoldersFollowTheLayout() {
        QTemporaryDir root;
        const QString home = root.filePath("home");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        auto restore = qScopeGuard([config] {
            qputenv("XDG_CONFIG_HOME", config);
            qunsetenv("XDG_DATA_HOME");
        });
        qputenv("XDG_CONFIG_HOME", (home + "/config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (home + "/data").toLocal8Bit());

        const QString build = root.filePath("build/app");
        QVERIFY(QDir().mkpath(build));
        auto portable = platform::TProgramFolders::ForProgram(build);
        QCOMPARE(portable.Mode(), platform::TProgramFolders::Portable);
        QCOMPARE(portable.ConfigFile(), build + "/config.ini");
        QCOMPARE(portable.PlaylistFile(), build + "/playlist.apl");
        QCOMPARE(portable.Mp3Dir(), build + "/mp3/");
        QCOMPARE(portable.SampleDocuments().value(2), build + "/txt/sample3.txt");
        QCOMPARE(portable.Manual(), build + "/help.html");
        QCOMPARE(portable.Prepare(), QString()); // nothing is made beside a portable program
        QVERIFY(!QFile::exists(build + "/txt"));

        const QString prefix = root.filePath("prefix");
        QVERIFY(QDir().mkpath(prefix + "/bin"));
        QVERIFY(QDir().mkpath(prefix + "/share/nurva/txt"));
        testsupport::WriteBytes(prefix + "/share/nurva/help.html", "<html>");
        for (const char* n : {"sample1.txt", "sample2.txt", "sample3.txt"}) {
            testsupport::WriteBytes(prefix + "/share/nurva/txt/" + n, n);
            QFile::setPermissions(prefix + "/share/nurva/txt/" + n, QFile::ReadOwner);
        }
        auto installed = platform::TProgramFolders::ForProgram(prefix + "/bin/");
        QCOMPARE(installed.Mode(), platform::TProgramFolders::Installed);
        QCOMPARE(installed.ConfigFile(), home + "/config/nurva/config.ini");
        QCOMPARE(installed.PlaylistFile(), home + "/config/nurva/playlist.apl");
        QCOMPARE(installed.TxtDir(), home + "/data/nurva/txt/");
        QCOMPARE(installed.WavDir(), home + "/data/nurva/wav/");
        QCOMPARE(installed.SampleDocuments().value(0), home + "/data/nurva/txt/sample1.txt");
        QCOMPARE(installed.Manual(), prefix + "/share/nurva/help.html");

        // The first start makes the folders and copies the samples, which the user may edit.
        QCOMPARE(installed.Prepare(), QString());
        for (const QString& dir :
             {home + "/config/nurva", home + "/data/nurva/wav", home + "/data/nurva/mp3"})
            QVERIFY2(QFileInfo(dir).isDir(), qPrintable(dir));
        const QString sample = home + "/data/nurva/txt/sample2.txt";
        QCOMPARE(testsupport::ReadBytes(sample), QByteArray("sample2.txt"));
        QVERIFY(QFileInfo(sample).permissions() & QFile::WriteOwner);
        // Samples the user deleted stay deleted.
        QVERIFY(QFile::remove(sample));
        QCOMPARE(installed.Prepare(), QString());
        QVERIFY(!QFile::exists(sample));

        // "portable" beside the executable wins over the installed layout.
        testsupport::WriteBytes(prefix + "/bin/portable", "");
        QCOMPARE(platform::TProgramFolders::ForProgram(prefix + "/bin").Mode(),
                 platform::TProgramFolders::Portable);

        // A settings folder that cannot be made is said, with its name and the reason.
        testsupport::WriteBytes(root.filePath("blocked"), "a file, not a folder");
        qputenv("XDG_CONFIG_HOME", root.filePath("blocked").toLocal8Bit());
        QFile::remove(prefix + "/bin/portable");
        const QString problem = platform::TProgramFolders::ForProgram(prefix + "/bin").Prepare();
        QVERIFY2(problem.startsWith("The folder " + root.filePath("blocked") +
                                    "/nurva/ cannot be made: "),
                 qPrintable(problem));
        QVERIFY(problem.contains("cannot be saved"));
    }

    // The program a type opens with, as the association rules give it, against GLib's own
    // answer (gio) where the lists of the user, the desktop and the system disagree; and the
    // user's list changed in its one line.
    void mimeAssociations() {
        QTemporaryDir root;
        const QString config = root.filePath("config"), data = root.filePath("data"),
                      system = root.filePath("system");
        auto env = qScopeGuard([saved = QProcessEnvironment::systemEnvironment()] {
            for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME",
                                     "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP"}) {
                if (saved.contains(name))
                    qputenv(name, saved.value(name).toLocal8Bit());
                else
                    qunsetenv(name);
            }
        });
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", root.filePath("etc").toLocal8Bit());
        qputenv("XDG_DATA_HOME", data.toLocal8Bit());
        qputenv("XDG_DATA_DIRS", system.toLocal8Bit());
        qputenv("XDG_CURRENT_DESKTOP", "X-Test:Other");
        auto app = [](const QString& folder, const QString& name, const QByteArray& extra) {
            QDir().mkpath(folder + "/applications");
            testsupport::WriteBytes(folder + "/applications/" + name,
                                    "[Desktop Entry]\nType=Application\nName=" + name.toUtf8() +
                                        "\nExec=true %f\n" + extra);
        };
        auto gio = [] {
            QProcess p;
            p.start("gio", {"mime", "text/x-probe"});
            p.waitForFinished(30000);
            const QString first = QString::fromUtf8(p.readAllStandardOutput()).section('\n', 0, 0);
            return first.startsWith("Default application") ? first.section(": ", -1).trimmed()
                                                           : QString();
        };
        const QByteArray probe = "MimeType=text/x-probe;\n";
        app(system, "first.desktop", probe);
        app(system, "second.desktop", probe);
        app(system, "absent.desktop", probe + "TryExec=no-such-program-anywhere\n");
        app(system, "early.desktop", probe);
        app(data, "early.desktop", ""); // the user's own copy claims nothing
        app(data, "mine.desktop", probe);
        QVERIFY(platform::mimeapps::WriteCache(system + "/applications").isEmpty());
        QVERIFY(platform::mimeapps::WriteCache(data + "/applications").isEmpty());
        QDir().mkpath(config);
        struct TCase {
            const char* What;
            QByteArray UserList, DesktopList;
        } cases[] = {
            {"the user's folder first", "", ""},
            {"a removal", "[Removed Associations]\ntext/x-probe=mine.desktop;\n", ""},
            {"an addition", "[Added Associations]\ntext/x-probe=second.desktop;\n", ""},
            {"a default", "[Default Applications]\ntext/x-probe=absent.desktop;first.desktop;\n",
             ""},
            {"the desktop's own default", "[Default Applications]\ntext/x-probe=first.desktop;\n",
             "[Default Applications]\ntext/x-probe=second.desktop;\n"},
            {"a removal in the desktop's list does not count", "",
             "[Removed Associations]\ntext/x-probe=mine.desktop;\n"},
        };
        for (const TCase& c : cases) {
            testsupport::WriteBytes(config + "/mimeapps.list", c.UserList);
            testsupport::WriteBytes(config + "/x-test-mimeapps.list", c.DesktopList);
            const QString glib = gio();
            QVERIFY2(!glib.isEmpty(), c.What);
            QCOMPARE(platform::mimeapps::DefaultFor("text/x-probe"), glib);
        }
        bool chosen = true;
        testsupport::WriteBytes(config + "/x-test-mimeapps.list", "");
        testsupport::WriteBytes(config + "/mimeapps.list", "");
        QCOMPARE(platform::mimeapps::DefaultFor("text/x-probe", {"mine.desktop"}, &chosen),
                 QString("first.desktop"));
        QVERIFY(!chosen);

        // Only the type's line changes; comments, other groups and other types stay.
        const QByteArray before = "# kept\n[Added Associations]\ntext/x-probe=second.desktop;\n\n"
                                  "[Default Applications]\nimage/png=viewer.desktop;\n"
                                  "text/x-probe=mine.desktop;\n[Other]\nkey=value\n";
        testsupport::WriteBytes(config + "/mimeapps.list", before);
        QVERIFY(platform::mimeapps::SetUserDefault("text/x-probe", "first.desktop").isEmpty());
        QByteArray after = before;
        after.replace("text/x-probe=mine.desktop;", "text/x-probe=first.desktop;");
        QCOMPARE(testsupport::ReadBytes(config + "/mimeapps.list"), after);
        QCOMPARE(gio(), QString("first.desktop"));
        testsupport::WriteBytes(config + "/mimeapps.list", "[Default Applications]\n[Other]\n");
        QVERIFY(platform::mimeapps::SetUserDefault("text/x-probe", "second.desktop").isEmpty());
        QCOMPARE(testsupport::ReadBytes(config + "/mimeapps.list"),
                 QByteArray("[Default Applications]\ntext/x-probe=second.desktop;\n[Other]\n"));
        QFile::remove(config + "/mimeapps.list");
        QVERIFY(platform::mimeapps::SetUserDefault("text/x-probe", "second.desktop").isEmpty());
        QCOMPARE(testsupport::ReadBytes(config + "/mimeapps.list"),
                 QByteArray("[Default Applications]\ntext/x-probe=second.desktop;\n"));
        QCOMPARE(gio(), QString("second.desktop"));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_Platform.moc"
