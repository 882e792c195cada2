// Whole text files for the settings store: read with the encoding they were written in, and
// replaced so that a failed or interrupted save leaves the old file whole.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>

namespace settings {

// A file that cannot be read or written; the message names the file and gives the system's
// error text.
class EFileError : public std::runtime_error {
public:
    explicit EFileError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};

enum class TextEncoding { Utf8, Windows1252 };

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped); otherwise
// Windows-1252, the code page that files of the program's Windows version were written in.
QString DecodeText(QByteArrayView bytes, TextEncoding* used = nullptr);
// Windows-1252 is kept only while every character has a form in it and the bytes cannot be
// mistaken for UTF-8 when read again; otherwise UTF-8, so no character is ever lost or changed.
QByteArray EncodeText(const QString& text, TextEncoding preferred);

// The whole file, or nullopt when there is no such file. Throws EFileError when the file exists
// but cannot be read (no access, a folder, larger than any settings file can sensibly be).
std::optional<QByteArray> ReadWholeFile(const QString& path);

enum class TReadOnly {
    Refuse, // a file without the owner's write permission is not replaced: EFileError
    Clear,  // the new file gets the owner's write permission
};

// Replaces the file with `data`: the bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the old one. Any failure throws EFileError and leaves
// the old file as it was. `beforeReplace` runs between the two steps (tests stop a save there).
void WriteFileAtomically(const QString& path, QByteArrayView data,
                         TReadOnly readOnly = TReadOnly::Refuse,
                         const std::function<void(const QString& tempPath)>& beforeReplace = {});

} // namespace settings
