// The sound alarm: plays a WAV file through the program's own sound output (so the device
// volume applies), in the background. A file that cannot be played gives a short default
// sound instead. Nothing is reported.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace speech {
class IAudioDest;
}

namespace desktop {

// PCM samples as the sound output takes them: signed 16-bit, interleaved.
struct TPcm {
    int SampleRate = 0;
    int Channels = 0;
    std::vector<std::int16_t> Samples;
};

// Decodes a RIFF WAVE file holding 8-, 16-, 24- or 32-bit integer PCM or 32-bit float PCM;
// anything else (or a damaged file) gives an empty result.
TPcm DecodeWav(const QByteArray& bytes);
// The default sound: two short beeps.
TPcm DefaultSound();

class TAlarmSound : public QObject {
    Q_OBJECT
public:
    explicit TAlarmSound(QObject* parent = nullptr);
    // Cuts a sound still playing short.
    ~TAlarmSound() override;
    // Returns at once; a sound still playing is replaced.
    void Play(const QString& wavFile);

private:
    void Halt();
    std::shared_ptr<speech::IAudioDest> FDest;
    std::thread FWorker;
};

} // namespace desktop
