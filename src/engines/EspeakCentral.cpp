// SPDX-License-Identifier: GPL-3.0-or-later
// What a client of the espeak-ng engine holds (EspeakRuntime.h): the enumerator of its modes,
// which finds the first mode without listing every voice, and the central object of a bound
// mode. The central queues its text for the worker, sets the prosody that the text's tags then
// change, resets at once, and opens the lexicon's dialog, whose Listen speaks through a central
// of its own.
#include "EspeakEngine.h"

#include "EspeakRuntime.h"
#include "Lexicon.h"
#include "NotifySinks.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <optional>

namespace engines {

using namespace speech;
using namespace espeak;

namespace {

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

HRESULT CreateEspeakEnum(std::shared_ptr<IUnknown>& out) {
    out = std::make_shared<EspeakEnum>();
    return S_OK;
}

} // namespace engines
