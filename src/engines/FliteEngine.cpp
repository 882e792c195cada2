// SPDX-License-Identifier: GPL-3.0-or-later
#include "FliteEngine.h"

#include "ModeInfo.h"
#include "SynthEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <map>
#include <mutex>

#include <dlfcn.h>

extern "C" {
#include <flite/flite.h>
#include <flite/flite_version.h>
// The English language and lexicon, which Debian's voices and most voice files speak.
void usenglish_init(cst_voice* v);
cst_lexicon* cmu_lex_init(void);
}

namespace engines {

using namespace speech;

namespace {

struct Known {
    const char* name;
    WORD gender;
    WORD pitch;    // the voice's own mean pitch, hertz
    bool quickest; // a diphone voice: it starts at once, however long the sentence
};

// The CMU voices by their short names: Debian's, and those offered as voice files.
const Known kKnown[] = {
    {"kal", GENDER_MALE, 95, true},     {"kal16", GENDER_MALE, 95, true},
    {"awb", GENDER_MALE, 110, false},   {"rms", GENDER_MALE, 100, false},
    {"slt", GENDER_FEMALE, 170, false}, {"aew", GENDER_MALE, 110, false},
    {"ahw", GENDER_MALE, 110, false},   {"aup", GENDER_MALE, 110, false},
    {"axb", GENDER_FEMALE, 180, false}, {"bdl", GENDER_MALE, 110, false},
    {"clb", GENDER_FEMALE, 180, false}, {"eey", GENDER_FEMALE, 180, false},
    {"fem", GENDER_MALE, 110, false},   {"gka", GENDER_MALE, 110, false},
    {"jmk", GENDER_MALE, 110, false},   {"ksp", GENDER_MALE, 110, false},
    {"ljm", GENDER_FEMALE, 180, false}, {"lnh", GENDER_FEMALE, 180, false},
    {"rxr", GENDER_MALE, 110, false},   {"slp", GENDER_FEMALE, 180, false},
};

const Known* KnownVoice(const std::string& shortName) {
    for (const Known& k : kKnown)
        if (shortName == k.name)
            return &k;
    return nullptr;
}

// The languages of the CMU voice names: cmu_us_* is American English, cmu_indic_<lang>_* an
// Indian language.
std::string LanguageOf(const std::string& stem) {
    static const std::map<std::string, std::string> indic = {
        {"hin", "hi"}, {"tam", "ta"}, {"tel", "te"}, {"mar", "mr"}, {"guj", "gu"},
        {"kan", "kn"}, {"pan", "pa"}, {"ben", "bn"}, {"mal", "ml"}, {"ori", "or"}};
    if (stem.rfind("cmu_us_", 0) == 0)
        return "en-us";
    if (stem.rfind("cmu_indic_", 0) == 0)
        if (auto it = indic.find(stem.substr(10, 3)); it != indic.end())
            return it->second;
    return "en";
}

struct VoiceFile {
    std::string Stem;  // "cmu_us_slt"
    std::string Short; // "slt"
    std::string Path;  // the library, or the .flitevox file
    bool BuiltIn = true;
    bool Quickest = false;
    WORD Pitch = 140;
    TTSMODEINFOA Info;
};

const GUID& EngineGuid() {
    static const GUID g = [] {
        GUID out;
        GuidFromString("{9D3E5B71-2C48-4A0F-8E16-7B5A2F04C3D9}", out);
        return out;
    }();
    return g;
}

VoiceFile Describe(const std::string& stem, const std::string& path, bool builtIn) {
    VoiceFile v;
    v.Stem = stem;
    v.Path = path;
    v.BuiltIn = builtIn;
    v.Short = stem.rfind("cmu_us_", 0) == 0 ? stem.substr(7) : stem;
    const Known* known = KnownVoice(v.Short);
    const WORD gender = known ? known->gender : GENDER_NEUTRAL;
    v.Quickest = builtIn && known && known->quickest;
    v.Pitch = known ? known->pitch : 140;
    TTSMODEINFOA& i = v.Info;
    const std::string gendered = gender == GENDER_MALE     ? " Male"
                                 : gender == GENDER_FEMALE ? " Female"
                                                           : "";
    // A voice file is named by its file, so that it never takes a built-in voice's name.
    const std::string name = "Flite " + (builtIn ? v.Short : stem) + gendered;
    const QUuid ns(QStringLiteral("{4f0c6a2e-91d3-4b57-a8e4-6d2b1c9f7e05}"));
    const QUuid id = QUuid::createUuidV5(
        ns, QString::fromStdString((builtIn ? "builtin/" : "file/") + (builtIn ? stem : path)));
    i.gEngineID = EngineGuid();
    i.gModeID = ToGuid(id);
    CopyField(i.szMfgName, "Carnegie Mellon University");
    CopyField(i.szProductName, "Flite " FLITE_PROJECT_VERSION);
    CopyField(i.szModeName, name);
    CopyField(i.language.szDialect, LanguageOf(stem));
    CopyField(i.szSpeaker, v.Short);
    CopyField(i.szStyle, "Normal");
    i.wGender = gender;
    i.wAge = 30;
    i.dwFeatures = TTSFEATURE_ANYWORD | TTSFEATURE_VOLUME | TTSFEATURE_SPEED | TTSFEATURE_PITCH |
                   TTSFEATURE_TAGGED | TTSFEATURE_WORDPOSITION | TTSFEATURE_PCOPTIMIZED;
    i.dwInterfaces = TTSI_ITTSCENTRAL | TTSI_ITTSATTRIBUTES | TTSI_ITTSDIALOGS;
    return v;
}

// The folder of Flite's own library, where Debian puts the voice libraries beside it.
QString LibraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&flite_init), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

std::vector<VoiceFile> FindVoices() {
    std::vector<VoiceFile> out;
    std::vector<VoiceFile> builtIn;
    const QDir lib(LibraryFolder());
    for (const QFileInfo& f :
         lib.entryInfoList({QStringLiteral("libflite_cmu_*.so.1")}, QDir::Files, QDir::Name)) {
        // "libflite_cmu_us_kal.so.1": the languages, lexicons and the talking clock (which
        // says nothing but the time) are no voices for documents.
        const std::string stem = f.fileName().mid(9, f.fileName().size() - 9 - 5).toStdString();
        if (stem.find("_lang") != std::string::npos || stem.find("_lex") != std::string::npos ||
            stem.rfind("cmu_time_", 0) == 0)
            continue;
        builtIn.push_back(Describe(stem, f.absoluteFilePath().toStdString(), true));
    }
    std::sort(builtIn.begin(), builtIn.end(),
              [](const VoiceFile& a, const VoiceFile& b) { return a.Short < b.Short; });
    out = std::move(builtIn);
    std::vector<std::string> seen;
    for (const QString& folder : FliteVoiceFolders()) {
        const QDir dir(folder);
        for (const QFileInfo& f :
             dir.entryInfoList({QStringLiteral("*.flitevox")}, QDir::Files, QDir::Name)) {
            const std::string stem = f.completeBaseName().toStdString();
            if (std::find(seen.begin(), seen.end(), stem) != seen.end())
                continue; // the first folder's file wins
            seen.push_back(stem);
            out.push_back(Describe(stem, f.absoluteFilePath().toStdString(), false));
        }
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Speaking, on the Flite worker.

constexpr DWORD kNormalSpeed = 175; // words per minute of a voice at its own pace

struct Token {
    std::size_t byte;  // where it starts in the piece
    std::size_t chars; // its length in characters
};

struct StreamContext {
    const TSynthVoice::Write* write = nullptr;
    WordTracker* tracker = nullptr;
    const std::vector<Token>* tokens = nullptr;
    const std::string* text = nullptr;
    int rate = 16000;
    std::uint64_t base = 0;    // samples written before this utterance
    std::uint64_t written = 0; // samples of this utterance written
    bool streamed = false;
    bool stopped = false;
    bool wordsDone = false;
    bool trimLead = false;  // leave out the utterance's leading silence
    std::uint64_t skip = 0; // samples of it left out
};

thread_local StreamContext* tContext = nullptr;

// The code point index of byte `byte` of `text`.
std::size_t CharIndex(const std::string& text, std::size_t byte) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < byte && i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ++chars;
    return chars;
}

// Every utterance begins with a pause of a fifth of a second; the first of a stream is heard
// sooner without it (all but kLeadMs of it).
constexpr int kLeadMs = 10;

// Tells the tracker where each token of the utterance begins to be heard.
void EmitWords(const cst_utterance* utt, StreamContext& ctx) {
    ctx.wordsDone = true;
    if (ctx.trimLead) {
        const cst_item* seg = relation_head(utt_relation(utt, "Segment"));
        if (seg && std::strcmp(item_feat_string(seg, "name"), "pau") == 0) {
            const std::int64_t lead = std::int64_t(item_feat_float(seg, "end") * float(ctx.rate)) -
                                      std::int64_t(ctx.rate) * kLeadMs / 1000;
            ctx.skip = std::uint64_t(std::max<std::int64_t>(0, lead));
        }
    }
    std::size_t i = 0;
    for (cst_item* t = relation_head(utt_relation(utt, "Token")); t && i < ctx.tokens->size();
         t = item_next(t), ++i) {
        cst_item* seg =
            flite_path_to_item(t, "R:Token.daughter1.R:SylStructure.daughter1.daughter1.R:Segment");
        if (!seg)
            continue; // punctuation alone: the tracker fills it in
        cst_item* before = item_prev(seg);
        const float start = before ? item_feat_float(before, "end") : 0.0f;
        const Token& token = (*ctx.tokens)[i];
        const auto heard = std::uint64_t(std::max(0.0f, start) * float(ctx.rate));
        ctx.tracker->OnWordEvent(int(CharIndex(*ctx.text, token.byte)) + 1, int(token.chars),
                                 ctx.base + (heard > ctx.skip ? heard - ctx.skip : 0));
    }
}

int StreamChunk(const cst_wave* w, int start, int size, int, cst_audio_streaming_info* asi) {
    StreamContext* ctx = tContext;
    if (!ctx)
        return CST_AUDIO_STREAM_CONT;
    ctx->streamed = true;
    if (!ctx->wordsDone && asi && asi->utt)
        EmitWords(asi->utt, *ctx);
    if (size > 0 && w && w->samples) {
        // What the chunk holds after the leading silence left out.
        const auto end = std::uint64_t(start) + std::uint64_t(size);
        const std::uint64_t from = std::max<std::uint64_t>(std::uint64_t(start), ctx->skip);
        if (end > from) {
            if (!(*ctx->write)(w->samples + from, std::size_t(end - from))) {
                ctx->stopped = true;
                return CST_AUDIO_STREAM_STOP;
            }
            ctx->written += end - from;
        }
    }
    return CST_AUDIO_STREAM_CONT;
}

// Flite reports a fault by jumping to cst_errjmp; without one it would end the process.
cst_utterance* SynthesizeGuarded(cst_utterance* utt, cst_voice* voice) {
    jmp_buf env;
    jmp_buf* const outer = cst_errjmp;
    cst_errjmp = &env;
    cst_utterance* volatile result = nullptr;
    if (setjmp(env) == 0)
        result = flite_do_synth(utt, voice, utt_synth_tokens);
    cst_errjmp = outer;
    return result;
}

// A voice file that Flite finds faulty (one cut short, say) is refused the same way.
cst_voice* LoadGuarded(const char* path) {
    jmp_buf env;
    jmp_buf* const outer = cst_errjmp;
    cst_errjmp = &env;
    cst_voice* volatile result = nullptr;
    if (setjmp(env) == 0)
        result = flite_voice_load(path);
    cst_errjmp = outer;
    return result;
}

class FliteVoice : public TSynthVoice {
public:
    FliteVoice(cst_voice* voice, const VoiceFile& file) : FVoice(voice), FFile(file) {
        FStretch = get_param_float(voice->features, "duration_stretch", 1.0f);
        if (FStretch <= 0)
            FStretch = 1.0f;
        FStddev = get_param_float(voice->features, "int_f0_target_stddev", -1.0f);
        // The sample rate is the voice's: a word of synthesis tells it.
        cst_wave* w = flite_text_to_wave("a", voice);
        FRate = w ? w->sample_rate : 16000;
        if (w)
            delete_wave(w);
        cst_audio_streaming_info* asi = new_audio_streaming_info();
        asi->asc = StreamChunk;
        asi->min_buffsize = 1024;
        feat_set(voice->features, "streaming_info", audio_streaming_info_val(asi));
    }

    int SampleRate() const override { return FRate; }

    TSynthRanges Ranges() const {
        TSynthRanges r;
        r.MinSpeed = 80;
        r.MaxSpeed = 450;
        r.DefaultSpeed = kNormalSpeed;
        r.DefaultPitch = FFile.Pitch;
        r.MinPitch = WORD(std::max(20, FFile.Pitch / 2));
        r.MaxPitch = WORD(FFile.Pitch * 2);
        return r;
    }

    std::uint64_t Speak(const TextPiece& piece, const TSynthProsody& p, bool first,
                        WordTracker& tracker, const Write& write) override;

private:
    void Apply(const TSynthProsody& p);
    // Synthesises `utt` (its tokens are `tokens`); false once the output is stopped.
    bool Synthesize(cst_utterance* utt, StreamContext& ctx);

    cst_voice* FVoice;
    VoiceFile FFile;
    int FRate = 16000;
    float FStretch = 1.0f;
    float FStddev = -1.0f;
};

void FliteVoice::Apply(const TSynthProsody& p) {
    const float speed = float(p.Speed ? p.Speed : kNormalSpeed);
    feat_set_float(FVoice->features, "duration_stretch",
                   FStretch * float(kNormalSpeed) / (p.Emphasis ? speed * 0.9f : speed));
    float pitch = float(p.Pitch ? p.Pitch : FFile.Pitch);
    if (p.Emphasis)
        pitch *= 1.15f;
    feat_set_float(FVoice->features, "int_f0_target_mean", pitch);
    const float stddev = FStddev > 0 ? FStddev : pitch * 0.12f;
    feat_set_float(FVoice->features, "int_f0_target_stddev",
                   p.Character == VoiceCharacter::Monotone ? 0.0f
                                                           : (p.Emphasis ? stddev * 1.5f : stddev));
}

bool FliteVoice::Synthesize(cst_utterance* utt, StreamContext& ctx) {
    ctx.written = 0;
    ctx.streamed = false;
    ctx.wordsDone = false;
    ctx.skip = 0;
    tContext = &ctx;
    cst_utterance* done = SynthesizeGuarded(utt, FVoice);
    tContext = nullptr;
    if (!done)
        return !ctx.stopped; // a fault of Flite's: that sentence is left out
    if (!ctx.streamed && !ctx.stopped) {
        // The voice gave its wave whole.
        if (!ctx.wordsDone)
            EmitWords(done, ctx);
        const cst_wave* w = utt_wave(done);
        if (w && std::uint64_t(w->num_samples) > ctx.skip) {
            const std::size_t count = std::size_t(std::uint64_t(w->num_samples) - ctx.skip);
            if ((*ctx.write)(w->samples + ctx.skip, count))
                ctx.written = count;
            else
                ctx.stopped = true;
        }
    }
    ctx.base += ctx.written;
    ctx.trimLead = false;
    delete_utterance(done);
    return !ctx.stopped;
}

std::uint64_t FliteVoice::Speak(const TextPiece& piece, const TSynthProsody& p, bool first,
                                WordTracker& tracker, const Write& write) {
    Apply(p);
    const std::string& text = piece.Text();
    const cst_features* f = FVoice->features;
    cst_tokenstream* ts = ts_open_string(
        text.c_str(), get_param_string(f, "text_whitespace", cst_ts_default_whitespacesymbols),
        get_param_string(f, "text_singlecharsymbols", cst_ts_default_singlecharsymbols),
        get_param_string(f, "text_prepunctuation", cst_ts_default_prepunctuationsymbols),
        get_param_string(f, "text_postpunctuation", cst_ts_default_postpunctuationsymbols));
    if (!ts)
        return 0;
    std::vector<Token> tokens;
    StreamContext ctx;
    ctx.write = &write;
    ctx.tracker = &tracker;
    ctx.tokens = &tokens;
    ctx.text = &text;
    ctx.rate = FRate;
    ctx.trimLead = first;
    // A voice that computes a whole sentence before its first sample starts a stream with the
    // first phrase alone, so that the first sound comes at once.
    bool quick = first && !FFile.Quickest;
    cst_utterance* utt = new_utterance();
    cst_relation* rel = utt_relation_create(utt, "Token");
    std::size_t cursor = 0;
    bool going = true;
    while (going) {
        const char* token = ts_get(ts);
        const bool end = !token || !*token;
        const bool full = tokens.size() >= 500;
        const bool phrase = quick && !tokens.empty() &&
                            (tokens.size() >= 6 ||
                             std::strpbrk(item_feat_string(relation_tail(rel), "punc"), ",;:.!?"));
        if (relation_head(rel) && (end || full || phrase || default_utt_break(ts, token, rel))) {
            going = Synthesize(utt, ctx);
            quick = false;
            tokens.clear();
            utt = new_utterance();
            rel = utt_relation_create(utt, "Token");
        }
        if (end || !going)
            break;
        cst_item* t = relation_append(rel, nullptr);
        item_set_string(t, "name", token);
        item_set_string(t, "whitespace", ts->whitespace);
        item_set_string(t, "prepunctuation", ts->prepunctuation);
        item_set_string(t, "punc", ts->postpunctuation);
        const std::size_t at = text.find(token, cursor);
        const std::size_t start = at == std::string::npos ? cursor : at;
        tokens.push_back({start, CharIndex(token, std::strlen(token))});
        cursor = start + std::strlen(token);
    }
    delete_utterance(utt);
    ts_close(ts);
    return ctx.base;
}

// ---------------------------------------------------------------------------------------------
// The family

TSynthWorker& Worker() {
    static TSynthWorker* worker = [] {
        auto* w = new TSynthWorker;
        w->Call([] {
            flite_init();
            flite_add_lang("eng", usenglish_init, cmu_lex_init);
            flite_add_lang("usenglish", usenglish_init, cmu_lex_init);
            // Voice files of other languages need theirs, where Debian has them.
            const QString folder = LibraryFolder();
            for (const char* lang : {"cmu_indic", "cmu_grapheme"}) {
                const std::string base = folder.toStdString() + "/libflite_" + lang;
                void* l = dlopen((base + "_lang.so.1").c_str(), RTLD_NOW | RTLD_LOCAL);
                void* x = dlopen((base + "_lex.so.1").c_str(), RTLD_NOW | RTLD_LOCAL);
                auto init = l ? reinterpret_cast<void (*)(cst_voice*)>(
                                    dlsym(l, (std::string(lang) + "_lang_init").c_str()))
                              : nullptr;
                auto lex = x ? reinterpret_cast<cst_lexicon* (*)()>(
                                   dlsym(x, (std::string(lang) + "_lex_init").c_str()))
                             : nullptr;
                if (init && lex)
                    flite_add_lang((std::string(lang) + "_lang").c_str(), init, lex);
            }
        });
        return w;
    }();
    return *worker;
}

class FliteFamily : public TEngineFamily {
public:
    std::string Name() const override { return "Flite"; }
    std::string Id() const override { return "flite"; }

    std::vector<TTSMODEINFOA> Modes() override {
        std::vector<TTSMODEINFOA> out;
        for (const VoiceFile& v : Files())
            out.push_back(v.Info);
        return out;
    }

    HRESULT Select(const TTSMODEINFOA& mode, std::shared_ptr<ITTSCentralA>& central,
                   const std::shared_ptr<IUnknown>& destination) override {
        auto dest = std::dynamic_pointer_cast<IAudioDest>(destination);
        if (!dest)
            return E_INVALIDARG;
        const VoiceFile* file = nullptr;
        for (const VoiceFile& v : Files())
            if (v.Info.gModeID == mode.gModeID)
                file = &v;
        if (!file)
            return TTSERR_INVALIDMODE;
        std::shared_ptr<FliteVoice> voice = Load(*file);
        if (!voice)
            return TTSERR_INVALIDMODE;
        central = CreateSynthCentral(Worker(), voice, voice->Ranges(), std::move(dest));
        return S_OK;
    }

    std::string Problem() override {
        std::lock_guard lock(FMutex);
        if (!FProblem.empty())
            return FProblem;
        //: why the voices of Flite are missing, after "Flite: "
        return FFiles && FFiles->empty()
                   ? QCoreApplication::translate(
                         "FliteFamily", "no voice is installed (Debian's libflite1 has them)")
                         .toStdString()
                   : std::string();
    }

private:
    const std::vector<VoiceFile>& Files() {
        std::lock_guard lock(FMutex);
        if (!FFiles)
            FFiles = FindVoices();
        return *FFiles;
    }

    std::shared_ptr<FliteVoice> Load(const VoiceFile& file) {
        std::lock_guard lock(FMutex);
        if (auto it = FLoaded.find(file.Stem + "\n" + file.Path); it != FLoaded.end())
            return it->second;
        cst_voice* voice = Worker().Call([&file]() -> cst_voice* {
            if (!file.BuiltIn)
                return LoadGuarded(file.Path.c_str());
            void* lib = dlopen(file.Path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!lib)
                return nullptr;
            auto reg = reinterpret_cast<cst_voice* (*)(const char*)>(
                dlsym(lib, ("register_" + file.Stem).c_str()));
            return reg ? reg(nullptr) : nullptr;
        });
        std::shared_ptr<FliteVoice> made;
        if (voice)
            made = Worker().Call([&] { return std::make_shared<FliteVoice>(voice, file); });
        else
            //: after "Flite: "; %1 is the voice's file
            FProblem =
                QCoreApplication::translate("FliteFamily", "the voice %1 could not be loaded")
                    .arg(QString::fromStdString(file.Path))
                    .toStdString();
        FLoaded[file.Stem + "\n" + file.Path] = made;
        return made;
    }

    std::mutex FMutex;
    std::optional<std::vector<VoiceFile>> FFiles;
    std::map<std::string, std::shared_ptr<FliteVoice>> FLoaded;
    std::string FProblem;
};

} // namespace

QStringList FliteVoiceFolders() {
    QStringList folders;
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << d + QStringLiteral("/flite");
    return folders;
}

std::shared_ptr<TEngineFamily> CreateFliteFamily() {
    return std::make_shared<FliteFamily>();
}

} // namespace engines
