// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileNames.h"

namespace platform {

namespace {
// The length of the UTF-8 character at p (1..4), or 0 when the bytes there are not one
// (overlong forms, surrogates and values beyond U+10FFFF are not).
int Utf8Length(const unsigned char* p, const unsigned char* end) {
    unsigned char b = p[0];
    int n;
    char32_t c;
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        c = b & 0x07;
    } else {
        return 0;
    }
    if (end - p < n)
        return 0;
    for (int i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    if ((n == 3 && c < 0x800) || (n == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
        (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return n;
}

// Whether the character at `i` stands for a byte that was no UTF-8: a lone low surrogate of
// that range. The second half of a real character beyond U+FFFF (💀 is D83D DC80) is none.
bool IsEscapedByte(QStringView name, qsizetype i) {
    const char16_t c = name[i].unicode();
    return c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && QChar::isHighSurrogate(name[i - 1].unicode()));
}
} // namespace

QString DecodeFileName(const QByteArray& name) {
    const auto* p = reinterpret_cast<const unsigned char*>(name.constData());
    const auto* end = p + name.size();
    QString out;
    out.reserve(name.size());
    while (p < end) {
        const auto* run = p;
        int n;
        while (p < end && (n = Utf8Length(p, end)) > 0)
            p += n;
        out += QString::fromUtf8(reinterpret_cast<const char*>(run), p - run);
        if (p < end)
            out += QChar(char16_t(0xDC00 + *p++));
    }
    return out;
}

QByteArray EncodeFileName(const QString& name) {
    QByteArray out;
    out.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsEscapedByte(name, i))
            continue;
        out += QStringView(name).mid(start, i - start).toUtf8();
        out += char(name[i].unicode() - 0xDC00);
        start = i + 1;
    }
    out += QStringView(name).mid(start).toUtf8();
    return out;
}

bool IsPlainFileName(const QString& name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (IsEscapedByte(name, i))
            return false;
    return true;
}

} // namespace platform
