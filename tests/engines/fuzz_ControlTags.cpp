// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the tag reader and the word tracker on any bytes. Every item must lie inside
// the source, text and tags must cover it without gaps, and the tracker must report each word
// once, in order, at an offset inside the source.
#include "ControlTags.h"
#include "WordPositions.h"

#include <cstdlib>

using namespace engines;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view src(reinterpret_cast<const char*>(data), size);
    ControlTagReader reader(src);
    TagItem item;
    std::size_t expect = 0;
    TextPiece piece;
    while (reader.Next(item)) {
        if (item.offset != expect || item.offset >= size)
            std::abort();
        if (item.type == TagItem::Type::Tag) {
            if (item.text.size() < 5 || item.text.front() != '\\' || item.text.back() != '\\')
                std::abort();
            InterpretTag(item);
            expect += item.text.size();
        } else if (item.text == "\\" && src.substr(item.offset, 2) == "\\\\") {
            piece.AppendAt(item.text, std::uint32_t(item.offset));
            expect += 2;
        } else {
            if (item.text.empty())
                std::abort();
            piece.Append(item.text, std::uint32_t(item.offset));
            expect += item.text.size();
        }
    }
    if (expect != size)
        std::abort();
    std::uint32_t last = 0;
    bool first = true;
    WordTracker tracker(piece, 0, [&](std::uint64_t, std::uint32_t offset) {
        if (offset >= size || (!first && offset <= last))
            std::abort();
        first = false;
        last = offset;
    });
    // Events from the bytes themselves: positions and lengths anywhere, even nonsense.
    for (std::size_t i = 0; i + 2 < size; i += 3)
        tracker.OnWordEvent(int(data[i]) - 8, int(data[i + 1]) - 2, data[i + 2] * 10u);
    tracker.Finish(size * 10);
    return 0;
}
