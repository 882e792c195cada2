// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaylistFile.h"

#include <QCoreApplication>

namespace settings {

QStringList ParsePlaylist(QByteArrayView bytes, TextEncoding* used) {
    qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    const QString text = DecodeText(bytes, used);
    QStringList entries;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        entries += text.sliced(pos, end - pos);
        pos = end + 1;
        if (end < n && text[end] == QLatin1Char('\r') && pos < n && text[pos] == QLatin1Char('\n'))
            ++pos;
    }
    return entries;
}

QByteArray FormatPlaylist(const QStringList& entries, TextEncoding encoding) {
    QString text;
    qsizetype size = 0;
    for (const QString& e : entries)
        size += e.size() + 2;
    text.reserve(size);
    for (const QString& e : entries) {
        text += e;
        text += QLatin1String("\r\n");
    }
    return EncodeText(text, encoding);
}

QStringList ReadPlaylistFile(const QString& path, TextEncoding* used) {
    std::optional<QByteArray> data = ReadWholeFile(path);
    if (!data)
        throw EFileError(
            QCoreApplication::translate("PlaylistFile", "Cannot read \"%1\": no such file")
                .arg(path));
    return ParsePlaylist(*data, used);
}

void WritePlaylistFile(const QString& path, const QStringList& entries, TextEncoding encoding) {
    WriteFileAtomically(path, FormatPlaylist(entries, encoding), TReadOnly::Clear);
}

} // namespace settings
