// SPDX-License-Identifier: GPL-3.0-or-later
// Command shortcuts and global hotkeys: the identifier table of global registrations, and the
// editing rules of the hotkey list that the options dialog binds its controls to. The shortcut
// value itself is in ShortCut.h.
#pragma once

#include "Global.h"
#include "ShortCut.h"
#include "platform/Services.h"

#include <QString>

#include <array>
#include <cstdint>

namespace settings {

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
