// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the lexicon file and its replacements on any bytes. The input is a lexicon file,
// a NUL, and a text (without a NUL, the file is its own text). Reading and writing the file
// gives its bytes back; every entry read is whole; the replacements are those a plain search
// through all entries finds (the longest match, then the first entry in the file), and every
// byte spoken points into the text: its own byte, or the first byte of what it replaced.
#include "Lexicon.h"
#include "WordPositions.h"

#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>

using namespace engines;

namespace {

bool IsWordChar(char32_t c) {
    return QChar::isLetterOrNumber(c) || QChar::isMark(c) || c == U'_';
}

std::u32string CodePoints(const QString& s) {
    std::u32string out;
    for (char32_t c : s.toUcs4())
        out.push_back(c);
    return out;
}

// The replacements found the slow way: every entry tried at every position.
void PlainSearch(const Lexicon& lexicon, std::string_view run, std::uint32_t base, TextPiece& out) {
    const QString decoded = QString::fromUtf8(run.data(), qsizetype(run.size()));
    if (lexicon.Entries.empty() ||
        decoded.toUtf8() != QByteArrayView(run.data(), qsizetype(run.size()))) {
        out.Append(run, base);
        return;
    }
    const bool phonemes = lexicon.HasPhonemes();
    auto original = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            out.Append(run.substr(i, 1), base + std::uint32_t(i));
            if (phonemes && run[i] == '[' && i + 1 < to && run[i + 1] == '[')
                out.AppendAt(" ", base + std::uint32_t(i + 1));
        }
    };
    const std::u32string text = CodePoints(decoded);
    std::vector<std::size_t> byteAt{0};
    for (char32_t c : text)
        byteAt.push_back(byteAt.back() + (c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4));
    std::vector<std::size_t> order;
    std::vector<std::u32string> words;
    for (std::size_t e = 0; e < lexicon.Entries.size(); ++e) {
        words.push_back(CodePoints(lexicon.Entries[e].Word));
        if (!words.back().empty())
            order.push_back(e);
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return words[a].size() > words[b].size();
    });
    std::size_t pending = 0;
    for (std::size_t i = 0; i < text.size();) {
        const LexiconEntry* hit = nullptr;
        std::size_t n = 0;
        for (std::size_t e : order) {
            const LexiconEntry& entry = lexicon.Entries[e];
            const std::u32string& word = words[e];
            n = word.size();
            if (i + n > text.size())
                continue;
            bool same = true;
            for (std::size_t k = 0; k < n && same; ++k)
                same = entry.MatchCase
                           ? text[i + k] == word[k]
                           : QChar::toCaseFolded(text[i + k]) == QChar::toCaseFolded(word[k]);
            if (!same)
                continue;
            if (entry.WholeWord &&
                ((IsWordChar(word.front()) && i > 0 && IsWordChar(text[i - 1])) ||
                 (IsWordChar(word.back()) && i + n < text.size() && IsWordChar(text[i + n]))))
                continue;
            hit = &entry;
            break;
        }
        if (!hit) {
            ++i;
            continue;
        }
        original(byteAt[pending], byteAt[i]);
        const QByteArray say = hit->Say.toUtf8();
        out.AppendAt(std::string_view(say.constData(), std::size_t(say.size())),
                     base + std::uint32_t(byteAt[i]));
        i += n;
        pending = i;
    }
    original(byteAt[pending], run.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const char* nul = static_cast<const char*>(std::memchr(bytes, 0, size));
    const QByteArrayView file(bytes, nul ? nul - bytes : qsizetype(size));
    const std::string_view text =
        nul ? std::string_view(nul + 1, size - std::size_t(nul + 1 - bytes))
            : std::string_view(bytes, size);

    Lexicon lexicon;
    lexicon.Parse(file);
    if (lexicon.ToBytes() != file)
        std::abort();
    std::size_t entries = 0;
    for (const LexiconLine& line : lexicon.Lines) {
        if (line.Kind != LexiconLine::Entry)
            continue;
        if (line.Index != int(entries) ||
            !Lexicon::EntryProblem(lexicon.Entries[entries]).isEmpty())
            std::abort();
        ++entries;
    }
    if (entries != lexicon.Entries.size())
        std::abort();
    // An entry written out reads back as the same entry.
    for (const LexiconEntry& e : lexicon.Entries) {
        Lexicon one;
        one.Parse(Lexicon::FormatEntry(e));
        if (one.Entries.size() != 1 || !(one.Entries[0] == e))
            std::abort();
    }

    constexpr std::uint32_t base = 7; // where the run starts in its block
    TextPiece fast, slow;
    lexicon.Apply(text, base, fast);
    PlainSearch(lexicon, text, base, slow);
    if (fast.Text() != slow.Text())
        std::abort();
    std::uint32_t last = base;
    for (std::size_t i = 0; i < fast.Size(); ++i) {
        const std::uint32_t at = fast.SourceOffset(i);
        if (at != slow.SourceOffset(i) || at < last ||
            at - base >= std::max<std::size_t>(text.size(), 1))
            std::abort();
        last = at;
    }
    return 0;
}
