// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioDestDevice.h"

#include "platform/Services.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace engines {

using namespace speech;

namespace {

// How much audio may wait for the listener: StreamWrite blocks beyond it, so a long text
// never sits in memory and a reset has little to throw away.
constexpr double kBacklogSeconds = 1.5;
// The player looks at the sink this often while it plays: word marks are at most this late.
constexpr int kTickMs = 10;
// A sink that plays nothing for this long although it has audio is taken as a lost device.
constexpr qint64 kStallMs = 3000;
// A mark or end callback in flight may delay a reset by no more than this.
constexpr auto kCallbackWait = std::chrono::seconds(2);

// ---------------------------------------------------------------------------------------------
// Device volume

// The gain of a mono output: a balance must not make the voice quieter on the loud side.
double VolumeGain(DWORD volume) {
    DWORD loud = std::max(volume & 0xFFFF, volume >> 16);
    return double(loud) / 65535.0;
}

// ---------------------------------------------------------------------------------------------
// The audio thread: one for the process, ended by ShutdownAudio at the program's end.
//
// Sinks and players are deleted by the thread's keeper and nowhere else. Deleting a sink runs
// the thread's pending events from inside the sink's destructor (the sound library does that),
// so whatever is pending, a player's next step or a player's own deletion among them, may run
// in the middle of it. A sink is therefore never deleted inside a player's step or inside the
// deletion of its player: it is retired to the keeper, which owns it from then on, and the
// keeper deletes what it holds in a call of its own from the thread's loop, where such events
// find nothing half done. Sinks have no parent: a sink's parent also becomes the parent of the
// library's own half of the sink, which would then go twice.

class Keeper : public QObject {
public:
    // Takes `object` (a sink or a player of the audio thread) for deletion, from any thread.
    void Retire(QObject* object) {
        bool schedule;
        {
            std::lock_guard lock(FMutex);
            FRetired.emplace_back(object);
            schedule = !std::exchange(FScheduled, true);
        }
        if (schedule)
            QMetaObject::invokeMethod(this, &Keeper::DeleteRetired, Qt::QueuedConnection);
    }

    // On the audio thread. Returns once nothing retired is left, including what the deletions
    // retired themselves (a player retires its sink).
    void DeleteRetired() {
        for (;;) {
            std::vector<std::unique_ptr<QObject>> batch;
            {
                std::lock_guard lock(FMutex);
                batch.swap(FRetired);
                FScheduled = false;
            }
            if (batch.empty())
                return;
            // A deletion may run another DeleteRetired from within: it takes only what was
            // retired after this batch.
            for (auto& object : batch)
                object.reset();
        }
    }

private:
    std::mutex FMutex;
    std::vector<std::unique_ptr<QObject>> FRetired;
    bool FScheduled = false;
};

std::atomic<QThread*> gAudioThread{nullptr};
// True while the audio thread waits for the sound server's answer (see HasAudioOutput).
std::atomic<bool> gServerHung{false};

Keeper* AudioKeeper() {
    static Keeper* keeper = [] {
        auto* t = new QThread;
        t->setObjectName(QStringLiteral("nurva-audio"));
        auto* k = new Keeper;
        k->moveToThread(t);
        t->start(QThread::TimeCriticalPriority);
        gAudioThread = t;
        return k;
    }();
    return keeper;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// What the engine's thread, the owner's thread and the audio thread share.

struct AudioDestDevice::Shared {
    struct Mark {
        QWORD position;
        std::function<void()> reached;
    };

    std::mutex Mutex;
    std::condition_variable Wake;
    std::atomic<bool> PokePending{false};

    AudioFormat Format;
    std::uint64_t Stream = 0; // bumped by every start and reset: the player follows it
    bool Open = false;        // a stream is started and neither ended nor reset
    bool Ended = false;       // StreamEnd came: nothing more is written
    bool Paused = false;
    bool Aborted = false;
    HRESULT Failure = S_OK;

    std::deque<std::vector<std::int16_t>> Queue; // written, not yet handed to the sink
    std::size_t FrontUsed = 0;                   // samples of Queue.front() already handed
    QWORD Queued = 0;                            // frames in Queue
    QWORD Given = 0;                             // frames handed to the sink, this stream
    QWORD Heard = 0;                             // frames played, this stream

    std::deque<Mark> Marks;
    std::function<void()> Started;
    std::function<void(HRESULT)> Done;

    // A callback runs on the audio thread: a reset from elsewhere waits for it, so that
    // nothing of a reset stream runs once Reset has returned.
    bool InCallback = false;
    std::thread::id PlayerThread;

    QWORD Backlog() const { return Queued + (Given - Heard); }
};

// ---------------------------------------------------------------------------------------------
// The player: owns the sink, on the audio thread.
//
// A sink plays one contiguous run of audio. When the engine falls behind and the sink runs
// dry, the server's clock of that sink no longer matches what was heard, so the next audio
// goes to a fresh sink and the positions go on from what the old one played.

class Player : public QObject {
public:
    explicit Player(std::shared_ptr<AudioDestDevice::Shared> shared)
        : FShared(std::move(shared)), FVolumeSource(platform::Services().Volume) {
        FTick.setInterval(kTickMs);
        FTick.setTimerType(Qt::PreciseTimer);
        connect(&FTick, &QTimer::timeout, this, &Player::Step);
    }
    ~Player() override { CloseSink(); }

    void Step();

private:
    void OpenSink(const AudioFormat& format);
    void CloseSink();
    void OnState(QAudio::State state);
    void Fail(HRESULT hr);
    void Feed();
    qint64 Processed();

    std::shared_ptr<AudioDestDevice::Shared> FShared;
    QTimer FTick{this};
    QAudioSink* FSink = nullptr;
    QIODevice* FIo = nullptr;
    std::uint64_t FStream = 0;
    int FRate = 22050;
    int FFrameBytes = 2;
    QWORD FSegBase = 0;  // frames played by earlier sinks of this stream
    QWORD FSegGiven = 0; // frames handed to the current sink
    bool FSegActive = false;
    bool FSegDry = false; // the current sink ran dry: all it was given has been heard
    bool FSinkPaused = false;
    qint64 FPausedProcessed = 0;
    DWORD FVolume = 0xFFFFFFFFu;
    // Read on every step: held here rather than looked up in the process's services each time.
    std::shared_ptr<platform::IDeviceVolume> FVolumeSource;
    QByteArray FPending; // taken from the queue, not yet accepted by the sink
    qint64 FLastProcessed = -1;
    QElapsedTimer FProgress; // since the sink last played something
};

void Player::OpenSink(const AudioFormat& format) {
    CloseSink();
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        Fail(AUDERR_NODRIVER);
        return;
    }
    QAudioFormat f;
    f.setSampleRate(format.SampleRate);
    f.setChannelCount(format.Channels);
    f.setSampleFormat(QAudioFormat::Int16);
    FRate = format.SampleRate;
    FFrameBytes = 2 * format.Channels;
    FSink = new QAudioSink(device, f); // owned here, then by the keeper
    FVolume = FVolumeSource->Get();
    FSink->setVolume(VolumeGain(FVolume));
    connect(FSink, &QAudioSink::stateChanged, this, &Player::OnState);
    FSegGiven = 0;
    FSegActive = false;
    FSegDry = false;
    FSinkPaused = false;
    FLastProcessed = -1;
    FIo = FSink->start();
    if (!FSink)
        return; // failed inside start()
    if (!FIo || FSink->error() == QAudio::OpenError || FSink->error() == QAudio::FatalError) {
        Fail(AUDERR_NODRIVER);
        return;
    }
    FProgress.start();
    FTick.start();
}

void Player::CloseSink() {
    if (!FSink)
        return;
    QAudioSink* sink = std::exchange(FSink, nullptr);
    FIo = nullptr;
    sink->disconnect(this);
    sink->stop();
    AudioKeeper()->Retire(sink);
    FTick.stop();
}

qint64 Player::Processed() {
    if (!FSink)
        return 0;
    // A suspended sink keeps answering with what it said last; what counts is its value
    // when it was suspended.
    if (FSinkPaused)
        return FPausedProcessed;
    return FSink->processedUSecs();
}

void Player::OnState(QAudio::State state) {
    if (!FSink)
        return;
    QAudio::Error error = FSink->error();
    if (error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError) {
        Fail(FSegActive ? AUDERR_DEVICELOST : AUDERR_NODRIVER);
        return;
    }
    if (state == QAudio::ActiveState) {
        FSegActive = true;
    } else if (state == QAudio::IdleState && FSegActive) {
        FSegDry = true; // played out: every frame it was given has been heard
        FSegActive = false;
    }
    QMetaObject::invokeMethod(this, &Player::Step, Qt::QueuedConnection);
}

void Player::Fail(HRESULT hr) {
    std::function<void(HRESULT)> done;
    {
        std::lock_guard lock(FShared->Mutex);
        if (FShared->Stream != FStream || !FShared->Open)
            hr = S_OK; // the stream this sink played has been reset meanwhile
        else if (FShared->Failure == S_OK)
            FShared->Failure = hr;
        if (hr != S_OK && FShared->Ended) {
            done = std::exchange(FShared->Done, nullptr);
            FShared->Open = false;
            FShared->InCallback = bool(done);
        }
    }
    FShared->Wake.notify_all();
    CloseSink();
    if (done) {
        done(hr);
        std::lock_guard lock(FShared->Mutex);
        FShared->InCallback = false;
    }
    FShared->Wake.notify_all();
}

void Player::Feed() {
    if (!FSink || !FIo || FSinkPaused)
        return;
    qint64 room = FSink->bytesFree() / FFrameBytes * FFrameBytes;
    if (room <= 0)
        return;
    if (FPending.size() < room) {
        std::lock_guard lock(FShared->Mutex);
        auto& q = FShared->Queue;
        qsizetype before = FPending.size();
        while (!q.empty() && FPending.size() < room) {
            const auto& chunk = q.front();
            std::size_t left = chunk.size() - FShared->FrontUsed;
            std::size_t take = std::min<std::size_t>(left, std::size_t(room - FPending.size()) /
                                                               sizeof(std::int16_t));
            if (take == 0)
                break;
            FPending.append(reinterpret_cast<const char*>(chunk.data() + FShared->FrontUsed),
                            qsizetype(take * sizeof(std::int16_t)));
            FShared->FrontUsed += take;
            if (FShared->FrontUsed == chunk.size()) {
                q.pop_front();
                FShared->FrontUsed = 0;
            }
        }
        QWORD frames = QWORD((FPending.size() - before) / FFrameBytes);
        FShared->Queued -= frames;
        FShared->Given += frames;
    }
    if (FPending.isEmpty())
        return;
    qint64 n = FIo->write(FPending.constData(), std::min<qint64>(room, FPending.size()));
    if (n > 0) {
        FPending.remove(0, n);
        FSegGiven += QWORD(n / FFrameBytes);
    }
}

void Player::Step() {
    FShared->PokePending = false;
    AudioDestDevice::Shared& s = *FShared;
    AudioFormat format;
    bool open, paused, failed;
    QWORD queued;
    std::uint64_t stream;
    {
        std::lock_guard lock(s.Mutex);
        if (s.PlayerThread == std::thread::id())
            s.PlayerThread = std::this_thread::get_id();
        format = s.Format;
        open = s.Open;
        paused = s.Paused;
        failed = s.Failure != S_OK;
        queued = s.Queued;
        stream = s.Stream;
    }
    if (stream != FStream) {
        // A new stream, or the old one reset: its sound stops here and now.
        CloseSink();
        FStream = stream;
        FSegBase = 0;
        FSegGiven = 0;
        FSegDry = false;
        FPending.clear();
    }
    if (!open || failed) {
        CloseSink();
        return;
    }
    bool more = queued > 0 || !FPending.isEmpty();
    if (FSink && FSegDry && more) {
        FSegBase += FSegGiven;
        CloseSink();
    }
    if (!FSink && (more || FSegBase == 0)) {
        OpenSink(format); // the first sink opens while the engine makes the first audio
        if (!FSink)
            return;
    }
    if (paused && !FSinkPaused) {
        FPausedProcessed = FSink->processedUSecs();
        FSink->suspend();
        FSinkPaused = true;
    } else if (!paused && FSinkPaused) {
        FSinkPaused = false;
        FSink->resume();
        FProgress.restart();
    }
    DWORD volume = FVolumeSource->Get();
    if (volume != FVolume) {
        FVolume = volume;
        FSink->setVolume(VolumeGain(volume));
    }
    Feed();

    // What has been heard.
    QWORD segHeard = FSegGiven;
    if (!FSegDry) {
        qint64 processed = Processed();
        segHeard = std::min<QWORD>(FSegGiven,
                                   QWORD(std::max<qint64>(processed, 0)) * QWORD(FRate) / 1000000u);
        if (processed != FLastProcessed || FSinkPaused || segHeard >= FSegGiven) {
            FLastProcessed = processed;
            FProgress.restart();
        } else if (FProgress.elapsed() > kStallMs) {
            Fail(AUDERR_DEVICELOST);
            return;
        }
    }

    std::function<void()> started;
    std::vector<std::function<void()>> reached;
    std::function<void(HRESULT)> done;
    bool callbacks;
    {
        std::lock_guard lock(s.Mutex);
        if (s.Stream != FStream || !s.Open)
            return;
        s.Heard = std::max(s.Heard, FSegBase + segHeard);
        bool finished = s.Ended && s.Queued == 0 && FPending.isEmpty() && s.Heard >= s.Given;
        if (s.Heard > 0 || finished)
            started = std::exchange(s.Started, nullptr);
        while (!s.Marks.empty() && (s.Marks.front().position <= s.Heard || finished)) {
            reached.push_back(std::move(s.Marks.front().reached));
            s.Marks.pop_front();
        }
        if (finished) {
            done = std::exchange(s.Done, nullptr);
            s.Open = false;
        }
        callbacks = started || !reached.empty() || done;
        s.InCallback = callbacks;
    }
    s.Wake.notify_all();
    if (!callbacks)
        return;
    auto current = [&] {
        std::lock_guard lock(s.Mutex);
        return s.Stream == FStream; // a callback may have reset the stream
    };
    if (started)
        started();
    for (auto& r : reached)
        if (current())
            r();
    if (done) {
        CloseSink();
        if (current())
            done(S_OK);
    }
    {
        std::lock_guard lock(s.Mutex);
        s.InCallback = false;
    }
    s.Wake.notify_all();
}

// ---------------------------------------------------------------------------------------------

void ShutdownAudio() {
    QThread* t = gAudioThread.exchange(nullptr);
    if (!t)
        return;
    // A thread stuck in a hung sound server is left behind: the process ends all the same.
    if (gServerHung)
        return;
    // What released destinations left behind goes now, on its own thread, with the sound
    // server's connection still whole; then the thread ends. Sinks of destinations still held
    // go with the process.
    Keeper* keeper = AudioKeeper();
    QMetaObject::invokeMethod(keeper, &Keeper::DeleteRetired, Qt::BlockingQueuedConnection);
    t->quit();
    t->wait(3000);
}

DWORD DeviceVolumeGet() {
    return platform::Services().Volume->Get();
}

void DeviceVolumeSet(DWORD volume) {
    platform::Services().Volume->Set(volume);
}

AudioDestDevice::AudioDestDevice() : FShared(std::make_shared<Shared>()) {
    FPlayer = new Player(FShared);
    FPlayer->moveToThread(AudioKeeper()->thread());
}

AudioDestDevice::~AudioDestDevice() {
    Reset();
    // The player may be in the middle of a step (this destructor may even run inside one of
    // its callbacks): the keeper deletes it when its thread next comes round.
    AudioKeeper()->Retire(FPlayer);
}

HRESULT AudioDestDevice::QueryInterface(const GUID& iid, std::shared_ptr<void>& out) {
    return QueryInterfaceOf<AudioDestDevice, IAudioMultiMediaDevice>(shared_from_this(), iid, out);
}

HRESULT AudioDestDevice::VolumeGet(DWORD& volume) {
    volume = DeviceVolumeGet();
    return S_OK;
}

HRESULT AudioDestDevice::VolumeSet(DWORD volume) {
    DeviceVolumeSet(volume);
    Poke();
    return S_OK;
}

namespace {
// A sound server that accepts the connection and then never answers (a stopped process) would
// hold the first question for half a minute: it is asked on the audio thread, and given up
// after this long. While a question is unanswered no other is asked; once the server answers
// it, the next speech asks again.
constexpr auto kProbeWait = std::chrono::seconds(4);
std::mutex gProbeMutex;
std::shared_future<bool> gProbe;

bool HasAudioOutput() {
    std::shared_future<bool> probe;
    {
        std::lock_guard lock(gProbeMutex);
        if (gProbe.valid() && gProbe.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return false; // still waiting for the server
        auto answer = std::make_shared<std::promise<bool>>();
        gProbe = answer->get_future().share();
        probe = gProbe;
        gServerHung = true; // until the answer comes
        QMetaObject::invokeMethod(
            AudioKeeper(),
            [answer] {
                bool any = !QMediaDevices::audioOutputs().isEmpty();
                gServerHung = false;
                answer->set_value(any);
            },
            Qt::QueuedConnection);
    }
    return probe.wait_for(kProbeWait) == std::future_status::ready && probe.get();
}
} // namespace

HRESULT AudioDestDevice::Open() {
    return HasAudioOutput() ? S_OK : AUDERR_NODRIVER;
}

void AudioDestDevice::Poke() {
    if (!FShared->PokePending.exchange(true))
        QMetaObject::invokeMethod(FPlayer, &Player::Step, Qt::QueuedConnection);
}

HRESULT AudioDestDevice::StreamStart(const AudioFormat& format) {
    if (format.SampleRate <= 0 || format.Channels <= 0)
        return E_INVALIDARG;
    std::deque<Shared::Mark> marks;
    std::function<void()> started;
    std::function<void(HRESULT)> done;
    {
        std::lock_guard lock(FShared->Mutex);
        Shared& s = *FShared;
        ++s.Stream;
        s.Format = format;
        s.Open = true;
        s.Ended = false;
        s.Aborted = false;
        s.Failure = S_OK;
        s.Queue.clear();
        s.FrontUsed = 0;
        s.Queued = s.Given = s.Heard = 0;
        marks = std::move(s.Marks);
        s.Marks.clear();
        started = std::exchange(s.Started, nullptr);
        done = std::exchange(s.Done, nullptr);
    }
    Poke(); // the sink opens while the engine makes the first audio
    return S_OK;
}

HRESULT AudioDestDevice::StreamWrite(const std::int16_t* samples, std::size_t count) {
    if (!samples && count > 0)
        return E_POINTER;
    std::unique_lock lock(FShared->Mutex);
    AudioDestDevice::Shared& s = *FShared;
    if (s.Aborted || !s.Open)
        return E_ABORT;
    if (s.Failure != S_OK)
        return s.Failure;
    std::size_t channels = std::size_t(s.Format.Channels);
    count -= count % channels;
    if (count > 0) {
        s.Queue.emplace_back(samples, samples + count);
        s.Queued += count / channels;
    }
    lock.unlock();
    Poke();
    lock.lock();
    const QWORD limit = QWORD(kBacklogSeconds * s.Format.SampleRate);
    // Back-pressure: wait for the listener. A pause holds the writer here as long as it lasts;
    // a reset or a failed output lets it go at once.
    while (!s.Aborted && s.Failure == S_OK && s.Backlog() > limit)
        s.Wake.wait_for(lock, std::chrono::milliseconds(100));
    if (s.Aborted)
        return E_ABORT;
    return s.Failure;
}

HRESULT AudioDestDevice::StreamMark(QWORD position, std::function<void()> reached) {
    {
        std::lock_guard lock(FShared->Mutex);
        if (FShared->Aborted || !FShared->Open)
            return E_ABORT;
        FShared->Marks.push_back({position, std::move(reached)});
    }
    Poke();
    return S_OK;
}

HRESULT AudioDestDevice::StreamOnStarted(std::function<void()> started) {
    {
        std::lock_guard lock(FShared->Mutex);
        FShared->Started = std::move(started);
    }
    Poke();
    return S_OK;
}

HRESULT AudioDestDevice::StreamEnd(std::function<void(HRESULT)> done) {
    HRESULT failure;
    {
        std::lock_guard lock(FShared->Mutex);
        Shared& s = *FShared;
        if (s.Aborted || !s.Open)
            return E_ABORT;
        failure = s.Failure;
        if (failure == S_OK) {
            s.Ended = true;
            s.Done = std::move(done);
            // Marks beyond the last frame are due when the last frame is heard.
            QWORD total = s.Given + s.Queued;
            for (auto& m : s.Marks)
                m.position = std::min(m.position, total);
        } else {
            s.Open = false;
        }
    }
    if (failure != S_OK) {
        // The output already failed: the end is due now, with that failure.
        if (done)
            done(failure);
        return S_OK;
    }
    Poke();
    return S_OK;
}

HRESULT AudioDestDevice::Pause() {
    {
        std::lock_guard lock(FShared->Mutex);
        FShared->Paused = true;
    }
    Poke();
    return S_OK;
}

HRESULT AudioDestDevice::Resume() {
    {
        std::lock_guard lock(FShared->Mutex);
        FShared->Paused = false;
    }
    FShared->Wake.notify_all();
    Poke();
    return S_OK;
}

HRESULT AudioDestDevice::Reset() {
    // Dropped callbacks may hold the last reference to their owner, and through it to this
    // object: they go after the lock, and nothing here is touched after them.
    std::deque<Shared::Mark> marks;
    std::function<void()> started;
    std::function<void(HRESULT)> done;
    {
        std::unique_lock lock(FShared->Mutex);
        Shared& s = *FShared;
        ++s.Stream;
        s.Aborted = true;
        s.Open = false;
        s.Ended = false;
        s.Paused = false;
        s.Queue.clear();
        s.FrontUsed = 0;
        s.Queued = 0;
        marks = std::move(s.Marks);
        s.Marks.clear();
        started = std::exchange(s.Started, nullptr);
        done = std::exchange(s.Done, nullptr);
        s.Wake.notify_all();
        if (s.PlayerThread != std::this_thread::get_id())
            s.Wake.wait_for(lock, kCallbackWait, [&s] { return !s.InCallback; });
    }
    Poke();
    return S_OK;
}

} // namespace engines
