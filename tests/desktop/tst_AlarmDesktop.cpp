// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, on a clock shifted by libfaketime, heard on a private sound server: the
// talking clock speaks at its minute, a reminder at its moment (and shows its box), and a
// sound alarm plays its WAV file, or the default sound when the file is missing.
#include "AlarmLogic.h"
#include "AudioMonitor.h"
#include "Global.h"
#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace settings;
using namespace testsupport;

namespace {

const QDate Day(2026, 12, 24);

QByteArray ToneWav(int hz, double seconds) {
    const int rate = 44100, frames = int(rate * seconds);
    QByteArray d;
    auto u32 = [&](quint32 v) { d.append(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](quint16 v) { d.append(reinterpret_cast<const char*>(&v), 2); };
    d += "RIFF";
    u32(36 + frames * 4);
    d += "WAVEfmt ";
    u32(16), u16(1), u16(2), u32(rate), u32(rate * 4), u16(4), u16(16);
    d += "data";
    u32(frames * 4);
    for (int i = 0; i < frames; ++i) {
        const auto v = quint16(qint16(9000 * std::sin(i * 2 * M_PI * hz / rate)));
        u16(v), u16(v);
    }
    return d;
}

} // namespace

class TestAlarmDesktop : public QObject {
    Q_OBJECT

    PulseTestServer FServer;
    MonitorRecorder FMonitor;
    QTemporaryDir FDir;
    QString FApp, FFakeTime, FClockFile;
    QProcess FProgram;
    qint64 FStarted = 0;

    // Starts the program with these settings (none: with the config.ini it left), its clock
    // showing `start` from now on. The clock is an offset in a file that libfaketime reads
    // again every second, so that the test can move it while the program runs.
    void Start(const QDateTime& start, const std::function<void()>& tweak) {
        if (tweak) {
            LoadDefaultSettings(FApp);
            Settings.Greeting = false;
            Settings.Tray = false;
            tweak();
            SaveSettings(FApp);
        }
        SetClock(start);
        FMonitor.Poll();
        FProgram.setWorkingDirectory(FApp);
        FProgram.setProcessChannelMode(QProcess::ForwardedChannels);
        // libfaketime preloaded into the program itself (the faketime command would stand
        // between the test and the program, and a SIGTERM would reach only the command).
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb"); // on the test's X desktop, where its boxes show
        env.insert("LD_PRELOAD", FFakeTime);
        env.insert("FAKETIME_TIMESTAMP_FILE", FClockFile);
        env.insert("FAKETIME_CACHE_DURATION", "1");
        env.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
        // A sanitized build would refuse a library preloaded before its runtime.
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        FProgram.setProcessEnvironment(env);
        FProgram.start(FApp + "nurva", {});
        FStarted = NowMs();
        QVERIFY(FProgram.waitForStarted(5000));
    }

    // From now on the program's clock shows `at` (within the second libfaketime caches it).
    void SetClock(const QDateTime& at) {
        const qint64 ms = at.toMSecsSinceEpoch() - QDateTime::currentMSecsSinceEpoch();
        WriteBytes(FClockFile, (ms < 0 ? QByteArray() : QByteArray("+")) +
                                   QByteArray::number(double(ms) / 1000, 'f', 3) + "\n");
    }

    void Stop() {
        if (FProgram.state() == QProcess::NotRunning)
            return;
        FProgram.terminate();
        if (!FProgram.waitForFinished(10000)) {
            FProgram.kill();
            FProgram.waitForFinished(5000);
        }
    }

    // The first moment from `fromMs` on at which sound is heard; -1 when none comes by `toMs`.
    qint64 Heard(qint64 fromMs, qint64 toMs) {
        WaitFor([] { return false; }, int(std::max<qint64>(0, toMs - NowMs())));
        FMonitor.Poll();
        const std::size_t i = FMonitor.FirstLoud(FMonitor.IndexAt(fromMs));
        if (i == SIZE_MAX || FMonitor.TimeOf(i) > toMs)
            return -1;
        return FMonitor.TimeOf(i);
    }

    // Zero crossings per second of what was heard in the 100 ms after `fromMs`, halved (the
    // default sound is a beep of 150 ms).
    double Pitch(qint64 fromMs) {
        const std::size_t a = FMonitor.IndexAt(fromMs + 10), b = FMonitor.IndexAt(fromMs + 110);
        int crossings = 0;
        for (std::size_t k = a + 1; k < b && k < FMonitor.Samples().size(); ++k)
            crossings += (FMonitor.Samples()[k - 1] < 0) != (FMonitor.Samples()[k] < 0);
        return crossings / 2.0 / (double(b - a) / MonitorRecorder::kRate);
    }

    // How long the sound heard first after `fromMs` lasts, pauses of less than a second
    // within it included; 0 when none is heard by `toMs`.
    double SoundSeconds(qint64 fromMs, qint64 toMs) {
        const qint64 first = Heard(fromMs, toMs);
        if (first < 0)
            return 0;
        const std::size_t gap = MonitorRecorder::kRate;
        std::size_t last = FMonitor.IndexAt(first), looked = last;
        for (const qint64 end = NowMs() + 15000; NowMs() < end;) {
            WaitFor([] { return false; }, 200);
            FMonitor.Poll();
            const auto& samples = FMonitor.Samples();
            for (; looked < samples.size() && looked < last + gap; ++looked)
                if (std::abs(samples[looked]) > 300)
                    last = looked;
            if (looked >= last + gap)
                break; // a second of silence: it has ended
        }
        return double(FMonitor.TimeOf(last) - first) / 1000;
    }

    static int BoxesShown() {
        QProcess x;
        x.start("xdotool", {"search", "--onlyvisible", "--name", "^Nurva$"});
        if (!x.waitForFinished(5000) || x.exitCode() != 0)
            return 0;
        return int(x.readAllStandardOutput().trimmed().split('\n').size());
    }

    static bool BoxShown() { return BoxesShown() > 0; }

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        for (const QFileInfo& lib :
             QDir("/usr/lib").entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (QFile::exists(lib.filePath() + "/faketime/libfaketimeMT.so.1"))
                FFakeTime = lib.filePath() + "/faketime/libfaketimeMT.so.1";
        QVERIFY2(!FFakeTime.isEmpty(), "libfaketime is missing (scripts/setup)");
        FApp = FDir.path() + "/program/";
        FClockFile = FDir.path() + "/clock";
        QVERIFY(QProcess::execute("cp",
                                  {"-r", qEnvironmentVariable("NURVA_APPDIR") + "/.", FApp}) == 0);
        QVERIFY2(FServer.Start(), qPrintable(FServer.Error()));
        QVERIFY(FMonitor.Start(FServer.Monitor()));
    }

    void cleanup() { Stop(); }

    // Started 8 s before 08:30, with the alarm every quarter of an hour and two reminders at
    // 08:30:00: the time is heard first, then both reminders, in one reading longer than the
    // same reminders alone at 08:30:12, which shows the second box. The clock jumps ahead past
    // 08:40:00: that reminder is heard, late; put back before it, it is not heard again. Both
    // reminders of 08:30:00 are still in config.ini after the exit, and after the next run.
    void alarmAndRemindersHeard() {
        const QDateTime start(Day, QTime(8, 29, 52));
        const QString due = desktop::ReminderKey(start.addSecs(8));
        const QStringList both = {due + "=Go.", due + "=Now."};
        Start(start, [&] {
            Settings.Alarm = true;
            Settings.AlarmInterval = 15;
            Settings.Reminder = true;
            Settings.ReminderMsgBox = true;
            ReminderList = both;
            ReminderList << desktop::ReminderKey(start.addSecs(20)) + "=Go. Now."
                         << desktop::ReminderKey(start.addSecs(608)) + "=Jumped over.";
        });
        const qint64 alarmAt = FStarted + 8000, aloneAt = FStarted + 20000;
        const qint64 early = Heard(FStarted + 500, alarmAt - 300);
        QVERIFY2(early < 0,
                 qPrintable(QString("sound %1 ms after the start").arg(early - FStarted)));
        const double together = SoundSeconds(alarmAt - 300, alarmAt + 3000);
        QVERIFY2(together > 0, "nothing was heard at 08:30:00");
        QVERIFY(Heard(alarmAt + 7000, aloneAt - 300) < 0);
        QCOMPARE(BoxesShown(), 1);
        const double alone = SoundSeconds(aloneAt - 300, aloneAt + 3000);
        QVERIFY2(alone > 0, "the reminder was not heard at 08:30:12");
        qInfo("08:30:00: %.2f s heard (the time and two reminders); 08:30:12: %.2f s (the same "
              "reminders alone)",
              together, alone);
        QVERIFY2(together > alone + 1.0, "the time was not heard before the reminders");
        QVERIFY(WaitFor([] { return BoxesShown() == 2; }, 5000));

        const qint64 jumped = NowMs();
        SetClock(QDateTime(Day, QTime(8, 41, 20)));
        const qint64 late = Heard(jumped, jumped + 4000);
        QVERIFY2(late > 0, "the reminder the clock jumped over was not heard");
        qInfo("the reminder jumped over heard %lld ms after the jump", late - jumped);
        QVERIFY(WaitFor([] { return BoxesShown() == 3; }, 5000));
        SoundSeconds(late - 100, late + 100); // its reading ends
        const qint64 back = NowMs();
        SetClock(QDateTime(Day, QTime(8, 39, 58)));
        const qint64 again = Heard(back + 300, back + 4800);
        QVERIFY2(again < 0, qPrintable(QString("sound %1 ms after the clock was put back before "
                                               "a reminder that had fired")
                                           .arg(again - back)));
        QCOMPARE(BoxesShown(), 3);

        auto stored = [&] {
            LoadSettings(FApp);
            return QStringList(ReminderList.mid(0, 2));
        };
        Stop();
        QCOMPARE(stored(), both);
        Start(start, {});
        QProcess shown;
        shown.start("xdotool", {"search", "--sync", "--onlyvisible", "--name",
                                "^PARLOVA Text To Speech Reader$"});
        QVERIFY(shown.waitForFinished(15000) && shown.exitCode() == 0);
        Stop();
        QCOMPARE(stored(), both);
    }

    // A sound alarm plays its file at the program's own output; a missing file plays the
    // default sound.
    void soundAlarmHeard_data() {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<double>("pitch");
        QTest::newRow("the WAV file") << false << 440.0;
        QTest::newRow("missing file: default sound") << true << 880.0;
    }
    void soundAlarmHeard() {
        QFETCH(bool, missing);
        QFETCH(double, pitch);
        const QString wav = FDir.path() + "/tone.wav";
        WriteBytes(wav, ToneWav(440, 1.0));
        Start(QDateTime(Day, QTime(9, 59, 55)), [&] {
            Settings.Alarm = true;
            Settings.AlarmStyle = 2;
            Settings.AlarmWavFile = missing ? FDir.path() + "/none.wav" : wav;
        });
        const qint64 due = FStarted + 5000;
        QVERIFY(Heard(FStarted + 500, due - 300) < 0);
        const qint64 heard = Heard(due - 300, due + 3000);
        QVERIFY2(heard > 0, "the sound alarm was not heard at 10:00:00");
        const double measured = Pitch(heard);
        qInfo("heard %lld ms after 10:00:00 at about %.0f Hz", heard - due, measured);
        QVERIFY2(std::abs(measured - pitch) < pitch * 0.1, qPrintable(QString::number(measured)));
    }
};

QTEST_MAIN(TestAlarmDesktop)
#include "tst_AlarmDesktop.moc"
