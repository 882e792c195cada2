// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the tests: reading and measuring WAV audio, waiting on the event loop.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <functional>
#include <vector>

namespace testsupport {

struct Wav {
    bool valid = false;
    int sampleRate = 0;
    int channels = 0;
    int bits = 0;
    std::uint32_t riffSize = 0; // as the header says
    std::uint32_t dataSize = 0; // as the header says
    std::vector<std::int16_t> samples;

    double seconds() const {
        return sampleRate > 0 && channels > 0 ? double(samples.size()) / channels / sampleRate : 0;
    }
};

// Reads a PCM WAV file; `valid` is false when the file is not a complete, consistent one.
Wav ReadWav(const QString& path);

// Root mean square level of samples [from, to) on a 0..1 scale.
double Rms(const std::vector<std::int16_t>& s, std::size_t from = 0, std::size_t to = SIZE_MAX);
// Length in seconds of the audio between the first and the last sample above `threshold`.
double SoundingSeconds(const Wav& wav, int threshold = 300);

// The file's bytes, or "<unreadable>" (never what a test wrote) when it cannot be read.
QByteArray ReadBytes(const QString& path);
// The file's text as UTF-8; empty when it cannot be read.
QString ReadText(const QString& path);
// Writes the file whole; a failure fails the calling test.
void WriteBytes(const QString& path, const QByteArray& bytes);

// ffprobe's view of an audio file: its format (with tags), its streams and its chapters; empty
// when ffprobe cannot read it.
QJsonObject Probe(const QString& path);
// The tags of such a view, in lower-case names, wherever the format keeps them.
QVariantMap ProbeTags(const QJsonObject& probe);

// Runs the event loop until `done` returns true or `timeoutMs` passes; returns done().
bool WaitFor(const std::function<bool()>& done, int timeoutMs);

} // namespace testsupport
