// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the hotkey text parser, as config.ini's shortcut texts reach it: any text
// parses; what it gives has a name and reads back from its own text; the key Qt is given maps
// back to the same shortcut; and any 16-bit value's text, where it has one, reads back to a value
// with that same text.
#include "ShortCut.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace settings;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const TShortCut parsed = TextToShortCut(text);
    if (parsed != 0) {
        const QString spelled = ShortCutToText(parsed);
        if (spelled.isEmpty() || TextToShortCut(spelled) != parsed)
            std::abort();
        if (TextToShortCut(spelled.toLower()) != parsed)
            std::abort();
        const QKeyCombination key = ShortCutToKey(parsed);
        if (key.toCombined() != 0 && KeyToShortCut(key) != parsed)
            std::abort();
    }
    if (size >= 2) {
        std::uint16_t value = 0;
        std::memcpy(&value, data, 2);
        const QString spelled = ShortCutToText(value);
        if (!spelled.isEmpty() && ShortCutToText(TextToShortCut(spelled)) != spelled)
            std::abort();
    }
    return 0;
}
