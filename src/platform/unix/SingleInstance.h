// The single-instance name as an abstract local socket, which the system releases when the
// process ends, however it ends, so a crashed instance never blocks the next start.
#pragma once

#include "platform/Services.h"

namespace platform {

class TUnixSingleInstance : public ISingleInstance {
public:
    // Per user, as a desktop session's names are; the socket stays open for the process's life.
    ClaimResult Claim(const QString& name) override;
};

} // namespace platform
