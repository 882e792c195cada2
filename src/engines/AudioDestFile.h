// The file destination: the engine speaks into a standard RIFF WAV file (PCM, 16-bit).
#pragma once

#include "SpeechApi.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>

namespace engines {

using namespace speech;

class AudioDestFile : public IAudioFile,
                      public IAudioDest,
                      public std::enable_shared_from_this<AudioDestFile> {
public:
    ~AudioDestFile() override;

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override;

    // IAudioFile
    HRESULT Set(const std::u16string& fileName, DWORD flags) override;
    HRESULT RealTimeSet(WORD speed) override;
    HRESULT Flush() override;

    // IAudioDest
    HRESULT StreamStart(const AudioFormat& format) override;
    HRESULT StreamWrite(const std::int16_t* samples, std::size_t count) override;
    HRESULT StreamMark(QWORD position, std::function<void()> reached) override;
    HRESULT StreamOnStarted(std::function<void()> started) override;
    HRESULT StreamEnd(std::function<void(HRESULT)> done) override;
    HRESULT Pause() override;
    HRESULT Resume() override;
    HRESULT Reset() override;

private:
    using Clock = std::chrono::steady_clock;
    struct Mark {
        QWORD position;
        std::function<void()> reached;
    };

    void WriteHeaderLocked();
    void CloseLocked();
    // Runs the marks whose position has been written; called without the lock held.
    void FireMarks();
    bool WaitWhilePaused(std::unique_lock<std::mutex>& lock);

    std::mutex FMutex;
    std::condition_variable FWake;
    std::FILE* FFile = nullptr;
    AudioFormat FFormat;
    std::uint64_t FDataBytes = 0; // bytes of samples in the file
    QWORD FWritten = 0;           // samples of the current stream written
    WORD FSpeed = 0;              // writing speed, 256 = real time; 0 = no cap
    bool FPaused = false;
    bool FAborted = false;
    bool FFailed = false;
    Clock::time_point FPaceStart;
    QWORD FPaceBase = 0; // samples written when the pace clock last started
    std::deque<Mark> FMarks;
    std::function<void()> FStarted;
};

} // namespace engines
