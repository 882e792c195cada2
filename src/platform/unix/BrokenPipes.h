// SPDX-License-Identifier: GPL-3.0-or-later
// A write into a pipe or socket whose reader went away (a second start that gave up, an encoder
// that ended early) must fail with an error the writer handles, never end this process by
// SIGPIPE.
#pragma once

namespace platform {

// Installs, once per process, a SIGPIPE handler that does nothing: such writes then fail with
// EPIPE. A handler rather than ignoring the signal, because a handled signal is reset by exec,
// so the programs this one starts get the usual SIGPIPE back (shell pipelines rely on it).
void SurviveBrokenPipes();

} // namespace platform
