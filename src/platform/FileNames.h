// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the system holds them: bytes, which need not be UTF-8. Every byte that is not
// part of a UTF-8 character becomes U+DC80..U+DCFF (a lone surrogate, as Python keeps such
// names), so that EncodeFileName gives the very same bytes back, whatever they were.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

QString DecodeFileName(const QByteArray& name);
QByteArray EncodeFileName(const QString& name);
// False for names that DecodeFileName had to escape (Qt's own conversions would change them).
bool IsPlainFileName(const QString& name);

} // namespace platform
