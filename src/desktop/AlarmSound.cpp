// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmSound.h"

#include "AudioDestDevice.h"
#include "TextFile.h"

#include <cmath>
#include <numbers>

namespace desktop {

namespace {

constexpr std::size_t kChunkFrames = 2048;

} // namespace

audio::TPcm DefaultSound() {
    audio::TPcm out;
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
    audio::TPcm pcm;
    try {
        if (std::optional<QByteArray> bytes = settings::ReadWholeFile(wavFile))
            pcm = audio::DecodeWav(*bytes);
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
