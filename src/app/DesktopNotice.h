// SPDX-License-Identifier: GPL-3.0-or-later
// A command-line job the desktop started (a file manager's "Read to MP3", a launcher) has no
// terminal to report in: it tells the user through the desktop's notifications instead.
#pragma once

#include <QString>

// True when no terminal is attached (standard input, output and error are none) and standard
// error goes nowhere a person or a script reads (a null device or the session's journal), on a
// desktop: where a job's words would be lost.
bool StartedFromDesktop();
// A notification through the session bus's notification service; nothing when there is none.
// Waits at most two seconds.
void ShowDesktopNotice(const QString& summary, const QString& body);
