// SPDX-License-Identifier: GPL-3.0-or-later
// Reading from the window: how soon a 1 MB document is heard after the command, side by side
// with espeak-ng's own command line on the same sound server, and what one tick of the
// word-position timer costs for documents of 10 kB to 10 MB.
//
//   bench_reading [--runs N]
#include "AudioMonitor.h"
#include "Converter.h"
#include "Engines.h"
#include "Global.h"
#include "KoUtils.h"
#include "ScriptedEngine.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace settings;
using namespace testsupport;

namespace {

QString MakeText(const QString& dir, const QString& size) {
    QString path = dir + "/txt/text-" + size + ".txt";
    QString tool = qEnvironmentVariable("NURVA_CORPUS", NURVA_CORPUS_DIR) + "/make-text";
    if (QProcess::execute("python3", {tool, size, path}) != 0)
        qFatal("make-text failed");
    return path;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

std::unique_ptr<TFormCvt> Window(const QString& app, const QString& doc) {
    LoadDefaultSettings(app);
    Settings.Greeting = false;
    Settings.Highlight = true;
    Settings.AutoNext = false;
    Playlist = QStringList{doc};
    Settings.PlayIndex = 0;
    SaveSettings(app);
    auto w = std::make_unique<TFormCvt>(app);
    w->show();
    QCoreApplication::processEvents();
    return w;
}

void Pump() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

struct FirstSound {
    double commandMs = 0; // the command returned
    double startMs = 0;   // the start event locked the window
    double heardMs = 0;   // the first loud sample reached the sink
};

FirstSound ReadAloud(TFormCvt& w, MonitorRecorder& monitor) {
    monitor.Poll();
    monitor.Clear();
    FirstSound r;
    const qint64 t0 = NowMs();
    w.ActionTTSExecute();
    r.commandMs = double(NowMs() - t0);
    WaitFor([&] { return w.ActionStop->isEnabled(); }, 10000);
    r.startMs = double(NowMs() - t0);
    WaitFor(
        [&] {
            monitor.Poll();
            return monitor.FirstLoud() != SIZE_MAX;
        },
        10000);
    std::size_t first = monitor.FirstLoud();
    r.heardMs = first == SIZE_MAX ? -1 : double(monitor.TimeOf(first) - t0);
    w.ActionStopExecute();
    WaitFor([&] { return !w.ActionStop->isEnabled(); }, 10000);
    WaitFor([] { return false; }, 300);
    return r;
}

double EspeakFirstSound(const QString& file, MonitorRecorder& monitor) {
    monitor.Poll();
    monitor.Clear();
    QProcess p;
    const qint64 t0 = NowMs();
    p.start("espeak-ng", {"-f", file});
    WaitFor(
        [&] {
            monitor.Poll();
            return monitor.FirstLoud() != SIZE_MAX;
        },
        10000);
    std::size_t first = monitor.FirstLoud();
    p.kill();
    p.waitForFinished(5000);
    WaitFor([] { return false; }, 300);
    return first == SIZE_MAX ? -1 : double(monitor.TimeOf(first) - t0);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int runs = 3;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--runs")
            runs = std::max(1, atoi(argv[i + 1]));

    QTemporaryDir dir;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString appDir = dir.path() + "/";
    for (const char* sub : {"txt", "wav", "mp3"})
        QDir(appDir).mkpath(sub);
    KoUtils::SetMessageBoxHandler([](const QString& text, const QString&, int) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return 1;
    });

    // --- First sound ------------------------------------------------------------------------
    PulseTestServer server;
    if (!server.Start())
        qFatal("%s", qPrintable(server.Error()));
    engines::RegisterEngines();
    MonitorRecorder monitor;
    if (!monitor.Start(server.Monitor()))
        qFatal("cannot record the test sink");

    std::printf("Reading aloud from the window: time after the command (median of %d runs)\n",
                runs);
    std::printf("%-10s %12s %12s %12s %16s\n", "document", "command ms", "start ms", "heard ms",
                "espeak-ng -f ms");
    for (const char* size : {"1k", "1M"}) {
        const QString doc = MakeText(appDir, size);
        auto w = Window(appDir, doc);
        std::vector<double> command, start, heard, espeak;
        for (int r = 0; r < runs; ++r) {
            FirstSound f = ReadAloud(*w, monitor);
            command.push_back(f.commandMs);
            start.push_back(f.startMs);
            heard.push_back(f.heardMs);
            espeak.push_back(EspeakFirstSound(doc, monitor));
        }
        std::printf("%-10s %12.1f %12.1f %12.1f %16.1f   (ratio %.2f)\n", size, Median(command),
                    Median(start), Median(heard), Median(espeak),
                    Median(espeak) > 0 ? Median(heard) / Median(espeak) : 0.0);
        std::fflush(stdout);
    }

    // --- Word-position timer ----------------------------------------------------------------
    // The scripted engine reports word positions on demand; the editor is real.
    scripted::Install();
    scripted::CurrentScript().modeNames = {"Bench Voice"};
    std::printf("\nWord-position timer: cost of one tick, 1000 ticks on consecutive words from the "
                "middle of the text\n");
    std::printf("%-10s %14s %14s %14s %22s\n", "document", "median us", "p99 us", "max us",
                "with repaint median us");
    for (const char* size : {"10k", "1M", "10M"}) {
        const QString doc = MakeText(appDir, size);
        auto w = Window(appDir, doc);
        w->ActionTTSExecute();
        auto central = scripted::CurrentLog().lastCentral.lock();
        central->sink->AudioStart(0);
        Pump();
        const QByteArray spoken = QByteArray::fromStdString(scripted::CurrentLog().texts.back());
        std::vector<double> ticks, painted;
        const int n = 1000;
        qsizetype at = spoken.size() / 2;
        for (int k = 0; k < n; ++k) {
            // The next word start, as a reading moves on.
            while (at < spoken.size() && spoken[at] != ' ')
                ++at;
            ++at;
            central->bufSink->WordPosition(0, speech::DWORD(at));
            Pump();
            QElapsedTimer t;
            t.start();
            w->TimerWordPositionTimer();
            ticks.push_back(double(t.nsecsElapsed()) / 1000.0);
            w->Memo1->viewport()->repaint(); // what the tick costs on screen
            painted.push_back(double(t.nsecsElapsed()) / 1000.0);
        }
        std::sort(ticks.begin(), ticks.end());
        std::printf("%-10s %14.1f %14.1f %14.1f %22.1f\n", size, ticks[ticks.size() / 2],
                    ticks[ticks.size() * 99 / 100], ticks.back(), Median(painted));
        std::fflush(stdout);
        w->ActionStopExecute();
        central->sink->AudioStop(0);
        Pump();
    }
    KoUtils::SetMessageBoxHandler(nullptr);
    return 0;
}
