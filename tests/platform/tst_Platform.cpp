// The platform's services on this system, and the utilities that forward to them.
#include "FakeServices.h"
#include "KoUtils.h"
#include "platform/unix/SingleInstance.h"
#include "platform/xdg/Desktop.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

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
        QStringList heard;
        int asks = 0;
        connect(&holder, &platform::ISingleInstance::asked, this, [&](const QStringList& files) {
            heard = files;
            ++asks;
        });
        const QStringList files{"/tmp/a b.txt", "/tmp/line\nbreak.txt", "/tmp/été.txt"};
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
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_Platform.moc"
