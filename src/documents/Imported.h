// SPDX-License-Identifier: GPL-3.0-or-later
// What an importer gives: a document's text in reading order and its structure. The chapters'
// positions are offsets into that very text, so whatever splits the text later (an audiobook
// cut by chapter, chapter marks in a sound file) finds them without the source document.
#pragma once

#include <QList>
#include <QString>

#include <stdexcept>

namespace documents {

// A heading of the document: where it starts in TImportedDocument::Text, what it says, and how
// deep it sits (1 for a chapter, 2 for a section in it, ...).
struct TChapter {
    // Offset of the heading's first character in the text, in UTF-16 code units: the unit of
    // QString and of an editor's cursor positions. The heading's own words start there.
    qsizetype Position = 0;
    QString Title;
    int Level = 1;

    bool operator==(const TChapter&) const = default;
};

// A document turned into plain text. Paragraphs (headings and list items among them) are
// separated by one empty line; a line break inside a paragraph is a single "\n". Chapters are
// in the order of their positions.
struct TImportedDocument {
    QString Text;
    QString Title;  // empty when the document names none
    QString Author; // likewise
    QString Format; // the reader's name: "EPUB", "PDF", ...
    QList<TChapter> Chapters;
};

// A document that cannot be imported; the message says what is wrong with it, in words a user
// understands, and never leaves anything half opened.
class EImportError : public std::runtime_error {
public:
    explicit EImportError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};

// Bounds that keep a damaged or hostile file from taking the machine: a file larger than this is
// refused before it is read, and so is a text larger than an editor can hold.
inline constexpr qint64 MaxImportFileSize = 256 * 1024 * 1024;
inline constexpr qsizetype MaxImportedText = 32 * 1024 * 1024; // characters
// No member of an archive may expand to more than this, and all of them together to no more
// than MaxArchiveExpansion.
inline constexpr qint64 MaxArchiveMember = 64 * 1024 * 1024;
inline constexpr qint64 MaxArchiveExpansion = 256 * 1024 * 1024;

} // namespace documents
