// The reading controller: one reading at a time, aloud, into a WAV file or into an MP3 file,
// on the speech component. It fixes a reading's output names when it starts, maps the
// engine's word index back into the text, and encodes the MP3 file when a conversion ends.
// It knows no widget and no command: the window decides what a start or a stop means for
// the editor, the status and the playlist.
#pragma once

#include "Lame.h"
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
    int Speed = 0;
    int RealTime = 0;
    // The automatic names of the outputs (modes 1 and 2).
    QString AutoWav, AutoMp3;
    // Mode 1: asks for the WAV file's name once the engine is free; empty keeps AutoWav.
    std::function<QString()> AskWav;
};

// The reading the engine is on, or was on last.
struct TReading {
    int Mode = 0;
    TReadKind Kind = rkNone;
    bool FreeText = false;
    QString Wav; // the file the engine writes, modes 1 and 2
    QString Mp3; // the automatic MP3 name, mode 2
};

struct TMp3Result {
    enum { Written, NothingSpoken, Failed, Cancelled } State = Written;
    QString Error;
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
    const TReading& Current() const { return FCurrent; }

    void Pause();
    void Resume();
    // Ends the reading; a paused one is resumed first so that its stop arrives.
    void Stop();
    bool Paused() const { return FSpeech->Paused; }

    // Where the engine is, as an index into the spoken text, and that index as a position in
    // the text as it was given (the engine's lines end in CR LF, the text's in one character).
    int SpokenPosition() const;
    int SpokenLength() const { return FSpokenLength; }
    int TextPosition(int spoken) const;

    // Starts encoding the finished conversion's WAV into `mp3` (the automatic name when empty);
    // mp3Done follows, or, when there is nothing to encode, the result comes back at once. The
    // WAV goes once the MP3 file is written, or when the encoding is cancelled; a failed
    // encoding keeps it. Nothing is left under the MP3 name unless it was written whole.
    std::optional<TMp3Result> StartMp3(const QString& mp3, const QString& khz, const QString& kbps);
    bool EncodingMp3() const { return FEncoder.Running(); }
    void CancelMp3();

    // "<folder><name>.ext" for a document's reading ("PartOf" before the name for a part),
    // "<folder>Clipboard.ext" for anything else.
    static QString AutoOutputName(TReadKind kind, const QString& extension, const QString& document,
                                  const QString& folder);
    // Reserves a name for an intermediate WAV file that nothing else owns: `wanted` when it is
    // free, else the first free "name-N.wav" beside it. Empty when the folder can't be written.
    static QString ReserveIntermediate(const QString& wanted);

signals:
    void started();
    // The engine stopped because of a pause; the reading goes on after Resume.
    void paused();
    // The engine stopped. `ended`: the reading that was started came to its end (its output
    // is complete); false for the stop of a reading that was replaced or never began.
    void stopped(bool ended);
    void mp3Progress(int percent);
    void mp3Done(const mainwindow::TMp3Result& result);

private:
    void Abandon();
    void OnStop();
    void Mp3Finished(const Lame::Result& result);

    speech::TMSpeech* FSpeech;
    TReading FCurrent;
    bool FActive = false;
    bool FReplaced = false;
    std::vector<int> FSpokenStarts, FTextStarts;
    int FSpokenLength = 0;
    Lame::TEncodeJob FEncoder;
    QString FMp3, FMp3Wav; // the encoding's output and input
    bool FMp3Retried = false;
};

} // namespace mainwindow
