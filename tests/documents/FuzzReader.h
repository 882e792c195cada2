// SPDX-License-Identifier: GPL-3.0-or-later
// What every reader's fuzz target checks: any bytes give a document or EImportError, never a
// crash, a hang or an allocation without bound; and what a document gives is consistent (its
// chapters lie inside its text, in order, each where its title stands).
#pragma once

#include "Readers.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

inline int FuzzReader(const documents::TReader& reader, const std::uint8_t* data,
                      std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        (void)reader.Recognizes(bytes);
        const documents::TImportedDocument doc = reader.Read(bytes);
        qsizetype last = -1;
        for (const documents::TChapter& c : doc.Chapters) {
            if (c.Position < 0 || c.Position > doc.Text.size() || c.Position < last)
                std::abort();
            if (c.Level < 1)
                std::abort();
            last = c.Position;
        }
        if (doc.Text.size() > documents::MaxImportedText + 64 * 1024)
            std::abort();
    } catch (const documents::EImportError&) {
    }
    return 0;
}

#define NURVA_FUZZ_READER(reader)                                                                  \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {            \
        return FuzzReader(documents::reader(), data, size);                                        \
    }
