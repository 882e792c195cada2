#include "AlarmSound.h"

#include "AudioDestDevice.h"
#include "TextFile.h"

#include <QtEndian>

#include <cmath>
#include <cstring>
#include <numbers>

namespace desktop {

namespace {

std::uint32_t U32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
std::uint16_t U16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

constexpr std::size_t kChunkFrames = 2048;

} // namespace

TPcm DecodeWav(const QByteArray& bytes) {
    const char* d = bytes.constData();
    const std::size_t size = std::size_t(bytes.size());
    if (size < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return {};
    int tag = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
    const char* data = nullptr;
    std::size_t dataSize = 0;
    for (std::size_t at = 12; at + 8 <= size;) {
        const std::size_t length = U32(d + at + 4);
        const char* body = d + at + 8;
        const std::size_t room = size - at - 8;
        if (std::memcmp(d + at, "fmt ", 4) == 0 && length >= 16 && length <= room) {
            tag = U16(body);
            channels = U16(body + 2);
            rate = U32(body + 4);
            bits = U16(body + 14);
            if (tag == 0xFFFE && length >= 26)
                tag = U16(body + 24); // the sub-format's first two bytes
        } else if (std::memcmp(d + at, "data", 4) == 0) {
            data = body;
            dataSize = std::min(length, room); // a file cut short plays what it has
            break;
        }
        if (length > room)
            break;
        at += 8 + length + (length & 1);
    }
    const bool pcm = tag == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floats = tag == 3 && bits == 32;
    if (!data || (!pcm && !floats) || channels < 1 || channels > 2 || rate < 1000 || rate > 384000)
        return {};
    const std::size_t bytesPer = std::size_t(bits / 8);
    const std::size_t count = dataSize / (bytesPer * std::size_t(channels)) * std::size_t(channels);
    TPcm out;
    out.SampleRate = int(rate);
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

TPcm DefaultSound() {
    TPcm out;
    out.SampleRate = 22050;
    out.Channels = 1;
    const int beep = out.SampleRate * 15 / 100, gap = out.SampleRate / 10, fade = 200;
    for (int b = 0; b < 2; ++b) {
        for (int i = 0; i < beep; ++i) {
            const double ramp = std::min({1.0, double(i) / fade, double(beep - i) / fade});
            out.Samples.push_back(std::int16_t(
                12000 * ramp * std::sin(2 * std::numbers::pi * 880 * i / out.SampleRate)));
        }
        out.Samples.insert(out.Samples.end(), std::size_t(gap), 0);
    }
    return out;
}

TAlarmSound::TAlarmSound(QObject* parent) : QObject(parent) {}

TAlarmSound::~TAlarmSound() {
    Halt();
}

void TAlarmSound::Halt() {
    if (FDest)
        FDest->Reset(); // a write waiting for the listener returns at once
    if (FWorker.joinable())
        FWorker.join();
}

void TAlarmSound::Play(const QString& wavFile) {
    Halt();
    TPcm pcm;
    try {
        if (std::optional<QByteArray> bytes = settings::ReadWholeFile(wavFile))
            pcm = DecodeWav(*bytes);
    } catch (const settings::EFileError&) {
    }
    if (pcm.Samples.empty())
        pcm = DefaultSound();
    if (!FDest)
        FDest = std::make_shared<engines::AudioDestDevice>();
    if (FDest->Open() != speech::S_OK)
        return; // no sound output at all
    // The writes wait for the listener, so they go on a thread of their own.
    FWorker = std::thread([dest = FDest, pcm = std::move(pcm)] {
        if (dest->StreamStart({pcm.SampleRate, pcm.Channels}) != speech::S_OK)
            return;
        const std::size_t step = kChunkFrames * std::size_t(pcm.Channels);
        for (std::size_t at = 0; at < pcm.Samples.size(); at += step) {
            const std::size_t n = std::min(step, pcm.Samples.size() - at);
            if (dest->StreamWrite(pcm.Samples.data() + at, n) != speech::S_OK)
                return;
        }
        dest->StreamEnd(nullptr);
    });
}

} // namespace desktop
