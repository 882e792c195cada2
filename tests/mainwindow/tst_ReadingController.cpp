// SPDX-License-Identifier: GPL-3.0-or-later
// The reading controller without a window, on the speech component with the scripted engine
// (which reports start, stop and words when the test says so) and the real encoder: output
// names, intermediate files, failed starts, which stop ends a reading, word positions, MP3.
#include "KoUtils.h"
#include "Lame.h"
#include "ReadingController.h"
#include "ScriptedEngine.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

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

    // A conversion into MP3 waited for to its stop, then its MP3 step.
    TMp3Result Converted(const TReadingRequest& request, const QString& chosen = {}) {
        QSignalSpy stopped(FReading.get(), &TReadingController::stopped);
        FReading->Start(request);
        if (!stopped.count() && !stopped.wait(60000))
            return {TMp3Result::Failed, "no stop"};
        return FReading->FinishMp3(chosen);
    }
    // Seconds of sound in an MP3 file.
    double Seconds(const QString& mp3) {
        const QString back = FDir->path() + "/back.wav";
        if (!Lame::Mp3ToWav(mp3, back, "automatic", "128", "s", "5").Ok)
            return -1;
        return testsupport::SoundingSeconds(testsupport::ReadWav(back));
    }
    QStringList Files(const QString& sub) const {
        return QDir(FDir->path() + "/" + sub).entryList(QDir::Files | QDir::Hidden);
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

private slots:
    void initTestCase() {
        TReadingController::SetWorkerProgram(qEnvironmentVariable("NURVA_APPDIR") + "/nurva");
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

        // Into MP3: nobody is asked, and no WAV file is written.
        const QStringList before = Files("wav");
        TReadingRequest mp3 = Request("Hello", 2);
        mp3.Kind = rkPart;
        mp3.AskWav = wav.AskWav;
        FReading->Start(mp3);
        QCOMPARE(asked, 2);
        const mainwindow::TReading& r = FReading->Current();
        QCOMPARE(r.Mode, 2);
        QCOMPARE(r.Kind, rkPart);
        QCOMPARE(r.Wav, QString());
        QCOMPARE(r.Mp3, Mp3("story.mp3"));
        QVERIFY(FReading->Converting());
        FReading->Stop();
        QCOMPARE(Files("wav"), before);
        QCOMPARE(Files("mp3"), QStringList());
    }

    // A stopped or replaced conversion ends its workers and leaves no file, whole or partial.
    void stoppedConversionLeavesNothing() {
        QSignalSpy stopped(FReading.get(), &TReadingController::stopped);
        QSignalSpy progress(FReading.get(), &TReadingController::mp3Progress);
        TReadingRequest slow = Request(
            QString("A sentence spoken at the pace of a listener. ").repeated(40), 2, "one");
        slow.RealTime = 256; // real time: it runs for minutes
        FReading->Start(slow);
        QVERIFY(progress.wait(30000));
        QVERIFY(!Files("mp3").isEmpty()); // it is being written
        FReading->Start(Request("two", 2, "two"));
        QVERIFY(FReading->StartReplaced());
        QCOMPARE(stopped.count(), 0); // the replaced conversion ends nothing
        FReading->Stop();
        QCOMPARE(stopped.count(), 1); // already there
        QCOMPARE(stopped[0][0].toBool(), true);
        QVERIFY(!FReading->Active() && !FReading->Mp3Ready());
        QCOMPARE(FReading->FinishMp3({}).State, TMp3Result::Cancelled);
        QTest::qWait(300); // a late report of either would show here
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(Files("mp3"), QStringList());
        QCOMPARE(Files("wav"), QStringList());
    }

    // --- Starting and stopping ----------------------------------------------------------------

    void failedStarts() {
        // A bad voice leaves the running reading alone.
        FReading->Start(Request("running", 0));
        EngineStarts();
        const int selects = Selects();
        for (int voice : {2, -1}) {
            TReadingRequest bad = Request("x", voice < 0 ? 2 : 1);
            bad.EngineIndex = voice;
            QCOMPARE(ErrorOf([&] { FReading->Start(bad); }),
                     QString("Voice number %1 is not installed.").arg(voice));
            QVERIFY(!FReading->StartReplaced());
            QVERIFY(FReading->Active());
            QCOMPARE(FReading->Current().Mode, 0);
            QVERIFY(!FReading->Converting());
        }
        QCOMPARE(Selects(), selects);
        QVERIFY(QDir(FDir->path() + "/wav").isEmpty());

        // Refusals after the engine was rebound: nothing runs any more, nothing is left behind.
        CurrentScript().failFileSet = true;
        QCOMPARE(ErrorOf([&] { FReading->Start(Request("x", 1)); }),
                 "Can not open file\n\n" + Wav("story.wav"));
        QVERIFY(FReading->StartReplaced());
        QVERIFY(!FReading->Active());
        QVERIFY(!QFile::exists(Wav("story.wav")));
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

    // The workers speak the request's text with its voice and speed, straight into the MP3
    // file; the MP3 step names it.
    void convertsThroughWorkers() {
        const QString text = "Words spoken into an MP3 file, with no WAV file in between.";
        TReadingRequest slow = Request(text, 2), fast = Request(text, 2, "fast");
        slow.Speed = 100;
        fast.Speed = 300;
        QCOMPARE(Converted(slow).State, TMp3Result::Written);
        QCOMPARE(Converted(fast).State, TMp3Result::Written);
        QCOMPARE(Files("wav"), QStringList());
        QCOMPARE(Files("mp3"), (QStringList{"fast.mp3", "story.mp3"}));
        const double slowSeconds = Seconds(Mp3("story.mp3")),
                     fastSeconds = Seconds(Mp3("fast.mp3"));
        QVERIFY2(fastSeconds > 1 && slowSeconds > 2 * fastSeconds,
                 qPrintable(QString("%1 s at 100, %2 s at 300").arg(slowSeconds).arg(fastSeconds)));

        // A chosen name, in another folder, wins over the automatic one.
        const QString chosen = FDir->path() + "/chosen.mp3";
        QCOMPARE(Converted(Request("Words.", 2, "other"), chosen).State, TMp3Result::Written);
        QVERIFY(QFile::exists(chosen) && !QFile::exists(Mp3("other.mp3")));
        QCOMPARE(Files("mp3"), (QStringList{"fast.mp3", "story.mp3"}));

        // Nothing to speak, and a folder that is not there: no file, and the user is told why.
        QCOMPARE(Converted(Request(" \n", 2, "silent")).State, TMp3Result::NothingSpoken);
        TReadingRequest failing = Request("Words.", 2, "kept");
        failing.AutoMp3 = FDir->path() + "/no folder/kept.mp3";
        const TMp3Result failed = Converted(failing);
        QCOMPARE(failed.State, TMp3Result::Failed);
        QVERIFY2(failed.Error.contains(failing.AutoMp3), qPrintable(failed.Error));
        QCOMPARE(Files("mp3"), (QStringList{"fast.mp3", "story.mp3"}));
    }

    // A paused conversion holds its workers and encoders where they are (stopped processes),
    // goes on to a whole file after Resume, and a Stop while paused leaves nothing.
    void pausedConversionHoldsAndGoesOn() {
        // Children of this process in each state ('T': stopped).
        auto children = [](char state) {
            int n = 0;
            for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
                const QByteArray stat = ReadBytes("/proc/" + pid + "/stat");
                const qsizetype close = stat.lastIndexOf(')');
                const QList<QByteArray> f = stat.mid(close + 2).split(' ');
                if (close > 0 && f.size() > 1 && f[1].toLongLong() == ::getpid() &&
                    f[0].startsWith(state))
                    ++n;
            }
            return n;
        };
        QSignalSpy stopped(FReading.get(), &TReadingController::stopped);
        QSignalSpy progress(FReading.get(), &TReadingController::mp3Progress);
        for (bool resume : {true, false}) {
            stopped.clear();
            TReadingRequest request =
                Request("A sentence spoken at the pace of a listener, paused and then continued.",
                        2, resume ? "resumed" : "stopped");
            request.RealTime = 256; // real time: a few seconds to pause in
            FReading->Start(request);
            QVERIFY(progress.wait(30000));
            FReading->Pause();
            QVERIFY(FReading->Paused());
            QVERIFY2(QTest::qWaitFor([&] { return children('T') >= 2; }, 5000),
                     qPrintable(QString::number(children('T'))));
            QCOMPARE(stopped.count(), 0);
            if (resume) {
                FReading->Resume();
                QVERIFY(!FReading->Paused());
                QVERIFY(stopped.wait(60000));
                QCOMPARE(children('T'), 0);
                QCOMPARE(FReading->FinishMp3({}).State, TMp3Result::Written);
                QVERIFY(Seconds(Mp3("resumed.mp3")) > 2);
            } else {
                FReading->Stop();
                QCOMPARE(stopped.count(), 1);
                QVERIFY(QTest::qWaitFor([&] { return children('T') == 0; }, 5000));
                QCOMPARE(FReading->FinishMp3({}).State, TMp3Result::Cancelled);
            }
        }
        QCOMPARE(Files("mp3"), QStringList{"resumed.mp3"});
    }

    void encoderRetriesWithItsOwnRate() {
        // An encoder that refuses the resample option: the retry with the encoder's own rate
        // and 128 kbit/s gets through.
        QTemporaryDir bin;
        const QString log = bin.filePath("calls.log");
        const QString fake = bin.filePath("lame");
        WriteBytes(fake, QStringLiteral("#!/bin/sh\necho \"$*\" >> '%1'\n"
                                        "case \" $* \" in *\" --resample \"*) exit 1;; esac\n"
                                        "exec lame \"$@\"\n")
                             .arg(log)
                             .toUtf8());
        QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        KoUtils::SetExecutablePath(bin.filePath("nurva"));
        auto restore = qScopeGuard(
            [] { KoUtils::SetExecutablePath(QCoreApplication::applicationFilePath()); });

        TReadingRequest r = Request("Words.", 2);
        r.Kbps = "64";
        QCOMPARE(Converted(r).State, TMp3Result::Written);
        QCOMPARE(Files("mp3"), QStringList{"story.mp3"});
        const QStringList calls = QString::fromUtf8(ReadBytes(log)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(calls.size(), 2);
        QVERIFY2(calls[0].startsWith("--silent -t --resample 22.05 -b 64 -m s -q 5 - "),
                 qPrintable(calls[0]));
        QVERIFY2(calls[1].startsWith("--silent -t -b 128 -m s -q 5 - "), qPrintable(calls[1]));
    }
};

QTEST_MAIN(TestReadingController)
#include "tst_ReadingController.moc"
