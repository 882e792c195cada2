// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the Markdown reader on any bytes (see FuzzReader.h).
#include "FuzzReader.h"

NURVA_FUZZ_READER(MarkdownReader)
