// SPDX-License-Identifier: GPL-3.0-or-later
// The audio a conversion writes, read back by the tools people play and check audio with
// (ffprobe, flac, opusdec): formats chosen by the output's name, tags, subtitles timed by the
// samples, chapters, and the command line's conventions around them (standard input and
// output, voices by name, wrong names refused, progress only on a terminal).
#include "CmdArgs.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <unistd.h>

using testsupport::ReadBytes;
using testsupport::ReadWav;

namespace {

struct Run {
    int code = -1;
    QByteArray out;
    QString err;
};

// The samples of a 16-bit mono WAV, whatever its header says of its length (a WAV written to
// a pipe cannot say it).
std::vector<qint16> Samples(const QByteArray& wav) {
    const qsizetype at = wav.indexOf("data");
    std::vector<qint16> s;
    if (at < 0)
        return s;
    const QByteArray data = wav.mid(at + 8);
    s.resize(std::size_t(data.size() / 2));
    std::memcpy(s.data(), data.constData(), s.size() * 2);
    return s;
}

// Where sound starts at or after `from` seconds: the first 5 ms louder than a whisper.
double SoundFrom(const std::vector<qint16>& s, double from, int rate = 22050) {
    const std::size_t step = std::size_t(rate / 200);
    for (std::size_t i = std::size_t(std::max(0.0, from) * rate); i + step <= s.size(); i += step)
        if (testsupport::Rms(s, i, i + step) > 0.012)
            return double(i) / rate;
    return 1e9;
}

// "00:01:02,500" or "00:01:02.500" (or "01:02.500") in seconds.
double Clock(const QString& t) {
    const QStringList parts = QString(t).replace(u',', u'.').split(u':');
    double s = 0;
    for (const QString& p : parts)
        s = s * 60 + p.toDouble();
    return s;
}

} // namespace

class TestAudioOutputs : public QObject {
    Q_OBJECT

    QString FExe;
    QTemporaryDir FRoot;
    int FCase = 0;

    QString NewFolder() {
        const QString path = FRoot.filePath(QString("case%1").arg(++FCase));
        QDir().mkpath(path);
        return path;
    }

    static void Write(const QString& path, const QByteArray& bytes) {
        testsupport::WriteBytes(path, bytes);
    }

    Run Nurva(const QStringList& args, const QString& cwd, const QByteArray& input = {},
              bool closedInput = false) {
        QProcess p;
        p.setWorkingDirectory(cwd);
        if (closedInput)
            p.setStandardInputFile(QProcess::nullDevice());
        p.start(FExe, args);
        if (!closedInput) {
            p.write(input);
            p.closeWriteChannel();
        }
        Run r;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = p.readAllStandardOutput();
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    // A shell line, with the program as $N; its exit code and what it printed on both streams.
    Run Shell(const QString& line, const QString& cwd) {
        QProcess p;
        p.setWorkingDirectory(cwd);
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("N", FExe);
        p.setProcessEnvironment(env);
        p.start("bash", {"-c", line});
        Run r;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.code = p.exitCode();
        r.out = p.readAllStandardOutput();
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    static QJsonObject Probe(const QString& path) { return testsupport::Probe(path); }
    static QVariantMap Tags(const QJsonObject& probe) { return testsupport::ProbeTags(probe); }

    static double Duration(const QJsonObject& probe) {
        return probe["format"].toObject()["duration"].toString().toDouble();
    }

private slots:
    void initTestCase() {
        FExe = qEnvironmentVariable("NURVA_APPDIR") + "/nurva";
        QVERIFY(QFile::exists(FExe));
        QVERIFY(FRoot.isValid());
    }

    // Each format by its name, decoded by the players' tools as long as the WAV of the same
    // text; the tags read back; the options' format when no name is given.
    void formatsByTheOutputsName() {
        const QString dir = NewFolder();
        Write(dir + "/story.txt", "A story of two sentences is spoken here. Then it ends.\n");
        QCOMPARE(Nurva({"/ttw", "story.txt", "-w", "max"}, dir).code, 0);
        const double wav = ReadWav(dir + "/story.wav").seconds();
        QVERIFY(wav > 2);

        struct Case {
            const char* name;
            const char* format;
            double tolerance;
        };
        // MP3 has no frame that tells a player the encoder's delay and padding: a frame and a
        // half more, as every player plays it.
        for (const Case& c : {Case{"out.opus", "ogg", 0.02}, Case{"out.ogg", "ogg", 0.02},
                              Case{"out.flac", "flac", 0.02}, Case{"out.mp3", "mp3", 0.08}}) {
            const Run r = Nurva({"/ttm", "story.txt", c.name, "-w", "max"}, dir);
            QVERIFY2(r.code == 0, qPrintable(r.err));
            QVERIFY(r.out.isEmpty() && r.err.isEmpty());
            const QJsonObject probe = Probe(dir + "/" + c.name);
            QCOMPARE(probe["format"].toObject()["format_name"].toString(), QString(c.format));
            const double seconds = Duration(probe);
            QVERIFY2(
                std::abs(seconds - wav) <= c.tolerance,
                qPrintable(QString("%1: %2 s against %3 s").arg(c.name).arg(seconds).arg(wav)));
            const QVariantMap tags = Tags(probe);
            QCOMPARE(tags["title"].toString(), QString("story"));
            QCOMPARE(tags["artist"].toString(), QString("English (America) Male"));
        }
        // The decoders of the formats themselves take them too.
        QProcess flac;
        flac.start("flac", {"-t", "-s", dir + "/out.flac"});
        QVERIFY(flac.waitForFinished(30000) && flac.exitCode() == 0);
        QProcess opus;
        opus.start("opusdec", {"--quiet", dir + "/out.opus", dir + "/decoded.wav"});
        QVERIFY(opus.waitForFinished(30000) && opus.exitCode() == 0);
        QVERIFY(std::abs(ReadWav(dir + "/decoded.wav").seconds() - wav) <= 0.02);

        // Without a name, "/ttm" writes the format the options chose, MP3 when none is. The
        // settings are beside a copy of the program (a folder of its own).
        QCOMPARE(Nurva({"/ttm", "story.txt", "-w", "max"}, dir).code, 0);
        QCOMPARE(Probe(dir + "/story.mp3")["format"].toObject()["format_name"].toString(),
                 QString("mp3"));
        const QString app = NewFolder();
        QVERIFY(QFile::copy(FExe, app + "/nurva"));
        QFile::setPermissions(app + "/nurva", QFile::permissions(FExe));
        Write(app + "/config.ini", "[Convert]\nFormat=flac\n");
        QProcess chosen;
        chosen.setWorkingDirectory(dir);
        chosen.start(app + "/nurva", {"/ttm", "story.txt", "-w", "max"});
        QVERIFY(chosen.waitForFinished(60000) && chosen.exitCode() == 0);
        QCOMPARE(Probe(dir + "/story.flac")["format"].toObject()["format_name"].toString(),
                 QString("flac"));
    }

    // What a careless user types: a name of no format the job writes, an unknown voice, a
    // mistyped job; each is said, exits 2 and writes nothing. What the Part's forms did, they do.
    void wrongNamesAreRefused() {
        const QString dir = NewFolder();
        Write(dir + "/notes.txt", "Short notes.\n");
        for (const QStringList& args : {QStringList{"/ttw", "notes.txt", "myout"},
                                        {"/ttw", "notes.txt", "myout.ogg"},
                                        {"/ttm", "notes.txt", "out.txt"},
                                        {"/ttm", "notes.txt", "out.opus.part"}}) {
            const Run r = Nurva(args, dir);
            QVERIFY2(r.code == 2, qPrintable(args.join(' ')));
            QVERIFY2(r.err.contains("does not end in"), qPrintable(r.err));
            QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"notes.txt"});
        }
        const Run voice = Nurva({"/ttw", "notes.txt", "-v", "no-such-voice"}, dir);
        QCOMPARE(voice.code, 2);
        QVERIFY2(voice.err.contains("No voice called no-such-voice"), qPrintable(voice.err));
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"notes.txt"});
        const Run job = Nurva({"/ttx", "notes.txt"}, dir);
        QCOMPARE(job.code, 2);
        QVERIFY(job.out.isEmpty());
        QVERIFY2(job.err.startsWith("Usage: nurva JOB"), qPrintable(job.err));

        // "-w 256" after the text is a switch, not an output: notes.wav as ever; OUT.mp3 for
        // "/ttw" writes OUT.wav.
        QCOMPARE(Nurva({"/ttw", "notes.txt", "-w", "256"}, dir).code, 0);
        QVERIFY(ReadWav(dir + "/notes.wav").valid);
        QCOMPARE(Nurva({"/ttw", "notes.txt", "other.MP3", "-w", "256"}, dir).code, 0);
        QVERIFY(ReadWav(dir + "/other.wav").valid);

        // A voice by language and by name, as espeak-ng takes them: the tags say which.
        QCOMPARE(Nurva({"/ttm", "notes.txt", "fr.opus", "-v", "fr", "-w", "max"}, dir).code, 0);
        QVERIFY2(Tags(Probe(dir + "/fr.opus"))["artist"].toString().startsWith("French"),
                 qPrintable(Tags(Probe(dir + "/fr.opus"))["artist"].toString()));
        QCOMPARE(Nurva({"/ttm", "notes.txt", "gb.flac", "-v", "en-gb+f", "-w", "max"}, dir).code,
                 0);
        QCOMPARE(Tags(Probe(dir + "/gb.flac"))["artist"].toString(),
                 QString("English (Great Britain) Female"));
    }

    // "-" in and out through shell pipes: the WAV on standard output is the one a file gets,
    // and nothing else is printed there; a reader that stops early ends the job with 1 and a
    // reason, not a signal; standard input closed or empty is said.
    void standardInputAndOutput() {
        const QString dir = NewFolder();
        const QByteArray text = "Words that come through a pipe are spoken into one.\n";
        Write(dir + "/t.txt", text);
        QCOMPARE(Nurva({"/ttw", "t.txt", "file.wav", "-w", "max"}, dir).code, 0);
        const Run piped = Shell("printf '%s' \"$(cat t.txt)\" | $N /ttw - - -w max | cat", dir);
        QCOMPARE(piped.code, 0);
        QVERIFY2(piped.err.isEmpty(), qPrintable(piped.err));
        QVERIFY(piped.out.startsWith("RIFF"));
        QCOMPARE(Samples(piped.out), Samples(ReadBytes(dir + "/file.wav")));
        const Run mp3 = Shell("$N /ttm t.txt - -w max | cat > piped.mp3", dir);
        QCOMPARE(mp3.code, 0);
        QCOMPARE(Probe(dir + "/piped.mp3")["format"].toObject()["format_name"].toString(),
                 QString("mp3"));

        QString longer;
        for (int i = 0; i < 40; ++i)
            longer += QString("Sentence %1 of a text long enough to fill a pipe. ").arg(i);
        Write(dir + "/long.txt", longer.toUtf8());
        const Run early = Shell(
            "$N /ttw long.txt - -w max | head -c 1000 > /dev/null; echo ${PIPESTATUS[0]}", dir);
        QCOMPARE(early.out.trimmed(), QByteArray("1"));
        QVERIFY2(early.err.contains("standard output", Qt::CaseInsensitive), qPrintable(early.err));

        const Run closed = Shell("$N /ttw - out.wav <&-", dir);
        QCOMPARE(closed.code, 1);
        QVERIFY2(closed.err.contains("Standard input is closed"), qPrintable(closed.err));
        const Run empty = Nurva({"/ttw", "-", "out.wav"}, dir, QByteArray(), true);
        QCOMPARE(empty.code, 1);
        QVERIFY2(empty.err.contains("Nothing came on standard input"), qPrintable(empty.err));
        const Run binary = Shell("head -c 3000 \"$N\" | $N /ttw - out.wav", dir);
        QCOMPARE(binary.code, 1);
        QVERIFY2(binary.err.contains("Standard input holds no text") &&
                     !binary.err.contains("nurva-input"),
                 qPrintable(binary.err));
        QVERIFY(!QFile::exists(dir + "/out.wav"));
        QStringList left = QDir(dir).entryList(QDir::Files);
        left.sort();
        QCOMPARE(left, (QStringList{"file.wav", "long.txt", "piped.mp3", "t.txt"}));

        // Progress is for a person at a terminal: shown there, and nowhere else.
        const Run tty =
            Shell("script -qec \"$N /ttw t.txt tty.wav -w 2\" /dev/null </dev/null", dir);
        QCOMPARE(tty.code, 0);
        QVERIFY2(QRegularExpression("\\d+ %  0:\\d\\d spent, about 0:\\d\\d left")
                     .match(QString::fromLocal8Bit(tty.out))
                     .hasMatch(),
                 tty.out.left(300).constData());
    }

    // Cues by sentence, at most two short lines, timed by the samples written: each starts
    // where its first words sound (after a pause tag too), none overlaps the next, the last
    // ends with the audio; SRT, WebVTT and LRC say the same times, in UTF-8.
    void subtitlesFollowTheSamples() {
        const QString dir = NewFolder();
        Write(dir + "/talk.txt",
              "The café opens at nine. \\Pau=1500\\ A long pause came before this sentence.\n\n"
              "Then a sentence that runs on for quite a while, with many words in it, more than "
              "two short lines can hold, so that it is cut into cues of its own.\n\nThe end.\n");
        const Run r = Nurva({"/ttw", "talk.txt", "-sub", "srt,vtt,lrc", "-w", "max"}, dir);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const std::vector<qint16> wav = Samples(ReadBytes(dir + "/talk.wav"));
        const double seconds = double(wav.size()) / 22050;

        const QString srt = QString::fromUtf8(ReadBytes(dir + "/talk.srt"));
        QVERIFY(srt.contains(QString::fromUtf8("café")));
        const QRegularExpression cue("(\\d+)\\n([\\d:,]+) --> ([\\d:,]+)\\n((?:.+\\n)+)");
        QList<std::pair<double, double>> times;
        for (auto it = cue.globalMatch(srt); it.hasNext();) {
            const auto m = it.next();
            QCOMPARE(m.captured(1).toInt(), int(times.size()) + 1);
            const QStringList lines = m.captured(4).trimmed().split('\n');
            QVERIFY2(lines.size() <= 2, qPrintable(m.captured(4)));
            for (const QString& line : lines)
                QVERIFY2(line.size() <= 48, qPrintable(line));
            times << std::pair{Clock(m.captured(2)), Clock(m.captured(3))};
        }
        QVERIFY2(times.size() >= 5, qPrintable(srt));
        for (qsizetype i = 0; i < times.size(); ++i) {
            const auto [start, end] = times[i];
            QVERIFY(end > start && end - start <= 7.5);
            if (i > 0)
                QVERIFY2(start >= times[i - 1].second - 0.001, qPrintable(srt));
            const double sound = SoundFrom(wav, start - 0.05);
            QVERIFY2(
                sound <= start + 0.05,
                qPrintable(
                    QString("cue %1 at %2 s, its sound at %3 s").arg(i + 1).arg(start).arg(sound)));
        }
        // The cue after the pause starts after it, where the words sound again.
        QVERIFY(times[1].first - times[0].first > 1.5);
        QVERIFY2(std::abs(times.last().second - seconds) <= 0.05,
                 qPrintable(QString("%1 against %2").arg(times.last().second).arg(seconds)));

        const QString vtt = QString::fromUtf8(ReadBytes(dir + "/talk.vtt"));
        QVERIFY(vtt.startsWith("WEBVTT\n"));
        const QRegularExpression vttCue("([\\d:.]+) --> ([\\d:.]+)");
        QList<double> vttStarts;
        for (auto it = vttCue.globalMatch(vtt); it.hasNext();)
            vttStarts << Clock(it.next().captured(1));
        const QString lrc = QString::fromUtf8(ReadBytes(dir + "/talk.lrc"));
        const QRegularExpression lrcLine("^\\[(\\d\\d:\\d\\d\\.\\d\\d)\\](.+)$",
                                         QRegularExpression::MultilineOption);
        QList<double> lrcStarts;
        for (auto it = lrcLine.globalMatch(lrc); it.hasNext();)
            lrcStarts << Clock(it.next().captured(1));
        QCOMPARE(vttStarts.size(), times.size());
        QVERIFY(lrcStarts.size() >= times.size());
        for (qsizetype i = 0; i < times.size(); ++i)
            QVERIFY(std::abs(vttStarts[i] - times[i].first) < 0.002);
        QVERIFY(std::abs(lrcStarts[0] - times[0].first) < 0.011);
    }

    // A book by its chapters: numbered files with the chapter's title and track number and
    // the book as album, a playlist in order; or one file with chapter marks. A text without
    // chapters is said and writes nothing.
    void chaptersOfABook() {
        const QString dir = NewFolder();
        Write(dir + "/book.txt", "Chapter 1\n\nThe first chapter has a few words.\n\n"
                                 "Chapter 2: The Return\n\nThe second one has some more of them."
                                 "\n");
        const Run split =
            Nurva({"/ttm", "book.txt", "book.opus", "-ch", "split", "-w", "max"}, dir);
        QVERIFY2(split.code == 0, qPrintable(split.err));
        const QStringList files{"book 01 Chapter 1.opus", "book 02 Chapter 2_ The Return.opus"};
        const QString m3u = QString::fromUtf8(ReadBytes(dir + "/book.m3u"));
        QVERIFY2(m3u.startsWith("#EXTM3U\n"), qPrintable(m3u));
        QVERIFY2(m3u.indexOf(files[0] + "\n") > 0 &&
                     m3u.indexOf(files[1] + "\n") > m3u.indexOf(files[0]),
                 qPrintable(m3u));
        for (int i = 0; i < 2; ++i) {
            const QVariantMap tags = Tags(Probe(dir + "/" + files[i]));
            QCOMPARE(tags["track"].toString().section('/', 0, 0).toInt(), i + 1);
            QCOMPARE(tags["album"].toString(), QString("book"));
            QVERIFY(tags["title"].toString().startsWith(QString("Chapter %1").arg(i + 1)));
        }

        for (const char* name : {"marks.flac", "marks.mp3"}) {
            QCOMPARE(Nurva({"/ttm", "book.txt", name, "-ch", "marks", "-w", "max"}, dir).code, 0);
            const QJsonObject probe = Probe(dir + "/" + name);
            const QJsonArray chapters = probe["chapters"].toArray();
            QCOMPARE(chapters.size(), 2);
            QCOMPARE(chapters[1].toObject()["tags"].toObject()["title"].toString(),
                     QString("Chapter 2: The Return"));
            const double second = chapters[1].toObject()["start_time"].toString().toDouble();
            QVERIFY(second > 1 && second < Duration(probe) - 1);
        }

        Write(dir + "/plain.txt", "Nothing here looks like a chapter.\n");
        const Run none = Nurva({"/ttm", "plain.txt", "plain.opus", "-ch", "split"}, dir);
        QCOMPARE(none.code, 1);
        QVERIFY2(none.err.contains("no chapters"), qPrintable(none.err));
        QVERIFY(QDir(dir).entryList({"plain*"}, QDir::Files) == QStringList{"plain.txt"});
        QCOMPARE(Nurva({"/ttm", "plain.txt", "plain.opus", "-ch", "sideways"}, dir).code, 2);
    }

    // A disk that fills up during a conversion: the job fails saying so, and nothing is left
    // under a final name, not even the chapters finished before the disk was full. An encoder
    // library gone at run time is named with its package, and nothing is written.
    void fullDiskAndMissingLibrary() {
        if (::geteuid() != 0)
            QSKIP("mounting a small file system and hiding a library need root");
        const QString dir = NewFolder();
        QDir().mkpath(dir + "/small");
        const QString words =
            QString("A sentence that goes on for a while, to fill a small disk with sound. ")
                .repeated(8);
        Write(dir + "/book.txt", ("Chapter 1\n\nShort.\n\nChapter 2\n\n" + words + "\n").toUtf8());
        if (Shell("mount -t tmpfs -o size=1m tmpfs small", dir).code != 0)
            QSKIP("no tmpfs can be mounted here");
        const auto unmount = qScopeGuard([&] { Shell("umount small", dir); });
        // One pipeline at a time: the first chapter is whole before the second fills the disk.
        const struct {
            const char* output;
            const char* chapters;
            const char* disk;
        } cases[] = {
            {"book.flac", "split", "1m"}, {"book.flac", "", "1m"}, {"book.mp3", "", "256k"}};
        for (const auto& c : cases) {
            QCOMPARE(Shell(QString("mount -o remount,size=%1 small").arg(c.disk), dir).code, 0);
            QStringList args{"/ttm", "book.txt", QString("small/") + c.output, "-w", "128"};
            if (*c.chapters)
                args << "-ch" << c.chapters;
            const Run r = Nurva(args, dir);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains("No space left on device"), qPrintable(r.err));
            QCOMPARE(QDir(dir + "/small").entryList(QDir::Files | QDir::Hidden), QStringList());
        }

        QProcess ldconfig;
        ldconfig.start("/sbin/ldconfig", {"-p"});
        QVERIFY(ldconfig.waitForFinished(30000));
        QString library;
        for (const QString& line :
             QString::fromLocal8Bit(ldconfig.readAllStandardOutput()).split('\n'))
            if (library.isEmpty() && line.trimmed().startsWith("libopusenc.so.0 "))
                library = line.section("=> ", 1).trimmed();
        QVERIFY2(QFile::exists(library), qPrintable(library));
        const Run gone = Shell("unshare -m sh -c 'mount --bind /dev/null " + library +
                                   " && exec \"$N\" /ttm book.txt book.opus -w max'",
                               dir);
        QCOMPARE(gone.code, 1);
        QVERIFY2(gone.err.contains("is not installed (Debian package libopusenc0)"),
                 qPrintable(gone.err));
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"book.txt"});
    }

    // Qt's own options before a job are the window's and are left out of it; the rest stays
    // as it stands.
    void qtOptionsAreTheWindows() {
        using cmdline::WithoutQtOptions;
        QCOMPARE(WithoutQtOptions({"nurva", "-platform", "offscreen", "/ttw", "x"}),
                 (QStringList{"nurva", "/ttw", "x"}));
        QCOMPARE(WithoutQtOptions({"nurva", "--style=fusion", "-reverse", "notes.txt"}),
                 (QStringList{"nurva", "notes.txt"}));
        QCOMPARE(WithoutQtOptions({"nurva", "/ttw", "-style", "fusion"}),
                 (QStringList{"nurva", "/ttw", "-style", "fusion"}));
        QCOMPARE(WithoutQtOptions({"nurva", "-", "-platform"}),
                 (QStringList{"nurva", "-", "-platform"}));
        QCOMPARE(WithoutQtOptions({"nurva", "-geometry"}), QStringList{"nurva"});
    }
};

QTEST_GUILESS_MAIN(TestAudioOutputs)
#include "tst_AudioOutputs.moc"
