// SPDX-License-Identifier: GPL-3.0-or-later
// Speaking aloud with no sound server at all: a clear error, at once, and nothing hangs.
#include "AudioDestDevice.h"
#include "Engines.h"
#include "TestSupport.h"
#include "mSpeech.h"

#include <QtTest>

using namespace speech;
using namespace testsupport;

class TestAudioDeviceNoServer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { engines::RegisterEngines(); }

    void speakSaysThereIsNoSoundOutput() {
        TMSpeech speech;
        int stops = 0;
        speech.OnStop = [&](TMSpeech*) { ++stops; };
        speech.Output = soGeneral;
        speech.SelectEngine(speech.Engines().value(0));
        QVERIFY(speech.Selected);
        QElapsedTimer t;
        t.start();
        try {
            speech.SpeakText("Hello there.");
            QFAIL("speaking without a sound output succeeded");
        } catch (const EMSpeechException& e) {
            QCOMPARE(e.Message(), QString("No sound output device is available."));
        }
        // Pause, resume and stop still answer; no stop follows a text that was refused.
        speech.Pause();
        speech.Resume();
        speech.Stop();
        WaitFor([] { return false; }, 300);
        QCOMPARE(stops, 0);
    }

    // An engine that writes without asking first learns it from the first write, and the
    // end of its stream still comes.
    void streamWithoutDeviceFailsAndEnds() {
        engines::AudioDestDevice dev;
        QCOMPARE(dev.Open(), AUDERR_NODRIVER);
        QVERIFY(Succeeded(dev.StreamStart({22050, 1})));
        std::vector<std::int16_t> chunk(1102, 1000);
        HRESULT hr = S_OK;
        for (int i = 0; i < 200 && hr == S_OK; ++i) {
            hr = dev.StreamWrite(chunk.data(), chunk.size());
            WaitFor([] { return false; }, 5);
        }
        QCOMPARE(hr, AUDERR_NODRIVER);
        std::atomic<HRESULT> ended{S_OK};
        std::atomic<bool> done{false};
        dev.StreamEnd([&](HRESULT r) {
            ended = r;
            done = true;
        });
        QVERIFY(WaitFor([&] { return done.load(); }, 5000));
        QCOMPARE(ended.load(), AUDERR_NODRIVER);
        // The volume is there without any output.
        DWORD v = 0;
        QVERIFY(Succeeded(dev.VolumeGet(v)));
    }
};

QTEST_GUILESS_MAIN(TestAudioDeviceNoServer)
#include "tst_AudioDeviceNoServer.moc"
