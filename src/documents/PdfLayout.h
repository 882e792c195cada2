// SPDX-License-Identifier: GPL-3.0-or-later
// The reading order of a PDF's text, from the pieces of lines its text layer holds and where
// they stand on the page: columns are read one after the other, running headers, footers and
// page numbers are left out, a word hyphenated at the end of a line is joined again, and lines
// are joined into paragraphs. Pure geometry, no PDF library: PdfReader feeds it.
#pragma once

#include "TextBuilder.h"

#include <QHash>
#include <QList>
#include <QRectF>
#include <QSet>
#include <QString>

namespace documents {

// A run of words on one line, as the text layer gives it (a line of one column).
struct TPdfLine {
    QString Text;
    QRectF Box; // in points, y growing downwards
};

struct TPdfPage {
    double Width = 0, Height = 0;
    QList<TPdfLine> Lines; // in any order
};

// One entry of the document's outline (its bookmarks): title and the page it leads to.
struct TPdfBookmark {
    QString Title;
    int Page = 0; // 0-based
    int Level = 1;
};

// Lays the pages out as they come, holding only the last few: memory stays flat in the
// document's length.
class TPdfLayout {
public:
    explicit TPdfLayout(TTextBuilder& out);
    // The next page, in the document's order.
    void AddPage(TPdfPage page);
    // After the last page: the rest is written.
    void Finish();
    // Where each page's text starts in the text written.
    const QList<qsizetype>& PageStarts() const { return FStarts; }

private:
    void LayOutNext();
    void DropRunningLines(TPdfPage& page, int index) const;
    void EndParagraph();

    TTextBuilder& FOut;
    QList<TPdfPage> FWaiting;   // added, not yet laid out
    QList<QSet<QString>> FKeys; // of every page so far: its lines at the top and bottom
    QHash<int, int> FHeights;   // line height in half points -> lines of that height
    QList<qsizetype> FStarts;
    QString FOpen;
};

// Writes the pages' text to `out` and returns where each page's text starts in it.
QList<qsizetype> LayOutPages(QList<TPdfPage> pages, TTextBuilder& out);

// Places bookmarks in the text: at the title's first appearance on its page, else where the
// page starts.
QList<TChapter> PlaceBookmarks(const QString& text, const QList<qsizetype>& pageStarts,
                               const QList<TPdfBookmark>& bookmarks);

} // namespace documents
