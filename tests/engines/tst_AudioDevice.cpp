// SPDX-License-Identifier: GPL-3.0-or-later
// Speaking aloud for real: espeak-ng plays through a private sound server, and the test listens
// to the null sink's monitor.
#include "AudioDestDevice.h"
#include "AudioMonitor.h"
#include "EngineHarness.h"
#include "Engines.h"
#include "TestSupport.h"
#include "mSpeech.h"
#include "platform/Services.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

using namespace speech;
using namespace testsupport;

namespace {
const std::string kText = "Every morning the baker opens the shop at six, and the smell of "
                          "fresh bread fills the whole street.";

} // namespace

class TestAudioDevice : public QObject {
    Q_OBJECT

    PulseTestServer FServer;
    MonitorRecorder FMonitor;
    QTemporaryDir FConfig;
    QTemporaryDir FDir;
    Wav FReference; // kText through the file destination

    // The component as the main window has it: sound output, start and stop counted.
    struct Component {
        TMSpeech speech;
        int starts = 0, stops = 0, errors = 0;
        std::int32_t lastError = 0;
        qint64 stopMs = 0;
        Component() {
            speech.OnStart = [this](TMSpeech*) { ++starts; };
            speech.OnStop = [this](TMSpeech*) {
                ++stops;
                stopMs = NowMs();
            };
            speech.OnError = [this](TMSpeech*, std::int32_t code, const QString&) {
                ++errors;
                lastError = code;
            };
            speech.Output = soGeneral;
            speech.SelectEngine(speech.Engines().value(0));
        }
    };

    bool Heard(qint64 fromMs, qint64 toMs) { return FMonitor.Peak(fromMs, toMs) > 300; }
    bool Silent(qint64 fromMs, qint64 toMs) { return FMonitor.Peak(fromMs, toMs) < 50; }
    // Runs the event loop for `ms`.
    void Idle(int ms) {
        WaitFor([] { return false; }, ms);
    }

private slots:
    void initTestCase() {
        QVERIFY(FConfig.isValid() && FDir.isValid());
        qputenv("XDG_CONFIG_HOME", FConfig.path().toLocal8Bit());
        QVERIFY2(FServer.Start(), qPrintable(FServer.Error()));
        engines::RegisterEngines();
        QVERIFY(FMonitor.Start(FServer.Monitor()));

        Binding b;
        QVERIFY(b.Bind(0, CLSID_AudioDestFile));
        std::shared_ptr<IAudioFile> file;
        QueryInterface(b.destination, file);
        QString path = FDir.filePath("reference.wav");
        QVERIFY(Succeeded(file->Set(path.toStdU16String(), 1)));
        file->RealTimeSet(0);
        QVERIFY(Succeeded(b.Speak(kText)));
        QVERIFY(WaitFor([&] { return b.recorder->stops > 0; }, 30000));
        file->Flush();
        FReference = ReadWav(path);
        QVERIFY(FReference.valid && FReference.seconds() > 3);
    }

    void cleanupTestCase() {
        FMonitor.Stop();
        FServer.Stop();
    }

    // The whole text is heard, start and stop bracket the sound, and the words are notified
    // as they are heard.
    void playsTheTextAndFollowsItsWords() {
        Binding b;
        QVERIFY(b.Bind(0, CLSID_MMAudioDest));
        FMonitor.Clear();
        QVERIFY(Succeeded(b.Speak(kText)));
        qint64 t0 = AbsMs(b.recorder->clock, 0);
        QVERIFY(WaitFor([&] { return b.recorder->stops > 0; }, 30000));
        Idle(300);
        std::size_t first = FMonitor.FirstLoud(), last = FMonitor.LastLoud();
        QVERIFY2(first != SIZE_MAX, "nothing was heard");
        qint64 firstMs = FMonitor.TimeOf(first), lastMs = FMonitor.TimeOf(last);

        double heard = double(last - first) / MonitorRecorder::kRate;
        double want = SoundingSeconds(FReference);
        QVERIFY2(std::abs(heard - want) <= 0.1,
                 qPrintable(QString("heard %1 s of %2 s").arg(heard).arg(want)));
        QCOMPARE(b.recorder->starts.load(), 1);
        QCOMPARE(b.recorder->stops.load(), 1);
        qint64 startMs = t0 + b.recorder->startMs, stopMs = t0 + b.recorder->stopMs;
        QVERIFY2(startMs <= firstMs + 30, qPrintable(QString::number(startMs - firstMs)));
        // The stop comes once the last sample has been played, not when synthesis ended.
        QVERIFY2(stopMs >= lastMs - 30, qPrintable(QString::number(stopMs - lastMs)));

        std::vector<Recorder::Word> words;
        {
            std::lock_guard lock(b.recorder->mutex);
            words = b.recorder->words;
        }
        QVERIFY(words.size() >= 15);
        for (std::size_t i = 1; i < words.size(); ++i)
            QVERIFY(words[i].offset > words[i - 1].offset);
        // Spread over the playing time: the last word is notified late, none before the sound.
        qint64 span = lastMs - firstMs;
        QVERIFY2(t0 + words.front().ms >= firstMs - 30,
                 qPrintable(QString::number(t0 + words.front().ms - firstMs)));
        QVERIFY2(t0 + words.back().ms >= firstMs + span * 8 / 10,
                 qPrintable(QString("%1 of %2").arg(t0 + words.back().ms - firstMs).arg(span)));
        QVERIFY(t0 + words[words.size() / 2].ms >= firstMs + span / 4);
    }

    void pauseSilencesAndResumeGoesOnWhereItStopped() {
        Component c;
        QVERIFY(c.speech.Selected);
        FMonitor.Clear();
        c.speech.SpeakText(QString::fromStdString(kText));
        QVERIFY(WaitFor([&] { return c.starts == 1; }, 5000));
        Idle(1200);
        qint64 pausedAt = NowMs();
        c.speech.Pause();
        QVERIFY(c.speech.Paused);
        Idle(1500);
        qint64 resumedAt = NowMs();
        c.speech.Resume();
        QVERIFY(WaitFor([&] { return c.stops > 0; }, 30000));
        Idle(300);

        QVERIFY(Heard(pausedAt - 600, pausedAt));
        // Silent from 50 ms after the pause, for as long as it lasted (counted in recorded
        // samples: an idle null sink hands its monitor audio in bursts, not on the clock).
        std::size_t pauseIdx = FMonitor.IndexAt(pausedAt);
        std::size_t soundAgain = FMonitor.FirstLoud(pauseIdx + MonitorRecorder::kRate / 20, 50);
        QVERIFY2(Silent(pausedAt + 50, pausedAt + 100),
                 qPrintable(QString::number(FMonitor.Peak(pausedAt + 50, pausedAt + 100))));
        double gap = double(soundAgain - pauseIdx) / MonitorRecorder::kRate;
        double paused = double(resumedAt - pausedAt) / 1000;
        QVERIFY2(soundAgain != SIZE_MAX && gap >= paused - 0.06,
                 qPrintable(QString("silent %1 s of a %2 s pause").arg(gap).arg(paused)));
        // Nothing skipped, nothing said twice: without the pause it is the text's length.
        double span = double(FMonitor.LastLoud() - FMonitor.FirstLoud()) / MonitorRecorder::kRate;
        double heard = span - double(resumedAt - pausedAt) / 1000;
        double want = SoundingSeconds(FReference);
        QVERIFY2(std::abs(heard - want) <= 0.1,
                 qPrintable(QString("heard %1 s of %2 s").arg(heard).arg(want)));
        QCOMPARE(c.starts, 1);
        QCOMPARE(c.stops, 1);
        QCOMPARE(c.errors, 0);
    }

    // Stop, stop while paused, and a new binding all end the sound at once with one stop.
    void stopEndsTheSoundWithOneStop() {
        Component c;
        const QString text = QString::fromStdString(kText + " " + kText);
        for (int round = 0; round < 3; ++round) {
            FMonitor.Clear();
            int stops = c.stops;
            c.speech.SpeakText(text);
            QVERIFY(WaitFor([&] { return c.starts > round; }, 5000));
            Idle(700);
            if (round == 1) {
                c.speech.Pause();
                Idle(300);
            }
            qint64 stoppedAt = NowMs();
            if (round == 2) {
                c.speech.SelectEngine(c.speech.Engines().value(0)); // as every new reading does
            } else {
                c.speech.Stop();
                QVERIFY(!c.speech.Paused);
                QVERIFY(WaitFor([&] { return c.stops == stops + 1; }, 5000));
            }
            Idle(1000);
            QVERIFY2(Silent(stoppedAt + 60, stoppedAt + 1000),
                     qPrintable(QString("round %1: %2")
                                    .arg(round)
                                    .arg(FMonitor.Peak(stoppedAt + 60, stoppedAt + 1000))));
            QCOMPARE(c.stops, round == 2 ? stops : stops + 1);
        }
        // After all that, the next text plays in full.
        FMonitor.Clear();
        c.speech.SpeakText("One more.");
        QVERIFY(WaitFor([&] { return c.stops == 3; }, 10000));
        Idle(200);
        QVERIFY(FMonitor.FirstLoud() != SIZE_MAX);
        QCOMPARE(c.errors, 0);
    }

    // Half the device volume is half the level, also for speech already playing; the value is
    // there for the next run of the program.
    void volumeScalesTheLevelAndIsKept() {
        std::shared_ptr<IAudioMultiMediaDevice> dev;
        QVERIFY(Succeeded(SpeechPlatform::CreateInstance(CLSID_MMAudioDest, dev)));
        QVERIFY(Succeeded(dev->VolumeSet(0xFFFFFFFFu)));
        Binding b;
        QVERIFY(b.Bind(0, CLSID_MMAudioDest));
        FMonitor.Clear();
        QVERIFY(Succeeded(b.Speak(kText)));
        QVERIFY(WaitFor([&] { return b.recorder->starts > 0; }, 5000));
        Idle(1500);
        qint64 changedAt = NowMs();
        QVERIFY(Succeeded(dev->VolumeSet(0x80008000u)));
        QVERIFY(WaitFor([&] { return b.recorder->stops > 0; }, 30000));
        Idle(300);

        // Level of the recording against the same stretch of the reference.
        std::size_t first = FMonitor.FirstLoud();
        std::size_t refFirst = 0;
        while (refFirst < FReference.samples.size() &&
               std::abs(FReference.samples[refFirst]) <= 300)
            ++refFirst;
        std::size_t changeIdx = FMonitor.IndexAt(changedAt);
        auto ratio = [&](std::size_t from, std::size_t to) {
            const auto& rec = FMonitor.Samples();
            return Rms(rec, first + from, first + to) /
                   Rms(FReference.samples, refFirst + from, refFirst + to);
        };
        std::size_t before = changeIdx - first;
        std::size_t after = before + MonitorRecorder::kRate / 2; // past what was buffered
        std::size_t end = FMonitor.LastLoud() - first;
        QVERIFY(before > std::size_t(MonitorRecorder::kRate) && end > after + 8000);
        double full = ratio(0, before), half = ratio(after, end);
        QVERIFY2(std::abs(full - 1.0) < 0.15, qPrintable(QString::number(full)));
        QVERIFY2(std::abs(half / full - 0.5) <= 0.05,
                 qPrintable(QString("%1 then %2").arg(full).arg(half)));

        DWORD v = 0;
        QVERIFY(Succeeded(dev->VolumeGet(v)));
        QCOMPARE(v, DWORD(0x80008000u));
        // Kept for the next run once the program saves it, as it does at its end.
        QVERIFY(platform::Services().Volume->Save());
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--print-volume"});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray::number(0x80008000u));
        dev->VolumeSet(0xFFFFFFFFu);
        platform::Services().Volume->Save();
    }

    // The owner lets go of the destination from its own thread when the end is told, as the
    // window and the command line do when a reading ends: while the end is still being told
    // (a slow listener; the release waits for it only so long) and just after.
    void releasedAtTheEndFromAnotherThread() {
        std::vector<std::int16_t> tone(2205);
        for (std::size_t i = 0; i < tone.size(); ++i)
            tone[i] = std::int16_t(8000 * std::sin(double(i) * 0.2));
        for (int round = 0; round < 12; ++round) {
            const bool slowEnd = round < 2;
            auto dest = std::make_shared<engines::AudioDestDevice>();
            QVERIFY(Succeeded(dest->Open()));
            QVERIFY(Succeeded(dest->StreamStart({22050, 1})));
            QVERIFY(Succeeded(dest->StreamWrite(tone.data(), tone.size())));
            // The listener may still be returning on the audio thread when the release has
            // stopped waiting for it, so what it touches is shared with it, not on this stack.
            struct Handshake {
                std::mutex m;
                std::condition_variable cv;
                bool ended = false, released = false, returned = false;
            };
            auto h = std::make_shared<Handshake>();
            QVERIFY(Succeeded(dest->StreamEnd([h, slowEnd](HRESULT) {
                std::unique_lock lock(h->m);
                h->ended = true;
                h->cv.notify_all();
                if (slowEnd)
                    h->cv.wait_for(lock, std::chrono::seconds(10), [&] { return h->released; });
                h->returned = true;
                h->cv.notify_all();
            })));
            std::thread owner([&] {
                std::unique_lock lock(h->m);
                h->cv.wait_for(lock, std::chrono::seconds(10), [&] { return h->ended; });
                lock.unlock();
                dest.reset();
                lock.lock();
                h->released = true;
                h->cv.notify_all();
            });
            owner.join();
            std::unique_lock lock(h->m);
            QVERIFY2(h->ended, qPrintable(QString("round %1").arg(round)));
            QVERIFY2(h->cv.wait_for(lock, std::chrono::seconds(10), [&] { return h->returned; }),
                     qPrintable(QString("round %1: the listener never returned").arg(round)));
        }
        Idle(500); // what the releases left behind goes meanwhile
    }

    // Last: the server goes away in the middle of a sentence.
    void lostServerGivesAnErrorAndOneStop() {
        Component c;
        c.speech.SpeakText(QString::fromStdString(kText));
        QVERIFY(WaitFor([&] { return c.starts == 1; }, 5000));
        Idle(500);
        FMonitor.Stop();
        FServer.Stop();
        QVERIFY(WaitFor([&] { return c.stops > 0; }, 10000));
        Idle(300);
        QCOMPARE(c.stops, 1);
        QCOMPARE(c.errors, 1);
        QCOMPARE(c.lastError, AUDERR_DEVICELOST);
        // Speaking again says clearly that there is no sound output, or fails the same way.
        c.errors = 0;
        try {
            c.speech.SpeakText("Anyone there?");
            QVERIFY(WaitFor([&] { return c.stops == 2; }, 10000));
            QCOMPARE(c.errors, 1);
        } catch (const EMSpeechException& e) {
            QVERIFY(e.Message().contains("sound output"));
        }
    }
};

int main(int argc, char** argv) {
    // The child that checks the kept volume: reads it as a new run of the program would.
    if (argc == 2 && std::strcmp(argv[1], "--print-volume") == 0) {
        QCoreApplication app(argc, argv);
        std::printf("%u\n", unsigned(engines::DeviceVolumeGet()));
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestAudioDevice test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_AudioDevice.moc"
