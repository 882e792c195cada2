#include "SpeechdEngine.h"

#include "ControlTags.h"
#include "Lexicon.h"
#include "SynthEngine.h"
#include "WordPositions.h"

#include <QUuid>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <libspeechd.h>

namespace engines {

using namespace speech;

namespace {

constexpr int kListSeconds = 30; // the longest a listing may take, a service start included

const GUID& EngineGuid() {
    static const GUID g = [] {
        GUID out;
        GuidFromString("{C41B7E93-5D20-4F8A-B6E1-0A39D72F5C84}", out);
        return out;
    }();
    return g;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct Voice {
    std::string Module, Name;
    TTSMODEINFOA Info;
};

Voice Describe(const std::string& module, const std::string& name, const std::string& language) {
    Voice v{module, name, {}};
    TTSMODEINFOA& i = v.Info;
    const QUuid ns(QStringLiteral("{7c2d91e4-3a6b-4f08-9e15-b84d0c6a2f73}"));
    const QUuid id = QUuid::createUuidV5(ns, QString::fromStdString(module + "/" + name));
    i.gEngineID = EngineGuid();
    i.gModeID.Data1 = id.data1;
    i.gModeID.Data2 = id.data2;
    i.gModeID.Data3 = id.data3;
    std::memcpy(i.gModeID.Data4.data(), id.data4, 8);
    CopyField(i.szMfgName, "Brailcom");
    CopyField(i.szProductName, "speech-dispatcher " + std::to_string(LIBSPEECHD_MAJOR_VERSION) +
                                   "." + std::to_string(LIBSPEECHD_MINOR_VERSION) + "." +
                                   std::to_string(LIBSPEECHD_MICRO_VERSION));
    CopyField(i.szModeName, module + ": " + name);
    CopyField(i.language.szDialect, Lower(language.empty() ? std::string("en") : language));
    CopyField(i.szSpeaker, name);
    CopyField(i.szStyle, module);
    i.wGender = GENDER_NEUTRAL;
    i.dwFeatures = TTSFEATURE_ANYWORD | TTSFEATURE_VOLUME | TTSFEATURE_SPEED | TTSFEATURE_PITCH |
                   TTSFEATURE_TAGGED | TTSFEATURE_WORDPOSITION | TTSFEATURE_FIXEDAUDIO;
    i.dwInterfaces = TTSI_ITTSCENTRAL | TTSI_ITTSATTRIBUTES | TTSI_ITTSDIALOGS;
    return v;
}

// ---------------------------------------------------------------------------------------------
// Listing. libspeechd reads a long reply a line at a time (an espeak-ng module with its
// variants answers 13,000 lines: seconds): the voices are asked for on a socket of our own.

class SsipSocket {
public:
    explicit SsipSocket(const std::string& path) {
        FFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        if (FFd < 0 || path.size() >= sizeof addr.sun_path) {
            Close();
            return;
        }
        std::memcpy(addr.sun_path, path.c_str(), path.size());
        if (::connect(FFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
            Close();
    }
    ~SsipSocket() { Close(); }
    bool Open() const { return FFd >= 0; }

    // Sends one command and reads its reply's lines (without their codes); false on failure or
    // when the deadline passes.
    bool Command(const std::string& command, std::vector<std::string>* lines,
                 std::chrono::steady_clock::time_point deadline) {
        const std::string out = command + "\r\n";
        if (FFd < 0 || ::send(FFd, out.data(), out.size(), MSG_NOSIGNAL) != ssize_t(out.size()))
            return false;
        for (;;) {
            std::size_t eol;
            while ((eol = FBuffer.find("\r\n")) != std::string::npos) {
                std::string line = FBuffer.substr(0, eol);
                FBuffer.erase(0, eol + 2);
                if (line.size() < 4)
                    return false;
                if (line[3] == ' ')
                    return line[0] == '2'; // the last line tells success
                if (lines)
                    lines->push_back(line.substr(4));
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd p{FFd, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, int(left.count())) <= 0)
                return false;
            char buf[65536];
            const ssize_t n = ::recv(FFd, buf, sizeof buf, 0);
            if (n <= 0)
                return false;
            FBuffer.append(buf, std::size_t(n));
        }
    }

private:
    void Close() {
        if (FFd >= 0)
            ::close(FFd);
        FFd = -1;
    }
    int FFd = -1;
    std::string FBuffer;
};

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(sep, from)) != std::string::npos; from = at + 1)
        out.push_back(s.substr(from, at - from));
    out.push_back(s.substr(from));
    return out;
}

// Every module's voices, without their variants (each voice in each variant would be
// thousands); `problem` says why there are none.
std::vector<Voice> ListVoices(std::string& problem) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kListSeconds);
    char* error = nullptr;
    // Opening starts the service when it is not running, as every client of it does.
    SPDConnection* conn =
        spd_open2("nurva", "voices", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    if (!conn) {
        problem = std::string("the speech service cannot be reached") +
                  (error ? std::string(": ") + error : std::string());
        std::free(error);
        return {};
    }
    std::vector<std::string> modules;
    if (char** list = spd_list_modules(conn)) {
        for (char** m = list; *m; ++m)
            if (std::strcmp(*m, "dummy") != 0)
                modules.emplace_back(*m);
        free_spd_modules(list);
    }
    std::vector<Voice> voices;
    char* addressError = nullptr;
    SPDConnectionAddress* address = spd_get_default_address(&addressError);
    std::free(addressError);
    std::unique_ptr<SsipSocket> socket;
    if (address && address->method == SPD_METHOD_UNIX_SOCKET && address->unix_socket_name)
        socket = std::make_unique<SsipSocket>(address->unix_socket_name);
    if (address)
        SPDConnectionAddress__free(address);
    if (socket && !socket->Command("SET SELF CLIENT_NAME user:nurva:voices", nullptr, deadline))
        socket.reset();
    for (const std::string& module : modules) {
        std::vector<std::string> lines;
        if (socket && socket->Command("SET SELF OUTPUT_MODULE " + module, nullptr, deadline) &&
            socket->Command("LIST SYNTHESIS_VOICES", &lines, deadline)) {
            for (const std::string& line : lines) {
                const std::vector<std::string> f = Split(line, '\t');
                if (f.size() >= 2 && !f[0].empty() && (f.size() < 3 || f[2] == "none"))
                    voices.push_back(Describe(module, f[0], f[1]));
            }
            continue;
        }
        // Not on a local socket: through the library, however long it takes.
        spd_set_output_module(conn, module.c_str());
        if (SPDVoice** list = spd_list_synthesis_voices(conn)) {
            for (SPDVoice** v = list; *v; ++v)
                if ((*v)->name && (!(*v)->variant || std::strcmp((*v)->variant, "none") == 0))
                    voices.push_back(
                        Describe(module, (*v)->name, (*v)->language ? (*v)->language : ""));
            free_spd_voices(list);
        }
    }
    spd_close(conn);
    if (voices.empty())
        problem = "the speech service offers no voice";
    return voices;
}

// ---------------------------------------------------------------------------------------------
// Speaking: one connection for each bound voice.

constexpr DWORD kNormalSpeed = 170, kMinSpeed = 80, kMaxSpeed = 450;
constexpr WORD kNormalPitch = 100;

struct Sink {
    std::shared_ptr<ITTSNotifySinkA> basic;
};

struct Event {
    SPDNotificationType type;
    std::string mark;
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
    std::mutex CallMutex; // one call into the library at a time

    std::mutex Mutex;
    std::map<DWORD, Sink> Sinks;
    DWORD NextKey = 1;
    std::map<int, std::shared_ptr<ITTSBufNotifySink>> Pending; // messages not yet ended
    std::map<int, std::vector<Event>> Early; // events that came before their message's id
    int LastId = 0;
    bool Active = false, StartNotified = false;
    DWORD Speed = kNormalSpeed;
    WORD Pitch = kNormalPitch;
    std::uint32_t Volume = 65535;
    bool SettingsSent = false;

    ~Connection() {
        {
            std::lock_guard lock(gConnectionsMutex);
            Connections().erase(ClientId);
        }
        if (Conn)
            spd_close(Conn);
    }

    std::vector<Sink> SinksCopy() {
        std::vector<Sink> out;
        for (auto& [k, s] : Sinks)
            out.push_back(s);
        return out;
    }

    void OnEvent(int id, const Event& e) {
        std::shared_ptr<ITTSBufNotifySink> buf;
        bool start = false, stop = false, done = false;
        std::vector<Sink> sinks;
        {
            std::lock_guard lock(Mutex);
            auto it = Pending.find(id);
            if (it == Pending.end()) {
                if (id > LastId)
                    Early[id].push_back(e); // its id is on its way back to the caller
                return;
            }
            buf = it->second;
            if (e.type == SPD_EVENT_BEGIN && !StartNotified)
                start = StartNotified = true;
            if (e.type == SPD_EVENT_END || e.type == SPD_EVENT_CANCEL) {
                Pending.erase(it);
                done = true;
                if (Pending.empty()) {
                    stop = Active;
                    Active = StartNotified = false;
                }
            }
            sinks = SinksCopy();
        }
        if (start)
            for (auto& s : sinks)
                s.basic->AudioStart(0);
        if (e.type == SPD_EVENT_BEGIN && buf)
            buf->TextDataStarted(0);
        if (e.type == SPD_EVENT_INDEX_MARK && buf) {
            char* end = nullptr;
            const unsigned long offset = std::strtoul(e.mark.c_str(), &end, 10);
            if (end && *end == '\0' && !e.mark.empty())
                buf->WordPosition(0, DWORD(offset));
        }
        if (done && buf)
            buf->TextDataDone(0, 0);
        if (stop)
            for (auto& s : sinks)
                s.basic->AudioStop(0);
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

std::string XmlEscaped(std::string_view s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            // Control characters are not allowed in XML: they become blanks.
            out += (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') ? ' ' : c;
        }
    }
    return out;
}

void AppendMarked(const TextPiece& said, std::string& out) {
    const std::string& t = said.Text();
    for (std::size_t i = 0; i < t.size();) {
        const bool blank = t[i] == ' ' || t[i] == '\t' || t[i] == '\n' || t[i] == '\r';
        if (blank) {
            out += t[i] == '\r' ? ' ' : t[i];
            ++i;
            continue;
        }
        std::size_t end = t.find_first_of(" \t\r\n", i);
        if (end == std::string::npos)
            end = t.size();
        out += "<mark name=\"" + std::to_string(said.SourceOffset(i)) + "\"/>";
        out += XmlEscaped(std::string_view(t).substr(i, end - i));
        i = end;
    }
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
            FConn->Sinks.clear();
        }
        Cancel();
    }

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<SpeechdCentral, ITTSCentralA, ITTSAttributesA, ITTSDialogsA>(
            shared_from_this(), iid, out);
    }

    HRESULT Register(const std::shared_ptr<IUnknown>& sink, const GUID& iid, DWORD& key) override {
        Sink s;
        if ((iid != IID_ITTSNotifySink2A && iid != IID_ITTSNotifySinkA) ||
            Failed(speech::QueryInterface(sink, s.basic)))
            return E_NOINTERFACE;
        std::lock_guard lock(FConn->Mutex);
        key = FConn->NextKey++;
        FConn->Sinks[key] = s;
        return S_OK;
    }
    HRESULT UnRegister(DWORD key) override {
        std::lock_guard lock(FConn->Mutex);
        return FConn->Sinks.erase(key) ? S_OK : E_INVALIDARG;
    }

    HRESULT TextData(DWORD charSet, DWORD flags, const char* text, DWORD length,
                     const std::shared_ptr<IUnknown>& bufSink, const GUID&) override {
        if (charSet != CHARSET_TEXT || (!text && length > 0))
            return E_INVALIDARG;
        std::shared_ptr<ITTSBufNotifySink> buf;
        if (bufSink && Failed(speech::QueryInterface(bufSink, buf)))
            return E_NOINTERFACE;
        const std::string block(text ? text : "", text ? strnlen(text, length) : 0);
        const std::string ssml = SpeechdMarkup(block, (flags & TTSDATAFLAG_TAGGED) != 0);
        int id;
        {
            std::lock_guard call(FConn->CallMutex);
            SendSettings();
            id = spd_say(FConn->Conn, SPD_TEXT, ssml.c_str());
        }
        if (id <= 0)
            return AUDERR_DEVICELOST;
        std::vector<Event> early;
        {
            std::lock_guard lock(FConn->Mutex);
            FConn->Active = true;
            FConn->Pending[id] = buf;
            FConn->LastId = std::max(FConn->LastId, id);
            if (auto it = FConn->Early.find(id); it != FConn->Early.end()) {
                early = std::move(it->second);
                FConn->Early.erase(it);
            }
        }
        for (const Event& e : early)
            FConn->OnEvent(id, e);
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
    // The service pauses at the next word's mark, and goes on from there.
    HRESULT AudioPause() override {
        std::lock_guard call(FConn->CallMutex);
        return spd_pause(FConn->Conn) == 0 ? S_OK : AUDERR_DEVICELOST;
    }
    HRESULT AudioResume() override {
        std::lock_guard call(FConn->CallMutex);
        return spd_resume(FConn->Conn) == 0 ? S_OK : AUDERR_DEVICELOST;
    }
    HRESULT AudioReset() override {
        Cancel();
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
    // The service's scales run from -100 to 100, 0 being the voice's own.
    void SendSettings() {
        DWORD speed;
        WORD pitch;
        std::uint32_t volume;
        {
            std::lock_guard lock(FConn->Mutex);
            if (std::exchange(FConn->SettingsSent, true))
                return;
            speed = FConn->Speed;
            pitch = FConn->Pitch;
            volume = FConn->Volume;
        }
        const int rate = speed < kNormalSpeed
                             ? -int((kNormalSpeed - speed) * 100 / (kNormalSpeed - kMinSpeed))
                             : int((speed - kNormalSpeed) * 100 / (kMaxSpeed - kNormalSpeed));
        spd_set_voice_rate(FConn->Conn, std::clamp(rate, -100, 100));
        spd_set_voice_pitch(
            FConn->Conn, std::clamp((int(pitch) - kNormalPitch) * 100 / kNormalPitch, -100, 100));
        spd_set_volume(FConn->Conn, -100 + int(std::uint64_t(volume) * 100 / 65535));
    }
    void Cancel() {
        bool stop;
        std::vector<Sink> sinks;
        {
            std::lock_guard lock(FConn->Mutex);
            stop = FConn->Active;
            FConn->Active = FConn->StartNotified = false;
            FConn->Pending.clear();
            FConn->Early.clear();
            sinks = FConn->SinksCopy();
        }
        {
            std::lock_guard call(FConn->CallMutex);
            spd_cancel(FConn->Conn);
        }
        if (stop)
            for (auto& s : sinks)
                s.basic->AudioStop(0);
    }

    std::shared_ptr<Connection> FConn;
};

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
        char* error = nullptr;
        SPDConnection* conn =
            spd_open2("nurva", "reading", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
        if (!conn) {
            std::lock_guard lock(FMutex);
            FProblem = std::string("the speech service cannot be reached") +
                       (error ? std::string(": ") + error : std::string());
            std::free(error);
            return AUDERR_NODRIVER;
        }
        auto c = std::make_shared<Connection>();
        c->Conn = conn;
        c->ClientId = spd_get_client_id(conn);
        {
            std::lock_guard lock(gConnectionsMutex);
            Connections()[c->ClientId] = c;
        }
        conn->callback_begin = conn->callback_end = conn->callback_cancel = OnPlain;
        conn->callback_pause = conn->callback_resume = OnPlain;
        conn->callback_im = OnMark;
        spd_set_notification_on(conn, SPD_ALL);
        spd_set_data_mode(conn, SPD_DATA_SSML);
        spd_set_punctuation(conn, SPD_PUNCT_NONE);
        if (spd_set_output_module(conn, voice.Module.c_str()) != 0 ||
            spd_set_synthesis_voice(conn, voice.Name.c_str()) != 0)
            return TTSERR_INVALIDMODE;
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

std::string SpeechdMarkup(const std::string& block, bool tagged) {
    std::shared_ptr<const Lexicon> lexicon = LexiconWithoutPhonemes(CurrentLexicon());
    std::string out = "<speak>";
    ControlTagReader reader(block, tagged);
    TagItem item;
    while (reader.Next(item)) {
        if (item.type == TagItem::Type::Tag) {
            // Pauses the service can make; the other tags are left out.
            if (auto tag = InterpretTag(item); tag && tag->kind == TagKind::Pause)
                out += "<break time=\"" + std::to_string(tag->number) + "ms\"/>";
            continue;
        }
        TextPiece said;
        if (lexicon)
            lexicon->Apply(item.text, std::uint32_t(item.offset), said);
        else
            said.Append(item.text, std::uint32_t(item.offset));
        AppendMarked(said, out);
    }
    out += "</speak>";
    return out;
}

std::shared_ptr<TEngineFamily> CreateSpeechdFamily() {
    return std::make_shared<SpeechdFamily>();
}

} // namespace engines
