// SPDX-License-Identifier: GPL-3.0-or-later
// The windowed start of the program, where its parts are put together: the application
// object, signal handling, message boxes, the platform's services and the main window.
#pragma once

#include <QStringList>

// Runs the reader's window until it closes; returns the process's exit code. The engines are
// registered already. `documents`: files named on the command line, which the window opens
// (or the running instance is asked to).
// `action`: a command a desktop binds by name (Commands.h) to run once the window is up.
int RunWindowedReader(int argc, char** argv, const QStringList& documents = {},
                      const QString& action = {});
// `nurva --action NAME`: the command runs in the running reader, or in one started for it when
// the command needs one. `arguments` are the program's, without Qt's own options.
int RunDesktopAction(int argc, char** argv, const QStringList& arguments);
