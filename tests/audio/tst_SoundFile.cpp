// SPDX-License-Identifier: GPL-3.0-or-later
// What the program reads of sound files, checked on files that sox and lame wrote: the frames
// of every kind of MP3 stream tile the file and last as long as the sound, the WAV layout is
// what sox says of the file and the decoded samples are sox's own, and what the encoder would
// take for raw samples is told apart from every sound file it reads.
#include "SoundFile.h"
#include "TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace audio;

namespace {

QByteArray Output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return "<failed: " + (program + ' ' + args.join(' ')).toUtf8() + "> " +
               p.readAllStandardError();
    return p.readAllStandardOutput();
}

TSoundKind KindOf(const QByteArray& bytes, const QString& name, QString* why = nullptr) {
    return SoundKind(BytesReader(bytes), bytes.size(), name, why);
}

} // namespace

class TestSoundFile : public QObject {
    Q_OBJECT
    QTemporaryDir FDir;
    QString FSine; // one second of a 440 Hz tone, 22.05 kHz mono

    QString Path(const QString& name) const { return FDir.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        FSine = Path("sine.wav");
        QCOMPARE(Output("sox", {"-n", "-r", "22050", "-c", "1", "-b", "16", FSine, "synth", "1",
                                "sine", "440"}),
                 QByteArray());
    }

    void mp3FramesTileTheFile_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("MPEG-2.5, 8 kbit/s") << QStringList{"--resample", "8", "-b", "8"};
        QTest::newRow("MPEG-2, 32 kbit/s") << QStringList{"-b", "32"};
        QTest::newRow("MPEG-1, 320 kbit/s")
            << QStringList{"--resample", "48", "-b", "320", "-m", "s"};
        QTest::newRow("MPEG-1, variable") << QStringList{"--resample", "44.1", "-V", "2"};
        QTest::newRow("no tag frame") << QStringList{"-t", "--resample", "32", "-b", "64"};
        QTest::newRow("ID3v2 tag")
            << QStringList{"--add-id3v2",      "--tt", "Title", "--ta", "Artist",
                           "--pad-id3v2-size", "3000", "-b",    "48"};
        QTest::newRow("ID3v1 tag") << QStringList{"--id3v1-only", "--tt", "Old", "-b", "16"};
        QTest::newRow("free format")
            << QStringList{"--freeformat", "--resample", "44.1", "-b", "400", "-t"};
    }

    void mp3FramesTileTheFile() {
        QFETCH(QStringList, options);
        const QString mp3 = Path("tile.mp3");
        QFile::remove(mp3);
        QCOMPARE(Output("lame", QStringList{"--silent"} + options + QStringList{FSine, mp3}),
                 QByteArray());
        const QByteArray bytes = testsupport::ReadBytes(mp3);
        const std::optional<TMp3Stream> s = FindMp3Stream(BytesReader(bytes), bytes.size());
        QVERIFY(s);
        qint64 tag = 0;
        if (bytes.startsWith("ID3"))
            tag = 10 + (qint64(bytes[6]) << 21 | bytes[7] << 14 | bytes[8] << 7 | bytes[9]);
        QCOMPARE(s->Start, tag);
        if (s->First.Bitrate == 0) { // free format: the frames give no length of their own
            QCOMPARE(s->Frames, 3);
            QCOMPARE(KindOf(bytes, "in.mp3"), TSoundKind::Mpeg);
            return;
        }
        // Frame after frame to the end, or to the 128 bytes of an ID3v1 tag.
        qint64 at = s->Start, samples = 0;
        int frames = 0;
        const qint64 end = bytes.right(128).startsWith("TAG") ? bytes.size() - 128 : bytes.size();
        while (at < end) {
            const std::optional<TMp3Frame> f = ReadMp3Frame(QByteArrayView(bytes).sliced(at));
            QVERIFY2(f && f->Bytes > 0, qPrintable(QString("frame %1 at %2").arg(frames).arg(at)));
            QCOMPARE(f->SampleRate, s->First.SampleRate);
            samples += f->Samples;
            at += f->Bytes;
            ++frames;
        }
        QCOMPARE(at, end);
        // One second, and what the encoder adds: its tag frame, its delay, the last frame filled.
        const double seconds = double(samples) / s->First.SampleRate;
        const double frame = double(s->First.Samples) / s->First.SampleRate;
        QVERIFY2(seconds >= 1.0 && seconds <= 1.0 + 4 * frame,
                 qPrintable(QString::number(seconds)));
        QCOMPARE(KindOf(bytes, "in.mp3"), TSoundKind::Mpeg);
        QCOMPARE(KindOf(bytes, "in.dat"), TSoundKind::Mpeg);
    }

    void mp3AfterALargeTag() {
        // A cover picture of 1.5 MB in front of the sound.
        const QString mp3 = Path("big.mp3");
        QCOMPARE(Output("lame", {"--silent", "-b", "32", FSine, mp3}), QByteArray());
        const qint64 length = 1536 * 1024;
        QByteArray tag("ID3\x03\x00\x00", 6);
        for (int shift : {21, 14, 7, 0})
            tag += char((length >> shift) & 0x7F);
        const QByteArray bytes = tag + QByteArray(length, '\xFF') + testsupport::ReadBytes(mp3);
        const std::optional<TMp3Stream> s = FindMp3Stream(BytesReader(bytes), bytes.size());
        QVERIFY(s);
        QCOMPARE(s->Start, 10 + length);
        QCOMPARE(s->First.SampleRate, 22050);
    }

    void wavAsSoxSeesIt_data() {
        QTest::addColumn<QStringList>("format");
        QTest::addColumn<bool>("decoded"); // the alarm plays it
        QTest::newRow("8-bit stereo") << QStringList{"-b", "8", "-c", "2"} << true;
        QTest::newRow("16-bit") << QStringList{"-b", "16"} << true;
        QTest::newRow("24-bit extensible") << QStringList{"-b", "24"} << true;
        QTest::newRow("32-bit stereo") << QStringList{"-b", "32", "-c", "2"} << true;
        QTest::newRow("float") << QStringList{"-e", "floating-point", "-b", "32"} << true;
        QTest::newRow("16-bit with a comment")
            << QStringList{"-b", "16", "--comment", "An alarm for the morning"} << true;
        QTest::newRow("u-law") << QStringList{"-e", "u-law"} << false;
        QTest::newRow("a-law stereo") << QStringList{"-e", "a-law", "-c", "2"} << false;
        QTest::newRow("IMA ADPCM") << QStringList{"-e", "ima-adpcm"} << false;
        QTest::newRow("MS ADPCM") << QStringList{"-e", "ms-adpcm"} << false;
        QTest::newRow("GSM") << QStringList{"-e", "gsm-full-rate", "-r", "8000"} << false;
    }

    void wavAsSoxSeesIt() {
        QFETCH(QStringList, format);
        QFETCH(bool, decoded);
        const QString wav = Path("fmt.wav");
        QFile::remove(wav);
        QCOMPARE(Output("sox", QStringList{FSine} + format + QStringList{wav}), QByteArray());
        const QByteArray bytes = testsupport::ReadBytes(wav);
        const std::optional<TWavLayout> layout = ReadWavLayout(BytesReader(bytes), bytes.size());
        QVERIFY(layout);
        auto soxi = [&](const char* what) { return Output("soxi", {what, wav}).trimmed().toInt(); };
        QCOMPARE(layout->Channels, soxi("-c"));
        QCOMPARE(int(layout->SampleRate), soxi("-r"));
        QCOMPARE(layout->Bits, soxi("-b"));
        QVERIFY(!layout->CutShort);
        QCOMPARE(layout->DataOffset + layout->DataSize, qint64(bytes.size()));
        QCOMPARE(KindOf(bytes, "in.wav"), TSoundKind::Wav);

        const TPcm pcm = DecodeWav(bytes);
        QCOMPARE(!pcm.Samples.empty(), decoded);
        if (!decoded)
            return;
        // The samples sox decodes, at 16 bits without dither (sox rounds where the alarm cuts).
        const QByteArray raw =
            Output("sox", {wav, "-t", "raw", "-e", "signed-integer", "-b", "16", "-L", "-D", "-"});
        QCOMPARE(qsizetype(pcm.Samples.size()), raw.size() / 2);
        QCOMPARE(pcm.Channels, soxi("-c"));
        for (std::size_t i = 0; i < pcm.Samples.size(); ++i) {
            const int sox = qFromLittleEndian<qint16>(raw.constData() + 2 * i);
            QVERIFY2(
                std::abs(pcm.Samples[i] - sox) <= 1,
                qPrintable(QString("sample %1: %2, sox %3").arg(i).arg(pcm.Samples[i]).arg(sox)));
        }
        // Cut short (a copy broken off), the whole samples that are there still play.
        const TPcm cut = DecodeWav(bytes.chopped(3));
        const qint64 frame = layout->Bits / 8 * layout->Channels;
        QCOMPARE(qint64(cut.Samples.size()), (layout->DataSize - 3) / frame * layout->Channels);
    }

    // The encoder takes what it does not know for raw samples: those are told apart from every
    // sound file it reads.
    void noiseToldFromSound() {
        const QByteArray wav = testsupport::ReadBytes(FSine);
        QString why;
        QCOMPARE(KindOf("The time now is eight.\r\n", "in.wav", &why), TSoundKind::None);
        QVERIFY(why.contains("no sound file"));
        QCOMPARE(KindOf({}, "in.wav", &why), TSoundKind::None);
        QVERIFY(why.contains("empty"));
        QByteArray noise;
        for (int i = 0; i < 100000; ++i)
            noise += char((i * 7919 + i / 13) & 0xFF);
        QCOMPARE(KindOf(noise, "in.mp3", &why), TSoundKind::None);
        QVERIFY(why.contains("no MPEG audio"));
        // A WAV file named as MP3 is read as MPEG audio by the encoder, and holds none.
        QCOMPARE(KindOf(wav, "in.MP3"), TSoundKind::None);
        QCOMPARE(KindOf(wav, "in.wav"), TSoundKind::Wav);
        // Damaged headers.
        QByteArray noFormat = wav;
        noFormat.replace(12, 4, "fmtX");
        QCOMPARE(KindOf(noFormat, "in.wav", &why), TSoundKind::None);
        QVERIFY(why.contains("format chunk"));
        QCOMPARE(KindOf(wav.first(36), "in.wav", &why), TSoundKind::None);
        QVERIFY(why.contains("no data chunk"));
        QByteArray unknown = wav;
        unknown[20] = '\x34';
        unknown[21] = '\x12';
        QCOMPARE(KindOf(unknown, "in.wav", &why), TSoundKind::None);
        QVERIFY(why.contains("0x1234"));
        QByteArray noRate = wav;
        noRate.replace(24, 4, QByteArray(4, '\0'));
        QCOMPARE(KindOf(noRate, "in.wav"), TSoundKind::None);
        // A container of pictures is no sound.
        QCOMPARE(KindOf(QByteArray("FORM\0\0\0\x04ILBM", 12), "in.iff"), TSoundKind::None);
        // Raw samples asked for by name, and sound files of other formats.
        QCOMPARE(KindOf("\x01\x02\x03\x04", "in.raw"), TSoundKind::Raw);
        for (const char* ext : {"aiff", "au", "flac", "w64"}) {
            const QString other = Path(QString("other.") + ext);
            QCOMPARE(Output("sox", {FSine, other}), QByteArray());
            QVERIFY2(KindOf(testsupport::ReadBytes(other), "in." + QString(ext)) ==
                         TSoundKind::Other,
                     ext);
        }
    }
};

QTEST_GUILESS_MAIN(TestSoundFile)
#include "tst_SoundFile.moc"
