#include "Document.h"

#include <QFile>

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

std::optional<QString> ReadDocument(const QString& path, TDocumentFormat* format) {
    try {
        std::optional<QByteArray> bytes = ReadWholeFile(path, MaxDocumentSize);
        if (!bytes)
            return std::nullopt;
        TDocumentFormat f;
        QString text = DecodeText(*bytes, &f.Encoding, true);
        bytes.reset(); // the text is all that is kept
        if (text.contains(QChar(0)))
            throw EFileError(QStringLiteral("Cannot read \"%1\": it is not a text file").arg(path));
        f.LineEnd = FirstLineEnd(text);
        if (text.contains(u'\r')) {
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            text.replace(u'\r', u'\n');
        }
        if (format)
            *format = f;
        return text;
    } catch (const std::bad_alloc&) {
        throw EFileError(
            QStringLiteral("Cannot read \"%1\": there is not enough memory for it").arg(path));
    }
}

QByteArray EncodeDocument(QString text, const TDocumentFormat& format, TextEncoding* written) {
    if (format.LineEnd == TLineEnd::CrLf)
        text.replace(u'\n', QStringLiteral("\r\n"));
    else if (format.LineEnd == TLineEnd::Cr)
        text.replace(u'\n', u'\r');
    return EncodeText(text, format.Encoding, written);
}

void CreateNewFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    auto fail = [&] {
        return EFileError(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
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

} // namespace settings
