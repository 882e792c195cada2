// SPDX-License-Identifier: GPL-3.0-or-later
#include "SynthEngine.h"

#include "Lexicon.h"
#include "NotifySinks.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <map>

namespace engines {

using namespace speech;

TSynthWorker::TSynthWorker() : FThread([this] { Loop(); }) {
    FThread.detach();
}

void TSynthWorker::Post(std::function<void()> job, const void* owner) {
    {
        std::lock_guard lock(FMutex);
        FJobs.push_back({std::move(job), owner});
    }
    FWake.notify_one();
}

void TSynthWorker::Drop(const void* owner) {
    std::lock_guard lock(FMutex);
    std::erase_if(FJobs, [owner](const Job& j) { return owner && j.owner == owner; });
}

void TSynthWorker::Loop() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(FMutex);
            FWake.wait(lock, [this] { return !FJobs.empty(); });
            job = std::move(FJobs.front());
            FJobs.pop_front();
        }
        job.run();
    }
}

namespace {

constexpr std::uint32_t kFullVolume = 65535;
constexpr DWORD kMaxRealTime = 100;
// Pieces are cut at a blank line or, in a long run, at a blank: the voice finds its sentences.
constexpr std::size_t kMaxPiece = 4000;

struct Prosody {
    DWORD Speed = 0;
    WORD Pitch = 0;
    std::uint32_t Volume = kFullVolume;
    VoiceCharacter Character = VoiceCharacter::Normal;
};

struct TextJob {
    std::uint64_t epoch = 0;
    std::string text;
    bool tagged = false;
    std::shared_ptr<ITTSBufNotifySink> bufSink;
    std::shared_ptr<const Lexicon> lexicon;
};

// A bound voice's state: the central, the worker and the destination's threads all reach it.
struct State : std::enable_shared_from_this<State> {
    TSynthWorker* Worker = nullptr;
    std::shared_ptr<TSynthVoice> Voice;
    TSynthRanges Ranges;
    std::shared_ptr<IAudioDest> Dest;
    bool Phonemes = false;

    std::mutex Mutex;
    Prosody Current;
    DWORD RealTime = kMaxRealTime;
    TNotifySinks Sinks;
    std::uint64_t Epoch = 0; // bumped by every reset: older work is abandoned
    bool Active = false;     // from the first queued text until the stop is notified
    bool StartNotified = false;
    bool StreamOpen = false;
    int PendingJobs = 0;
    QWORD StreamPos = 0; // samples handed to the destination in this stream

    Prosody Defaults() const {
        Prosody p;
        p.Speed = Ranges.DefaultSpeed;
        p.Pitch = Ranges.DefaultPitch;
        return p;
    }

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
        Worker->Drop(this);
        if (Dest)
            Dest->Reset();
        if (reason != S_OK)
            NotifyError(reason);
        if (wasActive)
            NotifyStop();
    }

    void ApplyTag(const ControlTag& tag) {
        std::lock_guard lock(Mutex);
        Prosody& p = Current;
        switch (tag.kind) {
        case TagKind::Speed:
            p.Speed = std::clamp<DWORD>(tag.number, Ranges.MinSpeed, Ranges.MaxSpeed);
            break;
        case TagKind::Pitch:
            p.Pitch = WORD(std::clamp<std::uint32_t>(tag.number, Ranges.MinPitch, Ranges.MaxPitch));
            break;
        case TagKind::Volume:
            p.Volume = std::min<std::uint32_t>(tag.number, kFullVolume);
            break;
        case TagKind::Character:
            p.Character = tag.character;
            break;
        case TagKind::Reset:
            p = Defaults();
            break;
        default:
            break;
        }
    }

    void RunText(const TextJob& job);
};

// Speaking one text job on the worker.
class Speaker {
public:
    Speaker(State& state, const TextJob& job, bool first)
        : FState(state), FJob(job), FEpoch(job.epoch), FFirst(first),
          FLexicon(state.Phonemes ? job.lexicon : LexiconWithoutPhonemes(job.lexicon)) {}

    void Run();
    HRESULT Failure() const { return FFailure; }

private:
    bool Alive() {
        std::lock_guard lock(FState.Mutex);
        return !FFailed && FState.Epoch == FEpoch;
    }
    bool Write(const std::int16_t* samples, std::size_t count);
    void SpeakPiece();
    void WriteSilence(std::uint32_t ms);
    void Mark(QWORD position, std::uint32_t sourceOffset);

    State& FState;
    const TextJob& FJob;
    std::uint64_t FEpoch;
    bool FFirst;
    std::shared_ptr<const Lexicon> FLexicon;
    bool FFailed = false;
    HRESULT FFailure = S_OK;
    TextPiece FPiece;
    bool FEmphasis = false; // the piece is one emphasised word
    bool FEmphasisNext = false;
};

bool Speaker::Write(const std::int16_t* samples, std::size_t count) {
    if (!Alive())
        return false;
    HRESULT hr = FState.Dest->StreamWrite(samples, count);
    if (hr == S_OK) {
        std::lock_guard lock(FState.Mutex);
        FState.StreamPos += count;
        return true;
    }
    if (hr != E_ABORT) {
        FFailed = true;
        FFailure = hr;
    }
    return false;
}

void Speaker::Mark(QWORD position, std::uint32_t sourceOffset) {
    // The destination may run the mark after the central is gone: it holds nothing of it.
    std::weak_ptr<ITTSBufNotifySink> sink = FJob.bufSink;
    std::weak_ptr<State> weak = FState.weak_from_this();
    const std::uint64_t epoch = FEpoch;
    FState.Dest->StreamMark(position, [sink, weak, epoch, sourceOffset] {
        auto s = sink.lock();
        auto state = weak.lock();
        if (!s || !state)
            return;
        {
            std::lock_guard lock(state->Mutex);
            if (state->Epoch != epoch)
                return;
        }
        s->WordPosition(0, sourceOffset);
    });
}

void Speaker::SpeakPiece() {
    const bool emphasis = std::exchange(FEmphasis, false);
    if (FPiece.Empty())
        return;
    if (!Alive()) {
        FPiece.Clear();
        return;
    }
    Prosody p;
    QWORD base;
    {
        std::lock_guard lock(FState.Mutex);
        p = FState.Current;
        base = FState.StreamPos;
    }
    TSynthProsody prosody{p.Speed, p.Pitch, p.Character, emphasis};
    // Volume: the tag's share of full, a little louder for emphasis.
    const std::uint64_t gain = std::uint64_t(p.Volume) * (emphasis ? 13 : 10) / 10;
    std::vector<std::int16_t> scaled;
    auto write = [&](const std::int16_t* samples, std::size_t count) {
        if (gain == kFullVolume)
            return Write(samples, count);
        scaled.resize(count);
        for (std::size_t i = 0; i < count; ++i)
            scaled[i] = std::int16_t(std::clamp<std::int64_t>(
                std::int64_t(samples[i]) * std::int64_t(gain) / kFullVolume, -32768, 32767));
        return Write(scaled.data(), count);
    };
    WordTracker tracker(
        FPiece, base, [this](std::uint64_t sample, std::uint32_t source) { Mark(sample, source); });
    const std::uint64_t samples =
        FState.Voice->Speak(FPiece, prosody, std::exchange(FFirst, false), tracker, write);
    if (Alive())
        tracker.Finish(samples);
    FPiece.Clear();
}

void Speaker::WriteSilence(std::uint32_t ms) {
    std::uint64_t total = std::uint64_t(ms) * std::uint64_t(FState.Voice->SampleRate()) / 1000;
    static const std::int16_t zeros[1024] = {};
    while (total > 0 && Alive()) {
        std::size_t n = std::size_t(std::min<std::uint64_t>(total, std::size(zeros)));
        if (!Write(zeros, n))
            return;
        total -= n;
    }
}

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Where to end a piece that may hold `room` more bytes of `run`: after its last blank line,
// else after its last blank; 0 when there is none.
std::size_t CutBefore(std::string_view run, std::size_t room) {
    std::string_view window = run.substr(0, room);
    if (std::size_t para = window.rfind("\n\n"); para != std::string_view::npos && para > 0)
        return para + 2;
    for (std::size_t i = window.size(); i > 1; --i)
        if (IsBlank(window[i - 1]))
            return i;
    return 0;
}

std::size_t FirstWordEnd(std::string_view run) {
    std::size_t start = run.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return std::string_view::npos;
    std::size_t end = run.find_first_of(" \t\r\n", start);
    return end == std::string_view::npos ? run.size() : end;
}
} // namespace

void Speaker::Run() {
    ControlTagReader reader(std::string_view(FJob.text), FJob.tagged);
    TagItem item;
    while (Alive() && reader.Next(item)) {
        if (item.type == TagItem::Type::Tag) {
            auto tag = InterpretTag(item);
            if (!tag || tag->kind == TagKind::Unknown)
                continue; // skipped, never spoken, and the text around it flows on
            SpeakPiece();
            if (tag->kind == TagKind::Pause)
                WriteSilence(tag->number);
            else if (tag->kind == TagKind::Emphasis)
                FEmphasisNext = true;
            else
                FState.ApplyTag(*tag);
            continue;
        }
        const auto offset = std::uint32_t(item.offset);
        if (item.text.size() == 1 && item.text[0] == '\\' && FJob.tagged &&
            FJob.text.compare(item.offset, 2, "\\\\") == 0) {
            FPiece.AppendAt(item.text, offset); // an escaped backslash
            continue;
        }
        TextPiece said;
        if (FLexicon)
            FLexicon->Apply(item.text, offset, said);
        else
            said.Append(item.text, offset);
        const std::string_view run = said.Text();
        std::size_t pos = 0;
        if (FEmphasisNext) {
            const std::size_t end = FirstWordEnd(run);
            if (end == std::string_view::npos) {
                FPiece.Append(said, 0, run.size());
                continue;
            }
            SpeakPiece();
            FPiece.Append(said, 0, end);
            FEmphasis = true;
            SpeakPiece();
            FEmphasisNext = false;
            pos = end;
        }
        while (pos < run.size() && Alive()) {
            const std::string_view rest = run.substr(pos);
            const std::size_t room = kMaxPiece - std::min(kMaxPiece, FPiece.Size());
            if (rest.size() <= room) {
                FPiece.Append(said, pos, rest.size());
                break;
            }
            std::size_t cut = CutBefore(rest, room);
            if (cut == 0 && !FPiece.Empty()) {
                SpeakPiece();
                continue;
            }
            if (cut == 0) { // no blank at all: cut before a character, never inside one
                cut = room;
                while (cut > 1 && (static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80)
                    --cut;
            }
            FPiece.Append(said, pos, cut);
            SpeakPiece();
            pos += cut;
        }
    }
    SpeakPiece();
}

void State::RunText(const TextJob& job) {
    bool open;
    {
        std::lock_guard lock(Mutex);
        if (Epoch != job.epoch)
            return;
        open = StreamOpen;
        StreamOpen = true;
        if (!open)
            StreamPos = 0;
    }
    if (!open) {
        Dest->StreamStart(AudioFormat{Voice->SampleRate(), 1});
        const std::uint64_t epoch = job.epoch;
        std::weak_ptr<State> weak = weak_from_this();
        Dest->StreamOnStarted([weak, epoch] {
            auto sp = weak.lock();
            if (!sp)
                return;
            {
                std::lock_guard lock(sp->Mutex);
                if (sp->Epoch != epoch || !sp->Active || sp->StartNotified)
                    return;
                sp->StartNotified = true;
            }
            sp->NotifyStart();
        });
    }
    if (job.bufSink)
        job.bufSink->TextDataStarted(0);
    Speaker speaker(*this, job, !open);
    speaker.Run();
    if (speaker.Failure() != S_OK) {
        Abort(speaker.Failure()); // a full disk, a lost device: error, then stop
        return;
    }
    bool end = false;
    {
        std::lock_guard lock(Mutex);
        if (Epoch == job.epoch && --PendingJobs <= 0) {
            PendingJobs = 0;
            StreamOpen = false;
            end = true;
        }
    }
    if (job.bufSink)
        job.bufSink->TextDataDone(0, 0);
    if (!end)
        return;
    const std::uint64_t epoch = job.epoch;
    auto keep = shared_from_this();
    Dest->StreamEnd([keep, epoch](HRESULT hr) {
        {
            std::lock_guard lock(keep->Mutex);
            if (keep->Epoch != epoch || !keep->Active || keep->PendingJobs > 0)
                return;
            if (hr == S_OK) {
                keep->Active = false;
                keep->StartNotified = false;
            }
        }
        if (hr != S_OK)
            keep->Abort(hr);
        else
            keep->NotifyStop();
    });
}

class SynthCentral : public ITTSCentralA,
                     public ITTSAttributesA,
                     public ITTSDialogsA,
                     public std::enable_shared_from_this<SynthCentral> {
public:
    SynthCentral(TSynthWorker& worker, std::shared_ptr<TSynthVoice> voice,
                 const TSynthRanges& ranges, std::shared_ptr<IAudioDest> dest, bool phonemes)
        : FState(std::make_shared<State>()) {
        FState->Worker = &worker;
        FState->Voice = std::move(voice);
        FState->Ranges = ranges;
        FState->Dest = std::move(dest);
        FState->Phonemes = phonemes;
        FState->Current = FState->Defaults();
    }
    ~SynthCentral() override {
        // Releasing a central ends its speech at once; nothing more is notified.
        {
            std::lock_guard lock(FState->Mutex);
            FState->Sinks.Clear();
        }
        FState->Abort(S_OK);
    }

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<SynthCentral, ITTSCentralA, ITTSAttributesA, ITTSDialogsA>(
            shared_from_this(), iid, out);
    }

    // ITTSCentralA
    HRESULT Register(const std::shared_ptr<IUnknown>& sink, const GUID& iid, DWORD& key) override {
        Sink s;
        if (HRESULT hr = TNotifySinks::Of(sink, iid, s); Failed(hr))
            return hr;
        std::lock_guard lock(FState->Mutex);
        key = FState->Sinks.Add(std::move(s));
        return S_OK;
    }
    HRESULT UnRegister(DWORD key) override {
        std::lock_guard lock(FState->Mutex);
        return FState->Sinks.Remove(key) ? S_OK : E_INVALIDARG;
    }
    HRESULT TextData(DWORD charSet, DWORD flags, const char* text, DWORD length,
                     const std::shared_ptr<IUnknown>& bufSink, const GUID&) override {
        if (charSet != CHARSET_TEXT || (!text && length > 0))
            return E_INVALIDARG;
        TextJob job;
        job.tagged = (flags & TTSDATAFLAG_TAGGED) != 0;
        job.text.assign(text ? text : "", text ? strnlen(text, length) : 0);
        if (bufSink && Failed(speech::QueryInterface(bufSink, job.bufSink)))
            return E_NOINTERFACE;
        job.lexicon = CurrentLexicon();
        return Queue(std::move(job));
    }
    HRESULT Queue(TextJob job) {
        if (!FState->Dest)
            return AUDERR_NODRIVER;
        if (HRESULT hr = FState->Dest->Open(); Failed(hr))
            return hr;
        {
            std::lock_guard lock(FState->Mutex);
            job.epoch = FState->Epoch;
            FState->Active = true;
            ++FState->PendingJobs;
        }
        FState->Worker->Post([state = FState, job = std::move(job)] { state->RunText(job); },
                             FState.get());
        return S_OK;
    }
    HRESULT Inject(const char* tag) override {
        if (!tag)
            return E_INVALIDARG;
        // Prosody changes apply from this point of the stream on; a reset does not drop them.
        FState->Worker->Post([state = FState, text = std::string(tag)] {
            ControlTagReader reader(text);
            TagItem item;
            while (reader.Next(item))
                if (item.type == TagItem::Type::Tag)
                    if (auto t = InterpretTag(item))
                        state->ApplyTag(*t);
        });
        return S_OK;
    }
    HRESULT AudioPause() override { return FState->Dest ? FState->Dest->Pause() : E_FAIL; }
    HRESULT AudioResume() override { return FState->Dest ? FState->Dest->Resume() : E_FAIL; }
    HRESULT AudioReset() override {
        FState->Abort(S_OK);
        return S_OK;
    }

    // ITTSAttributesA: pitch in hertz, speed in words per minute.
    HRESULT PitchGet(WORD& pitch) override {
        std::lock_guard lock(FState->Mutex);
        pitch = FState->Current.Pitch;
        return S_OK;
    }
    HRESULT PitchSet(WORD pitch) override {
        std::lock_guard lock(FState->Mutex);
        const TSynthRanges& r = FState->Ranges;
        FState->Current.Pitch = std::clamp(pitch, r.MinPitch, r.MaxPitch);
        return S_OK;
    }
    HRESULT RealTimeGet(DWORD& realTime) override {
        std::lock_guard lock(FState->Mutex);
        realTime = FState->RealTime;
        return S_OK;
    }
    HRESULT RealTimeSet(DWORD realTime) override {
        std::lock_guard lock(FState->Mutex);
        FState->RealTime = std::clamp<DWORD>(realTime, 1, kMaxRealTime);
        return S_OK;
    }
    HRESULT SpeedGet(DWORD& speed) override {
        std::lock_guard lock(FState->Mutex);
        speed = FState->Current.Speed;
        return S_OK;
    }
    HRESULT SpeedSet(DWORD speed) override {
        std::lock_guard lock(FState->Mutex);
        const TSynthRanges& r = FState->Ranges;
        FState->Current.Speed = std::clamp(speed, r.MinSpeed, r.MaxSpeed);
        return S_OK;
    }
    HRESULT VolumeGet(DWORD& volume) override {
        std::lock_guard lock(FState->Mutex);
        volume = FState->Current.Volume | (FState->Current.Volume << 16);
        return S_OK;
    }
    HRESULT VolumeSet(DWORD volume) override {
        std::lock_guard lock(FState->Mutex);
        FState->Current.Volume = volume & 0xFFFF;
        return S_OK;
    }

    // ITTSDialogsA: the lexicon is the program's, shared by every voice.
    HRESULT AboutDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }
    HRESULT GeneralDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }
    HRESULT LexiconDlg(HWND parent, const char* title) override {
        LexiconDialogHook dialog = LexiconDialog();
        if (!dialog)
            return TTSERR_NOTSUPPORTED;
        // Listen speaks through a central of its own, with no sinks: the reading that may be
        // going on hears nothing of it. It lives as long as the dialog holds the function.
        auto listener = std::make_shared<std::shared_ptr<SynthCentral>>();
        TSynthWorker* worker = FState->Worker;
        auto voice = FState->Voice;
        const TSynthRanges ranges = FState->Ranges;
        const bool phonemes = FState->Phonemes;
        Prosody prosody;
        {
            std::lock_guard lock(FState->Mutex);
            prosody = FState->Current;
        }
        return dialog(parent, title, [=](const LexiconEntry& entry) {
            if (!*listener) {
                std::shared_ptr<IUnknown> dest;
                HRESULT hr = SpeechPlatform::CreateInstance(CLSID_MMAudioDest, dest);
                auto audio = std::dynamic_pointer_cast<IAudioDest>(dest);
                if (Failed(hr) || !audio)
                    return QCoreApplication::translate("SynthCentral",
                                                       "There is no sound output to listen with.");
                *listener = std::make_shared<SynthCentral>(*worker, voice, ranges, std::move(audio),
                                                           phonemes);
                (*listener)->FState->Current = prosody;
            }
            (*listener)->AudioReset();
            TextJob job;
            job.text = entry.Word.toStdString();
            auto only = std::make_shared<Lexicon>();
            only->Entries.push_back(entry);
            job.lexicon = std::move(only);
            HRESULT hr = (*listener)->Queue(std::move(job));
            if (Failed(hr)) {
                std::string text = ResultText(hr);
                return text.empty() ? QCoreApplication::translate("SynthCentral",
                                                                  "The entry cannot be spoken.")
                                    : QString::fromStdString(text);
            }
            return QString();
        });
    }
    HRESULT TranslateDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }

private:
    std::shared_ptr<State> FState;
};

} // namespace

std::shared_ptr<const Lexicon>
LexiconWithoutPhonemes(const std::shared_ptr<const Lexicon>& lexicon) {
    if (!lexicon || !lexicon->HasPhonemes())
        return lexicon;
    static std::mutex mutex;
    static std::weak_ptr<const Lexicon> from;
    static std::shared_ptr<const Lexicon> made;
    std::lock_guard lock(mutex);
    if (from.lock() != lexicon) {
        auto plain = std::make_shared<Lexicon>();
        for (const LexiconEntry& entry : lexicon->Entries)
            if (!entry.Say.contains(QLatin1String("[[")))
                plain->Entries.push_back(entry);
        made = std::move(plain);
        from = lexicon;
    }
    return made;
}

std::shared_ptr<ITTSCentralA> CreateSynthCentral(TSynthWorker& worker,
                                                 std::shared_ptr<TSynthVoice> voice,
                                                 const TSynthRanges& ranges,
                                                 std::shared_ptr<IAudioDest> dest, bool phonemes) {
    return std::make_shared<SynthCentral>(worker, std::move(voice), ranges, std::move(dest),
                                          phonemes);
}

} // namespace engines
