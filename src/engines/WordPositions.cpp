// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordPositions.h"

#include <algorithm>

namespace engines {

void TextPiece::Append(std::string_view bytes, std::uint32_t sourceOffset) {
    FText.append(bytes);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        FSource.push_back(sourceOffset + std::uint32_t(i));
}

void TextPiece::AppendAt(std::string_view bytes, std::uint32_t sourceOffset) {
    FText.append(bytes);
    FSource.insert(FSource.end(), bytes.size(), sourceOffset);
}

void TextPiece::Append(const TextPiece& from, std::size_t pos, std::size_t count) {
    FText.append(from.FText, pos, count);
    FSource.insert(FSource.end(), from.FSource.begin() + std::ptrdiff_t(pos),
                   from.FSource.begin() + std::ptrdiff_t(pos + count));
}

namespace {
bool IsSpaceByte(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
} // namespace

WordTracker::WordTracker(const TextPiece& piece, std::uint64_t baseSample, Emit onWord)
    : FPiece(piece), FBase(baseSample), FEmit(std::move(onWord)) {
    const std::string& t = piece.Text();
    std::uint32_t chars = 0;
    bool inWord = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        auto c = static_cast<unsigned char>(t[i]);
        if ((c & 0xC0) == 0x80)
            continue; // continuation byte: part of the character before
        // A no-break space (U+00A0) separates words as a blank does.
        bool space = IsSpaceByte(c) || (c == 0xC2 && i + 1 < t.size() &&
                                        static_cast<unsigned char>(t[i + 1]) == 0xA0);
        if (!space && !inWord) {
            FWordChars.push_back(chars);
            FWordBytes.push_back(std::uint32_t(i));
        }
        inWord = !space;
        ++chars;
    }
}

void WordTracker::EmitUpTo(std::size_t word, std::uint64_t sample) {
    // Words skipped by the engine are spread evenly between the last report and this one.
    std::size_t count = word + 1 - FNext;
    std::uint64_t from = std::min(FLastSample, sample);
    for (std::size_t k = 1; FNext <= word; ++FNext, ++k) {
        std::uint64_t at = (FNext == word) ? sample : from + (sample - from) * k / count;
        FEmit(FBase + at, FPiece.SourceOffset(FWordBytes[FNext]));
    }
    FLastSample = sample;
}

void WordTracker::OnWordEvent(int charPosition, int length, std::uint64_t sample) {
    if (length <= 0 || charPosition <= 0 || FWordChars.empty())
        return; // clause-end events without a word
    std::uint32_t index = std::uint32_t(charPosition - 1);
    // The word that contains the position: the last word start at or before it.
    auto it = std::upper_bound(FWordChars.begin(), FWordChars.end(), index);
    if (it == FWordChars.begin())
        return;
    std::size_t word = std::size_t(it - FWordChars.begin()) - 1;
    if (word < FNext)
        return; // a second event for a word already reported (numbers, merged pairs)
    EmitUpTo(word, std::max(sample, FLastSample));
}

void WordTracker::Finish(std::uint64_t endSample) {
    // Words after the last event were spoken between it and the end of the piece.
    std::uint64_t from = FLastSample, end = std::max(endSample, FLastSample);
    std::size_t count = FWordBytes.size() - FNext;
    for (std::size_t k = 0; FNext < FWordBytes.size(); ++FNext, ++k)
        FEmit(FBase + from + (end - from) * k / count, FPiece.SourceOffset(FWordBytes[FNext]));
    FLastSample = end;
}

} // namespace engines
