// SPDX-License-Identifier: GPL-3.0-or-later
// The file-manager commands for text files, installed into a private data folder the way the
// desktop finds them, checked with desktop-file-validate and GLib's own gio, and run as a
// desktop would run them.
#include "AudioMonitor.h"
#include "KoUtils.h"
#include "ShellVerbs.h"
#include "TestSupport.h"
#include "platform/Services.h"
#include "platform/xdg/ShellCommands.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace testsupport;
using testsupport::MonitorRecorder;
using testsupport::PulseTestServer;

namespace {

const QStringList Entries = {"nurva-read-aloud.desktop", "nurva-read-to-wav.desktop",
                             "nurva-read-to-mp3.desktop"};

QString EntryValue(const QString& path, const QString& key) {
    for (const QString& line : ReadText(path).split('\n'))
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    return {};
}

// An Exec value split as the desktop-entry rules say: string escapes first, then double
// quotes with their backslash escapes, then the field codes of unquoted words.
QStringList ExecArguments(const QString& value, const QString& file) {
    QString text = value;
    text.replace("\\\\", QChar(1)).replace("\\s", " ").replace(QChar(1), "\\");
    QStringList args;
    QString arg;
    bool quoted = false, wasQuoted = false;
    for (int i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text[i] : QChar(' ');
        if (quoted && c == '\\' && i + 1 < text.size() && QString("\"`$\\").contains(text[i + 1]))
            arg += text[++i];
        else if (c == '"')
            quoted = !quoted, wasQuoted = true;
        else if (c != ' ' || quoted)
            arg += c;
        else if (!arg.isEmpty() || wasQuoted) {
            args << (!wasQuoted && arg == "%f" ? file : arg.replace("%%", "%"));
            arg.clear();
            wasQuoted = false;
        }
    }
    return args;
}

// What `gio mime TYPE` says: the default first, then the registered programs.
struct TGioMime {
    QString Default;
    QStringList Registered, Recommended;
};

TGioMime GioMime(const QString& type) {
    QProcess p;
    p.start("gio", {"mime", type});
    TGioMime mime;
    if (!p.waitForFinished(30000))
        return mime;
    QStringList* list = nullptr;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        if (line.startsWith('\t')) {
            if (list)
                *list << line.trimmed();
        } else if (line.startsWith("Default application")) {
            mime.Default = line.section(": ", -1).trimmed();
        } else if (line.startsWith("Registered")) {
            list = &mime.Registered;
        } else if (line.startsWith("Recommended")) {
            list = &mime.Recommended;
        }
    }
    return mime;
}

// desktop-file-validate's report; empty when the file passes without a remark.
QString Validate(const QString& path) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("desktop-file-validate", {path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return "failed: " + p.readAll();
    return QString::fromUtf8(p.readAll());
}

} // namespace

class TestShellVerbs : public QObject {
    Q_OBJECT

    QTemporaryDir FTemp;
    QString FData; // the data home of each test
    QStringList FMessages;
    QMap<const char*, QByteArray> FDesktopFolders;

    QString NewFolder(const QString& name) {
        const QString path = FTemp.path() + '/' + name;
        QDir().mkpath(path);
        return path;
    }

    // A program folder whose path holds blanks and every character an Exec line reserves,
    // with the real program in it; the program's folder is then that one.
    QString UseOddProgramFolder(const QString& name) {
        const QString program = NewFolder(name + " \"q\" `b` $HOME \\x 50% it's") + "/nurva";
        QFile::link(qEnvironmentVariable("NURVA_APPDIR") + "/nurva", program);
        KoUtils::SetExecutablePath(program);
        return program;
    }

private slots:
    void initTestCase() {
        QVERIFY(FTemp.isValid());
        for (const char* name :
             {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP"})
            FDesktopFolders[name] = qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray();
        platform::SetServices(platform::SystemServices());
        KoUtils::SetMessageBoxHandler([this](const QString& text, const QString&, int) {
            FMessages << text;
            return 1;
        });
    }

    void init() {
        static int n = 0;
        FData = NewFolder(QString("data%1").arg(++n));
        qputenv("XDG_DATA_HOME", FData.toLocal8Bit());
        KoUtils::SetExecutablePath(qEnvironmentVariable("NURVA_APPDIR") + "/nurva");
        FMessages.clear();
    }

    // The desktop's folders as the test began: a case that makes its own gets them back.
    void cleanup() {
        for (auto it = FDesktopFolders.begin(); it != FDesktopFolders.end(); ++it)
            if (it.value().isNull())
                qunsetenv(it.key());
            else
                qputenv(it.key(), it.value());
    }

    // File managers built on GLib list the commands for text files as gio does, but text
    // files still open with the program they opened with before; a default the user chose
    // stays as it was; and the folder's own other entries are not lost from the cache.
    void fileManagersListThemAndKeepTheDefault() {
        const QString config = NewFolder(QString("config-of-%1").arg(QFileInfo(FData).fileName()));
        const QString system = NewFolder(QString("system-of-%1").arg(QFileInfo(FData).fileName()));
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", NewFolder("no-config-dirs").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", system.toLocal8Bit());
        qunsetenv("XDG_CURRENT_DESKTOP");
        // The desktop's text editor, which leaves a mark of the file it was given.
        const QString opened = FTemp.path() + "/opened-with-the-editor";
        QDir().mkpath(system + "/applications");
        WriteBytes(system + "/applications/editor.desktop",
                   "[Desktop Entry]\nType=Application\nName=Editor\nMimeType=text/plain;\n"
                   "Exec=sh -c 'echo \"$1\" > " +
                       opened.toUtf8() + "' sh %f\n");
        QCOMPARE(QProcess::execute("update-desktop-database", {system + "/applications"}), 0);
        QDir().mkpath(FData + "/applications");
        WriteBytes(FData + "/applications/mine-viewer.desktop",
                   "[Desktop Entry]\nType=Application\nName=Mine\nExec=true %f\n"
                   "MimeType=image/x-mine;\n");
        QCOMPARE(GioMime("text/plain").Default, QString("editor.desktop"));

        QVERIFY(CheckBoxContextClick(true));
        TGioMime text = GioMime("text/plain");
        for (const QString& entry : Entries) {
            QVERIFY2(text.Registered.contains(entry), qPrintable(text.Registered.join(' ')));
            QVERIFY2(text.Recommended.contains(entry), qPrintable(text.Recommended.join(' ')));
        }
        QCOMPARE(text.Default, QString("editor.desktop"));
        QCOMPARE(GioMime("image/x-mine").Registered, QStringList{"mine-viewer.desktop"});
        QProcess query;
        query.start("xdg-mime", {"query", "default", "text/plain"});
        QVERIFY(query.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(query.readAllStandardOutput()).trimmed(),
                 QString("editor.desktop"));
        const QString plain = NewFolder("texts-to-open") + "/plain.txt";
        WriteBytes(plain, "Open me.");
        QFile::remove(opened);
        QCOMPARE(QProcess::execute("gio", {"open", plain}), 0);
        QVERIFY2(WaitFor([&] { return QFile::exists(opened); }, 20000),
                 "gio open did not start the editor");
        QCOMPARE(ReadText(opened).trimmed(), plain);

        // Removed, they are gone from the list; the editor stays.
        QVERIFY(CheckBoxContextClick(false));
        text = GioMime("text/plain");
        for (const QString& entry : Entries)
            QVERIFY(!text.Registered.contains(entry));
        QCOMPARE(text.Default, QString("editor.desktop"));

        // A default the user chose, even one of the commands, is the user's.
        const QByteArray list =
            "# mine\n[Default Applications]\ntext/plain=nurva-read-aloud.desktop;\n";
        WriteBytes(config + "/mimeapps.list", list);
        QVERIFY(CheckBoxContextClick(true));
        QCOMPARE(ReadBytes(config + "/mimeapps.list"), list);
        QCOMPARE(GioMime("text/plain").Default, QString("nurva-read-aloud.desktop"));
        QVERIFY(FMessages.isEmpty());
    }

    // The menu texts name the program where a file manager lists the commands among other
    // programs; in the service menu and the scripts they stand under its name. All show its
    // picture.
    void namesAndPictures() {
        QDir().mkpath(FData + "/kio");
        QDir().mkpath(FData + "/nautilus");
        QVERIFY(CheckBoxContextClick(true));
        // A PNG picture of 48 x 48, as its header says.
        const QString icon = KoUtils::AppDir() + "nurva.png";
        const QByteArray png = ReadBytes(icon);
        QVERIFY2(png.startsWith("\x89PNG\r\n") && png.size() > 24 &&
                     png.mid(16, 4) == QByteArray("\0\0\0\x30", 4),
                 qPrintable(icon));
        const QStringList names = {"Read Aloud", "Read to WAV", "Read to MP3"};
        // Named in the program's other languages too, whichever it runs in.
        const QStringList german = {"Vorlesen", "In WAV-Datei sprechen", "In MP3-Datei sprechen"};
        for (int i = 0; i < 3; ++i) {
            const QString entry = platform::GetTxtShellKey() + Entries[i];
            QCOMPARE(EntryValue(entry, "Name"), names[i] + " with Nurva");
            QCOMPARE(EntryValue(entry, "Name[de]"), german[i] + " mit Nurva");
            QCOMPARE(EntryValue(entry, "Name[fr]").isEmpty(), false);
            QCOMPARE(EntryValue(entry, "Icon"), icon);
            QCOMPARE(Validate(entry), QString());
            QVERIFY(QFileInfo::exists(FData + "/nautilus/scripts/Nurva/" + names[i]));
        }
        const QString menu = ReadText(FData + "/kio/servicemenus/nurva-text.desktop");
        QCOMPARE(menu.count("Icon=" + icon + "\n"), 4); // the submenu and its three actions
        for (int i = 0; i < 3; ++i) {
            QVERIFY(menu.contains("Name=" + names[i] + "\n"));
            QVERIFY(menu.contains("Name[de]=" + german[i] + "\n"));
        }
        // Nautilus shows a script by its file name: in the language the program ran in when it
        // installed the commands, and only in that one after a change of language.
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/nurva_de.qm"));
        QCoreApplication::installTranslator(&translator);
        QVERIFY(CheckBoxContextClick(true));
        QCoreApplication::removeTranslator(&translator);
        const QString scripts = FData + "/nautilus/scripts/Nurva/";
        QCOMPARE(QDir(scripts).entryList(QDir::Files, QDir::Name),
                 QStringList({"In MP3-Datei sprechen", "In WAV-Datei sprechen", "Vorlesen"}));
        QVERIFY(CheckBoxContextClick(false));
        QVERIFY(!QFileInfo::exists(scripts));
        QVERIFY(CheckBoxContextClick(true));
        // Where the program has no picture beside it, the icon theme's.
        UseOddProgramFolder("pictureless");
        QVERIFY(CheckBoxContextClick(true));
        QCOMPARE(EntryValue(platform::GetTxtShellKey() + Entries[0], "Icon"), QString("nurva"));
    }

    // "Read Aloud" on three selected files, started as a desktop starts it (gio launch): one
    // reader reads them one after the other in the order given, heard on a private sound
    // server: three stretches of sound with the pauses the texts end in between them, as long
    // as each text. The Nautilus script hands them to one reader as well.
    void readAloudReadsSelectedFilesInTurn() {
        PulseTestServer server;
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        MonitorRecorder rec;
        QVERIFY(rec.Start(server.Monitor()));
        QDir().mkpath(FData + "/nautilus");
        QVERIFY(CheckBoxContextClick(true));
        const QString texts = NewFolder("three");
        const QStringList names = {"a short one.txt", "b long one.txt", "c middle one.txt"};
        WriteBytes(texts + '/' + names[0], "Yes. \\Pau=1200\\");
        WriteBytes(texts + '/' + names[1],
                   "The second one is the longest of the three texts. \\Pau=1200\\");
        WriteBytes(texts + '/' + names[2], "The third is shorter.");
        QStringList files;
        for (const QString& name : names)
            files << texts + '/' + name;
        QTest::qWait(300);
        rec.Poll();
        rec.Clear();
        QCOMPARE(QProcess::execute(
                     "gio", QStringList{"launch", platform::GetTxtShellKey() + Entries[0]} + files),
                 0);
        // Heard to its end: sound, then more quiet than between two files.
        QVERIFY(WaitFor(
            [&] {
                rec.Poll();
                const std::size_t last = rec.LastLoud();
                return last != SIZE_MAX &&
                       rec.Samples().size() - last > 5 * MonitorRecorder::kRate / 2;
            },
            60000));
        // Stretches of sound parted by more than 0.8 s of quiet, in seconds.
        QList<double> heard;
        const auto& s = rec.Samples();
        std::size_t start = SIZE_MAX, lastLoud = 0;
        for (std::size_t i = 0; i <= s.size(); ++i) {
            const bool end = i == s.size();
            if (!end && std::abs(int(s[i])) <= 300)
                continue;
            if (start != SIZE_MAX && (end || i - lastLoud > 8 * MonitorRecorder::kRate / 10)) {
                heard << double(lastLoud - start) / MonitorRecorder::kRate;
                start = SIZE_MAX;
            }
            if (!end && start == SIZE_MAX)
                start = i;
            lastLoud = i;
        }
        QString shown;
        for (double d : heard)
            shown += QString::number(d, 'f', 2) + " s ";
        QVERIFY2(heard.size() == 3, qPrintable(shown));
        QVERIFY2(heard[0] < heard[2] && heard[2] < heard[1], qPrintable(shown));

        // The script, given the names relative to the folder shown, starts one reader: given
        // three folders, one refusal of the first, not one per name.
        for (const char* name : {"one", "two", "three"})
            QDir(texts).mkdir(name);
        QProcess script;
        script.setWorkingDirectory(texts);
        script.start(FData + "/nautilus/scripts/Nurva/Read Aloud", {"one", "two", "three"});
        QVERIFY(script.waitForFinished(60000));
        QCOMPARE(script.exitCode(), 1);
        const QString said = QString::fromLocal8Bit(script.readAllStandardError());
        QVERIFY2(said.count("is not a regular file") == 1 && said.contains(texts + "/one"),
                 qPrintable(said));
    }

    void dataHomeFallsBackToTheDefault() {
        QCOMPARE(platform::GetTxtShellKey(), FData + "/applications/");
        for (const char* value : {"", "relative/share"}) {
            qputenv("XDG_DATA_HOME", value);
            QCOMPARE(platform::GetTxtShellKey(), QDir::homePath() + "/.local/share/applications/");
        }
    }

    void installsDetectsAndRemovesOnlyItsOwn() {
        // Files of the user's own beside ours, in every folder the commands use.
        const QStringList others = {"applications/mine.desktop", "kio/servicemenus/mine.desktop",
                                    "nautilus/scripts/mine", "nautilus/scripts/Nurva/mine"};
        for (const QString& f : others) {
            QDir().mkpath(QFileInfo(FData + '/' + f).path());
            WriteBytes(FData + '/' + f, "mine");
        }
        UseOddProgramFolder("first");
        QVERIFY(!TxtShellVerbsInstalled());
        QVERIFY(CheckBoxContextClick(true));
        QVERIFY(TxtShellVerbsInstalled());

        const QString apps = platform::GetTxtShellKey(), scripts = FData + "/nautilus/scripts/";
        const QStringList names = {"Read Aloud", "Read to WAV", "Read to MP3"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Validate(apps + Entries[i]), QString());
            QCOMPARE(EntryValue(apps + Entries[i], "Name"), names[i] + " with Nurva");
            // Plain text and the documents the reader imports.
            const QString types = EntryValue(apps + Entries[i], "MimeType");
            QVERIFY2(types.startsWith("text/plain;") && types.contains("application/epub+zip;") &&
                         types.contains("application/pdf;"),
                     qPrintable(types));
            QCOMPARE(EntryValue(apps + Entries[i], "NoDisplay"), QString("true"));
            QVERIFY(QFileInfo(scripts + "Nurva/" + names[i]).isExecutable());
        }
        // One submenu of the three; executable, or Plasma ignores it. The validator knows no
        // service menus, but checks its actions once told the file is an application's.
        const QString menu = FData + "/kio/servicemenus/nurva-text.desktop";
        QVERIFY(QFileInfo(menu).isExecutable());
        QCOMPARE(EntryValue(menu, "Actions"), QString("ReadAloud;ReadToWav;ReadToMp3;"));
        QCOMPARE(EntryValue(menu, "X-KDE-Submenu"), QString("Nurva"));
        const QString asApp = FTemp.path() + "/menu-as-app.desktop";
        WriteBytes(asApp, ReadText(menu)
                              .replace("Type=Service", "Type=Application")
                              .remove("X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n")
                              .toUtf8());
        QCOMPARE(Validate(asApp), QString());

        // The program folder moved: installing again writes the new path everywhere.
        const QString moved = UseOddProgramFolder("moved");
        QVERIFY(CheckBoxContextClick(true));
        QCOMPARE(ExecArguments(EntryValue(apps + Entries[2], "Exec"), "f.txt"),
                 QStringList({"env", moved, "/ttm", "f.txt"}));
        QVERIFY(!ReadText(menu).contains("first") && ReadText(menu).contains("moved"));
        QVERIFY(!ReadText(scripts + "Nurva/Read Aloud").contains("first"));

        // "Read Aloud" alone tells whether the commands are there.
        QFile::remove(apps + Entries[0]);
        QVERIFY(!TxtShellVerbsInstalled());

        for (int round = 0; round < 2; ++round) { // the second finds nothing to remove
            QVERIFY(CheckBoxContextClick(false));
            for (int i = 0; i < 3; ++i)
                QVERIFY(!QFile::exists(apps + Entries[i]) &&
                        !QFile::exists(scripts + "Nurva/" + names[i]));
            QVERIFY(!QFile::exists(menu));
            for (const QString& f : others)
                QCOMPARE(ReadBytes(FData + '/' + f), QByteArray("mine"));
        }
        QVERIFY(FMessages.isEmpty());
    }

    // Where neither Dolphin nor Nautilus is used, only the desktop entries are written.
    void unusedFileManagersGetNothing() {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", NewFolder("empty-path").toLocal8Bit());
        const bool done = CheckBoxContextClick(true);
        qputenv("PATH", path);
        QVERIFY(done);
        QCOMPARE(QDir(FData).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"applications"});
        // A plain path is started directly.
        QVERIFY(EntryValue(platform::GetTxtShellKey() + Entries[0], "Exec")
                    .startsWith('"' + KoUtils::AppDir() + "nurva\""));
    }

    // The commands run the program as a desktop and Nautilus would, from a folder whose name
    // holds every reserved character, on a file whose name starts with "-".
    void commandsRunTheProgram() {
        QDir().mkpath(FData + "/nautilus");
        const QString program = UseOddProgramFolder("run");
        QVERIFY(CheckBoxContextClick(true));
        const QString entry = platform::GetTxtShellKey() + Entries[1];
        QCOMPARE(Validate(entry), QString());

        const QString texts = NewFolder("texts");
        WriteBytes(texts + "/story one.txt", "One short story.");
        WriteBytes(texts + "/-e two.txt", "Another short story.");
        const QStringList args = ExecArguments(EntryValue(entry, "Exec"), texts + "/story one.txt");
        QCOMPARE(args.mid(1, 2), QStringList({program, "/ttw"}));
        QCOMPARE(QProcess::execute(args.first(), args.mid(1)), 0);
        QVERIFY(ReadWav(texts + "/story one.wav").valid);

        // Nautilus passes names relative to the folder it shows.
        QProcess script;
        script.setWorkingDirectory(texts);
        script.start(FData + "/nautilus/scripts/Nurva/Read to WAV", {"-e two.txt"});
        QVERIFY(script.waitForFinished(120000));
        QCOMPARE(script.exitCode(), 0);
        QVERIFY(ReadWav(texts + "/-e two.wav").valid);
    }

    void failuresAreShownAndStopTheRest() {
        // The entries' folder cannot be made: a file stands in its place.
        WriteBytes(FData + "/applications", "not a folder");
        QVERIFY(!CheckBoxContextClick(true));
        QCOMPARE(FMessages.size(), 1);
        QVERIFY2(FMessages[0].contains(FData + "/applications"), qPrintable(FMessages[0]));
        QFile::remove(FData + "/applications");

        // A path no Exec line can carry is refused, not written broken.
        KoUtils::SetExecutablePath(NewFolder("line\nbreak") + "/nurva");
        QVERIFY(!CheckBoxContextClick(true));
        QCOMPARE(FMessages.size(), 2);
        QVERIFY(!TxtShellVerbsInstalled());

        // A failed removal is shown, and "Read Aloud" stays so the box still tells the truth.
        KoUtils::SetExecutablePath(qEnvironmentVariable("NURVA_APPDIR") + "/nurva");
        QVERIFY(CheckBoxContextClick(true));
        const QString stuck = platform::GetTxtShellKey() + Entries[2];
        QFile::remove(stuck);
        QDir().mkpath(stuck + "/inside");
        QVERIFY(!CheckBoxContextClick(false));
        QCOMPARE(FMessages.size(), 3);
        QVERIFY(FMessages[2].contains(stuck));
        QVERIFY(TxtShellVerbsInstalled());
    }
};

QTEST_GUILESS_MAIN(TestShellVerbs)
#include "tst_ShellVerbs.moc"
