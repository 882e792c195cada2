// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechdEngine.h"

#include "ControlTags.h"
#include "NotifySinks.h"
#include "SpeechdCalls.h"
#include "SpeechdVoices.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include <libspeechd.h>

namespace engines {

using namespace speech;
using namespace speechd;

namespace {

constexpr auto kOpen = std::chrono::seconds(20); // a voice bound, the service's start included

// ---------------------------------------------------------------------------------------------
// Speaking: one connection for each bound voice. A block is handed to the service in parts, a
// few at a time, so that a long document starts at once and a pause loses nothing.

constexpr DWORD kNormalSpeed = 170, kMinSpeed = 80, kMaxSpeed = 450;
constexpr WORD kNormalPitch = 100;
// Parts with the service at a time: one, as a message of the text priority cancels the one
// before it.
constexpr int kPartsAhead = 1;

struct Event {
    SPDNotificationType type;
    std::string mark;
};

struct Block {
    std::string Text;
    bool Tagged = false;
    std::shared_ptr<ITTSBufNotifySink> Buf;
    std::size_t Left = 0; // parts not yet spoken
    bool Begun = false;
};

struct Part {
    std::shared_ptr<Block> Of;
    std::uint32_t Begin = 0, End = 0;
    std::uint32_t From = 0; // said from this word on: the last one heard before a pause
    int Id = 0;             // the service's message, 0 while it has none
    std::uint64_t Seq = 0;
};

struct Connection;
std::mutex gConnectionsMutex;
std::map<int, std::weak_ptr<Connection>>& Connections() {
    static std::map<int, std::weak_ptr<Connection>> c;
    return c;
}

struct Connection : std::enable_shared_from_this<Connection> {
    SPDConnection* Conn = nullptr;
    int ClientId = -1;

    std::mutex Mutex;
    TNotifySinks Sinks;
    // The parts not yet spoken, in order; the first InFlight of them are with the service.
    std::deque<Part> Queue;
    int InFlight = 0;
    std::map<int, std::vector<Event>> Early; // events that came before their message's id
    int LastId = 0;
    std::uint64_t NextSeq = 1;
    std::uint64_t Epoch = 0; // bumped when what is with the service is cancelled
    bool Active = false, StartNotified = false, Paused = false, Broken = false;
    DWORD Speed = kNormalSpeed;
    WORD Pitch = kNormalPitch;
    std::uint32_t Volume = 65535;
    bool SettingsSent = false;

    ~Connection() {
        {
            // A service started again gives its clients the numbers it gave before.
            std::lock_guard lock(gConnectionsMutex);
            if (auto it = Connections().find(ClientId);
                it != Connections().end() && it->second.expired())
                Connections().erase(it);
        }
        if (SPDConnection* conn = Conn)
            Calls().Post([conn] { CloseNow(conn); });
    }

    std::vector<Sink> SinksCopy() { return Sinks.Copy(); } // under the lock

    // Hands the next parts to the service; runs on the calls' thread.
    void Feed() {
        for (;;) {
            std::uint64_t epoch, seq;
            std::string ssml;
            {
                std::lock_guard lock(Mutex);
                if (Paused || Broken || InFlight >= kPartsAhead ||
                    std::size_t(InFlight) >= Queue.size())
                    return;
                const Part& part = Queue[std::size_t(InFlight)];
                const Block& b = *part.Of;
                ssml = SpeechdMarkup(
                    std::string_view(b.Text).substr(part.Begin, part.End - part.Begin), b.Tagged,
                    part.Begin, part.From);
                epoch = Epoch;
                seq = part.Seq;
                ++InFlight;
            }
            SendSettings();
            int id;
            {
                Bounded bound(Conn);
                id = spd_say(Conn, SPD_TEXT, ssml.c_str());
            }
            std::vector<Event> early;
            {
                std::lock_guard lock(Mutex);
                LastId = std::max(LastId, id);
                if (Epoch != epoch)
                    continue; // cancelled meanwhile: the cancel that follows takes it too
                if (id <= 0) {
                    Broken = true;
                    break;
                }
                for (Part& p : Queue)
                    if (p.Seq == seq)
                        p.Id = id;
                if (auto it = Early.find(id); it != Early.end()) {
                    early = std::move(it->second);
                    Early.erase(it);
                }
            }
            for (const Event& e : early)
                OnEvent(id, e);
        }
        Abort(AUDERR_DEVICELOST);
    }

    // The service's scales run from -100 to 100, 0 being the voice's own.
    void SendSettings() {
        DWORD speed;
        WORD pitch;
        std::uint32_t volume;
        {
            std::lock_guard lock(Mutex);
            if (std::exchange(SettingsSent, true))
                return;
            speed = Speed;
            pitch = Pitch;
            volume = Volume;
        }
        const int rate = speed < kNormalSpeed
                             ? -int((kNormalSpeed - speed) * 100 / (kNormalSpeed - kMinSpeed))
                             : int((speed - kNormalSpeed) * 100 / (kMaxSpeed - kNormalSpeed));
        Bounded bound(Conn);
        spd_set_voice_rate(Conn, std::clamp(rate, -100, 100));
        spd_set_voice_pitch(
            Conn, std::clamp((int(pitch) - kNormalPitch) * 100 / kNormalPitch, -100, 100));
        spd_set_volume(Conn, -100 + int(std::uint64_t(volume) * 100 / 65535));
    }

    void Cancel() {
        Calls().Post([self = shared_from_this()] {
            Bounded bound(self->Conn);
            spd_cancel(self->Conn);
        });
    }

    // Ends the reading: nothing more is said; an error first when `reason` is one.
    void Abort(HRESULT reason) {
        bool stop;
        std::vector<Sink> sinks;
        {
            std::lock_guard lock(Mutex);
            stop = Active;
            Active = StartNotified = Paused = false;
            Queue.clear();
            InFlight = 0;
            Early.clear();
            ++Epoch;
            sinks = SinksCopy();
        }
        Cancel();
        if (reason != S_OK)
            NotifyError(sinks, reason,
                        QCoreApplication::translate(
                            "Connection", "The speech service does not answer, or has gone.")
                            .toStdString());
        if (stop)
            NotifyStop(sinks);
    }

    void OnEvent(int id, const Event& e) {
        std::shared_ptr<ITTSBufNotifySink> buf;
        bool start = false, begun = false, done = false, stop = false, more = false;
        bool interrupted = false;
        std::optional<DWORD> word;
        std::vector<Sink> sinks;
        {
            std::lock_guard lock(Mutex);
            auto it = std::find_if(Queue.begin(), Queue.begin() + InFlight,
                                   [id](const Part& p) { return p.Id == id; });
            if (it == Queue.begin() + InFlight) {
                if (id > LastId)
                    Early[id].push_back(e); // its id is on its way back to the caller
                return;
            }
            Block& b = *it->Of;
            buf = b.Buf;
            if (e.type == SPD_EVENT_BEGIN) {
                start = !std::exchange(StartNotified, true);
                begun = !std::exchange(b.Begun, true);
            } else if (e.type == SPD_EVENT_INDEX_MARK) {
                char* end = nullptr;
                const unsigned long offset = std::strtoul(e.mark.c_str(), &end, 10);
                if (!e.mark.empty() && end && *end == '\0') {
                    it->From = std::uint32_t(offset);
                    word = DWORD(offset);
                }
            } else if (e.type == SPD_EVENT_END) {
                done = --b.Left == 0;
                Queue.erase(it);
                --InFlight;
                more = true;
                if (Queue.empty()) {
                    stop = Active;
                    Active = StartNotified = false;
                }
            } else if (e.type == SPD_EVENT_CANCEL) {
                interrupted = true; // by another program's message: the reading ends
            }
            sinks = SinksCopy();
        }
        if (interrupted)
            return Abort(S_OK);
        if (start)
            NotifyStart(sinks);
        if (begun && buf)
            buf->TextDataStarted(0);
        if (word && buf)
            buf->WordPosition(0, *word);
        if (done && buf)
            buf->TextDataDone(0, 0);
        if (stop)
            NotifyStop(sinks);
        if (more)
            Calls().Post([self = shared_from_this()] { self->Feed(); });
    }
};

void Dispatch(std::size_t msgId, std::size_t clientId, SPDNotificationType type, const char* mark) {
    std::shared_ptr<Connection> c;
    {
        std::lock_guard lock(gConnectionsMutex);
        auto it = Connections().find(int(clientId));
        if (it != Connections().end())
            c = it->second.lock();
    }
    if (c)
        c->OnEvent(int(msgId), Event{type, mark ? mark : ""});
}

void OnPlain(std::size_t msgId, std::size_t clientId, SPDNotificationType type) {
    Dispatch(msgId, clientId, type, nullptr);
}
void OnMark(std::size_t msgId, std::size_t clientId, SPDNotificationType type, char* mark) {
    Dispatch(msgId, clientId, type, mark);
}

class SpeechdCentral : public ITTSCentralA,
                       public ITTSAttributesA,
                       public ITTSDialogsA,
                       public std::enable_shared_from_this<SpeechdCentral> {
public:
    explicit SpeechdCentral(std::shared_ptr<Connection> c) : FConn(std::move(c)) {}
    ~SpeechdCentral() override {
        {
            std::lock_guard lock(FConn->Mutex);
            FConn->Sinks.Clear();
        }
        FConn->Abort(S_OK);
    }

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<SpeechdCentral, ITTSCentralA, ITTSAttributesA, ITTSDialogsA>(
            shared_from_this(), iid, out);
    }

    HRESULT Register(const std::shared_ptr<IUnknown>& sink, const GUID& iid, DWORD& key) override {
        Sink s;
        if (HRESULT hr = TNotifySinks::Of(sink, iid, s); Failed(hr))
            return hr;
        std::lock_guard lock(FConn->Mutex);
        key = FConn->Sinks.Add(std::move(s));
        return S_OK;
    }
    HRESULT UnRegister(DWORD key) override {
        std::lock_guard lock(FConn->Mutex);
        return FConn->Sinks.Remove(key) ? S_OK : E_INVALIDARG;
    }

    HRESULT TextData(DWORD charSet, DWORD flags, const char* text, DWORD length,
                     const std::shared_ptr<IUnknown>& bufSink, const GUID&) override {
        if (charSet != CHARSET_TEXT || (!text && length > 0))
            return E_INVALIDARG;
        auto block = std::make_shared<Block>();
        if (bufSink && Failed(speech::QueryInterface(bufSink, block->Buf)))
            return E_NOINTERFACE;
        block->Text.assign(text ? text : "", text ? strnlen(text, length) : 0);
        block->Tagged = (flags & TTSDATAFLAG_TAGGED) != 0;
        const auto parts = SpeechdParts(block->Text, block->Tagged);
        block->Left = parts.size();
        {
            std::lock_guard lock(FConn->Mutex);
            if (FConn->Broken)
                return AUDERR_DEVICELOST;
            FConn->Active = true;
            for (auto [begin, end] : parts)
                FConn->Queue.push_back(Part{block, begin, end, begin, 0, FConn->NextSeq++});
        }
        // Text that comes during a pause waits for the resume, as the service's own would.
        Calls().Post([c = FConn] { c->Feed(); });
        return S_OK;
    }
    HRESULT Inject(const char* tag) override {
        if (!tag)
            return E_INVALIDARG;
        ControlTagReader reader(tag);
        TagItem item;
        while (reader.Next(item))
            if (item.type == TagItem::Type::Tag)
                if (auto t = InterpretTag(item)) {
                    std::lock_guard lock(FConn->Mutex);
                    if (t->kind == TagKind::Speed)
                        FConn->Speed = std::clamp<DWORD>(t->number, kMinSpeed, kMaxSpeed);
                    else if (t->kind == TagKind::Pitch)
                        FConn->Pitch = WORD(std::clamp<std::uint32_t>(t->number, 50, 400));
                    else if (t->kind == TagKind::Volume)
                        FConn->Volume = std::min<std::uint32_t>(t->number, 65535);
                    FConn->SettingsSent = false;
                }
        return S_OK;
    }
    // The service's own pause lets what it has made play on for seconds, and its resume goes
    // on after the last word it made rather than the last one heard: a pause cancels what is
    // with the service instead, and the resume hands it over again from the word heard last
    // (from the part's start with a module that reports no marks).
    HRESULT AudioPause() override {
        {
            std::lock_guard lock(FConn->Mutex);
            if (FConn->Paused)
                return S_OK;
            FConn->Paused = true;
            ++FConn->Epoch;
            for (int i = 0; i < FConn->InFlight; ++i)
                FConn->Queue[std::size_t(i)].Id = 0; // their cancellations end nothing
            FConn->InFlight = 0;
            FConn->Early.clear();
        }
        FConn->Cancel();
        return S_OK;
    }
    HRESULT AudioResume() override {
        {
            std::lock_guard lock(FConn->Mutex);
            if (!FConn->Paused)
                return S_OK;
            FConn->Paused = false;
        }
        Calls().Post([c = FConn] { c->Feed(); });
        return S_OK;
    }
    HRESULT AudioReset() override {
        FConn->Abort(S_OK);
        return S_OK;
    }

    HRESULT PitchGet(WORD& pitch) override {
        std::lock_guard lock(FConn->Mutex);
        pitch = FConn->Pitch;
        return S_OK;
    }
    HRESULT PitchSet(WORD pitch) override {
        std::lock_guard lock(FConn->Mutex);
        FConn->Pitch = std::clamp<WORD>(pitch, 50, 400);
        FConn->SettingsSent = false;
        return S_OK;
    }
    HRESULT RealTimeGet(DWORD& realTime) override {
        realTime = 1; // the service speaks in real time
        return S_OK;
    }
    HRESULT RealTimeSet(DWORD) override { return S_OK; }
    HRESULT SpeedGet(DWORD& speed) override {
        std::lock_guard lock(FConn->Mutex);
        speed = FConn->Speed;
        return S_OK;
    }
    HRESULT SpeedSet(DWORD speed) override {
        std::lock_guard lock(FConn->Mutex);
        FConn->Speed = std::clamp(speed, kMinSpeed, kMaxSpeed);
        FConn->SettingsSent = false;
        return S_OK;
    }
    HRESULT VolumeGet(DWORD& volume) override {
        std::lock_guard lock(FConn->Mutex);
        volume = FConn->Volume | (FConn->Volume << 16);
        return S_OK;
    }
    HRESULT VolumeSet(DWORD volume) override {
        std::lock_guard lock(FConn->Mutex);
        FConn->Volume = volume & 0xFFFF;
        FConn->SettingsSent = false;
        return S_OK;
    }

    HRESULT AboutDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }
    HRESULT GeneralDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }
    HRESULT LexiconDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }
    HRESULT TranslateDlg(HWND, const char*) override { return TTSERR_NOTSUPPORTED; }

private:
    std::shared_ptr<Connection> FConn;
};

// Opens a connection for reading aloud with `voice`, on a thread of its own so that the caller
// waits a bounded time; null (with `problem`) when the service cannot be reached or does not
// answer. One attempt at a time: a service that holds one is not asked again meanwhile.
struct Opening {
    std::mutex Mutex;
    std::condition_variable Done;
    bool Finished = false, Abandoned = false;
    SPDConnection* Conn = nullptr;
    int ClientId = -1;
    std::string Problem;
};
std::atomic<bool> gOpening{false};

SPDConnection* OpenFor(const std::string& module, const std::string& name, int& clientId,
                       std::string& problem) {
    if (gOpening.exchange(true)) {
        problem = QCoreApplication::translate("SpeechdEngine", "the speech service does not answer")
                      .toStdString();
        return nullptr;
    }
    auto o = std::make_shared<Opening>();
    std::thread([o, module, name] {
        HoldBackSigpipe(); // and the library's own thread, started here, inherits it
        char* error = nullptr;
        // Opening starts the service when it is not running, as every client of it does.
        SPDConnection* conn =
            spd_open2("nurva", "reading", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
        std::string problem;
        int id = -1;
        if (!conn) {
            problem =
                QCoreApplication::translate("SpeechdEngine", "the speech service cannot be reached")
                    .toStdString() +
                (error ? std::string(": ") + error : std::string());
        } else {
            Bounded bound(conn, kOpen); // a module's first start reads all its voices
            conn->callback_begin = conn->callback_end = conn->callback_cancel = OnPlain;
            conn->callback_im = OnMark;
            if (spd_set_notification_on(conn, SPD_BEGIN) != 0 ||
                spd_set_notification_on(conn, SPD_END) != 0 ||
                spd_set_notification_on(conn, SPD_CANCEL) != 0 ||
                spd_set_notification_on(conn, SPD_INDEX_MARKS) != 0 ||
                spd_set_data_mode(conn, SPD_DATA_SSML) != 0 ||
                spd_set_punctuation(conn, SPD_PUNCT_NONE) != 0 ||
                spd_set_output_module(conn, module.c_str()) != 0 ||
                spd_set_synthesis_voice(conn, name.c_str()) != 0 ||
                (id = spd_get_client_id(conn)) < 0) {
                //: %1 is the speech service's module, %2 the voice's name
                problem = QCoreApplication::translate("SpeechdEngine",
                                                      "the speech service refused the voice %1: %2")
                              .arg(QString::fromStdString(module), QString::fromStdString(name))
                              .toStdString();
            }
        }
        std::free(error);
        std::lock_guard lock(o->Mutex);
        if (!problem.empty() || o->Abandoned) {
            if (conn)
                CloseNow(conn);
            conn = nullptr;
        }
        o->Conn = conn;
        o->ClientId = id;
        o->Problem = problem;
        o->Finished = true;
        o->Done.notify_all();
        gOpening = false;
    }).detach();
    std::unique_lock lock(o->Mutex);
    // Starting the service and its module may take long on a busy machine.
    if (!o->Done.wait_for(lock, kOpen, [&] { return o->Finished; })) {
        o->Abandoned = true;
        problem = QCoreApplication::translate("SpeechdEngine", "the speech service does not answer")
                      .toStdString();
        return nullptr;
    }
    problem = o->Problem;
    clientId = o->ClientId;
    return o->Conn;
}

class SpeechdFamily : public TEngineFamily {
public:
    std::string Name() const override { return "speech-dispatcher"; }
    std::string Id() const override { return "speech-dispatcher"; }

    std::vector<TTSMODEINFOA> Modes() override {
        std::lock_guard lock(FMutex);
        std::vector<TTSMODEINFOA> out;
        for (const Voice& v : FVoices)
            out.push_back(v.Info);
        return out;
    }
    bool Listed() override { return FListed; }
    void StartListing(std::function<void()> listed) override {
        {
            std::lock_guard lock(FMutex);
            if (!FListed) {
                FWaiting.push_back(std::move(listed));
                if (std::exchange(FStarted, true))
                    return;
                listed = nullptr;
            }
        }
        if (listed)
            return listed();
        std::thread([this] {
            std::string problem;
            std::vector<Voice> voices = ListVoices(problem);
            std::vector<std::function<void()>> waiting;
            {
                std::lock_guard lock(FMutex);
                FVoices = std::move(voices);
                FProblem = problem;
                FListed = true;
                waiting.swap(FWaiting);
            }
            for (auto& fn : waiting)
                fn();
        }).detach();
    }

    HRESULT Select(const TTSMODEINFOA& mode, std::shared_ptr<ITTSCentralA>& central,
                   const std::shared_ptr<IUnknown>& destination) override {
        // Its sound is the service's: a file can not be written with it.
        if (!destination || std::dynamic_pointer_cast<IAudioFile>(destination))
            return TTSERR_NOTSUPPORTED;
        Voice voice;
        {
            std::lock_guard lock(FMutex);
            auto it = std::find_if(FVoices.begin(), FVoices.end(),
                                   [&](const Voice& v) { return v.Info.gModeID == mode.gModeID; });
            if (it == FVoices.end())
                return TTSERR_INVALIDMODE;
            voice = *it;
        }
        std::string problem;
        int clientId = -1;
        SPDConnection* conn = OpenFor(voice.Module, voice.Name, clientId, problem);
        if (!conn) {
            std::lock_guard lock(FMutex);
            FProblem = problem;
            return AUDERR_NODRIVER;
        }
        auto c = std::make_shared<Connection>();
        c->Conn = conn;
        c->ClientId = clientId;
        {
            std::lock_guard lock(gConnectionsMutex);
            Connections()[c->ClientId] = c;
        }
        central = std::make_shared<SpeechdCentral>(std::move(c));
        return S_OK;
    }

    std::string Problem() override {
        std::lock_guard lock(FMutex);
        return FProblem;
    }

private:
    std::mutex FMutex;
    std::atomic<bool> FListed{false};
    bool FStarted = false;
    std::vector<std::function<void()>> FWaiting;
    std::vector<Voice> FVoices;
    std::string FProblem;
};

} // namespace

std::shared_ptr<TEngineFamily> CreateSpeechdFamily() {
    return std::make_shared<SpeechdFamily>();
}

} // namespace engines
