// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextBuilder.h"

#include <QCoreApplication>

namespace documents {

namespace {

bool IsSpace(QChar c) {
    return c.isSpace() || c == QChar(0xA0) || c == QChar(0x200B) || c == QChar(0xFEFF);
}

// The builder's own break marks: a "\n" at the end of a paragraph under way.
bool EndsBlank(const QString& s) {
    return s.isEmpty() || s.back() == u' ' || s.back() == u'\n';
}

} // namespace

void TTextBuilder::Check() const {
    if (Size() > MaxImportedText)
        //: why a document cannot be opened; %1 is a number
        throw EImportError(
            QCoreApplication::translate("TTextBuilder",
                                        "its text is longer than %1 million characters, more "
                                        "than the editor can hold")
                .arg(MaxImportedText / (1024 * 1024)));
}

void TTextBuilder::AppendTo(QString& target, QStringView text) {
    if (FPreformatted) {
        for (QChar c : text) {
            if (c == u'\r')
                continue;
            if (c == u'\t' || c == QChar(0xA0))
                c = u' ';
            if (c.unicode() < 0x20 && c != u'\n')
                continue;
            target += c;
        }
        return;
    }
    target.reserve(target.size() + text.size());
    for (QChar c : text) {
        if (IsSpace(c)) {
            if (!EndsBlank(target))
                target += u' ';
        } else if (c.unicode() >= 0x20 && c.unicode() != 0xAD && c.unicode() != 0xFFFC) {
            target += c;
        }
    }
}

void TTextBuilder::Append(QStringView text) {
    AppendTo(Target(), text);
    Check();
}

void TTextBuilder::LineBreak() {
    QString& t = Target();
    if (FNoteDepth > 0) {
        if (!EndsBlank(t))
            t += u' ';
        return;
    }
    while (t.endsWith(u' '))
        t.chop(1);
    if (!t.isEmpty() && !t.endsWith(u'\n'))
        t += u'\n';
}

void TTextBuilder::EndParagraph() {
    if (FNoteDepth > 0) {
        if (!EndsBlank(FNote))
            FNote += u' ';
        return;
    }
    QString para = FPara.trimmed();
    FPara.clear();
    if (!para.isEmpty()) {
        if (!FText.isEmpty())
            FText += QStringLiteral("\n\n");
        FText += para;
    }
    if (FHeadingLevel > 0)
        return; // the notes of a heading follow the paragraph after it
    for (const QString& note : std::as_const(FNotes)) {
        if (!FText.isEmpty())
            FText += QStringLiteral("\n\n");
        FText += note;
    }
    FNotes.clear();
    Check();
}

void TTextBuilder::BeginHeading(int level) {
    EndParagraph();
    FHeadingLevel = std::max(1, level);
}

void TTextBuilder::EndHeading() {
    if (FHeadingLevel == 0)
        return;
    const QString title = FPara.trimmed();
    const int level = FHeadingLevel;
    if (!title.isEmpty()) {
        const qsizetype at = FText.isEmpty() ? 0 : FText.size() + 2;
        FChapters.append({at, QString(title).replace(u'\n', u' '), level});
    }
    EndParagraph();
    FHeadingLevel = 0;
}

void TTextBuilder::BeginNote() {
    if (FNoteDepth++ == 0)
        FNote.clear();
}

void TTextBuilder::EndNote() {
    if (FNoteDepth == 0 || --FNoteDepth > 0)
        return;
    const QString note = FNote.trimmed();
    FNote.clear();
    if (!note.isEmpty())
        FNotes.append(note);
}

void TTextBuilder::AddParagraph(QStringView text) {
    EndParagraph();
    Append(text);
    EndParagraph();
}

void TTextBuilder::AppendDocument(const TImportedDocument& part) {
    EndParagraph();
    if (part.Text.isEmpty())
        return;
    if (!FText.isEmpty())
        FText += QStringLiteral("\n\n");
    const qsizetype offset = FText.size();
    FText += part.Text;
    for (TChapter chapter : part.Chapters) {
        chapter.Position += offset;
        FChapters.append(chapter);
    }
    Check();
}

void TTextBuilder::Finish(TImportedDocument& into) {
    while (FNoteDepth > 0)
        EndNote();
    if (FHeadingLevel > 0)
        EndHeading();
    EndParagraph();
    for (const QString& note : std::as_const(FNotes)) {
        if (!FText.isEmpty())
            FText += QStringLiteral("\n\n");
        FText += note;
    }
    FNotes.clear();
    into.Text = std::move(FText);
    into.Chapters = std::move(FChapters);
    FText.clear();
    FChapters.clear();
}

QString Simplified(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (IsSpace(c)) {
            if (!out.isEmpty() && out.back() != u' ')
                out += u' ';
        } else {
            out += c;
        }
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

} // namespace documents
