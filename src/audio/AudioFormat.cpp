// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the formats a conversion writes: what the command line and the options know of
// them without any encoder.
#include "Encoder.h"
#include "Subtitles.h"

namespace audio {

namespace {

struct TFormatEntry {
    TFormat Format;
    const char* Extension;
    const char* Name;
    const char* Key;
};

constexpr TFormatEntry kFormats[] = {
    {TFormat::Wav, ".wav", "WAV", "wav"},         {TFormat::Mp3, ".mp3", "MP3", "mp3"},
    {TFormat::Opus, ".opus", "Ogg Opus", "opus"}, {TFormat::Vorbis, ".ogg", "Ogg Vorbis", "vorbis"},
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

std::optional<TSubtitleFormat> SubtitleFormatOfName(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("srt"))
        return TSubtitleFormat::Srt;
    if (n == QLatin1String("vtt") || n == QLatin1String("webvtt"))
        return TSubtitleFormat::Vtt;
    if (n == QLatin1String("lrc"))
        return TSubtitleFormat::Lrc;
    return std::nullopt;
}

QString SubtitleExtension(TSubtitleFormat format) {
    switch (format) {
    case TSubtitleFormat::Srt:
        return QStringLiteral(".srt");
    case TSubtitleFormat::Vtt:
        return QStringLiteral(".vtt");
    case TSubtitleFormat::Lrc:
        break;
    }
    return QStringLiteral(".lrc");
}

} // namespace audio
