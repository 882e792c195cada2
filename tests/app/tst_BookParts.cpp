// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of an audiobook worked out from the text alone: where its chapters start, the
// names of a split book's files and its playlist, and the cues of its subtitles as the three
// formats write them.
#include "Chapters.h"
#include "Subtitles.h"
#include "Tags.h"

#include <QtTest>

using chapters::TChapterStart;

class TestBookParts : public QObject {
    Q_OBJECT

    // The cues a list of (seconds, word) makes, the audio ending at `end`.
    static QList<audio::TCue> Cues(const QList<std::pair<double, QString>>& words, double end) {
        QList<audio::TCue> cues;
        audio::TCueBuilder builder([&](const audio::TCue& c) { cues << c; });
        for (const auto& [at, word] : words)
            builder.Add(at, word);
        builder.Finish(end);
        return cues;
    }

private slots:
    // Headings a reader recognises: numbered ones first; else short lone lines, but only
    // among prose; a poem or a list has none. Every position is where the heading's line
    // starts.
    void headingsOfPlainText() {
        const QString book = "Title Page\n\nCHAPTER I. The Storm\n\nIt rained. It went on.\n\n"
                             "Chapter 2\n\nThe sun came out, and all was well again.\n\n"
                             "Epilogue\n\nThey lived.\n";
        const QList<TChapterStart> found = chapters::FindHeadings(book);
        QCOMPARE(found.size(), 3);
        QCOMPARE(found[0], (TChapterStart{book.indexOf("CHAPTER I."), "CHAPTER I. The Storm"}));
        QCOMPARE(found[1].Title, QString("Chapter 2"));
        QCOMPARE(found[2].Position, book.indexOf("Epilogue"));
        // "Chapter" inside a sentence, or without its number, is no heading.
        QVERIFY(chapters::FindHeadings("The chapter ends here.\n\nChapter\n\nMore prose follows "
                                       "in a long paragraph.\n")
                    .isEmpty());

        QString prose;
        for (const char* h : {"The Beginning", "A Middle", "The End"})
            prose += QString(h) + "\n\n" +
                     QString("A long paragraph of prose, ending like a sentence. ").repeated(3) +
                     "\n\nAnother one.\n\nAnd a third one here.\n\nAnd a fourth.\n\n";
        QCOMPARE(chapters::FindHeadings(prose).size(), 3);
        QVERIFY(chapters::FindHeadings("Roses are red\n\nViolets are blue\n\nSugar is sweet\n\n"
                                       "And so are you\n")
                    .isEmpty());
    }

    // A split book starts at its start: the words before the first heading are a chapter of
    // their own, a chapter past the text's end is dropped; parts by minutes start at
    // paragraphs and cover the text.
    void chaptersFromTheStart() {
        const QString text = "Foreword.\n\nChapter 1\n\nWords.\n\nChapter 2\n\n";
        const QList<TChapterStart> found = chapters::FindHeadings(text);
        QCOMPARE(found.size(), 2);
        const QList<TChapterStart> book = chapters::FromStart(
            found + QList<TChapterStart>{{text.size() + 5, "Beyond"}}, text, "The Book");
        QCOMPARE(book.size(), 3);
        QCOMPARE(book[0], (TChapterStart{0, "The Book"}));
        QCOMPARE(book[1].Title, QString("Chapter 1"));
        QCOMPARE(book[2].Title, QString("Chapter 2"));
        // A heading first moves to the very start; no heading at all is one chapter.
        const QString headed = "\n\nChapter 1\n\nWords.\n";
        QCOMPARE(chapters::FromStart(chapters::FindHeadings(headed), headed, "x"),
                 (QList<TChapterStart>{{0, "Chapter 1"}}));
        QCOMPARE(chapters::FromStart({}, "Words.", "Opening"),
                 (QList<TChapterStart>{{0, "Opening"}}));

        QString paragraphs;
        for (int i = 0; i < 10; ++i)
            paragraphs += QString("Paragraph %1 is fifty characters long, no more!!!\n\n").arg(i);
        // 50 characters each; 10 characters a second, a part each 10 seconds: every other one.
        const QList<TChapterStart> parts = chapters::EveryMinutes(paragraphs, 10.0 / 60, 10);
        QCOMPARE(parts.size(), 5);
        for (int i = 0; i < parts.size(); ++i) {
            QCOMPARE(parts[i].Title, QString("Part %1").arg(i + 1));
            QCOMPARE(parts[i].Position, paragraphs.indexOf(QString("Paragraph %1 ").arg(2 * i)));
        }
    }

    // What a title becomes in a file name: nothing a file system refuses or a shell trips on,
    // never hidden or an option, never empty, at most 60 characters, never half a character.
    void fileNamesOfTitles() {
        QCOMPARE(chapters::FileNamePart("Chapter 2: The Return"), QString("Chapter 2_ The Return"));
        QCOMPARE(chapters::FileNamePart("a/b\\c*d?e\"f<g>h|i\tj"), QString("a_b_c_d_e_f_g_h_i j"));
        QCOMPARE(chapters::FileNamePart("..-hidden"), QString("hidden"));
        QCOMPARE(chapters::FileNamePart("The end..."), QString("The end"));
        QCOMPARE(chapters::FileNamePart(" \x01 "), QString("_"));
        QCOMPARE(chapters::FileNamePart("..."), QString("Chapter"));
        const QString emoji = QString("x").repeated(59) + QString::fromUtf8("😀 tail");
        const QString cut = chapters::FileNamePart(emoji);
        QVERIFY(cut.size() <= 60 && !cut.back().isHighSurrogate());
        QCOMPARE(chapters::ChapterFileName("/b/book", 3, 9, "Three", ".opus"),
                 QString("/b/book 03 Three.opus"));
        QCOMPARE(chapters::ChapterFileName("book", 7, 120, "Seven", ".mp3"),
                 QString("book 007 Seven.mp3"));

        // A book's files: its chapters from the start, named beside the output in the
        // target's format, the playlist last; chapter marks stay in the output itself.
        Lame::TTarget target;
        target.Format = audio::TFormat::Opus;
        target.Chapters = Lame::TTarget::Split;
        const QString text = "Foreword.\n\nChapter 1\n\nWords.\n";
        const QList<TChapterStart> found = chapters::FindHeadings(text);
        const chapters::TBookFiles split =
            chapters::PlanBook(target, found, text, QString(), "/b/my.book.opus");
        QCOMPARE(split.Files, (QStringList{"/b/my.book 01 Opening.opus",
                                           "/b/my.book 02 Chapter 1.opus", "/b/my.book.m3u"}));
        QCOMPARE(split.Playlist, QString("/b/my.book.m3u"));
        QCOMPARE(target.Breaks.size(), 2);
        QCOMPARE(target.Breaks[1].Position, text.indexOf("Chapter 1"));
        QCOMPARE(target.Breaks[1].Output, split.Files[1]);
        target.Chapters = Lame::TTarget::Marks;
        const chapters::TBookFiles marked =
            chapters::PlanBook(target, found, text, "Book", "m.mp3");
        QCOMPARE(marked.Files, QStringList{"m.mp3"});
        QVERIFY(marked.Playlist.isEmpty() && target.Breaks.size() == 2 &&
                target.Breaks[0].Title == "Book" && target.Breaks[0].Output.isEmpty());

        const QByteArray m3u = chapters::Playlist(
            {{"/b/book 01 One.opus", "One", 61.4}, {"/b/sub/book 02 Two.opus", "Two\nlines", 2.6}},
            "/b/book.m3u");
        QCOMPARE(m3u, QByteArray("#EXTM3U\n#EXTINF:61,One\nbook 01 One.opus\n"
                                 "#EXTINF:3,Two lines\nsub/book 02 Two.opus\n"));
    }

    // Cues by sentence; a long sentence is cut so that no cue holds more than two lines of
    // about 42 characters nor lasts more than 7 seconds; each lasts until the next, or a
    // little past its last word before a pause; the last ends with the audio; control tags
    // are not shown.
    void cuesOfWords() {
        QList<std::pair<double, QString>> words{
            {0.0, "Hello"}, {0.4, "there."}, {1.0, "\\Pau=500\\"}, {1.0, "Next"},
            {1.3, "one."},  {6.0, "After"},  {6.3, "a"},           {6.5, "pause."}};
        QList<audio::TCue> cues = Cues(words, 7.5);
        QCOMPARE(cues.size(), 3);
        QCOMPARE(cues[0].Text, QString("Hello there."));
        QCOMPARE(cues[0].Start, 0.0);
        QCOMPARE(cues[0].End, 1.0);
        QCOMPARE(cues[1].Text, QString("Next one."));
        QCOMPARE(cues[1].End, 1.3 + audio::TCueBuilder::Linger);
        QCOMPARE(cues[2].Start, 6.0);
        QCOMPARE(cues[2].End, 7.5);

        words.clear();
        for (int i = 0; i < 60; ++i)
            words << std::pair{i * 0.3, QString("word%1").arg(i)};
        cues = Cues(words, 18.5);
        QVERIFY(cues.size() >= 5);
        for (qsizetype i = 0; i < cues.size(); ++i) {
            const QStringList lines = cues[i].Text.split('\n');
            QVERIFY(lines.size() <= 2);
            for (const QString& line : lines)
                QVERIFY2(line.size() <= 48, qPrintable(line));
            QVERIFY(cues[i].End - cues[i].Start <= audio::TCueBuilder::MaxSeconds + 1e-9);
            if (i > 0)
                QCOMPARE(cues[i].Start, cues[i - 1].End);
        }
        QCOMPARE(cues.last().End, 18.5);
        QCOMPARE(audio::BreakLines("short"), QString("short"));
        QCOMPARE(audio::BreakLines("aaaa bbbb cccc dddd", 10), QString("aaaa bbbb\ncccc dddd"));
    }

    // The three formats' own forms of the same cue, times rounded (never "59.9996" as
    // ":59,1000"), the tags at the head of LRC, a gap closed by an empty timed line.
    void subtitleFormats() {
        const audio::TCue first{59.9996, 61.25, "Two\nlines"}, second{70.004, 71.5, "Last."};
        auto srt = audio::MakeSubtitleWriter(audio::TSubtitleFormat::Srt);
        QCOMPARE(srt->Cue(1, first),
                 QByteArray("1\n00:01:00,000 --> 00:01:01,250\nTwo\nlines\n\n"));
        auto vtt = audio::MakeSubtitleWriter(audio::TSubtitleFormat::Vtt);
        QCOMPARE(vtt->Begin({}), QByteArray("WEBVTT\n\n"));
        QCOMPARE(vtt->Cue(1, first), QByteArray("00:01:00.000 --> 00:01:01.250\nTwo\nlines\n\n"));
        auto lrc = audio::MakeSubtitleWriter(audio::TSubtitleFormat::Lrc);
        audio::TTags tags;
        tags.Title = "Book";
        tags.Artist = "A Voice";
        QCOMPARE(lrc->Begin(tags), QByteArray("[ti:Book]\n[ar:A Voice]\n"));
        QByteArray out = lrc->Cue(1, first);
        out += lrc->Cue(2, second);
        out += lrc->End(71.5);
        QCOMPARE(out, QByteArray("[01:00.00]Two lines\n[01:01.25]\n[01:10.00]Last.\n[01:11.50]\n"));
        QCOMPARE(audio::ClockTime(3600 * 2 + 0.0004), QString("02:00:00.000"));
        for (const char* name : {"srt", "VTT", "webvtt", "Lrc"})
            QVERIFY(audio::SubtitleFormatOfName(name));
        QVERIFY(!audio::SubtitleFormatOfName("ass"));
    }
};

QTEST_GUILESS_MAIN(TestBookParts)
#include "tst_BookParts.moc"
