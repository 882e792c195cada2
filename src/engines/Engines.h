// SPDX-License-Identifier: GPL-3.0-or-later
// Installs the engines and audio destinations of this platform as the speech platform's
// classes. Called once at program start, before the first speech component is created.
#pragma once

namespace engines {
void RegisterEngines();
// The program's last step before it exits: ends the sound output in order, and leaves the
// process without the sound library's exit-time teardown, which can crash while its server
// connection winds down. Everything the program writes is complete before this.
[[noreturn]] void ExitProgram(int code);
} // namespace engines
