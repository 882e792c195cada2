// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakEngine.h"

#include "ControlTags.h"
#include "EspeakRuntime.h"
#include "Lexicon.h"
#include "NotifySinks.h"
#include "WordPositions.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace engines {

using namespace speech;
using namespace espeak;

namespace {

// Applies a prosody tag to the stream's settings; pauses and emphasis belong to the text and
// are handled where the text is spoken.
void ApplyTag(CentralState& st, const ControlTag& tag) {
    std::lock_guard lock(st.Mutex);
    Prosody& p = st.Current;
    switch (tag.kind) {
    case TagKind::Speed:
        p.Speed = std::clamp<DWORD>(tag.number, kMinSpeed, kMaxSpeed);
        break;
    case TagKind::Pitch:
        p.Pitch = int(std::clamp<std::int64_t>(std::int64_t(tag.number) - st.Mode.BasePitchHz, 0,
                                               kPitchSteps));
        break;
    case TagKind::Volume:
        p.Volume = std::min<std::uint32_t>(tag.number, kFullVolume);
        break;
    case TagKind::Character:
        p.Character = tag.character;
        break;
    case TagKind::Reset:
        p = Prosody{};
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Speaking one text job on the worker.

class Speaker {
public:
    Speaker(CentralState& state, const Job& job, int rate)
        : FState(state), FJob(job), FRate(rate), FEpoch(job.epoch),
          FPhonemes(job.lexicon && job.lexicon->HasPhonemes()) {}

    void Run();
    // The output failure that ended the job early, S_OK when none did.
    HRESULT Failure() const { return FFailure; }
    // espeak-ng's synthesis callback: audio and events of the piece being spoken.
    static int Callback(short* wav, int count, espeak_EVENT* events);

private:
    struct Synth {
        Speaker* self;
        WordTracker* tracker;
        QWORD samples = 0;
    };

    bool Alive() {
        std::lock_guard lock(FState.Mutex);
        return !FFailed && FState.Epoch == FEpoch;
    }
    void SpeakPiece(bool endPause);
    void WriteSilence(std::uint32_t ms);
    bool Write(const std::int16_t* samples, std::size_t count);
    void Mark(QWORD position, std::uint32_t sourceOffset);
    CentralState& FState;
    const Job& FJob;
    int FRate;
    std::uint64_t FEpoch;
    bool FPhonemes; // the lexicon says words with phonemes: espeak-ng reads [[...]]
    bool FFailed = false;
    HRESULT FFailure = S_OK;
    TextPiece FPiece;
    bool FEmphasisNext = false;
    static thread_local Synth* tSynth;
};

thread_local Speaker::Synth* Speaker::tSynth = nullptr;

bool Speaker::Write(const std::int16_t* samples, std::size_t count) {
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
    std::weak_ptr<CentralState> weak = FJob.central;
    std::uint64_t epoch = FEpoch;
    QWORD at;
    {
        std::lock_guard lock(FState.Mutex);
        at = FState.StreamBase + position;
    }
    FState.Dest->StreamMark(position, [sink, weak, epoch, sourceOffset, at] {
        auto s = sink.lock();
        auto state = weak.lock();
        if (!s || !state)
            return;
        {
            std::lock_guard lock(state->Mutex);
            if (state->Epoch != epoch)
                return;
        }
        s->WordPosition(at, sourceOffset);
    });
}

int Speaker::Callback(short* wav, int count, espeak_EVENT* events) {
    Synth* synth = tSynth;
    if (!synth)
        return 1;
    Speaker* self = synth->self;
    {
        std::lock_guard lock(self->FState.Mutex);
        if (self->FState.Epoch != self->FEpoch)
            return 1; // reset: stop synthesising within this callback
    }
    for (espeak_EVENT* e = events; e && e->type != espeakEVENT_LIST_TERMINATED; ++e)
        if (e->type == espeakEVENT_WORD)
            synth->tracker->OnWordEvent(e->text_position, e->length, QWORD(std::max(e->sample, 0)));
    if (wav && count > 0) {
        if (!self->Write(reinterpret_cast<const std::int16_t*>(wav), std::size_t(count)))
            return 1;
        synth->samples += QWORD(count);
    }
    return 0;
}

void Speaker::SpeakPiece(bool endPause) {
    if (FPiece.Empty())
        return;
    if (!Alive()) {
        FPiece.Clear();
        return;
    }
    Prosody p;
    {
        std::lock_guard lock(FState.Mutex);
        p = FState.Current;
    }
    auto& rt = Runtime::Instance();
    std::string voice = FState.Mode.Voice;
    if (p.Character == VoiceCharacter::Whisper) {
        bool female = FState.Mode.Info.wGender == GENDER_FEMALE;
        voice = voice.substr(0, voice.find('+')) + (female ? "+whisperf" : "+whisper");
    }
    rt.UseVoice(voice);
    int volume = int((std::uint64_t(p.Volume) * 100 + kFullVolume / 2) / kFullVolume);
    int pitch = p.Pitch;
    int range = p.Character == VoiceCharacter::Monotone ? 0 : 50;
    if (FEmphasisNext) {
        // Emphasis: a little louder, higher and livelier for one word.
        volume = std::min(200, volume * 13 / 10);
        pitch = std::min(kPitchSteps, pitch + 12);
        range = range ? 90 : 0;
    }
    espeak_SetParameter(espeakRATE, int(p.Speed), 0);
    espeak_SetParameter(espeakPITCH, pitch, 0);
    espeak_SetParameter(espeakRANGE, range, 0);
    espeak_SetParameter(espeakVOLUME, volume, 0);

    QWORD base;
    {
        std::lock_guard lock(FState.Mutex);
        base = FState.StreamPos;
    }
    WordTracker tracker(
        FPiece, base, [this](std::uint64_t sample, std::uint32_t source) { Mark(sample, source); });
    Synth synth{this, &tracker};
    tSynth = &synth;
    const std::string& text = FPiece.Text();
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8 | (endPause ? espeakENDPAUSE : 0) |
                     (FPhonemes ? espeakPHONEMES : 0),
                 nullptr, nullptr);
    tSynth = nullptr;
    if (Alive())
        tracker.Finish(synth.samples);
    FPiece.Clear();
}

void Speaker::WriteSilence(std::uint32_t ms) {
    std::uint64_t total = std::uint64_t(ms) * std::uint64_t(FRate) / 1000;
    static const std::int16_t zeros[1024] = {};
    while (total > 0 && Alive()) {
        std::size_t n = std::size_t(std::min<std::uint64_t>(total, std::size(zeros)));
        if (!Write(zeros, n))
            return;
        total -= n;
    }
}

namespace {
bool EndsSentence(const std::string& text) {
    // True when the piece ends where a reader pauses anyway: after . ! ? : ; or a line break.
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        char c = *it;
        if (c == '\n' || c == '\r')
            return true;
        if (c == ' ' || c == '\t' || c == '"' || c == '\'' || c == ')')
            continue;
        return c == '.' || c == '!' || c == '?' || c == ':' || c == ';';
    }
    return false;
}

// Where to cut a run: after the first blank line (every paragraph is spoken on its own, so
// that a text cut into pieces at a blank line sounds the same as the whole), else, in a long
// run, after a sentence end, else at a blank. Returns 0 when no cut is needed yet.
constexpr std::size_t kMinPiece = 200;
constexpr std::size_t kMaxPiece = 2000;

std::size_t CutPoint(std::string_view run) {
    std::string_view window = run.substr(0, kMaxPiece);
    std::size_t para = window.find("\n\n"), paraEnd = para + 2;
    if (std::size_t crlf = window.find("\r\n\r\n"); crlf < para)
        para = crlf, paraEnd = crlf + 4;
    if (para != std::string_view::npos && paraEnd < run.size())
        return paraEnd;
    if (run.size() <= kMaxPiece)
        return 0;
    for (std::size_t i = kMaxPiece - 1; i > kMinPiece; --i) {
        char c = window[i - 1];
        if ((c == '.' || c == '!' || c == '?' || c == '\n') &&
            (window[i] == ' ' || window[i] == '\n' || window[i] == '\r' || window[i] == '\t'))
            return i;
    }
    std::size_t blank = window.find_last_of(" \t\n\r");
    if (blank != std::string_view::npos && blank > 0)
        return blank + 1;
    // No blank at all: cut before a character, never inside one.
    std::size_t cut = kMaxPiece;
    while (cut > 1 && (static_cast<unsigned char>(run[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
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
            SpeakPiece(EndsSentence(FPiece.Text()));
            if (tag->kind == TagKind::Pause)
                WriteSilence(tag->number);
            else if (tag->kind == TagKind::Emphasis)
                FEmphasisNext = true;
            else
                ApplyTag(FState, *tag);
            continue;
        }
        auto offset = std::uint32_t(item.offset);
        if (item.text.size() == 1 && item.text[0] == '\\' && FJob.tagged &&
            FJob.text.compare(item.offset, 2, "\\\\") == 0) {
            FPiece.AppendAt(item.text, offset); // an escaped backslash
            continue;
        }
        // What is spoken: the text with the lexicon's words replaced, each byte knowing where
        // it came from.
        TextPiece said;
        if (FJob.lexicon)
            FJob.lexicon->Apply(item.text, offset, said);
        else
            said.Append(item.text, offset);
        const std::string_view run = said.Text();
        std::size_t pos = 0;
        if (FEmphasisNext) {
            std::size_t end = FirstWordEnd(run);
            if (end == std::string_view::npos) {
                FPiece.Append(said, 0, run.size());
                continue;
            }
            SpeakPiece(EndsSentence(FPiece.Text()));
            FPiece.Append(said, 0, end);
            SpeakPiece(false);
            FEmphasisNext = false;
            pos = end;
        }
        while (pos < run.size() && Alive()) {
            const std::string_view rest = run.substr(pos);
            std::size_t cut = CutPoint(rest);
            std::size_t room = kMaxPiece > FPiece.Size() ? kMaxPiece - FPiece.Size() : 0;
            if (cut == 0) {
                if (rest.size() <= room) {
                    FPiece.Append(said, pos, rest.size());
                    break;
                }
                cut = rest.size();
            }
            if (!FPiece.Empty() && cut > room)
                SpeakPiece(EndsSentence(FPiece.Text()));
            FPiece.Append(said, pos, cut);
            SpeakPiece(EndsSentence(FPiece.Text()));
            pos += cut;
        }
    }
    SpeakPiece(true);
}

} // namespace
} // namespace engines

// espeak-ng 1.51 opens a sound device of its own while it initialises (through pcaudiolib),
// although synchronous output never plays on it: with a sound server that hangs, every job,
// even one that writes a file, waited half a minute there. The program plays its speech
// itself, so the library gets no device: this definition in the program takes the place of
// pcaudiolib's (the dynamic linker looks in the executable first).
extern "C" struct audio_object* create_audio_device_object(const char*, const char*, const char*) {
    return nullptr;
}

namespace engines::espeak {

void Runtime::Initialize() {
    // Audio comes back through the callback, about 50 ms at a time.
    int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 50, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0)
        return;
    FRate = rate;
    espeak_SetSynthCallback(&Speaker::Callback);
    // The version is the result; the out-parameter is the data folder.
    const char* dataFolder = nullptr;
    const char* version = espeak_Info(&dataFolder);
    FVersion = version ? version : "";
    FDataFolder = dataFolder ? dataFolder : "";
}

void Runtime::Loop() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(FMutex);
            FWake.wait(lock, [this] { return !FJobs.empty(); });
            job = std::move(FJobs.front());
            FJobs.pop_front();
        }
        if (job.kind == Job::Kind::Call) {
            job.call();
            continue;
        }
        CentralState& st = *job.central;
        if (job.kind == Job::Kind::Inject) {
            ControlTagReader reader(job.text);
            TagItem item;
            // Prosody changes apply from this point of the stream on.
            while (reader.Next(item))
                if (item.type == TagItem::Type::Tag)
                    if (auto tag = InterpretTag(item))
                        ApplyTag(st, *tag);
            continue;
        }
        // A text job.
        bool open;
        {
            std::lock_guard lock(st.Mutex);
            if (st.Epoch != job.epoch)
                continue;
            open = st.StreamOpen;
            st.StreamOpen = true;
            if (!open) {
                st.StreamBase += st.StreamPos;
                st.StreamPos = 0;
            }
        }
        if (!open) {
            AudioFormat format{FRate, 1};
            st.Dest->StreamStart(format);
            std::uint64_t epoch = job.epoch;
            std::weak_ptr<CentralState> weak = job.central;
            st.Dest->StreamOnStarted([weak, epoch] {
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
        Speaker speaker(st, job, FRate);
        speaker.Run();
        if (speaker.Failure() != S_OK) {
            st.Abort(speaker.Failure()); // a full disk, a lost device: error, then stop
            continue;
        }
        bool end = false;
        {
            std::lock_guard lock(st.Mutex);
            if (st.Epoch == job.epoch) {
                if (--st.PendingJobs <= 0) {
                    st.PendingJobs = 0;
                    st.StreamOpen = false;
                    end = true;
                }
            }
        }
        if (job.bufSink)
            job.bufSink->TextDataDone(0, 0);
        if (end) {
            std::uint64_t epoch = job.epoch;
            auto keep = job.central;
            st.Dest->StreamEnd([keep, epoch](HRESULT hr) {
                CentralState& s = *keep;
                {
                    std::lock_guard lock(s.Mutex);
                    if (s.Epoch != epoch || !s.Active || s.PendingJobs > 0)
                        return;
                    if (hr == S_OK) {
                        s.Active = false;
                        s.StartNotified = false;
                    }
                }
                if (hr != S_OK)
                    s.Abort(hr);
                else
                    s.NotifyStop();
            });
        }
    }
}

} // namespace engines::espeak
