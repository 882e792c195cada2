// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lexicon.h"

#include "WordPositions.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace engines {

namespace {

// A lexicon file is a few megabytes at most; a device file would otherwise be read for ever.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

bool IsWordChar(char32_t c) {
    return QChar::isLetterOrNumber(c) || QChar::isMark(c) || c == U'_';
}

// The code points of a text; a lone surrogate stands for itself.
std::u32string CodePoints(QStringView text) {
    std::u32string out;
    out.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            out.push_back(QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::u32string Folded(std::u32string text) {
    for (char32_t& c : text)
        c = QChar::toCaseFolded(c);
    return text;
}

// What a line of the file says is wrong with it; empty for an entry. `entry` holds what could
// be read of it either way.
QString ParseLine(const QString& line, LexiconEntry& entry) {
    const QStringList fields = line.split(u'\t');
    entry.Word = fields[0].trimmed();
    if (fields.size() < 2)
        //: what is wrong with a line of the lexicon (as the texts that follow)
        return QCoreApplication::translate("Lexicon",
                                           "no tab between the word and its pronunciation");
    entry.Say = fields[1].trimmed();
    if (QString problem = Lexicon::EntryProblem(entry); !problem.isEmpty())
        return problem;
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    for (qsizetype i = 2; i < fields.size(); ++i)
        for (const QString& option : fields[i].split(separators, Qt::SkipEmptyParts)) {
            if (option.compare(QLatin1String("part"), Qt::CaseInsensitive) == 0)
                entry.WholeWord = false;
            else if (option.compare(QLatin1String("case"), Qt::CaseInsensitive) == 0)
                entry.MatchCase = true;
            else
                return QCoreApplication::translate("Lexicon", "unknown option \"%1\"").arg(option);
        }
    return {};
}

// Appends original bytes; where the engine reads phonemes, a "[[" the user wrote is split
// so that it stays text.
void AppendOriginal(std::string_view bytes, std::uint32_t offset, bool phonemes, TextPiece& out) {
    if (!phonemes) {
        out.Append(bytes, offset);
        return;
    }
    std::size_t from = 0;
    for (std::size_t at; (at = bytes.find("[[", from)) != std::string_view::npos; from = at + 1) {
        out.Append(bytes.substr(from, at + 1 - from), offset + std::uint32_t(from));
        out.AppendAt(" ", offset + std::uint32_t(at + 1));
    }
    out.Append(bytes.substr(from), offset + std::uint32_t(from));
}

} // namespace

// The entries sorted by their case-folded words: the entries that can start at a position of
// the text lie in a range that narrows with each character, so finding them costs a few
// binary searches, whatever the number of entries.
struct Lexicon::Index {
    std::size_t Count = 0; // of the entries indexed
    bool Phonemes = false;
    std::vector<std::u32string> Folded;
    std::vector<std::u32string> Exact; // the words of entries that match the letter case
    std::vector<std::uint32_t> Order;  // by folded word, then by place in the file

    explicit Index(const std::vector<LexiconEntry>& entries) : Count(entries.size()) {
        Folded.resize(entries.size());
        Exact.resize(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const LexiconEntry& e = entries[i];
            Phonemes = Phonemes || e.Say.contains(QLatin1String("[["));
            if (e.Word.isEmpty())
                continue;
            std::u32string word = CodePoints(e.Word);
            Folded[i] = engines::Folded(word);
            if (e.MatchCase)
                Exact[i] = std::move(word);
            Order.push_back(std::uint32_t(i));
        }
        std::sort(Order.begin(), Order.end(), [this](std::uint32_t a, std::uint32_t b) {
            const int order = Folded[a].compare(Folded[b]);
            return order != 0 ? order < 0 : a < b;
        });
    }

    // The entry that replaces the text at `at`, or -1; `length` is what it covers.
    int Match(const std::vector<LexiconEntry>& entries, const std::u32string& text,
              const std::u32string& folded, std::size_t at, std::size_t& length) const {
        struct Candidates {
            std::size_t length, begin, end;
        };
        std::vector<Candidates> found; // shortest first
        std::size_t lo = 0, hi = Order.size();
        for (std::size_t k = 0; lo < hi; ++k) {
            // Words of exactly k characters come first in the range.
            std::size_t end = lo;
            while (end < hi && Folded[Order[end]].size() == k)
                ++end;
            if (end > lo && k > 0)
                found.push_back({k, lo, end});
            lo = end;
            if (lo == hi || at + k >= text.size())
                break;
            const char32_t c = folded[at + k];
            const auto first = Order.begin() + std::ptrdiff_t(lo);
            const auto last = Order.begin() + std::ptrdiff_t(hi);
            const auto from = std::lower_bound(
                first, last, c, [&](std::uint32_t e, char32_t v) { return Folded[e][k] < v; });
            const auto to = std::upper_bound(
                from, last, c, [&](char32_t v, std::uint32_t e) { return v < Folded[e][k]; });
            lo = std::size_t(from - Order.begin());
            hi = std::size_t(to - Order.begin());
        }
        for (auto c = found.rbegin(); c != found.rend(); ++c) {
            for (std::size_t j = c->begin; j < c->end; ++j) {
                const std::uint32_t e = Order[j];
                if (entries[e].MatchCase && text.compare(at, c->length, Exact[e]) != 0)
                    continue;
                if (entries[e].WholeWord) {
                    const std::u32string& word = Folded[e];
                    if (IsWordChar(word.front()) && at > 0 && IsWordChar(text[at - 1]))
                        continue;
                    if (IsWordChar(word.back()) && at + c->length < text.size() &&
                        IsWordChar(text[at + c->length]))
                        continue;
                }
                length = c->length;
                return int(e);
            }
        }
        return -1;
    }
};

Lexicon& Lexicon::operator=(const Lexicon& other) {
    if (this != &other) {
        Entries = other.Entries;
        Lines = other.Lines;
        std::lock_guard lock(FIndexMutex);
        FIndex.reset();
    }
    return *this;
}

void Lexicon::Parse(QByteArrayView bytes) {
    Entries.clear();
    Lines.clear();
    {
        std::lock_guard lock(FIndexMutex);
        FIndex.reset();
    }
    std::optional<QStringDecoder> windows1252; // made when a line needs it
    for (qsizetype from = 0, n = 1; from < bytes.size(); from += n) {
        qsizetype end = bytes.indexOf('\n', from);
        LexiconLine line;
        line.Ended = end >= 0;
        if (end < 0)
            end = bytes.size();
        n = end - from + 1;
        line.Bytes = bytes.sliced(from, end - from).toByteArray();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(line.Bytes);
        if (utf8.hasError()) {
            line.NotUtf8 = true;
            if (!windows1252)
                windows1252.emplace("windows-1252");
            text = windows1252->decode(line.Bytes);
        }
        if (text.endsWith(u'\r'))
            text.chop(1);
        const QString trimmed = text.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(u'#')) {
            LexiconEntry entry;
            line.Problem = ParseLine(text, entry);
            if (line.Problem.isEmpty()) {
                line.Kind = LexiconLine::Entry;
                line.Index = int(Entries.size());
                Entries.push_back(std::move(entry));
            } else {
                line.Kind = LexiconLine::Refused;
                line.Fields = std::move(entry);
            }
        }
        Lines.push_back(std::move(line));
    }
}

QStringList Lexicon::Problems(std::vector<QByteArray>* lines) const {
    QStringList out;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        const LexiconLine& line = Lines[i];
        if (line.Kind == LexiconLine::Comment || (line.Problem.isEmpty() && !line.NotUtf8))
            continue; // a comment is never used: its bytes do not matter
        QStringList what;
        if (!line.Problem.isEmpty())
            what << line.Problem;
        if (line.NotUtf8)
            what << QCoreApplication::translate("Lexicon",
                                                "not UTF-8 text, so it was read as Windows-1252");
        //: %1 is the line's number, %2 what is wrong with it
        out << QCoreApplication::translate("Lexicon", "line %1: %2")
                   .arg(i + 1)
                   .arg(what.join(QLatin1String("; ")));
        if (lines)
            lines->push_back(line.Bytes);
    }
    return out;
}

QByteArray Lexicon::FormatEntry(const LexiconEntry& e) {
    QString out = e.Word + u'\t' + e.Say;
    QStringList options;
    if (!e.WholeWord)
        options << QStringLiteral("part");
    if (e.MatchCase)
        options << QStringLiteral("case");
    if (!options.isEmpty())
        out += u'\t' + options.join(u' ');
    return out.toUtf8();
}

QString Lexicon::EntryProblem(const LexiconEntry& e) {
    if (e.Word.isEmpty())
        return QCoreApplication::translate("Lexicon", "the word is empty");
    if (e.Word.startsWith(u'#'))
        return QCoreApplication::translate("Lexicon",
                                           "a word cannot start with #, which starts a comment");
    if (e.Say.isEmpty())
        return QCoreApplication::translate("Lexicon", "the pronunciation is empty");
    if (e.Say.count(QLatin1String("[[")) != e.Say.count(QLatin1String("]]")))
        return QCoreApplication::translate("Lexicon",
                                           "phonemes opened with [[ are not closed with ]]");
    return {};
}

QByteArray Lexicon::ToBytes() const {
    QByteArray out;
    std::vector<bool> written(Entries.size());
    for (const LexiconLine& line : Lines) {
        out += line.Bytes;
        if (line.Ended)
            out += '\n';
        if (line.Kind == LexiconLine::Entry && line.Index >= 0 &&
            std::size_t(line.Index) < written.size())
            written[std::size_t(line.Index)] = true;
    }
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        if (written[i])
            continue;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += '\n';
        out += FormatEntry(Entries[i]) + '\n';
    }
    return out;
}

bool Lexicon::Load(const QString& path, QStringList* problems, QString* error) {
    Parse({});
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (bytes.size() > kMaxFileSize) {
        if (error)
            //: why the lexicon could not be read; %1 is a number
            *error = QCoreApplication::translate("Lexicon", "it is larger than %1 MB")
                         .arg(kMaxFileSize >> 20);
        return false;
    }
    Parse(bytes);
    if (problems)
        *problems << Problems();
    return true;
}

bool Lexicon::Save(const QString& path, QString* error) const {
    QSaveFile file(path);
    const QByteArray bytes = ToBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::shared_ptr<const Lexicon::Index> Lexicon::Indexed() const {
    std::lock_guard lock(FIndexMutex);
    if (!FIndex || FIndex->Count != Entries.size())
        FIndex = std::make_shared<const Index>(Entries);
    return FIndex;
}

bool Lexicon::HasPhonemes() const {
    return !Entries.empty() && Indexed()->Phonemes;
}

void Lexicon::Apply(std::string_view run, std::uint32_t sourceOffset, TextPiece& out) const {
    const QString decoded = QString::fromUtf8(run.data(), qsizetype(run.size()));
    // Offsets are in bytes of the original: text that does not survive the round trip (not
    // UTF-8) is spoken as it is.
    if (Entries.empty() || decoded.toUtf8() != QByteArrayView(run.data(), qsizetype(run.size()))) {
        out.Append(run, sourceOffset);
        return;
    }
    const auto index = Indexed();
    const std::u32string text = CodePoints(decoded);
    const std::u32string folded = Folded(text);
    // Byte offset in `run` of every character of `text`.
    std::vector<std::uint32_t> byteAt(text.size() + 1);
    std::uint32_t bytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        byteAt[i] = bytes;
        const char32_t c = text[i];
        bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    }
    byteAt.back() = bytes;

    std::size_t pending = 0; // start of the original text not yet appended
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 0;
        const int hit = index->Match(Entries, text, folded, i, length);
        if (hit < 0) {
            ++i;
            continue;
        }
        const std::uint32_t from = byteAt[pending];
        const std::uint32_t at = byteAt[i];
        AppendOriginal(run.substr(from, at - from), sourceOffset + from, index->Phonemes, out);
        const QByteArray say = Entries[std::size_t(hit)].Say.toUtf8();
        out.AppendAt(std::string_view(say.constData(), std::size_t(say.size())), sourceOffset + at);
        i += length;
        pending = i;
    }
    const std::uint32_t from = byteAt[pending];
    AppendOriginal(run.substr(from), sourceOffset + from, index->Phonemes, out);
}

} // namespace engines
