// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfLayout.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace documents {

namespace {

// Header and footer zones: this share of the page's height at its top and its bottom.
constexpr double Zone = 0.12;

double Median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The line as a header or footer is compared with those of other pages: digits do not count.
QString Key(const QString& text) {
    QString key;
    for (QChar c : text) {
        if (c.isDigit())
            key += u'#';
        else if (!c.isSpace())
            key += c.toLower();
    }
    return key;
}

bool PageNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\W*(page\s*)?(\d+|[ivxlcdm]+)(\s*(of|/)\s*\d+)?\W*$)"),
        QRegularExpression::CaseInsensitiveOption);
    return number.match(text.trimmed()).hasMatch();
}

bool InZone(const TPdfPage& p, const TPdfLine& l) {
    return p.Height > 0 &&
           (l.Box.bottom() < p.Height * Zone || l.Box.top() > p.Height * (1 - Zone));
}

// The keys of the lines at the top and bottom of a page.
QSet<QString> ZoneKeys(const TPdfPage& page) {
    QSet<QString> keys;
    for (const TPdfLine& l : page.Lines)
        if (InZone(page, l))
            keys.insert(Key(l.Text));
    return keys;
}

struct TBlock {
    QList<TPdfLine> Lines; // top to bottom
    QRectF Box;
};

bool OverlapX(const QRectF& a, const QRectF& b, double least = 1.0) {
    return std::min(a.right(), b.right()) - std::max(a.left(), b.left()) > least;
}

// Lines standing one under the other, close and about as large, form a block.
QList<TBlock> Blocks(QList<TPdfLine> lines) {
    std::sort(lines.begin(), lines.end(), [](const TPdfLine& a, const TPdfLine& b) {
        return a.Box.top() != b.Box.top() ? a.Box.top() < b.Box.top() : a.Box.left() < b.Box.left();
    });
    QList<TBlock> blocks;
    for (const TPdfLine& line : std::as_const(lines)) {
        const double h = std::max(1.0, line.Box.height());
        TBlock* joined = nullptr;
        for (qsizetype k = blocks.size() - 1; k >= 0 && !joined; --k) {
            TBlock& b = blocks[k];
            const TPdfLine& last = b.Lines.back();
            const double gap = line.Box.top() - last.Box.bottom();
            const double lh = std::max(1.0, last.Box.height());
            if (gap > -0.5 * h && gap < 0.9 * std::max(h, lh) && OverlapX(last.Box, line.Box) &&
                std::max(h, lh) / std::min(h, lh) < 1.3)
                joined = &b;
        }
        if (joined) {
            joined->Lines.append(line);
            joined->Box |= line.Box;
        } else {
            blocks.append({{line}, line.Box});
        }
    }
    return blocks;
}

// Reading order of blocks (Breuel's rule): a block comes before another that it overlaps
// horizontally and stands above, and before one wholly to its right unless a third block
// between them in height spans both.
QList<TBlock> Ordered(const QList<TBlock>& blocks) {
    const int n = int(blocks.size());
    if (n <= 1)
        return blocks;
    QList<QList<int>> after(n);
    QList<int> before(n, 0);
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            if (a == b)
                continue;
            const QRectF& A = blocks[a].Box;
            const QRectF& B = blocks[b].Box;
            bool first = false;
            if (OverlapX(A, B))
                first = A.center().y() < B.center().y();
            else if (A.right() <= B.left() + 1) {
                first = true;
                const double top = std::min(A.top(), B.top()), bottom = std::max(A.top(), B.top());
                for (int c = 0; c < n && first; ++c) {
                    if (c == a || c == b)
                        continue;
                    const QRectF& C = blocks[c].Box;
                    if (C.top() > top && C.top() < bottom && OverlapX(C, A) && OverlapX(C, B))
                        first = false;
                }
            }
            if (first) {
                after[a].append(b);
                ++before[b];
            }
        }
    }
    // Kahn's sort; among blocks free to come next, the highest, then the leftmost. A cycle
    // (overlapping blocks) is broken the same way.
    QList<TBlock> order;
    QList<bool> done(n, false);
    for (int step = 0; step < n; ++step) {
        int pick = -1;
        for (int pass = 0; pass < 2 && pick < 0; ++pass)
            for (int k = 0; k < n; ++k) {
                if (done[k] || (pass == 0 && before[k] > 0))
                    continue;
                if (pick < 0 || blocks[k].Box.top() < blocks[pick].Box.top() - 0.5 ||
                    (std::abs(blocks[k].Box.top() - blocks[pick].Box.top()) <= 0.5 &&
                     blocks[k].Box.left() < blocks[pick].Box.left()))
                    pick = k;
            }
        done[pick] = true;
        order.append(blocks[pick]);
        for (int b : std::as_const(after[pick]))
            --before[b];
    }
    return order;
}

bool EndsSentence(const QString& text) {
    static const QString ends = QStringLiteral(".!?:\"\u201D\u2019)");
    return !text.isEmpty() && ends.contains(text.back());
}

// A word hyphenated at the line's end: a letter, then the hyphen.
bool EndsHyphenated(const QString& text) {
    return text.size() >= 2 && (text.back() == u'-' || text.back() == QChar(0xAD)) &&
           text[text.size() - 2].isLetter();
}

} // namespace

TPdfLayout::TPdfLayout(TTextBuilder& out) : FOut(out) {}

void TPdfLayout::AddPage(TPdfPage page) {
    FKeys.append(ZoneKeys(page));
    for (const TPdfLine& l : std::as_const(page.Lines))
        ++FHeights[int(std::lround(l.Box.height() * 2))];
    FWaiting.append(std::move(page));
    // A page is laid out once the two after it are known: running lines repeat on neighbours.
    while (FWaiting.size() > 2)
        LayOutNext();
}

void TPdfLayout::Finish() {
    while (!FWaiting.isEmpty())
        LayOutNext();
    EndParagraph();
}

void TPdfLayout::EndParagraph() {
    if (!FOpen.isEmpty())
        FOut.AddParagraph(FOpen);
    FOpen.clear();
}

// Running headers and footers (the same words at the top or bottom of a neighbouring page, or of
// the page after next, as left and right pages alternate) and page numbers are left out.
void TPdfLayout::DropRunningLines(TPdfPage& page, int index) const {
    auto repeated = [&](const QString& key) {
        for (int d : {-2, -1, 1, 2})
            if (index + d >= 0 && index + d < FKeys.size() && FKeys[index + d].contains(key))
                return true;
        return false;
    };
    page.Lines.erase(std::remove_if(page.Lines.begin(), page.Lines.end(),
                                    [&](const TPdfLine& l) {
                                        return InZone(page, l) &&
                                               (PageNumber(l.Text) || repeated(Key(l.Text)));
                                    }),
                     page.Lines.end());
}

void TPdfLayout::LayOutNext() {
    TPdfPage page = FWaiting.takeFirst();
    const int index = int(FStarts.size());
    DropRunningLines(page, index);
    // The body's height: the most common one of all lines so far.
    int common = 0, most = 0;
    for (auto it = FHeights.cbegin(); it != FHeights.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            common = it.key();
        }
    const double body = std::max(1.0, common / 2.0);
    QString& open = FOpen; // the paragraph under way: it may go on past a page or column
    // Where this page's words begin: after the paragraph under way, when one goes on.
    const qsizetype written = FOut.Empty() ? 0 : FOut.Size() + 2;
    FStarts.append(open.isEmpty() ? written : written + open.size() + 1);
    const QList<TBlock> blocks = Ordered(Blocks(page.Lines));
    double lastTop = -1; // of the block before, on this page
    for (const TBlock& block : blocks) {
        // Text goes on from one block to the next only at the top of a page or a column;
        // below another block on the same column, a block is a paragraph of its own.
        const bool freshColumn = lastTop < 0 || block.Box.top() < lastTop - body;
        lastTop = block.Box.top();
        const double left = block.Box.left();
        // A block of one or two lines set larger than the body is a heading.
        if (block.Lines.size() <= 2 && block.Lines.front().Box.height() > body * 1.2) {
            EndParagraph();
            QString title;
            for (const TPdfLine& l : block.Lines)
                title += l.Text.trimmed() + u' ';
            const double size = block.Lines.front().Box.height() / body;
            FOut.BeginHeading(size > 1.6 ? 1 : size > 1.35 ? 2 : 3);
            FOut.Append(title);
            FOut.EndHeading();
            continue;
        }
        QList<double> gaps;
        for (int k = 1; k < block.Lines.size(); ++k)
            gaps.append(block.Lines[k].Box.top() - block.Lines[k - 1].Box.top());
        const double pitch = Median(gaps);
        for (int k = 0; k < block.Lines.size(); ++k) {
            const TPdfLine& line = block.Lines[k];
            const QString text = line.Text.trimmed();
            if (text.isEmpty())
                continue;
            const bool indented = line.Box.left() > left + 0.8 * body;
            const bool spaced =
                k > 0 && pitch > 0 && line.Box.top() - block.Lines[k - 1].Box.top() > pitch * 1.2;
            // A new block begins a paragraph unless the one under way plainly goes on.
            const bool continues = k == 0 && freshColumn && !open.isEmpty() && !indented &&
                                   (!EndsSentence(open) || EndsHyphenated(open));
            if ((k == 0 && !continues) || indented || spaced)
                EndParagraph();
            if (open.isEmpty())
                open = text;
            else if (EndsHyphenated(open) && text.front().isLower())
                open = open.chopped(1) + text; // a word the line's end broke
            else if (EndsHyphenated(open))
                open += text; // a hyphen of the word itself: "Jean-" "Paul"
            else
                open += u' ' + text;
        }
    }
}

QList<qsizetype> LayOutPages(QList<TPdfPage> pages, TTextBuilder& out) {
    TPdfLayout layout(out);
    for (TPdfPage& page : pages)
        layout.AddPage(std::move(page));
    layout.Finish();
    return layout.PageStarts();
}

QList<TChapter> PlaceBookmarks(const QString& text, const QList<qsizetype>& pageStarts,
                               const QList<TPdfBookmark>& bookmarks) {
    QList<TChapter> chapters;
    for (const TPdfBookmark& b : bookmarks) {
        if (b.Page < 0 || b.Page >= pageStarts.size() || b.Title.trimmed().isEmpty())
            continue;
        const qsizetype start = std::min(pageStarts[b.Page], text.size());
        const qsizetype end = b.Page + 1 < pageStarts.size() ? pageStarts[b.Page + 1] : text.size();
        qsizetype at = text.indexOf(b.Title.simplified(), start, Qt::CaseInsensitive);
        if (at < 0 || at > end)
            at = start;
        chapters.append({at, b.Title.simplified(), std::max(1, b.Level)});
    }
    std::stable_sort(chapters.begin(), chapters.end(),
                     [](const TChapter& a, const TChapter& b) { return a.Position < b.Position; });
    return chapters;
}

} // namespace documents
