// Text to MP3 without an intermediate WAV file: the text is cut into pieces at paragraph or
// sentence ends; each piece is spoken by a worker process (the program itself, running its
// "/ttw" job into a pipe: the engine library keeps global state, so a second synthesis needs a
// process of its own) and its WAV stream goes straight into an encoder reading standard input.
// One piece per core runs at a time. The first piece is encoded straight into the output's
// temporary file; later pieces into files of their own beside it, appended in order as soon as
// the pieces before them are done, so memory stays flat and look-ahead is bounded.
//
// The pieces are joined in the silence at a paragraph's end: each piece but the last gives up
// about as much of its trailing silence as the encoder adds at a junction (its delay and the
// padding of the last frame), so the joined file is as long as one encoding of the whole text.
// No piece writes the encoder's tag frame, so the file is one plain constant-rate stream whose
// length and seek positions players compute from its size.
#pragma once

#include "Lame.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace Lame {

// How many pieces a text of `length` characters is cut into when `parallel` pipelines may run.
// A junction can be off by half an encoder frame, so pieces are long enough for that to stay
// far below a tenth of a second per hour.
int PieceCount(qsizetype length, int parallel);
// Cuts `text` into `count` pieces of about equal length, each ending at a blank line, else at a
// sentence's end, else at a blank; together they are the text. A text with control tags stays
// whole.
QStringList SplitPieces(const QString& text, int count);
// Where those pieces end, as offsets into `text`.
QList<qsizetype> PieceEnds(const QString& text, int count);

class TMp3Pipeline : public QObject {
    Q_OBJECT
public:
    explicit TMp3Pipeline(QObject* parent = nullptr);
    ~TMp3Pipeline() override;

    // Cuts `text` into `count` pieces (SplitPieces) and hands them to the workers: `worker`
    // and `workerSwitches` are the program that speaks a piece, as
    // `worker /ttw TEXTFILE OUT.wav workerSwitches...`. The text is not needed once this
    // returns. Always ends in exactly one finished(), delivered through the event loop of the
    // thread that started it.
    void Start(const QString& text, int count, const QString& worker,
               const QStringList& workerSwitches, const QString& output, const Options& options,
               int parallel);
    void Cancel();
    bool Running() const;

signals:
    void progress(int percent);
    void finished(const Lame::Result& result);

private:
    struct State;
    std::shared_ptr<State> FState;
};

} // namespace Lame
