// SPDX-License-Identifier: GPL-3.0-or-later
// The control-tag reader shared by every engine.
//
// A text may carry control tags: a backslash, a three-letter name, optionally "=" and a value,
// and a closing backslash, for example \Pau=500\ or \Rst\. Names are matched in any letter
// case. "\\" stands for one literal backslash. Anything that only looks like the start of a
// tag (a lone backslash, a path such as C:\Windows\) is text and is spoken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engines {

struct TagItem {
    enum class Type { Text, Tag };
    Type type = Type::Text;
    std::size_t offset = 0; // byte offset of the item in the source
    std::string_view text;  // Text: what to speak; Tag: the whole tag with its backslashes
    std::string_view name;  // Tag: the three letters
    std::string_view value; // Tag: what follows "=", empty when there is none
    bool hasValue = false;
};

// Splits a source text into text runs and tags, in order. With tags disabled the whole
// source is one text run.
class ControlTagReader {
public:
    explicit ControlTagReader(std::string_view source, bool tagsEnabled = true)
        : FSource(source), FTags(tagsEnabled) {}
    bool Next(TagItem& item);

private:
    bool MatchTag(std::size_t at, TagItem& item) const;

    std::string_view FSource;
    std::size_t FPos = 0;
    bool FTags;
};

// The longest pause a tag gives: a reader never needs more than a minute of silence, and a
// larger value (\Pau=4294967295\ is 49 days) would fill a disk or hold the output for ever.
inline constexpr std::uint32_t kMaxPauseMs = 60000;

enum class TagKind { Pause, Speed, Pitch, Volume, Character, Emphasis, Reset, Unknown };
enum class VoiceCharacter { Normal, Whisper, Monotone };

struct ControlTag {
    TagKind kind = TagKind::Unknown;
    // Pause (ms, at most kMaxPauseMs), Speed (wpm), Pitch (Hz), Volume (0..65535)
    std::uint32_t number = 0;
    VoiceCharacter character = VoiceCharacter::Normal;
};

// What a tag asks for; nullopt for a known tag with an unusable value (it is skipped).
std::optional<ControlTag> InterpretTag(const TagItem& tag);

} // namespace engines
