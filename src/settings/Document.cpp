// SPDX-License-Identifier: GPL-3.0-or-later
#include "Document.h"

#include "Encoding.h"
#include "Importer.h"
#include "KoUtils.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <new>

namespace settings {

namespace {

TLineEnd FirstLineEnd(const QString& text) {
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    for (; p != end; ++p) {
        if (*p == u'\n')
            return TLineEnd::Lf;
        if (*p == u'\r')
            return p + 1 != end && p[1] == u'\n' ? TLineEnd::CrLf : TLineEnd::Cr;
    }
    return TLineEnd::Lf;
}

} // namespace

QString DecodeDocument(QByteArrayView bytes, TDocumentFormat* format) {
    TDocumentFormat f;
    QString text = DecodeText(bytes, &f.Encoding, true);
    if (f.Encoding == TextEncoding::Windows1252) {
        // A mark of UTF-8 that said the wrong thing goes, as it does for Windows-1252.
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes = bytes.sliced(3);
        const QByteArray codec = documents::DetectEncoding(bytes);
        if (!documents::IsWesternEncoding(codec)) {
            text = documents::DecodeNamed(bytes, codec);
            f.Encoding = TextEncoding::Detected;
            f.Codec = codec;
        }
    }
    if (format)
        *format = f;
    return text;
}

std::optional<QString> ReadDocument(const QString& path, TDocumentFormat* format) {
    try {
        std::optional<QByteArray> bytes = ReadWholeFile(path, MaxDocumentSize);
        if (!bytes)
            return std::nullopt;
        TDocumentFormat f;
        QString text = DecodeDocument(*bytes, &f);
        bytes.reset(); // the text is all that is kept
        if (text.contains(QChar(0)))
            throw EFileError(
                QCoreApplication::translate("Document", "Cannot read \"%1\": it is not a text file")
                    .arg(path));
        f.LineEnd = FirstLineEnd(text);
        if (text.contains(u'\r')) {
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            text.replace(u'\r', u'\n');
        }
        if (format)
            *format = f;
        return text;
    } catch (const std::bad_alloc&) {
        throw EFileError(QCoreApplication::translate(
                             "Document", "Cannot read \"%1\": there is not enough memory for it")
                             .arg(path));
    }
}

QByteArray EncodeDocument(QString text, const TDocumentFormat& format, TextEncoding* written) {
    if (format.LineEnd == TLineEnd::CrLf)
        text.replace(u'\n', QStringLiteral("\r\n"));
    else if (format.LineEnd == TLineEnd::Cr)
        text.replace(u'\n', u'\r');
    if (format.Encoding == TextEncoding::Detected) {
        // Kept only while every character has a form in it and the bytes read back the same,
        // as the reader reads them: the code page is told from the bytes again, and other bytes
        // may look like another one.
        QStringEncoder encoder(format.Codec.constData());
        if (encoder.isValid()) {
            const QByteArray bytes = encoder.encode(text);
            TDocumentFormat again;
            if (!encoder.hasError() && DecodeDocument(bytes, &again) == text &&
                again.Encoding == TextEncoding::Detected && again.Codec == format.Codec) {
                if (written)
                    *written = TextEncoding::Detected;
                return bytes;
            }
        }
        return EncodeText(text, TextEncoding::Utf8, written);
    }
    return EncodeText(text, format.Encoding, written);
}

void CreateNewFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    auto fail = [&] {
        return EFileError(QCoreApplication::translate("Document", "Cannot write \"%1\": %2")
                              .arg(path, file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw fail();
    if (file.write(data) != data.size() || !file.flush()) {
        EFileError error = fail();
        file.close();
        file.remove();
        throw error;
    }
}

QStringList SplitLines(const QString& text, std::vector<int>* starts) {
    QStringList lines;
    if (starts)
        starts->clear();
    const int n = int(text.size());
    int start = 0;
    for (int i = 0; i < n;) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        if (starts)
            starts->push_back(start);
        lines << text.mid(start, i - start);
        i += (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ? 2 : 1;
        start = i;
    }
    if (start < n) {
        if (starts)
            starts->push_back(start);
        lines << text.mid(start);
    }
    return lines;
}

namespace {
QStringDecoder::Encoding DecoderFor(TextEncoding e) {
    switch (e) {
    case TextEncoding::Utf16LE:
        return QStringDecoder::Utf16LE;
    case TextEncoding::Utf16BE:
        return QStringDecoder::Utf16BE;
    default:
        return QStringDecoder::Utf8;
    }
}

// Where to end a piece of `text` that should hold at most `size` characters.
qsizetype PieceEnd(const QString& text, qsizetype size) {
    if (text.size() <= size)
        return text.size();
    QStringView window = QStringView(text).first(size);
    qsizetype cut = window.lastIndexOf(u'\n');
    if (cut < 0)
        cut = window.lastIndexOf(u'\r');
    if (cut >= size / 4)
        return cut + 1;
    for (qsizetype i = size - 1; i > size / 4; --i) {
        QChar c = window[i - 1];
        if ((c == u'.' || c == u'!' || c == u'?') && window[i].isSpace())
            return i;
    }
    cut = window.lastIndexOf(u' ');
    if (cut > 0)
        return cut + 1;
    // One long word: cut between two characters, never inside one.
    cut = size;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return cut;
}
} // namespace

TDocumentReader::TDocumentReader(const QString& path, qint64 blockSize)
    : FPath(path), FBlock(std::max<qint64>(blockSize, 4)) {
    auto fail = [&](const QString& why) {
        return EFileError(QCoreApplication::translate("TDocumentReader", "Cannot read \"%1\": %2")
                              .arg(path, why));
    };
    if (documents::IsImported(path)) {
        try {
            FPending = documents::Import(path).Text;
        } catch (const documents::EImportError& e) {
            throw EFileError(e.Message());
        }
        FEnd = true;
        return;
    }
    const int fd = ::open(KoUtils::EncodeFileName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw fail(QCoreApplication::translate("TDocumentReader", "it is not a regular file"));
    }
    if (!FFile.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw fail(FFile.errorString());
    }
    // The first pass: the byte-order mark, then whether the bytes are UTF-8, and NULs.
    QByteArray block(FBlock, Qt::Uninitialized);
    qint64 n = FFile.read(block.data(), FBlock);
    if (n < 0)
        throw fail(FFile.errorString());
    QByteArrayView head(block.constData(), n);
    qint64 bom = 0;
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) {
        FEncoding = head.startsWith("\xFF\xFE") ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
        bom = 2;
    } else if (head.startsWith("\xEF\xBB\xBF")) {
        FEncoding = TextEncoding::Utf8Bom;
        bom = 3;
    }
    const bool utf16 = FEncoding == TextEncoding::Utf16LE || FEncoding == TextEncoding::Utf16BE;
    QStringDecoder check(DecoderFor(FEncoding), QStringDecoder::Flag::ConvertInitialBom);
    bool nul = false;
    for (qint64 skip = bom; n > 0 && !nul; skip = 0) {
        QByteArrayView bytes(block.constData() + skip, n - skip);
        if (utf16)
            nul = QString(check.decode(bytes)).contains(QChar(0));
        else {
            nul = bytes.contains('\0');
            if (!check.hasError())
                (void)QString(check.decode(bytes));
        }
        n = FFile.read(block.data(), FBlock);
        if (n < 0)
            throw fail(FFile.errorString());
    }
    if (nul)
        throw fail(QCoreApplication::translate("TDocumentReader", "it is not a text file"));
    // An incomplete character at the very end counts as invalid, as it does for a whole read.
    // The decoder holds such bytes back for the rest of the character: a line break after them
    // shows them up.
    if (!utf16 && !check.hasError())
        (void)QString(check.decode(QByteArrayView("\n", 1)));
    if (!utf16 && check.hasError())
        FEncoding = TextEncoding::Windows1252;
    if (!FFile.seek(bom))
        throw fail(FFile.errorString());
    if (FEncoding == TextEncoding::Windows1252) {
        // Its start tells whether it is of another encoding than Windows-1252.
        const QByteArray start = FFile.read(512 * 1024);
        if (!FFile.seek(bom))
            throw fail(FFile.errorString());
        const QByteArray codec = documents::DetectEncoding(start);
        if (!documents::IsWesternEncoding(codec)) {
            FEncoding = TextEncoding::Detected;
            FDecoder = std::make_unique<QStringDecoder>(codec.constData());
        }
    }
    if (FEncoding != TextEncoding::Windows1252 && !FDecoder)
        FDecoder = std::make_unique<QStringDecoder>(DecoderFor(FEncoding),
                                                    QStringDecoder::Flag::ConvertInitialBom);
}

TDocumentReader::~TDocumentReader() = default;

bool TDocumentReader::Fill() {
    if (FEnd)
        return false;
    QByteArray block(FBlock, Qt::Uninitialized);
    qint64 n = FFile.read(block.data(), FBlock);
    if (n < 0)
        throw EFileError(QCoreApplication::translate("TDocumentReader", "Cannot read \"%1\": %2")
                             .arg(FPath, FFile.errorString()));
    if (n == 0) {
        FEnd = true;
        // A last byte of UTF-16 without its pair is a damaged character, as for a whole read.
        if (FOddByte && (FEncoding == TextEncoding::Utf16LE || FEncoding == TextEncoding::Utf16BE))
            FPending += QChar(QChar::ReplacementCharacter);
        return false;
    }
    FOddByte = FOddByte != (n % 2 == 1);
    block.truncate(n);
    if (FDecoder)
        FPending += FDecoder->decode(block);
    else
        FPending += DecodeWindows1252(block); // not UTF-8: byte for byte
    return true;
}

std::optional<QString> TDocumentReader::Next(qsizetype size) {
    size = std::max<qsizetype>(size, 2);
    // One character more than the piece: a piece ends whole only at the end of the file.
    while (FPending.size() <= size && Fill()) {
    }
    if (FPending.isEmpty())
        return std::nullopt;
    const qsizetype end = PieceEnd(FPending, size);
    QString piece = FPending.first(end);
    FPending.remove(0, end);
    return piece;
}

} // namespace settings
