// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/unix/BrokenPipes.h"

#include <csignal>

namespace platform {

namespace {
void Ignore(int) {}
} // namespace

void SurviveBrokenPipes() {
    static const bool installed = [] {
        struct sigaction sa {};
        sa.sa_handler = Ignore;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        return ::sigaction(SIGPIPE, &sa, nullptr) == 0;
    }();
    (void)installed;
}

} // namespace platform
