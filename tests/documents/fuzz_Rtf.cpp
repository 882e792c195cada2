// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the Rtf reader on any bytes (see FuzzReader.h).
#include "FuzzReader.h"

NURVA_FUZZ_READER(RtfReader)
