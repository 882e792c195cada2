// SPDX-License-Identifier: GPL-3.0-or-later
// The store against real files in a temporary program folder: first run, hand-edited files,
// reminders, the hotkey tables, the playlist, and saves that fail or are cut short.
#include "Global.h"
#include "IniFile.h"
#include "PlaylistFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/file.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace settings;

using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Runs `job` in a child process, as the unprivileged user "nobody" when the tests run as root
// (root ignores file permissions), and returns its exit code; -1 when it did not end in time.
int RunInChild(const std::function<int()>& job, bool unprivileged) {
    pid_t pid = fork();
    if (pid == 0) {
        if (unprivileged && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(100);
        int code = 101;
        try {
            code = job();
        } catch (...) {
        }
        _exit(code);
    }
    if (pid < 0)
        return -1;
    for (int waited = 0; waited < 30000; waited += 10) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

QStringList TempFiles(const QString& dir) {
    return QDir(dir).entryList({"*.tmp"}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir FRoot;
    QString FDir; // the program folder of the current test, with a trailing slash
    int FCount = 0;

    QString File(const char* name) const { return FDir + QLatin1String(name); }

private slots:
    void init() {
        QVERIFY(FRoot.isValid());
        FDir = FRoot.filePath(QString("app%1/").arg(++FCount));
        QVERIFY(QDir().mkpath(FDir));
        Settings = {};
        Playlist.clear();
        ReminderList.clear();
    }

    void firstRunGivesDefaultsAndWritesEveryKey() {
        LoadSettings(FDir, QSize(1280, 800));
        QCOMPARE(Settings.MainLeft, 338);
        QCOMPARE(Settings.MainTop, 199);
        QCOMPARE(Settings.MainWidth, 603);
        QCOMPARE(Settings.MainHeight, 402);
        QCOMPARE(Settings.Spd, 150);
        QVERIFY(Settings.ShowHint && !Settings.Repeat && Settings.MemoWordWrap && Settings.Tray);
        QVERIFY(!Settings.Alarm && Settings.ReminderMsgBox && !Settings.MiniStartup);
        QCOMPARE(Settings.GreetingString, QString("Welcome to Parlova Text To Speech Reader"));
        QCOMPARE(Settings.DefTxtPath, FDir + "txt/");
        QCOMPARE(Settings.DefMp3Path, FDir + "mp3/");
        QCOMPARE(Settings.KHZ, QString("22.05"));
        QCOMPARE(Settings.MemoBGColor, kDesktopColor); // the desktop's theme decides
        QCOMPARE(Settings.MemoFontColor, kDesktopColor);
        QCOMPARE(Settings.MemoFontName, QString("Courier New"));
        QCOMPARE(Settings.AlarmInterval, 60);
        QCOMPARE(Settings.AlarmTxtFile, QString());
        QCOMPARE(Settings.Chapters, QString("none")); // a conversion is one file, as ever
        QCOMPARE(Playlist, QStringList({FDir + "txt/sample1.txt", FDir + "txt/sample2.txt",
                                        FDir + "txt/sample3.txt"}));
        QVERIFY(ReminderList.isEmpty());
        QCOMPARE(HotkeyList[21], QString("Shift+Ctrl+Alt+A"));
        QCOMPARE(HotkeyList[45], QString("F1"));
        QCOMPARE(HotkeyList[1], QString());
        QCOMPARE(GlobalHotkeyIDList[28], 1);
        QCOMPARE(GlobalHotkeyIDList[29], 0);
        const TSettings loaded = Settings;

        SaveSettings(FDir);
        const QByteArray bytes = ReadBytes(File("config.ini"));
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        TIniFile ini(QString::fromUtf8(bytes));
        QCOMPARE(ini.Sections(),
                 QStringList({"Auto", "General", "Convert", "Prosody", "UI", "Clipboard", "Alarm",
                              "Reminder", "HotkeyList", "GlobalHotkeyIDList"}));
        int keys = 0;
        for (const QString& s : ini.Sections().mid(0, 8))
            keys += ini.SectionLines(s).size();
        QCOMPARE(keys, 69);
        QCOMPARE(ini.SectionLines("HotkeyList").size(), 50);
        QCOMPARE(ini.SectionLines("GlobalHotkeyIDList").size(), 50);
        QCOMPARE(ini.SectionLines("HotkeyList").at(1), QString("1="));
        QCOMPARE(ReadBytes(File("playlist.apl")), (Playlist.join("\r\n") + "\r\n").toUtf8());

        Settings = {};
        LoadSettings(FDir, QSize(100, 100)); // the stored position wins over the screen
        QVERIFY(Settings == loaded);
    }

    void screenSizeGivesThePosition() {
        LoadSettings(FDir, QSize(500, 300));
        QCOMPARE(Settings.MainLeft, -51); // toward zero, negative as it is
        QCOMPARE(Settings.MainTop, -51);
        LoadSettings(FDir); // no screen known
        QCOMPARE(Settings.MainLeft, 0);
        QCOMPARE(Settings.MainTop, 0);
    }

    void handEditedFileReadsAsDocumented() {
        WriteBytes(File("config.ini"), "; written by hand\n"
                                       "[auto]\n"
                                       "mainwidth = 0x300\n"
                                       "MainHeight=$1F0\n"
                                       "MainLeft=12abc\n"
                                       "MainTop=2147483648\n"
                                       "Spd=\n"
                                       "Extra=kept\n"
                                       "[General]\r"
                                       "ShowHint=2\r"
                                       "Highlight=0\r"
                                       "GreetingString=\r"
                                       "[Plugins]\r\n"
                                       "foo = bar\r\n"
                                       "a line of its own\r\n"
                                       "[HotkeyList]\n"
                                       "5=\n"
                                       "21=Ctrl+Shift+X\n"
                                       "[GlobalHotkeyIDList]\n"
                                       "3=7\n"
                                       "[UI]\n"
                                       "MemoFontName=  DejaVu Sans Mono  \n");
        LoadSettings(FDir, QSize(1000, 1000));
        QCOMPARE(Settings.MainWidth, 768);
        QCOMPARE(Settings.MainHeight, 496);
        QCOMPARE(Settings.MainLeft, (1000 - 603) / 2);
        QCOMPARE(Settings.MainTop, (1000 - 402) / 2);
        QCOMPARE(Settings.Spd, 150);
        QVERIFY(Settings.ShowHint);
        QVERIFY(!Settings.Highlight);
        QCOMPARE(Settings.GreetingString, QString(""));
        QCOMPARE(Settings.MemoFontName, QString("DejaVu Sans Mono"));
        QCOMPARE(HotkeyList[5], QString());
        QCOMPARE(HotkeyList[4], QString());
        QCOMPARE(HotkeyList[21], QString("Ctrl+Shift+X"));
        QCOMPARE(HotkeyList[22], QString("F3"));
        QCOMPARE(GlobalHotkeyIDList[3], 7);
        QCOMPARE(GlobalHotkeyIDList[21], 1);

        ReminderList = {"24.12.2026 08:30:00=x"};
        SaveSettings(FDir);
        TIniFile ini;
        ini.LoadFromFile(File("config.ini"));
        // The two rewritten sections move to the end; everything else keeps its place.
        QCOMPARE(ini.Sections(), QStringList({"auto", "General", "Plugins", "GlobalHotkeyIDList",
                                              "UI", "Convert", "Prosody", "Clipboard", "Alarm",
                                              "Reminder", "ReminderList", "HotkeyList"}));
        QCOMPARE(ini.SectionLines("auto").mid(0, 6),
                 QStringList({"MainWidth=768", "MainHeight=496", "MainLeft=198", "MainTop=299",
                              "Spd=150", "Extra=kept"}));
        QCOMPARE(ini.Value("General", "ShowHint"), QString("1"));
        QCOMPARE(ini.Value("General", "GreetingString"), QString(""));
        QCOMPARE(ini.SectionLines("Plugins"), QStringList({"foo=bar", "a line of its own"}));
        QCOMPARE(ini.Value("HotkeyList", "5"), QString(""));
        QCOMPARE(ini.SectionLines("GlobalHotkeyIDList").first(), QString("3=7"));
        QVERIFY(!ReadBytes(File("config.ini")).contains("written by hand"));

        LoadSettings(FDir, QSize(1000, 1000));
        QCOMPARE(HotkeyList[5], QString()); // still no shortcut: the default is only for a gap
    }

    void remindersSurviveTheFile() {
        LoadSettings(FDir, QSize(800, 600));
        const TSettings before = Settings;
        ReminderList = {
            "24.12.2026 08:30:00=Buy milk",
            "24.12.2026 09:00:00=  first line\r\nsecond line\n[Auto]\nMainLeft=5\n;x  ",
            "24.12.2026 08:30:00=the same moment again",
            "25.12.2026 00:00:00=",
            "26.12.2026 10:00:00=\"in quotes\" = \\n not a break",
            "a line the user typed without an equals sign",
            "",
        };
        SaveSettings(FDir);
        QVERIFY(ReadBytes(File("config.ini")).contains("\r\n24.12.2026 08:30:00=Buy milk\r\n"));

        LoadSettings(FDir, QSize(800, 600));
        QVERIFY(Settings == before);
        QCOMPARE(ReminderList,
                 QStringList({"24.12.2026 08:30:00=Buy milk",
                              "24.12.2026 09:00:00=  first line\r\nsecond line\n[Auto]\nMainLeft="
                              "5\n;x  ",
                              "24.12.2026 08:30:00=the same moment again", "25.12.2026 00:00:00=",
                              "26.12.2026 10:00:00=\"in quotes\" = \\n not a break",
                              "a line the user typed without an equals sign", ""}));

        // Two reminders of one moment written by hand, as files of today have them: both are
        // read, and both survive every later save and start.
        const QStringList twice = {"01.01.2027 10:00:00=first", "02.01.2027 10:00:00=other",
                                   "01.01.2027 10:00:00=second"};
        WriteBytes(File("config.ini"), "[ReminderList]\r\n" + twice.join("\r\n").toUtf8());
        for (int round = 0; round < 2; ++round) {
            LoadSettings(FDir, QSize(800, 600));
            QCOMPARE(ReminderList, twice);
            SaveSettings(FDir);
        }
    }

    void playlistFile() {
        const char withNul[] = "/a/one.txt\r\n\n/b/two.txt\r/c\0/ignored\r\n";
        WriteBytes(File("playlist.apl"), QByteArray(withNul, sizeof withNul - 1));
        LoadSettings(FDir);
        QCOMPARE(Playlist, QStringList({"/a/one.txt", "", "/b/two.txt", "/c"}));

        WriteBytes(File("playlist.apl"), "");
        LoadSettings(FDir);
        QVERIFY(Playlist.isEmpty()); // an empty file is an empty list, not the samples

        // A read-only playlist is made writable and rewritten.
        Playlist = {"/x/caf\u00e9.txt"};
        QVERIFY(QFile::setPermissions(File("playlist.apl"), QFile::ReadOwner | QFile::ReadGroup));
        SaveSettings(FDir);
        QCOMPARE(ReadBytes(File("playlist.apl")), QByteArray("/x/caf\xC3\xA9.txt\r\n"));
        QVERIFY(QFile::permissions(File("playlist.apl")) & QFile::WriteOwner);

        // A playlist from the Windows version, in its code page, is written back in it.
        WriteBytes(File("playlist.apl"), "C:\\Docs\\r\xE9sum\xE9.txt\r\n");
        LoadSettings(FDir);
        QCOMPARE(Playlist, QStringList({"C:\\Docs\\r\u00e9sum\u00e9.txt"}));
        Playlist += "/new.txt";
        SaveSettings(FDir);
        QCOMPARE(ReadBytes(File("playlist.apl")),
                 QByteArray("C:\\Docs\\r\xE9sum\xE9.txt\r\n/new.txt\r\n"));

        // A playlist that cannot be read gives the samples, without a word.
        QFile::remove(File("playlist.apl"));
        QVERIFY(QDir().mkdir(File("playlist.apl")));
        LoadSettings(FDir);
        QCOMPARE(Playlist.size(), 3);
        QCOMPARE(Playlist.first(), FDir + "txt/sample1.txt");
    }

    void unreadableConfigStopsLoadAndSave() {
        QVERIFY(QDir().mkdir(File("config.ini")));
        Settings.Spd = 77;
        QVERIFY_THROWS_EXCEPTION(EFileError, LoadSettings(FDir));
        QCOMPARE(Settings.Spd, 77); // nothing was read
        // Saving must not replace a file it could not read: its unknown sections would be lost.
        QVERIFY_THROWS_EXCEPTION(EFileError, SaveSettings(FDir));
        QVERIFY(!QFile::exists(File("playlist.apl")));
    }

    void failedSavesKeepTheOldFiles() {
        LoadSettings(FDir);
        SaveSettings(FDir);
        const QByteArray oldIni = ReadBytes(File("config.ini"));
        const QByteArray oldList = ReadBytes(File("playlist.apl"));
        Settings.Spd = 300;
        Playlist = {"/changed.txt"};

        // A read-only config.ini is not written, and then neither is the playlist.
        QVERIFY(QFile::setPermissions(File("config.ini"), QFile::ReadOwner));
        try {
            SaveSettings(FDir);
            QFAIL("saving over a read-only config.ini succeeded");
        } catch (const EFileError& e) {
            QVERIFY2(e.Message().contains(File("config.ini")), qPrintable(e.Message()));
            QVERIFY2(e.Message().contains(strerror(EACCES)), qPrintable(e.Message()));
        }
        QCOMPARE(ReadBytes(File("config.ini")), oldIni);
        QCOMPARE(ReadBytes(File("playlist.apl")), oldList);
        QVERIFY(QFile::setPermissions(File("config.ini"), QFile::ReadOwner | QFile::WriteOwner));

        // A folder without write permission: the error arrives, the old files stay whole.
        const QString dir = FDir;
        if (geteuid() == 0) { // the child runs as "nobody", who must own what it writes
            for (const QString& p : {dir, File("config.ini"), File("playlist.apl")})
                QVERIFY(chown(QFile::encodeName(p).constData(), 65534, 65534) == 0);
        }
        QVERIFY(chmod(QFile::encodeName(dir).constData(), 0555) == 0);
        int code = RunInChild(
            [&] {
                try {
                    SaveSettings(dir);
                    return 1;
                } catch (const EFileError& e) {
                    return e.Message().contains(strerror(EACCES)) ? 0 : 2;
                }
            },
            true);
        QVERIFY(chmod(QFile::encodeName(dir).constData(), 0755) == 0);
        QCOMPARE(code, 0);
        QCOMPARE(ReadBytes(File("config.ini")), oldIni);
        QCOMPARE(ReadBytes(File("playlist.apl")), oldList);
        QVERIFY(TempFiles(dir).isEmpty());

        // Now that the folder is writable again, the same values save.
        SaveSettings(FDir);
        LoadSettings(FDir);
        QCOMPARE(Settings.Spd, 300);
        QCOMPARE(Playlist, QStringList({"/changed.txt"}));
    }

    void interruptedSaveLeavesTheOldFile() {
        LoadSettings(FDir);
        SaveSettings(FDir);
        const QByteArray oldIni = ReadBytes(File("config.ini"));

        // The process dies right after the new content reached the temporary file.
        const QString path = File("config.ini");
        int code = RunInChild(
            [&] {
                Settings.Spd = 321;
                TIniFile ini;
                ini.LoadFromFile(path);
                ini.WriteInteger("Auto", "Spd", 321);
                WriteFileAtomically(path, ini.Text().toUtf8(), TReadOnly::Refuse,
                                    [](const QString&) { _exit(0); });
                return 1;
            },
            false);
        QCOMPARE(code, 0);
        QCOMPARE(ReadBytes(File("config.ini")), oldIni);
        const QStringList temps = TempFiles(FDir);
        QCOMPARE(temps.size(), 1);
        QVERIFY(ReadBytes(FDir + temps.first()).contains("Spd=321"));
        // The next start clears what the dead process left, but not what a save still running
        // (here held by this test) writes, nor a file of another name.
        const QString running = FDir + ".config.ini.0badf00d.tmp", other = FDir + ".notes.tmp";
        WriteBytes(running, "half a file");
        WriteBytes(other, "someone else's");
        QFile held(running);
        QVERIFY(held.open(QIODevice::ReadOnly) && ::flock(held.handle(), LOCK_EX) == 0);
        LoadSettings(FDir);
        QCOMPARE(Settings.Spd, 150);
        QCOMPARE(TempFiles(FDir), QStringList({".config.ini.0badf00d.tmp", ".notes.tmp"}));
        held.close();
        QVERIFY(QFile::remove(other));

        // An error at the same point removes the temporary file and reaches the caller.
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            WriteFileAtomically(path, "new", TReadOnly::Refuse,
                                [](const QString&) { throw std::runtime_error("cut"); }));
        QCOMPARE(ReadBytes(File("config.ini")), oldIni);
        QCOMPARE(TempFiles(FDir), QStringList({".config.ini.0badf00d.tmp"})); // ended unfinished

        Settings.Spd = 222;
        SaveSettings(FDir);
        LoadSettings(FDir);
        QCOMPARE(Settings.Spd, 222);
        QVERIFY(TempFiles(FDir).isEmpty()); // the next good save clears what was left
    }

    void keepsTheEncodingAndPermissionsOfConfig() {
        WriteBytes(File("config.ini"), "[General]\r\nGreetingString=Gr\xFC\xDF Gott\r\n");
        QVERIFY(chmod(QFile::encodeName(File("config.ini")).constData(), 0640) == 0);
        LoadSettings(FDir);
        QCOMPARE(Settings.GreetingString, QString("Gr\u00fc\u00df Gott"));
        SaveSettings(FDir);
        QVERIFY(ReadBytes(File("config.ini")).contains("GreetingString=Gr\xFC\xDF Gott\r\n"));
        struct stat st {};
        QCOMPARE(stat(QFile::encodeName(File("config.ini")).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0640u);

        // A text the code page cannot hold turns the file into UTF-8 rather than lose it.
        Settings.AlarmAfter = QString::fromUtf8("\u0436");
        SaveSettings(FDir);
        LoadSettings(FDir);
        QCOMPARE(Settings.GreetingString, QString("Gr\u00fc\u00df Gott"));
        QCOMPARE(Settings.AlarmAfter, QString::fromUtf8("\u0436"));

        // A path with a line break cannot rewrite other settings.
        Settings.DefTxtPath = "/tmp/x\n[Auto]\nMainLeft=5\n";
        SaveSettings(FDir);
        const TSettings saved = Settings;
        LoadSettings(FDir);
        QVERIFY(Settings == saved);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_Settings.moc"
