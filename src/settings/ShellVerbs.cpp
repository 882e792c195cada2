// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellVerbs.h"

#include "KoUtils.h"
#include "Product.h"
#include "platform/Services.h"

#include <array>

using platform::TShellVerb;

QString ShellVerbProgram() {
    return KoUtils::AppDir() + QString::fromLatin1(product::ShortName).toLower();
}

bool TxtShellVerbsInstalled() {
    return platform::Services().ShellCommands->Installed(TShellVerb::ReadAloud);
}

bool CheckBoxContextClick(bool checked) {
    platform::IShellCommands& commands = *platform::Services().ShellCommands;
    // Installed in menu order, removed the other way round: "Read Aloud", which tells whether
    // the commands are there, goes last.
    constexpr std::array<TShellVerb, 3> order = {TShellVerb::ReadAloud, TShellVerb::ReadToWav,
                                                 TShellVerb::ReadToMp3};
    const QString program = ShellVerbProgram();
    const QString icon = KoUtils::Folders().Icon();
    for (int i = 0; i < int(order.size()); ++i) {
        const TShellVerb verb = checked ? order[i] : order[order.size() - 1 - i];
        if (!(checked ? commands.Install(verb, program, icon) : commands.Remove(verb))) {
            KoUtils::ShowMessageBox(commands.LastError(), KoUtils::MB_ICONERROR);
            return false;
        }
    }
    return true;
}
