// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for what the program looks into of a sound file before and after the encoder
// (the inputs of /wtm and /mtw, the alarm's sound). The bytes are read as a file: the WAV layout
// lies inside the file, the decoded samples are the data chunk's, an MP3 stream found is frames
// that follow each other. Then the same bytes are taken as the makings of a WAV file and of an
// MP3 stream, built with junk chunks, tags and junk around them, and the readers must find
// exactly what was built.
#include "SoundFile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace audio;

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_SoundFiles: %s\n", what);
        std::abort();
    }
}

// A reader that checks how it is used: never before the file, never for nothing or for more
// than the largest window the readers take.
TReadAt Strict(QByteArrayView bytes) {
    return [bytes](qint64 at, qint64 n) {
        Check(at >= 0 && n > 0 && n <= 1024 * 1024, "a read out of bounds");
        return BytesReader(bytes)(at, n);
    };
}

// Bytes taken one by one from the input, zero once it is used up.
struct TTake {
    const std::uint8_t* p;
    std::size_t left;
    unsigned Byte() { return left ? (--left, *p++) : 0u; }
    QByteArray Rest(std::size_t most) {
        const std::size_t n = std::min(most, left);
        QByteArray out(reinterpret_cast<const char*>(p), qsizetype(n));
        p += n;
        left -= n;
        return out;
    }
};

void Le16(QByteArray& b, unsigned v) {
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
void Le32(QByteArray& b, std::uint32_t v) {
    Le16(b, v & 0xFFFF);
    Le16(b, v >> 16);
}

void AsFile(QByteArrayView bytes) {
    const qint64 size = bytes.size();
    const TReadAt read = Strict(bytes);
    const std::optional<TWavLayout> wav = ReadWavLayout(read, size);
    if (wav) {
        Check(wav->DataOffset >= 20 && wav->DataSize >= 0 &&
                  wav->DataOffset + wav->DataSize <= size,
              "WAV data outside the file");
        Check(bytes.sliced(wav->DataOffset - 8, 4) == "data", "WAV data not after its header");
        Check(!wav->CutShort || wav->DataOffset + wav->DataSize == size,
              "a file cut short that goes on");
    }
    const TPcm pcm = DecodeWav(bytes);
    if (!pcm.Samples.empty() || pcm.Channels) {
        Check(wav && (pcm.Channels == 1 || pcm.Channels == 2) && pcm.Channels == wav->Channels &&
                  pcm.SampleRate == int(wav->SampleRate),
              "decoded samples of another format");
        const qint64 frame = wav->Bits / 8 * wav->Channels;
        Check(qint64(pcm.Samples.size()) == wav->DataSize / frame * wav->Channels,
              "not as many samples as the data chunk holds");
        if (wav->Tag == 1 && wav->Bits == 16)
            for (std::size_t i = 0; i < pcm.Samples.size(); ++i)
                Check(pcm.Samples[i] ==
                          qFromLittleEndian<qint16>(bytes.data() + wav->DataOffset + 2 * i),
                      "a 16-bit sample changed");
    } else if (wav && wav->Tag == 1 && wav->Bits == 16 && wav->Channels == 1 &&
               wav->SampleRate == 22050 && wav->DataSize >= 2) {
        Check(false, "a plain WAV file refused");
    }

    const std::optional<TMp3Stream> mp3 = FindMp3Stream(read, size);
    if (mp3) {
        Check(mp3->Frames >= 1 && mp3->Frames <= 3 && mp3->Start + 4 <= size,
              "an MP3 stream out of place");
        Check(ReadMp3Frame(bytes.sliced(mp3->Start)).has_value(), "no frame where it starts");
        qint64 at = mp3->Start;
        for (int i = 0; i < mp3->Frames; ++i) {
            const auto f = ReadMp3Frame(bytes.sliced(at));
            Check(f && f->Version == mp3->First.Version && f->Layer == mp3->First.Layer &&
                      f->SampleRate == mp3->First.SampleRate,
                  "frames of two streams chained");
            if (!f->Bytes)
                return; // free format: the length is where the next frame is
            at += f->Bytes;
            Check(at <= size, "a frame beyond the end");
        }
        if (mp3->Frames < 3) {
            const QByteArrayView rest = bytes.sliced(at);
            Check(rest.isEmpty() || rest.startsWith("TAG") || rest.startsWith("ID3") ||
                      rest.startsWith("APETAGEX") || rest.startsWith("LYRICSBEGIN"),
                  "a short stream that does not end");
        }
    }

    QString why;
    Check((SoundKind(read, size, QStringLiteral("in.MP3"), &why) == TSoundKind::Mpeg) ==
              mp3.has_value(),
          "an MP3 name not read as MPEG audio");
    Check(SoundKind(read, size, QStringLiteral("in.raw")) == TSoundKind::Raw,
          "raw samples asked for by name refused");
    const TSoundKind kind = SoundKind(read, size, QStringLiteral("in.wav"), &why);
    Check(kind != TSoundKind::None || !why.isEmpty(), "a refusal without a reason");
    Check(kind != TSoundKind::Wav || wav, "a WAV file without its layout");
    Check(kind != TSoundKind::Mpeg || mp3, "MPEG audio without its stream");
}

// A WAV file of the input's choosing: format, junk chunks (odd ones padded), its data, maybe cut.
void BuiltWav(TTake& in) {
    static const int kTags[] = {1, 1, 3, 6, 0xFFFE, 0x1234};
    static const std::uint32_t kRates[] = {8000, 22050, 44100, 48000, 0, 999, 384000, 384001};
    static const int kBits[] = {8, 16, 24, 32, 12, 0};
    const int tag = kTags[in.Byte() % 6];
    const int channels = 1 + int(in.Byte() % 3);
    const std::uint32_t rate = kRates[in.Byte() % 8];
    const int bits = kBits[in.Byte() % 6];
    const int junk = int(in.Byte() % 4);
    const unsigned cut = in.Byte() % 8;

    QByteArray body = "WAVE";
    for (int j = 0; j < junk; ++j) {
        const QByteArray chunk = in.Rest(in.Byte() % 40);
        body += j % 2 ? "LIST" : "JUNK";
        Le32(body, std::uint32_t(chunk.size()));
        body += chunk;
        if (chunk.size() % 2)
            body += '\0';
    }
    body += "fmt ";
    Le32(body, tag == 0xFFFE ? 40 : 16);
    Le16(body, unsigned(tag));
    Le16(body, unsigned(channels));
    Le32(body, rate);
    Le32(body, rate * std::uint32_t(channels * bits / 8));
    Le16(body, unsigned(channels * bits / 8));
    Le16(body, unsigned(bits));
    if (tag == 0xFFFE) {
        Le16(body, 22);
        Le16(body, unsigned(bits));
        Le32(body, channels == 1 ? 4 : 3);
        body += QByteArray("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
    }
    const QByteArray data = in.Rest(1024);
    body += "data";
    Le32(body, std::uint32_t(data.size()));
    const qint64 dataOffset = 8 + body.size();
    body += data;
    QByteArray file = "RIFF";
    Le32(file, std::uint32_t(body.size()));
    file += body;
    const qint64 kept = std::min<qint64>(cut, data.size());
    file.chop(kept);

    const std::optional<TWavLayout> wav = ReadWavLayout(BytesReader(file), file.size());
    Check(wav && wav->Tag == (tag == 0xFFFE ? 1 : tag) && wav->Channels == channels &&
              wav->SampleRate == rate && wav->Bits == bits && wav->DataOffset == dataOffset &&
              wav->DataSize == data.size() - kept && wav->CutShort == (kept > 0),
          "a WAV file built read as another");
    const TSoundKind kind = SoundKind(BytesReader(file), file.size(), QStringLiteral("in.wav"));
    Check((kind == TSoundKind::Wav) == (tag != 0x1234 && rate > 0), "a WAV file misjudged");

    const TPcm pcm = DecodeWav(file);
    const bool playable =
        (tag == 1 || tag == 0xFFFE ? bits == 8 || bits == 16 || bits == 24 || bits == 32
                                   : tag == 3 && bits == 32) &&
        channels <= 2 && rate >= 1000 && rate <= 384000;
    Check(playable == (pcm.Channels != 0), "a WAV file played or refused wrongly");
    if (!playable)
        return;
    const int bytesPer = bits / 8;
    const std::size_t count =
        std::size_t(wav->DataSize / (bytesPer * channels)) * std::size_t(channels);
    Check(pcm.Samples.size() == count, "not all the samples built");
    for (std::size_t i = 0; i < count; ++i) {
        const char* p = file.constData() + dataOffset + i * std::size_t(bytesPer);
        int expect;
        if (tag == 3) {
            float f;
            std::memcpy(&f, p, 4);
            expect = std::isfinite(f) ? int(std::lround(std::clamp(f, -1.0f, 1.0f) * 32767.0f)) : 0;
        } else if (bits == 8) {
            expect = (int(std::uint8_t(*p)) - 128) * 256;
        } else {
            expect = qFromLittleEndian<qint16>(p + bytesPer - 2);
        }
        Check(pcm.Samples[i] == expect, "a sample built decoded wrongly");
    }
}

// Frames of one MP3 stream of the input's choosing, after an ID3v2 tag and junk, maybe with a
// tag at the end.
void BuiltMp3(TTake& in) {
    static const unsigned kVersions[] = {0, 2, 3}; // MPEG-2.5, 2, 1
    unsigned char header[4] = {0xFF, 0, 0, 0};
    header[1] = std::uint8_t(0xE0 | kVersions[in.Byte() % 3] << 3 | (1 + in.Byte() % 3) << 1 |
                             (in.Byte() & 1));
    header[2] = std::uint8_t((1 + in.Byte() % 14) << 4 | (in.Byte() % 3) << 2);
    header[3] = std::uint8_t(in.Byte());
    const auto frame = ReadMp3Frame(QByteArrayView(reinterpret_cast<char*>(header), 4));
    Check(frame && frame->Bytes >= 4, "a frame header built refused");

    QByteArray file;
    const unsigned tagLength = in.Byte() % 3 ? 0 : in.Byte() * 7;
    if (tagLength || in.Byte() % 2) {
        file += QByteArray("ID3\x04\x00\x00", 6);
        for (int shift : {21, 14, 7, 0})
            file += char((tagLength >> shift) & 0x7F);
        file += in.Rest(tagLength).leftJustified(qsizetype(tagLength), '\xFF');
    }
    // Junk before the frames holds no 0xFF, so no frame can start in it.
    // Nor does it start a tag.
    QByteArray junk = in.Rest(in.Byte() % 16);
    for (char& c : junk)
        c &= 0x7F;
    if (junk.startsWith("ID3"))
        junk[0] = 'X';
    file += junk;
    const qint64 start = file.size();
    const int frames = 1 + int(in.Byte() % 5);
    for (int f = 0; f < frames; ++f) {
        // Each frame's padding bit is its own.
        header[2] = std::uint8_t((header[2] & ~2u) | (in.Byte() & 2));
        const auto h = ReadMp3Frame(QByteArrayView(reinterpret_cast<char*>(header), 4));
        file += QByteArrayView(reinterpret_cast<char*>(header), 4);
        file += in.Rest(std::size_t(h->Bytes - 4)).leftJustified(h->Bytes - 4, '\0');
    }
    if (in.Byte() % 2)
        file += QByteArray("TAG").leftJustified(128, ' ');

    const std::optional<TMp3Stream> s = FindMp3Stream(BytesReader(file), file.size());
    Check(s && s->Start == start && s->Frames == std::min(frames, 3) &&
              s->First.Version == frame->Version && s->First.Layer == frame->Layer &&
              s->First.SampleRate == frame->SampleRate,
          "an MP3 stream built found elsewhere");
    Check(SoundKind(BytesReader(file), file.size(), QStringLiteral("in.mp3")) == TSoundKind::Mpeg,
          "an MP3 stream built refused");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AsFile(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    TTake in{data, size};
    BuiltWav(in);
    TTake again{data, size};
    BuiltMp3(again);
    return 0;
}
