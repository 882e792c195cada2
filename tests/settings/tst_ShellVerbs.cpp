// The file-manager commands for text files, installed into a private data folder the way the
// desktop finds them, checked with desktop-file-validate and run as a desktop would run them.
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

using namespace testsupport;

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
            QCOMPARE(EntryValue(apps + Entries[i], "Name"), names[i]);
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
