// SPDX-License-Identifier: GPL-3.0-or-later
// Flite for real, through the contract, and the one list of every engine's voices.
#include "EngineFamily.h"
#include "EngineHarness.h"
#include "Engines.h"
#include "Lexicon.h"
#include "TestSupport.h"
#include "mSpeech.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace speech;
using namespace testsupport;

namespace {

// The index of the first mode called `name` in the platform's list, -1 when there is none.
int ModeIndex(const QString& name) {
    TMSpeech s;
    return int(s.Engines().indexOf(name));
}

} // namespace

class TestFliteEngine : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    int FCount = 0;

    Wav Speak(const QString& voice, const std::string& text, Binding* keep = nullptr) {
        Binding local;
        Binding& b = keep ? *keep : local;
        if (!b.central && !b.Bind(ModeIndex(voice), CLSID_AudioDestFile))
            return {};
        return b.SpeakToWav(text, FDir.filePath(QString("f%1.wav").arg(++FCount)));
    }

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        // A voice file that is not one: listed, and refused when selected.
        QVERIFY(QDir().mkpath(FDir.filePath("data/flite")));
        WriteBytes(FDir.filePath("data/flite/cmu_us_broken.flitevox"), QByteArray(4096, 'x'));
        // One that starts as a voice file does and is garbage after: Flite gives up on it.
        WriteBytes(FDir.filePath("data/flite/cmu_us_cut.flitevox"),
                   QByteArray("CMU_FLITE_CG_VOXDATA-v2.0", 26) + QByteArray(4096, '\xff'));
        qputenv("XDG_DATA_HOME", FDir.filePath("data").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", FDir.filePath("config").toLocal8Bit());
        engines::RegisterEngines();
    }

    // Within a language the first engine's voices keep their order, the next engine's follow
    // them; a language the first one lacks comes at the end.
    void voicesOfALanguageStandTogether() {
        const auto order =
            engines::MergeVoiceOrder({{"en-us", "de", "en-gb", "fr"}, {"EN", "hi", "en-US"}, {}});
        const std::vector<std::pair<std::size_t, std::size_t>> want = {
            {0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 2}, {0, 3}, {1, 1}};
        QCOMPARE(order, want);
        QVERIFY(engines::MergeVoiceOrder({{}, {"de", "en"}}) ==
                (std::vector<std::pair<std::size_t, std::size_t>>{{1, 0}, {1, 1}}));

        TMSpeech s;
        const QStringList& names = s.Engines();
        const QList<TMSpeechEngineInfo>& infos = s.ListedEngineInfos();
        QCOMPARE(names.size(), infos.size());
        // Engine 0 is still espeak-ng's first voice, and found without the list.
        TMSpeech lazy;
        QCOMPARE(lazy.EngineName(0), names.value(0));
        QVERIFY(infos[0].Product.startsWith("eSpeak NG"));
        // Debian's Flite voices, in the English group right after espeak-ng's English voices.
        const QStringList flite = {"Flite awb Male", "Flite kal Male", "Flite kal16 Male",
                                   "Flite rms Male", "Flite slt Female"};
        const int at = int(names.indexOf(flite[0]));
        QVERIFY2(at > 0, qPrintable(names.join(", ")));
        QCOMPARE(names.mid(at, 5), flite);
        QVERIFY(infos[at - 1].Language.startsWith("en"));
        QVERIFY(!names.contains("Flite awb_time Male") && !names.contains("Flite time_awb"));
        QCOMPARE(infos[at + 4].Gender, QString("FEMALE"));
        QCOMPARE(infos[at + 4].Language, QString("en-us"));
        QCOMPARE(QStringList(names).removeDuplicates(), 0);
        // The voice file comes after the built-in voices, by its file's name.
        QVERIFY(names.contains("Flite cmu_us_broken"));
    }

    void sentenceMakesSpeechOfTheExpectedLength() {
        const std::string text = "The quick brown fox jumps over the lazy dog.";
        // Flite's own command line says the same sentence for the reference. A voice that is
        // slow to start says the first phrase of a stream on its own (a short pause more).
        for (auto [voice, name, rate, slack] : {std::tuple{"kal", "Flite kal Male", 8000, 0.1},
                                                {"slt", "Flite slt Female", 16000, 0.3}}) {
            const QString ref = FDir.filePath(QString("reference-%1.wav").arg(voice));
            QCOMPARE(QProcess::execute(
                         "flite", {"-voice", voice, "-t", QString::fromStdString(text), "-o", ref}),
                     0);
            const Wav reference = ReadWav(ref);
            QVERIFY(reference.valid);
            Binding b;
            QVERIFY(b.Bind(ModeIndex(name), CLSID_AudioDestFile));
            b.attributes->SpeedSet(175); // the voice's own pace
            const Wav w = Speak(name, text, &b);
            QVERIFY(w.valid);
            QCOMPARE(w.sampleRate, rate);
            QCOMPARE(w.channels, 1);
            const double ours = SoundingSeconds(w), theirs = SoundingSeconds(reference);
            QVERIFY2(std::abs(ours - theirs) < theirs * slack,
                     qPrintable(QString("%1: %2 s, flite %3 s").arg(voice).arg(ours).arg(theirs)));
            QVERIFY(Rms(w.samples) > 0.02);
            // Heard at once: the pause every utterance of Flite's begins with is left out of
            // the first.
            const auto loud = std::find_if(w.samples.begin(), w.samples.end(),
                                           [](std::int16_t v) { return std::abs(v) > 300; });
            const double lead = double(loud - w.samples.begin()) / w.sampleRate;
            QVERIFY2(lead < 0.06, qPrintable(QString("%1: %2 s of silence").arg(voice).arg(lead)));
        }
    }

    void tagsAndAttributesShapeIt() {
        const QString voice = "Flite kal Male";
        const std::string text = "Good morning. Here is the news of the day.";
        const Wav plain = Speak(voice, text);
        const Wav paused = Speak(voice, "Good morning. \\Pau=1000\\Here is the news of the day.");
        QVERIFY(plain.valid && paused.valid);
        const double added = paused.seconds() - plain.seconds();
        QVERIFY2(added > 0.8 && added < 1.3, qPrintable(QString::number(added)));
        const Wav fast = Speak(voice, "\\Spd=300\\" + text);
        const Wav slow = Speak(voice, "\\Spd=100\\" + text);
        QVERIFY2(fast.seconds() < slow.seconds() * 0.6,
                 qPrintable(QString("%1 vs %2").arg(fast.seconds()).arg(slow.seconds())));
        const Wav silent = Speak(voice, "\\Vol=0\\You should not hear this.");
        QVERIFY(silent.valid && silent.seconds() > 0.5 && Rms(silent.samples) < 0.001);
        const Wav unknown =
            Speak(voice, "Good morning. Here \\Xyz=1\\is the news \\Mrk\\of the day.");
        QVERIFY(std::abs(unknown.seconds() - plain.seconds()) < 0.1);
        // The pitch attribute clamps to the voice's range.
        Binding b;
        QVERIFY(b.Bind(ModeIndex(voice), CLSID_AudioDestFile));
        WORD lo = 0, hi = 0;
        b.attributes->PitchSet(0);
        b.attributes->PitchGet(lo);
        b.attributes->PitchSet(65535);
        b.attributes->PitchGet(hi);
        QVERIFY(lo > 20 && hi > lo && hi <= 400);
    }

    void wordPositionsFollowTheWords() {
        const std::string text =
            "One two three, four five. The 12 cats in the garden ran 3,500 metres!\n\n"
            "Next (para-graph) here: \"quoted\" words, don't stop.";
        for (const QString& voice : {QString("Flite kal Male"), QString("Flite slt Female")}) {
            Binding b;
            QVERIFY(b.Bind(ModeIndex(voice), CLSID_AudioDestFile));
            QVERIFY(Speak(voice, text, &b).valid);
            std::vector<std::uint32_t> starts, got;
            for (std::size_t i = 0; i < text.size(); ++i)
                if (!std::isspace((unsigned char)text[i]) &&
                    (i == 0 || std::isspace((unsigned char)text[i - 1])))
                    starts.push_back(std::uint32_t(i));
            for (auto& w : b.recorder->words)
                got.push_back(w.offset);
            QCOMPARE(got, starts);
        }
    }

    void lexiconRespellsButLeavesPhonemesOut() {
        const QString voice = "Flite kal Male";
        const std::string text = "Nurva reads it.";
        const Wav before = Speak(voice, text);
        auto lexicon = std::make_shared<engines::Lexicon>();
        lexicon->Parse("nurva\tsupercalifragilistic expialidocious\nreads\t[[r'i:dz]]\n");
        engines::SetCurrentLexicon(lexicon);
        const Wav respelt = Speak(voice, text);
        engines::SetCurrentLexicon(nullptr);
        QVERIFY(before.valid && respelt.valid);
        QVERIFY2(respelt.seconds() > before.seconds() + 0.8,
                 qPrintable(QString("%1 vs %2").arg(respelt.seconds()).arg(before.seconds())));
    }

    // A voice file that Flite cannot read is refused, says why, and the others go on.
    void brokenVoiceFileIsRefused() {
        TMSpeech s;
        s.Output = soFile;
        s.SelectEngine("Flite cmu_us_broken");
        QVERIFY(!s.Selected);
        QVERIFY2(s.EngineProblems().join("\n").contains("cmu_us_broken.flitevox"),
                 qPrintable(s.EngineProblems().join("\n")));
        s.SelectEngine("Flite cmu_us_cut");
        QVERIFY(!s.Selected);
        s.SelectEngine("Flite rms Male");
        QVERIFY(s.Selected);
    }

    void resetEndsWithOneStop() {
        Binding b;
        QVERIFY(b.Bind(ModeIndex("Flite slt Female"), CLSID_AudioDestFile));
        std::shared_ptr<IAudioFile> file;
        QueryInterface(b.destination, file);
        QVERIFY(Succeeded(file->Set(FDir.filePath("reset.wav").toStdU16String(), 1)));
        file->RealTimeSet(256);
        std::string longText;
        for (int i = 0; i < 30; ++i)
            longText += "This is a long text that is stopped long before its end. ";
        QVERIFY(Succeeded(b.Speak(longText)));
        QTest::qWait(400);
        QVERIFY(Succeeded(b.central->AudioReset()));
        QVERIFY(b.WaitStop(3000));
        QTest::qWait(300);
        QCOMPARE(b.recorder->stops.load(), 1);
        file->Flush();
        QVERIFY(ReadWav(FDir.filePath("reset.wav")).valid);
    }
};

QTEST_GUILESS_MAIN(TestFliteEngine)
#include "tst_FliteEngine.moc"
