// SPDX-License-Identifier: GPL-3.0-or-later
// The other voices beside the tools a user would run instead:
//  - Flite: time from Read Aloud to the first sound of a 1 MB document (goal < 50 ms), and
//    "/ttw" with a Flite voice beside the `flite` command line on the same text, on one core
//    (goal: ratio <= 1.0);
//  - speech-dispatcher: time from Read Aloud to the first sound heard, beside `spd-say`
//    (goal: within 50 ms of it), for a sentence and for a 1 MB document (and how long Read
//    Aloud holds the caller); the time from Pause to silence beside the service's own pause.
// Sound goes to a private test sound server; speech-dispatcher is a private one, started the
// way its clients start it. Run by hand: build/bench/bench_voices [runs]
#include "AudioMonitor.h"
#include "Engines.h"
#include "TestSupport.h"
#include "mSpeech.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <libspeechd.h>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

using namespace speech;
using namespace testsupport;

namespace {

double Median(std::vector<double> v) {
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QString Corpus(int bytes) {
    QProcess p;
    p.start(QStringLiteral(NURVA_CORPUS_DIR "/make-text"), {QString::number(bytes)});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Milliseconds from `start` (NowMs) to the first loud sample after it; -1 when none came.
double FirstSoundAfter(MonitorRecorder& m, qint64 start, int timeoutMs) {
    double ms = -1;
    WaitFor(
        [&] {
            m.Poll();
            const std::size_t at = m.FirstLoud(m.IndexAt(start));
            if (at == SIZE_MAX)
                return false;
            ms = double(m.TimeOf(at) - start);
            return true;
        },
        timeoutMs);
    return ms;
}

// Read Aloud with `voice`: the time to the first sound, then stopped.
double ComponentFirstSound(MonitorRecorder& m, const QString& voice, const QString& text) {
    TMSpeech s;
    s.Output = soGeneral;
    s.SelectEngine(voice);
    if (!s.Selected)
        return -1;
    WaitFor([] { return false; }, 300);
    const qint64 start = NowMs();
    s.SpeakText(text);
    const double ms = FirstSoundAfter(m, start, 20000);
    s.Stop();
    WaitFor([] { return false; }, 500);
    return ms;
}

// Milliseconds from `start` to the last loud sample before `end`; -1 when there is none.
double LastSoundBefore(MonitorRecorder& m, qint64 start, qint64 end) {
    m.Poll();
    const std::vector<std::int16_t>& s = m.Samples();
    std::size_t last = SIZE_MAX;
    for (std::size_t i = m.IndexAt(start); i < std::min(m.IndexAt(end), s.size()); ++i)
        if (std::abs(int(s[i])) > 300)
            last = i;
    return last == SIZE_MAX ? -1 : double(m.TimeOf(last) - start);
}

// Read Aloud with `voice`, paused after 1.5 s: the time from Pause to the last sound.
double ComponentPauseToSilence(MonitorRecorder& m, const QString& voice, const QString& text) {
    TMSpeech s;
    s.Output = soGeneral;
    s.SelectEngine(voice);
    if (!s.Selected)
        return -1;
    s.SpeakText(text);
    WaitFor([] { return false; }, 1500);
    const qint64 paused = NowMs();
    s.Pause();
    WaitFor([] { return false; }, 3000);
    const double ms = LastSoundBefore(m, paused, NowMs());
    s.Stop();
    WaitFor([] { return false; }, 500);
    return ms;
}

// The same through the service's own pause, as its clients have it.
double ServicePauseToSilence(MonitorRecorder& m, const QString& text) {
    char* error = nullptr;
    SPDConnection* c = spd_open2("bench", "pause", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    std::free(error);
    if (!c)
        return -1;
    spd_set_output_module(c, "espeak-ng");
    spd_set_synthesis_voice(c, "English (America)");
    spd_say(c, SPD_TEXT, text.toUtf8().constData());
    WaitFor([] { return false; }, 1500);
    const qint64 paused = NowMs();
    spd_pause(c);
    WaitFor([] { return false; }, 3000);
    const double ms = LastSoundBefore(m, paused, NowMs());
    spd_cancel(c);
    spd_close(c);
    WaitFor([] { return false; }, 500);
    return ms;
}

// Wall-clock and processor seconds (user and system) of a program run to its end; -1 when it
// fails. On a machine others share, the processor time is the steadier figure.
struct Run {
    double wall = -1, cpu = -1;
};
Run Seconds(const QString& program, const QStringList& args) {
    rusage before{}, after{};
    getrusage(RUSAGE_CHILDREN, &before);
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(program, args);
    p.waitForFinished(-1);
    const double wall = t.elapsed() / 1000.0;
    getrusage(RUSAGE_CHILDREN, &after);
    auto seconds = [](const timeval& v) { return double(v.tv_sec) + double(v.tv_usec) / 1e6; };
    const double cpu = seconds(after.ru_utime) - seconds(before.ru_utime) +
                       seconds(after.ru_stime) - seconds(before.ru_stime);
    return p.exitCode() == 0 ? Run{wall, cpu} : Run{};
}

// The machine's load: the figures mean little on a busy one.
void PrintLoad(const char* when) {
    QFile f("/proc/loadavg");
    if (f.open(QIODevice::ReadOnly))
        std::printf("(load %s: %s)\n", when, f.readLine().trimmed().constData());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir(QDir::tempPath() + "/nurva-bench-voices-XXXXXX");
    const QString scripts = QStringLiteral(NURVA_SCRIPTS_DIR);
    PulseTestServer server;
    if (!server.Start()) {
        std::fprintf(stderr, "no test sound server: %s\n", qPrintable(server.Error()));
        return 1;
    }
    QProcess prepare;
    prepare.start(scripts + "/speechd-test-server", {"prepare", dir.filePath("speechd")});
    prepare.waitForFinished(10000);
    for (const QString& line :
         QString::fromLocal8Bit(prepare.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        qputenv(line.section('=', 0, 0).toLocal8Bit(), line.section('=', 1).toLocal8Bit());
    qunsetenv("SPEECHD_ADDRESS");
    qputenv("NURVA_ENGINES", "espeak-ng,flite,speech-dispatcher");
    engines::RegisterEngines();
    MonitorRecorder monitor;
    monitor.Start(server.Monitor());

    const QString megabyte = Corpus(1 << 20);
    PrintLoad("at the start");
    std::printf("Read Aloud to first sound, 1 MB document (median of %d):\n", runs);
    for (const QString& voice : {QString("Flite kal Male"), QString("Flite slt Female"),
                                 QString("English (America) Male")}) {
        std::vector<double> v;
        for (int i = 0; i < runs; ++i)
            v.push_back(ComponentFirstSound(monitor, voice, megabyte));
        std::printf("  %-24s %7.1f ms%s\n", qPrintable(voice), Median(v),
                    voice.startsWith("Flite") ? "   (goal < 50 ms)" : "");
    }

    // Conversion on one core beside Flite's own command line.
    const QString text = Corpus(8 * 1024);
    const QString file = dir.filePath("text.txt");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    f.close();
    const QString nurva = QStringLiteral(NURVA_APPDIR "/nurva");
    std::printf("\n/ttw of 8 KB on one core beside flite -f (median of %d):\n", runs);
    for (const char* voice : {"kal", "slt"}) {
        std::vector<double> oursWall, oursCpu, theirsWall, theirsCpu;
        const QString name =
            QString("Flite %1 %2").arg(voice, QString(voice) == "slt" ? "Female" : "Male");
        for (int i = 0; i < runs; ++i) {
            const Run a = Seconds("taskset", {"-c", "0", nurva, "/ttw", file, dir.filePath("o.wav"),
                                              "-e", name, "-s", "175", "-w", "256"});
            const Run b = Seconds("taskset", {"-c", "0", "flite", "-voice", voice, "-f", file, "-o",
                                              dir.filePath("f.wav")});
            oursWall.push_back(a.wall);
            oursCpu.push_back(a.cpu);
            theirsWall.push_back(b.wall);
            theirsCpu.push_back(b.cpu);
        }
        const double aw = Median(oursWall), bw = Median(theirsWall);
        const double ac = Median(oursCpu), bc = Median(theirsCpu);
        std::printf("  %-5s wall: nurva %6.2f s  flite %6.2f s  ratio %.2f;  processor: nurva "
                    "%6.2f s  flite %6.2f s  ratio %.2f (goal <= 1.0)\n",
                    voice, aw, bw, bw > 0 ? aw / bw : -1, ac, bc, bc > 0 ? ac / bc : -1);
    }

    // speech-dispatcher: the component beside spd-say, the service already running.
    const QString sentence = "Every morning the baker opens the shop at six.";
    {
        TMSpeech list;
        list.Engines(); // starts the service and lists its voices
    }
    std::vector<double> ours, theirs;
    for (int i = 0; i < runs; ++i) {
        ours.push_back(ComponentFirstSound(monitor, "espeak-ng: English (America)", sentence));
        const qint64 start = NowMs();
        QProcess spd;
        spd.start("spd-say", {"-o", "espeak-ng", "-y", "English (America)", sentence});
        theirs.push_back(FirstSoundAfter(monitor, start, 20000));
        spd.waitForFinished(20000);
        QProcess::execute("spd-say", {"-C"});
        WaitFor([] { return false; }, 500);
    }
    std::printf("\nspeech-dispatcher, Read Aloud to first sound (median of %d):\n", runs);
    std::printf("  nurva %7.1f ms   spd-say %7.1f ms   difference %+.1f ms (goal within 50 ms)\n",
                Median(ours), Median(theirs), Median(ours) - Median(theirs));

    // A 1 MB document: the first sound, and how long Read Aloud holds the caller.
    std::vector<double> first, held;
    for (int i = 0; i < runs; ++i) {
        TMSpeech s;
        s.Output = soGeneral;
        s.SelectEngine("espeak-ng: English (America)");
        WaitFor([] { return false; }, 300);
        const qint64 start = NowMs();
        s.SpeakText(megabyte);
        held.push_back(double(NowMs() - start));
        first.push_back(FirstSoundAfter(monitor, start, 60000));
        s.Stop();
        WaitFor([] { return false; }, 500);
    }
    const qint64 start = NowMs();
    QProcess whole;
    whole.start("spd-say", {"-o", "espeak-ng", "-y", "English (America)", megabyte.left(120000)});
    const double spdFirst = FirstSoundAfter(monitor, start, 60000);
    whole.waitForFinished(60000);
    QProcess::execute("spd-say", {"-C"});
    WaitFor([] { return false; }, 500);
    std::printf("  1 MB document: nurva first sound %7.1f ms, Read Aloud returns after %.1f ms;\n"
                "  spd-say with 120 KB of it (its most in one argument): first sound %7.1f ms\n",
                Median(first), Median(held), spdFirst);

    // Pause: the component beside the service's own pause.
    const QString longer = megabyte.left(4000);
    std::vector<double> pauseOurs, pauseTheirs;
    for (int i = 0; i < runs; ++i) {
        pauseOurs.push_back(
            ComponentPauseToSilence(monitor, "espeak-ng: English (America)", longer));
        pauseTheirs.push_back(ServicePauseToSilence(monitor, longer));
    }
    std::printf("  Pause to silence: nurva %7.1f ms   the service's own pause %7.1f ms\n",
                Median(pauseOurs), Median(pauseTheirs));

    PrintLoad("at the end");
    QProcess::execute(scripts + "/speechd-test-server", {"stop", dir.filePath("speechd")});
    monitor.Stop();
    server.Stop();
    engines::ExitProgram(0);
}
