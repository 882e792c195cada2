// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the playlist reader: any bytes parse, and the entries read come back
// unchanged after a write, in UTF-8 and in the encoding the bytes were read in.
#include "PlaylistFile.h"

#include <cstdint>
#include <cstdlib>

using namespace settings;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TextEncoding encoding;
    const QStringList entries = ParsePlaylist(bytes, &encoding);
    if (ParsePlaylist(FormatPlaylist(entries)) != entries)
        std::abort();
    if (ParsePlaylist(FormatPlaylist(entries, encoding)) != entries)
        std::abort();
    return 0;
}
