// SPDX-License-Identifier: GPL-3.0-or-later
// The tab-change step on a 10 MB document: the time from the user's choice of the tab to the
// text in the editor (and to its first paint), and the memory the window holds for it on top of
// the window showing a short document. Targets: under 1 s; under four times the file's size.
// Runs on the offscreen platform unless another one is chosen.
#include "Converter.h"
#include "Global.h"
#include "KoUtils.h"
#include "ScriptedEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace settings;

namespace {

// Bytes the program has allocated, in MB (pages it never touched included).
double AllocatedMb() {
    struct mallinfo2 m = mallinfo2();
    return double(m.uordblks + m.hblkhd) / (1024 * 1024);
}

// Resident memory ("VmRSS:") or its peak ("VmHWM:") in MB.
double StatusMb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// Starts a new peak for VmHWM.
void ResetPeak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

struct TRun {
    double stepMs, paintMs;
};

TRun Switch(TFormCvt& w, int tab) {
    QElapsedTimer t;
    t.start();
    w.TabControl1->setCurrentIndex(tab); // as a click does: the tab-change step runs
    const double step = double(t.nsecsElapsed()) / 1e6;
    w.Memo1->viewport()->repaint();
    QApplication::processEvents();
    return {step, double(t.nsecsElapsed()) / 1e6};
}

void Times(TFormCvt& w, const char* what, int bigTab) {
    std::vector<double> steps, paints;
    for (int i = 0; i < 5; ++i) {
        Switch(w, 0);
        TRun r = Switch(w, bigTab);
        steps.push_back(r.stepMs);
        paints.push_back(r.paintMs);
    }
    std::sort(steps.begin(), steps.end());
    std::sort(paints.begin(), paints.end());
    std::printf("%-24s step median %6.1f ms (min %6.1f, max %6.1f), with first paint %6.1f ms"
                "  [%.2f x the 1 s target]\n",
                what, steps[2], steps[0], steps[4], paints[2], steps[2] / 1000);
}

void PrintMemory(const char* what, double rss, double allocated, double fileMb) {
    std::printf("  %-46s resident %5.1f MB = %.2f x the file, allocated %5.1f MB = %.2f x\n", what,
                rss, rss / fileMb, allocated, allocated / fileMb);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    scripted::Install(); // no sound: this measures the window, not the engine
    KoUtils::SetMessageBoxHandler([](const QString& text, const QString&, int) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return 1;
    });
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench_documents-XXXXXX"));
    if (!dir.isValid())
        return 1;
    const QString appDir = dir.path() + QLatin1Char('/');
    QDir().mkpath(appDir + QStringLiteral("txt"));
    const QString shortDoc = appDir + QStringLiteral("txt/short.txt");
    const QString big = appDir + QStringLiteral("txt/big.txt");
    const QString bigCrLf = appDir + QStringLiteral("txt/big-crlf-1252.txt");
    const QString makeText = QStringLiteral(NURVA_CORPUS_DIR "/make-text");
    if (QProcess::execute(makeText, {QStringLiteral("10M"), big}) != 0 ||
        QProcess::execute(makeText, {QStringLiteral("20k"), shortDoc}) != 0)
        return 1;
    {
        // The same text with CR LF line ends and a Windows-1252 letter in each paragraph.
        QFile in(big), out(bigCrLf);
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        QByteArray data = in.readAll();
        data.replace("\n\n", "\xe9\r\n\r\n");
        out.write(data);
    }
    const double fileMb = double(QFileInfo(big).size()) / (1024 * 1024);

    LoadDefaultSettings(appDir);
    Playlist = QStringList{shortDoc, big, bigCrLf};
    Settings.PlayIndex = 0;
    Settings.Greeting = false;
    Settings.MemoWordWrap = true;
    Settings.MemoScrollBars = 2;
    SaveSettings(appDir);

    TFormCvt w(appDir);
    w.resize(900, 700);
    w.show();
    QApplication::processEvents();
    QFile bigFile(big);
    bigFile.open(QIODevice::ReadOnly);
    std::printf("%.1f MB document, %lld lines, after a 20 kB one; word wrap on, window 900 x 700\n",
                fileMb, (long long)bigFile.readAll().count('\n'));

    // Memory first, while the allocator holds nothing from earlier loads.
    const double rss0 = StatusMb("VmRSS:"), allocated0 = AllocatedMb();
    ResetPeak();
    Switch(w, 1);
    std::printf("memory on top of the window with the short document  [target < 4 x]\n");
    PrintMemory("the 10 MB document shown:", StatusMb("VmRSS:") - rss0, AllocatedMb() - allocated0,
                fileMb);
    const double peak = StatusMb("VmHWM:") - rss0;
    w.resize(1000, 700); // the editor lays out again at the new width
    QApplication::processEvents();
    PrintMemory("after the window was resized:", StatusMb("VmRSS:") - rss0,
                AllocatedMb() - allocated0, fileMb);
    std::printf("  %-46s resident %5.1f MB = %.2f x the file\n", "peak while it loaded:", peak,
                peak / fileMb);

    std::printf("switching from the short document, 5 runs\n");
    Times(w, "UTF-8, LF:", 1);
    Times(w, "Windows-1252, CR LF:", 2);
    w.Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Times(w, "UTF-8, LF, no word wrap:", 1);
    return 0;
}
