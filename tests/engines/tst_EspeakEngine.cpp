// SPDX-License-Identifier: GPL-3.0-or-later
// espeak-ng for real, through the contract: what lands in the WAV file, and when.
#include "AudioDestFile.h"
#include "EngineHarness.h"
#include "Engines.h"
#include "EspeakEngine.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace speech;
using namespace testsupport;

class TestEspeakEngine : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    int FCount = 0;

    // Speaks `text` with mode 0 into a new WAV file and returns what was written.
    Wav SpeakToWav(const std::string& text, Binding* keep = nullptr, WORD pace = 0) {
        Binding local;
        return (keep ? *keep : local)
            .SpeakToWav(text, FDir.filePath(QString("out%1.wav").arg(++FCount)), pace);
    }

private slots:
    void initTestCase() {
        engines::RegisterEngines();
        QVERIFY(FDir.isValid());
    }

    // Runs before anything lists the voices: the first mode, found from the files of the
    // locale's language alone, is the one the whole list puts first, for every locale.
    void firstModeWithoutListing() {
        const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                      QLocale::AnyTerritory);
        std::vector<std::pair<std::string, std::string>> firsts;
        for (const QLocale& l : locales) {
            const std::string name = l.name().toStdString();
            auto first = engines::EspeakFirstMode(name);
            QVERIFY(first);
            firsts.emplace_back(name, first->Voice + " " + first->Info.szModeName);
        }
        for (const auto& [locale, voice] : firsts)
            QVERIFY2(engines::EspeakModes(locale).front().Voice + " " +
                             engines::EspeakModes(locale).front().Info.szModeName ==
                         voice,
                     qPrintable(QString::fromStdString(locale + ": " + voice)));
    }

    void modesAreStableAndOrdered() {
        auto modes = engines::EspeakModes("C");
        QVERIFY2(modes.size() > 20, "espeak-ng voices are installed");
        // Engine 0 suits a user without a locale (Qt takes C for American English): English,
        // male and female.
        QCOMPARE(QString(modes[0].Info.szModeName), QString("English (America) Male"));
        QCOMPARE(QString(modes[1].Info.szModeName), QString("English (America) Female"));
        QCOMPARE(modes[1].Info.wGender, GENDER_FEMALE);
        auto de = engines::EspeakModes("de_DE");
        QVERIFY(QString(de[0].Info.szModeName).startsWith("German"));
        // The same voice keeps its identifier from run to run and across locales.
        auto again = engines::EspeakModes("de_DE");
        for (std::size_t i = 0; i < de.size(); ++i)
            QVERIFY(de[i].Info.gModeID == again[i].Info.gModeID);
        auto sameVoice = std::find_if(modes.begin(), modes.end(), [&](auto& m) {
            return std::string(m.Info.szModeName) == de[0].Info.szModeName;
        });
        QVERIFY(sameVoice != modes.end() && sameVoice->Info.gModeID == de[0].Info.gModeID);
        QStringList names;
        for (auto& m : modes)
            names << m.Info.szModeName;
        QCOMPARE(names.removeDuplicates(), 0);
        QVERIFY(names.contains("English (America) Female"));
    }

    void attributesClampToTheirRange() {
        Binding b;
        QVERIFY(b.Bind(0, CLSID_AudioDestFile));
        DWORD speed = 0;
        b.attributes->SpeedSet(4294967295u);
        b.attributes->SpeedGet(speed);
        QCOMPARE(speed, DWORD(450));
        b.attributes->SpeedSet(0);
        b.attributes->SpeedGet(speed);
        QCOMPARE(speed, DWORD(80));
        WORD lo = 0, hi = 0;
        b.attributes->PitchSet(0);
        b.attributes->PitchGet(lo);
        b.attributes->PitchSet(65535);
        b.attributes->PitchGet(hi);
        QVERIFY(lo > 30 && hi > lo && hi < 400);
    }

    void sentenceMakesAValidAudibleWav() {
        Wav w = SpeakToWav("The quick brown fox jumps over the lazy dog.");
        QVERIFY(w.valid);
        QCOMPARE(w.sampleRate, 22050);
        QCOMPARE(w.channels, 1);
        QVERIFY2(w.seconds() > 1.5 && w.seconds() < 6, qPrintable(QString::number(w.seconds())));
        QVERIFY(Rms(w.samples) > 0.02);
    }

    void tagsShapeTheAudio() {
        const std::string a = "Good morning. Here is the news.";
        Wav plain = SpeakToWav(a);
        Wav paused = SpeakToWav("Good morning. \\Pau=1000\\Here is the news.");
        QVERIFY(plain.valid && paused.valid);
        double added = paused.seconds() - plain.seconds();
        QVERIFY2(std::abs(added - 1.0) <= 0.020, qPrintable(QString::number(added)));

        Wav unknown = SpeakToWav("Good morning. Here \\Xyz=12\\is the \\Mrk\\news.");
        QVERIFY2(std::abs(unknown.seconds() - plain.seconds()) <= 0.050,
                 qPrintable(QString("%1 vs %2").arg(unknown.seconds()).arg(plain.seconds())));

        const std::string text = "This sentence is read at two very different speeds today.";
        Wav fast = SpeakToWav("\\Spd=300\\" + text);
        Wav slow = SpeakToWav("\\spd=100\\" + text);
        QVERIFY2(fast.seconds() < slow.seconds() * 0.6,
                 qPrintable(QString("%1 vs %2").arg(fast.seconds()).arg(slow.seconds())));

        Wav silent = SpeakToWav("\\Vol=0\\You should not hear this.");
        QVERIFY(silent.valid && silent.seconds() > 0.5);
        QVERIFY(Rms(silent.samples) < 0.001);

        // Text that only looks like a tag is spoken, a double backslash is one backslash.
        Wav path = SpeakToWav("Open C:\\Windows\\System now.");
        QVERIFY(path.seconds() > plain.seconds() * 0.5);
        Wav whisper = SpeakToWav("\\Chr=\"Whisper\"\\Good morning. Here is the news.");
        Wav mono = SpeakToWav("\\Chr=\"Monotone\"\\Good morning. \\Rst\\Here is the news.");
        QVERIFY(whisper.valid && Rms(whisper.samples) > 0.001 && mono.valid);
    }

    void wordPositionsFollowTheWords() {
        for (const std::string& text :
             {std::string("One two three, four five. The 12 cats in the garden ran 3,500 metres!"),
              std::string(
                  "Café au lait für über zwölf Männer, déjà vu.\n\nNext para-graph here.")}) {
            Binding b;
            QVERIFY(b.Bind(0, CLSID_AudioDestFile));
            Wav w = SpeakToWav(text, &b);
            QVERIFY(w.valid);
            std::vector<std::uint32_t> starts;
            for (std::size_t i = 0; i < text.size(); ++i)
                if (!std::isspace((unsigned char)text[i]) &&
                    (i == 0 || std::isspace((unsigned char)text[i - 1])))
                    starts.push_back(std::uint32_t(i));
            std::vector<std::uint32_t> got;
            for (auto& word : b.recorder->words)
                got.push_back(word.offset);
            // Every word once, in order, at its first byte.
            QCOMPARE(got, starts);
        }
    }

    void tagsDoNotShiftWordPositions() {
        const std::string text = "Hello \\Spd=200\\brave \\\\ new \\Pau=100\\world.";
        Binding b;
        QVERIFY(b.Bind(0, CLSID_AudioDestFile));
        QVERIFY(SpeakToWav(text, &b).valid);
        std::vector<std::uint32_t> got;
        for (auto& word : b.recorder->words)
            got.push_back(word.offset);
        std::vector<std::uint32_t> want = {
            0, std::uint32_t(text.find("brave")), std::uint32_t(text.find("\\\\")),
            std::uint32_t(text.find("new")), std::uint32_t(text.find("world"))};
        QCOMPARE(got, want);
    }

    void cappedWritingKeepsItsPace() {
        // About 4 s of audio at 8x real time takes at least half a second.
        const std::string text = "A capped conversion writes the file no faster than the option "
                                 "allows, so the editor can follow every word of it.";
        Binding b;
        QVERIFY(b.Bind(0, CLSID_AudioDestFile));
        QElapsedTimer t;
        t.start();
        Wav w = SpeakToWav(text, &b, 2048);
        qint64 ms = t.elapsed();
        QVERIFY(w.valid);
        QVERIFY2(w.seconds() > 3, qPrintable(QString::number(w.seconds())));
        QVERIFY2(ms >= 450, qPrintable(QString::number(ms)));
        // Word positions come at that pace too, not all at the start.
        auto& words = b.recorder->words;
        QVERIFY(words.size() > 10);
        QVERIFY(words.back().ms - words.front().ms > 250);
    }

    void resetEndsWithOneStop() {
        Binding b;
        QVERIFY(b.Bind(0, CLSID_AudioDestFile));
        std::shared_ptr<IAudioFile> file;
        QueryInterface(b.destination, file);
        QVERIFY(Succeeded(file->Set(FDir.filePath("reset.wav").toStdU16String(), 1)));
        file->RealTimeSet(256); // real time: there is time to stop it
        std::string longText;
        for (int i = 0; i < 50; ++i)
            longText += "This is a long text that is stopped long before its end. ";
        QVERIFY(Succeeded(b.Speak(longText)));
        QTest::qWait(300);
        QVERIFY(Succeeded(b.central->AudioReset()));
        QVERIFY(b.WaitStop(2000));
        QTest::qWait(300);
        QCOMPARE(b.recorder->stops.load(), 1);
        file->Flush();
        Wav w = ReadWav(FDir.filePath("reset.wav"));
        QVERIFY(w.valid); // what was spoken so far is a complete file
        QVERIFY(w.seconds() > 0.1 && w.seconds() < 3);
    }

    void fileErrorsAreResultCodes() {
        engines::AudioDestFile dest;
        QCOMPARE(dest.Set(u"/nonexistent-folder/x.wav", 1), AUDERR_CANTOPENFILE);
        QVERIFY(Failed(dest.Set(u"", 1)));
    }

    void fullDiskReportsAnErrorThenAStop() {
        if (!QFile::exists("/dev/full"))
            QSKIP("no /dev/full");
        Binding b;
        QVERIFY(b.Bind(0, CLSID_AudioDestFile));
        std::shared_ptr<IAudioFile> file;
        QueryInterface(b.destination, file);
        QVERIFY(Succeeded(file->Set(u"/dev/full", 1)) || true);
        std::string text;
        for (int i = 0; i < 20; ++i)
            text += "Nothing of this fits on the disk. ";
        QVERIFY(Succeeded(b.Speak(text)));
        QVERIFY(b.WaitStop(10000));
        QCOMPARE(b.recorder->errors.load(), 1);
        QCOMPARE(b.recorder->lastError, AUDERR_WRITEFAILED);
    }
};

QTEST_GUILESS_MAIN(TestEspeakEngine)
#include "tst_EspeakEngine.moc"
