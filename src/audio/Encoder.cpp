// SPDX-License-Identifier: GPL-3.0-or-later
#include "Encoder.h"

#include "EncoderUnits.h"

#include <QCoreApplication>

namespace audio {

std::unique_ptr<TEncoder> MakeEncoder(TFormat format) {
    switch (format) {
    case TFormat::Wav:
        return MakeWavEncoder();
    case TFormat::Opus:
        return MakeOpusEncoder();
    case TFormat::Vorbis:
        return MakeVorbisEncoder();
    case TFormat::Flac:
        return MakeFlacEncoder();
    case TFormat::Mp3:
        break;
    }
    return nullptr;
}

QString Unavailable(TFormat format) {
    switch (format) {
    case TFormat::Opus:
        return OpusUnavailable();
    case TFormat::Vorbis:
        return VorbisUnavailable();
    case TFormat::Flac:
        return FlacUnavailable();
    case TFormat::Wav:
    case TFormat::Mp3:
        break;
    }
    return {};
}

// --- Libraries loaded on demand --------------------------------------------------------------

TLibrary::TLibrary(const char* name, int version, const char* package)
    : FLibrary(QString::fromLatin1(name), version), FPackage(QString::fromLatin1(package)) {
    if (!FLibrary.load())
        FMissing = QCoreApplication::translate(
                       "TLibrary", "The encoder library %1 is not installed (Debian package %2).")
                       .arg(FLibrary.fileName(), FPackage);
}

bool TLibrary::Find(void** function, const char* symbol) {
    if (!FMissing.isEmpty())
        return false;
    *function = reinterpret_cast<void*>(FLibrary.resolve(symbol));
    if (!*function)
        //: %2 is the name of a function of the library
        FMissing =
            QCoreApplication::translate(
                "TLibrary", "The encoder library %1 lacks %2 (Debian package %3 is too old).")
                .arg(FLibrary.fileName(), QLatin1String(symbol), FPackage);
    return *function != nullptr;
}

} // namespace audio
