// The pronunciation lexicon: its file, its matching rules, and what espeak-ng makes of it.
#include "EngineHarness.h"
#include "Engines.h"
#include "KoUtils.h"
#include "Lexicon.h"
#include "TestSupport.h"
#include "WordPositions.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace speech;
using namespace testsupport;
using engines::Lexicon;
using engines::LexiconEntry;

namespace {

std::shared_ptr<Lexicon> Of(std::vector<LexiconEntry> entries) {
    auto lexicon = std::make_shared<Lexicon>();
    lexicon->Entries = std::move(entries);
    return lexicon;
}

// The text the engine would speak, and the source offset of each of its word starts.
std::pair<QString, std::vector<std::uint32_t>> Applied(const Lexicon& lexicon,
                                                       const std::string& text) {
    engines::TextPiece piece;
    lexicon.Apply(text, 0, piece);
    std::vector<std::uint32_t> words;
    engines::WordTracker tracker(
        piece, 0, [&](std::uint64_t, std::uint32_t source) { words.push_back(source); });
    tracker.Finish(100);
    return {QString::fromStdString(piece.Text()), words};
}

} // namespace

class TestLexicon : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    int FCount = 0;

    // Speaks `text` with mode 0 into a new WAV file, with the word marks in `words`.
    Wav Speak(const std::string& text, std::vector<std::uint32_t>* words = nullptr) {
        Binding b;
        Wav wav = b.SpeakToWav(text, FDir.filePath(QString("out%1.wav").arg(++FCount)));
        if (words && wav.valid)
            for (auto& w : b.recorder->words)
                words->push_back(w.offset);
        return wav;
    }

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        // The program folder, where the lexicon file lives, is a folder of this test's own.
        QDir().mkpath(FDir.filePath("app"));
        KoUtils::SetExecutablePath(FDir.filePath("app/nurva"));
        engines::RegisterEngines();
    }

    void fileKeepsWhatItCannotRead() {
        Lexicon lexicon;
        QStringList problems;
        lexicon.Parse("# mine\nNurva\tNerva\nNASA\tnasa\tcase\ning\tX\tpart, case\r\n\n"
                      "no tab here\n\tempty word\nGNU\t[[gn'u:\nBad\tx\tloud\n",
                      &problems);
        std::vector<LexiconEntry> want = {
            {"Nurva", "Nerva"}, {"NASA", "nasa", true, true}, {"ing", "X", false, true}};
        QVERIFY(lexicon.Entries == want);
        QCOMPARE(problems.size(), 4);
        QVERIFY(problems[0].startsWith("line 6: no tab"));
        QVERIFY(problems[3].contains("unknown option \"loud\""));

        // Written back, nothing is lost, and read again it is the same lexicon.
        QString path = FDir.filePath("roundtrip.txt");
        QString error;
        QVERIFY(lexicon.Save(path, &error));
        Lexicon again;
        QVERIFY(again.Load(path, nullptr, &error));
        QVERIFY(again.Entries == want && again.Kept == lexicon.Kept);

        // A missing file is an empty lexicon; one that cannot be read says why.
        QVERIFY(again.Load(FDir.filePath("none.txt"), &problems, &error) && again.Entries.empty());
        QVERIFY(!again.Load(FDir.path(), &problems, &error) && !error.isEmpty());
    }

    void matchesWholeWordsAndCase() {
        Lexicon lexicon = *Of({{"Nurva", "Nerva"},
                               {"NASA", "Nasser", true, true},
                               {"New York", "Noo Yawk"},
                               {"New", "Gnu"},
                               {"ing", "X", false, false},
                               {"C++", "see plus plus"}});
        auto [text, words] = Applied(lexicon, "Nurva's nurva Nurvana NASA nasa");
        QCOMPARE(text, QString("Nerva's Nerva Nurvana Nasser nasa"));
        // The phrase wins over its first word; a part match works inside words.
        std::tie(text, words) = Applied(lexicon, "New York singing, New Yorker. C++ (C++)!");
        QCOMPARE(text, QString("Noo Yawk sXX, Gnu Yorker. see plus plus (see plus plus)!"));
        // Every spoken word points at the first byte of what the user wrote.
        std::vector<std::uint32_t> want = {0, 0, 9, 18, 22, 30, 30, 30, 34, 35, 35};
        QCOMPARE(words, want);

        // Where phonemes are read, brackets the user wrote stay text.
        Lexicon phonemes = *Of({{"GNU", "[[gn'u:]]"}});
        QCOMPARE(Applied(phonemes, "GNU [[x]]").first, QString("[[gn'u:]] [ [x]]"));
        // Text that is not UTF-8 is spoken as it is.
        QCOMPARE(Applied(lexicon, "Nurva \xff").first.toUtf8(),
                 QByteArray("Nurva ") + QString::fromUtf8("\xff").toUtf8());
    }

    void changesWhatIsSpokenAndKeepsWordPositions() {
        // Synthesis varies by a few milliseconds from run to run: lengths tell the words.
        const std::string said = "international organisation reads.";
        engines::SetCurrentLexicon(Of({}));
        Wav plain = Speak("Nurva reads.");
        Wav direct = Speak(said);
        engines::SetCurrentLexicon(Of({{"nurva", "international organisation"}}));
        Wav respelled = Speak("Nurva reads.");
        engines::SetCurrentLexicon(Of({{"Nurva", "[[,Int3n'aS@-n@L ,O@ga#naIz'eIS@n]]"}}));
        Wav phonemes = Speak("Nurva reads.");
        QVERIFY(plain.valid && direct.valid && respelled.valid && phonemes.valid);
        QVERIFY2(direct.seconds() > plain.seconds() * 1.8,
                 qPrintable(QString::number(plain.seconds())));
        for (const Wav* w : {&respelled, &phonemes})
            QVERIFY2(std::abs(w->seconds() - direct.seconds()) < direct.seconds() * 0.1,
                     qPrintable(QString("%1 vs %2").arg(w->seconds()).arg(direct.seconds())));

        // A replacement longer than the word, and tags around it: the marks stay on the
        // words as written.
        engines::SetCurrentLexicon(Of({{"Nurva", "the reader we call Nerva"}}));
        const std::string text = "Hello \\Spd=200\\Nurva, my \\Pau=50\\friend.";
        std::vector<std::uint32_t> got;
        QVERIFY(Speak(text, &got).valid);
        got.erase(std::unique(got.begin(), got.end()), got.end());
        std::vector<std::uint32_t> want = {0, std::uint32_t(text.find("Nurva")),
                                           std::uint32_t(text.find("my")),
                                           std::uint32_t(text.find("friend"))};
        QCOMPARE(got, want);
        engines::SetCurrentLexicon(Of({}));
    }

    void faultyFileIsReportedAndSpeechGoesOn() {
        const QString path = engines::LexiconPath();
        QCOMPARE(QFileInfo(path).dir(), QDir(FDir.filePath("app")));
        WriteBytes(path, "Nurva\tinternational organisation\nthis line is no entry\n");
        QString message = engines::ReloadLexicon();
        QVERIFY2(message.contains(path) && message.contains("line 2: no tab"), qPrintable(message));
        Wav direct = Speak("international organisation reads.");
        QVERIFY(std::abs(Speak("Nurva reads.").seconds() - direct.seconds()) <
                direct.seconds() * 0.1);

        QFile::remove(path);
        QVERIFY(QDir().mkdir(path)); // a lexicon that cannot be read at all
        message = engines::ReloadLexicon();
        QVERIFY2(message.contains("could not be read"), qPrintable(message));
        Wav w = Speak("Nurva reads.");
        QVERIFY(w.valid && Rms(w.samples) > 0.02);
        QDir(path).removeRecursively();
        QVERIFY(engines::ReloadLexicon().isEmpty()); // no file: nothing to tell
    }

    void savingReplacesTheFileWholeOrNotAtAll() {
        const QString path = FDir.filePath("saved.txt");
        QString error;
        QVERIFY(Of({{"old", "entry"}})->Save(path, &error));
        const QByteArray before = ReadBytes(path);
        // A write that fails half way (the file size limit stands for a full disk, and
        // holds for every user).
        std::vector<LexiconEntry> many(2000, LexiconEntry{"word", "a long pronunciation"});
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{}, small{};
        getrlimit(RLIMIT_FSIZE, &old);
        small = old;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        bool saved = Of(many)->Save(path, &error);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!saved && !error.isEmpty());
        QCOMPARE(ReadBytes(path), before);
        QCOMPARE(QDir(FDir.path()).entryList({"saved.txt*"}, QDir::Files | QDir::Hidden),
                 QStringList{"saved.txt"});
    }
};

QTEST_GUILESS_MAIN(TestLexicon)
#include "tst_Lexicon.moc"
