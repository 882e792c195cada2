// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the INI reader: any bytes parse; writing what was read and reading it again
// changes nothing; every text and every list line survives a write and a read, and the file
// keeps one value per key.
#include "IniFile.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

using namespace settings;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TextEncoding encoding;
    const QString text = DecodeText(bytes, &encoding);

    TIniFile ini(text);
    const QString once = ini.Text();
    if (TIniFile(once).Text() != once)
        std::abort();
    for (const QString& section : ini.Sections())
        for (const QString& line : ini.SectionLines(section))
            ParseIniInteger(line.mid(line.indexOf(QLatin1Char('=')) + 1));

    // The input's lines, taken as a list section and as single values.
    QStringList lines = text.split(QLatin1Char('\n')).mid(0, 64);
    TIniFile out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        out.WriteString(QStringLiteral("Values"), QString::number(i), lines[i]);
    out.WriteListSection(QStringLiteral("List"), lines);
    TIniFile back(DecodeText(EncodeText(out.Text(), encoding)));
    if (back.ReadListSection(QStringLiteral("List")) != lines)
        std::abort();
    // One value per key on disk, whatever the list repeats.
    QSet<QString> keys;
    for (const QString& line : back.SectionLines(QStringLiteral("List"))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.first(eq).toCaseFolded();
        if (keys.contains(key))
            std::abort();
        keys.insert(key);
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (back.ReadString(QStringLiteral("Values"), QString::number(i), {}) != lines[i])
            std::abort();
    return 0;
}
