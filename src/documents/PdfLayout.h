// The reading order of a PDF's text, from the pieces of lines its text layer holds and where
// they stand on the page: columns are read one after the other, running headers, footers and
// page numbers are left out, a word hyphenated at the end of a line is joined again, and lines
// are joined into paragraphs. Pure geometry, no PDF library: PdfReader feeds it.
#pragma once

#include "TextBuilder.h"

#include <QList>
#include <QRectF>
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

// Writes the pages' text to `out` and returns where each page's text starts in it.
QList<qsizetype> LayOutPages(QList<TPdfPage> pages, TTextBuilder& out);

// Places bookmarks in the text: at the title's first appearance on its page, else where the
// page starts.
QList<TChapter> PlaceBookmarks(const QString& text, const QList<qsizetype>& pageStarts,
                               const QList<TPdfBookmark>& bookmarks);

} // namespace documents
