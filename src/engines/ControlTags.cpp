// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlTags.h"

#include <algorithm>
#include <cctype>

namespace engines {

namespace {

constexpr std::size_t kMaxValueLength = 256;

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<std::uint32_t> ParseNumber(std::string_view s) {
    s = Trim(s);
    if (s.empty() || s.size() > 10)
        return std::nullopt;
    std::uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + std::uint64_t(c - '0');
    }
    if (v > 0xFFFFFFFFull)
        return std::nullopt;
    return std::uint32_t(v);
}

} // namespace

bool ControlTagReader::MatchTag(std::size_t at, TagItem& item) const {
    // at points at a backslash; a tag is \Abc\ or \Abc=value\ on one line.
    std::size_t p = at + 1;
    std::size_t afterName = p + 3;
    if (afterName >= FSource.size() || !IsLetter(FSource[p]) || !IsLetter(FSource[p + 1]) ||
        !IsLetter(FSource[p + 2]))
        return false;
    item.name = FSource.substr(p, 3);
    item.hasValue = false;
    item.value = {};
    if (FSource[afterName] == '\\') {
        item.text = FSource.substr(at, afterName + 1 - at);
        return true;
    }
    if (FSource[afterName] != '=')
        return false;
    std::size_t v = afterName + 1;
    std::size_t end = v;
    while (end < FSource.size() && FSource[end] != '\\' && FSource[end] != '\n' &&
           FSource[end] != '\r' && FSource[end] != '\0' && end - v <= kMaxValueLength)
        ++end;
    if (end >= FSource.size() || FSource[end] != '\\')
        return false;
    item.hasValue = true;
    item.value = FSource.substr(v, end - v);
    item.text = FSource.substr(at, end + 1 - at);
    return true;
}

bool ControlTagReader::Next(TagItem& item) {
    if (FPos >= FSource.size())
        return false;
    item = TagItem{};
    item.offset = FPos;
    if (!FTags) {
        item.text = FSource.substr(FPos);
        FPos = FSource.size();
        return true;
    }
    if (FSource[FPos] == '\\') {
        if (FPos + 1 < FSource.size() && FSource[FPos + 1] == '\\') {
            item.text = FSource.substr(FPos, 1); // "\\" speaks one backslash
            FPos += 2;
            return true;
        }
        if (MatchTag(FPos, item)) {
            item.type = TagItem::Type::Tag;
            FPos += item.text.size();
            return true;
        }
    }
    // A text run up to the next backslash that starts an escape or a tag.
    std::size_t end = FPos + (FSource[FPos] == '\\' ? 1 : 0);
    for (;;) {
        end = FSource.find('\\', end);
        if (end == std::string_view::npos) {
            end = FSource.size();
            break;
        }
        TagItem probe;
        if ((end + 1 < FSource.size() && FSource[end + 1] == '\\') || MatchTag(end, probe))
            break;
        ++end;
    }
    item.text = FSource.substr(FPos, end - FPos);
    FPos = end;
    return true;
}

std::optional<ControlTag> InterpretTag(const TagItem& tag) {
    ControlTag t;
    const std::string_view n = tag.name;
    auto numeric = [&](TagKind kind) -> std::optional<ControlTag> {
        auto v = ParseNumber(tag.value);
        if (!tag.hasValue || !v)
            return std::nullopt;
        t.kind = kind;
        t.number = *v;
        return t;
    };
    if (EqualsNoCase(n, "Pau")) {
        auto pause = numeric(TagKind::Pause);
        if (pause)
            pause->number = std::min(pause->number, kMaxPauseMs);
        return pause;
    }
    if (EqualsNoCase(n, "Spd"))
        return numeric(TagKind::Speed);
    if (EqualsNoCase(n, "Pit"))
        return numeric(TagKind::Pitch);
    if (EqualsNoCase(n, "Vol"))
        return numeric(TagKind::Volume);
    if (EqualsNoCase(n, "Emp")) {
        t.kind = TagKind::Emphasis;
        return t;
    }
    if (EqualsNoCase(n, "Rst")) {
        t.kind = TagKind::Reset;
        return t;
    }
    if (EqualsNoCase(n, "Chr")) {
        std::string_view v = Trim(tag.value);
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
            v = v.substr(1, v.size() - 2);
        t.kind = TagKind::Character;
        if (EqualsNoCase(v, "Whisper"))
            t.character = VoiceCharacter::Whisper;
        else if (EqualsNoCase(v, "Monotone"))
            t.character = VoiceCharacter::Monotone;
        else if (EqualsNoCase(v, "Normal"))
            t.character = VoiceCharacter::Normal;
        else
            return std::nullopt;
        return t;
    }
    return t; // Unknown: skipped, never spoken
}

} // namespace engines
