// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line converter, driven for real: the built executable, espeak-ng and lame, each
// case in a folder of its own.
#include "AudioMonitor.h"
#include "Mp3Pipeline.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using testsupport::ReadBytes;
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
        QCOMPARE(Nurva({"/ttm", "Short", "my out.mp3", "-w", "256", "-m", "m"}, dir,
                       QProcessEnvironment::systemEnvironment(), app + "/nurva")
                     .code,
                 0);
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QString calls = QString::fromUtf8(f.readAll());
        // "automatic" leaves the resampling to the encoder; no tag frame; the speech comes on
        // standard input, the MP3 goes beside its final name first.
        const QString first = calls.split('\n')[0];
        QVERIFY2(
            first.startsWith("[--silent][-t][-b][128][-m][m][-q][5][-][" + dir + "/.my out.mp3."),
            qPrintable(first));
        QVERIFY(QFile::exists(dir + "/my out.mp3"));
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"my out.mp3"});
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

    void failuresAreReportedAndLeaveNothing() {
        QString dir = NewFolder();
        // No encoder anywhere: the reason is on standard error, and no file is made.
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", "/nonexistent");
        Run r = Nurva({"/ttm", "Keep this audio", "-w", "256"}, dir, env);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("lame"), qPrintable(r.err));
        QVERIFY(QDir(dir).isEmpty(QDir::Files | QDir::Hidden));

        // An encoder that fails.
        QString bin = NewFolder();
        Write(bin + "/lame", "#!/bin/sh\necho \"Unsupported data format\" >&2\nexit 3\n");
        QFile::setPermissions(bin + "/lame", QFile::ReadOwner | QFile::ExeOwner);
        env.insert("PATH", bin + ":/usr/bin:/bin");
        QString d2 = NewFolder();
        r = Nurva({"/ttm", "Keep this too", "-w", "256"}, d2, env);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("exit code 3: Unsupported data format"), qPrintable(r.err));
        QVERIFY(QDir(d2).isEmpty(QDir::Files | QDir::Hidden));

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

        // espeak-ng's voices gone: Flite's stand in.
        auto noVoices = QProcessEnvironment::systemEnvironment();
        noVoices.insert("ESPEAK_DATA_PATH", NewFolder());
        noVoices.insert("NURVA_ENGINES", "espeak-ng,flite");
        QString d5 = NewFolder();
        r = Nurva({"/ttw", "Still spoken.", d5 + "/x.wav", "-w", "256"}, d5, noVoices);
        QCOMPARE(r.code, 0);
        CheckSpeech(d5 + "/x.wav", 2);
        // No voices at all.
        noVoices.insert("NURVA_ENGINES", "espeak-ng");
        r = Nurva({"/ttw", "x"}, dir, noVoices);
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("No speech engine"));
        // A worker that fails before it speaks: its words, at once, and nothing left.
        QString d4 = NewFolder();
        r = Nurva({"/ttm", "x", "-w", "256"}, d4, noVoices);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("No speech engine"), qPrintable(r.err));
        QVERIFY(QDir(d4).isEmpty(QDir::Files | QDir::Hidden));
    }

    // --- MP3 -----------------------------------------------------------------------------------

    void rejectedOptionsAreErrors() {
        // An option the encoder refuses is an error in its own words, never its defaults; the
        // file the user had under that name stays as it was, and nothing else is left.
        QString dir = NewFolder();
        QCOMPARE(Nurva({"/ttw", "A few words", dir + "/in.wav", "-w", "256"}, dir).code, 0);
        Write(dir + "/keep.mp3", "the user's own");
        const struct {
            QStringList switches;
            const char* says;
        } cases[] = {{{"-m", "x"}, "-m mode must be s/d/f/j/m/l/r not x"},
                     {{"-r", "abc"}, "(exit code 1: "},
                     {{"-q", "2", "-b"}, "The MP3 option -b has no value."}};
        for (const auto& c : cases)
            for (const QString job : {"/ttm", "/wtm"}) {
                const QString input = job == "/ttm" ? QString("A few words") : dir + "/in.wav";
                Run r = Nurva(QStringList{job, input, dir + "/keep.mp3", "-w", "256"} + c.switches,
                              dir);
                QCOMPARE(r.code, 1);
                QVERIFY2(r.err.contains(c.says), qPrintable(job + ": " + r.err));
                QCOMPARE(testsupport::ReadBytes(dir + "/keep.mp3"), QByteArray("the user's own"));
                QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden),
                         QStringList({"in.wav", "keep.mp3"}));
            }
    }

    void secondConversionOnCoarseTimestamps() {
        // Where a file's time has whole seconds only (ext2 with small inodes, FAT), a second
        // conversion within the same second is a success like the first.
        if (::geteuid() != 0)
            QSKIP("mounting a file system image needs root");
        QString dir = NewFolder(), mnt = dir + "/mnt", image = dir + "/ext2.img";
        QDir().mkpath(mnt);
        auto run = [](const QString& program, const QStringList& args) {
            QProcess p;
            p.start(program, args);
            return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit &&
                   p.exitCode() == 0;
        };
        QFile img(image);
        QVERIFY(img.open(QIODevice::WriteOnly) && img.resize(16 << 20));
        img.close();
        if (!run("mkfs.ext2", {"-q", "-F", "-I", "128", image}) ||
            !run("mount", {"-o", "loop", image, mnt}))
            QSKIP("no loop device can be mounted here");
        auto unmount = qScopeGuard([&] { run("umount", {mnt}); });
        QCOMPARE(Nurva({"/ttw", "A few words said twice", mnt + "/in.wav", "-w", "256"}, mnt).code,
                 0);
        qint64 sizes[2] = {};
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(Nurva({"/wtm", mnt + "/in.wav", mnt + "/out.mp3", "-b", i ? "32" : "128"}, mnt)
                         .code,
                     0);
            sizes[i] = QFileInfo(mnt + "/out.mp3").size();
            QCOMPARE(
                Nurva({"/ttm", "Twice in one second", mnt + "/out2.mp3", "-w", "256"}, mnt).code,
                0);
        }
        QVERIFY(sizes[1] > 0 && sizes[1] < sizes[0] / 2);
    }

    void piecesDependOnTheTextAlone() {
        // /ttm cuts a file as its reader hands it over, in chunks: the pieces must be those of
        // the whole text, each ending at a blank line. From a control tag on, the text stays
        // whole (a tag's setting runs on past any cut).
        QString text;
        for (int i = 0; i < 400; ++i)
            text += QString("Paragraph %1 says a few words. It ends here.\n\n").arg(i);
        auto cut = [](const QString& t, qsizetype chunk, int count) {
            qsizetype at = 0;
            Lame::TPieceCutter cutter(
                [&]() -> std::optional<QString> {
                    if (at >= t.size())
                        return std::nullopt;
                    at += chunk;
                    return t.mid(at - chunk, chunk);
                },
                (t.size() + count - 1) / count);
            QStringList pieces;
            bool last = false;
            while (auto piece = cutter.Next(last))
                pieces << *piece;
            while (auto more = cutter.Rest()) // the last piece may go on in chunks
                pieces.last() += *more;
            return last ? pieces : QStringList{"no last piece"};
        };
        const QStringList whole = Lame::SplitPieces(text, 5);
        QCOMPARE(whole.size(), 5);
        QCOMPARE(whole.join(QString()), text);
        for (const QString& piece : whole.mid(0, 4))
            QVERIFY(piece.endsWith(".\n\n"));
        for (qsizetype chunk : {7, 1000, 100000})
            QCOMPARE(cut(text, chunk, 5), whole);

        const qsizetype tag = text.indexOf("Paragraph 200");
        const QString tagged = text.left(tag) + "\\Pau=500\\" + text.mid(tag);
        const QStringList pieces = cut(tagged, 7, 5);
        QCOMPARE(pieces.join(QString()), tagged);
        QVERIFY2(pieces.size() >= 2 && pieces.size() < 5,
                 qPrintable(QString::number(pieces.size())));
        for (const QString& piece : pieces.mid(0, pieces.size() - 1))
            QVERIFY(!piece.contains(u'\\'));
        QCOMPARE(Lame::SplitPieces(QString(), 3), QStringList{QString()});
    }

    void joinedPiecesAreOneStream() {
        // Long enough for a piece per core. Decoded, the joined MP3 is as long as one encoding
        // of the same speech, and where the pieces meet there is silence, not a click.
        const int parallel = QThread::idealThreadCount();
        QString dir = NewFolder();
        QProcess make;
        make.start(qEnvironmentVariable("NURVA_CORPUS") + "/make-text", {"70k", dir + "/t.txt"});
        QVERIFY(make.waitForFinished(30000) && make.exitCode() == 0);
        const QString text = QString::fromUtf8(testsupport::ReadBytes(dir + "/t.txt"));
        const QStringList pieces = Lame::SplitPieces(text, Lame::PieceCount(text.size(), parallel));
        if (pieces.size() < 2)
            QSKIP("one core: the text is not cut");
        QCOMPARE(Nurva({"/ttm", dir + "/t.txt", dir + "/joined.mp3", "-w", "256"}, dir).code, 0);
        // The speech of the pieces, one after the other, encoded in one go.
        QByteArray speech;
        for (int k = 0; k < pieces.size(); ++k) {
            const QString name = dir + QString("/%1").arg(k);
            Write(name + ".txt", pieces[k].toUtf8());
            QCOMPARE(Nurva({"/ttw", name + ".txt", name + ".wav", "-w", "256"}, dir).code, 0);
            const QByteArray wav = testsupport::ReadBytes(name + ".wav");
            const qsizetype samples = wav.indexOf("data") + 8;
            speech += k == 0 ? wav : wav.mid(samples);
        }
        const qsizetype sizeAt = speech.indexOf("data") + 4;
        const quint32 data = quint32(speech.size() - sizeAt - 4);
        speech.replace(sizeAt, 4, reinterpret_cast<const char*>(&data), 4);
        const quint32 riff = quint32(speech.size() - 8);
        speech.replace(4, 4, reinterpret_cast<const char*>(&riff), 4);
        Write(dir + "/speech.wav", speech);
        // WAV and FLAC take the pieces' samples as they are: the file of two workers is, byte
        // for byte, the pieces spoken one after the other.
        QCOMPARE(Nurva({"/ttw", dir + "/t.txt", dir + "/joined.wav", "-w", "max"}, dir).code, 0);
        {
            const QByteArray joined = testsupport::ReadBytes(dir + "/joined.wav");
            qsizetype at = 0;
            while (at < std::min(joined.size(), speech.size()) && joined[at] == speech[at])
                ++at;
            QVERIFY2(joined == speech, qPrintable(QString("%1 and %2 bytes, the same up to %3")
                                                      .arg(joined.size())
                                                      .arg(speech.size())
                                                      .arg(at)));
        }
        QCOMPARE(Nurva({"/ttm", dir + "/t.txt", dir + "/joined.flac", "-w", "max"}, dir).code, 0);
        QProcess flac;
        flac.start("flac", {"-d", "-s", "--force-raw-format", "--endian=little", "--sign=signed",
                            "-o", dir + "/flac.pcm", dir + "/joined.flac"});
        QVERIFY(flac.waitForFinished(120000) && flac.exitCode() == 0);
        QVERIFY(testsupport::ReadBytes(dir + "/flac.pcm") ==
                speech.mid(speech.indexOf("data") + 8));
        auto lame = [&](const QStringList& args) {
            QProcess p;
            p.start("lame", QStringList{"--silent"} + args);
            return p.waitForFinished(300000) && p.exitCode() == 0;
        };
        QVERIFY(
            lame({"-t", "-b", "128", "-m", "s", "-q", "5", dir + "/speech.wav", dir + "/one.mp3"}));
        QVERIFY(lame({"--decode", "-t", dir + "/one.mp3", dir + "/one.pcm"}));
        QVERIFY(lame({"--decode", "-t", dir + "/joined.mp3", dir + "/joined.pcm"}));
        const QByteArray oneBytes = testsupport::ReadBytes(dir + "/one.pcm"),
                         joinedBytes = testsupport::ReadBytes(dir + "/joined.pcm");
        const auto* one = reinterpret_cast<const qint16*>(oneBytes.constData());
        const auto* joined = reinterpret_cast<const qint16*>(joinedBytes.constData());
        const qsizetype n1 = oneBytes.size() / 2, n2 = joinedBytes.size() / 2, rate = 22050;
        const double hours = double(n1) / rate / 3600;
        QVERIFY2(std::abs(n2 - n1) <= 0.1 * hours * rate,
                 qPrintable(QString("%1 s over %2 h").arg(double(n2 - n1) / rate).arg(hours)));
        // Up to the first junction both are the same stream; around it, only silence.
        qsizetype at = 0;
        while (at < std::min(n1, n2) && one[at] == joined[at])
            ++at;
        QVERIFY2(at > n1 / 8 && at < n1 * 7 / 8, qPrintable(QString::number(at)));
        int loudest = 0;
        for (qsizetype i = at - rate / 50; i < at + rate / 50; ++i)
            loudest = std::max(loudest, std::abs(int(joined[i])));
        QVERIFY2(loudest < 300, qPrintable(QString::number(loudest)));
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

        // Files after the first are read after it; those that cannot be are each named, and
        // the rest is read all the same.
        Write(dir + "/more.txt", "And a second note after it.");
        QTest::qWait(200);
        rec.Poll();
        rec.Clear();
        r = Nurva(
            {"/tts", dir + "/note.txt", dir + "/missing.txt", "-s", "220", dir, dir + "/more.txt"},
            dir);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("The file " + dir + "/missing.txt does not exist.") &&
                     r.err.contains(dir + " is not a regular file"),
                 qPrintable(r.err));
        QTest::qWait(200);
        rec.Poll();
        QVERIFY(rec.FirstLoud() != SIZE_MAX);
        const double both = double(rec.LastLoud() - rec.FirstLoud()) / rec.kRate;
        QVERIFY2(both > heard + 1.0, qPrintable(QString("%1 s after %2 s").arg(both).arg(heard)));

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

    // `/tts` back to back, NURVA_TTS_RUNS times (its own test entry sets it; skipped
    // otherwise), half of them beside a busy processor: every run is heard and ends with 0.
    void speaksAloudTimeAfterTime() {
        const int runs = qEnvironmentVariableIntValue("NURVA_TTS_RUNS");
        if (runs <= 0)
            QSKIP("set NURVA_TTS_RUNS to run /tts that many times");
        testsupport::PulseTestServer server;
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        testsupport::MonitorRecorder rec;
        QVERIFY(rec.Start(server.Monitor()));
        const QString dir = NewFolder();
        std::atomic<bool> busy{false}, quit{false};
        std::vector<std::thread> burners;
        for (int i = 0; i < 2; ++i)
            burners.emplace_back([&] {
                volatile std::uint64_t n = 0;
                while (!quit)
                    if (busy)
                        n = n + 1;
                    else
                        std::this_thread::sleep_for(std::chrono::milliseconds(5));
            });
        QStringList failures;
        int silent = 0;
        for (int i = 0; i < runs; ++i) {
            busy = i >= runs / 2;
            rec.Poll();
            rec.Clear();
            Run r = Nurva({"/tts", "Hello there."}, dir);
            QTest::qWait(150); // the recording comes in on the event loop
            rec.Poll();
            if (r.code != 0)
                failures << QString("run %1%2: exit %3 %4")
                                .arg(i)
                                .arg(busy ? " (busy)" : "")
                                .arg(r.code)
                                .arg(r.err.trimmed());
            else if (rec.FirstLoud() == SIZE_MAX)
                ++silent;
        }
        quit = true;
        for (auto& t : burners)
            t.join();
        qInfo("%d runs, %d failed, %d not heard", runs, int(failures.size()), silent);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
        QCOMPARE(silent, 0);
    }

    // Fault family 1: an output that is the input, under any spelling, is refused and the
    // user's file stays byte for byte as it was.
    void neverWritesOverItsInput() {
        QString dir = NewFolder("same file");
        Write(dir + "/t.txt", "A file to start from.");
        QCOMPARE(Nurva({"/ttw", dir + "/t.txt", dir + "/keep.wav", "-w", "256"}, dir).code, 0);
        QCOMPARE(Nurva({"/wtm", dir + "/keep.wav"}, dir).code, 0);
        QVERIFY(QFile::link(dir + "/keep.wav", dir + "/link.wav"));
        QFile::copy(dir + "/keep.wav", dir + "/song.wav");
        QFile::copy(dir + "/keep.mp3", dir + "/song.mp3");
        const QStringList files{"keep.wav", "keep.mp3", "song.wav", "song.mp3"};
        QMap<QString, QByteArray> before;
        for (const QString& f : files)
            before[f] = ReadBytes(dir + "/" + f);
        const QList<QStringList> jobs{
            {"/wtm", "keep.mp3", "./keep.mp3"},
            {"/mtw", "keep.wav", dir + "/keep.wav"},
            {"/mtw", "keep.wav", "link.wav"}, // a link to the input
            {"/mtw", "link.wav", "../same file/keep.wav"},
            {"/ttw", "song.wav", "-w", "256"}, // the default name is the input's
            {"/ttm", "song.mp3", "-w", "256"},
            {"/ttw", "song.wav", "./song.mp3", "-w", "256"}, // the WAV beside an MP3 name
        };
        for (const QStringList& job : jobs) {
            Run r = Nurva(job, dir);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains("is the input file itself"), qPrintable(job.join(' ') + r.err));
            for (const QString& f : files)
                QVERIFY2(ReadBytes(dir + "/" + f) == before[f],
                         qPrintable(job.join(' ') + ": " + f));
        }
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 6); // nothing new either
    }

    // Fault family 3: what is not a regular file is refused, never spoken as its name.
    void refusesWhatIsNotAFile() {
        QString dir = NewFolder();
        QString fifo = dir + "/pipe.wav";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QDir().mkpath(dir + "/folder.txt");
        for (const QStringList& job : QList<QStringList>{{"/ttw", "/dev/zero", "out.wav"},
                                                         {"/ttm", dir + "/folder.txt"},
                                                         {"/ttw", fifo},
                                                         {"/wtm", fifo},
                                                         {"/mtw", dir + "/folder.txt"}}) {
            QElapsedTimer t;
            t.start();
            Run r = Nurva(job, dir);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(job[1] + " is not a regular file"), qPrintable(r.err));
            QVERIFY(t.elapsed() < 20000);
        }
        Run r = Nurva({"/wtm", dir + "/missing.wav"}, dir);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(dir + "/missing.wav does not exist"), qPrintable(r.err));
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::System).size(), 1); // only the pipe
    }

    // What the encoder would take for raw samples (and turn into noise, or into an empty WAV
    // file, ending as if all went well) is refused before it runs; a decoding that found no
    // sound fails. Nothing is written either way.
    void refusesWhatIsNoSound() {
        QString dir = NewFolder();
        Write(dir + "/notes.wav", "The time now is eight.\r\n");
        Write(dir + "/empty.wav", {});
        QByteArray noise;
        for (int i = 0; i < 20000; ++i)
            noise += char((i * 7919 + i / 13) & 0xFF);
        Write(dir + "/noise.mp3", noise);
        QProcess sox;
        sox.start("sox", {"-n", "-r", "22050", "-b", "16", "-t", "wav", dir + "/sound.mp3", "synth",
                          "0.5", "sine", "440"});
        QVERIFY(sox.waitForFinished(30000) && sox.exitCode() == 0);
        // One frame header of MPEG audio, then text: the decoder finds no sound in it.
        Write(dir + "/frame.mp3",
              QByteArray("\xFF\xFB\x90\x64", 4) +
                  QByteArray("not an mp3 frame at all ").repeated(18).left(413));
        const QStringList before = QDir(dir).entryList(QDir::Files | QDir::Hidden);
        const QList<QPair<QStringList, QString>> cases = {
            {{"/wtm", "notes.wav"}, "(it is no sound file)"},
            {{"/wtm", "empty.wav", "out.mp3"}, "(it is empty)"},
            {{"/mtw", "noise.mp3"}, "(it holds no MPEG audio)"},
            {{"/mtw", "sound.mp3"}, "(it holds no MPEG audio)"},
            {{"/mtw", "frame.mp3"}, "found no sound it could decode in frame.mp3"}};
        for (const auto& [job, why] : cases) {
            Run r = Nurva(job, dir);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(why), qPrintable(job.join(' ') + ": " + r.err));
            QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), before);
        }
    }

    // Fault family 4: every encoding the window reads, the command line reads too.
    void readsTheWindowsEncodings() {
        const QString corpus = qEnvironmentVariable("NURVA_CORPUS");
        QString dir = NewFolder();
        QMap<QString, double> seconds;
        for (const char* name : {"utf8", "utf8-bom", "utf16-bom", "latin1-windows1252"}) {
            QVERIFY(QFile::copy(corpus + "/" + name + ".txt", dir + "/" + name + ".txt"));
            QCOMPARE(Nurva({"/ttw", dir + "/" + name + ".txt", "-w", "256"}, dir).code, 0);
            seconds[name] = ReadWav(dir + "/" + name + ".wav").seconds();
        }
        QVERIFY(seconds["utf8"] > 2);
        for (auto it = seconds.begin(); it != seconds.end(); ++it)
            QVERIFY2(qAbs(it.value() - seconds["utf8"]) < 0.05 * seconds["utf8"],
                     qPrintable(it.key() + ": " + QString::number(it.value())));
    }

    // Fault family 5: a pause tag has a ceiling of a minute.
    void pausesLastAMinuteAtMost() {
        QString dir = NewFolder();
        Run r = Nurva({"/ttw", "One \\Pau=4294967295\\ two", "-w", "256"}, dir);
        QCOMPARE(r.code, 0);
        double s = ReadWav(dir + "/output.wav").seconds();
        QVERIFY2(s > 60 && s < 63, qPrintable(QString::number(s)));
    }

    // Fault family 7: a sound server that hangs holds up no file job, and speaking aloud
    // gives up on it within seconds.
    void aHungSoundServerHoldsNothingUp() {
        testsupport::PulseTestServer server;
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        const qint64 pid = server.ServerPid();
        QVERIFY(pid > 0);
        QCOMPARE(::kill(pid_t(pid), SIGSTOP), 0);
        auto resume = qScopeGuard([pid] { ::kill(pid_t(pid), SIGCONT); });
        QString dir = NewFolder();
        Write(dir + "/a.txt", "Written while the sound server hangs.");
        auto timed = [&](const QStringList& args, int& code) {
            QElapsedTimer t;
            t.start();
            code = Nurva(args, dir).code;
            return t.elapsed();
        };
        int code = -1;
        QVERIFY(timed({"/e"}, code) < 3000);
        QCOMPARE(code, 0);
        QVERIFY(timed({"/ttw", "Hello", "x.wav", "-w", "256"}, code) < 3000);
        QCOMPARE(code, 0);
        QVERIFY(timed({"/ttm", dir + "/a.txt", "-w", "256"}, code) < 5000);
        QCOMPARE(code, 0);
        QVERIFY(timed({"/mtw", dir + "/a.mp3"}, code) < 5000);
        QCOMPARE(code, 0);
        QElapsedTimer t;
        t.start();
        Run r = Nurva({"/tts", "Nobody hears this"}, dir);
        QVERIFY2(t.elapsed() < 8000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("No sound output device is available"), qPrintable(r.err));
    }

    // Fault family 8: file names are bytes, and a name that starts with "-" is a name.
    void fileNamesOfAnyKind() {
        QString dir = NewFolder();
        // Through the shell: QProcess would hand the name on as UTF-8.
        auto sh = [&](const QString& script) {
            QProcess p;
            p.setWorkingDirectory(dir);
            p.start("/bin/sh", {"-c", script, "sh", FExe});
            p.waitForFinished(120000);
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QCOMPARE(sh("printf 'Caf\\351 ol\\351.' > \"$(printf 'caf\\351.txt')\" && "
                    "\"$1\" /ttw \"$(printf 'caf\\351.txt')\" -w 256 && "
                    "\"$1\" /wtm \"$(printf 'caf\\351.wav')\" && "
                    "\"$1\" /mtw \"$(printf 'caf\\351.mp3')\" \"$(printf 'd\\351j\\340.wav')\""),
                 0);
        auto exists = [&](const char* raw) {
            struct stat st {};
            return ::stat((QFile::encodeName(dir) + "/" + raw).constData(), &st) == 0 &&
                   st.st_size > 1000;
        };
        QVERIFY(exists("caf\xe9.wav"));
        QVERIFY(exists("caf\xe9.mp3"));
        QVERIFY(exists("d\xe9j\xe0.wav"));
        // Into a folder whose name is not UTF-8 either; what the encoder was handed goes with
        // the job.
        const QString tmp = NewFolder();
        QCOMPARE(sh(QString("mkdir \"$(printf 'f\\351')\" && TMPDIR='%1' \"$1\" /wtm "
                            "\"$(printf 'caf\\351.wav')\" \"$(printf 'f\\351/x\\351.mp3')\"")
                        .arg(tmp)),
                 0);
        QVERIFY(exists("f\xe9/x\xe9.mp3"));
        QVERIFY(QDir(tmp).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QCOMPARE(sh("\"$1\" /ttm \"$(printf 'caf\\351.txt')\" \"$(printf 'f\\351/t\\351.mp3')\""),
                 0);
        QVERIFY(exists("f\xe9/t\xe9.mp3"));

        // A character beyond U+FFFF whose second half looks like an escaped byte (U+1F480).
        Write(dir + QString::fromUtf8("/\U0001F480.txt"), "A skull.");
        QCOMPARE(Nurva({"/ttw", QString::fromUtf8("\U0001F480.txt"), "-w", "256"}, dir).code, 0);
        QVERIFY(exists("\xf0\x9f\x92\x80.wav"));

        Write(dir + "/-s.txt", "A name like a switch.");
        QCOMPARE(Nurva({"/ttw", "-s.txt", "-w", "256"}, dir).code, 0);
        CheckSpeech(dir + "/-s.wav", 5);
        QCOMPARE(Nurva({"/wtm", "-s.wav", "-x.mp3"}, dir).code, 0);
        QVERIFY(QFileInfo(dir + "/-x.mp3").size() > 1000);
        QCOMPARE(Nurva({"/mtw", "-x.mp3", "-b", "64"}, dir).code, 0);
        CheckSpeech(dir + "/-x.wav", 5);
        QCOMPARE(Nurva({"/ttm", "-s.txt", "-y.mp3"}, dir).code, 0);
        QVERIFY(QFileInfo(dir + "/-y.mp3").size() > 1000);
    }

    // Fault family 9: what is reported is what is meant.
    void reportsTheRightThings() {
        QString dir = NewFolder();
        Run info = Nurva({"/e", "-e", "0"}, dir);
        QCOMPARE(info.code, 0);
        QRegularExpression product("^Product: eSpeak NG \\d+\\.\\d+.*$",
                                   QRegularExpression::MultilineOption);
        QVERIFY2(product.match(info.out).hasMatch(), qPrintable(info.out));
        Run r = Nurva({"/ttw", "Hello", dir + "/no/such/folder/x.wav"}, dir);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(dir + "/no/such/folder/x.wav can not be written in its folder: "
                                      "No such file or directory"),
                 qPrintable(r.err));
    }

    // Fault family 10: a text is read and spoken in pieces that join into one recording.
    void speaksALongTextInPieces() {
        QString dir = NewFolder();
        QProcess make;
        make.start(qEnvironmentVariable("NURVA_CORPUS") + "/make-text", {"70k", dir + "/long.txt"});
        QVERIFY(make.waitForFinished(30000) && make.exitCode() == 0);
        Run r = Nurva({"/ttw", dir + "/long.txt", "-w", "256"}, dir);
        QCOMPARE(r.code, 0);
        auto w = ReadWav(dir + "/long.wav");
        QVERIFY(w.valid);
        // As long as espeak-ng makes it in one go, within a pause or two at the junctions.
        QProcess ref;
        ref.start("espeak-ng", {"-f", dir + "/long.txt", "-w", dir + "/ref.wav"});
        QVERIFY(ref.waitForFinished(300000) && ref.exitCode() == 0);
        double expected = ReadWav(dir + "/ref.wav").seconds();
        QVERIFY2(qAbs(w.seconds() - expected) < 0.02 * expected,
                 qPrintable(QString("%1 against %2").arg(w.seconds()).arg(expected)));
        QFile::remove(dir + "/long.wav");
        QFile::remove(dir + "/ref.wav");
    }

    // --help, -h and /? print the usage and nothing else; anything else that is no job prints
    // it as an error, and opens the manual where a desktop shows it.
    void helpVersionAndUnknownJobs() {
        QString dir = NewFolder();
        QString opened = NewFolder("opened");
        // Each opening leaves a file of its own, which appears whole (renamed into place).
        Write(dir + "/browser", QString("#!/bin/sh\necho \"$1\" > \"%1/$$.part\" && "
                                        "mv \"%1/$$.part\" \"%1/$$.url\"\n")
                                    .arg(opened)
                                    .toUtf8());
        QFile::setPermissions(dir + "/browser", QFile::ReadOwner | QFile::ExeOwner);
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("BROWSER", dir + "/browser");
        env.remove("DISPLAY"); // and no other desktop either
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        env.insert("XDG_CURRENT_DESKTOP", "");
        for (const char* help : {"--help", "-h", "/?", "-H"}) {
            Run r = Nurva({help}, dir, env);
            QCOMPARE(r.code, 0);
            QVERIFY2(r.out.startsWith("Usage: nurva JOB"), help);
            QVERIFY(r.out.contains("--version"));
            QVERIFY(r.err.isEmpty());
        }
        Run v = Nurva({"--version"}, dir, env);
        QCOMPARE(v.code, 0);
        QVERIFY2(QRegularExpression("^nurva \\d+\\.\\d+\\.\\d+\n$").match(v.out).hasMatch(),
                 qPrintable(v.out));

        // A text file first is a document for the window, which needs a desktop.
        Write(dir + "/notes", "Plain notes.\n");
        Run doc = Nurva({dir + "/notes"}, dir, env);
        QCOMPARE(doc.code, 1);
        QVERIFY2(doc.err.contains("needs a desktop"), qPrintable(doc.err));
        // Said in the user's language, though no window was made to say it.
        QProcessEnvironment german = env;
        german.insert("LANGUAGE", "de");
        Run inGerman = Nurva({dir + "/notes"}, dir, german);
        QCOMPARE(inGerman.code, 1);
        QVERIFY2(inGerman.err.contains("braucht einen Desktop"), qPrintable(inGerman.err));

        // A switch first is not a job, nor is a file that does not exist or holds no text.
        Write(dir + "/sound.wav", QByteArray("RIFF\0\0\0\0WAVEfmt ", 16));
        for (const QStringList& args : {QStringList{"-s", "/tts"},
                                        {dir + "/missing.txt"},
                                        {dir + "/sound.wav", dir + "/notes"}}) {
            Run r = Nurva(args, dir, env);
            QCOMPARE(r.code, 2);
            QVERIFY(r.out.isEmpty());
            QVERIFY2(r.err.startsWith("Usage: nurva JOB"), qPrintable(r.err));
        }
        // From a script or a terminal the usage is all: no browser starts there. Started from
        // the desktop (no terminal, nobody reading the streams) the manual opens too.
        auto urls = [&] { return QDir(opened).entryList({"*.url"}); };
        QTest::qWait(500);
        QCOMPARE(urls().size(), 0);
        env.insert("DISPLAY", ":97");
        QProcess desktop;
        desktop.setWorkingDirectory(dir);
        desktop.setProcessEnvironment(env);
        desktop.setStandardInputFile(QProcess::nullDevice());
        desktop.setStandardOutputFile(QProcess::nullDevice());
        desktop.setStandardErrorFile(QProcess::nullDevice());
        desktop.start(FExe, {"/ttx", dir + "/notes"});
        QVERIFY(desktop.waitForFinished(30000));
        QCOMPARE(desktop.exitCode(), 2);
        QVERIFY(testsupport::WaitFor([&] { return urls().size() >= 1; }, 5000));
        QCOMPARE(urls().size(), 1);
        for (const QString& name : urls()) {
            QFile f(opened + "/" + name);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().trimmed().endsWith("/help.html"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCmdLine)
#include "tst_CmdLine.moc"
