// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechdVoices.h"

#include "ModeInfo.h"
#include "SpeechdCalls.h"

#include <QCoreApplication>
#include <QUuid>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <libspeechd.h>

namespace engines::speechd {

using namespace speech;

namespace {

constexpr int kListSeconds = 30; // the longest a listing may take, a service start included
constexpr auto kListAnswer = std::chrono::seconds(kListSeconds);

const GUID& EngineGuid() {
    static const GUID g = [] {
        GUID out;
        GuidFromString("{C41B7E93-5D20-4F8A-B6E1-0A39D72F5C84}", out);
        return out;
    }();
    return g;
}

Voice Describe(const std::string& module, const std::string& name, const std::string& language) {
    Voice v{module, name, {}};
    TTSMODEINFOA& i = v.Info;
    const QUuid ns(QStringLiteral("{7c2d91e4-3a6b-4f08-9e15-b84d0c6a2f73}"));
    const QUuid id = QUuid::createUuidV5(ns, QString::fromStdString(module + "/" + name));
    i.gEngineID = EngineGuid();
    i.gModeID = ToGuid(id);
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

// libspeechd reads a long reply a line at a time (an espeak-ng module with its variants answers
// 13,000 lines: seconds): the voices are asked for on a socket of our own.
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

} // namespace

std::vector<Voice> ListVoices(std::string& problem) {
    HoldBackSigpipe();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kListSeconds);
    char* error = nullptr;
    // Opening starts the service when it is not running, as every client of it does.
    SPDConnection* conn =
        spd_open2("nurva", "voices", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    if (!conn) {
        //: why speech-dispatcher offers no voice, after "speech-dispatcher: " (as the texts
        //: that follow); the library's reason may follow
        problem =
            QCoreApplication::translate("SpeechdEngine", "the speech service cannot be reached")
                .toStdString() +
            (error ? std::string(": ") + error : std::string());
        std::free(error);
        return {};
    }
    std::vector<Voice> voices;
    {
        // However long a module takes to list its voices through the library, it has an end.
        Bounded bound(conn, kListAnswer);
        std::vector<std::string> modules;
        if (char** list = spd_list_modules(conn)) {
            for (char** m = list; *m; ++m)
                if (std::strcmp(*m, "dummy") != 0)
                    modules.emplace_back(*m);
            free_spd_modules(list);
        }
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
            // Not on a local socket: through the library.
            spd_set_output_module(conn, module.c_str());
            if (SPDVoice** list = spd_list_synthesis_voices(conn)) {
                for (SPDVoice** v = list; *v; ++v)
                    if ((*v)->name && (!(*v)->variant || std::strcmp((*v)->variant, "none") == 0))
                        voices.push_back(
                            Describe(module, (*v)->name, (*v)->language ? (*v)->language : ""));
                free_spd_voices(list);
            }
        }
    }
    CloseNow(conn);
    if (voices.empty())
        problem = QCoreApplication::translate("SpeechdEngine", "the speech service offers no voice")
                      .toStdString();
    return voices;
}

} // namespace engines::speechd
