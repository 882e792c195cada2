// SPDX-License-Identifier: GPL-3.0-or-later
#include "mSpeech.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace speech {

namespace {

QString OleErrorText(HRESULT code) {
    std::string text = ResultText(code);
    if (!text.empty())
        return QString::fromStdString(text);
    //: %1 is the error's code, in hexadecimal
    return QCoreApplication::translate("mSpeech", "OLE error %1")
        .arg(QString::asprintf("%08X", unsigned(code)));
}

void Check(HRESULT hr) {
    if (Failed(hr))
        throw EOleSysError(hr);
}

// Raised inside the guarded selection steps; never leaves SelectEngine.
struct SelectFailed {};

void Require(HRESULT hr) {
    if (Failed(hr))
        throw SelectFailed{};
}

QString FieldText(const char* field, std::size_t size) {
    return QString::fromUtf8(field, qsizetype(strnlen(field, size)));
}

} // namespace

EOleSysError::EOleSysError(HRESULT code)
    : std::runtime_error(OleErrorText(code).toStdString()), FCode(code) {}

// The sinks outlive neither the component's interest nor its life: they reach the component
// through a shared link that the component cuts when it is destroyed, and every notification
// carries the binding generation it was created for.
struct SinkLink {
    std::mutex Mutex;
    TMSpeech* Owner = nullptr;
};

class TMSpeech::TTSNotifySink : public ITTSNotifySink2A,
                                public std::enable_shared_from_this<TTSNotifySink> {
public:
    TTSNotifySink(std::shared_ptr<SinkLink> link, std::uint64_t generation)
        : FLink(std::move(link)), FGeneration(generation) {}

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<TTSNotifySink, ITTSNotifySinkA, ITTSNotifySink2A>(
            shared_from_this(), iid, out);
    }

    HRESULT AttribChanged(DWORD attribute) override {
        Post([attribute](TMSpeech* c) {
            if (c->OnAttribChanged)
                c->OnAttribChanged(c, attribute);
        });
        return S_OK;
    }
    HRESULT AudioStart(QWORD) override {
        Post([](TMSpeech* c) {
            if (c->OnStart)
                c->OnStart(c);
        });
        return S_OK;
    }
    HRESULT AudioStop(QWORD) override {
        Post([](TMSpeech* c) { c->HandleAudioStop(); });
        return S_OK;
    }
    HRESULT Visual(QWORD, char, char, DWORD hints, PTTSMouth mouth) override {
        // The engine's record may be gone by the time the event runs: pass a copy.
        auto copy = std::make_shared<TTSMOUTH>(mouth ? *mouth : TTSMOUTH{});
        bool hasMouth = mouth != nullptr;
        Post([hints, copy, hasMouth](TMSpeech* c) {
            if (c->OnVisual)
                c->OnVisual(c, hints, hasMouth ? copy.get() : nullptr);
        });
        return S_OK;
    }
    HRESULT Error(const std::shared_ptr<ITTSErrorObject>& error) override {
        PostError(error, &TMSpeech::OnError);
        return S_OK;
    }
    HRESULT Warning(const std::shared_ptr<ITTSErrorObject>& warning) override {
        PostError(warning, &TMSpeech::OnWarning);
        return S_OK;
    }
    HRESULT VisualFuture(DWORD, QWORD, char, char, DWORD, PTTSMouth) override { return S_OK; }

private:
    void PostError(const std::shared_ptr<ITTSErrorObject>& error, TMSErrorEvent TMSpeech::*event) {
        TTSERRORINFO info;
        if (error)
            error->GetErrorInfo(info);
        QString text = FieldText(info.Text, sizeof info.Text);
        std::int32_t code = info.Code;
        Post([event, code, text](TMSpeech* c) {
            if (event == &TMSpeech::OnError)
                c->FPieces = nullptr; // the engine stops: no more text after an error
            if (c->*event)
                (c->*event)(c, code, text);
        });
    }

    void Post(std::function<void(TMSpeech*)> fn) {
        std::lock_guard lock(FLink->Mutex);
        if (FLink->Owner)
            FLink->Owner->Deliver(FGeneration, [owner = FLink->Owner, fn] { fn(owner); });
    }

    std::shared_ptr<SinkLink> FLink;
    std::uint64_t FGeneration;
};

class TMSpeech::TTSBufNotifySink : public ITTSBufNotifySink,
                                   public std::enable_shared_from_this<TTSBufNotifySink> {
public:
    TTSBufNotifySink(std::shared_ptr<SinkLink> link, std::uint64_t generation)
        : FLink(std::move(link)), FGeneration(generation) {}

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<TTSBufNotifySink, ITTSBufNotifySink>(shared_from_this(), iid, out);
    }
    HRESULT TextDataDone(QWORD, DWORD) override {
        std::lock_guard lock(FLink->Mutex);
        if (!FTexts.empty())
            FTexts.pop_front();
        if (FLink->Owner) {
            TMSpeech* owner = FLink->Owner;
            owner->Deliver(FGeneration, [owner] { owner->PieceDone(); });
        }
        return S_OK;
    }
    HRESULT TextDataStarted(QWORD) override { return S_OK; }
    HRESULT BookMark(QWORD, DWORD) override { return S_OK; }
    HRESULT WordPosition(QWORD timeStamp, DWORD byteOffset) override {
        if (FWordTimes) {
            // Into a file, a text's words are all written before its TextDataDone.
            QString word;
            {
                std::lock_guard lock(FLink->Mutex);
                if (!FTexts.empty()) {
                    const QByteArray& text = FTexts.front();
                    qsizetype end = std::min<qsizetype>(byteOffset, text.size());
                    while (end < text.size() &&
                           !std::isspace(static_cast<unsigned char>(text[end])))
                        ++end;
                    word = QString::fromUtf8(text.mid(byteOffset, end - qsizetype(byteOffset)));
                }
            }
            if (!word.isEmpty())
                FWordTimes(timeStamp, word);
        }
        std::lock_guard lock(FLink->Mutex);
        // Written into a file at many times real time, words would wake the owner for every
        // one of them: there, only the latest word of each short stretch goes on, and the
        // stop hands over the last one.
        FLatest = byteOffset;
        FUnsent = true;
        const auto now = std::chrono::steady_clock::now();
        if (!FLink->Owner || (FPaced && now - FLastSent < kWordPace))
            return S_OK;
        FLastSent = now;
        FUnsent = false;
        TMSpeech* owner = FLink->Owner;
        owner->Deliver(FGeneration, [owner, byteOffset] { owner->HandleWordPosition(byteOffset); });
        return S_OK;
    }

    // Words of a file being written are paced; spoken aloud, each one goes on.
    void SetPaced(bool paced) {
        std::lock_guard lock(FLink->Mutex);
        FPaced = paced;
    }

    // Every word goes to `record` with its place in the samples (see RecordWordTimes); the
    // texts it is in are queued here in the order the engine gets them.
    void SetWordTimes(TWordTimeEvent record) { FWordTimes = std::move(record); }
    void Queue(const QByteArray& text) {
        if (!FWordTimes)
            return;
        std::lock_guard lock(FLink->Mutex);
        FTexts.push_back(text);
    }

    // The word position that was held back, if any.
    std::optional<DWORD> TakeUnsent() {
        std::lock_guard lock(FLink->Mutex);
        if (!std::exchange(FUnsent, false))
            return std::nullopt;
        return FLatest;
    }

private:
    static constexpr std::chrono::milliseconds kWordPace{25};
    std::shared_ptr<SinkLink> FLink;
    std::uint64_t FGeneration;
    std::chrono::steady_clock::time_point FLastSent;
    DWORD FLatest = 0;
    bool FUnsent = false;
    bool FPaced = false;
    TWordTimeEvent FWordTimes; // set before the texts are queued, read on the engine's thread
    std::deque<QByteArray> FTexts;
};

namespace {
// One link per component, created lazily and cut by the destructor.
std::shared_ptr<SinkLink> LinkOf(TMSpeech* c, std::shared_ptr<SinkLink>& slot) {
    if (!slot) {
        slot = std::make_shared<SinkLink>();
        slot->Owner = c;
    }
    return slot;
}
} // namespace

TMSpeech::TMSpeech(QObject* owner) : QObject(owner) {
    InitEngines();
}

TMSpeech::~TMSpeech() {
    Initialized = false;
    // Cut the sinks' way back to this object before anything else: an engine thread may be
    // about to notify.
    if (FLinkSlot) {
        std::lock_guard lock(FLinkSlot->Mutex);
        FLinkSlot->Owner = nullptr;
    }
    FModeInfo.reset();
    FAttributes.reset();
    FDialogs.reset();
    FCentral.reset();
    FFileDest.reset();
    FDeviceDest.reset();
    FNotifySink.reset();
    FBufSink.reset();
    FEnum.reset();
}

QString TMSpeech::Version() const {
    return QStringLiteral("TMSpeech 1.1.1");
}

void TMSpeech::InitEngines() {
    Initialized = true;
    Selected = false;
    try {
        Check(SpeechPlatform::CreateInstance(CLSID_TTSEnumerator, FEnum));
        Check(FEnum->Reset());
    } catch (const std::exception&) {
        FListed = true;
        Initialized = false;
        Enabled = false;
    }
}

ITTSEnumLater* TMSpeech::Later() const {
    std::shared_ptr<IUnknown> e = FEnum;
    std::shared_ptr<ITTSEnumLater> later;
    if (e && Succeeded(QueryInterface(e, later)))
        return later.get(); // the enumerator holds it
    return nullptr;
}

bool TMSpeech::AllEnginesListed() {
    ITTSEnumLater* later = Later();
    return !later || later->WaitListed(0);
}

void TMSpeech::ListAllEngines() {
    ITTSEnumLater* later = Later();
    if (!later || std::exchange(FAllRequested, true))
        return;
    QPointer<TMSpeech> self(this);
    later->OnListed([self] {
        QMetaObject::invokeMethod(
            self,
            [self] {
                if (!self)
                    return;
                self->FListed = self->FListed && self->FListedAll;
                emit self->enginesListed();
            },
            Qt::QueuedConnection);
    });
}

QStringList TMSpeech::EngineProblems() {
    ITTSEnumLater* later = Later();
    if (!later)
        return {};
    return QString::fromStdString(later->Problems()).split(u'\n', Qt::SkipEmptyParts);
}

const QStringList& TMSpeech::ListedEngines() {
    ListEngines();
    return FEngines;
}

const QList<TMSpeechEngineInfo>& TMSpeech::ListedEngineInfos() {
    ListEngines();
    return FEngineInfos;
}

void TMSpeech::ListEngines() {
    if (FListed)
        return;
    FListed = true;
    FEngines.clear();
    FEngineInfos.clear();
    FListedAll = AllEnginesListed();
    try {
        Check(FEnum->Reset());
        // Many at a time: an engine that finds its first mode alone more cheaply than with the
        // others then goes straight to listing them all.
        constexpr DWORD kBatch = 16;
        for (;;) {
            std::vector<TTSMODEINFOA> records(kBatch);
            DWORD fetched = 0;
            const HRESULT hr = FEnum->Next(kBatch, records.data(), fetched);
            for (DWORD i = 0; i < fetched && i < kBatch; ++i) {
                FEngines.append(FieldText(records[i].szModeName, sizeof records[i].szModeName));
                TMSpeechEngineInfo info;
                FillInfo(records[i], info);
                info.MaxVolume = 100;
                FEngineInfos.append(info);
            }
            Check(hr);
            if (fetched < kBatch)
                break;
        }
    } catch (const std::exception&) {
        Initialized = false;
        Enabled = false;
    }
}

const QStringList& TMSpeech::Engines() {
    if (ITTSEnumLater* later = Later(); later && !(FListed && FListedAll)) {
        later->WaitListed(kListWaitMs);
        if (FListed && !FListedAll && AllEnginesListed())
            FListed = false; // list again, with the modes that came
    }
    ListEngines();
    return FEngines;
}

QString TMSpeech::EngineName(int index) {
    TTSMODEINFOA record;
    // Engine 0 is the first engine's first mode, whatever is listed later: it needs neither the
    // list nor a wait for the engines listed in the background.
    if (index == 0 && FListed)
        return FEngines.value(0);
    if (index == 0)
        return FetchMode(0, record) ? FieldText(record.szModeName, sizeof record.szModeName)
                                    : QString();
    return Engines().value(index);
}

int TMSpeech::IndexOfEngine(const QString& name) {
    // The first match wins: when that is the first mode, the others need not be listed.
    if (!FListed && EngineName(0).compare(name, Qt::CaseInsensitive) == 0)
        return 0;
    auto find = [&name](const QStringList& engines) {
        for (int i = 0; i < engines.size(); ++i)
            if (engines[i].compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    };
    // A mode of an engine listed in the background is waited for only when it is not among
    // those listed already.
    const int listed = find(ListedEngines());
    return listed >= 0 || AllEnginesListed() ? listed : find(Engines());
}

bool TMSpeech::FetchMode(int index, TTSMODEINFOA& record) {
    DWORD fetched = 0;
    if (!FEnum || Failed(FEnum->Reset()) || (index > 0 && Failed(FEnum->Skip(DWORD(index)))) ||
        Failed(FEnum->Next(1, &record, fetched)) || fetched == 0)
        return false;
    return true;
}

bool TMSpeech::FetchNamed(const QString& name, TTSMODEINFOA& record) {
    // Modes that came since the list was made move the others: the record must carry the name.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int index = IndexOfEngine(name);
        if (index < 0 || !FetchMode(index, record))
            return false;
        if (FieldText(record.szModeName, sizeof record.szModeName)
                .compare(name, Qt::CaseInsensitive) == 0)
            return true;
        FListed = false;
    }
    return false;
}

void TMSpeech::SelectEngine(const QString& name) {
    if (!Initialized)
        throw EMSpeechException(tr("Speech Engine not initialized"));
    TTSMODEINFOA record;
    if (!FetchNamed(name, record))
        throw EMSpeechException(tr("Specified Speech Engine not found"));
    Selected = true;
    try {
        PrepareSelect();
        FModeInfo = std::make_unique<TTSMODEINFOA>(record);
        // Releasing the old central ends whatever it was still saying.
        FAttributes.reset();
        FDialogs.reset();
        FCentral.reset();
        std::shared_ptr<ITTSCentralA> central;
        Require(FEnum->Select(FModeInfo->gModeID, central, CurrentDestination()));
        if (!central)
            throw SelectFailed{};
        FCentral = central;
        BindEngine();
        LoadEngineInfo();
    } catch (const SelectFailed&) {
        Selected = false;
    } catch (const std::exception&) {
        Selected = false;
    }
}

void TMSpeech::PrepareSelect() {
    // Notifications of the binding being replaced must never reach the events.
    ++FGeneration;
    FPieces = nullptr;
    if (Output == soFile) {
        FFileDest.reset();
        Require(SpeechPlatform::CreateInstance(CLSID_AudioDestFile, FFileDest));
    } else {
        FDeviceDest.reset();
        Require(SpeechPlatform::CreateInstance(CLSID_MMAudioDest, FDeviceDest));
    }
    if (FRegKey != 0) {
        if (FCentral)
            FCentral->UnRegister(FRegKey);
        FRegKey = 0;
    }
    auto link = LinkOf(this, FLinkSlot);
    FBufSink = std::make_shared<TTSBufNotifySink>(link, FGeneration);
    FNotifySink = std::make_shared<TTSNotifySink>(link, FGeneration);
}

void TMSpeech::BindEngine() {
    std::shared_ptr<IUnknown> central = FCentral;
    Require(QueryInterface(central, FAttributes));
    Require(QueryInterface(central, FDialogs));
    std::shared_ptr<IUnknown> sink = FNotifySink;
    DWORD key = 0;
    if (FCentral->Register(sink, IID_ITTSNotifySink2A, key) != S_OK)
        Require(FCentral->Register(sink, IID_ITTSNotifySinkA, key));
    FRegKey = key;
}

void TMSpeech::FillInfo(const TTSMODEINFOA& r, TMSpeechEngineInfo& info) {
    info.Name = FieldText(r.szModeName, sizeof r.szModeName);
    info.Language = FieldText(r.language.szDialect, sizeof r.language.szDialect);
    info.Manufacturer = FieldText(r.szMfgName, sizeof r.szMfgName);
    info.Product = FieldText(r.szProductName, sizeof r.szProductName);
    info.ModeID = QString::fromStdString(GuidToString(r.gModeID));
    info.EngineID = QString::fromStdString(GuidToString(r.gEngineID));
    info.Speaker = FieldText(r.szSpeaker, sizeof r.szSpeaker);
    info.Style = FieldText(r.szStyle, sizeof r.szStyle);
    switch (r.wGender) {
    case GENDER_NEUTRAL:
        info.Gender = QStringLiteral("NEUTRAL");
        break;
    case GENDER_FEMALE:
        info.Gender = QStringLiteral("FEMALE");
        break;
    case GENDER_MALE:
        info.Gender = QStringLiteral("MALE");
        break;
    default: // an unknown code leaves the previous text
        break;
    }
    info.Age = std::int32_t(std::uint32_t(r.wAge));
    info.Features = std::int32_t(r.dwFeatures);
    info.Interfaces = std::int32_t(r.dwInterfaces);
}

void TMSpeech::LoadEngineInfo() {
    FillInfo(*FModeInfo, EngineInfo);
    // The ranges are probed: a set beyond the range is clamped, and the read tells the limit.
    auto& a = *FAttributes;
    WORD pitch = 0;
    a.PitchGet(pitch);
    a.PitchSet(65535);
    a.PitchGet(EngineInfo.MaxPitch);
    a.PitchSet(0);
    a.PitchGet(EngineInfo.MinPitch);
    a.PitchSet(pitch);

    DWORD realTime = 0;
    a.RealTimeGet(realTime);
    a.RealTimeSet(4294967295u);
    a.RealTimeGet(EngineInfo.MaxRealTime);
    a.RealTimeSet(0);
    a.RealTimeGet(EngineInfo.MinRealTime);
    a.RealTimeSet(realTime);

    DWORD speed = 0;
    a.SpeedGet(speed);
    a.SpeedSet(4294967295u);
    a.SpeedGet(EngineInfo.MaxSpeed);
    a.SpeedSet(0);
    a.SpeedGet(EngineInfo.MinSpeed);
    a.SpeedSet(speed);

    EngineInfo.MaxVolume = 100;
    EngineInfo.MinVolume = 0;
}

std::shared_ptr<IUnknown> TMSpeech::CurrentDestination() const {
    if (Output == soFile)
        return FFileDest;
    return FDeviceDest;
}

void TMSpeech::Speak() {
    QString text;
    for (const QString& line : FText)
        text += line + QStringLiteral("\r\n");
    SpeakText(text);
}

void TMSpeech::SpeakPieces(TPieceSource next) {
    std::optional<QString> first = next();
    SpeakText(first.value_or(QString()));
    if (!Enabled || !first)
        return;
    FPieces = std::move(next);
    FPiecesQueued = 1;
    FeedPieces();
}

int TMSpeech::FeedPieces() {
    int handed = 0;
    while (FPieces && FCentral && FPiecesQueued < kPiecesAhead) {
        std::optional<QString> piece;
        try {
            piece = FPieces();
        } catch (const std::exception& e) {
            FPieces = nullptr;
            if (OnError)
                OnError(this, 0, QString::fromUtf8(e.what()));
            break;
        }
        if (!piece) {
            FPieces = nullptr;
            break;
        }
        const QByteArray utf8 = piece->toUtf8();
        if (FBufSink)
            FBufSink->Queue(utf8);
        std::shared_ptr<IUnknown> bufSink = FBufSink;
        HRESULT hr = FCentral->TextData(CHARSET_TEXT, TTSDATAFLAG_TAGGED, utf8.constData(),
                                        DWORD(utf8.size() + 1), bufSink, IID_ITTSBufNotifySink);
        if (Failed(hr)) {
            FPieces = nullptr;
            if (OnError)
                OnError(this, hr, OleErrorText(hr));
            break;
        }
        ++FPiecesQueued;
        ++handed;
    }
    return handed;
}

void TMSpeech::PieceDone() {
    if (FPiecesQueued > 0)
        --FPiecesQueued;
    FeedPieces();
}

void TMSpeech::SpeakText(const QString& text) {
    FPieces = nullptr;
    FPiecesQueued = 0;
    if (!Enabled)
        return;
    if (!Initialized)
        throw EMSpeechException(tr("Speech Engine not initialized"));
    if (!Selected || !FCentral)
        throw EMSpeechException(tr("Speech Engine not selected"));
    Paused = false;
    if (Output == soFile)
        OpenFile();
    FSpokenUtf8 = text.toUtf8();
    if (FBufSink) {
        FBufSink->SetPaced(Output == soFile);
        FBufSink->SetWordTimes(Output == soFile ? FWordTimes : nullptr);
        FBufSink->Queue(FSpokenUtf8);
    }
    FScanByte = 0;
    FScanChar = 0;
    WordOffset = 0;
    WordCharOffset = 0;
    std::shared_ptr<IUnknown> bufSink = FBufSink;
    HRESULT hr = FCentral->TextData(CHARSET_TEXT, TTSDATAFLAG_TAGGED, FSpokenUtf8.constData(),
                                    DWORD(FSpokenUtf8.size() + 1), bufSink, IID_ITTSBufNotifySink);
    if (Failed(hr)) {
        // Nothing will be spoken, so no stop will follow: the caller must know now.
        if (Output == soFile && FFileDest)
            FFileDest->Flush();
        throw EMSpeechException(OleErrorText(hr));
    }
}

void TMSpeech::OpenFile() {
    errno = 0;
    if (FFileDest && !Failed(FFileDest->Set(Filename.toStdU16String(), 1)))
        return;
    // The destination opens the file on this thread: errno still tells why it could not.
    const int error = errno;
    QString message = tr("Can not open file %1").arg(Filename);
    if (error != 0)
        message += QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
    throw EMSpeechException(message);
}

void TMSpeech::Pause() {
    if (!FCentral)
        throw EMSpeechException(tr("Speech Engine not selected"));
    Check(FCentral->AudioPause());
    Paused = true;
}

void TMSpeech::Resume() {
    if (!FCentral)
        throw EMSpeechException(tr("Speech Engine not selected"));
    Check(FCentral->AudioResume());
    Paused = false;
}

void TMSpeech::Stop() {
    Paused = false;
    FPieces = nullptr;
    if (!FCentral)
        throw EMSpeechException(tr("Speech Engine not selected"));
    Check(FCentral->AudioReset());
}

void TMSpeech::SetPitch(std::uint16_t value) {
    if (FCentral)
        FCentral->Inject(QStringLiteral("\\Pit=%1\\").arg(value).toUtf8().constData());
}

void TMSpeech::SetSpeed(std::uint32_t value) {
    if (FCentral)
        FCentral->Inject(QStringLiteral("\\Spd=%1\\").arg(value).toUtf8().constData());
}

void TMSpeech::ShowEngineDialog(std::uint8_t kind, HWND parent, const char* title) {
    if (kind > 3)
        return;
    if (!FDialogs)
        throw EMSpeechException(tr("Speech Engine not selected"));
    switch (kind) {
    case 0:
        Check(FDialogs->AboutDlg(parent, title));
        break;
    case 1:
        Check(FDialogs->GeneralDlg(parent, title));
        break;
    case 2:
        Check(FDialogs->LexiconDlg(parent, title));
        break;
    case 3:
        Check(FDialogs->TranslateDlg(parent, title));
        break;
    }
}

bool TMSpeech::GetEngineInfo(const QString& name, TMSpeechEngineInfo& info) {
    if (!Initialized)
        return false;
    TTSMODEINFOA record;
    if (!FetchNamed(name, record))
        return false;
    FillInfo(record, info);
    info.MaxVolume = 100;
    return true;
}

bool TMSpeech::CanWriteFiles(const QString& name) {
    TMSpeechEngineInfo info;
    return !GetEngineInfo(name, info) || (DWORD(info.Features) & TTSFEATURE_FIXEDAUDIO) == 0;
}

QString TMSpeech::NoFilesMessage(const QString& name) {
    return tr("The voice \"%1\" is played by a speech service that gives no sound "
              "back to this program: it can read aloud, but not into a WAV or MP3 "
              "file. Choose another voice to convert.")
        .arg(name);
}

void TMSpeech::GetInterface(int kind, std::shared_ptr<IUnknown>& out) {
    switch (kind) {
    case 0:
        out = CurrentDestination();
        break;
    case 1:
        out = FCentral;
        break;
    case 2:
        out = FAttributes;
        break;
    case 3:
        out = FDialogs;
        break;
    default:
        break;
    }
}

void TMSpeech::Deliver(std::uint64_t generation, std::function<void()> fn) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, fn = std::move(fn)] {
            if (generation == FGeneration)
                fn();
        },
        Qt::QueuedConnection);
}

void TMSpeech::HandleAudioStop() {
    if (FBufSink)
        if (const std::optional<DWORD> last = FBufSink->TakeUnsent())
            HandleWordPosition(*last);
    // The engine spoke every piece it had before the next one came: the text goes on in the
    // same output.
    if (FPieces) {
        FPiecesQueued = 0;
        if (FeedPieces() > 0)
            return;
    }
    if (Output == soFile && FFileDest)
        FFileDest->Flush();
    if (OnStop)
        OnStop(this);
}

void TMSpeech::HandleWordPosition(std::uint32_t byteOffset) {
    WordOffset = byteOffset;
    std::uint32_t end = std::min<std::uint32_t>(byteOffset, std::uint32_t(FSpokenUtf8.size()));
    if (end < FScanByte) {
        FScanByte = 0;
        FScanChar = 0;
    }
    // Count UTF-16 units from the last position: offsets rise while a text is spoken.
    const auto* bytes = reinterpret_cast<const unsigned char*>(FSpokenUtf8.constData());
    for (; FScanByte < end; ++FScanByte) {
        unsigned char b = bytes[FScanByte];
        if ((b & 0xC0) != 0x80)
            FScanChar += (b >= 0xF0) ? 2 : 1;
    }
    WordCharOffset = FScanChar;
}

} // namespace speech
