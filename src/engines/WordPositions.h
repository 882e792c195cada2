// SPDX-License-Identifier: GPL-3.0-or-later
// Turns an engine's word events into one notification per word, in order.
//
// Engines report words unreliably: some words get no event (merged pairs), some events have
// no length and a bogus position, numbers give several events. The tracker finds the word
// starts of the text itself and maps the events onto them: bogus and backward events are
// dropped, skipped words are filled in between their neighbours, every word is reported once.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace engines {

// One piece of text handed to the engine, with where each of its bytes came from.
class TextPiece {
public:
    // Appends `bytes` that start at `sourceOffset` in the original block (contiguous).
    void Append(std::string_view bytes, std::uint32_t sourceOffset);
    // Appends bytes that stand for one source position (an escape such as "\\").
    void AppendAt(std::string_view bytes, std::uint32_t sourceOffset);
    // Appends `count` bytes of another piece from `pos`, with their source offsets.
    void Append(const TextPiece& from, std::size_t pos, std::size_t count);

    const std::string& Text() const { return FText; }
    bool Empty() const { return FText.empty(); }
    std::size_t Size() const { return FText.size(); }
    // Source offset of the byte at `index` in the piece.
    std::uint32_t SourceOffset(std::size_t index) const { return FSource[index]; }
    void Clear() {
        FText.clear();
        FSource.clear();
    }

private:
    std::string FText;
    std::vector<std::uint32_t> FSource;
};

class WordTracker {
public:
    using Emit = std::function<void(std::uint64_t sample, std::uint32_t sourceOffset)>;

    // `piece` is what the engine speaks; `baseSample` the stream position where it begins.
    WordTracker(const TextPiece& piece, std::uint64_t baseSample, Emit onWord);

    // An engine word event: 1-based character (code point) position within the piece, its
    // length in characters, and the sample (relative to the piece) where it is heard.
    void OnWordEvent(int charPosition, int length, std::uint64_t sample);
    // The piece has been spoken up to `endSample` (relative): the words not yet reported are
    // spread over what is left.
    void Finish(std::uint64_t endSample);

    std::size_t WordCount() const { return FWordBytes.size(); }

private:
    void EmitUpTo(std::size_t word, std::uint64_t sample);

    const TextPiece& FPiece;
    std::uint64_t FBase;
    Emit FEmit;
    std::vector<std::uint32_t> FWordChars; // code point index of each word start
    std::vector<std::uint32_t> FWordBytes; // byte index in the piece of each word start
    std::size_t FNext = 0;                 // first word not yet reported
    std::uint64_t FLastSample = 0;
};

} // namespace engines
