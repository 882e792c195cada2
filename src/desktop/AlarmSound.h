// SPDX-License-Identifier: GPL-3.0-or-later
// The sound alarm: plays a WAV file through the program's own sound output (so the device
// volume applies), in the background. A file that cannot be played gives a short default
// sound instead. Nothing is reported.
#pragma once

#include "SoundFile.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <thread>

namespace speech {
class IAudioDest;
}

namespace desktop {

// The default sound: two short beeps.
audio::TPcm DefaultSound();

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
