// SPDX-License-Identifier: GPL-3.0-or-later
// The reading controller: one reading at a time, aloud or into a WAV file on the speech
// component, or into an MP3 file through the conversion pipeline (worker processes of this
// program speak the text's pieces straight into the encoder; no WAV file is written). It fixes a
// reading's output names when it starts, maps the engine's word index back into the text, and
// names the MP3 file when a conversion ends.
// It knows no widget and no command: the window decides what a start or a stop means for
// the editor, the status and the playlist.
#pragma once

#include "Chapters.h"
#include "Lame.h"
#include "Mp3Pipeline.h"
#include "mSpeech.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

enum TReadKind { rkNone, rkDocument, rkPart, rkClipboard };

namespace mainwindow {

struct TReadingRequest {
    QString Text;
    int Mode = 0; // 0 aloud, 1 into a WAV file, 2 into an MP3 file
    TReadKind Kind = rkNone;
    bool FreeText = false; // a typed key: it neither converts nor advances
    int EngineIndex = 0;
    QString EngineName; // the voice, found by name; when empty, voice EngineIndex
    int Speed = 0;
    int RealTime = 0;
    // The automatic names of the outputs (modes 1 and 2).
    QString AutoWav, AutoMp3;
    // Mode 1: asks for the WAV file's name once the engine is free; empty keeps AutoWav.
    std::function<QString()> AskWav;
    // Mode 2: the encoder's sample rate and bit rate, the format, the subtitles beside it.
    QString Khz = QStringLiteral("22.05"), Kbps = QStringLiteral("128");
    audio::TFormat Format = audio::TFormat::Mp3;
    QList<audio::TSubtitleFormat> Subtitles;
    // Mode 2, a document: split into a file per chapter or marked in one file (Whole:
    // neither), at these chapters (none: one file), the book titled `Book`. A split book's
    // files take their names as they are done; AskBook asks for the name they are made from
    // when the conversion starts (empty keeps AutoMp3).
    Lame::TTarget::TChapters Chapters = Lame::TTarget::Whole;
    QList<chapters::TChapterStart> ChapterStarts;
    QString Book;
    std::function<QString()> AskBook;
};

// The reading the engine is on, or was on last.
struct TReading {
    int Mode = 0;
    TReadKind Kind = rkNone;
    bool FreeText = false;
    QString Wav; // the file the engine writes, mode 1
    QString Mp3; // the automatic MP3 name, mode 2
    // Mode 2 by chapters: the playlist of a split book, and whether the text had no chapters
    // (it goes into one file).
    QString Playlist;
    bool Unchaptered = false;
};

struct TMp3Result {
    enum { Written, NothingSpoken, Failed, Cancelled } State = Written;
    QString Error;
    int Files = 0; // Written: how many audio files (a split book's chapters)
};

class TReadingController : public QObject {
    Q_OBJECT
public:
    explicit TReadingController(speech::TMSpeech* speech, QObject* parent = nullptr);

    // Starts a reading, replacing any other. Throws std::exception with the message for the
    // user; StartReplaced() then tells whether the engine was rebound (an earlier reading is
    // over and will report no stop) or left alone.
    void Start(const TReadingRequest& request);
    bool StartReplaced() const { return FReplaced; }
    // Started, and its stop has not arrived.
    bool Active() const { return FActive; }
    // An MP3 conversion runs: it has no word positions, only progress.
    bool Converting() const { return FActive && FCurrent.Mode == 2; }
    const TReading& Current() const { return FCurrent; }

    void Pause();
    void Resume();
    // Ends the reading; a paused one is resumed first so that its stop arrives.
    void Stop();
    bool Paused() const { return Converting() ? FPipeline.Paused() : FSpeech->Paused; }

    // Where the engine is, as an index into the spoken text, and that index as a position in
    // the text as it was given (the engine's lines end in CR LF, the text's in one character).
    int SpokenPosition() const;
    int SpokenLength() const { return FSpokenLength; }
    int TextPosition(int spoken) const;

    // The MP3 step of a conversion that has stopped: puts its file under `mp3` (the automatic
    // name when empty), or tells why there is none. Nothing is ever left under an MP3 name
    // unless it was written whole. A split book has its files already; this writes its
    // playlist.
    TMp3Result FinishMp3(const QString& mp3);
    // A stopped conversion has a file waiting for its name.
    bool Mp3Ready() const { return FMp3.State == TMp3Result::Written; }

    // The program that speaks a conversion's pieces, as its "/ttw" job: this program itself
    // unless set.
    static void SetWorkerProgram(const QString& path);

    // "<folder><name>.ext" for a document's reading ("PartOf" before the name for a part),
    // "<folder>Clipboard.ext" for anything else.
    static QString AutoOutputName(TReadKind kind, const QString& extension, const QString& document,
                                  const QString& folder);

signals:
    void started();
    // The engine stopped because of a pause; the reading goes on after Resume.
    void paused();
    // The engine stopped. `ended`: the reading that was started came to its end (its output
    // is complete); false for the stop of a reading that was replaced or never began.
    void stopped(bool ended);
    // How much of a conversion is done.
    void mp3Progress(int percent);

private:
    void Abandon();
    void OnStop();
    void StartConversion(const TReadingRequest& request);
    void RunPipeline(const QString& khz, const QString& kbps);
    void ConversionFinished(const Lame::Result& result);

    speech::TMSpeech* FSpeech;
    TReading FCurrent;
    bool FActive = false;
    bool FReplaced = false;
    std::vector<int> FSpokenStarts, FTextStarts;
    int FSpokenLength = 0;
    Lame::TMp3Pipeline FPipeline;
    TReadingRequest FMp3Request;                // the running conversion's, for a retry
    TMp3Result FMp3{TMp3Result::Cancelled, {}}; // how the last conversion ended
    bool FMp3Retried = false;
    int FRun = 0; // counts conversions, so that a late report of an old one is known
};

} // namespace mainwindow
