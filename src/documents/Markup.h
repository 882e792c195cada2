// SPDX-License-Identifier: GPL-3.0-or-later
// HTML's meaning over a stream of elements: which ones are paragraphs, headings, line breaks,
// which are never seen (scripts, styles, hidden elements, a book's table of contents) and which
// only describe (an image's alternative text). Two sources feed it: Qt's XML reader for XHTML,
// which EPUB books hold, and libxml2's HTML parser for web pages, which need not be well formed.
#pragma once

#include "TextBuilder.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace documents {

using TAttributes = QList<QPair<QString, QString>>; // qualified name in lower case, value

class TMarkupText {
public:
    explicit TMarkupText(TTextBuilder& into) : FOut(into) {}

    void Start(const QString& name, const TAttributes& attributes);
    void End(const QString& name);
    void Text(QStringView text);
    // Ends the document: a page with no text of its own gives its images' descriptions.
    void Finish();

    // What the page's head says of itself.
    QString Title() const { return FTitle.trimmed(); }
    QString Author() const { return FAuthor; }

private:
    TTextBuilder& FOut;
    int FSkip = 0; // depth inside an element whose content is not shown
    int FInTitle = 0;
    int FPre = 0;
    bool FWroteText = false;
    QString FTitle, FAuthor;
    QStringList FAlternatives;
};

// Feeds well-formed XHTML to `into`; false (and nothing fed) when the data is not well-formed
// XML, which the caller then reads as HTML.
bool ReadXhtml(const QByteArray& data, TMarkupText& into);
// Feeds HTML, in the encoding the page declares, else UTF-8 when it is valid UTF-8, else the
// encoding its bytes look like.
void ReadHtml(const QByteArray& data, TMarkupText& into);

// The page's text and structure: XHTML when it is well formed, else HTML.
TImportedDocument MarkupDocument(const QByteArray& data, bool xhtmlFirst);

} // namespace documents
