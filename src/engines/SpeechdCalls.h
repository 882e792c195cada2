// SPDX-License-Identifier: GPL-3.0-or-later
// Inside the speech-dispatcher engine: its calls into the library, each under a deadline and
// with SIGPIPE held back. A service that has gone or hangs must make a call fail, never end the
// program or hold it: a call that has not come back by its deadline has its connection shut
// under it. The calls of the connections that read aloud run on one thread of their own, in
// the order they were made, so that no caller waits for the service.
#pragma once

#include "SynthEngine.h"

#include <libspeechd.h>

#include <chrono>
#include <cstdint>

namespace engines::speechd {

constexpr auto kAnswer = std::chrono::seconds(5); // the longest the service may take to answer

// Blocks SIGPIPE on the calling thread (and on the threads it starts).
void HoldBackSigpipe();

// While it lives, the connection's calls have `limit` to come back, or the connection is shut:
// that call and every later one on it end with an error.
class Bounded {
public:
    explicit Bounded(SPDConnection* c, std::chrono::steady_clock::duration limit = kAnswer);
    ~Bounded();
    Bounded(const Bounded&) = delete;
    Bounded& operator=(const Bounded&) = delete;

private:
    std::uint64_t FId;
};

// Closes a connection without waiting for the service, which may not answer.
void CloseNow(SPDConnection* conn);

// The thread of every call on a connection that reads aloud: the callers never wait for the
// service, and the calls keep the order they were made in.
TSynthWorker& Calls();

} // namespace engines::speechd
