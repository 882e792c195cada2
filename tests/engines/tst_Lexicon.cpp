// SPDX-License-Identifier: GPL-3.0-or-later
// The pronunciation lexicon: its file, its matching rules, and what espeak-ng makes of it.
#include "EngineHarness.h"
#include "Engines.h"
#include "KoUtils.h"
#include "Lexicon.h"
#include "MessageCapture.h"
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
        const QByteArray file = "# mine\nNurva\tNerva\nNASA\tnasa\tcase\ning\tX\tpart, case\r\n\n"
                                "no tab here\n\tempty word\nGNU\t[[gn'u:\nBad\tx\tloud\n"
                                "caf\xE9\tcafay\n# caf\xE9\nlast\tline without an end";
        lexicon.Parse(file);
        std::vector<LexiconEntry> want = {{"Nurva", "Nerva"},
                                          {"NASA", "nasa", true, true},
                                          {"ing", "X", false, true},
                                          {QString::fromUtf8("caf\u00E9"), "cafay"},
                                          {"last", "line without an end"}};
        QVERIFY(lexicon.Entries == want);
        const QStringList problems = lexicon.Problems();
        QCOMPARE(problems.size(), 5);
        QVERIFY(problems[0].startsWith("line 6: no tab"));
        QVERIFY(problems[3].contains("unknown option \"loud\""));
        // A line that is not UTF-8 is read as the program reads its other text files, and the
        // user is told so in a whole sentence; a comment's bytes do not matter.
        QCOMPARE(problems[4], QString("line 10: not UTF-8 text, so it was read as Windows-1252"));
        // What the reader refused is there to be seen and mended.
        QCOMPARE(lexicon.Lines[6].Kind, engines::LexiconLine::Refused);
        QVERIFY(lexicon.Lines[6].Fields == (LexiconEntry{"", "empty word"}));

        // Written back, every byte is where it was, and read again it is the same lexicon.
        QCOMPARE(lexicon.ToBytes(), file);
        QString path = FDir.filePath("roundtrip.txt");
        QString error;
        QVERIFY(lexicon.Save(path, &error));
        QCOMPARE(ReadBytes(path), file);
        Lexicon again;
        QStringList read;
        QVERIFY(again.Load(path, &read, &error));
        QVERIFY(again.Entries == want && read == problems);

        // A missing file is an empty lexicon; one that cannot be read says why.
        QVERIFY(again.Load(FDir.filePath("none.txt"), &read, &error) && again.Entries.empty());
        QVERIFY(!again.Load(FDir.path(), &read, &error) && !error.isEmpty());
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

        // Two entries for one word: the one that matches the case wins where it matches;
        // of two that match any case, the first in the file.
        Lexicon cased = *Of({{"WHO", "W H O", true, true}, {"who", "hoo"}, {"Who", "never"}});
        QCOMPARE(Applied(cased, "WHO who Who? wHo").first, QString("W H O hoo hoo? hoo"));
        Lexicon lower = *Of({{"who", "first"}, {"WHO", "second"}});
        QCOMPARE(Applied(lower, "WHO who").first, QString("first first"));
        // Letters beyond the first plane, and letters whose case differs in their bytes.
        Lexicon wide = *Of({{QString::fromUtf8("\U0001D49C\u00C9t\u00C9"), "summer"}});
        QCOMPARE(Applied(wide, "\U0001D49C\u00E9t\u00E9 \U0001D49C\u00C9t").first,
                 QString::fromUtf8("summer \U0001D49C\u00C9t"));

        // Among tens of thousands of entries the same words are found, and only they.
        std::vector<LexiconEntry> many = lexicon.Entries;
        for (int i = 0; i < 30000; ++i)
            many.push_back({QString("nurv%1a").arg(i, 0, 36), "x"});
        many.push_back({"Yor", "X", false, false});
        auto [bigText, bigWords] =
            Applied(*Of(many), "New York singing, New Yorker. C++ (C++)! nurvZa nurvzzzza");
        QCOMPARE(bigText, QString("Noo Yawk sXX, Gnu Xker. see plus plus (see plus plus)! "
                                  "x nurvzzzza"));
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

    void aFileChangedOnDiskIsReadAgainAndItsFaultsToldOnce() {
        const QString path = engines::LexiconPath();
        WriteBytes(path, "# mine\n");
        // One voice bound, as the program binds it at start, reads the file then.
        Binding reader;
        auto speak = [&](const std::string& text) {
            return reader.SpeakToWav(text, FDir.filePath(QString("out%1.wav").arg(++FCount)));
        };
        Wav plain = speak("Nurva reads.");
        Wav direct = speak("international organisation reads.");
        // The user adds an entry by hand while the program runs: it is heard at once.
        WriteBytes(path, "# mine\nNurva\tinternational organisation\n");
        Wav changed = speak("Nurva reads.");
        QVERIFY(plain.valid && direct.valid && changed.valid);
        QVERIFY2(std::abs(changed.seconds() - direct.seconds()) < direct.seconds() * 0.1,
                 qPrintable(QString("%1 vs %2").arg(changed.seconds()).arg(direct.seconds())));

        // A faulty line added by hand is told once, with how to mend it; another fault later
        // is told alone.
        Messages told;
        WriteBytes(path, "# mine\nNurva\tinternational organisation\nno tab one\n");
        QVERIFY(speak("Nurva reads.").valid);
        QVERIFY(WaitFor([&] { return told.texts.size() == 1; }, 5000));
        QVERIFY2(told.texts[0].contains("line 3: no tab") &&
                     told.texts[0].contains("Pronunciation Manager"),
                 qPrintable(told.texts[0]));
        QVERIFY(speak("Nurva reads.").valid);
        WriteBytes(path, "# mine\nNurva\tinternational organisation\nno tab one\nno tab two\n");
        QVERIFY(speak("Nurva reads.").valid);
        QVERIFY(WaitFor([&] { return told.texts.size() == 2; }, 5000));
        QVERIFY(told.texts[1].contains("line 4: no tab") && !told.texts[1].contains("line 3"));

        // Faults the user has seen in the lexicon dialog are not told when the program starts
        // and reads the file; new ones are.
        WriteBytes(path, "Nurva\tx\nseen in the dialog\n");
        Lexicon shown;
        QString error;
        QVERIFY(shown.Load(path, nullptr, &error));
        engines::MarkLexiconFaultsSeen(shown);
        QCOMPARE(engines::ReloadLexicon(), QString());
        WriteBytes(path, "Nurva\tx\nseen in the dialog\nnot seen yet\n");
        const QString message = engines::ReloadLexicon();
        QVERIFY2(message.contains("line 3: no tab") && !message.contains("line 2"),
                 qPrintable(message));
        QFile::remove(path);
        engines::ReloadLexicon();
        QVERIFY(told.texts.size() == 2);
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
