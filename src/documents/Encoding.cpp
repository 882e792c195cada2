// SPDX-License-Identifier: GPL-3.0-or-later
#include "Encoding.h"

#include <QList>
#include <QStringDecoder>

#include <uchardet/uchardet.h>

namespace documents {

bool IsWesternEncoding(QByteArrayView name) {
    const QByteArray n = name.toByteArray().toUpper();
    return n.isEmpty() || n == "ASCII" || n == "ISO-8859-1" || n == "WINDOWS-1252" ||
           n == "ISO-8859-15";
}

QByteArray DetectEncoding(QByteArrayView bytes) {
    uchardet_t detector = uchardet_new();
    if (!detector)
        return "WINDOWS-1252";
    // A few hundred kilobytes tell the encoding as well as the whole of a long book.
    const qsizetype n = std::min<qsizetype>(bytes.size(), 512 * 1024);
    QByteArray name;
    if (uchardet_handle_data(detector, bytes.data(), size_t(n)) == 0) {
        uchardet_data_end(detector);
        name = uchardet_get_charset(detector);
    }
    uchardet_delete(detector);
    // Its callers ask only about bytes that are no valid UTF-8: a detector that still says
    // UTF-8 (a text of UTF-8 with a damaged character) would have it read with a replacement
    // character, and saved so, where Windows-1252 keeps every byte.
    if (IsWesternEncoding(name) || name.toUpper().startsWith("UTF-") ||
        !QStringDecoder(name.constData()).isValid())
        return "WINDOWS-1252";
    // Other code pages of Latin letters share most accented letters with Windows-1252, and a
    // few of them ("café") tell the detector too little: they win over the Part's code page
    // only on enough evidence. Other scripts read as Windows-1252 would be mojibake throughout.
    static const QList<QByteArray> latin = {
        "ISO-8859-2",   "ISO-8859-3",   "ISO-8859-4",        "ISO-8859-9",   "ISO-8859-10",
        "ISO-8859-13",  "ISO-8859-14",  "ISO-8859-16",       "WINDOWS-1250", "WINDOWS-1254",
        "WINDOWS-1257", "WINDOWS-1258", "MAC-CENTRALEUROPE", "IBM852",       "VISCII"};
    if (latin.contains(name.toUpper())) {
        qsizetype high = 0;
        for (qsizetype i = 0; i < n; ++i)
            high += static_cast<unsigned char>(bytes[i]) >= 0x80;
        if (high < 64)
            return "WINDOWS-1252";
    }
    return name;
}

bool IsUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8.decode(bytes));
    return !utf8.hasError();
}

QString DecodeNamed(QByteArrayView bytes, const QByteArray& name) {
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Latin1);
    return decoder.decode(bytes);
}

} // namespace documents
