// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechdCalls.h"

#include <algorithm>
#include <condition_variable>
#include <csignal>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include <pthread.h>
#include <sys/socket.h>

namespace engines::speechd {

namespace {

// A call that has not come back by its deadline has its connection shut under it, which ends
// the call, and every later one on that connection, with an error.
class Deadlines {
public:
    static Deadlines& Get() {
        static Deadlines* d = new Deadlines; // its thread runs until the process ends
        return *d;
    }
    std::uint64_t Arm(int fd, std::chrono::steady_clock::duration limit) {
        std::lock_guard lock(FMutex);
        const std::uint64_t id = FNext++;
        FArmed[id] = {std::chrono::steady_clock::now() + limit, fd};
        FChanged.notify_one();
        return id;
    }
    void Disarm(std::uint64_t id) {
        std::lock_guard lock(FMutex);
        FArmed.erase(id);
    }

private:
    Deadlines() {
        std::thread([this] { Loop(); }).detach();
    }
    void Loop() {
        std::unique_lock lock(FMutex);
        for (;;) {
            if (FArmed.empty()) {
                FChanged.wait(lock);
                continue;
            }
            auto first = std::min_element(FArmed.begin(), FArmed.end(), [](auto& a, auto& b) {
                return a.second.first < b.second.first;
            });
            // A copy: the wait lets go of the lock, and the entry may be disarmed meanwhile.
            const std::chrono::steady_clock::time_point due = first->second.first;
            if (std::chrono::steady_clock::now() < due) {
                FChanged.wait_until(lock, due);
                continue;
            }
            ::shutdown(first->second.second, SHUT_RDWR);
            FArmed.erase(first);
        }
    }

    std::mutex FMutex;
    std::condition_variable FChanged;
    std::map<std::uint64_t, std::pair<std::chrono::steady_clock::time_point, int>> FArmed;
    std::uint64_t FNext = 1;
};

} // namespace

// A service that has gone must make a call fail, not end the program: the library writes to
// its socket without guarding against that.
void HoldBackSigpipe() {
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
}

Bounded::Bounded(SPDConnection* c, std::chrono::steady_clock::duration limit)
    : FId(Deadlines::Get().Arm(c->socket, limit)) {}

Bounded::~Bounded() {
    Deadlines::Get().Disarm(FId);
}

void CloseNow(SPDConnection* conn) {
    ::shutdown(conn->socket, SHUT_RDWR);
    spd_close(conn);
}

TSynthWorker& Calls() {
    static TSynthWorker* worker = [] {
        auto* w = new TSynthWorker;
        w->Post(HoldBackSigpipe);
        return w;
    }();
    return *worker;
}

} // namespace engines::speechd
