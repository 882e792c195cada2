// SPDX-License-Identifier: GPL-3.0-or-later
// The members of the importer family, one unit each; Importer.cpp lists them.
#pragma once

#include "Importer.h"
#include "TextBuilder.h"

namespace documents {

const TReader& EpubReader();
const TReader& PdfReader();
const TReader& HtmlReader();
const TReader& MarkdownReader();
const TReader& OdtReader();
const TReader& DocxReader();
const TReader& Fb2Reader();
const TReader& RtfReader();

} // namespace documents
