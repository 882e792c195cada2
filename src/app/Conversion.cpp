// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conversion.h"

#include "Chapters.h"
#include "Document.h"
#include "KoUtils.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {

// While it lives, an interruption (Ctrl+C, a hang-up, kill) runs `stop` from the event loop
// instead of ending the process at once: a conversion then ends its workers and leaves no
// unfinished file beside its output.
class TInterruptions {
public:
    explicit TInterruptions(std::function<void()> stop) {
        if (::pipe2(FPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        FNotifier = std::make_unique<QSocketNotifier>(FPipe[0], QSocketNotifier::Read);
        QObject::connect(FNotifier.get(), &QSocketNotifier::activated, [this, stop] {
            char c;
            while (::read(FPipe[0], &c, 1) > 0) {
            }
            stop();
        });
        struct sigaction action {};
        action.sa_handler = [](int) {
            const char c = 1;
            [[maybe_unused]] ssize_t n = ::write(FPipe[1], &c, 1);
        };
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            ::sigaction(kSignals[i], &action, &FOld[i]);
    }
    ~TInterruptions() {
        if (!FNotifier)
            return;
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            ::sigaction(kSignals[i], &FOld[i], nullptr);
        FNotifier.reset();
        ::close(FPipe[0]);
        ::close(FPipe[1]);
    }
    TInterruptions(const TInterruptions&) = delete;
    TInterruptions& operator=(const TInterruptions&) = delete;

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    static inline int FPipe[2] = {-1, -1};
    struct sigaction FOld[std::size(kSignals)]{};
    std::unique_ptr<QSocketNotifier> FNotifier;
};

// "  42 %  1:05 spent, about 1:30 left", rewritten in place on a terminal.
class TProgressLine {
public:
    TProgressLine() : FShown(::isatty(2) == 1) { FClock.start(); }
    ~TProgressLine() {
        if (FWritten)
            std::fputs("\r\033[K", stderr);
    }
    void Show(int percent) {
        if (!FShown || percent <= 0 || (FWritten && FLast.elapsed() < 250))
            return;
        FLast.start();
        FWritten = true;
        const qint64 spent = FClock.elapsed() / 1000;
        const qint64 left = spent * (100 - percent) / percent;
        //: the progress of a conversion on a terminal: "1:05 spent, about 1:30 left"
        const QString times =
            QCoreApplication::translate("TProgressLine", "%1 spent, about %2 left")
                .arg(QLatin1String(Clock(spent)), QLatin1String(Clock(left)));
        std::fprintf(stderr, "\r%4d %%  %s\033[K", percent, qPrintable(times));
        std::fflush(stderr);
    }

private:
    static QByteArray Clock(qint64 s) {
        return s >= 3600 ? QStringLiteral("%1:%2:%3")
                               .arg(s / 3600)
                               .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                               .arg(s % 60, 2, 10, QLatin1Char('0'))
                               .toLatin1()
                         : QStringLiteral("%1:%2")
                               .arg(s / 60)
                               .arg(s % 60, 2, 10, QLatin1Char('0'))
                               .toLatin1();
    }
    bool FShown, FWritten = false;
    QElapsedTimer FClock, FLast;
};

} // namespace

QString RunConversion(TConversionRequest r) {
    Lame::TMp3Pipeline pipeline;
    Lame::Result result;
    bool done = false;
    QEventLoop loop;
    TProgressLine progress;
    QObject::connect(&pipeline, &Lame::TMp3Pipeline::progress, &loop,
                     [&](int percent) { progress.Show(percent); });
    QObject::connect(&pipeline, &Lame::TMp3Pipeline::finished, &loop, [&](const Lame::Result& got) {
        result = got;
        done = true;
        loop.quit();
    });
    const int count = Lame::PieceCount(r.Expected, r.Parallel);
    const QString worker = QCoreApplication::applicationFilePath();
    if (r.Reader) {
        pipeline.Start([reader = r.Reader] { return reader->Next(); }, r.Expected, count, worker,
                       r.WorkerSwitches, r.Output, r.Mp3, r.Parallel, true, r.Target);
    } else {
        pipeline.Start(r.Text, count, worker, r.WorkerSwitches, r.Output, r.Mp3, r.Parallel, true,
                       r.Target);
        r.Text = QString(); // in the workers' files now
    }
    TInterruptions interruptions([&] { pipeline.Cancel(); });
    if (!done)
        loop.exec();
    if (result.Cancelled)
        //: %1 is the format: WAV, MP3, Ogg Opus, ...
        return QCoreApplication::translate(
                   "Conversion", "The conversion was interrupted; no %1 file was written.")
            .arg(audio::NameOf(r.Target.Format));
    if (!result.Ok)
        return result.Error;
    if (!r.Playlist.isEmpty())
        return chapters::WritePlaylist(pipeline.Files(), r.Playlist);
    return {};
}
