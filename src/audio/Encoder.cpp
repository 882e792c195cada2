#include "Encoder.h"

#include "EncoderUnits.h"

namespace audio {

namespace {

struct TFormatEntry {
    TFormat Format;
    const char* Extension;
    const char* Name;
    const char* Key;
};

constexpr TFormatEntry kFormats[] = {
    {TFormat::Wav, ".wav", "WAV", "wav"},
    {TFormat::Mp3, ".mp3", "MP3", "mp3"},
    {TFormat::Opus, ".opus", "Ogg Opus", "opus"},
    {TFormat::Vorbis, ".ogg", "Ogg Vorbis", "vorbis"},
    {TFormat::Flac, ".flac", "FLAC", "flac"},
};

const TFormatEntry& EntryOf(TFormat format) {
    for (const TFormatEntry& e : kFormats)
        if (e.Format == format)
            return e;
    return kFormats[0];
}

} // namespace

std::optional<TFormat> FormatOfName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0 || name.indexOf(u'/', dot) >= 0)
        return std::nullopt;
    const QString ext = name.mid(dot).toLower();
    if (ext == QLatin1String(".oga"))
        return TFormat::Vorbis;
    for (const TFormatEntry& e : kFormats)
        if (ext == QLatin1String(e.Extension))
            return e.Format;
    return std::nullopt;
}

QString ExtensionOf(TFormat format) {
    return QLatin1String(EntryOf(format).Extension);
}

QString NameOf(TFormat format) {
    return QLatin1String(EntryOf(format).Name);
}

QString KeyOf(TFormat format) {
    return QLatin1String(EntryOf(format).Key);
}

std::optional<TFormat> FormatOfKey(const QString& key) {
    for (const TFormatEntry& e : kFormats)
        if (key.compare(QLatin1String(e.Key), Qt::CaseInsensitive) == 0)
            return e.Format;
    return std::nullopt;
}

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
        FMissing = QStringLiteral("The encoder library %1 is not installed (Debian package %2).")
                       .arg(FLibrary.fileName(), FPackage);
}

bool TLibrary::Find(void** function, const char* symbol) {
    if (!FMissing.isEmpty())
        return false;
    *function = reinterpret_cast<void*>(FLibrary.resolve(symbol));
    if (!*function)
        FMissing = QStringLiteral("The encoder library %1 lacks %2 (Debian package %3 is too old).")
                       .arg(FLibrary.fileName(), QLatin1String(symbol), FPackage);
    return *function != nullptr;
}

} // namespace audio
