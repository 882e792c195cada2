// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <cmath>
#include <cstring>

namespace testsupport {

namespace {
std::uint32_t Get32(const char* p) {
    auto u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (std::uint32_t(u[3]) << 24);
}
std::uint16_t Get16(const char* p) {
    auto u = reinterpret_cast<const unsigned char*>(p);
    return std::uint16_t(u[0] | (u[1] << 8));
}
} // namespace

Wav ReadWav(const QString& path) {
    Wav w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return w;
    QByteArray all = f.readAll();
    if (all.size() < 44 || std::memcmp(all.constData(), "RIFF", 4) != 0 ||
        std::memcmp(all.constData() + 8, "WAVE", 4) != 0)
        return w;
    w.riffSize = Get32(all.constData() + 4);
    qsizetype pos = 12;
    bool fmt = false;
    while (pos + 8 <= all.size()) {
        const char* chunk = all.constData() + pos;
        std::uint32_t size = Get32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            if (Get16(chunk + 8) != 1)
                return w;
            w.channels = Get16(chunk + 10);
            w.sampleRate = int(Get32(chunk + 12));
            w.bits = Get16(chunk + 22);
            fmt = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            w.dataSize = size;
            qsizetype avail = all.size() - pos - 8;
            if (!fmt || w.bits != 16 || qsizetype(size) > avail)
                return w;
            w.samples.resize(size / 2);
            std::memcpy(w.samples.data(), chunk + 8, w.samples.size() * 2);
            w.valid = w.riffSize == std::uint32_t(all.size() - 8);
            return w;
        }
        pos += 8 + size + (size & 1);
    }
    return w;
}

double Rms(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    to = std::min(to, s.size());
    if (from >= to)
        return 0;
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(to - from)) / 32768.0;
}

double SoundingSeconds(const Wav& wav, int threshold) {
    std::size_t first = SIZE_MAX, last = 0;
    for (std::size_t i = 0; i < wav.samples.size(); ++i) {
        if (std::abs(int(wav.samples[i])) > threshold) {
            first = std::min(first, i);
            last = i;
        }
    }
    if (first == SIZE_MAX || wav.sampleRate == 0)
        return 0;
    return double(last - first) / wav.sampleRate / std::max(1, wav.channels);
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QString ReadText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QJsonObject Probe(const QString& path) {
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-show_format", "-show_streams", "-show_chapters", "-of",
                        "json", path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QVariantMap ProbeTags(const QJsonObject& probe) {
    QVariantMap tags;
    auto take = [&](const QJsonObject& o) {
        for (auto it = o.begin(); it != o.end(); ++it)
            tags[it.key().toLower()] = it.value().toString();
    };
    take(probe["format"].toObject()["tags"].toObject());
    for (const QJsonValue& s : probe["streams"].toArray())
        take(s.toObject()["tags"].toObject());
    return tags;
}

} // namespace testsupport
