// SPDX-License-Identifier: GPL-3.0-or-later
// The WAV file destination: a file that grows past what RIFF can say becomes RF64, and the
// header follows the file as it grows, so a conversion that is killed leaves a file that plays.
// sox, the player the tests have, reads what is written.
#include "AudioDestFile.h"
#include "TestSupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>

using namespace engines;
using namespace speech;

namespace {

std::vector<std::int16_t> Tone(std::size_t count, std::size_t offset = 0) {
    std::vector<std::int16_t> s(count);
    for (std::size_t i = 0; i < count; ++i)
        s[i] = std::int16_t(8000 * std::sin(double(i + offset) * 0.05));
    return s;
}

std::uint32_t Get32(const QByteArray& b, int at) {
    std::uint32_t v;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}
std::uint64_t Get64(const QByteArray& b, int at) {
    std::uint64_t v;
    std::memcpy(&v, b.constData() + at, 8);
    return v;
}

// What sox makes of the file: its samples, as 16-bit mono; empty when it refuses the file.
QByteArray SoxSamples(const QString& path) {
    QProcess p;
    p.start("sox", {"-V1", path, "-t", "raw", "-e", "signed", "-b", "16", "-c", "1", "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

} // namespace

class TestAudioDestFile : public QObject {
    Q_OBJECT
    QTemporaryDir FDir;

    std::shared_ptr<AudioDestFile> Open(const QString& path) {
        auto d = std::make_shared<AudioDestFile>();
        d->RealTimeSet(0); // as fast as it can
        if (d->Set(path.toStdU16String(), 1) != S_OK)
            return nullptr;
        d->StreamStart(AudioFormat{22050, 1});
        return d;
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("sox").isEmpty())
            QSKIP("sox is not installed (scripts/setup installs it)");
    }

    void growsIntoRf64() {
        // A small limit stands for the 4 GB of a real RIFF header.
        AudioDestFile::SetRiffLimitForTests(100000);
        const QString small = FDir.filePath("small.wav"), big = FDir.filePath("big.wav");
        auto tone = Tone(60000);

        auto d = Open(small);
        QVERIFY(d);
        d->StreamWrite(tone.data(), 40000); // 80,000 bytes: still RIFF
        d->StreamEnd({});
        QCOMPARE(d->Flush(), S_OK);
        QByteArray b = testsupport::ReadBytes(small);
        QCOMPARE(b.left(4), QByteArray("RIFF"));
        QCOMPARE(b.mid(12, 4), QByteArray("JUNK")); // room for ds64
        QCOMPARE(b.size(), AudioDestFile::HeaderSize + 80000);
        QCOMPARE(Get32(b, 4), std::uint32_t(b.size() - 8));
        QCOMPARE(SoxSamples(small), b.mid(AudioDestFile::HeaderSize));

        d = Open(big);
        QVERIFY(d);
        d->StreamWrite(tone.data(), 30000);
        d->StreamWrite(tone.data() + 30000, 30000); // 120,000 bytes: beyond the limit
        d->StreamEnd({});
        QCOMPARE(d->Flush(), S_OK);
        b = testsupport::ReadBytes(big);
        QCOMPARE(b.size(), AudioDestFile::HeaderSize + 120000);
        QCOMPARE(b.left(4), QByteArray("RF64"));
        QCOMPARE(Get32(b, 4), 0xFFFFFFFFu);
        QCOMPARE(b.mid(12, 4), QByteArray("ds64")); // the JUNK chunk, turned in place
        QCOMPARE(Get64(b, 20), std::uint64_t(b.size() - 8));
        QCOMPARE(Get64(b, 28), std::uint64_t(120000));
        QCOMPARE(Get64(b, 36), std::uint64_t(60000));
        QCOMPARE(b.mid(72, 4), QByteArray("data"));
        QCOMPARE(Get32(b, 76), 0xFFFFFFFFu);
        // sox reads every sample, those beyond the limit too.
        QByteArray expected(reinterpret_cast<const char*>(tone.data()), 120000);
        QCOMPARE(SoxSamples(big), expected);
        AudioDestFile::SetRiffLimitForTests(UINT64_MAX);
    }

    void aKilledConversionLeavesAPlayableFile() {
        // The header is brought up to date while the file is still open: what a kill leaves
        // behind plays everything but the last seconds at most.
        const QString path = FDir.filePath("killed.wav");
        auto d = Open(path);
        QVERIFY(d);
        auto tone = Tone(22050);
        d->StreamWrite(tone.data(), tone.size());
        QTest::qWait(int(std::chrono::milliseconds(AudioDestFile::HeaderInterval).count()) + 200);
        d->StreamWrite(tone.data(), 1000);
        // The file as another process sees it now, the destination still open.
        QByteArray b = testsupport::ReadBytes(path);
        QCOMPARE(b.size(), AudioDestFile::HeaderSize + 2 * 23050);
        QCOMPARE(Get32(b, 76), std::uint32_t(2 * 23050));
        QCOMPARE(SoxSamples(path).size(), 2 * 23050);
        d->Reset();
    }
};

QTEST_GUILESS_MAIN(TestAudioDestFile)
#include "tst_AudioDestFile.moc"
