// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundFile.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace audio {

namespace {

std::uint32_t U32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
std::uint16_t U16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

void Say(QString* why, const QString& text) {
    if (why)
        *why = text;
}

} // namespace

TReadAt BytesReader(QByteArrayView bytes) {
    return [bytes](qint64 at, qint64 n) {
        if (at < 0 || n <= 0 || at >= bytes.size())
            return QByteArray();
        return bytes.sliced(at, std::min(n, bytes.size() - at)).toByteArray();
    };
}

std::optional<TWavLayout> ReadWavLayout(const TReadAt& read, qint64 fileSize, QString* why) {
    const QByteArray riff = read(0, 12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
        //: why a file is no sound file the encoder reads (as all that follow)
        Say(why, QCoreApplication::translate("SoundFile", "it is no RIFF WAVE file"));
        return std::nullopt;
    }
    TWavLayout out;
    bool format = false;
    // Chunk after chunk, each padded to an even length, up to the data. Files have a handful;
    // thousands of them are no sound file's.
    constexpr int kMostChunks = 4096;
    for (qint64 at = 12, n = 0; at + 8 <= fileSize && n < kMostChunks; ++n) {
        // The chunk's header and the start of its body.
        const QByteArray bytes = read(at, 8 + 40);
        const qsizetype got = std::min<qsizetype>(bytes.size(), 8 + 40);
        if (got < 8)
            break;
        char chunk[8 + 40] = {};
        std::copy_n(bytes.constBegin(), got, chunk);
        const qint64 length = U32(chunk + 4);
        const char* body = chunk + 8;
        const qint64 room = fileSize - at - 8; // what the file holds of the chunk
        const QByteArrayView id(chunk, 4);
        if (id == "fmt " && length >= 16 && length <= room && got >= 24) {
            out.Tag = U16(body);
            out.Channels = U16(body + 2);
            out.SampleRate = U32(body + 4);
            out.Bits = U16(body + 14);
            if (out.Tag == 0xFFFE && length >= 26 && got >= 34)
                out.Tag = U16(body + 24); // the sub-format's first two bytes
            format = true;
        } else if (id == "data") {
            if (!format) {
                Say(why, QCoreApplication::translate(
                             "SoundFile", "its data chunk comes before its format chunk"));
                return std::nullopt;
            }
            out.DataOffset = at + 8;
            out.DataSize = std::min(length, room);
            out.CutShort = length > room;
            return out;
        }
        if (length > room)
            break;
        at += 8 + length + (length & 1);
    }
    Say(why, format ? QCoreApplication::translate("SoundFile", "it has no data chunk")
                    : QCoreApplication::translate("SoundFile", "it has no format chunk"));
    return std::nullopt;
}

TPcm DecodeWav(QByteArrayView bytes) {
    const std::optional<TWavLayout> wav = ReadWavLayout(BytesReader(bytes), bytes.size());
    if (!wav)
        return {};
    const int tag = wav->Tag, bits = wav->Bits, channels = wav->Channels;
    const bool pcm = tag == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floats = tag == 3 && bits == 32;
    if ((!pcm && !floats) || channels < 1 || channels > 2 || wav->SampleRate < 1000 ||
        wav->SampleRate > 384000)
        return {};
    const char* data = bytes.data() + wav->DataOffset;
    const std::size_t bytesPer = std::size_t(bits / 8);
    const std::size_t count =
        std::size_t(wav->DataSize) / (bytesPer * std::size_t(channels)) * std::size_t(channels);
    TPcm out;
    out.SampleRate = int(wav->SampleRate);
    out.Channels = channels;
    out.Samples.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char* p = data + i * bytesPer;
        std::int16_t v = 0;
        if (floats) {
            float f;
            std::memcpy(&f, p, 4);
            f = std::isfinite(f) ? std::clamp(f, -1.0f, 1.0f) : 0.0f;
            v = std::int16_t(std::lround(f * 32767.0f));
        } else if (bits == 8) {
            v = std::int16_t((int(std::uint8_t(p[0])) - 128) << 8);
        } else {
            // The two most significant bytes of a little-endian sample.
            v = std::int16_t(U16(p + bytesPer - 2));
        }
        out.Samples[i] = v;
    }
    return out;
}

// --- MPEG audio -------------------------------------------------------------------------------

std::optional<TMp3Frame> ReadMp3Frame(QByteArrayView at) {
    if (at.size() < 4)
        return std::nullopt;
    const auto* b = reinterpret_cast<const unsigned char*>(at.data());
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0)
        return std::nullopt;
    const int version = (b[1] >> 3) & 3, layer = (b[1] >> 1) & 3;
    const int rateIndex = (b[2] >> 2) & 3, bitrateIndex = b[2] >> 4;
    if (version == 1 || layer == 0 || rateIndex == 3 || bitrateIndex == 15)
        return std::nullopt;
    static const int kBitrates[5][15] = {
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448}, // 1, I
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},    // 1, II
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},     // 1, III
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},    // 2, I
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}};        // 2, II and III
    static const int kRates[3] = {44100, 48000, 32000};
    TMp3Frame f;
    f.Version = version == 3 ? 10 : version == 2 ? 20 : 25;
    f.Layer = 4 - layer;
    const bool mpeg1 = f.Version == 10;
    f.Bitrate = kBitrates[mpeg1 ? f.Layer - 1 : (f.Layer == 1 ? 3 : 4)][bitrateIndex];
    f.SampleRate = kRates[rateIndex] / (mpeg1 ? 1 : f.Version == 20 ? 2 : 4);
    f.Channels = (b[3] >> 6) == 3 ? 1 : 2;
    const int padding = (b[2] >> 1) & 1;
    if (f.Layer == 1) {
        f.Samples = 384;
        f.Bytes = (12 * f.Bitrate * 1000 / f.SampleRate + padding) * 4;
    } else {
        f.Samples = f.Layer == 3 && !mpeg1 ? 576 : 1152;
        f.Bytes = f.Samples / 8 * f.Bitrate * 1000 / f.SampleRate + padding;
    }
    if (f.Bitrate == 0)
        f.Bytes = 0;
    return f;
}

namespace {

bool SameStream(const TMp3Frame& a, const TMp3Frame& b) {
    return a.Version == b.Version && a.Layer == b.Layer && a.SampleRate == b.SampleRate &&
           (a.Bitrate == 0) == (b.Bitrate == 0);
}

// What may follow the last frame: a tag, or nothing.
bool TagOrEnd(QByteArrayView window, qint64 at, qint64 end) {
    if (at == end)
        return true;
    const QByteArrayView rest = window.sliced(std::min<qint64>(at, window.size()));
    return rest.startsWith("TAG") || rest.startsWith("APETAGEX") ||
           rest.startsWith("LYRICSBEGIN") || rest.startsWith("ID3");
}

// The length of the free-format frame at `at`: up to the next header of its stream. (Headers of
// other streams between come in no more than a few kinds, so the search stays short.)
int FreeFormatBytes(QByteArrayView window, qint64 at, const TMp3Frame& first) {
    constexpr qint64 kLongest = 8192; // a free-format frame at 640 kbit/s and 8 kHz is shorter
    const qint64 last = std::min(window.size() - 4, at + kLongest);
    for (qint64 next = at + 4; next <= last; ++next) {
        const auto f = ReadMp3Frame(window.sliced(next, 4));
        if (f && SameStream(*f, first))
            return int(next - at);
    }
    return 0;
}

// The frames that follow each other from `at` in `window` (which ends `end` bytes from its
// start at the end of the file, or earlier), up to three; 0 when the chain breaks before three
// frames or the end of the stream.
int Chain(QByteArrayView window, qint64 at, qint64 end, TMp3Frame& first) {
    int frames = 0;
    for (qint64 p = at; frames < 3;) {
        if (frames > 0 && TagOrEnd(window, p, end))
            return frames;
        if (p + 4 > window.size())
            return 0;
        auto f = ReadMp3Frame(window.sliced(p, 4));
        if (!f || (frames > 0 && !SameStream(*f, first)))
            return 0;
        const int bytes = f->Bytes ? f->Bytes : FreeFormatBytes(window, p, *f);
        if (bytes < 4 || p + bytes > end)
            return 0;
        if (frames == 0)
            first = *f;
        ++frames;
        p += bytes;
    }
    return frames;
}

} // namespace

std::optional<TMp3Stream> FindMp3Stream(const TReadAt& read, qint64 fileSize) {
    qint64 at = 0;
    // ID3v2 tags: "ID3", version, flags, a size in four 7-bit bytes, a footer when flagged.
    QByteArray tag;
    for (int n = 0; n < 8 && (tag = read(at, 10)).size() == 10 && tag.startsWith("ID3"); ++n) {
        const auto* b = reinterpret_cast<const unsigned char*>(tag.constData());
        if ((b[6] | b[7] | b[8] | b[9]) & 0x80)
            break;
        const qint64 length = (qint64(b[6]) << 21) | (b[7] << 14) | (b[8] << 7) | b[9];
        at += 10 + length + ((b[5] & 0x10) ? 10 : 0);
    }
    constexpr qint64 kWindow = 1024 * 1024;
    const QByteArray window = read(at, kWindow);
    const qint64 end = fileSize - at;
    for (qint64 p = 0; p + 4 <= window.size(); ++p) {
        TMp3Stream s;
        if ((s.Frames = Chain(window, p, end, s.First)) > 0) {
            s.Start = at + p;
            return s;
        }
    }
    return std::nullopt;
}

// --- What the encoder reads -------------------------------------------------------------------

TSoundKind SoundKind(const TReadAt& read, qint64 fileSize, const QString& name, QString* why) {
    const QByteArray head = read(0, 32);
    const QString ext = name.right(4).toLower();
    if (ext == QLatin1String(".mp3") || ext == QLatin1String(".mp2") ||
        ext == QLatin1String(".mp1") || ext == QLatin1String(".mpg")) {
        if (FindMp3Stream(read, fileSize))
            return TSoundKind::Mpeg;
        Say(why, QCoreApplication::translate("SoundFile", "it holds no MPEG audio"));
        return TSoundKind::None;
    }
    if (ext == QLatin1String(".raw"))
        return TSoundKind::Raw;
    if (head.startsWith("RIFF")) {
        std::optional<TWavLayout> wav = ReadWavLayout(read, fileSize, why);
        if (!wav)
            return TSoundKind::None;
        // The encoder's WAV reader knows these; for any other it would read raw samples.
        static const int kKnown[] = {0x0001, 0x0002, 0x0003, 0x0006, 0x0007, 0x0011,
                                     0x0031, 0x0040, 0x0050, 0x0055, 0xFFFE};
        if (std::find(std::begin(kKnown), std::end(kKnown), wav->Tag) == std::end(kKnown)) {
            //: %1 is the number of the WAV format, in hexadecimal
            Say(why, QCoreApplication::translate("SoundFile",
                                                 "its sound is stored in a form (format 0x%1) the "
                                                 "MP3 encoder does not read")
                         .arg(wav->Tag, 4, 16, QLatin1Char('0')));
            return TSoundKind::None;
        }
        if (wav->Channels < 1 || wav->SampleRate < 1) {
            Say(why, QCoreApplication::translate(
                         "SoundFile", "its format chunk gives no channels or no sample rate"));
            return TSoundKind::None;
        }
        return TSoundKind::Wav;
    }
    // The other formats the encoder's sound-file library reads, by their first bytes (and, for
    // the containers of several kinds of data, the kind at byte 8).
    const QByteArrayView kind = QByteArrayView(head).sliced(std::min<qsizetype>(8, head.size()));
    for (const char* container : {"RIFX", "RF64", "BW64"})
        if (head.startsWith(container) && kind.startsWith("WAVE"))
            return TSoundKind::Other;
    if (head.startsWith("FORM") &&
        (kind.startsWith("AIFF") || kind.startsWith("AIFC") || kind.startsWith("8SVX")))
        return TSoundKind::Other;
    static const QByteArrayView kMagic[] = {".snd",
                                            "dns.",
                                            "fLaC",
                                            "OggS",
                                            "caff",
                                            "riff\x2e\x91\xcf\x11",
                                            "NIST_1A",
                                            "Creative Voice File",
                                            "2BIT",
                                            "PVF1",
                                            "Extended Instrument:",
                                            "MATLAB 5.0",
                                            QByteArrayView("\x64\xa3\x01\x00", 4),
                                            QByteArrayView("\x00\x01\xa3\x64", 4),
                                            QByteArrayView("\x64\xa3\x02\x00", 4),
                                            QByteArrayView("\x00\x02\xa3\x64", 4),
                                            QByteArrayView("\x64\xa3\x03\x00", 4),
                                            QByteArrayView("\x00\x03\xa3\x64", 4),
                                            QByteArrayView("\x64\xa3\x04\x00", 4),
                                            QByteArrayView("\x00\x04\xa3\x64", 4)};
    for (const QByteArrayView magic : kMagic)
        if (head.startsWith(magic))
            return TSoundKind::Other;
    if (FindMp3Stream(read, fileSize))
        return TSoundKind::Mpeg;
    Say(why, fileSize == 0 ? QCoreApplication::translate("SoundFile", "it is empty")
                           : QCoreApplication::translate("SoundFile", "it is no sound file"));
    return TSoundKind::None;
}

} // namespace audio
