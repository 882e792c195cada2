// SPDX-License-Identifier: GPL-3.0-or-later
// The document importers: one small reader per format behind TReader, and the registry that
// picks the reader for a file. The rest of the program calls only the functions at the end.
#pragma once

#include "Imported.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace documents {

class TReader {
public:
    virtual ~TReader() = default;
    // The format's name as the user knows it ("EPUB", "PDF", ...).
    virtual QString Name() const = 0;
    // File name suffixes in lower case, without the dot; the first is the usual one.
    virtual QStringList Suffixes() const = 0;
    virtual QStringList MimeTypes() const = 0;
    // True when `data` (the whole file) is of this format by its content alone. Readers of
    // formats that content cannot tell (Markdown) answer false and are chosen by suffix.
    virtual bool Recognizes(const QByteArray& data) const = 0;
    // The document's text and structure. Throws EImportError with what is wrong.
    virtual TImportedDocument Read(const QByteArray& data) const = 0;
};

// Every reader, in the order the file dialog lists them.
const std::vector<const TReader*>& Readers();

// The reader for a file of this name and content, or nullptr for plain text. Content decides
// over the name where it can (a PDF named .txt is a PDF); the name decides for the formats that
// content cannot tell apart from text.
const TReader* ReaderFor(const QString& path, const QByteArray& data);

// True when the file is a document to import rather than plain text to edit as it is: its name
// or, for a name that says nothing, its first bytes say so. Cheap: reads at most a few bytes.
bool IsImported(const QString& path);

// Reads and imports the file. Throws EImportError with a message that names the file and says
// what is wrong (damaged, protected, only images, too large, not what its name says, ...).
TImportedDocument Import(const QString& path);

// The MIME types and file name patterns of every importable format (plain text not included).
QStringList MimeTypes();
QStringList NamePatterns();

} // namespace documents
