// SPDX-License-Identifier: GPL-3.0-or-later
// Encodings a text does not declare: told from its bytes by uchardet, the detector Mozilla's
// browsers used.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace documents {

// The name (as QStringDecoder and iconv know it) of the encoding `bytes` look like, or
// "WINDOWS-1252" when nothing more likely can be told: Western European text, the code page
// of the program's Windows origins, covers what uchardet calls ASCII and ISO-8859-1 too. Another
// code page of Latin letters (Central European, Turkish, ...) needs a few dozen non-ASCII bytes
// to win over it.
QByteArray DetectEncoding(QByteArrayView bytes);
// True when the encoding name is one Windows-1252 covers (ASCII, Latin-1, Windows-1252).
bool IsWesternEncoding(QByteArrayView name);
// True when `bytes` are valid UTF-8 (an incomplete character at the end is not).
bool IsUtf8(QByteArrayView bytes);
// `bytes` in the named encoding; characters it cannot hold become U+FFFD.
QString DecodeNamed(QByteArrayView bytes, const QByteArray& name);

} // namespace documents
