// SPDX-License-Identifier: GPL-3.0-or-later
// The Flite engine, in this process: the voices built into Debian's libflite1, and the
// .flitevox voice files in the folder flite/ of $XDG_DATA_HOME and of each $XDG_DATA_DIRS
// folder. Nothing of Flite is loaded before one of its voices is selected.
#pragma once

#include "EngineFamily.h"

#include <QStringList>

namespace engines {

std::shared_ptr<TEngineFamily> CreateFliteFamily();

// The folders looked in for .flitevox files, in order.
QStringList FliteVoiceFolders();

} // namespace engines
