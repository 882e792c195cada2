// SPDX-License-Identifier: GPL-3.0-or-later
#include "PieceCutter.h"

#include <QStringView>

#include <algorithm>
#include <utility>

namespace Lame {

TPieceCutter::TPieceCutter(Chunks chunks, qsizetype size, QList<qint64> breaks)
    : FChunks(std::move(chunks)), FSize(std::max<qsizetype>(size, 16)), FBreaks(std::move(breaks)) {
    std::sort(FBreaks.begin(), FBreaks.end());
}

void TPieceCutter::Fill(qsizetype size) {
    while (!FEnd && FBuffer.size() < size) {
        std::optional<QString> chunk = FChunks();
        if (chunk)
            FBuffer += *chunk;
        else
            FEnd = true;
    }
}

QString TPieceCutter::Take(qsizetype count) {
    QString piece = FBuffer.first(count);
    FBuffer.remove(0, count);
    FOffset += count;
    return piece;
}

std::optional<QString> TPieceCutter::Next(bool& last) {
    if (FDone)
        return std::nullopt;
    FRestStop = -2; // no Rest for this piece unless it is handed out in chunks
    // Every decision looks at the first `seen` characters only, so the chunks don't matter.
    const qsizetype want = FSize, reach = FSize / 4, seen = FSize + FSize / 2 + 2;
    Fill(seen);
    FStart = FOffset;
    while (FBreak < FBreaks.size() && FBreaks[FBreak] <= FOffset)
        ++FBreak;
    // A chapter begins a piece of its own.
    qint64 stop = FBreak < FBreaks.size() ? FBreaks[FBreak] - FOffset : -1;
    if (FEnd && stop >= FBuffer.size())
        stop = -1; // past the end: no chapter starts there
    if (!FWhole && QStringView(FBuffer).first(std::min(seen, FBuffer.size())).contains(u'\\'))
        FWhole = true;
    const bool rest = FWhole || (FEnd && FBuffer.size() <= FSize + FSize / 2);
    last = false;
    FEndsChapter = stop >= 0;
    if (stop >= 0 && stop < FBuffer.size() && (rest || stop <= want + reach))
        return Take(stop);
    if (rest) {
        if (stop < 0)
            FDone = last = true;
        // Whole up to the next chapter or the end: what the buffer holds, then Rest's chunks.
        FRestStop = stop < 0 ? -1 : FOffset + stop;
        return Take(FBuffer.size());
    }
    FEndsChapter = false;
    const QString& t = FBuffer;
    // The nearest cut before or after `want` within a quarter piece, the best kind first.
    auto cutAfter = [&](auto isCut) -> qsizetype {
        for (qsizetype d = 0; d <= reach; ++d)
            for (qsizetype at : {want - d, want + d})
                if (at > 1 && isCut(at))
                    return at + 1;
        return -1;
    };
    auto sentenceEnd = [&](qsizetype at) {
        return QStringView(u".!?").contains(t[at - 1]) ||
               (t[at - 1] == u'\r' && QStringView(u".!?").contains(t[at - 2]));
    };
    // A blank line: the engine speaks each paragraph on its own, so both sides of such a cut
    // sound exactly as they do in the whole.
    qsizetype cut = cutAfter([&](qsizetype at) {
        return t[at] == u'\n' && (t[at - 1] == u'\n' || (t[at - 1] == u'\r' && t[at - 2] == u'\n'));
    });
    if (cut < 0)
        cut = cutAfter([&](qsizetype at) { return t[at] == u'\n' && sentenceEnd(at); });
    if (cut < 0)
        cut = cutAfter([&](qsizetype at) { return t[at].isSpace() && sentenceEnd(at); });
    if (cut < 0)
        cut = cutAfter([&](qsizetype at) { return t[at].isSpace(); });
    if (cut < 0)
        cut = t[want - 1].isHighSurrogate() ? want + 1 : want; // never inside a character
    return Take(cut);
}

std::optional<QString> TPieceCutter::Rest() {
    if (FRestStop == -2)
        return std::nullopt;
    if (!FBuffer.isEmpty() || FEnd || (FRestStop >= 0 && FOffset >= FRestStop)) {
        FRestStop = -2;
        FDone = FDone || (FEnd && FBuffer.isEmpty());
        return std::nullopt;
    }
    std::optional<QString> chunk = FChunks();
    if (!chunk) {
        FEnd = true;
        FDone = FRestStop < 0;
        FRestStop = -2;
        return std::nullopt;
    }
    if (FRestStop >= 0 && FOffset + chunk->size() > FRestStop) {
        // The next chapter starts inside: it waits for the next piece.
        const qsizetype keep = qsizetype(FRestStop - FOffset);
        FBuffer = chunk->mid(keep);
        chunk->truncate(keep);
    }
    FOffset += chunk->size();
    return chunk;
}

TPieceCutter::Chunks ChunksOf(const QString& text) {
    return [text = QString(text), given = false]() mutable -> std::optional<QString> {
        if (std::exchange(given, true))
            return std::nullopt;
        return std::exchange(text, QString());
    };
}

qsizetype PieceSize(qint64 length, int count) {
    return qsizetype((length + std::max(1, count) - 1) / std::max(1, count));
}

QStringList SplitPieces(const QString& text, int count) {
    TPieceCutter cutter(ChunksOf(text), PieceSize(text.size(), count));
    QStringList pieces;
    bool last = false;
    while (std::optional<QString> piece = cutter.Next(last))
        pieces << *piece;
    while (std::optional<QString> more = cutter.Rest())
        pieces.last() += *more;
    return pieces;
}

} // namespace Lame
