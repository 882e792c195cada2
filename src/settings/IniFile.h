// SPDX-License-Identifier: GPL-3.0-or-later
// TIniFile: an INI file held in memory, read whole and written whole.
//
// Reading: every line is trimmed; "[name]" starts a section; a line with "=" holds a key (text
// before the first "=") and a value (the rest), both trimmed. Empty lines, comments (";") and
// lines before the first section are dropped; a line without "=" inside a section is kept in
// its place. Section and key names match without regard to letter case. Lines end at CR LF, LF
// or CR; they are written with CR LF.
// Writing keeps whatever the program does not know: unknown sections and keys stay, a value
// replaces the old one in place, a new key goes to the end of its section, a new section to the
// end of the file.
#pragma once

#include "TextFile.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace settings {

// Removes the characters the file format treats as blanks (code 32 and below) at both ends.
QString TrimBlanks(const QString& s);

// Decimal with an optional sign, or hexadecimal after "0x", "0X" or "$"; nullopt unless the
// whole text parses and fits in 32 bits (hexadecimal up to FFFFFFFF, taken as its bit pattern).
std::optional<std::int32_t> ParseIniInteger(const QString& s);

// Text values are stored as they are, except for those the file would change: see
// EscapeIniText in IniFile.cpp.
QString EscapeIniText(const QString& value);
QString UnescapeIniText(const QString& stored);

class TIniFile {
public:
    TIniFile() = default;
    explicit TIniFile(const QString& text) { SetText(text); }

    void SetText(const QString& text);
    QString Text() const;

    // A missing file reads as empty; one that exists but cannot be read throws EFileError.
    void LoadFromFile(const QString& path);
    // Atomic (see WriteFileAtomically), in the encoding the file was read in.
    void SaveToFile(const QString& path) const;
    TextEncoding Encoding() const { return FEncoding; }

    QStringList Sections() const;
    bool SectionExists(const QString& section) const { return FindSection(section) >= 0; }
    // The section's lines in order: "key=value" for values, other lines as they stand.
    QStringList SectionLines(const QString& section) const;
    void EraseSection(const QString& section);

    // The stored value as it stands in the file; nullopt when the key is missing.
    std::optional<QString> Value(const QString& section, const QString& key) const;
    void SetValue(const QString& section, const QString& key, const QString& value);

    // A missing key gives the default; a present but empty one gives the empty text.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // A missing key or a value that is not a 32-bit integer gives the default.
    std::int32_t ReadInteger(const QString& section, const QString& key, std::int32_t def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, std::int32_t value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // A section used as a list of "key=value" lines (and of lines without "=", which are kept).
    // Reading gives the lines in file order; writing replaces the section, moving it to the end
    // of the file (an empty list leaves no section). Every line reads back exactly as written,
    // whatever characters it holds, also a second line of the same key (written quoted whole).
    QStringList ReadListSection(const QString& section) const;
    void WriteListSection(const QString& section, const QStringList& lines);

private:
    struct TLine {
        QString Key; // the whole line when it holds no value
        QString Value;
        bool HasValue = false;
    };
    struct TSection {
        QString Name;
        std::vector<TLine> Lines;
        // Case-folded key -> its first line; built at the first look-up, since a list section
        // of thousands of lines is read whole and never looked up by key.
        mutable QHash<QString, qsizetype> KeyIndex;
        mutable bool Indexed = false;
    };

    qsizetype FindSection(const QString& name) const;
    TSection& AddSection(const QString& name);
    static void AddLine(TSection& section, TLine line);
    static const QHash<QString, qsizetype>& Index(const TSection& section);

    std::vector<TSection> FSections;
    QHash<QString, qsizetype> FSectionIndex; // case-folded name -> index in FSections
    TextEncoding FEncoding = TextEncoding::Utf8;
};

} // namespace settings
