// SPDX-License-Identifier: GPL-3.0-or-later
// The three commands for text files in the file managers ("Read Aloud", "Read to WAV", "Read
// to MP3"), as the options dialog's check box shows and changes them.
#pragma once

#include <QString>

// The executable the commands start: the program folder and the program's fixed name.
QString ShellVerbProgram();

// Whether the commands are installed: the "Read Aloud" command decides.
bool TxtShellVerbsInstalled();

// Installs the commands (checked) or removes them. A failure is shown in a message box and the
// commands after the failing one are left as they were; returns false then.
bool CheckBoxContextClick(bool checked);
