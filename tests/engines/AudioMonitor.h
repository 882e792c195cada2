// SPDX-License-Identifier: GPL-3.0-or-later
// What the listener hears: a private sound server with a null sink, and a recorder on its
// monitor that knows when each recorded sample arrived. Used by the sound-output tests and
// benchmarks.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

namespace testsupport {

// Milliseconds on the monotonic clock every QElapsedTimer of the process shares.
qint64 NowMs();
inline qint64 AbsMs(const QElapsedTimer& t, qint64 elapsed) {
    return t.msecsSinceReference() + elapsed;
}

// Starts scripts/pulse-test-server and puts its variables into this process's environment;
// stops the server again when destroyed.
class PulseTestServer {
public:
    ~PulseTestServer() { Stop(); }
    // False, with the reason in Error(), when the server cannot be started.
    bool Start();
    void Stop();
    QString Error() const { return FError; }
    QString Monitor() const { return FMonitor; }
    // The server's process id (tests stop it with SIGSTOP to make a hung server); 0 when none.
    qint64 ServerPid() const;

private:
    QTemporaryDir FDir{QDir::tempPath() + "/nurva-pulse-XXXXXX"};
    QString FError, FMonitor;
    bool FStarted = false;
};

// Records the monitor as mono 16-bit at `rate`; runs on the event loop (use WaitFor).
class MonitorRecorder {
public:
    static constexpr int kRate = 22050;
    MonitorRecorder();
    ~MonitorRecorder() { Stop(); }
    bool Start(const QString& monitor);
    void Stop();
    void Clear();

    // Takes what parec has delivered so far.
    void Poll();
    const std::vector<std::int16_t>& Samples() const { return FSamples; }
    // The time (NowMs) when sample `index` was played, and the inverse.
    qint64 TimeOf(std::size_t index) const;
    std::size_t IndexAt(qint64 ms) const;
    // When the chunk holding sample `index` arrived: the sample was played no later.
    qint64 ArrivalOf(std::size_t index) const;
    // First / last sample louder than `threshold` from `from` on; SIZE_MAX when none.
    std::size_t FirstLoud(std::size_t from = 0, int threshold = 300) const;
    std::size_t LastLoud(int threshold = 300) const;
    // Largest magnitude of the samples played between the two times.
    int Peak(qint64 fromMs, qint64 toMs) const;

private:
    struct Arrival {
        std::size_t end; // samples recorded once this chunk arrived
        qint64 ms;
    };
    QProcess FProc;
    QByteArray FRest;
    std::vector<std::int16_t> FSamples;
    std::vector<Arrival> FArrivals;
};

} // namespace testsupport
