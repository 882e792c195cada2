// SPDX-License-Identifier: GPL-3.0-or-later
// The commands for text files the freedesktop way: a desktop entry per command for plain text and
// the documents the reader imports (the "Open With" menu of every file manager; the folder's MIME
// cache is written anew, for the file managers built on GLib), and where Dolphin or Nautilus are
// used, a KDE service menu holding the installed commands in one submenu and one Nautilus script
// each. The entries are never the program files of those kinds open with: where they would become
// it, the program that opened them before is made the user's default.
#pragma once

#include "platform/Services.h"

#include <QString>
#include <QStringList>

namespace platform {

// $XDG_DATA_HOME, or ~/.local/share when it is unset, empty or not absolute; no trailing "/".
QString XdgDataHome();
// The folder the commands' desktop entries go into, with a trailing "/"; computed each time.
QString GetTxtShellKey();

// The MimeType value of the commands' entries: plain text and every format the reader imports.
QString ShellCommandMimeTypes();

// The Exec value of a desktop entry (as written in the file) that runs `program` with
// `arguments`, then the file (%f), or all the files (%F) when `files` is set. The program is
// quoted (and started through env when its path holds a "%"); empty when it holds a control
// character, which no Exec line can carry.
QString DesktopExec(const QString& program, const QStringList& arguments, bool files = false);

class TXdgShellCommands : public IShellCommands {
public:
    bool Install(TShellVerb verb, const QString& program, const QString& icon) override;
    bool Remove(TShellVerb verb) override;
    bool Installed(TShellVerb verb) const override;
    QString LastError() const override { return FError; }

private:
    bool Fail(const QString& error);
    // Rewrites the service menu from the installed desktop entries; removes it when none is.
    bool WriteServiceMenu();
    // The folder's MIME cache anew, and the default program for text files kept.
    bool Register(bool installed);

    QString FError;
};

} // namespace platform
