// SPDX-License-Identifier: GPL-3.0-or-later
// Converting text to WAV through the speech component, side by side with espeak-ng's own
// command line, plus the capped pace, the time to the first samples and the peak memory.
//
//   bench_speech [--runs N] [--skip-capped] [--skip-memory]
//   bench_speech --convert TEXT OUT.wav    (one conversion; used to measure peak memory)
#include "AudioDestFile.h"
#include "Engines.h"
#include "TestSupport.h"
#include "mSpeech.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace speech;

namespace {

QString MakeText(const QString& dir, const QString& size) {
    QString path = dir + "/text-" + size + ".txt";
    QString tool = qEnvironmentVariable("NURVA_CORPUS", NURVA_CORPUS_DIR) + "/make-text";
    if (QProcess::execute("python3", {tool, size, path}) != 0)
        qFatal("make-text failed");
    return path;
}

QString ReadText(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Result {
    double seconds = 0;
    double firstSampleMs = 0;
    double audioSeconds = 0;
};

// Speaks `text` into `out` with the component; `pace` is the real-time value (0 = no cap).
Result Convert(const QString& text, const QString& out, WORD pace) {
    TMSpeech s;
    s.Output = soFile;
    s.SelectEngine(s.Engines().value(0));
    if (!s.Selected)
        qFatal("no engine");
    s.Filename = out;
    std::shared_ptr<IUnknown> dest;
    s.GetInterface(0, dest);
    std::shared_ptr<IAudioFile> file;
    QueryInterface(dest, file);
    file->RealTimeSet(pace);
    bool stopped = false;
    QElapsedTimer t;
    double first = -1;
    s.OnStart = [&](TMSpeech*) { first = double(t.nsecsElapsed()) / 1e6; };
    s.OnStop = [&](TMSpeech*) { stopped = true; };
    t.start();
    s.SpeakText(text);
    testsupport::WaitFor([&] { return stopped; }, 3600 * 1000);
    Result r;
    r.seconds = double(t.nsecsElapsed()) / 1e9;
    r.firstSampleMs = first;
    QFile f(out);
    r.audioSeconds = double(f.size() - engines::AudioDestFile::HeaderSize) / 2 / 22050;
    return r;
}

double RunEspeak(const QString& textPath, const QString& out) {
    QElapsedTimer t;
    t.start();
    // Mode 0 is espeak-ng's "gmw/en-US" voice at its normal rate.
    int rc =
        QProcess::execute("espeak-ng", {"-v", "gmw/en-US", "-s", "175", "-f", textPath, "-w", out});
    if (rc != 0)
        qFatal("espeak-ng failed");
    return double(t.nsecsElapsed()) / 1e9;
}

long PeakKb(const QString& self, const QString& textPath, const QString& out) {
    pid_t pid = fork();
    if (pid == 0) {
        QByteArray a = self.toLocal8Bit(), b = textPath.toLocal8Bit(), c = out.toLocal8Bit();
        execl(a.constData(), a.constData(), "--convert", b.constData(), c.constData(), nullptr);
        _exit(127);
    }
    int status = 0;
    struct rusage ru {};
    wait4(pid, &status, 0, &ru);
    return ru.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    engines::RegisterEngines();
    QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--convert") {
        Convert(ReadText(args[2]), args[3], 0);
        return 0;
    }
    int runs = 3;
    if (int i = int(args.indexOf("--runs")); i > 0 && i + 1 < args.size())
        runs = args[i + 1].toInt();
    QTemporaryDir dir;
    QString text100k = MakeText(dir.path(), "100k");
    QString text = ReadText(text100k);

    std::vector<double> ours, theirs;
    double audio = 0;
    for (int i = 0; i < runs; ++i) {
        Result r = Convert(text, dir.filePath("ours.wav"), 0);
        ours.push_back(r.seconds);
        audio = r.audioSeconds;
        theirs.push_back(RunEspeak(text100k, dir.filePath("theirs.wav")));
        std::printf("run %d: nurva %.2f s, espeak-ng -w %.2f s\n", i + 1, r.seconds, theirs.back());
        std::fflush(stdout);
    }
    double a = Median(ours), b = Median(theirs);
    std::printf("\n100 KB to WAV, as fast as the engine can (median of %d):\n", runs);
    std::printf("  nurva (component, real time 0): %.2f s  %.0f chars/s  %.0fx real time\n", a,
                text.size() / a, audio / a);
    std::printf("  espeak-ng -w:                   %.2f s  %.0f chars/s  %.0fx real time\n", b,
                text.size() / b, audio / b);
    std::printf("  ratio nurva / espeak-ng: %.3f (target <= 1.0)\n", a / b);
    std::printf("  audio length: %.0f s\n\n", audio);
    std::fflush(stdout);

    QString text1m = MakeText(dir.path(), "1M");
    QString big = ReadText(text1m);
    {
        // Only the start matters here: stop the conversion once the first samples are out.
        TMSpeech s;
        s.Output = soFile;
        s.SelectEngine(s.Engines().value(0));
        s.Filename = dir.filePath("first.wav");
        QElapsedTimer t;
        double first = -1;
        bool stopped = false;
        s.OnStart = [&](TMSpeech*) {
            first = double(t.nsecsElapsed()) / 1e6;
            s.Stop();
        };
        s.OnStop = [&](TMSpeech*) { stopped = true; };
        t.start();
        s.SpeakText(big);
        testsupport::WaitFor([&] { return stopped; }, 60000);
        std::printf("1 MB text: Speak to first samples written: %.1f ms (target < 150 ms)\n",
                    first);
    }

    if (!args.contains("--skip-capped")) {
        Result r = Convert(text, dir.filePath("capped.wav"), 32768);
        double want = r.audioSeconds / 128;
        std::printf("capped at 128x: %.2f s for %.0f s of audio, expected %.2f s (%+.1f %%, target "
                    "within 5 %%)\n",
                    r.seconds, r.audioSeconds, want, 100 * (r.seconds - want) / want);
    }
    if (!args.contains("--skip-memory")) {
        long small = PeakKb(app.applicationFilePath(), text100k, dir.filePath("m1.wav"));
        long large = PeakKb(app.applicationFilePath(), text1m, dir.filePath("m2.wav"));
        std::printf(
            "peak memory converting 100 KB: %.1f MB, 1 MB: %.1f MB (target < 64 MB, flat)\n",
            small / 1024.0, large / 1024.0);
    }
    return 0;
}
