// SPDX-License-Identifier: GPL-3.0-or-later
// Whole text files (settings, playlist, documents): read in the encoding they were written in,
// and replaced so that a failed or interrupted save leaves the old file whole.
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

// Detected: an encoding told from the bytes of a document (see TDocumentFormat::Codec).
enum class TextEncoding { Utf8, Windows1252, Utf8Bom, Utf16LE, Utf16BE, Detected };

// A byte-order mark decides (UTF-8, or UTF-16 when `utf16` allows it); else UTF-8 when the
// bytes are valid UTF-8; otherwise Windows-1252, the code page that files of the program's
// Windows version used. Documents may be UTF-16; the settings files are 8-bit text, in which a
// NUL ends the list, so they are never taken for UTF-16.
QString DecodeText(QByteArrayView bytes, TextEncoding* used = nullptr, bool utf16 = false);
// The bytes as Windows-1252, one character each.
QString DecodeWindows1252(QByteArrayView bytes);
// Encodes in `preferred`, with its byte-order mark where it has one. Windows-1252 is kept only
// while every character has a form in it and the bytes read back as the same text (not as UTF-8,
// no leading byte-order mark); otherwise UTF-8, so no character is ever lost or changed.
// `written` tells which.
QByteArray EncodeText(const QString& text, TextEncoding preferred, TextEncoding* written = nullptr);

// Settings files are a few hundred kilobytes at most; anything far larger is not one of ours
// (and a device file would otherwise be read for ever).
inline constexpr qint64 MaxSettingsFileSize = 64 * 1024 * 1024;

// The whole file, or nullopt when there is no such file. Throws EFileError when the file exists
// but cannot be read (no access, a folder, larger than `maxSize`).
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxSize = MaxSettingsFileSize);

enum class TReadOnly {
    Refuse, // a file without the owner's write permission is not replaced: EFileError
    Clear,  // the new file gets the owner's write permission
};

// Replaces the file with `data`: the bytes go to a temporary file in the same folder
// (".<name>.<8 hex digits>.tmp", locked while the save runs), which is flushed to disk and then
// renamed over the old one. Any failure throws EFileError and leaves the old file as it was.
// `beforeReplace` runs between the two steps (tests stop a save there).
// Removes the temporary files that saves of `path` cut short (a killed process, a power cut)
// left beside it; those of a save still running, here or in another process, stay.
void RemoveStaleTemporaries(const QString& path);

void WriteFileAtomically(const QString& path, QByteArrayView data,
                         TReadOnly readOnly = TReadOnly::Refuse,
                         const std::function<void(const QString& tempPath)>& beforeReplace = {});

} // namespace settings
