// SPDX-License-Identifier: GPL-3.0-or-later
// Importing documents against reading the same text as a plain-text file: a 1 MB-text EPUB and
// a 500-page PDF (made by pandoc and groff from the corpus's prose), the time of each import,
// the ratio to the plain text, and the peak memory of an import beside the bound of four times
// the text plus the file's size.
//
//   bench_import [--runs N]
//   bench_import --import FILE   (one import in a process of its own; used for peak memory)
#include "Document.h"
#include "Importer.h"

#include <poppler-qt6.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

void Run(const QString& program, const QStringList& args, const QString& dir) {
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
}

void Shell(const QString& command, const QString& dir) {
    Run(QStringLiteral("bash"), {QStringLiteral("-c"), command}, dir);
}

template <typename F> double Median(int runs, F f) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        f();
        t.push_back(double(clock.nsecsElapsed()) / 1e9);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// Peak resident memory in kB of a fresh process of this program with `args`.
long PeakKb(const QStringList& args) {
    const QByteArray self = QCoreApplication::applicationFilePath().toLocal8Bit();
    std::vector<QByteArray> a = {self};
    for (const QString& s : args)
        a.push_back(s.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : a)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv.data());
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
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--import")) {
        if (args[2] == QLatin1String("-"))
            return 0; // the baseline: the program and its libraries, nothing imported
        const documents::TImportedDocument doc = documents::Import(args[2]);
        return doc.Text.isEmpty() ? 1 : 0;
    }
    const int runs = args.size() >= 3 && args[1] == QLatin1String("--runs") ? args[2].toInt() : 5;

    QTemporaryDir dir;
    const QString d = dir.path();
    const QString corpus = QStringLiteral(NURVA_CORPUS_DIR);
    std::printf("Making the documents (pandoc, groff, Ghostscript)...\n");
    // 1 MB of prose with a chapter heading every 40 paragraphs, as EPUB; 2.3 MB of it (about 500
    // pages) as PDF.
    Shell(
        QStringLiteral(
            "python3 '%1/make-text' 1M prose.txt && python3 '%1/make-text' 2300k long.txt &&\n"
            "python3 - <<'PY'\n"
            "def book(src):\n"
            "    p = open(src).read().strip().split('\\n\\n')\n"
            "    md, ms = [], ['.TL', 'A Long River', '.AU', 'Anna Hale']\n"
            "    for i, x in enumerate(p):\n"
            "        if i % 40 == 0:\n"
            "            md.append('# Chapter %d' % (i // 40 + 1))\n"
            "            ms += ['.SH', 'Chapter %d' % (i // 40 + 1)]\n"
            "        md.append(x)\n"
            "        ms += ['.PP', x]\n"
            "    return md, ms\n"
            "open('book.md', 'w').write('\\n\\n'.join(book('prose.txt')[0]) + '\\n')\n"
            "open('book.ms', 'w').write('\\n'.join(book('long.txt')[1]) + '\\n')\n"
            "PY\n"
            "pandoc -f markdown-smart --metadata title='A Long River' -s book.md -o book.epub &&\n"
            "groff -ms -Tps book.ms | ps2pdf - book.pdf")
            .arg(corpus),
        d);
    const QString epub = d + QStringLiteral("/book.epub"), pdf = d + QStringLiteral("/book.pdf");
    const QString plain = d + QStringLiteral("/prose.txt"),
                  longPlain = d + QStringLiteral("/long.txt");

    struct TCase {
        const char* name;
        QString file, plain; // the document, and its text as a plain-text file
        double goal;
    };
    const TCase cases[] = {{"EPUB, 1 MB of text", epub, plain, 0.3},
                           {"PDF, 2.3 MB of text", pdf, longPlain, 3.0}};
    const long base = PeakKb({QStringLiteral("--import"), QStringLiteral("-")});
    std::printf("\nPDF pages: %d\n", Poppler::Document::load(pdf)->numPages());
    std::printf("%-22s %8s %8s %8s %6s %8s %8s %8s %8s\n", "document", "text", "import", "cpu",
                "goal", "plain", "x plain", "peak MB", "bound MB");
    for (const TCase& c : cases) {
        documents::TImportedDocument doc;
        const double s = Median(runs, [&] { doc = documents::Import(c.file); });
        // Processor time too: on a busy machine the clock on the wall says little.
        const std::clock_t before = std::clock();
        doc = documents::Import(c.file);
        const double cpu = double(std::clock() - before) / CLOCKS_PER_SEC;
        const double plainSeconds = Median(runs, [&] { (void)settings::ReadDocument(c.plain); });
        const long peak = PeakKb({QStringLiteral("--import"), c.file}) - base;
        const double textBytes = double(doc.Text.toUtf8().size());
        const double bound = 4 * textBytes + double(QFileInfo(c.file).size());
        std::printf("%-22s %7.2fM %7.3fs %7.3fs %5.1fs %7.4fs %7.0fx %8.1f %8.1f\n", c.name,
                    textBytes / 1e6, s, cpu, c.goal, plainSeconds, s / plainSeconds, peak / 1024.0,
                    bound / 1048576.0);
        std::printf("  %lld chapters, title \"%s\"\n", qlonglong(doc.Chapters.size()),
                    qPrintable(doc.Title));
    }
    return 0;
}
