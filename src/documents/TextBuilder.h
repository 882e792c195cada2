// SPDX-License-Identifier: GPL-3.0-or-later
// TTextBuilder: the one way every reader puts its text together. Readers hand it runs of text as
// the format holds them, and the builder collapses their white space, separates paragraphs,
// records headings as chapters and puts notes after the paragraph that refers to them.
#pragma once

#include "Imported.h"

#include <QString>
#include <QStringList>

namespace documents {

class TTextBuilder {
public:
    // Text of the current paragraph. White space runs become one blank unless the builder is
    // in preformatted mode, where line breaks and blanks stay as they are.
    void Append(QStringView text);
    // A line break inside the paragraph.
    void LineBreak();
    // Ends the current paragraph (nothing happens when it is empty), then adds the notes that
    // came in it, each a paragraph of its own.
    void EndParagraph();
    void SetPreformatted(bool on) { FPreformatted = on; }

    // A heading: its text, up to EndHeading, is a paragraph of its own and a chapter.
    void BeginHeading(int level);
    void EndHeading();
    bool InHeading() const { return FHeadingLevel > 0; }

    // A note's text (a footnote, an endnote) goes, up to EndNote, to a paragraph that follows
    // the one being written. Notes may not nest; an inner one joins the outer one.
    void BeginNote();
    void EndNote();

    // A paragraph of its own, as is: for texts that come whole (a title, an image's description).
    void AddParagraph(QStringView text);

    // A part read on its own (one file of a book): its paragraphs follow, its chapters with it.
    void AppendDocument(const TImportedDocument& part);

    // True while nothing has been written yet (white space does not count).
    bool Empty() const { return FText.isEmpty() && FPara.isEmpty(); }
    qsizetype Size() const { return FText.size() + FPara.size(); }

    // Ends what is open and hands over the text and the chapters; the builder is empty after.
    void Finish(TImportedDocument& into);

private:
    QString& Target() { return FNoteDepth > 0 ? FNote : FPara; }
    void AppendTo(QString& target, QStringView text);
    void Check() const;

    QString FText;
    QString FPara;
    QString FNote;
    QStringList FNotes;
    QList<TChapter> FChapters;
    int FNoteDepth = 0;
    int FHeadingLevel = 0;
    bool FPreformatted = false;
};

// `text` with every run of white space (no-break spaces too) as one blank, trimmed: how tests
// and readers compare texts whose line breaking differs.
QString Simplified(QStringView text);

} // namespace documents
