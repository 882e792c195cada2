// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioDestFile.h"

#include "KoUtils.h"

#include <QFile>
#include <QString>

#include <atomic>
#include <bit>
#include <cstring>
#include <thread>

namespace engines {

using namespace speech;

static_assert(std::endian::native == std::endian::little, "WAV data is written as it is held");

namespace {
void Put32(unsigned char* p, std::uint32_t v) {
    p[0] = v & 0xFF;
    p[1] = (v >> 8) & 0xFF;
    p[2] = (v >> 16) & 0xFF;
    p[3] = (v >> 24) & 0xFF;
}
void Put16(unsigned char* p, std::uint16_t v) {
    p[0] = v & 0xFF;
    p[1] = (v >> 8) & 0xFF;
}
void Put64(unsigned char* p, std::uint64_t v) {
    Put32(p, std::uint32_t(v));
    Put32(p + 4, std::uint32_t(v >> 32));
}
constexpr long kHeaderSize = AudioDestFile::HeaderSize;
// The largest sample data a RIFF header can state: its RIFF size counts the header after the
// first 8 bytes as well.
constexpr std::uint64_t kRiffMaxData = 0xFFFFFFFFull - (kHeaderSize - 8);
std::atomic<std::uint64_t> gRiffLimit{kRiffMaxData};
} // namespace

AudioDestFile::~AudioDestFile() {
    std::lock_guard lock(FMutex);
    CloseLocked();
}

HRESULT AudioDestFile::QueryInterface(const GUID& iid, std::shared_ptr<void>& out) {
    if (iid == IID_IAudioFile) {
        out = std::static_pointer_cast<void>(
            std::static_pointer_cast<IAudioFile>(shared_from_this()));
        return S_OK;
    }
    return E_NOINTERFACE;
}

void AudioDestFile::SetRiffLimitForTests(std::uint64_t bytes) {
    gRiffLimit = std::min(bytes, kRiffMaxData);
}

void AudioDestFile::WriteHeaderLocked() {
    if (!FFile || FStreamHeader)
        return;
    const std::uint64_t data = FDataBytes;
    const bool rf64 = data > gRiffLimit;
    const std::uint32_t channels = std::max(FFormat.Channels, 1);
    unsigned char h[kHeaderSize] = {};
    std::memcpy(h, rf64 ? "RF64" : "RIFF", 4);
    Put32(h + 4, rf64 ? 0xFFFFFFFFu : std::uint32_t(kHeaderSize - 8 + data));
    std::memcpy(h + 8, "WAVE", 4);
    // JUNK while the sizes fit, ds64 with the real sizes once they do not.
    std::memcpy(h + 12, rf64 ? "ds64" : "JUNK", 4);
    Put32(h + 16, 28);
    if (rf64) {
        Put64(h + 20, kHeaderSize - 8 + data); // RIFF size
        Put64(h + 28, data);                   // data size
        Put64(h + 36, data / (2 * channels));  // sample frames
        Put32(h + 44, 0);                      // no table
    }
    unsigned char* f = h + 48;
    std::memcpy(f, "fmt ", 4);
    Put32(f + 4, 16);
    Put16(f + 8, 1); // PCM
    Put16(f + 10, std::uint16_t(channels));
    Put32(f + 12, std::uint32_t(FFormat.SampleRate));
    Put32(f + 16, std::uint32_t(FFormat.SampleRate * channels * 2));
    Put16(f + 20, std::uint16_t(channels * 2));
    Put16(f + 22, 16);
    std::memcpy(f + 24, "data", 4);
    Put32(f + 28, rf64 ? 0xFFFFFFFFu : std::uint32_t(data));
    static_assert(48 + 32 == kHeaderSize);
    if (FStream) {
        // A pipe can't be rewound: one header, written when the format is known, says "as
        // long as it goes" as streaming WAV writers do.
        if (!FFormatKnown)
            return;
        Put32(h + 4, 0xFFFFFFFFu);
        Put32(f + 28, 0xFFFFFFFFu);
        if (std::fwrite(h, 1, sizeof h, FFile) != sizeof h)
            FFailed = true;
        FStreamHeader = true;
        return;
    }
    const off_t pos = ::ftello(FFile);
    if (::fseeko(FFile, 0, SEEK_SET) != 0 || std::fwrite(h, 1, sizeof h, FFile) != sizeof h)
        FFailed = true;
    if (pos > kHeaderSize)
        ::fseeko(FFile, pos, SEEK_SET);
    if (std::fflush(FFile) != 0)
        FFailed = true;
    FHeaderWritten = Clock::now();
}

void AudioDestFile::CloseLocked() {
    if (!FFile)
        return;
    WriteHeaderLocked();
    if (std::fclose(FFile) != 0)
        FFailed = true;
    FFile = nullptr;
}

HRESULT AudioDestFile::Set(const std::u16string& fileName, DWORD flags) {
    if (flags != 1 || fileName.empty())
        return E_INVALIDARG;
    std::lock_guard lock(FMutex);
    CloseLocked();
    QByteArray path = KoUtils::EncodeFileName(QString::fromStdU16String(fileName));
    FFile = std::fopen(path.constData(), "wb");
    if (!FFile)
        return AUDERR_CANTOPENFILE;
    std::setvbuf(FFile, FBuffer.data(), _IOFBF, FBuffer.size());
    FStream = std::fseek(FFile, 0, SEEK_CUR) != 0;
    FStreamHeader = FFormatKnown = false;
    FDataBytes = 0;
    FFailed = false;
    WriteHeaderLocked();
    return FFailed ? AUDERR_WRITEFAILED : S_OK;
}

HRESULT AudioDestFile::RealTimeSet(WORD speed) {
    std::lock_guard lock(FMutex);
    FSpeed = speed;
    FPaceStart = Clock::now();
    FPaceBase = FWritten;
    return S_OK;
}

HRESULT AudioDestFile::Flush() {
    std::lock_guard lock(FMutex);
    bool wasOpen = FFile != nullptr;
    CloseLocked();
    return (wasOpen && FFailed) ? AUDERR_WRITEFAILED : S_OK;
}

HRESULT AudioDestFile::StreamStart(const AudioFormat& format) {
    std::lock_guard lock(FMutex);
    FFormat = format;
    FFormatKnown = true;
    FWritten = 0;
    FAborted = false;
    FMarks.clear();
    FStarted = nullptr;
    FPaceStart = Clock::now();
    FPaceBase = 0;
    if (FFile && FDataBytes == 0)
        WriteHeaderLocked(); // the format may differ from the one the header was opened with
    return S_OK;
}

bool AudioDestFile::WaitWhilePaused(std::unique_lock<std::mutex>& lock) {
    if (!FPaused)
        return !FAborted;
    FWake.wait(lock, [this] { return !FPaused || FAborted; });
    // The pace clock does not run while paused.
    FPaceStart = Clock::now();
    FPaceBase = FWritten;
    return !FAborted;
}

HRESULT AudioDestFile::StreamWrite(const std::int16_t* samples, std::size_t count) {
    std::function<void()> started;
    {
        std::unique_lock lock(FMutex);
        if (!WaitWhilePaused(lock))
            return E_ABORT;
        if (!FFile)
            return AUDERR_CANTOPENFILE;
        if (FFailed)
            return AUDERR_WRITEFAILED;
        std::size_t bytes = count * sizeof(std::int16_t);
        if (std::fwrite(samples, 1, bytes, FFile) != bytes) {
            FFailed = true;
            return AUDERR_WRITEFAILED;
        }
        FDataBytes += bytes;
        FWritten += count / std::size_t(FFormat.Channels);
        if (Clock::now() - FHeaderWritten >= HeaderInterval)
            WriteHeaderLocked(); // a killed conversion still plays what it wrote

        started = std::exchange(FStarted, nullptr);
    }
    if (started)
        started();
    FireMarks();
    // Keep the pace: sleep until the audio written so far is due at speed/256 of real time.
    std::unique_lock lock(FMutex);
    while (FSpeed != 0 && !FAborted) {
        double seconds =
            double(FWritten - FPaceBase) * 256.0 / (double(FFormat.SampleRate) * FSpeed);
        auto due = FPaceStart + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(seconds));
        if (Clock::now() >= due)
            break;
        FWake.wait_until(lock, due);
        if (FPaused && !WaitWhilePaused(lock))
            break;
    }
    return FAborted ? E_ABORT : S_OK;
}

void AudioDestFile::FireMarks() {
    for (;;) {
        std::function<void()> reached;
        {
            std::lock_guard lock(FMutex);
            if (FMarks.empty() || FMarks.front().position > FWritten || FAborted)
                return;
            reached = std::move(FMarks.front().reached);
            FMarks.pop_front();
        }
        reached();
    }
}

HRESULT AudioDestFile::StreamMark(QWORD position, std::function<void()> reached) {
    {
        std::lock_guard lock(FMutex);
        if (FAborted)
            return E_ABORT;
        // Marks come in order; one that is out of order is due no later than the one before.
        FMarks.push_back({position, std::move(reached)});
    }
    FireMarks();
    return S_OK;
}

HRESULT AudioDestFile::StreamOnStarted(std::function<void()> started) {
    std::lock_guard lock(FMutex);
    FStarted = std::move(started);
    return S_OK;
}

HRESULT AudioDestFile::StreamEnd(std::function<void(HRESULT)> done) {
    std::function<void()> started;
    HRESULT hr;
    {
        std::lock_guard lock(FMutex);
        if (FAborted)
            return E_ABORT;
        started = std::exchange(FStarted, nullptr);
        for (auto& m : FMarks)
            m.position = 0; // everything has been written
        WriteHeaderLocked();
        hr = FFailed ? AUDERR_WRITEFAILED : S_OK;
    }
    if (started)
        started();
    FireMarks();
    if (done)
        done(hr);
    return S_OK;
}

HRESULT AudioDestFile::Pause() {
    std::lock_guard lock(FMutex);
    FPaused = true;
    return S_OK;
}

HRESULT AudioDestFile::Resume() {
    {
        std::lock_guard lock(FMutex);
        FPaused = false;
    }
    FWake.notify_all();
    return S_OK;
}

HRESULT AudioDestFile::Reset() {
    {
        std::lock_guard lock(FMutex);
        FAborted = true;
        FPaused = false;
        FMarks.clear();
        FStarted = nullptr;
        if (FFile)
            WriteHeaderLocked();
    }
    FWake.notify_all();
    return S_OK;
}

} // namespace engines
