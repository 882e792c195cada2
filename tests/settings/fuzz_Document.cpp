// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the document readers; the input is the file. Its length chooses the reader's
// block and piece sizes, small, so that characters and line ends fall across their ends (and the
// seeds stay real files). On any bytes: the whole-file reader and the reader in pieces refuse the
// same files and give the same text; pieces keep within their size and never split a character; the
// text re-encoded in the format it was read in reads back as the same text and format, and is
// the file's very bytes when the file had one kind of line end and its encoding holds the text.
#include "Document.h"
#include "Importer.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using namespace settings;

namespace {

const QString& FilePath() {
    static const QString path = [] {
        char name[] = "/tmp/fuzz_Document.XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd < 0)
            std::abort();
        ::close(fd);
        std::atexit([] { ::unlink(FilePath().toLocal8Bit().constData()); });
        return QString::fromLocal8Bit(name);
    }();
    return path;
}

void WriteFile(const char* data, std::size_t size) {
    const int fd = ::open(FilePath().toLocal8Bit().constData(), O_WRONLY | O_TRUNC);
    if (fd < 0 || ::write(fd, data, size) != ssize_t(size) || ::close(fd) != 0)
        std::abort();
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_Document: %s\n", what);
        std::abort();
    }
}

QString WithLineEnds(QString text, TLineEnd end) {
    if (end == TLineEnd::CrLf)
        text.replace(u'\n', QStringLiteral("\r\n"));
    else if (end == TLineEnd::Cr)
        text.replace(u'\n', u'\r');
    return text;
}

QString OneLineEnd(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Whether the bytes are a faultless text of that encoding (every byte part of a character).
// Windows-1252 after the mark of UTF-8 is not: the mark, which said the wrong thing, goes.
bool Faultless(QByteArrayView bytes, TextEncoding e) {
    if (e == TextEncoding::Windows1252)
        return !bytes.startsWith("\xEF\xBB\xBF");
    if (e == TextEncoding::Utf16LE || e == TextEncoding::Utf16BE) {
        if (bytes.size() % 2)
            return false;
        QStringDecoder d(e == TextEncoding::Utf16LE ? QStringDecoder::Utf16LE
                                                    : QStringDecoder::Utf16BE);
        (void)QString(d.decode(bytes));
        return !d.hasError();
    }
    return true; // UTF-8 that was not faultless is read as Windows-1252
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const qint64 block = 4 + qint64(size % 61);
    const qsizetype piece = 2 + qsizetype(size / 61 % 120);
    const char* file = reinterpret_cast<const char*>(data);
    WriteFile(file, size);
    const QByteArrayView bytes(file, qsizetype(size));
    // A document of another format (an RTF, a PDF, ...) is the importers' and their targets'.
    if (documents::IsImported(FilePath()))
        return 0;

    std::optional<QString> whole;
    TDocumentFormat format;
    bool refused = false;
    try {
        whole = ReadDocument(FilePath(), &format);
        Check(whole.has_value(), "an existing file read as missing");
    } catch (const EFileError&) {
        refused = true;
    }

    QStringList pieces;
    bool piecesRefused = false;
    try {
        TDocumentReader reader(FilePath(), block);
        while (std::optional<QString> p = reader.Next(piece))
            pieces << *p;
    } catch (const EFileError&) {
        piecesRefused = true;
    }
    Check(refused == piecesRefused, "one reader refuses what the other reads");
    if (refused)
        return 0;

    const QString& text = *whole;
    Check(!text.contains(u'\r') && !text.contains(QChar(0)), "a CR or NUL in the text read");
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        Check(!pieces[i].isEmpty() && pieces[i].size() <= piece, "a piece of the wrong size");
        if (i + 1 < pieces.size())
            Check(!(pieces[i].back().isHighSurrogate() && pieces[i + 1].front().isLowSurrogate()),
                  "a character split between two pieces");
    }
    Check(OneLineEnd(pieces.join(QString())) == text, "the pieces are not the text");

    // The editor's lines: each where the line starts say, ended by a line break or the end.
    std::vector<int> starts;
    const QStringList lines = SplitLines(text, &starts);
    Check(std::size_t(lines.size()) == starts.size(), "a line without its start");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype at = starts[std::size_t(i)], end = at + lines[i].size();
        Check(QStringView(text).sliced(at, lines[i].size()) == lines[i], "a line out of place");
        Check(end == text.size() ||
                  (text[end] == u'\n' &&
                   end + 1 == (i + 1 < lines.size() ? starts[i + 1] : text.size())),
              "lines that do not follow each other");
    }

    // Saved in the format it was read in.
    TextEncoding written;
    const QByteArray saved = EncodeDocument(text, format, &written);
    TDocumentFormat again;
    WriteFile(saved.constData(), std::size_t(saved.size()));
    const std::optional<QString> back = ReadDocument(FilePath(), &again);
    Check(back == text, "the saved text reads back changed");
    Check(again.Encoding == written, "the saved text reads back in another encoding");
    Check(again.LineEnd == format.LineEnd || !text.contains(u'\n'),
          "the saved text reads back with other line ends");
    TDocumentFormat used;
    const QString raw = DecodeDocument(bytes, &used);
    Check(used.Encoding == format.Encoding && used.Codec == format.Codec,
          "the readers disagree on the encoding");
    // A code page told from the bytes keeps them only where it has a form for every one.
    if (written == format.Encoding && WithLineEnds(text, format.LineEnd) == raw &&
        Faultless(bytes, format.Encoding) && format.Encoding != TextEncoding::Detected)
        Check(saved == bytes, "a file saved unchanged is not its own bytes");
    return 0;
}
