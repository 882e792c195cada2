// SPDX-License-Identifier: GPL-3.0-or-later
#include "IniFile.h"

#include <QSet>

namespace settings {

namespace {

bool IsBlank(QChar c) {
    return c.unicode() <= ' ';
}

QStringView Trimmed(QStringView s) {
    qsizetype from = 0, to = s.size();
    while (from < to && IsBlank(s[from]))
        ++from;
    while (to > from && IsBlank(s[to - 1]))
        --to;
    return s.sliced(from, to - from);
}

bool HasLineBreak(QStringView s) {
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n'));
}

bool IsQuoted(QStringView s) {
    return s.size() >= 2 && s.front() == QLatin1Char('"') && s.back() == QLatin1Char('"');
}

// The escape. The file gives a value one line, trims the blanks around it, and reads a line
// that looks like "[...]" or starts with ";" as structure, so some texts would not come back
// as they were written. Those, and only those, are stored quoted:
//
//   - a value with a line break (CR or LF), with a blank (code 32 or below) at either end, or
//     that itself begins and ends with a double quote, is written as '"' + text + '"'; inside
//     the quotes a backslash is written "\\", CR "\r" and LF "\n". Example:
//         24.12.2026 08:30:00="  Buy milk\nand eggs"
//   - every other value is written as it is, so files from before the escape read the same
//     and the file stays easy to edit by hand.
//
// List sections (the reminders) need a second form for lines that the file would change as a
// whole: a key part with blanks around it, a line break, or a leading ";" or "[", a line whose
// key an earlier line of the section has already (the file keeps one value per key), and a
// line without "=" that is empty, has blanks at its ends, or looks like a comment, a section
// header or a quoted text. Such a line is quoted whole as above, with "=" also written "\x3D",
// so the stored line holds no "=" and reads back as one line of the list. Two reminders of one
// moment, for example:
//     24.12.2026 08:30:00=Buy milk
//     "24.12.2026 08:30:00\x3DCall the baker"
//
// Reading undoes the escape for a value or a line without "=" that begins and ends with '"';
// "\\", "\r", "\n" and "\x3D" are the escapes, any other backslash stands for itself. The one
// text read differently from before: a value quoted by hand in an old file loses its quotes.
QString Quote(QStringView text, bool escapeEquals) {
    QString out;
    out.reserve(text.size() + 8);
    out += QLatin1Char('"');
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (escapeEquals && c == QLatin1Char('='))
            out += QLatin1String("\\x3D");
        else
            out += c;
    }
    out += QLatin1Char('"');
    return out;
}

bool KeyIsPlain(QStringView key) {
    return Trimmed(key).size() == key.size() && !HasLineBreak(key) &&
           !key.startsWith(QLatin1Char(';')) && !key.startsWith(QLatin1Char('['));
}

bool LineIsPlain(QStringView line) {
    return !line.isEmpty() && Trimmed(line).size() == line.size() && !HasLineBreak(line) &&
           !line.startsWith(QLatin1Char(';')) && !line.startsWith(QLatin1Char('[')) &&
           !IsQuoted(line);
}

int DigitValue(QChar c, bool hex) {
    char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (hex && u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (hex && u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

QString TrimBlanks(const QString& s) {
    QStringView t = Trimmed(s);
    return t.size() == s.size() ? s : t.toString();
}

std::optional<std::int32_t> ParseIniInteger(const QString& s) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && IsBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    bool hex = false;
    if (i < n && s[i] == QLatin1Char('$')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && s[i] == QLatin1Char('0') &&
               (s[i + 1] == QLatin1Char('x') || s[i + 1] == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    if (i == n)
        return std::nullopt;
    const std::uint64_t limit = hex ? 0xFFFFFFFFu : negative ? 2147483648u : 2147483647u;
    std::uint64_t value = 0;
    for (; i < n; ++i) {
        int d = DigitValue(s[i], hex);
        if (d < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + std::uint64_t(d);
        if (value > limit)
            return std::nullopt;
    }
    auto bits = std::uint32_t(value);
    if (negative)
        bits = 0u - bits;
    return std::int32_t(bits);
}

QString EscapeIniText(const QString& value) {
    if (Trimmed(value).size() == value.size() && !HasLineBreak(value) && !IsQuoted(value))
        return value;
    return Quote(value, false);
}

QString UnescapeIniText(const QString& stored) {
    if (!IsQuoted(stored))
        return stored;
    QStringView inner = QStringView(stored).sliced(1, stored.size() - 2);
    QString out;
    out.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        QChar c = inner[i];
        if (c == QLatin1Char('\\') && i + 1 < inner.size()) {
            char16_t next = inner[i + 1].unicode();
            if (next == '\\' || next == 'r' || next == 'n') {
                out += next == 'r' ? QChar('\r') : next == 'n' ? QChar('\n') : QChar(next);
                ++i;
                continue;
            }
            if (inner.sliced(i + 1).startsWith(QLatin1String("x3D"), Qt::CaseInsensitive)) {
                out += QLatin1Char('=');
                i += 3;
                continue;
            }
        }
        out += c;
    }
    return out;
}

void TIniFile::SetText(const QString& text) {
    FSections.clear();
    FSectionIndex.clear();
    qsizetype current = -1;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        QStringView line = Trimmed(QStringView(text).sliced(pos, end - pos));
        pos = end + 1;
        if (end < n && text[end] == QLatin1Char('\r') && pos < n && text[pos] == QLatin1Char('\n'))
            ++pos;

        if (line.isEmpty() || line.front() == QLatin1Char(';'))
            continue;
        if (line.size() >= 2 && line.front() == QLatin1Char('[') &&
            line.back() == QLatin1Char(']')) {
            // A repeated header continues the earlier section, so no line of it is hidden
            // behind the first one or lost when the section is rewritten.
            QString name = Trimmed(line.sliced(1, line.size() - 2)).toString();
            current = FindSection(name);
            if (current < 0) {
                AddSection(name);
                current = qsizetype(FSections.size()) - 1;
            }
            continue;
        }
        if (current < 0)
            continue;
        qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            AddLine(FSections[current], {line.toString(), {}, false});
        else
            AddLine(FSections[current], {Trimmed(line.first(eq)).toString(),
                                         Trimmed(line.sliced(eq + 1)).toString(), true});
    }
}

QString TIniFile::Text() const {
    QString out;
    qsizetype size = 0;
    for (const TSection& s : FSections) {
        size += s.Name.size() + 6;
        for (const TLine& l : s.Lines)
            size += l.Key.size() + l.Value.size() + 3;
    }
    out.reserve(size);
    const QLatin1String crlf("\r\n");
    for (const TSection& s : FSections) {
        out += QLatin1Char('[');
        out += s.Name;
        out += QLatin1Char(']');
        out += crlf;
        for (const TLine& l : s.Lines) {
            out += l.Key;
            if (l.HasValue) {
                out += QLatin1Char('=');
                out += l.Value;
            }
            out += crlf;
        }
        out += crlf;
    }
    return out;
}

void TIniFile::LoadFromFile(const QString& path) {
    std::optional<QByteArray> data = ReadWholeFile(path);
    FEncoding = TextEncoding::Utf8;
    SetText(data ? DecodeText(*data, &FEncoding) : QString());
}

void TIniFile::SaveToFile(const QString& path) const {
    WriteFileAtomically(path, EncodeText(Text(), FEncoding));
}

QStringList TIniFile::Sections() const {
    QStringList names;
    for (const TSection& s : FSections)
        names += s.Name;
    return names;
}

QStringList TIniFile::SectionLines(const QString& section) const {
    QStringList lines;
    qsizetype s = FindSection(section);
    if (s < 0)
        return lines;
    lines.reserve(qsizetype(FSections[s].Lines.size()));
    for (const TLine& l : FSections[s].Lines)
        lines += l.HasValue ? l.Key + QLatin1Char('=') + l.Value : l.Key;
    return lines;
}

void TIniFile::EraseSection(const QString& section) {
    qsizetype s = FindSection(section);
    if (s < 0)
        return;
    FSections.erase(FSections.begin() + s);
    FSectionIndex.clear();
    for (qsizetype i = 0; i < qsizetype(FSections.size()); ++i)
        FSectionIndex.insert(FSections[i].Name.toCaseFolded(), i);
}

std::optional<QString> TIniFile::Value(const QString& section, const QString& key) const {
    qsizetype s = FindSection(section);
    if (s < 0)
        return std::nullopt;
    const TSection& sec = FSections[s];
    const QHash<QString, qsizetype>& index = Index(sec);
    auto it = index.constFind(key.toCaseFolded());
    if (it == index.cend())
        return std::nullopt;
    return sec.Lines[*it].Value;
}

void TIniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    qsizetype s = FindSection(section);
    TSection& sec = s >= 0 ? FSections[s] : AddSection(section);
    const QHash<QString, qsizetype>& index = Index(sec);
    auto it = index.constFind(key.toCaseFolded());
    if (it != index.cend()) {
        TLine& line = sec.Lines[*it];
        line.Key = key;
        line.Value = value;
    } else {
        AddLine(sec, {key, value, true});
    }
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    std::optional<QString> v = Value(section, key);
    return v ? UnescapeIniText(*v) : def;
}

std::int32_t TIniFile::ReadInteger(const QString& section, const QString& key,
                                   std::int32_t def) const {
    std::optional<QString> v = Value(section, key);
    return v ? ParseIniInteger(*v).value_or(def) : def;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    SetValue(section, key, EscapeIniText(value));
}

void TIniFile::WriteInteger(const QString& section, const QString& key, std::int32_t value) {
    SetValue(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    SetValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList TIniFile::ReadListSection(const QString& section) const {
    QStringList lines;
    qsizetype s = FindSection(section);
    if (s < 0)
        return lines;
    lines.reserve(qsizetype(FSections[s].Lines.size()));
    for (const TLine& l : FSections[s].Lines)
        lines += l.HasValue ? l.Key + QLatin1Char('=') + UnescapeIniText(l.Value)
                            : UnescapeIniText(l.Key);
    return lines;
}

void TIniFile::WriteListSection(const QString& section, const QStringList& lines) {
    EraseSection(section);
    if (lines.isEmpty())
        return;
    TSection& sec = AddSection(section);
    sec.Lines.reserve(std::size_t(lines.size()));
    QSet<QString> seen;
    seen.reserve(lines.size());
    for (const QString& line : lines) {
        qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) {
            AddLine(sec, {LineIsPlain(line) ? line : Quote(line, true), {}, false});
            continue;
        }
        QString key = line.first(eq);
        QString folded = key.toCaseFolded();
        // A second line of a key (two reminders of one moment) is kept too, quoted whole, so
        // that keys stay unique in the file for whatever else reads it.
        const bool again = seen.contains(folded);
        seen.insert(folded);
        if (KeyIsPlain(key) && !again)
            AddLine(sec, {key, EscapeIniText(line.sliced(eq + 1)), true});
        else
            AddLine(sec, {Quote(line, true), {}, false});
    }
}

qsizetype TIniFile::FindSection(const QString& name) const {
    return FSectionIndex.value(name.toCaseFolded(), -1);
}

TIniFile::TSection& TIniFile::AddSection(const QString& name) {
    FSectionIndex.insert(name.toCaseFolded(), qsizetype(FSections.size()));
    FSections.push_back({name, {}, {}, false});
    return FSections.back();
}

void TIniFile::AddLine(TSection& section, TLine line) {
    if (line.HasValue && section.Indexed) {
        QString folded = line.Key.toCaseFolded();
        if (!section.KeyIndex.contains(folded))
            section.KeyIndex.insert(folded, qsizetype(section.Lines.size()));
    }
    section.Lines.push_back(std::move(line));
}

const QHash<QString, qsizetype>& TIniFile::Index(const TSection& section) {
    if (!section.Indexed) {
        section.KeyIndex.reserve(qsizetype(section.Lines.size()));
        for (qsizetype i = 0; i < qsizetype(section.Lines.size()); ++i) {
            const TLine& line = section.Lines[i];
            if (line.HasValue) {
                QString folded = line.Key.toCaseFolded();
                if (!section.KeyIndex.contains(folded))
                    section.KeyIndex.insert(folded, i);
            }
        }
        section.Indexed = true;
    }
    return section.KeyIndex;
}

} // namespace settings
