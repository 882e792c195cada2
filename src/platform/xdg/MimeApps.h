// SPDX-License-Identifier: GPL-3.0-or-later
// Which programs open which file types on a freedesktop desktop: the programs' desktop entries
// with their MimeType keys, the folders' mimeinfo.cache, and the mimeapps.list files of the
// user, the desktop and the system, read in the order of precedence the association rules give
// them and GLib follows. The file managers built on GLib see a program's types only through the
// cache of its folder.
#pragma once

#include <QString>
#include <QStringList>

namespace platform::mimeapps {

// Writes the folder's mimeinfo.cache anew from the MimeType keys of the desktop entries in it
// and below it (as update-desktop-database does). Empty when done, else why not.
QString WriteCache(const QString& folder);

// The desktop entry (its id, "name.desktop") the desktop opens files of `mime` with; entries in
// `ignored` count as not installed. `chosen` tells whether a [Default Applications] line names
// it, rather than the first association. Empty when no installed program takes the type.
QString DefaultFor(const QString& mime, const QStringList& ignored = {}, bool* chosen = nullptr);

// Makes `id` the user's default for `mime` in $XDG_CONFIG_HOME/mimeapps.list; every other line
// of the file stays as it was. Empty when done, else why not.
QString SetUserDefault(const QString& mime, const QString& id);

} // namespace platform::mimeapps
