// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakEngine.h"

#include "ControlTags.h"
#include "Lexicon.h"
#include "NotifySinks.h"
#include "WordPositions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QString>
#include <QUuid>

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace engines {

using namespace speech;

namespace {

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

// ---------------------------------------------------------------------------------------------
// Modes

const GUID& EngineGuid() {
    static const GUID g = [] {
        GUID out;
        GuidFromString("{6E6B8F2A-3C1D-5A7E-9B40-2F61C8D0A4E1}", out);
        return out;
    }();
    return g;
}

GUID ToGuid(const QUuid& u) {
    GUID g;
    g.Data1 = u.data1;
    g.Data2 = u.data2;
    g.Data3 = u.data3;
    std::memcpy(g.Data4.data(), u.data4, 8);
    return g;
}

std::string PrimaryLanguage(const char* languages) {
    // A list of (priority byte, NUL-terminated name); the first name is the voice's own.
    if (!languages || !languages[0])
        return {};
    return std::string(languages + 1);
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// An installed voice, as espeak-ng lists it.
struct VoiceEntry {
    std::string Identifier; // the name espeak-ng knows it by, e.g. "gmw/en-US"
    std::string Name;       // e.g. "English (America)"
    std::string Language;   // its own language, lower case, e.g. "en-us"
};

bool OfLanguage(const std::string& voiceLanguage, const std::string& lang) {
    return voiceLanguage == lang || voiceLanguage.rfind(lang + "-", 0) == 0;
}

// Reads a voice file the way espeak-ng's listing does: a keyword, blanks, the value, "//"
// starts a comment; the first language is the voice's own. nullopt for a variant or a file
// with no language.
std::optional<VoiceEntry> ReadVoiceFile(const QString& path, const std::string& identifier) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    VoiceEntry v;
    v.Identifier = identifier;
    bool named = false;
    while (!file.atEnd()) {
        std::string line = file.readLine(4096).toStdString();
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
            line.pop_back();
        if (const auto comment = line.find("//"); comment != std::string::npos)
            line.erase(comment);
        const auto end =
            std::find_if(line.begin(), line.end(), [](unsigned char c) { return std::isspace(c); });
        const std::string keyword(line.begin(), end);
        std::string value(end, line.end());
        value.erase(0, value.find_first_not_of(" \t"));
        if (keyword == "name") {
            v.Name = value;
            named = true;
        } else if (keyword == "language" && v.Language.empty()) {
            v.Language = Lower(value.substr(0, value.find_first_of(" \t")));
        }
    }
    if (v.Language.empty() || v.Language == "variant")
        return std::nullopt;
    if (!named)
        v.Name = identifier;
    return v;
}

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

void Runtime::UseVoice(const std::string& voice) {
    if (voice == FVoice)
        return;
    if ((!FHaveList && LoadVoiceFile(voice)) || espeak_SetVoiceByName(voice.c_str()) == EE_OK)
        FVoice = voice;
}

bool Runtime::LoadVoiceFile(const std::string& voice) {
    // espeak-ng looks a voice up by its name in lower case: one whose file is named with
    // capitals ("gmw/en-US") is found only after listing every voice. Given a file, it reads
    // that alone, but it lower-cases that name too: it gets a link with a lower-case name.
    const std::string identifier = voice.substr(0, voice.find('+'));
    const std::string variant = voice.substr(identifier.size());
    if (identifier == Lower(identifier))
        return false; // found by its name at once
    std::string file;
    for (const char* folder : {"/voices/", "/lang/"}) {
        file = FDataFolder + folder + identifier;
        if (::access(file.c_str(), R_OK) == 0)
            break;
        file.clear();
    }
    static std::atomic<int> count{0};
    const std::string dir = QDir::tempPath().toStdString() + "/nurva-voice-" +
                            std::to_string(::getpid()) + "-" + std::to_string(++count);
    const std::string link = dir + "/voice";
    // espeak-ng keeps 60 bytes of the name.
    if (file.empty() || link != Lower(link) || link.size() + variant.size() >= 60 ||
        ::mkdir(dir.c_str(), 0700) != 0)
        return false;
    bool loaded = false;
    if (::symlink(file.c_str(), link.c_str()) == 0) {
        loaded = espeak_SetVoiceByFile((link + variant).c_str()) == EE_OK;
        ::unlink(link.c_str());
    }
    ::rmdir(dir.c_str());
    return loaded;
}

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

namespace engines {
namespace {

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

void Runtime::ListVoices() {
    const espeak_VOICE** list = espeak_ListVoices(nullptr);
    for (; list && *list; ++list) {
        const espeak_VOICE* v = *list;
        // mbrola voices need a synthesiser that is not part of espeak-ng.
        if (!v->identifier || std::strncmp(v->identifier, "mb/", 3) == 0)
            continue;
        FVoices.push_back({v->identifier, v->name ? v->name : v->identifier,
                           Lower(PrimaryLanguage(v->languages))});
    }
}

std::vector<VoiceEntry> Runtime::VoicesOf(const std::string& lang) {
    std::vector<VoiceEntry> out;
    if (FHaveList) {
        for (const VoiceEntry& v : FVoices)
            if (OfLanguage(v.Language, lang))
                out.push_back(v);
        return out;
    }
    std::lock_guard lock(FFilesMutex);
    if (!FFilesFound) {
        FFilesFound = true;
        // The folders espeak-ng lists voices from; mbrola voices are left out.
        std::function<void(const QString&, const QString&)> find = [&](const QString& root,
                                                                       const QString& sub) {
            const QDir dir(sub.isEmpty() ? root : root + u'/' + sub);
            for (const QFileInfo& e : dir.entryInfoList(QDir::Files | QDir::Dirs |
                                                        QDir::NoDotAndDotDot | QDir::Hidden)) {
                const QString identifier = sub.isEmpty() ? e.fileName() : sub + u'/' + e.fileName();
                if (e.isDir()) {
                    if (identifier != QLatin1String("mb"))
                        find(root, identifier);
                } else {
                    FFiles.push_back({e.filePath(), identifier.toStdString()});
                }
            }
        };
        for (const char* folder : {"voices", "lang"})
            find(QString::fromStdString(FDataFolder) + u'/' + QLatin1String(folder), {});
    }
    // espeak-ng names each voice file for its language ("en-US" speaks "en-us", "en" speaks
    // "en-gb"): only the files of the language's name are read.
    for (const auto& [path, identifier] : FFiles) {
        const std::string name = identifier.substr(identifier.rfind('/') + 1);
        if (Lower(name.substr(0, name.find('-'))) != lang)
            continue;
        if (auto v = ReadVoiceFile(path, identifier))
            if (OfLanguage(v->Language, lang))
                out.push_back(std::move(*v));
    }
    return out;
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

// ---------------------------------------------------------------------------------------------
// The central object of a bound mode: speaking, attributes, dialogs.

class EspeakCentral : public ITTSCentralA,
                      public ITTSAttributesA,
                      public ITTSDialogsA,
                      public std::enable_shared_from_this<EspeakCentral> {
public:
    EspeakCentral(const EspeakMode& mode, std::shared_ptr<IAudioDest> dest)
        : FState(std::make_shared<CentralState>()) {
        FState->Mode = mode;
        FState->Dest = std::move(dest);
    }
    ~EspeakCentral() override {
        // Releasing a central ends its speech at once; nothing more is notified.
        {
            std::lock_guard lock(FState->Mutex);
            FState->Sinks.Clear();
        }
        FState->Abort(S_OK);
    }

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<EspeakCentral, ITTSCentralA, ITTSAttributesA, ITTSDialogsA>(
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
                     const std::shared_ptr<IUnknown>& bufSink, const GUID& bufIid) override {
        if (charSet != CHARSET_TEXT || (!text && length > 0))
            return E_INVALIDARG;
        Job job;
        job.kind = Job::Kind::Text;
        job.tagged = (flags & TTSDATAFLAG_TAGGED) != 0;
        // The length counts the terminating NUL; the text ends at the first NUL in any case.
        job.text.assign(text ? text : "", text ? strnlen(text, length) : 0);
        if (bufSink && Failed(speech::QueryInterface(bufSink, job.bufSink)))
            return E_NOINTERFACE;
        (void)bufIid;
        job.lexicon = CurrentLexicon();
        return Queue(std::move(job));
    }
    HRESULT Queue(Job job) {
        job.central = FState;
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
        Runtime::Instance().Post(std::move(job));
        return S_OK;
    }
    HRESULT Inject(const char* tag) override {
        if (!tag)
            return E_INVALIDARG;
        Job job;
        job.kind = Job::Kind::Inject;
        job.central = FState;
        job.text = tag;
        Runtime::Instance().Post(std::move(job));
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
        pitch = WORD(FState->Mode.BasePitchHz + FState->Current.Pitch);
        return S_OK;
    }
    HRESULT PitchSet(WORD pitch) override {
        std::lock_guard lock(FState->Mutex);
        FState->Current.Pitch = std::clamp(int(pitch) - FState->Mode.BasePitchHz, 0, kPitchSteps);
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
        FState->Current.Speed = std::clamp(speed, kMinSpeed, kMaxSpeed);
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

    // ITTSDialogsA: of espeak-ng's own dialogs there is the lexicon, when the program has
    // installed it.
    HRESULT AboutDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }
    HRESULT GeneralDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }
    HRESULT LexiconDlg(HWND parent, const char* title) override {
        LexiconDialogHook dialog = LexiconDialog();
        if (!dialog)
            return TTSERR_NOTSUPPORTED;
        // Listen speaks through a central of its own, with no sinks: the reading that may be
        // going on hears nothing of it. It lives as long as the dialog holds the function.
        auto listener = std::make_shared<std::shared_ptr<EspeakCentral>>();
        const EspeakMode mode = FState->Mode;
        Prosody prosody;
        {
            std::lock_guard lock(FState->Mutex);
            prosody = FState->Current;
        }
        return dialog(parent, title, [listener, mode, prosody](const LexiconEntry& entry) {
            if (!*listener) {
                std::shared_ptr<IUnknown> dest;
                HRESULT hr = SpeechPlatform::CreateInstance(CLSID_MMAudioDest, dest);
                auto audio = std::dynamic_pointer_cast<IAudioDest>(dest);
                if (Failed(hr) || !audio)
                    return QCoreApplication::translate("EspeakCentral",
                                                       "There is no sound output to listen with.");
                *listener = std::make_shared<EspeakCentral>(mode, std::move(audio));
                (*listener)->FState->Current = prosody;
            }
            (*listener)->AudioReset();
            Job job;
            job.kind = Job::Kind::Text;
            job.text = entry.Word.toStdString();
            auto only = std::make_shared<Lexicon>();
            only->Entries.push_back(entry);
            job.lexicon = std::move(only);
            HRESULT hr = (*listener)->Queue(std::move(job));
            if (Failed(hr)) {
                std::string text = ResultText(hr);
                return text.empty() ? QCoreApplication::translate("EspeakCentral",
                                                                  "The entry cannot be spoken.")
                                    : QString::fromStdString(text);
            }
            return QString();
        });
    }
    HRESULT TranslateDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }

private:
    std::shared_ptr<CentralState> FState;
};

// ---------------------------------------------------------------------------------------------
// The enumerator

class EspeakEnum : public ITTSEnumA, public std::enable_shared_from_this<EspeakEnum> {
public:
    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<EspeakEnum, ITTSEnumA>(shared_from_this(), iid, out);
    }
    HRESULT Reset() override {
        FPos = 0;
        return S_OK;
    }
    HRESULT Skip(DWORD count) override {
        if (FPos + count > Modes().size()) {
            FPos = Modes().size();
            return S_FALSE;
        }
        FPos += count;
        return S_OK;
    }
    HRESULT Next(DWORD count, TTSMODEINFOA* records, DWORD& fetched) override {
        fetched = 0;
        if (!records && count > 0)
            return E_POINTER;
        // The first mode alone is what a job with the default voice asks for: it is found
        // without listing every voice.
        if (FPos == 0 && count == 1 && !FModes) {
            if (const EspeakMode* first = First()) {
                records[fetched++] = first->Info;
                FPos = 1;
            }
            return fetched == count ? S_OK : S_FALSE;
        }
        while (fetched < count && FPos < Modes().size())
            records[fetched++] = Modes()[FPos++].Info;
        return fetched == count ? S_OK : S_FALSE;
    }
    HRESULT Select(const GUID& modeId, std::shared_ptr<ITTSCentralA>& central,
                   const std::shared_ptr<IUnknown>& destination) override {
        const EspeakMode* mode = nullptr;
        if (const EspeakMode* first = FModes ? nullptr : First();
            first && first->Info.gModeID == modeId)
            mode = first;
        for (std::size_t i = 0; !mode && i < Modes().size(); ++i)
            if (Modes()[i].Info.gModeID == modeId)
                mode = &Modes()[i];
        if (!mode)
            return TTSERR_INVALIDMODE;
        std::shared_ptr<IAudioDest> dest = std::dynamic_pointer_cast<IAudioDest>(destination);
        if (!dest)
            return E_INVALIDARG;
        central = std::make_shared<EspeakCentral>(*mode, std::move(dest));
        return S_OK;
    }

private:
    const std::vector<EspeakMode>& Modes() {
        if (!FModes)
            FModes = EspeakModes();
        return *FModes;
    }
    const EspeakMode* First() {
        if (FModes)
            return FModes->empty() ? nullptr : &FModes->front();
        if (!FFirstKnown) {
            FFirst = EspeakFirstMode();
            FFirstKnown = true;
        }
        return FFirst ? &*FFirst : nullptr;
    }

    std::optional<std::vector<EspeakMode>> FModes; // listed on first need
    std::optional<EspeakMode> FFirst;
    bool FFirstKnown = false;
    std::size_t FPos = 0;
};

} // namespace

namespace {

// The language and region of a locale such as "de_AT", lower case; the system's when empty.
void LocaleLanguage(const std::string& localeName, std::string& lang, std::string& region) {
    QLocale locale =
        localeName.empty() ? QLocale::system() : QLocale(QString::fromStdString(localeName));
    std::string wanted = Lower(locale.name().toStdString()); // "de_at", "c"
    lang = wanted.substr(0, wanted.find('_'));
    region = wanted.find('_') == std::string::npos ? "" : wanted.substr(wanted.find('_') + 1);
}

// The voices as modes, in the order engines are numbered for `lang` and `region`.
std::vector<EspeakMode> ModesOf(const std::vector<VoiceEntry>& voices, const std::string& lang,
                                const std::string& region) {
    struct Entry {
        EspeakMode mode;
        int rank;
        std::string name;
    };
    const QUuid ns(QStringLiteral("{1b7c3f4e-8a5d-4e61-b2c9-7d0e3a6f5b18}"));
    const std::string& version = Runtime::Instance().Version();
    std::vector<Entry> entries;
    for (const VoiceEntry& v : voices) {
        const std::string& l = v.Language;
        int rank = 3;
        if (!region.empty() && l == lang + "-" + region)
            rank = 0;
        else if (l == lang)
            rank = 1;
        else if (l.rfind(lang + "-", 0) == 0)
            rank = 2;
        std::string name = v.Name;
        std::replace(name.begin(), name.end(), '_', ' ');
        for (int female = 0; female < 2; ++female) {
            EspeakMode m;
            TTSMODEINFOA& i = m.Info;
            std::string modeName = name + (female ? " Female" : " Male");
            m.Voice = v.Identifier + (female ? "+f2" : "");
            m.Language = l;
            m.BasePitchHz = female ? 128 : 68;
            i.gEngineID = EngineGuid();
            CopyField(i.szMfgName, "eSpeak NG project");
            CopyField(i.szProductName, "eSpeak NG " + version);
            i.gModeID = ToGuid(QUuid::createUuidV5(ns, QString::fromStdString(m.Voice)));
            CopyField(i.szModeName, modeName);
            CopyField(i.language.szDialect, l);
            CopyField(i.szSpeaker, name);
            CopyField(i.szStyle, "Normal");
            i.wGender = female ? GENDER_FEMALE : GENDER_MALE;
            i.wAge = 30; // adult
            i.dwFeatures = TTSFEATURE_ANYWORD | TTSFEATURE_VOLUME | TTSFEATURE_SPEED |
                           TTSFEATURE_PITCH | TTSFEATURE_TAGGED | TTSFEATURE_WORDPOSITION |
                           TTSFEATURE_PCOPTIMIZED;
            i.dwInterfaces = TTSI_ITTSCENTRAL | TTSI_ITTSATTRIBUTES | TTSI_ITTSDIALOGS;
            entries.push_back({std::move(m), rank, name});
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.name != b.name)
            return a.name < b.name;
        return a.mode.Info.wGender > b.mode.Info.wGender; // male (2) before female (1)
    });
    std::vector<EspeakMode> out;
    out.reserve(entries.size());
    for (auto& e : entries)
        out.push_back(std::move(e.mode));
    return out;
}

} // namespace

std::vector<EspeakMode> EspeakModes(const std::string& localeName) {
    auto& rt = Runtime::Instance();
    if (!rt.Ready())
        return {};
    std::string lang, region;
    LocaleLanguage(localeName, lang, region);
    const std::vector<VoiceEntry>& voices = rt.Voices();
    // The C locale, or a language without a voice: English.
    if (std::none_of(voices.begin(), voices.end(),
                     [&](const VoiceEntry& v) { return OfLanguage(v.Language, lang); })) {
        lang = "en";
        region.clear();
    }
    return ModesOf(voices, lang, region);
}

std::optional<EspeakMode> EspeakFirstMode(const std::string& localeName) {
    auto& rt = Runtime::Instance();
    if (!rt.Ready())
        return std::nullopt;
    std::string lang, region;
    LocaleLanguage(localeName, lang, region);
    // Every voice of the language ranks before the others, so the first mode is among them.
    std::vector<VoiceEntry> voices = rt.VoicesOf(lang);
    if (voices.empty()) {
        lang = "en";
        region.clear();
        voices = rt.VoicesOf(lang);
    }
    if (voices.empty()) { // not even English: the first of all the voices
        std::vector<EspeakMode> all = EspeakModes(localeName);
        return all.empty() ? std::nullopt : std::optional<EspeakMode>(std::move(all.front()));
    }
    return ModesOf(voices, lang, region).front();
}

HRESULT CreateEspeakEnum(std::shared_ptr<IUnknown>& out) {
    out = std::make_shared<EspeakEnum>();
    return S_OK;
}

} // namespace engines
