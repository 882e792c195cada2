// SPDX-License-Identifier: GPL-3.0-or-later
// The 16-bit shortcut value of a command, its text form (as config.ini stores it and the user
// reads it) and its mapping onto Qt's keys. Qt Core only.
#pragma once

#include <QKeyCombination>
#include <QString>

#include <cstdint>

namespace settings {

// Bits 0 to 12: the virtual-key code; 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt. 0: no shortcut.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scKeyMask = 0x1FFF;

// The name of a virtual-key code ("F2", "PgUp", "A", ...); empty when the key has none.
QString KeyName(int vk);
// "Shift+", "Ctrl+", "Alt+" in this order, then the key's name; empty when the key has none.
QString ShortCutToText(TShortCut shortcut);
// Modifiers ("Shift+", "Ctrl+", "^", "Alt+") in any case, order and number, then a key name in
// any case; number-pad digits come out as main-row digits. Anything else gives 0.
TShortCut TextToShortCut(const QString& text);

// The one mapping between these codes and Qt's keys. Keys Qt cannot name give an empty
// combination (or 0 the other way).
QKeyCombination ShortCutToKey(TShortCut shortcut);
TShortCut KeyToShortCut(QKeyCombination key);

} // namespace settings
