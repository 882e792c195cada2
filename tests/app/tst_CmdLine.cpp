// The command-line converter, driven for real: the built executable, espeak-ng and lame, each
// case in a folder of its own.
#include "AudioMonitor.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using testsupport::ReadWav;
using testsupport::Rms;

namespace {

struct Run {
    int code = -1;
    QString out, err;
};

} // namespace

class TestCmdLine : public QObject {
    Q_OBJECT

    QString FExe;
    QTemporaryDir FRoot;
    int FCase = 0;

    QString NewFolder(const QString& name = {}) {
        QString path = FRoot.filePath(name.isEmpty() ? QString("case%1").arg(++FCase) : name);
        QDir().mkpath(path);
        return path;
    }

    Run Nurva(const QStringList& args, const QString& cwd,
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
              const QString& exe = {}) {
        QProcess p;
        p.setWorkingDirectory(cwd);
        p.setProcessEnvironment(env);
        p.start(exe.isEmpty() ? FExe : exe, args);
        Run r;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    static void Write(const QString& path, const QByteArray& text) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    // A WAV that holds speech: valid, audible, and about as long as `words` words.
    static void CheckSpeech(const QString& path, int words) {
        auto w = ReadWav(path);
        QVERIFY2(w.valid, qPrintable(path));
        QVERIFY2(Rms(w.samples) > 0.02, qPrintable(path));
        double perWord = w.seconds() / words;
        QVERIFY2(perWord > 0.15 && perWord < 1.5, qPrintable(QString::number(w.seconds())));
    }

private slots:
    void initTestCase() {
        FExe = qEnvironmentVariable("NURVA_APPDIR") + "/nurva";
        QVERIFY2(QFile::exists(FExe), qPrintable(FExe));
        // The program keeps its sound volume in the user's config folder; a volume stored
        // there (even 0) must not change what the tests hear.
        qputenv("XDG_CONFIG_HOME", NewFolder("config").toLocal8Bit());
    }

    void listsAndDescribesVoices() {
        QString dir = NewFolder();
        Run list = Nurva({"/e"}, dir);
        QCOMPARE(list.code, 0);
        QStringList lines = list.out.split('\n');
        QCOMPARE(lines[0], QString("All speech engines installed on your system:"));
        QCOMPARE(lines[1], QString());
        QVERIFY(lines[2].startsWith("0. "));
        QVERIFY(lines[3].startsWith("1. "));
        QString third = lines[4].mid(3);

        Run info = Nurva({"/E", "-E", "02"}, dir);
        QCOMPARE(info.code, 0);
        QStringList l = info.out.split('\n');
        QCOMPARE(l[0], QString("The info of speech engine No.02"));
        QCOMPARE(l[1], QString());
        QCOMPARE(l[2], "Name: " + third);
        QVERIFY(l[6].startsWith("ModeID: {") && l[6].endsWith("}"));
        // Ranges are known only for a bound voice: zeros, volume 100.
        QVERIFY(info.out.contains("MaxSpeed: 0\nMinSpeed: 0\nMaxVolume: 100\nMinVolume: 0\n"));

        // A number that is not one falls back to voice 0, and the heading says so.
        Run bad = Nurva({"/e", "-e", "x9"}, dir);
        QCOMPARE(bad.code, 0);
        QVERIFY(bad.out.startsWith("The info of speech engine No.0\n"));
        Run last = Nurva({"/e", "-e"}, dir); // a switch as the last argument: empty value
        QVERIFY(last.out.startsWith("The info of speech engine No.0\n"));
    }

    void speaksIntoWavFiles() {
        QString dir = NewFolder("with blanks");
        Write(dir + "/my notes.txt", "The notes are read aloud into a file of their own.\n");
        Run r = Nurva({"/ttw", dir + "/my notes.txt", "-w", "256"}, dir);
        QCOMPARE(r.code, 0);
        CheckSpeech(dir + "/my notes.wav", 10);

        // A sentence on the command line lands in output.wav in the current folder.
        QString here = NewFolder();
        QCOMPARE(Nurva({"/ttw", "Hello there, my friend", "-W", "256"}, here).code, 0);
        CheckSpeech(here + "/output.wav", 4);

        // A blank text speaks the greeting; a switch in the text position is the text.
        QString greet = NewFolder();
        QCOMPARE(Nurva({"/ttw", "  ", "-w", "256"}, greet).code, 0);
        CheckSpeech(greet + "/output.wav", 6);
        QString sw = NewFolder();
        QCOMPARE(Nurva({"/ttw", "-s", "200"}, sw).code, 0); // speaks "-s" at 200 wpm
        QVERIFY(ReadWav(sw + "/output.wav").valid);

        // Speed and pitch switches change what is written; a last switch sends no tag.
        QString fast = NewFolder(), slow = NewFolder();
        const QString text =
            "Twelve words spoken at two clearly different speeds make two different files.";
        QCOMPARE(Nurva({"/ttw", text, "-s", "350", "-w", "256"}, fast).code, 0);
        QCOMPARE(Nurva({"/ttw", text, "-w", "256", "-S", "100", "-p"}, slow).code, 0);
        QVERIFY(ReadWav(fast + "/output.wav").seconds() <
                ReadWav(slow + "/output.wav").seconds() * 0.6);
    }

    void writingSpeedIsAPace() {
        // The default is 8x real time: a few seconds of audio take a noticeable part of a second.
        QString dir = NewFolder();
        QElapsedTimer t;
        t.start();
        QCOMPARE(
            Nurva({"/ttw", "This sentence is written at eight times real time, no faster."}, dir)
                .code,
            0);
        double audio = ReadWav(dir + "/output.wav").seconds();
        QVERIFY2(t.elapsed() >= audio * 1000 / 8 * 0.8, qPrintable(QString::number(t.elapsed())));
    }

    void convertsToMp3AndBack() {
        QString dir = NewFolder("mp3 case");
        Write(dir + "/story.txt", "Once upon a time a story was turned into an MP3 file.\r\n");
        Run r = Nurva({"/ttm", dir + "/story.txt", dir + "/out.MP3", "-w", "256"}, dir);
        QCOMPARE(r.code, 0);
        QVERIFY(QFile::exists(dir + "/out.mp3"));
        QVERIFY(!QFile::exists(dir + "/out.wav")); // the intermediate WAV is gone
        // The MP3 decodes back into speech.
        QCOMPARE(Nurva({"/mtw", dir + "/out.mp3", "-b", "64"}, dir).code, 0);
        CheckSpeech(dir + "/out.wav", 11);
        QFile::rename(dir + "/out.wav", dir + "/again.wav");
        QCOMPARE(
            Nurva({"/wtm", dir + "/again.wav", dir + "/again2.mp3", "-r", "16", "-b", "32"}, dir)
                .code,
            0);
        QVERIFY(QFileInfo(dir + "/again2.mp3").size() > 1000);
    }

    void encoderArgumentsAndAppDirWithBlanks() {
        // A program folder with blanks, holding its own lame that logs what it was given.
        QString app = NewFolder("App Dir With Blanks");
        QVERIFY(QFile::copy(FExe, app + "/nurva"));
        QFile::setPermissions(app + "/nurva", QFile::permissions(FExe));
        QString log = app + "/lame.log";
        Write(app + "/lame",
              QString("#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\" >> '%1'; done\n"
                      "echo >> '%1'\nexec lame \"$@\"\n")
                  .arg(log)
                  .toUtf8());
        QFile::setPermissions(app + "/lame",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QString dir = NewFolder();
        QCOMPARE(Nurva({"/ttm", "Short", "my out.mp3", "-w", "256", "-b", "", "-m", "m"}, dir,
                       QProcessEnvironment::systemEnvironment(), app + "/nurva")
                     .code,
                 0);
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QString calls = QString::fromUtf8(f.readAll());
        // "automatic" leaves the resampling to the encoder; an empty bitrate stays an argument.
        QCOMPARE(calls.split('\n')[0], QString("[-b][][-m][m][-q][5][my out.wav][my out.mp3]"));
        QVERIFY(QFile::exists(dir + "/my out.mp3"));
    }

    void conversionsApplyTheLexicon() {
        // The lexicon beside the program; a line that is no entry is told and skipped.
        QString app = NewFolder();
        QVERIFY(QFile::copy(FExe, app + "/nurva"));
        QFile::setPermissions(app + "/nurva", QFile::permissions(FExe));
        Write(app + "/lexicon.txt", "Nurva\tZebra\nno entry\n");
        QString dir = NewFolder();
        Run r = Nurva({"/ttw", "Nurva reads.", "with.wav", "-w", "256"}, dir,
                      QProcessEnvironment::systemEnvironment(), app + "/nurva");
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("line 2: no tab"), qPrintable(r.out));
        QCOMPARE(Nurva({"/ttw", "Zebra reads.", "zebra.wav", "-w", "256"}, dir).code, 0);
        QCOMPARE(Nurva({"/ttw", "Nurva reads.", "without.wav", "-w", "256"}, dir).code, 0);
        auto with = ReadWav(dir + "/with.wav"), zebra = ReadWav(dir + "/zebra.wav");
        QVERIFY(with.valid && with.samples == zebra.samples);
        QVERIFY(ReadWav(dir + "/without.wav").samples != zebra.samples);
    }

    void failuresAreReportedAndKeepTheAudio() {
        QString dir = NewFolder();
        // No encoder anywhere: the WAV stays, the reason is on standard error.
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", "/nonexistent");
        Run r = Nurva({"/ttm", "Keep this audio", "-w", "256"}, dir, env);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("lame"), qPrintable(r.err));
        QVERIFY(ReadWav(dir + "/output.wav").valid);

        // An encoder that fails.
        QString bin = NewFolder();
        Write(bin + "/lame", "#!/bin/sh\necho \"Unsupported data format\" >&2\nexit 3\n");
        QFile::setPermissions(bin + "/lame", QFile::ReadOwner | QFile::ExeOwner);
        env.insert("PATH", bin + ":/usr/bin:/bin");
        QString d2 = NewFolder();
        r = Nurva({"/ttm", "Keep this too", "-w", "256"}, d2, env);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("exit code 3: Unsupported data format"), qPrintable(r.err));
        QVERIFY(ReadWav(d2 + "/output.wav").valid);

        // Missing inputs.
        r = Nurva({"/wtm", dir + "/none.wav"}, dir);
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("does not exist"));
        QCOMPARE(Nurva({"/mtw"}, dir).code, 1);

        // An input that exists but cannot be read: the sentence is spoken, the job fails.
        QString d3 = NewFolder();
        r = Nurva({"/ttw", "/proc/self/mem", d3 + "/x.wav", "-w", "256"}, d3);
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("Can't load the file /proc/self/mem"));
        CheckSpeech(d3 + "/x.wav", 6);

        // No voices at all.
        auto noVoices = QProcessEnvironment::systemEnvironment();
        noVoices.insert("ESPEAK_DATA_PATH", NewFolder());
        r = Nurva({"/ttw", "x"}, dir, noVoices);
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("No speech engine"));
    }

    void speaksAloud() {
        // Heard for real on a private sound server; the job ends when the sound has ended.
        testsupport::PulseTestServer server;
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        testsupport::MonitorRecorder rec;
        QVERIFY(rec.Start(server.Monitor()));
        QTest::qWait(300);
        rec.Clear();
        QString dir = NewFolder();
        Write(dir + "/note.txt", "A short note, read aloud from a file.");
        Run r = Nurva({"/TTS", dir + "/note.txt", "-s", "220"}, dir);
        QCOMPARE(r.code, 0);
        QTest::qWait(200);
        rec.Poll();
        std::size_t first = rec.FirstLoud(), last = rec.LastLoud();
        QVERIFY(first != SIZE_MAX);
        double heard = double(last - first) / testsupport::MonitorRecorder::kRate;
        QVERIFY2(heard > 1.0 && heard < 6, qPrintable(QString::number(heard)));
        QVERIFY(!QFile::exists(dir + "/output.wav")); // aloud: no file

        // No sound server at all: a clear message and a failure, at once.
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PULSE_SERVER", "unix:" + dir + "/no-such-server");
        QElapsedTimer t;
        t.start();
        r = Nurva({"/tts", "Nobody hears this"}, dir, env);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("No sound output device is available"), qPrintable(r.err));
        QVERIFY(t.elapsed() < 30000);
    }

    void anythingElseOpensTheManual() {
        QString dir = NewFolder();
        QString opened = dir + "/opened";
        // The file appears whole (renamed into place), so it is never read half written.
        Write(dir + "/browser", QString("#!/bin/sh\necho \"$1\" > '%1.part' && mv '%1.part' '%1'\n")
                                    .arg(opened)
                                    .toUtf8());
        QFile::setPermissions(dir + "/browser", QFile::ReadOwner | QFile::ExeOwner);
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("BROWSER", dir + "/browser");
        env.remove("DISPLAY");
        env.insert("XDG_CURRENT_DESKTOP", "");
        Run r = Nurva({"-s", "/tts"}, dir, env); // a switch first is not a job
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.startsWith("Usage: nurva JOB"));
        QVERIFY(testsupport::WaitFor([&] { return QFile::exists(opened); }, 5000));
        QFile f(opened);
        f.open(QIODevice::ReadOnly);
        QVERIFY(f.readAll().contains("help.html"));
    }
};

QTEST_GUILESS_MAIN(TestCmdLine)
#include "tst_CmdLine.moc"
