// SPDX-License-Identifier: GPL-3.0-or-later
// The sound-output destination: the engine speaks to the desktop's sound server.
//
// Audio is played by Qt Multimedia from one audio thread shared by all destinations, so a busy
// user-interface thread or a slow engine never makes it stutter. Marks, the start and the end
// of a stream run when the listener hears them: the player follows what the server has really
// played, not what has been handed to it.
#pragma once

#include "SpeechApi.h"

#include <memory>

namespace engines {

// The device volume: the volume of this program's own sound output, 0..65535 per channel
// (low word left, high word right). Shared by every destination of the process, applied to
// speech already playing. The program keeps it for the next run once, at its end (the
// platform's device volume does that).
speech::DWORD DeviceVolumeGet();
void DeviceVolumeSet(speech::DWORD volume);

// Ends the sound output of the process: what released destinations left behind is deleted and
// the audio thread ends. Called once, at the end, before the application object goes; no
// destination may be used afterwards.
void ShutdownAudio();

class AudioDestDevice : public speech::IAudioMultiMediaDevice,
                        public speech::IAudioDest,
                        public std::enable_shared_from_this<AudioDestDevice> {
public:
    AudioDestDevice();
    ~AudioDestDevice() override;

    speech::HRESULT QueryInterface(const speech::GUID& iid, std::shared_ptr<void>& out) override;

    // IAudioMultiMediaDevice
    speech::HRESULT VolumeGet(speech::DWORD& volume) override;
    speech::HRESULT VolumeSet(speech::DWORD volume) override;

    // IAudioDest
    speech::HRESULT Open() override;
    speech::HRESULT StreamStart(const speech::AudioFormat& format) override;
    speech::HRESULT StreamWrite(const std::int16_t* samples, std::size_t count) override;
    speech::HRESULT StreamMark(speech::QWORD position, std::function<void()> reached) override;
    speech::HRESULT StreamOnStarted(std::function<void()> started) override;
    speech::HRESULT StreamEnd(std::function<void(speech::HRESULT)> done) override;
    speech::HRESULT Pause() override;
    speech::HRESULT Resume() override;
    speech::HRESULT Reset() override;

    struct Shared;

private:
    void Poke();

    std::shared_ptr<Shared> FShared;
    class Player* FPlayer = nullptr; // lives on the audio thread, deleted there
};

} // namespace engines
