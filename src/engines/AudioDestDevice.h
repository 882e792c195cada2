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

using namespace speech;

// The device volume: the volume of this program's own sound output, 0..65535 per channel
// (low word left, high word right). Shared by every destination of the process, applied to
// speech already playing. The program keeps it for the next run once, at its end (the
// platform's device volume does that).
DWORD DeviceVolumeGet();
void DeviceVolumeSet(DWORD volume);

// Ends the sound output of the process: what released destinations left behind is deleted and
// the audio thread ends. Called once, at the end, before the application object goes; no
// destination may be used afterwards.
void ShutdownAudio();

class AudioDestDevice : public IAudioMultiMediaDevice,
                        public IAudioDest,
                        public std::enable_shared_from_this<AudioDestDevice> {
public:
    AudioDestDevice();
    ~AudioDestDevice() override;

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override;

    // IAudioMultiMediaDevice
    HRESULT VolumeGet(DWORD& volume) override;
    HRESULT VolumeSet(DWORD volume) override;

    // IAudioDest
    HRESULT Open() override;
    HRESULT StreamStart(const AudioFormat& format) override;
    HRESULT StreamWrite(const std::int16_t* samples, std::size_t count) override;
    HRESULT StreamMark(QWORD position, std::function<void()> reached) override;
    HRESULT StreamOnStarted(std::function<void()> started) override;
    HRESULT StreamEnd(std::function<void(HRESULT)> done) override;
    HRESULT Pause() override;
    HRESULT Resume() override;
    HRESULT Reset() override;

    struct Shared;

private:
    void Poke();

    std::shared_ptr<Shared> FShared;
    class Player* FPlayer = nullptr; // lives on the audio thread, deleted there
};

} // namespace engines
