// SPDX-License-Identifier: GPL-3.0-or-later
// Documents: the plain-text files the user reads. Read in whatever encoding and line ends
// they were written with, and written back the same way; shared by the window and the
// command line.
#pragma once

#include "TextFile.h"

#include <QString>
#include <QStringList>

#include <QFile>

#include <memory>
#include <optional>
#include <vector>

class QStringDecoder;

namespace settings {

enum class TLineEnd { Lf, CrLf, Cr };

// How a document was stored, so that a save writes it back the same way. A text that is not
// UTF-8 is Windows-1252 unless its bytes plainly are of another encoding (Windows-1251,
// Shift-JIS, GB18030, ...): then Encoding is Windows1252 no longer but Detected, named by Codec.
struct TDocumentFormat {
    TextEncoding Encoding = TextEncoding::Utf8;
    TLineEnd LineEnd = TLineEnd::Lf;
    QByteArray Codec; // the detected encoding's name, when Encoding is Detected
};

// An editor holds a document about four times its size; beyond this a document is refused
// rather than taking the memory of the whole desktop.
inline constexpr qint64 MaxDocumentSize = 64 * 1024 * 1024;

// The document's text with "\n" line ends, or nullopt when there is no such file. Throws
// EFileError for a file that exists but cannot be read, is too large, or is not text (it holds
// NUL characters outside UTF-16), and when there is not enough memory for it.
std::optional<QString> ReadDocument(const QString& path, TDocumentFormat* format = nullptr);

// The bytes of a text file as the document reader decodes them (a byte-order mark, else UTF-8
// when valid, else the encoding the bytes look like, Windows-1252 when none is likelier); line
// ends and NUL characters stay as they are.
QString DecodeDocument(QByteArrayView bytes, TDocumentFormat* format = nullptr);

// `text` with "\n" line ends, encoded in `format`; `written` tells the encoding used (UTF-8
// when the preferred one cannot hold every character).
QByteArray EncodeDocument(QString text, const TDocumentFormat& format,
                          TextEncoding* written = nullptr);

// Creates a file that must not exist yet, so that nothing is ever written over another file;
// a failed write leaves no half-written file behind. Throws EFileError.
void CreateNewFile(const QString& path, const QByteArray& data);

// The text as lines, the way a string list takes a text: lines end at CR, LF or CR LF, and a
// final line break adds no empty line. `starts` gets where each line starts in `text`.
QStringList SplitLines(const QString& text, std::vector<int>* starts = nullptr);

// A document read in pieces, for texts of any size (the command line speaks a 200 MB book):
// the same encodings as ReadDocument, but memory stays flat and the first piece is there at
// once. Opening reads the file through once to choose its encoding and to refuse what is not
// text, so a refusal comes before anything is spoken. Names may hold any bytes (see
// KoUtils::DecodeFileName). A document of another format (EPUB, PDF, ...) is imported whole
// when opened, and its text given in the same pieces. Throws EFileError. A text file is read
// `blockSize` bytes at a time, at least 4, so the first block holds any byte-order mark (tests
// make blocks small, so that characters fall across their ends).
class TDocumentReader {
public:
    explicit TDocumentReader(const QString& path, qint64 blockSize = 64 * 1024);
    ~TDocumentReader();

    // The next piece of at most about `size` characters (never less than one), cut after a
    // line break where there is one, else after a sentence, else at a blank; nullopt after
    // the last. Line ends are as in the file.
    std::optional<QString> Next(qsizetype size = 32 * 1024);

private:
    bool Fill(); // decodes one more block into FPending; false at the end of the file
    QString FPath;
    qint64 FBlock;
    QFile FFile;
    TextEncoding FEncoding = TextEncoding::Utf8;
    std::unique_ptr<QStringDecoder> FDecoder;
    QString FPending;
    bool FOddByte = false; // an odd number of bytes was read
    bool FEnd = false;
};

} // namespace settings
