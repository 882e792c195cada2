// SPDX-License-Identifier: GPL-3.0-or-later
// Text to an audio file without a WAV in between: the text is cut into pieces at paragraph or
// sentence ends; each piece is spoken by a worker process (the program itself, running its
// "--piece" job into a pipe: the engine library keeps global state, so a second synthesis needs
// a process of its own). One piece per core runs at a time; memory stays flat and look-ahead is
// bounded.
//
// MP3: each piece's WAV stream goes straight into an encoder reading standard input. The first
// piece is encoded straight into the output's temporary file; later pieces into files of their
// own beside it, appended in order as soon as the pieces before them are done. The pieces are
// joined in the silence at a paragraph's end: each piece but the last gives up about as much of
// its trailing silence as the encoder adds at a junction (its delay and the padding of the last
// frame), so the joined file is as long as one encoding of the pieces' speech. (The silence
// where two pieces meet is the same as in one synthesis of the whole text; but the engine times
// the words of a piece it starts afresh a little differently than it would after what came
// before, a few tenths of a second per hour either way, and no cut at the junction can know by
// how much.) No piece writes the encoder's tag frame, so the file is one plain constant-rate
// stream whose length and seek positions players compute from its size.
//
// WAV, Opus, Vorbis, FLAC: each piece's samples go into a file of their own beside the output,
// and one encoder in this process takes them in order, the first piece's while it is spoken.
// Nothing is cut away, so the samples are exactly those of the pieces spoken one by one.
//
// Beside the audio: tags, chapter marks (a chapter starts a piece of its own, so its time is
// where that piece begins), subtitles timed by the words' places in the samples written, and a
// book split into one file per chapter.
#pragma once

#include "Encoder.h"
#include "Lame.h"
#include "PieceCutter.h"
#include "Subtitles.h"
#include "Tags.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace Lame {

// How many pieces a text of `length` characters is cut into when `parallel` pipelines may run.
// A junction can be off by half an encoder frame, so pieces are long enough for that to stay
// far below a tenth of a second per hour.
int PieceCount(qsizetype length, int parallel);
// How many pipelines run at once for a writing speed in 1/256 of real time (the file
// destination's value; 0 is no cap): one per core without a cap, else one.
int PipelineCount(unsigned writingSpeed);

// A chapter of the text: where it starts (an offset in the text), its title, and, for a book
// split into files, the file it goes into.
struct TBreak {
    qint64 Position = 0;
    QString Title;
    QString Output;
};

// What a conversion writes, beyond the MP3 encoder's options.
struct TTarget {
    audio::TFormat Format = audio::TFormat::Mp3;
    int Kbps = 0; // Opus and Vorbis; 0 is the encoder's own choice
    QList<audio::TSubtitleFormat> Subtitles;
    audio::TTags Tags; // of every file; a split book's files get the chapter's title and number
    enum TChapters { Whole, Marks, Split } Chapters = Whole;
    // Ascending. For Split the first is at 0, and every chapter names its file.
    QList<TBreak> Breaks;
};

class TMp3Pipeline : public QObject {
    Q_OBJECT
public:
    explicit TMp3Pipeline(QObject* parent = nullptr);
    ~TMp3Pipeline() override;

    // Hands the text's pieces (TPieceCutter, `count` pieces for `expected` characters) to the
    // workers as they are needed: `worker` and `workerSwitches` are the program that speaks a
    // piece, as `worker /ttw TEXTFILE OUT.wav workerSwitches...`. Always ends in exactly one
    // finished(), delivered through the event loop of the thread that started it. With
    // `commit` false a finished file waits for Commit or Discard instead of taking its name.
    // `target` says which format, tags, subtitles and chapters; `output` "-" writes a WAV or an
    // MP3 to standard output.
    void Start(TPieceCutter::Chunks chunks, qint64 expected, int count, const QString& worker,
               const QStringList& workerSwitches, const QString& output, const Options& options,
               int parallel, bool commit = true, const TTarget& target = {});
    // The same for a text in memory; the text is not needed once this returns.
    void Start(const QString& text, int count, const QString& worker,
               const QStringList& workerSwitches, const QString& output, const Options& options,
               int parallel, bool commit = true, const TTarget& target = {});
    // Puts a file finished without its name under `output` (any folder), and its subtitles
    // beside it; false with `error` when it can't.
    bool Commit(const QString& output, QString& error);
    // Removes a file finished without its name.
    void Discard();
    // Ends a run: its workers are killed and nothing is left of its files. With `wait`,
    // finished() has come when this returns.
    void Cancel(bool wait = false);
    bool Running() const;
    // The files a run that has ended wrote, in order.
    QList<TWrittenFile> Files() const;
    // Holds a run where it is, and lets it go on: its workers and encoders are stopped and
    // continued (pieces started meanwhile start stopped).
    void Pause(bool paused);
    bool Paused() const;

signals:
    void progress(int percent);
    void finished(const Lame::Result& result);

private:
    struct State;
    std::shared_ptr<State> FState;
};

} // namespace Lame
