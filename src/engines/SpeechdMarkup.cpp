// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the speech-dispatcher engine as the service reads it (SpeechdEngine.h): a block
// cut into parts after sentences and at blank lines, never inside a word or a tag, and each
// part turned into SSML with the lexicon's words replaced, a mark before each word that names
// its byte offset in the block, and pauses as breaks.
#include "SpeechdEngine.h"

#include "ControlTags.h"
#include "Lexicon.h"
#include "SynthEngine.h"
#include "WordPositions.h"

#include <cstring>
#include <memory>

namespace engines {

namespace {

std::string XmlEscaped(std::string_view s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            // Control characters are not allowed in XML: they become blanks.
            out += (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') ? ' ' : c;
        }
    }
    return out;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The words of `said` from source offset `from` on, each after its mark.
void AppendMarked(const TextPiece& said, std::uint32_t from, std::string& out) {
    const std::string& t = said.Text();
    for (std::size_t i = 0; i < t.size();) {
        if (IsBlank(t[i])) {
            out += t[i] == '\r' ? ' ' : t[i];
            ++i;
            continue;
        }
        std::size_t end = t.find_first_of(" \t\r\n", i);
        if (end == std::string::npos)
            end = t.size();
        if (said.SourceOffset(i) >= from) {
            out += "<mark name=\"" + std::to_string(said.SourceOffset(i)) + "\"/>";
            out += XmlEscaped(std::string_view(t).substr(i, end - i));
        }
        i = end;
    }
}

} // namespace

std::vector<std::pair<std::uint32_t, std::uint32_t>> SpeechdParts(std::string_view block,
                                                                  bool tagged) {
    // A part ends after a sentence once it holds kMinPart bytes (the first one after its first
    // sentence), at a blank line, or at any blank once it holds kMaxPart.
    constexpr std::size_t kMinPart = 300, kMaxPart = 2000;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> parts;
    std::size_t begin = 0;
    auto cut = [&](std::size_t at) {
        if (at > begin) {
            parts.emplace_back(std::uint32_t(begin), std::uint32_t(at));
            begin = at;
        }
    };
    ControlTagReader reader(block, tagged);
    TagItem item;
    while (reader.Next(item)) {
        if (item.type == TagItem::Type::Tag)
            continue;
        const std::string_view t = item.text;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (!IsBlank(t[i]) || i == 0 || IsBlank(t[i - 1]))
                continue;
            // The end of a word: where the next one starts, and what lies between.
            std::size_t next = i;
            while (next < t.size() && IsBlank(t[next]))
                ++next;
            const std::string_view gap = t.substr(i, next - i);
            std::size_t last = i - 1;
            while (last > 0 && std::strchr("\"')]}", t[last]))
                --last;
            const std::size_t at = item.offset + next, size = at - begin;
            const bool sentence = std::strchr(".!?", t[last]) != nullptr;
            const bool paragraph = gap.find("\n\n") != std::string_view::npos ||
                                   gap.find("\n\r\n") != std::string_view::npos;
            if (paragraph || size >= kMaxPart || (sentence && (parts.empty() || size >= kMinPart)))
                cut(at);
            i = next - 1;
        }
    }
    cut(block.size());
    if (parts.empty())
        parts.emplace_back(0, std::uint32_t(block.size()));
    return parts;
}

std::string SpeechdMarkup(std::string_view part, bool tagged, std::uint32_t base,
                          std::uint32_t from) {
    std::shared_ptr<const Lexicon> lexicon = LexiconWithoutPhonemes(CurrentLexicon());
    std::string out = "<speak>";
    ControlTagReader reader(part, tagged);
    TagItem item;
    while (reader.Next(item)) {
        const auto offset = std::uint32_t(base + item.offset);
        if (item.type == TagItem::Type::Tag) {
            // Pauses the service can make; the other tags are left out.
            if (auto tag = InterpretTag(item); tag && tag->kind == TagKind::Pause && offset >= from)
                out += "<break time=\"" + std::to_string(tag->number) + "ms\"/>";
            continue;
        }
        TextPiece said;
        if (lexicon)
            lexicon->Apply(item.text, offset, said);
        else
            said.Append(item.text, offset);
        AppendMarked(said, from, out);
    }
    out += "</speak>";
    return out;
}

} // namespace engines
