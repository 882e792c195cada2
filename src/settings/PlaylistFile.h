// SPDX-License-Identifier: GPL-3.0-or-later
// The playlist file: one document path per line, no header.
//
// Reading: lines end at CR, LF or CR LF; every line, an empty one too, is an entry; reading
// stops at a NUL. Writing: CR LF after every entry, the last one included.
#pragma once

#include "TextFile.h"

#include <QByteArrayView>
#include <QStringList>

namespace settings {

QStringList ParsePlaylist(QByteArrayView bytes, TextEncoding* used = nullptr);
QByteArray FormatPlaylist(const QStringList& entries, TextEncoding encoding = TextEncoding::Utf8);

// Throws EFileError when the file is missing or cannot be read.
QStringList ReadPlaylistFile(const QString& path, TextEncoding* used = nullptr);
// Replaces the file atomically; a file without the owner's write permission gets it first.
void WritePlaylistFile(const QString& path, const QStringList& entries,
                       TextEncoding encoding = TextEncoding::Utf8);

} // namespace settings
