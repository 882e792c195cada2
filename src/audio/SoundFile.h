// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files as the program looks into them: the chunks of a WAV file, the frames of an MP3
// stream, and whether a file is a sound file at all, for the encoder that would otherwise take
// any bytes for raw samples.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace audio {

// Up to `n` bytes of a file from `at` on (fewer at its end): how the readers below see a file,
// so that a sound file of any size is looked into without reading it whole.
using TReadAt = std::function<QByteArray(qint64 at, qint64 n)>;
// Such a reader over bytes in memory, which must outlive it.
TReadAt BytesReader(QByteArrayView bytes);

// Where the samples of a RIFF WAVE file are, and how they are stored.
struct TWavLayout {
    int Tag = 0; // 1 integer PCM, 3 float, others compressed; an extensible file's sub-format
    int Channels = 0;
    std::uint32_t SampleRate = 0;
    int Bits = 0;
    qint64 DataOffset = 0; // where the samples start
    qint64 DataSize = 0;   // bytes of samples there are, at most what the file holds
    bool CutShort = false; // the file ends before the data chunk does
};

// The layout of a RIFF WAVE file of `fileSize` bytes. nullopt when it is no RIFF WAVE file or
// has no "fmt " chunk before a "data" chunk; `why` then tells what is wrong.
std::optional<TWavLayout> ReadWavLayout(const TReadAt& read, qint64 fileSize,
                                        QString* why = nullptr);

// PCM samples as the sound output takes them: signed 16-bit, interleaved.
struct TPcm {
    int SampleRate = 0;
    int Channels = 0;
    std::vector<std::int16_t> Samples;
};

// Decodes a mono or stereo RIFF WAVE file holding 8-, 16-, 24- or 32-bit integer PCM or 32-bit
// float PCM at 1 to 384 kHz; anything else (or a damaged file) gives an empty result. A file cut
// short gives the whole samples it holds.
TPcm DecodeWav(QByteArrayView bytes);

// One MPEG audio frame header (layers I to III, MPEG-1, 2 and 2.5).
struct TMp3Frame {
    int Version = 0; // 10 for MPEG-1, 20 for MPEG-2, 25 for MPEG-2.5
    int Layer = 0;
    int Bitrate = 0; // kbit/s; 0 for a free-format stream
    int SampleRate = 0;
    int Channels = 0;
    int Bytes = 0;   // the whole frame, header included; 0 when free format
    int Samples = 0; // per channel
};

// The frame header in the four bytes at `at`; nullopt when they are none.
std::optional<TMp3Frame> ReadMp3Frame(QByteArrayView at);

// Where an MP3 stream starts in a file of `fileSize` bytes: after any ID3v2 tags, at the first
// frame from which frames of one version, layer and sample rate follow each other three times,
// or up to the end of the file or a tag at its end. The frames are looked for in the first
// megabyte after the tags.
struct TMp3Stream {
    qint64 Start = 0;
    int Frames = 0; // the frames of the chain that was found (up to three)
    TMp3Frame First;
};
std::optional<TMp3Stream> FindMp3Stream(const TReadAt& read, qint64 fileSize);

// How the MP3 encoder would read a file handed to it as `name`: as WAV, as MPEG audio, as
// another sound format it reads, as raw samples because the name says so (".raw"), or as
// nothing it knows, which it would take for raw samples all the same (and encode as noise). A
// name ending in ".mp3", ".mp2", ".mp1" or ".mpg" (any letter case) makes it read MPEG audio
// whatever the file holds.
enum class TSoundKind { None, Wav, Mpeg, Raw, Other };
TSoundKind SoundKind(const TReadAt& read, qint64 fileSize, const QString& name,
                     QString* why = nullptr);

} // namespace audio
