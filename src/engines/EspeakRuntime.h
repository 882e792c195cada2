// SPDX-License-Identifier: GPL-3.0-or-later
// Inside the espeak-ng engine: what its units share. The runtime is the one worker thread that
// owns espeak-ng for the whole process and runs its jobs one at a time; a bound mode's state is
// reached by its central object, the worker and the destination's threads. EspeakEngine.cpp
// speaks the text jobs on the worker, EspeakVoices.cpp finds the voices and makes the modes of
// them, EspeakCentral.cpp is the central object and the enumerator that clients hold.
#pragma once

#include "ControlTags.h"
#include "EspeakEngine.h"
#include "NotifySinks.h"

#include <espeak-ng/speak_lib.h>

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace engines {

class Lexicon;

namespace espeak {

using namespace speech;

// ---------------------------------------------------------------------------------------------
// Prosody: what the tags and attributes set, in the contract's units.

constexpr DWORD kMinSpeed = espeakRATE_MINIMUM;
constexpr DWORD kMaxSpeed = espeakRATE_MAXIMUM;
constexpr DWORD kDefaultSpeed = espeakRATE_NORMAL;
constexpr int kPitchSteps = 100; // espeak-ng's pitch scale is 0..100
constexpr DWORD kMaxRealTime = 100;
constexpr std::uint32_t kFullVolume = 65535;

struct Prosody {
    DWORD Speed = kDefaultSpeed;
    int Pitch = 50;                     // espeak-ng scale
    std::uint32_t Volume = kFullVolume; // 0..65535, 65535 = the mode's full volume
    VoiceCharacter Character = VoiceCharacter::Normal;
};

// An installed voice, as espeak-ng lists it.
struct VoiceEntry {
    std::string Identifier; // the name espeak-ng knows it by, e.g. "gmw/en-US"
    std::string Name;       // e.g. "English (America)"
    std::string Language;   // its own language, lower case, e.g. "en-us"
};

// ---------------------------------------------------------------------------------------------
// The worker: owns espeak-ng.

struct CentralState;

struct Job {
    enum class Kind { Call, Text, Inject } kind = Kind::Call;
    std::function<void()> call;
    std::shared_ptr<CentralState> central;
    std::uint64_t epoch = 0;
    std::string text;
    bool tagged = false;
    std::shared_ptr<ITTSBufNotifySink> bufSink;
    std::shared_ptr<const Lexicon> lexicon; // as it was when the text came
};

class Runtime {
public:
    // Never destroyed: the worker may still be inside espeak-ng when the process exits.
    static Runtime& Instance() {
        static Runtime* r = new Runtime;
        return *r;
    }

    // Runs fn on the worker and waits for it.
    template <class F> auto Call(F fn) -> decltype(fn()) {
        using R = decltype(fn());
        auto task = std::make_shared<std::packaged_task<R()>>(std::move(fn));
        auto result = task->get_future();
        Job job;
        job.kind = Job::Kind::Call;
        job.call = [task] { (*task)(); };
        Post(std::move(job));
        return result.get();
    }

    void Post(Job job) {
        {
            std::lock_guard lock(FMutex);
            FJobs.push_back(std::move(job));
        }
        FWake.notify_one();
    }

    // Removes the queued text jobs of one central (after a reset).
    void DropTextJobs(const CentralState* central) {
        std::lock_guard lock(FMutex);
        std::erase_if(FJobs, [central](const Job& j) {
            return j.kind == Job::Kind::Text && j.central.get() == central;
        });
    }

    // Set once by the constructor, before any speech: reading them never waits on the worker.
    bool Ready() const { return FRate > 0; }
    int SampleRate() const { return FRate; }
    const std::string& Version() const { return FVersion; }

    // Every installed voice. Listing them reads every voice file, so it happens only when
    // something asks, once; never from the worker itself.
    const std::vector<VoiceEntry>& Voices() {
        std::call_once(FListed, [this] {
            Call([this] { ListVoices(); });
            FHaveList = true;
        });
        return FVoices;
    }
    // The voices whose language is `lang` or one of its regions ("en": "en", "en-us", ...),
    // reading only the files named for that language when the voices are not listed yet.
    std::vector<VoiceEntry> VoicesOf(const std::string& lang);

    // On the worker only.
    void UseVoice(const std::string& voice);
    bool LoadVoiceFile(const std::string& voice);

private:
    Runtime() {
        FThread = std::thread([this] { Loop(); });
        Call([this] { Initialize(); });
    }

    void Initialize();
    void ListVoices();
    void Loop();

    std::thread FThread;
    std::mutex FMutex;
    std::condition_variable FWake;
    std::deque<Job> FJobs;
    int FRate = 0;
    std::string FVersion;
    std::string FDataFolder;
    std::once_flag FListed;
    std::atomic<bool> FHaveList{false};
    std::vector<VoiceEntry> FVoices;
    // The voice files, by path and identifier, found on the first VoicesOf.
    std::mutex FFilesMutex;
    bool FFilesFound = false;
    std::vector<std::pair<QString, std::string>> FFiles;
    std::string FVoice;
};

// ---------------------------------------------------------------------------------------------
// A bound mode's shared state: the central object, the worker and the destination's threads
// all reach it.

struct CentralState {
    EspeakMode Mode;
    std::shared_ptr<IAudioDest> Dest;

    std::mutex Mutex;
    Prosody Current; // settings of the text stream, changed by tags and attributes
    DWORD RealTime = kMaxRealTime;
    TNotifySinks Sinks;
    std::uint64_t Epoch = 0; // bumped by every reset: older work is abandoned
    bool Active = false;     // from the first queued text until the stop is notified
    bool StartNotified = false;
    bool StreamOpen = false; // the destination has a stream started
    int PendingJobs = 0;     // text jobs queued or being spoken
    QWORD StreamPos = 0;     // samples handed to the destination in this stream
    QWORD StreamBase = 0;    // samples of the streams before it, since the binding

    std::vector<Sink> SinksCopy() {
        std::lock_guard lock(Mutex);
        return Sinks.Copy();
    }
    void NotifyStart() { engines::NotifyStart(SinksCopy()); }
    void NotifyStop() { engines::NotifyStop(SinksCopy()); }
    void NotifyError(HRESULT hr) { engines::NotifyError(SinksCopy(), hr); }

    // Ends the session at once: queued text is dropped, the destination discards what it
    // holds, and one stop is notified if anything was going on.
    void Abort(HRESULT reason) {
        bool wasActive;
        {
            std::lock_guard lock(Mutex);
            ++Epoch;
            wasActive = Active;
            Active = false;
            StartNotified = false;
            StreamOpen = false;
            PendingJobs = 0;
        }
        Runtime::Instance().DropTextJobs(this);
        if (Dest)
            Dest->Reset();
        if (reason != S_OK)
            NotifyError(reason);
        if (wasActive)
            NotifyStop();
    }
};

} // namespace espeak
} // namespace engines
