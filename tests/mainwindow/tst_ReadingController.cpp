// The reading controller without a window, on the speech component with the scripted engine
// (which reports start, stop and words when the test says so) and the real encoder: output
// names, intermediate files, failed starts, which stop ends a reading, word positions, MP3.
#include "KoUtils.h"
#include "Lame.h"
#include "ReadingController.h"
#include "ScriptedEngine.h"
#include "TestSupport.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using mainwindow::TMp3Result;
using mainwindow::TReadingController;
using mainwindow::TReadingRequest;
using scripted::CurrentLog;
using scripted::CurrentScript;

using scripted::EngineStarts;
using scripted::EngineStops;
using scripted::Last;
using scripted::LastFile;
using scripted::LastSpoken;
using scripted::Pump;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Half a second of a tone (or only the header) as the engine would have written it.
void WriteWav(const QString& path, int samples = 22050 / 2) {
    const int rate = 22050;
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QDataStream s(&f);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + samples * 2);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2)
      << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(samples * 2);
    for (int i = 0; i < samples; ++i)
        s << qint16(8000 * std::sin(i * 2 * M_PI * 440 / rate));
}

int Selects() {
    const auto& calls = CurrentLog().calls;
    return int(std::count_if(calls.begin(), calls.end(),
                             [](const std::string& c) { return c.rfind("Select ", 0) == 0; }));
}

template <class F> QString ErrorOf(F fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace

class TestReadingController : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<speech::TMSpeech> FSpeech;
    std::unique_ptr<TReadingController> FReading;

    QString Wav(const QString& name) const { return FDir->path() + "/wav/" + name; }

    // The MP3 step, waited for.
    TMp3Result EncodeMp3(const QString& mp3, const QString& khz, const QString& kbps) {
        if (auto now = FReading->StartMp3(mp3, khz, kbps))
            return *now;
        std::optional<TMp3Result> done;
        auto c = connect(FReading.get(), &TReadingController::mp3Done, this,
                         [&](const TMp3Result& r) { done = r; });
        for (QDeadlineTimer end(60000); !done && !end.hasExpired();)
            QTest::qWait(20);
        disconnect(c);
        return done.value_or(TMp3Result{TMp3Result::Failed, "no end"});
    }
    QString Mp3(const QString& name) const { return FDir->path() + "/mp3/" + name; }

    // A reading of `text` whose outputs are named after `name`.
    TReadingRequest Request(const QString& text, int mode, const QString& name = "story") const {
        TReadingRequest r;
        r.Text = text;
        r.Mode = mode;
        r.Kind = rkDocument;
        r.Speed = 150;
        r.AutoWav = Wav(name + ".wav");
        r.AutoMp3 = Mp3(name + ".mp3");
        return r;
    }

    // A conversion into MP3 that spoke `samples` samples and came to its end.
    QString Converted(const TReadingRequest& request, int samples = 22050 / 2) {
        FReading->Start(request);
        const QString wav = LastFile();
        if (samples >= 0)
            WriteWav(wav, samples);
        EngineStarts();
        EngineStops();
        return wav;
    }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        for (const char* sub : {"wav", "mp3"})
            QVERIFY(QDir(FDir->path()).mkpath(sub));
        scripted::Install();
        CurrentScript().modeNames = {"Alpha Male", "Beta Female"};
        FSpeech = std::make_unique<speech::TMSpeech>();
        FReading = std::make_unique<TReadingController>(FSpeech.get());
    }
    void cleanup() {
        FReading.reset();
        FSpeech.reset();
    }

    // --- Output names -------------------------------------------------------------------------

    void autoOutputName_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* tag, TReadKind kind, const char* extension, const char* document,
                      const char* expected) {
            QTest::newRow(tag) << int(kind) << QString(extension) << QString(document)
                               << QString(expected);
        };
        row("document", rkDocument, ".wav", "/t/story.txt", "/o/story.wav");
        row("part", rkPart, ".mp3", "/t/story.txt", "/o/PartOfstory.mp3");
        row("dots in the name", rkDocument, ".mp3", "/t.d/my.story.txt", "/o/my.story.mp3");
        row("no extension", rkDocument, ".wav", "/t/README", "/o/README.wav");
        row("clipboard", rkClipboard, ".wav", "/t/story.txt", "/o/Clipboard.wav");
        row("free text", rkNone, ".mp3", "/t/story.txt", "/o/Clipboard.mp3");
        row("no document", rkPart, ".wav", "", "/o/Clipboard.wav");
    }
    void autoOutputName() {
        QFETCH(int, kind);
        QFETCH(QString, extension);
        QFETCH(QString, document);
        QFETCH(QString, expected);
        QCOMPARE(TReadingController::AutoOutputName(TReadKind(kind), extension, document, "/o/"),
                 expected);
    }

    void outputsOfAStart() {
        // Aloud: no file, the chosen voice.
        TReadingRequest aloud = Request("Hello", 0);
        aloud.EngineIndex = 1;
        FReading->Start(aloud);
        QCOMPARE(LastSpoken(), QString("Hello\r\n"));
        QCOMPARE(Last()->modeIndex, 1);
        QVERIFY(CurrentLog().fileNames.empty());
        QVERIFY(FReading->Active());

        // Into WAV: the name asked for, else the automatic one.
        int asked = 0;
        TReadingRequest wav = Request("Hello", 1);
        wav.AskWav = [&] { return ++asked == 1 ? FDir->path() + "/chosen.wav" : QString(); };
        FReading->Start(wav);
        QCOMPARE(LastFile(), FDir->path() + "/chosen.wav");
        QCOMPARE(FReading->Current().Wav, LastFile());
        FReading->Start(wav);
        QCOMPARE(LastFile(), Wav("story.wav"));
        QCOMPARE(asked, 2);

        // Into MP3: nobody is asked when it starts; the intermediate is reserved at once.
        TReadingRequest mp3 = Request("Hello", 2);
        mp3.Kind = rkPart;
        mp3.AskWav = wav.AskWav;
        FReading->Start(mp3);
        QCOMPARE(asked, 2);
        QCOMPARE(LastFile(), Wav("story.wav"));
        QCOMPARE(ReadBytes(LastFile()), QByteArray());
        const mainwindow::TReading& r = FReading->Current();
        QCOMPARE(r.Mode, 2);
        QCOMPARE(r.Kind, rkPart);
        QCOMPARE(r.Wav, Wav("story.wav"));
        QCOMPARE(r.Mp3, Mp3("story.mp3"));
    }

    void intermediateNeverTakesAnExistingName() {
        WriteBytes(Wav("story.wav"), "precious");
        WriteBytes(Wav("story-1.wav"), "also");
        QCOMPARE(TReadingController::ReserveIntermediate(Wav("story.wav")), Wav("story-2.wav"));
        QCOMPARE(TReadingController::ReserveIntermediate(Wav("story.wav")), Wav("story-3.wav"));
        QCOMPARE(ReadBytes(Wav("story.wav")), QByteArray("precious"));
        QCOMPARE(ReadBytes(Wav("story-1.wav")), QByteArray("also"));
        QCOMPARE(TReadingController::ReserveIntermediate(Wav("free.wav")), Wav("free.wav"));
        QVERIFY(QFileInfo(Wav("free.wav")).isFile());
        QCOMPARE(TReadingController::ReserveIntermediate(FDir->path() + "/none/x.wav"), QString());

        // A conversion whose automatic name is taken speaks beside it, and leaves it alone.
        const QString wav = Converted(Request("Words.", 2));
        QCOMPARE(wav, Wav("story-4.wav"));
        QCOMPARE(EncodeMp3({}, "22.05", "128").State, TMp3Result::Written);
        QVERIFY(QFile::exists(Mp3("story.mp3")));
        QVERIFY(!QFile::exists(wav));
        QCOMPARE(ReadBytes(Wav("story.wav")), QByteArray("precious"));

        // A link to nowhere is a name somebody owns too.
        QVERIFY(QFile::link(FDir->path() + "/elsewhere.wav", Wav("link.wav")));
        const QString reserved = TReadingController::ReserveIntermediate(Wav("link.wav"));
        QCOMPARE(reserved, Wav("link-1.wav"));
    }

    void replacedReadingLosesItsIntermediate() {
        QSignalSpy stopped(FReading.get(), &TReadingController::stopped);
        FReading->Start(Request("one", 2, "one"));
        QVERIFY(QFile::exists(Wav("one.wav")));
        EngineStarts();
        const auto replaced = Last();
        FReading->Start(Request("two", 2, "two"));
        QVERIFY(FReading->StartReplaced());
        QVERIFY(!QFile::exists(Wav("one.wav"))); // half written: it would never be encoded
        QVERIFY(QFile::exists(Wav("two.wav")));
        EngineStarts();
        // The replaced reading's stop, late: it ends nothing.
        replaced->sink->AudioStop(0);
        Pump();
        QCOMPARE(stopped.count(), 0);
        QVERIFY(FReading->Active());
        EngineStops();
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(stopped[0][0].toBool(), true);
        // Ended, it is the window's to encode: a next reading leaves it alone.
        FReading->Start(Request("three", 0));
        QVERIFY(QFile::exists(Wav("two.wav")));

        // A WAV file is the user's output, not an intermediate: replacing its reading keeps it.
        FReading->Start(Request("four", 1, "four"));
        WriteBytes(LastFile(), "spoken so far");
        EngineStarts();
        FReading->Start(Request("five", 0));
        QCOMPARE(ReadBytes(Wav("four.wav")), QByteArray("spoken so far"));
    }

    // --- Starting and stopping ----------------------------------------------------------------

    void failedStarts() {
        // A bad voice leaves the running reading alone.
        FReading->Start(Request("running", 0));
        EngineStarts();
        const int selects = Selects();
        for (int voice : {2, -1}) {
            TReadingRequest bad = Request("x", 2);
            bad.EngineIndex = voice;
            QCOMPARE(ErrorOf([&] { FReading->Start(bad); }),
                     QString("Voice number %1 is not installed.").arg(voice));
            QVERIFY(!FReading->StartReplaced());
            QVERIFY(FReading->Active());
            QCOMPARE(FReading->Current().Mode, 0);
        }
        QCOMPARE(Selects(), selects);
        QVERIFY(QDir(FDir->path() + "/wav").isEmpty());

        // Refusals after the engine was rebound: nothing runs any more, nothing is left behind.
        CurrentScript().failFileSet = true;
        for (int mode : {1, 2}) {
            QCOMPARE(ErrorOf([&] { FReading->Start(Request("x", mode)); }),
                     "Can not open file\n\n" + Wav("story.wav"));
            QVERIFY(FReading->StartReplaced());
            QVERIFY(!FReading->Active());
            QVERIFY(!QFile::exists(Wav("story.wav")));
        }
        CurrentScript().failFileSet = false;
        CurrentScript().textDataResult = speech::E_FAIL;
        QVERIFY(!ErrorOf([&] { FReading->Start(Request("x", 0)); }).isEmpty());
        QVERIFY(FReading->StartReplaced() && !FReading->Active());
        CurrentScript().textDataResult = speech::S_OK;
        FReading->Start(Request("again", 0));
        QVERIFY(FReading->Active());
        QCOMPARE(LastSpoken(), QString("again\r\n"));

        // Without any engine.
        cleanup();
        scripted::Install();
        FSpeech = std::make_unique<speech::TMSpeech>();
        FReading = std::make_unique<TReadingController>(FSpeech.get());
        QCOMPARE(
            ErrorOf([&] { FReading->Start(Request("x", 0)); }),
            QString("No speech engine is installed. Install espeak-ng to hear the documents."));
        QVERIFY(!FReading->StartReplaced() && !FReading->Active());
        QVERIFY(CurrentLog().texts.empty());
    }

    void stoppedEndsOnlyTheStartedReading() {
        QSignalSpy started(FReading.get(), &TReadingController::started);
        QSignalSpy paused(FReading.get(), &TReadingController::paused);
        QSignalSpy stopped(FReading.get(), &TReadingController::stopped);
        FReading->Start(Request("words", 0));
        EngineStarts();
        QCOMPARE(started.count(), 1);

        // The engine stops for a pause: the reading goes on after Resume.
        FReading->Pause();
        QVERIFY(FReading->Paused());
        EngineStops();
        QCOMPARE(paused.count(), 1);
        QCOMPARE(stopped.count(), 0);
        QVERIFY(FReading->Active());
        FReading->Resume();
        QCOMPARE(CurrentLog().calls.back(), std::string("AudioResume"));

        // Stop while paused resumes first, so that the stop arrives.
        FReading->Pause();
        FReading->Stop();
        const auto& calls = CurrentLog().calls;
        QCOMPARE(calls[calls.size() - 2], std::string("AudioResume"));
        QCOMPARE(calls.back(), std::string("AudioReset"));
        EngineStops();
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(stopped[0][0].toBool(), true);
        QVERIFY(!FReading->Active());
        // A second stop belongs to no reading.
        EngineStops();
        QCOMPARE(stopped.count(), 2);
        QCOMPARE(stopped[1][0].toBool(), false);
        QCOMPARE(paused.count(), 1);
    }

    // --- Where the engine is ------------------------------------------------------------------

    void textPosition_data() {
        QTest::addColumn<QString>("lineEnd");
        QTest::newRow("LF") << "\n";
        QTest::newRow("CR LF") << "\r\n";
        QTest::newRow("CR") << "\r";
    }
    void textPosition() {
        QFETCH(QString, lineEnd);
        QCOMPARE(FReading->TextPosition(3), 0); // nothing read yet
        const QString text =
            QStringLiteral("Café au lait%1un résumé naïf%1%1à la fin").arg(lineEnd);
        FReading->Start(Request(text, 0));
        QCOMPARE(FReading->SpokenLength(), int(LastSpoken().size()));
        // The engine tells the byte where a word starts in the UTF-8 text it was given.
        auto spokenAt = [&](const QByteArray& bytes) {
            Last()->bufSink->WordPosition(0, speech::DWORD(bytes.size()));
            Pump();
            return FReading->SpokenPosition();
        };
        const QByteArray spoken = LastSpoken().toUtf8();
        for (const QString word : {"au", "naïf", "un", "fin", "lait"}) {
            const int at = spokenAt(spoken.left(spoken.indexOf(word.toUtf8())));
            QCOMPARE(FReading->TextPosition(at), int(text.indexOf(word)));
        }
        // Within a line end: the end of its line. Past the end: the end of the text.
        const int lait = int(LastSpoken().indexOf("lait"));
        QCOMPARE(FReading->TextPosition(lait + 5), int(text.indexOf("lait")) + 4);
        QCOMPARE(FReading->TextPosition(spokenAt(spoken + "more")), int(text.size()));
        QCOMPARE(FReading->TextPosition(-5), 0);
    }

    // --- The MP3 step -------------------------------------------------------------------------

    void encodeMp3() {
        QSignalSpy stopped(FReading.get(), &TReadingController::stopped);
        const QString wav = Converted(Request("Words.", 2));
        QCOMPARE(stopped.count(), 1);
        const TMp3Result done = EncodeMp3({}, "22.05", "128");
        QCOMPARE(done.State, TMp3Result::Written);
        QVERIFY(!QFile::exists(wav));
        // What was spoken is in it: decoded, the same half second of tone.
        const QString back = FDir->path() + "/back.wav";
        QVERIFY(Lame::Mp3ToWav(Mp3("story.mp3"), back, "automatic", "128", "s", "5").Ok);
        const testsupport::Wav decoded = testsupport::ReadWav(back);
        QVERIFY(decoded.valid);
        QVERIFY2(std::abs(testsupport::SoundingSeconds(decoded) - 0.5) < 0.1,
                 qPrintable(QString::number(testsupport::SoundingSeconds(decoded))));

        // A chosen name wins over the automatic one.
        Converted(Request("Words.", 2, "other"));
        const QString chosen = FDir->path() + "/chosen.mp3";
        QCOMPARE(EncodeMp3(chosen, "22.05", "128").State, TMp3Result::Written);
        QVERIFY(QFile::exists(chosen) && !QFile::exists(Mp3("other.mp3")));

        // The encoder fails: the spoken WAV stays, and the message says where it is.
        TReadingRequest failing = Request("Words.", 2, "kept");
        failing.AutoMp3 = FDir->path() + "/no folder/kept.mp3";
        const QString kept = Converted(failing);
        const QByteArray spoken = ReadBytes(kept);
        const TMp3Result failed = EncodeMp3({}, "22.05", "128");
        QCOMPARE(failed.State, TMp3Result::Failed);
        QVERIFY2(failed.Error.contains(failing.AutoMp3) && failed.Error.contains(kept),
                 qPrintable(failed.Error));
        QCOMPARE(ReadBytes(kept), spoken);
        FReading->Start(Request("next", 0)); // a new reading does not take it away
        QVERIFY(QFile::exists(kept));

        // Stopped before the first word: nothing to encode, and no empty file stays behind.
        for (int samples : {-1, 0}) {
            const QString silent = Converted(Request("Words.", 2, "silent"), samples);
            QCOMPARE(EncodeMp3({}, "22.05", "128").State, TMp3Result::NothingSpoken);
            QVERIFY(!QFile::exists(silent));
            QVERIFY(!QFile::exists(Mp3("silent.mp3")));
        }
    }

    void encoderRetriesWithItsOwnRate() {
        // An encoder that refuses the resample option: the retry with the encoder's own rate
        // and 128 kbit/s gets through (no short form: that is for an encoder that can't start).
        QTemporaryDir bin;
        const QString log = bin.filePath("calls.log");
        const QString fake = bin.filePath("lame");
        WriteBytes(fake, QStringLiteral("#!/bin/sh\necho \"$*\" >> '%1'\n"
                                        "case \" $* \" in *\" --resample \"*) exit 1;; esac\n"
                                        "[ $# -lt 8 ] && exit 1\n"
                                        "exec lame \"$@\"\n")
                             .arg(log)
                             .toUtf8());
        QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        KoUtils::SetExecutablePath(bin.filePath("nurva"));
        auto restore = qScopeGuard(
            [] { KoUtils::SetExecutablePath(QCoreApplication::applicationFilePath()); });

        const QString wav = Converted(Request("Words.", 2));
        QCOMPARE(EncodeMp3({}, "22.05", "64").State, TMp3Result::Written);
        QVERIFY(QFile::exists(Mp3("story.mp3")));
        QVERIFY(!QFile::exists(wav));
        const QStringList calls = QString::fromUtf8(ReadBytes(log)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(calls.size(), 2);
        QVERIFY(calls[0].startsWith("--disptime 1 --resample 22.05 -b 64 -m s -q 5 "));
        QVERIFY(calls[1].startsWith("--disptime 1 -b 128 -m s -q 5 "));
    }
};

QTEST_MAIN(TestReadingController)
#include "tst_ReadingController.moc"
