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
#include <QRegularExpression>
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

// An Exec value split into arguments as the desktop-entry rules say: string escapes first,
// then double quotes with their backslash escapes, then field codes.
QStringList ExecArguments(const QString& value, const QString& file) {
    QString text;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const QChar c = value[++i];
            text += c == 's' ? QChar(' ') : c == 'n' ? QChar('\n') : c == 't' ? QChar('\t') : c;
        } else
            text += value[i];
    }
    QStringList args;
    QString arg;
    bool inArg = false, quoted = false, wasQuoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"')
                quoted = false;
            else if (c == '\\' && i + 1 < text.size() && QString("\"`$\\").contains(text[i + 1]))
                arg += text[++i];
            else
                arg += c;
        } else if (c == ' ') {
            if (inArg)
                args << (!wasQuoted && arg == "%f" ? file : arg.replace("%%", "%"));
            arg.clear();
            inArg = wasQuoted = false;
        } else {
            inArg = true;
            if (c == '"')
                quoted = wasQuoted = true;
            else
                arg += c;
        }
    }
    if (inArg)
        args << (!wasQuoted && arg == "%f" ? file : arg.replace("%%", "%"));
    return args;
}

int Validate(const QString& path, QString* output) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("desktop-file-validate", {path});
    p.waitForFinished(60000);
    *output = QString::fromUtf8(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
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
    // with the real program in it.
    QString OddProgramFolder(const QString& name) {
        const QString folder = NewFolder(name + " \"q\" `b` $HOME \\x 50% it's");
        QFile::link(qEnvironmentVariable("NURVA_APPDIR") + "/nurva", folder + "/nurva");
        return folder + '/';
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
        FMessages.clear();
    }

    void dataHomeFallsBackToTheDefault() {
        QCOMPARE(platform::GetTxtShellKey(), FData + "/applications/");
        const QString fallback = QDir::homePath() + "/.local/share/applications/";
        for (const char* value : {"", "relative/share"}) {
            qputenv("XDG_DATA_HOME", value);
            QCOMPARE(platform::GetTxtShellKey(), fallback);
        }
    }

    void installsDetectsAndRemovesOnlyItsOwn() {
        // Files of the user's own, beside ours, in every folder the commands use.
        const QStringList others = {"applications/mine.desktop", "kio/servicemenus/mine.desktop",
                                    "nautilus/scripts/mine", "nautilus/scripts/Nurva/mine"};
        for (const QString& f : others) {
            QDir().mkpath(QFileInfo(FData + '/' + f).path());
            WriteBytes(FData + '/' + f, "mine");
        }
        KoUtils::SetExecutablePath(OddProgramFolder("first") + "nurva");
        QVERIFY(!TxtShellVerbsInstalled());
        QVERIFY(CheckBoxContextClick(true));
        QVERIFY(TxtShellVerbsInstalled());

        const QString apps = FData + "/applications/";
        const QStringList names = {"Read Aloud", "Read to WAV", "Read to MP3"};
        QString report;
        for (int i = 0; i < 3; ++i) {
            const QString entry = apps + Entries[i];
            QVERIFY2(Validate(entry, &report) == 0 && report.isEmpty(), qPrintable(report));
            QCOMPARE(EntryValue(entry, "Name"), names[i]);
            QCOMPARE(EntryValue(entry, "MimeType"), QString("text/plain;"));
            QCOMPARE(EntryValue(entry, "NoDisplay"), QString("true"));
            QVERIFY(QFileInfo(FData + "/nautilus/scripts/Nurva/" + names[i]).isExecutable());
        }
        // One submenu with the three actions; executable, or Plasma ignores it. Its groups
        // follow the desktop-entry rules too, which the validator checks once it is told the
        // file is an application's.
        const QString menu = FData + "/kio/servicemenus/nurva-text.desktop";
        QVERIFY(QFileInfo(menu).isExecutable());
        QCOMPARE(EntryValue(menu, "Actions"), QString("ReadAloud;ReadToWav;ReadToMp3;"));
        QCOMPARE(EntryValue(menu, "X-KDE-Submenu"), QString("Nurva"));
        const QString asApp = FTemp.path() + "/menu-as-app.desktop";
        WriteBytes(asApp, ReadText(menu)
                              .replace("Type=Service", "Type=Application")
                              .remove(QRegularExpression("X-KDE-ServiceTypes=[^\n]*\n"))
                              .toUtf8());
        QVERIFY2(Validate(asApp, &report) == 0 && report.isEmpty(), qPrintable(report));
        QCOMPARE(ReadText(menu).count(EntryValue(apps + Entries[1], "Exec")), 1);

        // The program folder moved: installing again writes the new path everywhere.
        const QString moved = OddProgramFolder("moved");
        KoUtils::SetExecutablePath(moved + "nurva");
        QVERIFY(CheckBoxContextClick(true));
        QCOMPARE(ExecArguments(EntryValue(apps + Entries[2], "Exec"), "f.txt"),
                 QStringList({"env", moved + "nurva", "/ttm", "f.txt"}));
        QVERIFY(!ReadText(menu).contains("first"));
        QVERIFY(!ReadText(FData + "/nautilus/scripts/Nurva/Read Aloud").contains("first"));

        // "Read Aloud" alone decides whether the commands count as installed.
        QFile::remove(apps + Entries[0]);
        QVERIFY(!TxtShellVerbsInstalled());

        for (int round = 0; round < 2; ++round) { // the second finds nothing to remove
            QVERIFY(CheckBoxContextClick(false));
            QVERIFY(!TxtShellVerbsInstalled());
            for (const QString& e : Entries)
                QVERIFY(!QFile::exists(apps + e));
            QVERIFY(!QFile::exists(menu));
            for (const QString& n : names)
                QVERIFY(!QFile::exists(FData + "/nautilus/scripts/Nurva/" + n));
            for (const QString& f : others)
                QCOMPARE(ReadBytes(FData + '/' + f), QByteArray("mine"));
        }
        QVERIFY(FMessages.isEmpty());
    }

    // Where neither Dolphin nor Nautilus is used, only the desktop entries are written.
    void unusedFileManagersGetNothing() {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", NewFolder("empty-path").toLocal8Bit());
        const QString program = qEnvironmentVariable("NURVA_APPDIR") + "/nurva";
        KoUtils::SetExecutablePath(program);
        const bool done = CheckBoxContextClick(true);
        qputenv("PATH", path);
        QVERIFY(done);
        QVERIFY(
            EntryValue(platform::GetTxtShellKey() + Entries[0], "Exec").startsWith('"' + program));
        QCOMPARE(QDir(FData).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"applications"});
        QVERIFY(CheckBoxContextClick(false));
    }

    // The commands run the program as a desktop and Nautilus would run them, from a folder
    // whose name holds every reserved character, on a file whose name starts with "-".
    void commandsRunTheProgram() {
        QDir().mkpath(FData + "/nautilus");
        const QString program = OddProgramFolder("run") + "nurva";
        KoUtils::SetExecutablePath(program);
        QVERIFY(CheckBoxContextClick(true));
        QString report;
        const QString entry = FData + "/applications/" + Entries[1];
        QVERIFY2(Validate(entry, &report) == 0 && report.isEmpty(), qPrintable(report));

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
        QVERIFY(CheckBoxContextClick(false));
    }

    void failuresAreShownAndStopTheRest() {
        KoUtils::SetExecutablePath(qEnvironmentVariable("NURVA_APPDIR") + "/nurva");
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

        // A removal that fails is shown, and "Read Aloud" stays so the box still tells the
        // truth.
        KoUtils::SetExecutablePath(qEnvironmentVariable("NURVA_APPDIR") + "/nurva");
        QVERIFY(CheckBoxContextClick(true));
        const QString stuck = FData + "/applications/" + Entries[2];
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
