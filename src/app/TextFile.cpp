#include "TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; five of those bytes are unassigned
// and are read as the C1 control of the same number, as Latin-1 reads them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray EncodeCp1252(const QString& text, bool* fits) {
    QByteArray out(text.size(), Qt::Uninitialized);
    bool ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out[i] = char(c);
            continue;
        }
        int found = -1;
        for (int k = 0; k < 32; ++k)
            if (kCp1252High[k] == c)
                found = k;
        if (found < 0) {
            ok = false;
            out[i] = '?';
        } else {
            out[i] = char(0x80 + found);
        }
    }
    if (fits)
        *fits = ok;
    return out;
}

} // namespace

QString Decode(const QByteArray& bytes, Encoding* detected) {
    Encoding enc = Encoding::Utf8;
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        enc = Encoding::Utf8Bom;
        text = QString::fromUtf8(bytes.mid(3));
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        bool le = bytes.startsWith("\xFF\xFE");
        enc = le ? Encoding::Utf16LE : Encoding::Utf16BE;
        QStringDecoder dec(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        text = dec(bytes.mid(2));
    } else {
        QStringDecoder dec(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = dec(bytes);
        if (dec.hasError()) {
            enc = Encoding::Windows1252;
            text = DecodeCp1252(bytes);
        }
    }
    if (detected)
        *detected = enc;
    return text;
}

QByteArray Encode(const QString& text, Encoding enc, bool* fits) {
    if (fits)
        *fits = true;
    switch (enc) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf8Bom:
        return "\xEF\xBB\xBF" + text.toUtf8();
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        QStringEncoder e(enc == Encoding::Utf16LE ? QStringConverter::Utf16LE
                                                   : QStringConverter::Utf16BE,
                         QStringConverter::Flag::WriteBom);
        return e(text);
    }
    case Encoding::Windows1252:
        return EncodeCp1252(text, fits);
    }
    return text.toUtf8();
}

ReadResult Read(const QString& path, qint64 maxBytes) {
    ReadResult r;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        r.Error = f.errorString();
        return r;
    }
    if (f.size() > maxBytes) {
        r.Error = QStringLiteral("The file is too large (%1 bytes).").arg(f.size());
        return r;
    }
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.Error = f.errorString();
        return r;
    }
    r.Text = Decode(bytes, &r.Enc);
    r.Ok = true;
    return r;
}

} // namespace TextFile
