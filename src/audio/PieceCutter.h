// SPDX-License-Identifier: GPL-3.0-or-later
// The cutting of a conversion's text into the pieces its workers speak one by one
// (Mp3Pipeline.h): where a piece ends depends on the text alone, a chapter starts a piece of its
// own, and from the first control tag on the text stays whole. Only about one and a half pieces
// are held at a time, so a book of any length goes through in chunks.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Lame {

// Cuts a text, handed over in chunks of any size, into pieces of about `size` characters, each
// ending at a blank line, else at a sentence's end, else at a blank; together they are the text.
// Where the pieces end depends on the text alone, not on its chunks. Only about one and a half
// pieces are held at a time. From the first control tag on the text stays whole: a tag's
// setting runs on past any cut, and a worker would not know it. Such a piece is handed out in
// chunks: Next gives its start, Rest the chunks after it. A chapter (`breaks`, offsets in the
// text) always starts a piece of its own, tags or not.
class TPieceCutter {
public:
    // The next chunk; nullopt at the end. May throw std::exception with a message.
    using Chunks = std::function<std::optional<QString>()>;
    TPieceCutter(Chunks chunks, qsizetype size, QList<qint64> breaks = {});
    // The next piece, with `last` set on the last one; nullopt after it. A text with nothing
    // in it is one empty piece.
    std::optional<QString> Next(bool& last);
    // What more belongs to the piece Next gave, a chunk at a time; nullopt at its end.
    std::optional<QString> Rest();
    // Where the piece Next gave starts in the text, and whether a chapter starts right after it.
    qint64 Start() const { return FStart; }
    bool EndsChapter() const { return FEndsChapter; }

private:
    void Fill(qsizetype size);
    QString Take(qsizetype count);
    Chunks FChunks;
    qsizetype FSize;
    QList<qint64> FBreaks;
    qsizetype FBreak = 0; // the first break not yet passed
    QString FBuffer;
    qint64 FOffset = 0; // where FBuffer starts in the text
    qint64 FStart = 0;
    qint64 FRestStop = -2; // Rest goes on to here (-1: the end; -2: no Rest)
    bool FEnd = false, FWhole = false, FDone = false, FEndsChapter = false;
};

// The pieces TPieceCutter makes of `text` in `count` pieces of about equal length.
QStringList SplitPieces(const QString& text, int count);

// Hands out `text` as one chunk.
TPieceCutter::Chunks ChunksOf(const QString& text);
// The size of each of `count` pieces of about equal length in a text of `length` characters.
qsizetype PieceSize(qint64 length, int count);

} // namespace Lame
