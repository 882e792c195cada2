// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the Fb2 reader on any bytes (see FuzzReader.h).
#include "FuzzReader.h"

NURVA_FUZZ_READER(Fb2Reader)
