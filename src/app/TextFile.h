// Reading and writing plain-text files in the encodings users have: UTF-8 (with or without a
// byte order mark), UTF-16 with a byte order mark, and Windows-1252 for files that are not
// valid UTF-8. A text is saved back in the encoding it was read in.
#pragma once

#include <QByteArray>
#include <QString>

namespace TextFile {

enum class Encoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

struct ReadResult {
    bool Ok = false;
    QString Text;
    Encoding Enc = Encoding::Utf8;
    QString Error; // why the file could not be read, for the user
};

// Decodes bytes as the encoding detection above says.
QString Decode(const QByteArray& bytes, Encoding* detected = nullptr);
// Encodes a text; `fits` is false when the encoding cannot hold every character.
QByteArray Encode(const QString& text, Encoding enc, bool* fits = nullptr);

ReadResult Read(const QString& path, qint64 maxBytes = qint64(1) << 31);

} // namespace TextFile
