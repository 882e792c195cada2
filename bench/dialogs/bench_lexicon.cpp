// SPDX-License-Identifier: GPL-3.0-or-later
// The pronunciation lexicon at size: opening the Pronunciation Manager on a lexicon file of many
// entries (read, listed and shown), and what the lexicon adds to the speaking of 5 KB of prose,
// side by side with espeak-ng's own command line speaking the same text into a file.
//
//   bench_lexicon [--entries N] [--runs R] [--skip-dialog]    (default 50000 entries, 5 runs)
#include "LexiconDialog.h"

#include "KoUtils.h"
#include "WordPositions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr double kOpenTargetMs = 1000;
constexpr double kApplyTargetMs = 50;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double TimeMs(const std::function<void()>& step) {
    QElapsedTimer t;
    t.start();
    step();
    return double(t.nsecsElapsed()) / 1e6;
}

// A word no dictionary has, made of syllables: every number gives another one.
QString MadeUpWord(int n) {
    static const char* const kSyllables[] = {"ka",  "lo",  "mi",  "ren",  "dor", "sa",  "tu",
                                             "vi",  "bel", "cor", "fen",  "gar", "hul", "jin",
                                             "mar", "nos", "pel", "quor", "ris", "tam"};
    QString word;
    do {
        word += QLatin1String(kSyllables[n % 20]);
        n /= 20;
    } while (n > 0);
    return word + QLatin1String("ex");
}

// Mostly made-up names, with the prose's own words among them (so that entries match), a few
// phrases, words matched inside words, and words whose letter case must match.
QByteArray LexiconFile(int entries, const QString& prose) {
    QStringList words;
    for (const QString& w :
         prose.split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts))
        if (w.size() > 3 && !words.contains(w.toLower()))
            words << w.toLower();
    QByteArray out;
    for (int i = 0; i < entries; ++i) {
        QString line;
        if (i % 500 < words.size() && i % 500 < 40)
            line = words[i % 500] + u'\t' + words[i % 500] + QStringLiteral("h");
        else if (i % 97 == 0)
            line = MadeUpWord(i) + u' ' + MadeUpWord(i + 1) + QStringLiteral("\tsomewhere else");
        else if (i % 89 == 0)
            line = MadeUpWord(i).left(5) + QStringLiteral("\tpart of it\tpart");
        else if (i % 83 == 0)
            line = MadeUpWord(i).toUpper() + QStringLiteral("\t[[k'eIs]]\tcase");
        else
            line = MadeUpWord(i) + u'\t' + MadeUpWord(i + 7);
        out += line.toUtf8() + '\n';
    }
    return out;
}

QString MakeText(const QString& dir) {
    const QString path = dir + "/prose-5k.txt";
    const QString tool = qEnvironmentVariable("NURVA_CORPUS", NURVA_CORPUS_DIR) + "/make-text";
    if (QProcess::execute("python3", {tool, "5k", path}) != 0)
        qFatal("make-text failed");
    return path;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int entries = 50000, runs = 5;
    const QStringList args = app.arguments();
    const bool dialog = !args.contains("--skip-dialog");
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--entries")
            entries = args[i + 1].toInt();
        else if (args[i] == "--runs")
            runs = std::max(1, args[i + 1].toInt());
    }
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    KoUtils::SetExecutablePath(dir.filePath("nurva")); // lexicon.txt beside it
    const QString textPath = MakeText(dir.path());
    QFile textFile(textPath);
    textFile.open(QIODevice::ReadOnly);
    const QByteArray text = textFile.readAll();
    const QString path = engines::LexiconPath();
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(LexiconFile(entries, QString::fromUtf8(text))) < 0)
            qFatal("cannot write %s", qPrintable(path));
    }
    std::printf("lexicon of %d entries, %lld bytes of prose\n", entries,
                static_cast<long long>(text.size()));

    // Opening the manager: the file read and every entry listed, the window shown and painted;
    // then one pronunciation changed, as the user edits a cell.
    std::vector<double> open, edit;
    for (int r = 0; dialog && r < runs; ++r) {
        std::unique_ptr<TFormLexicon> form;
        open.push_back(TimeMs([&] {
            engines::Lexicon lexicon;
            QString error;
            if (!engines::ReadLexiconForDialog(lexicon, &error))
                qFatal("%s", qPrintable(error));
            form = std::make_unique<TFormLexicon>(nullptr, lexicon, path, engines::LexiconListen());
            form->show();
            QApplication::processEvents();
        }));
        edit.push_back(TimeMs([&] {
            form->Model->setData(form->Model->index(r, TLexiconModel::ColSay), "changed");
            QApplication::processEvents();
        }));
        form->close();
    }
    if (dialog) {
        std::printf("%-46s %9.1f ms  (%.2f x the 1 s goal)\n", "opening the Pronunciation Manager",
                    Median(open), Median(open) / kOpenTargetMs);
        std::printf("%-46s %9.1f ms\n", "one pronunciation changed in it", Median(edit));
    }

    // The lexicon's part of speaking: the replacement pass over the text as the engine runs
    // it for one text, the check for phonemes included. The first text after the file was
    // read also sorts the entries for the search.
    engines::ReloadLexicon();
    const auto lexicon = engines::CurrentLexicon();
    std::vector<double> apply;
    std::size_t said = 0;
    for (int r = 0; r <= runs; ++r)
        apply.push_back(TimeMs([&] {
            engines::TextPiece piece;
            (void)lexicon->HasPhonemes();
            lexicon->Apply(std::string_view(text.constData(), std::size_t(text.size())), 0, piece);
            said = piece.Text().size();
        }));
    const double firstMs = apply.front();
    apply.erase(apply.begin());
    const double applyMs = Median(apply);

    // What the same text costs espeak-ng's own command line, speaking into a file.
    std::vector<double> espeak;
    for (int r = 0; r < runs; ++r)
        espeak.push_back(TimeMs([&] {
            QProcess::execute("espeak-ng", {"-w", dir.filePath("espeak.wav"), "-f", textPath});
        }));
    const double espeakMs = Median(espeak);
    std::printf("%-46s %9.1f ms  (%.2f x the 50 ms goal; %zu bytes said)\n",
                "the lexicon's cost per 5 KB of text", applyMs, applyMs / kApplyTargetMs, said);
    std::printf("%-46s %9.1f ms\n", "the first 5 KB after the file was read", firstMs);
    std::printf("%-46s %9.1f ms  (the lexicon adds %.1f %% to it)\n",
                "espeak-ng -w speaking the same 5 KB", espeakMs, 100 * applyMs / espeakMs);
    return 0;
}
