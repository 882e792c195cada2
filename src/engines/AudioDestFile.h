// SPDX-License-Identifier: GPL-3.0-or-later
// The file destination: the engine speaks into a standard RIFF WAV file (PCM, 16-bit), or,
// when the file is a pipe, into a WAV stream.
//
// The header of a file is rewritten every few seconds while it grows, so a conversion that is
// killed leaves a file that plays what it holds. A RIFF file says at most 4 GB; beyond that the
// file becomes RF64 (EBU Tech 3306, read by sox and ffmpeg): the JUNK chunk that every file
// carries after "WAVE" is the room for the "ds64" chunk with the 64-bit sizes.
#pragma once

#include "SpeechApi.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <vector>

namespace engines {

class AudioDestFile : public speech::IAudioFile,
                      public speech::IAudioDest,
                      public std::enable_shared_from_this<AudioDestFile> {
public:
    ~AudioDestFile() override;

    speech::HRESULT QueryInterface(const speech::GUID& iid, std::shared_ptr<void>& out) override;

    // IAudioFile
    speech::HRESULT Set(const std::u16string& fileName, speech::DWORD flags) override;
    speech::HRESULT RealTimeSet(speech::WORD speed) override;
    speech::HRESULT Flush() override;

    // Byte size of the header before the samples: RIFF, JUNK (room for ds64), fmt, data.
    static constexpr long HeaderSize = 12 + 36 + 24 + 8;
    // The header is rewritten at least this often while samples are written.
    static constexpr auto HeaderInterval = std::chrono::seconds(2);
    // Tests: the RIFF form holds at most this many bytes of samples, RF64 beyond (default:
    // what a RIFF header can say). Set before the file is opened.
    static void SetRiffLimitForTests(std::uint64_t bytes);

    // IAudioDest
    speech::HRESULT StreamStart(const speech::AudioFormat& format) override;
    speech::HRESULT StreamWrite(const std::int16_t* samples, std::size_t count) override;
    speech::HRESULT StreamMark(speech::QWORD position, std::function<void()> reached) override;
    speech::HRESULT StreamOnStarted(std::function<void()> started) override;
    speech::HRESULT StreamEnd(std::function<void(speech::HRESULT)> done) override;
    speech::HRESULT Pause() override;
    speech::HRESULT Resume() override;
    speech::HRESULT Reset() override;

private:
    using Clock = std::chrono::steady_clock;
    struct Mark {
        speech::QWORD position;
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
    // The stream's buffer: the C library takes a size only with a buffer of the caller's, and
    // its own is a page, which costs a system call for every 4 KB of samples.
    std::vector<char> FBuffer = std::vector<char>(1 << 16);
    speech::AudioFormat FFormat;
    std::uint64_t FDataBytes = 0; // bytes of samples in the file
    speech::QWORD FWritten = 0;   // samples of the current stream written
    speech::WORD FSpeed = 0;      // writing speed, 256 = real time; 0 = no cap
    bool FPaused = false;
    bool FAborted = false;
    bool FFailed = false;
    bool FStream = false;       // a pipe: the header is written once, never rewound
    bool FStreamHeader = false; // that header is out
    bool FFormatKnown = false;
    Clock::time_point FPaceStart;
    Clock::time_point FHeaderWritten; // when the header last told the sizes
    speech::QWORD FPaceBase = 0;      // samples written when the pace clock last started
    std::deque<Mark> FMarks;
    std::function<void()> FStarted;
};

} // namespace engines
