// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF reading order on page geometries the made documents do not have: three columns under
// a headline, headers that alternate between left and right pages, the usual forms of page
// numbers, and paragraphs and words across line and page ends.
#include "PdfLayout.h"

#include <QtTest>

using namespace documents;

namespace {

constexpr double W = 600, H = 800, Line = 10, Pitch = 12;

// A page of lines, each given as its text, left edge, top and width.
struct TLine {
    QString Text;
    double X, Y, Width;
};
TPdfPage Page(const QList<TLine>& lines) {
    TPdfPage p{W, H, {}};
    for (const TLine& l : lines)
        p.Lines.append({l.Text, QRectF(l.X, l.Y, l.Width, Line)});
    return p;
}

QStringList Paragraphs(const QList<TPdfPage>& pages) {
    TTextBuilder out;
    LayOutPages(pages, out);
    TImportedDocument doc;
    out.Finish(doc);
    return doc.Text.split(QStringLiteral("\n\n"));
}

} // namespace

class TestPdfLayout : public QObject {
    Q_OBJECT

private slots:
    void columnsAreReadOneAfterTheOther() {
        QList<TLine> lines = {{"Headline across the page", 100, 100, 400}};
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 3; ++k)
                lines.append({QStringLiteral("c%1l%2").arg(c).arg(k), 50.0 + c * 180,
                              140.0 + k * Pitch, 160});
        QCOMPARE(Paragraphs({Page(lines)}),
                 QStringList({"Headline across the page", "c0l0 c0l1 c0l2", "c1l0 c1l1 c1l2",
                              "c2l0 c2l1 c2l2"}));
    }

    void runningLinesAndPageNumbersGo() {
        QList<TPdfPage> pages;
        const QStringList numbers = {"1", "- 2 -", "Page 3 of 6", "iv", "5", "[6]"};
        for (int i = 0; i < 6; ++i) {
            QList<TLine> lines = {{i % 2 ? "Chapter One: The Flood" : "A Quiet River", 50, 30, 200},
                                  {numbers[i], 280, 760, 40},
                                  {QStringLiteral("Body of page %1.").arg(i + 1), 50, 200, 400}};
            if (i == 2) // a heading that happens to stand high on one page stays
                lines.append({"Chapter Two", 50, 60, 100});
            pages.append(Page(lines));
        }
        QCOMPARE(
            Paragraphs(pages),
            QStringList({"Body of page 1.", "Body of page 2.", "Chapter Two", "Body of page 3.",
                         "Body of page 4.", "Body of page 5.", "Body of page 6."}));
    }

    void wordsAndParagraphsAcrossBreaks() {
        const TPdfPage first = Page({{"The river rose in the night and no-", 50, 200, 400},
                                     {"body slept; Jean-", 50, 200 + Pitch, 400},
                                     {"Paul watched the", 50, 200 + 2 * Pitch, 400}});
        const TPdfPage second = Page({{"water all night long.", 50, 100, 400},
                                      {"In the morning the bridge was gone.", 70, 100 + Pitch, 380},
                                      {"Nobody spoke.", 50, 100 + 2 * Pitch, 400}});
        QCOMPARE(Paragraphs({first, second}),
                 QStringList({"The river rose in the night and nobody slept; Jean-Paul watched "
                              "the water all night long.",
                              "In the morning the bridge was gone. Nobody spoke."}));
    }
};

QTEST_GUILESS_MAIN(TestPdfLayout)
#include "tst_PdfLayout.moc"
