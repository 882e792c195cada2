// SPDX-License-Identifier: GPL-3.0-or-later
// The audio formats a conversion writes, and the encoders of those that are written in this
// process: one small unit per format behind TEncoder, chosen by MakeEncoder. MP3 is not among
// them: it goes through the `lame` program (Lame.h), one run per piece of the text.
//
// An encoder's library is loaded when the encoder is made, not when the program starts: a
// desktop without one of them still runs everything else, and the encoder says which package
// is missing.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

namespace audio {

enum class TFormat { Wav, Mp3, Opus, Vorbis, Flac };

// The format a file name's extension asks for (".wav", ".mp3", ".opus", ".ogg", ".oga",
// ".flac", in any letter case); nullopt for any other.
std::optional<TFormat> FormatOfName(const QString& name);
// The usual extension, with its dot.
QString ExtensionOf(TFormat format);
// As the user knows it: "WAV", "MP3", "Ogg Opus", "Ogg Vorbis", "FLAC".
QString NameOf(TFormat format);
// As config.ini stores it: "wav", "mp3", "opus", "vorbis", "flac"; and back (nullopt for a key
// that names none).
QString KeyOf(TFormat format);
std::optional<TFormat> FormatOfKey(const QString& key);

// 16-bit samples, channels interleaved.
struct TPcmFormat {
    int Rate = 22050;
    int Channels = 1;
    bool operator==(const TPcmFormat&) const = default;
};

class TEncoder {
public:
    virtual ~TEncoder() = default;
    // Starts writing the file `path` (made already, written from its start); "-" for a WAV on
    // standard output. `kbps` is the bit rate of a lossy format, 0 for the encoder's own
    // choice. False with Error() set.
    virtual bool Open(const QString& path, const TPcmFormat& format, int kbps) = 0;
    virtual bool Write(const std::int16_t* samples, std::size_t frames) = 0;
    // Where the file keeps the samples as they come (WAV into a file): `bytes` of them from
    // `offset` in the open file `fd`, copied inside the system. Write is the way elsewhere.
    virtual bool CanCopy() const { return false; }
    virtual bool Copy(int /*fd*/, qint64 /*offset*/, qint64 /*bytes*/) { return false; }
    // Writes what is held back and closes the file; false with Error() set.
    virtual bool Close() = 0;
    const QString& Error() const { return FError; }

protected:
    QString FError;
};

// The encoder of a format written in this process (every one but MP3); one whose library is
// missing is still made, and its Open says what to install.
std::unique_ptr<TEncoder> MakeEncoder(TFormat format);
// Empty when the format can be written here, else why not (the library to install).
QString Unavailable(TFormat format);

} // namespace audio
