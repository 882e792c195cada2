// SPDX-License-Identifier: GPL-3.0-or-later
// Where a book's chapters start, for a conversion split into one file per chapter or one file
// with chapter marks: the headings of an imported document, the headings a reader recognises in
// plain text, or parts of about N minutes; and the names and playlist of a split book's files.
#pragma once

#include "Imported.h"
#include "Lame.h"
#include "Mp3Pipeline.h"

#include <QList>
#include <QString>

namespace chapters {

struct TChapterStart {
    qsizetype Position = 0; // where its heading starts in the text
    QString Title;
    bool operator==(const TChapterStart&) const = default;
};

// Plain text: paragraphs of their own that start with a word such as "Chapter", "Part" or
// "Book" and a number or numeral ("Chapter 1", "CHAPTER IV. The Storm"); where there are none,
// short lines alone between blank lines that do not end like a sentence, as long as they are
// few beside the paragraphs of prose. Empty when it has no headings.
QList<TChapterStart> FindHeadings(const QString& text);
// An imported document's chapters: its headings of the highest level it has.
QList<TChapterStart> FromDocument(const documents::TImportedDocument& document);
// Parts of about `minutes` of speech each, starting at paragraphs, at `charsPerSecond`.
QList<TChapterStart> EveryMinutes(const QString& text, double minutes, double charsPerSecond);
// About how many characters a second a voice speaks at `wordsPerMinute`.
double CharsPerSecond(double wordsPerMinute);
// The chapters as a split book needs them: a first one at the very start (the text before
// the first heading, titled `opening`, when it says anything), none after the text's end.
QList<TChapterStart> FromStart(QList<TChapterStart> chapters, const QString& text,
                               const QString& opening);

// A title as part of a file name: what a file system cannot hold or a shell would trip on
// ("/", control characters, a leading dot or dash) replaced, blanks joined, at most 60
// characters; "Chapter" when nothing is left.
QString FileNamePart(const QString& title);
// "<base> 01 <title><ext>" beside `base` (a path without extension), numbered from 1 with as
// many digits as `count` needs (at least two).
QString ChapterFileName(const QString& base, int number, int count, const QString& title,
                        const QString& extension);
// An extended M3U playlist of the files, named relative to the playlist's own folder.
QByteArray Playlist(const QList<Lame::TWrittenFile>& files, const QString& playlist);
// Writes that playlist whole under its name; empty when done, else why not.
QString WritePlaylist(const QList<Lame::TWrittenFile>& files, const QString& playlist);

// What a conversion into `output` writes for a book in chapters.
struct TBookFiles {
    QStringList Files; // every file, the playlist last (Split), or `output` alone (Marks)
    QString Playlist;  // Split: "<output without its extension>.m3u"
};
// Fills `target`'s breaks from the chapters `found` in `text` (as FromStart makes them, the
// words before the first heading titled `title`, "Opening" when that is empty); for Split each
// chapter's file is named beside `output` by ChapterFileName.
TBookFiles PlanBook(Lame::TTarget& target, const QList<TChapterStart>& found, const QString& text,
                    const QString& title, const QString& output);

} // namespace chapters
