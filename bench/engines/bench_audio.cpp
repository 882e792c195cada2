// SPDX-License-Identifier: GPL-3.0-or-later
// Speaking aloud through a private sound server, measured at its null sink's monitor:
//   - time from Speak to the first sound heard, for a 1 MB text, side by side with espeak-ng's
//     own command line playing the same file;
//   - lag between a word's sound and its word-position notification over a paragraph.
//
//   bench_audio [--runs N]
#include "AudioMonitor.h"
#include "EngineHarness.h"
#include "Engines.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace speech;
using namespace testsupport;

namespace {

const std::string kParagraph =
    "The river was quiet that evening. A few boats drifted past the old mill, and somewhere "
    "behind the trees a dog was barking at nothing in particular. Anna sat on the wall with "
    "her notebook open, counting the lights as they came on across the water, one after "
    "another, until she lost count and simply watched.";

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Keeps what the engine writes and where each word mark falls: the paragraph's word
// positions in samples.
struct Capture : IUnknown, IAudioDest, std::enable_shared_from_this<Capture> {
    std::vector<std::int16_t> samples;
    std::vector<QWORD> marks;
    HRESULT QueryInterface(const GUID&, std::shared_ptr<void>&) override { return E_NOINTERFACE; }
    HRESULT StreamStart(const AudioFormat&) override { return S_OK; }
    HRESULT StreamWrite(const std::int16_t* s, std::size_t n) override {
        samples.insert(samples.end(), s, s + n);
        return S_OK;
    }
    HRESULT StreamMark(QWORD position, std::function<void()> reached) override {
        marks.push_back(position);
        reached();
        return S_OK;
    }
    HRESULT StreamOnStarted(std::function<void()> started) override {
        started();
        return S_OK;
    }
    HRESULT StreamEnd(std::function<void(HRESULT)> done) override {
        done(S_OK);
        return S_OK;
    }
    HRESULT Pause() override { return S_OK; }
    HRESULT Resume() override { return S_OK; }
    HRESULT Reset() override { return S_OK; }
};

// Where the capture's window at `pos` sounds in the recording, searched from `guess` on (a
// stall of the machine can put a gap into what is heard, never take audio away).
std::size_t Locate(const std::vector<std::int16_t>& rec, const std::vector<std::int16_t>& cap,
                   std::size_t pos, std::size_t guess) {
    constexpr std::size_t kWindow = 4410;
    if (Rms(cap, pos, pos + kWindow) < 0.02)
        return guess; // too quiet to tell one place from another
    auto cost = [&](std::size_t at, std::size_t stride) {
        double sum = 0;
        for (std::size_t k = 0; k < kWindow && pos + k < cap.size(); k += stride)
            sum += std::abs(double(rec[std::min(at + k, rec.size() - 1)]) - cap[pos + k]);
        return sum;
    };
    std::size_t from = guess > 441 ? guess - 441 : 0, best = guess;
    double bestCost = 1e300;
    for (std::size_t at = from; at < guess + 4410 && at < rec.size(); at += 4)
        if (double c = cost(at, 8); c < bestCost) {
            bestCost = c;
            best = at;
        }
    std::size_t rough = best;
    for (std::size_t at = rough > 4 ? rough - 4 : 0; at <= rough + 4; ++at)
        if (double c = cost(at, 1); c < bestCost || at == rough)
            if (c <= bestCost) {
                bestCost = c;
                best = at;
            }
    return best;
}

std::size_t FirstLoud(const std::vector<std::int16_t>& s) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (std::abs(s[i]) > 300)
            return i;
    return SIZE_MAX;
}

// Waits until the monitor has a loud sample from `from` on; returns when it arrived (an idle
// null sink hands its monitor audio in bursts, so the arrival is the honest upper bound).
qint64 WaitFirstSound(MonitorRecorder& mon, std::size_t from, int timeoutMs) {
    qint64 found = -1;
    WaitFor(
        [&] {
            std::size_t i = mon.FirstLoud(from);
            if (i != SIZE_MAX)
                found = mon.ArrivalOf(i);
            return found >= 0;
        },
        timeoutMs);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int runs = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (QString(argv[i]) == "--runs")
            runs = std::max(1, QString(argv[i + 1]).toInt());

    PulseTestServer server;
    if (!server.Start())
        qFatal("%s", qPrintable(server.Error()));
    MonitorRecorder mon;
    if (!mon.Start(server.Monitor()))
        qFatal("no monitor recording");
    engines::RegisterEngines();

    QTemporaryDir dir;
    QString textPath = dir.path() + "/text-1M.txt";
    QString tool = qEnvironmentVariable("NURVA_CORPUS", NURVA_CORPUS_DIR) + "/make-text";
    if (QProcess::execute("python3", {tool, "1M", textPath}) != 0)
        qFatal("make-text failed");
    QFile f(textPath);
    f.open(QIODevice::ReadOnly);
    std::string text = f.readAll().toStdString();

    // First sound of a 1 MB text.
    std::vector<double> ours, theirs;
    for (int r = 0; r < runs; ++r) {
        Binding b;
        if (!b.Bind(0, CLSID_MMAudioDest))
            qFatal("cannot bind");
        WaitFor([] { return false; }, 500);
        mon.Clear();
        qint64 t0 = NowMs();
        b.Speak(text);
        qint64 heard = WaitFirstSound(mon, 0, 10000);
        ours.push_back(heard < 0 ? 1e9 : double(heard - t0));
        b.central->AudioReset();
        WaitFor([] { return false; }, 500);

        QProcess espeak;
        mon.Clear();
        t0 = NowMs();
        espeak.start("espeak-ng", {"-f", textPath});
        heard = WaitFirstSound(mon, 0, 10000);
        theirs.push_back(heard < 0 ? 1e9 : double(heard - t0));
        espeak.kill();
        espeak.waitForFinished(5000);
        WaitFor([] { return false; }, 500);
    }
    std::printf("first sound, 1 MB text (ms, median of %d): nurva %.0f (worst %.0f), "
                "espeak-ng command line %.0f; ratio %.2f  [target < 150]\n",
                runs, Median(ours), *std::max_element(ours.begin(), ours.end()), Median(theirs),
                Median(ours) / std::max(1.0, Median(theirs)));

    // Word notification lag over a paragraph.
    auto capture = std::make_shared<Capture>();
    {
        std::shared_ptr<ITTSEnumA> e;
        SpeechPlatform::CreateInstance(CLSID_TTSEnumerator, e);
        TTSMODEINFOA info;
        DWORD fetched = 0;
        e->Reset();
        e->Next(1, &info, fetched);
        std::shared_ptr<ITTSCentralA> central;
        e->Select(info.gModeID, central, std::static_pointer_cast<IUnknown>(capture));
        auto rec = std::make_shared<Recorder>();
        DWORD key;
        central->Register(std::static_pointer_cast<ITTSNotifySink2A>(rec), IID_ITTSNotifySink2A,
                          key);
        central->TextData(CHARSET_TEXT, TTSDATAFLAG_TAGGED, kParagraph.c_str(),
                          DWORD(kParagraph.size() + 1),
                          std::static_pointer_cast<ITTSBufNotifySink>(rec), IID_ITTSBufNotifySink);
        WaitFor([&] { return rec->stops > 0; }, 30000);
    }
    std::vector<double> lags;
    for (int r = 0; r < runs; ++r) {
        Binding b;
        b.Bind(0, CLSID_MMAudioDest);
        WaitFor([] { return false; }, 300);
        mon.Clear();
        b.Speak(kParagraph);
        qint64 t0 = AbsMs(b.recorder->clock, 0);
        WaitFor([&] { return b.recorder->stops > 0; }, 60000);
        WaitFor([] { return false; }, 300);
        std::size_t recFirst = mon.FirstLoud(), capFirst = FirstLoud(capture->samples);
        std::lock_guard lock(b.recorder->mutex);
        if (recFirst == SIZE_MAX || b.recorder->words.size() != capture->marks.size())
            qFatal("the paragraph was not heard word for word (%zu words, %zu marks)",
                   b.recorder->words.size(), capture->marks.size());
        qint64 shift = qint64(recFirst) - qint64(capFirst);
        for (std::size_t i = 0; i < capture->marks.size(); ++i) {
            std::size_t pos = std::size_t(capture->marks[i]);
            std::size_t at = Locate(mon.Samples(), capture->samples, pos,
                                    std::size_t(std::max<qint64>(0, qint64(pos) + shift)));
            shift = qint64(at) - qint64(pos);
            lags.push_back(double(t0 + b.recorder->words[i].ms - mon.TimeOf(at)));
            if (qEnvironmentVariableIsSet("BENCH_DEBUG") && r == 0)
                std::printf("word %zu at %zu: notified %lld heard %lld\n", i, at,
                            t0 + b.recorder->words[i].ms - t0, mon.TimeOf(at) - t0);
        }
    }
    std::vector<double> sizes;
    for (double l : lags)
        sizes.push_back(std::abs(l));
    std::printf("word notification lag over %zu words (ms): median %.0f, worst %.0f "
                "(earliest %.0f, latest %.0f)  [target within 60]\n",
                lags.size(), Median(lags), *std::max_element(sizes.begin(), sizes.end()),
                *std::min_element(lags.begin(), lags.end()),
                *std::max_element(lags.begin(), lags.end()));
    mon.Stop();
    server.Stop();
    return 0;
}
