// Command shortcuts and global hotkeys: the 16-bit shortcut value with its stored text form,
// its mapping onto Qt's keys, the identifier table of global registrations, and the editing
// rules of the hotkey list that the options dialog binds its controls to.
#pragma once

#include "Global.h"
#include "platform/Services.h"

#include <QKeyCombination>
#include <QString>

#include <array>
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

// The identifiers of global registrations behave like global atoms: the same name gives the
// same identifier while it is in use, each add wants its delete, and identifiers lie in
// 0..16383.
class THotkeyAtoms {
public:
    static THotkeyAtoms& Instance();
    int Add(const QString& name);
    void Delete(int id);
    QString Name(int id) const;

private:
    struct TEntry {
        QString Name;
        int Count = 0;
    };
    std::array<TEntry, 16384> FEntries;
};

// Registers `shortcut` as a global hotkey under the identifier of its name (the application
// title followed by its text form) and returns that identifier; 0 for no shortcut. A desktop
// that refuses the key (another program holds it) is not an error: the identifier comes back
// all the same, and `refused` says so. Without `target` only the identifier is taken (a window
// that receives no hotkeys, like the options dialog's).
int RegisterGlobalHotkey(platform::IGlobalHotkeys* target, TShortCut shortcut,
                         bool* refused = nullptr);
// Releases what RegisterGlobalHotkey made; nothing for 0.
void UnregisterGlobalHotkey(platform::IGlobalHotkeys* target, int id);

// The editing rules of the options dialog's Hotkeys group, on the commands' current shortcuts.
using TShortCuts = std::array<TShortCut, HotkeyCount>;
enum class TUpdateResult { Unchanged, AlreadyExists, Updated };
// "Update": command `n` gets `shortcut`, unless it has it already or another command has it.
TUpdateResult UpdateHotkey(TShortCuts& current, int n, TShortCut shortcut);
// "All Default": every command gets its default shortcut back; the global marks stay.
void ResetHotkeys(TShortCuts& current);
// The "Global Hotkey" check box of command `n`.
void SetGlobalHotkey(int n, bool global, platform::IGlobalHotkeys* target = nullptr);

} // namespace settings
