// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioMonitor.h"

#include <QDir>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstring>

namespace testsupport {

qint64 NowMs() {
    QElapsedTimer t;
    t.start();
    return t.msecsSinceReference();
}

namespace {
QString Script() {
    QString dir = qEnvironmentVariable("NURVA_SCRIPTS");
    return (dir.isEmpty() ? QStringLiteral(NURVA_SCRIPTS_DIR) : dir) + "/pulse-test-server";
}
} // namespace

qint64 PulseTestServer::ServerPid() const {
    QFile f(FDir.path() + "/run/pulseaudio.pid");
    return FStarted && f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().toLongLong() : 0;
}

bool PulseTestServer::Start() {
    if (!FDir.isValid()) {
        FError = "no temporary folder";
        return false;
    }
    QProcess p;
    p.start(Script(), {"start", FDir.path() + "/run"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished(2000);
        FError = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        if (FError.isEmpty())
            FError = "the test sound server did not start";
        Stop();
        return false;
    }
    FStarted = true;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        QByteArray name = line.left(eq), value = line.mid(eq + 1);
        if (name == "NURVA_TEST_MONITOR")
            FMonitor = QString::fromLocal8Bit(value);
        qputenv(name.constData(), value);
    }
    return !FMonitor.isEmpty();
}

void PulseTestServer::Stop() {
    if (!FStarted)
        return;
    FStarted = false;
    QProcess p;
    p.start(Script(), {"stop", FDir.path() + "/run"});
    if (!p.waitForFinished(15000))
        p.kill();
}

MonitorRecorder::MonitorRecorder() {
    QObject::connect(&FProc, &QProcess::readyReadStandardOutput, [this] { Poll(); });
}

bool MonitorRecorder::Start(const QString& monitor) {
    FProc.start("parec", {"--latency-msec=10", "-d", monitor, "--raw", "--format=s16le",
                          "--channels=1", QString("--rate=%1").arg(kRate)});
    if (!FProc.waitForStarted(5000))
        return false;
    // Wait for the first audio, so that the recording covers what follows.
    QElapsedTimer t;
    t.start();
    while (FSamples.empty() && t.elapsed() < 5000) {
        FProc.waitForReadyRead(100);
        Poll();
    }
    return !FSamples.empty();
}

void MonitorRecorder::Stop() {
    if (FProc.state() == QProcess::NotRunning)
        return;
    FProc.kill();
    FProc.waitForFinished(2000);
}

void MonitorRecorder::Clear() {
    Poll();
    FSamples.clear();
    FArrivals.clear();
}

void MonitorRecorder::Poll() {
    QByteArray data = FRest + FProc.readAllStandardOutput();
    qsizetype whole = data.size() / 2 * 2;
    FRest = data.mid(whole);
    if (whole == 0)
        return;
    std::size_t at = FSamples.size();
    FSamples.resize(at + std::size_t(whole / 2));
    std::memcpy(FSamples.data() + at, data.constData(), std::size_t(whole));
    FArrivals.push_back({FSamples.size(), NowMs()});
}

qint64 MonitorRecorder::TimeOf(std::size_t index) const {
    auto it = std::lower_bound(FArrivals.begin(), FArrivals.end(), index + 1,
                               [](const Arrival& a, std::size_t i) { return a.end < i; });
    if (it == FArrivals.end())
        return FArrivals.empty() ? 0 : FArrivals.back().ms;
    // The chunk's last sample was played just before it arrived.
    return it->ms - qint64(it->end - index) * 1000 / kRate;
}

qint64 MonitorRecorder::ArrivalOf(std::size_t index) const {
    auto it = std::lower_bound(FArrivals.begin(), FArrivals.end(), index + 1,
                               [](const Arrival& a, std::size_t i) { return a.end < i; });
    return it == FArrivals.end() ? NowMs() : it->ms;
}

std::size_t MonitorRecorder::IndexAt(qint64 ms) const {
    for (const Arrival& a : FArrivals)
        if (a.ms >= ms) {
            qint64 back = (a.ms - ms) * kRate / 1000;
            return back >= qint64(a.end) ? 0 : a.end - std::size_t(back);
        }
    return FSamples.size();
}

std::size_t MonitorRecorder::FirstLoud(std::size_t from, int threshold) const {
    for (std::size_t i = from; i < FSamples.size(); ++i)
        if (std::abs(FSamples[i]) > threshold)
            return i;
    return SIZE_MAX;
}

std::size_t MonitorRecorder::LastLoud(int threshold) const {
    for (std::size_t i = FSamples.size(); i-- > 0;)
        if (std::abs(FSamples[i]) > threshold)
            return i;
    return SIZE_MAX;
}

int MonitorRecorder::Peak(qint64 fromMs, qint64 toMs) const {
    int peak = 0;
    std::size_t to = std::min(IndexAt(toMs), FSamples.size());
    for (std::size_t i = IndexAt(fromMs); i < to; ++i)
        peak = std::max(peak, std::abs(int(FSamples[i])));
    return peak;
}

} // namespace testsupport
