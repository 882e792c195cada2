// SPDX-License-Identifier: GPL-3.0-or-later
// What every engine that makes its samples in this process shares behind the speech contract.
//
// A text job is read for control tags, the lexicon's words are replaced, and the text is cut
// into pieces that the engine's voice speaks one at a time on the engine's worker thread.
// Samples go to the destination, a word mark to where each word is heard, a pause as silence;
// a reset abandons everything at once and ends with one stop. The voice only turns a piece of
// text into samples and word events.
#pragma once

#include "ControlTags.h"
#include "SpeechApi.h"
#include "WordPositions.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace engines {

class Lexicon;

struct TSynthProsody {
    speech::DWORD Speed = 0; // words per minute
    speech::WORD Pitch = 0;  // hertz
    VoiceCharacter Character = VoiceCharacter::Normal;
    bool Emphasis = false; // the piece is one word said with emphasis
};

// The ranges of a voice's prosody, in the contract's units.
struct TSynthRanges {
    speech::DWORD MinSpeed = 80, MaxSpeed = 450, DefaultSpeed = 175;
    speech::WORD MinPitch = 50, MaxPitch = 400, DefaultPitch = 100;
};

// One voice of an engine. Speak runs on the engine's worker thread.
class TSynthVoice {
public:
    using Write = std::function<bool(const std::int16_t* samples, std::size_t count)>;
    virtual ~TSynthVoice() = default;
    virtual int SampleRate() const = 0;
    // Speaks `piece`, handing its samples to `write` in order and its words to `tracker`
    // (sample positions count from the piece's start); stops early once `write` returns false.
    // `first`: the piece begins a stream, so a voice that needs long before its first sample
    // may start with a short stretch. Returns how many samples it wrote.
    virtual std::uint64_t Speak(const TextPiece& piece, const TSynthProsody& prosody, bool first,
                                WordTracker& tracker, const Write& write) = 0;
};

// The thread that owns an engine's library: every call into the library runs there, one at a
// time. Never destroyed: it may still be inside the library when the process ends.
class TSynthWorker {
public:
    TSynthWorker();
    TSynthWorker(const TSynthWorker&) = delete;
    TSynthWorker& operator=(const TSynthWorker&) = delete;

    // Queues `job`; jobs of `owner` that are still queued can be dropped.
    void Post(std::function<void()> job, const void* owner = nullptr);
    void Drop(const void* owner);
    // Runs `fn` on the worker and waits for it (never from the worker itself).
    template <class F> auto Call(F fn) -> decltype(fn()) {
        using R = decltype(fn());
        auto task = std::make_shared<std::packaged_task<R()>>(std::move(fn));
        auto result = task->get_future();
        Post([task] { (*task)(); });
        return result.get();
    }

private:
    struct Job {
        std::function<void()> run;
        const void* owner;
    };
    void Loop();

    std::mutex FMutex;
    std::condition_variable FWake;
    std::deque<Job> FJobs;
    std::thread FThread;
};

// The lexicon without its phoneme entries, for a voice that cannot read espeak-ng's phonemes
// (made once for each lexicon).
std::shared_ptr<const Lexicon>
LexiconWithoutPhonemes(const std::shared_ptr<const Lexicon>& lexicon);

// A central over `voice` speaking into `dest` (an IAudioDest) on `worker`. `phonemes`: the
// voice reads the lexicon's phoneme entries ([[...]]); otherwise those entries are not used.
std::shared_ptr<speech::ITTSCentralA> CreateSynthCentral(TSynthWorker& worker,
                                                         std::shared_ptr<TSynthVoice> voice,
                                                         const TSynthRanges& ranges,
                                                         std::shared_ptr<speech::IAudioDest> dest,
                                                         bool phonemes = false);

} // namespace engines
