// SPDX-License-Identifier: GPL-3.0-or-later
// Inside the speech-dispatcher engine: the listing of the service's voices. Every output module
// is asked for its voices without their variants, on a socket of this program's own where the
// service listens on one (the library reads a long reply a line at a time, which takes seconds),
// else through the library; each voice becomes a mode whose identifier stays the same from run
// to run. The whole listing, a service's start included, has a deadline.
#pragma once

#include "SpeechApi.h"

#include <string>
#include <vector>

namespace engines::speechd {

// A voice of the service: its module and name, as a mode.
struct Voice {
    std::string Module, Name;
    speech::TTSMODEINFOA Info;
};

// Every module's voices, without their variants (each voice in each variant would be
// thousands); `problem` says why there are none.
std::vector<Voice> ListVoices(std::string& problem);

} // namespace engines::speechd
