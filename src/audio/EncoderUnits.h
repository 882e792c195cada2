// SPDX-License-Identifier: GPL-3.0-or-later
// Inside the encoder family: each unit's maker, and the way each loads its library.
#pragma once

#include "Encoder.h"

#include <QLibrary>

namespace audio {

std::unique_ptr<TEncoder> MakeWavEncoder();
std::unique_ptr<TEncoder> MakeOpusEncoder();
std::unique_ptr<TEncoder> MakeVorbisEncoder();
std::unique_ptr<TEncoder> MakeFlacEncoder();
QString OpusUnavailable();
QString VorbisUnavailable();
QString FlacUnavailable();

// A shared library opened by name and version (libNAME.so.VERSION), its functions found one by
// one; Missing() says what to install when the library or a function is not there.
class TLibrary {
public:
    TLibrary(const char* name, int version, const char* package);
    template <class F> bool Resolve(F*& function, const char* symbol) {
        void* found = nullptr;
        const bool ok = Find(&found, symbol);
        function = reinterpret_cast<F*>(found);
        return ok;
    }
    const QString& Missing() const { return FMissing; }

private:
    bool Find(void** function, const char* symbol);
    QLibrary FLibrary;
    QString FPackage, FMissing;
};

// Resolves `name` into the member of the same name of `api`.
#define NURVA_RESOLVE(library, api, name) (library).Resolve((api).name, #name)

} // namespace audio
