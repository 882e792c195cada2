// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hotkeys.h"

#include "KoUtils.h"

namespace settings {

THotkeyAtoms& THotkeyAtoms::Instance() {
    static THotkeyAtoms atoms;
    return atoms;
}

int THotkeyAtoms::Add(const QString& name) {
    int free = 0;
    // Identifier 0 means "not global" in the settings, so it is never handed out.
    for (int id = 1; id < int(FEntries.size()); ++id) {
        TEntry& e = FEntries[std::size_t(id)];
        if (e.Count > 0 && e.Name == name) {
            ++e.Count;
            return id;
        }
        if (e.Count == 0 && free == 0)
            free = id;
    }
    if (free == 0)
        return 0; // the table is full
    FEntries[std::size_t(free)] = TEntry{name, 1};
    return free;
}

void THotkeyAtoms::Delete(int id) {
    if (id <= 0 || id >= int(FEntries.size()))
        return;
    TEntry& e = FEntries[std::size_t(id)];
    if (e.Count > 0 && --e.Count == 0)
        e.Name.clear();
}

QString THotkeyAtoms::Name(int id) const {
    if (id <= 0 || id >= int(FEntries.size()))
        return {};
    return FEntries[std::size_t(id)].Name;
}

int RegisterGlobalHotkey(platform::IGlobalHotkeys* target, TShortCut shortcut, bool* refused) {
    if (shortcut == 0)
        return 0;
    const int id =
        THotkeyAtoms::Instance().Add(KoUtils::ApplicationTitle() + ShortCutToText(shortcut));
    if (id != 0 && target && !target->Register(id, ShortCutToKey(shortcut)) && refused)
        *refused = true;
    return id;
}

void UnregisterGlobalHotkey(platform::IGlobalHotkeys* target, int id) {
    if (id == 0)
        return;
    if (target)
        target->Unregister(id);
    THotkeyAtoms::Instance().Delete(id);
}

TUpdateResult UpdateHotkey(TShortCuts& current, int n, TShortCut shortcut) {
    if (shortcut == current[std::size_t(n)])
        return TUpdateResult::Unchanged;
    if (shortcut != 0)
        for (TShortCut other : current)
            if (other == shortcut)
                return TUpdateResult::AlreadyExists;
    current[std::size_t(n)] = shortcut;
    HotkeyList[std::size_t(n)] = ShortCutToText(shortcut);
    return TUpdateResult::Updated;
}

void ResetHotkeys(TShortCuts& current) {
    for (std::size_t n = 0; n < current.size(); ++n) {
        current[n] = TextToShortCut(QString::fromLatin1(DefaultHotkeyList[n]));
        HotkeyList[n] = QString::fromLatin1(DefaultHotkeyList[n]);
    }
}

void SetGlobalHotkey(int n, bool global, platform::IGlobalHotkeys* target) {
    std::int32_t& id = GlobalHotkeyIDList[std::size_t(n)];
    if (global) {
        if (id == 0 && !HotkeyList[std::size_t(n)].isEmpty())
            id = RegisterGlobalHotkey(target, TextToShortCut(HotkeyList[std::size_t(n)]));
    } else if (id != 0) {
        UnregisterGlobalHotkey(target, id);
        id = 0;
    }
}

} // namespace settings
