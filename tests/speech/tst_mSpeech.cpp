// SPDX-License-Identifier: GPL-3.0-or-later
// The speech component's own logic, against the scripted engine.
#include "ScriptedEngine.h"
#include "TestSupport.h"
#include "mSpeech.h"

#include <QThread>
#include <QtTest>

#include <thread>

using namespace speech;
using scripted::CurrentLog;
using scripted::CurrentScript;

class TestMSpeech : public QObject {
    Q_OBJECT

    static std::shared_ptr<scripted::Central> Last() { return CurrentLog().lastCentral.lock(); }

    template <class F> static QString ErrorOf(F fn) {
        try {
            fn();
        } catch (const std::exception& e) {
            return QString::fromUtf8(e.what());
        }
        return {};
    }

private slots:
    // A name or message longer than its field is cut before a character that does not fit
    // whole: what is left reads as UTF-8, without a broken character at its end.
    void fieldsCutWholeCharacters() {
        for (const char* text : {"abcd\xc3\xa9", "abc\xe2\x82\xac", "ab\xf0\x9f\x94\x8a"}) {
            char field[6];
            speech::CopyField(field, text);
            const QByteArray kept(field);
            QVERIFY2(!QString::fromUtf8(kept).contains(QChar::ReplacementCharacter), text);
            QVERIFY(QByteArray(text).startsWith(kept) && kept.size() >= 2);
        }
        char exact[6];
        speech::CopyField(exact, "abc\xc3\xa9");
        QCOMPARE(QByteArray(exact), QByteArray("abc\xc3\xa9"));
    }

    void init() {
        scripted::Install();
        CurrentScript().modeNames = {"Alpha Male", "Beta Female", "alpha male", "Gamma"};
    }

    void enumerationAndLookup() {
        TMSpeech s;
        QVERIFY(s.Initialized && s.Enabled);
        QCOMPARE(s.Engines(), QStringList({"Alpha Male", "Beta Female", "alpha male", "Gamma"}));
        // Names match without letter case; the first of two equal names wins.
        s.SelectEngine("ALPHA MALE");
        QVERIFY(s.Selected);
        QCOMPARE(Last()->modeIndex, 0);
        QCOMPARE(ErrorOf([&] { s.SelectEngine("Delta"); }),
                 QString("Specified Speech Engine not found"));

        CurrentScript().modeNames.clear();
        TMSpeech none;
        QVERIFY(none.Initialized && none.Engines().isEmpty());
        QCOMPARE(ErrorOf([&] { none.SelectEngine("Alpha Male"); }),
                 QString("Specified Speech Engine not found"));
    }

    void failedEnumerationDisables() {
        CurrentScript().failNextAfter = 2;
        TMSpeech s;
        QCOMPARE(s.Engines().size(), 2); // what came before the failure stays
        QVERIFY(!s.Initialized && !s.Enabled);
        s.SpeakText("nothing happens"); // disabled: no exception, no call
        QVERIFY(CurrentLog().texts.empty());
        // A stored Enabled overrides the failure; speaking then says why it can't.
        s.Enabled = true;
        QCOMPARE(ErrorOf([&] { s.SpeakText("x"); }), QString("Speech Engine not initialized"));
        QCOMPARE(ErrorOf([&] { s.SelectEngine("Alpha Male"); }),
                 QString("Speech Engine not initialized"));

        // The first mode is found and bound without listing the others.
        scripted::Install();
        CurrentScript().modeNames = {"Alpha Male", "Beta Female"};
        CurrentScript().failNextAfter = 1;
        TMSpeech lazy;
        QCOMPARE(lazy.EngineName(0), QString("Alpha Male"));
        lazy.SelectEngine("ALPHA MALE");
        QVERIFY(lazy.Selected && lazy.Initialized);
        QVERIFY(lazy.EngineName(1).isEmpty() && !lazy.Initialized); // listing them failed

        scripted::Install();
        CurrentScript().failEnumerator = true;
        TMSpeech t;
        QVERIFY(!t.Initialized && !t.Enabled && t.Engines().isEmpty());
    }

    void refusedBindingsLeaveItUnselected() {
        auto attempt = [](auto refuse) {
            scripted::Install();
            CurrentScript().modeNames = {"Alpha Male"};
            refuse(CurrentScript());
            TMSpeech s;
            s.SelectEngine("Alpha Male"); // absorbed, never raised
            return s.Selected;
        };
        QVERIFY(!attempt([](scripted::Script& s) { s.failDestination = true; }));
        QVERIFY(!attempt([](scripted::Script& s) { s.failSelect = true; }));
        QVERIFY(!attempt([](scripted::Script& s) { s.failAttributes = true; }));
        QVERIFY(!attempt([](scripted::Script& s) { s.failDialogs = true; }));
        QVERIFY(!attempt([](scripted::Script& s) {
            s.refuseExtendedSink = true;
            s.refuseBasicSink = true;
        }));
        QVERIFY(attempt([](scripted::Script&) {}));

        TMSpeech s;
        QCOMPARE(ErrorOf([&] { s.SpeakText("x"); }), QString("Speech Engine not selected"));
    }

    void basicSinkWhenExtendedIsRefused() {
        CurrentScript().refuseExtendedSink = true;
        TMSpeech s;
        s.SelectEngine("Gamma");
        QVERIFY(s.Selected);
        auto& calls = CurrentLog().calls;
        QVERIFY(std::find(calls.begin(), calls.end(), "Register basic") != calls.end());
        QVERIFY(Last()->sink && !Last()->sink2);
        int starts = 0;
        s.OnStart = [&](TMSpeech*) { ++starts; };
        Last()->sink->AudioStart(0);
        QVERIFY(testsupport::WaitFor([&] { return starts == 1; }, 1000));
    }

    void engineInfoAndRangeProbing() {
        TMSpeech s;
        s.SelectEngine("Beta Female");
        QVERIFY(s.Selected);
        const auto& i = s.EngineInfo;
        QCOMPARE(i.Name, QString("Beta Female"));
        QCOMPARE(i.Language, QString("Test English"));
        QCOMPARE(i.Gender, QString("FEMALE"));
        QCOMPARE(i.Age, 65535); // zero-extended
        QCOMPARE(i.Features, std::int32_t(0x80000001u));
        QVERIFY(i.ModeID.startsWith("{005C0001-") && i.ModeID.endsWith("}"));
        QCOMPARE(i.MaxPitch, std::uint16_t(400));
        QCOMPARE(i.MinPitch, std::uint16_t(50));
        QCOMPARE(i.MaxSpeed, 500u);
        QCOMPARE(i.MinSpeed, 60u);
        QCOMPARE(i.MaxRealTime, 1000u);
        QCOMPARE(i.MinRealTime, 1u);
        QCOMPARE(i.MaxVolume, 100u);
        // Probing puts the engine's own values back.
        WORD pitch;
        Last()->PitchGet(pitch);
        QCOMPARE(pitch, WORD(100));

        // An unknown gender code keeps the text there was; ranges stay the caller's.
        TMSpeechEngineInfo info;
        info.Gender = "kept";
        info.MaxSpeed = 777;
        QVERIFY(s.GetEngineInfo("gamma", info));
        QCOMPARE(info.Gender, QString("kept"));
        QCOMPARE(info.MaxSpeed, 777u);
        QCOMPARE(info.MaxVolume, 100u);
        QVERIFY(!s.GetEngineInfo("Delta", info));
    }

    void speakingHandsOverTheText() {
        TMSpeech s;
        s.SelectEngine("Alpha Male");
        s.SetText({"one", "two"});
        s.Speak();
        s.SetText({});
        s.Speak();
        auto& log = CurrentLog();
        QCOMPARE(log.texts, std::vector<std::string>({"one\r\ntwo\r\n", ""}));
        QCOMPARE(log.lengths, std::vector<DWORD>({11, 1})); // with the terminating NUL
        QCOMPARE(log.calls.back(), std::string("TextData flags 1"));

        s.SetPitch(65535);
        s.SetSpeed(4294967295u);
        QCOMPARE(log.injected, std::vector<std::string>({"\\Pit=65535\\", "\\Spd=4294967295\\"}));
    }

    // A text in pieces: a few ahead of the engine, one more for each the engine is done with,
    // one stop at the very end; a stop before the end (the engine ran dry) is not the end.
    void speaksATextInPieces() {
        TMSpeech s;
        s.Output = soFile;
        s.SelectEngine("Alpha Male");
        s.Filename = "/tmp/pieces.wav";
        int asked = 0, total = 8;
        auto source = [&]() -> std::optional<QString> {
            if (asked == total)
                return std::nullopt;
            return QString("piece %1").arg(asked++);
        };
        bool stopped = false;
        s.OnStop = [&](TMSpeech*) { stopped = true; };
        auto& log = CurrentLog();
        s.SpeakPieces(source);
        QCOMPARE(log.fileNames.size(), std::size_t(1)); // the file is opened once
        QCOMPARE(log.texts, std::vector<std::string>({"piece 0", "piece 1", "piece 2"}));
        Last()->bufSink->TextDataDone(0, 0);
        QVERIFY(testsupport::WaitFor([&] { return log.texts.size() == 4; }, 1000));
        QCOMPARE(log.texts.back(), std::string("piece 3"));

        // The engine spoke all it had before the next piece came: the text goes on.
        Last()->sink->AudioStop(0);
        QVERIFY(testsupport::WaitFor([&] { return log.texts.size() == 7; }, 1000));
        QVERIFY(!stopped);
        QCOMPARE(log.flushes, 0);
        QCOMPARE(log.fileNames.size(), std::size_t(1));

        // The last piece is handed over, the source says there is no more: the stop is the end.
        for (int i = 0; i < 3; ++i)
            Last()->bufSink->TextDataDone(0, 0);
        QVERIFY(testsupport::WaitFor([&] { return log.texts.size() == 8; }, 1000));
        QTest::qWait(50);
        Last()->sink->AudioStop(0);
        QVERIFY(testsupport::WaitFor([&] { return stopped; }, 1000));
        QCOMPARE(log.flushes, 1);
        QCOMPARE(asked, total);

        // Stop ends the text: nothing more is asked for.
        asked = 0;
        total = 100;
        s.SpeakPieces(source);
        QCOMPARE(asked, 3);
        s.Stop();
        Last()->bufSink->TextDataDone(0, 0);
        QTest::qWait(50);
        QCOMPARE(asked, 3);

        // A source that fails ends the text and says why.
        QString error;
        s.OnError = [&](TMSpeech*, std::int32_t, const QString& message) { error = message; };
        asked = 0;
        s.SpeakPieces([&]() -> std::optional<QString> {
            if (asked++ == 2)
                throw std::runtime_error("the disk went away");
            return QString("more");
        });
        QCOMPARE(error, QString("the disk went away"));
        Last()->bufSink->TextDataDone(0, 0);
        QTest::qWait(50);
        QCOMPARE(asked, 3);
    }

    void fileOutputAndItsFailures() {
        TMSpeech s;
        s.Output = soFile;
        s.SelectEngine("Alpha Male");
        std::shared_ptr<IUnknown> dest;
        s.GetInterface(0, dest);
        QVERIFY(dest);
        s.Filename = "/tmp/é.wav";
        s.SpeakText("Hello");
        // The name travels as UTF-16 (the scripted engine keeps the low byte of each unit).
        QCOMPARE(CurrentLog().fileNames.back(), std::string("/tmp/\xE9.wav"));
        // The stop flushes the file before the event runs.
        bool stopped = false;
        s.OnStop = [&](TMSpeech*) {
            QCOMPARE(CurrentLog().flushes, 1);
            stopped = true;
        };
        Last()->sink->AudioStop(0);
        QVERIFY(testsupport::WaitFor([&] { return stopped; }, 1000));

        CurrentScript().failFileSet = true;
        QCOMPARE(ErrorOf([&] { s.SpeakText("x"); }),
                 "Can not open file " + s.Filename); // the name; no reason known
        CurrentScript().failFileSet = false;
        CurrentScript().textDataResult = AUDERR_NODRIVER;
        QCOMPARE(ErrorOf([&] { s.SpeakText("x"); }),
                 QString("No sound output device is available."));

        // A changed Output shows the destination of that kind: none was made yet.
        s.Output = soGeneral;
        std::shared_ptr<IUnknown> none;
        s.GetInterface(0, none);
        QVERIFY(!none);
        std::shared_ptr<IUnknown> untouched = dest;
        s.GetInterface(9, untouched);
        QCOMPARE(untouched, dest);
    }

    void pauseResumeStop() {
        TMSpeech s;
        s.SelectEngine("Alpha Male");
        s.Pause();
        QVERIFY(s.Paused);
        s.Stop(); // clears Paused before the reset
        QVERIFY(!s.Paused);
        QCOMPARE(CurrentLog().calls.back(), std::string("AudioReset"));

        CurrentScript().pauseResult = HRESULT(0x8000FFFFu);
        QCOMPARE(ErrorOf([&] { s.Pause(); }), QString("OLE error 8000FFFF"));
        QVERIFY(!s.Paused);
        CurrentScript().dialogResult = TTSERR_NOTSUPPORTED;
        QCOMPARE(ErrorOf([&] { s.ShowEngineDialog(2, nullptr, nullptr); }),
                 QString("The speech engine does not offer this."));
        QCOMPARE(CurrentLog().calls.back(), std::string("LexiconDlg null"));
        s.ShowEngineDialog(4, nullptr, nullptr); // any other kind does nothing
    }

    void notificationsArriveOnTheOwnerThread() {
        TMSpeech s;
        s.SelectEngine("Alpha Male");
        QThread* owner = QThread::currentThread();
        QThread* seenOn = nullptr;
        int stops = 0, errors = 0;
        QString errorText;
        s.OnStop = [&](TMSpeech*) {
            seenOn = QThread::currentThread();
            ++stops;
        };
        s.OnError = [&](TMSpeech*, std::int32_t code, const QString& text) {
            errors += code == 42;
            errorText = text;
        };
        struct Err : ITTSErrorObject {
            HRESULT GetErrorInfo(TTSERRORINFO& i) override {
                i.Code = 42;
                CopyField(i.Text, "broken");
                return S_OK;
            }
        };
        auto c = Last();
        std::thread engine([c] {
            c->sink2->Error(std::make_shared<Err>());
            c->sink->AudioStop(0);
        });
        engine.join();
        QCOMPARE(stops, 0); // nothing runs until the owner's loop dispatches
        QVERIFY(testsupport::WaitFor([&] { return stops == 1 && errors == 1; }, 1000));
        QCOMPARE(seenOn, owner);
        QCOMPARE(errorText, QString("broken"));
    }

    void replacedBindingIsSilent() {
        TMSpeech s;
        int starts = 0, stops = 0;
        s.OnStart = [&](TMSpeech*) { ++starts; };
        s.OnStop = [&](TMSpeech*) { ++stops; };
        s.SelectEngine("Alpha Male");
        auto old = Last();
        old->sink->AudioStart(0); // queued, not yet delivered
        s.SelectEngine("Beta Female");
        old->sink->AudioStop(0);
        old->bufSink.reset();
        QVERIFY(!testsupport::WaitFor([&] { return starts + stops > 0; }, 200));
        auto& calls = CurrentLog().calls;
        QVERIFY(std::find(calls.begin(), calls.end(), "UnRegister 7") != calls.end());
        Last()->sink->AudioStop(0);
        QVERIFY(testsupport::WaitFor([&] { return stops == 1; }, 1000));
        QCOMPARE(starts, 0);
    }

    void wordOffsetsInBytesAndCharacters() {
        TMSpeech s;
        s.SelectEngine("Alpha Male");
        const QString text = QString::fromUtf8("Café über 𝄞 clef now");
        s.SpeakText(text);
        auto buf = Last()->bufSink;
        QByteArray utf8 = text.toUtf8();
        for (const char* word : {"über", "clef", "now", "Café"}) {
            int byte = utf8.indexOf(word);
            buf->WordPosition(0, DWORD(byte));
            QVERIFY(
                testsupport::WaitFor([&] { return s.WordOffset == std::uint32_t(byte); }, 1000));
            QCOMPARE(s.WordCharOffset, text.indexOf(QString::fromUtf8(word)));
        }
    }

    void pacedFileWordsKeepTheLast() {
        // A file is written far faster than words are spoken, and its words are paced: the last
        // of a burst is not lost, it is there when the stop arrives.
        TMSpeech s;
        s.Output = soFile;
        s.SelectEngine("Alpha Male");
        s.Filename = "/tmp/words.wav";
        s.SpeakText(QString("word ").repeated(2000));
        std::uint32_t atStop = 0;
        auto buf = Last()->bufSink;
        for (DWORD i = 0; i < 2000; ++i)
            buf->WordPosition(0, i * 5);
        s.OnStop = [&](TMSpeech*) { atStop = s.WordOffset; };
        Last()->sink->AudioStop(0);
        QVERIFY(testsupport::WaitFor([&] { return atStop != 0; }, 1000));
        QCOMPARE(atStop, 1999u * 5);
    }

    void destroyedWhileTheEngineNotifies() {
        auto* s = new TMSpeech;
        s->SelectEngine("Alpha Male");
        auto c = Last();
        bool ran = false;
        s->OnStop = [&](TMSpeech*) { ran = true; };
        c->sink->AudioStop(0);
        delete s;
        c->sink->AudioStop(0); // the engine still holds the sink: harmless
        QTest::qWait(50);
        QVERIFY(!ran);
    }
};

QTEST_GUILESS_MAIN(TestMSpeech)
#include "tst_mSpeech.moc"
