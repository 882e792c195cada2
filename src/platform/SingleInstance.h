// A name that one process at a time may hold: the windowed program holds it for its whole
// life. It is an abstract local socket name, which the system releases when the process ends,
// however it ends, so a crashed instance never blocks the next start.
#pragma once

#include <QString>

namespace platform {

enum ClaimResult { NameClaimed, NameTaken, ClaimFailed };

// Claims `name` for this user for the rest of the process's life.
ClaimResult ClaimInstanceName(const QString& name);

} // namespace platform
