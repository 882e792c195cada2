// SPDX-License-Identifier: GPL-3.0-or-later
// Timed subtitles of a conversion, from the words' places in the samples actually written:
// TCueBuilder groups the words into cues, a TSubtitleWriter (one small unit per format: SRT,
// WebVTT, LRC) writes them as UTF-8 text beside the audio file.
#pragma once

#include "Tags.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace audio {

struct TCue {
    double Start = 0, End = 0; // seconds
    QString Text;              // one or two lines, "\n" between them
};

// Cues by sentence, each at most two lines of about 42 characters and at most about 7 seconds;
// a cue lasts until the next one starts, or a little past its last word when a long pause
// follows. Words come in order; cues go to `done` as soon as their end is known, so a book of
// any length holds one cue at a time.
class TCueBuilder {
public:
    static constexpr int LineLength = 42;
    static constexpr double MaxSeconds = 7.0;
    static constexpr double Linger = 2.0; // how long a cue stays after its last word starts

    explicit TCueBuilder(std::function<void(const TCue&)> done);
    // A word as it stands in the text (control tags are left out) and where its sound starts.
    void Add(double seconds, const QString& word);
    // The audio ends here: the last cue lasts until then.
    void Finish(double seconds);

private:
    void Close();
    void Flush(double nextStart);
    std::function<void(const TCue&)> FEmit;
    QString FWords;
    double FStart = 0, FLast = 0;
    bool FSentenceEnded = false;
    std::optional<TCue> FPending; // closed, waiting to learn where the next one starts
};

// Two lines where one would be longer than `length`, broken at the blank nearest the middle.
QString BreakLines(const QString& text, int length = TCueBuilder::LineLength);

enum class TSubtitleFormat { Srt, Vtt, Lrc };
// "srt", "vtt" (or "webvtt"), "lrc" in any letter case.
std::optional<TSubtitleFormat> SubtitleFormatOfName(const QString& name);
// With its dot: ".srt", ".vtt", ".lrc".
QString SubtitleExtension(TSubtitleFormat format);

class TSubtitleWriter {
public:
    virtual ~TSubtitleWriter() = default;
    virtual QString Extension() const = 0; // with its dot
    virtual QByteArray Begin(const TTags&) { return {}; }
    virtual QByteArray Cue(int number, const TCue& cue) = 0; // numbers count from 1
    virtual QByteArray End(double) { return {}; }
};

std::unique_ptr<TSubtitleWriter> MakeSubtitleWriter(TSubtitleFormat format);
std::unique_ptr<TSubtitleWriter> MakeSrtWriter();
std::unique_ptr<TSubtitleWriter> MakeVttWriter();
std::unique_ptr<TSubtitleWriter> MakeLrcWriter();

} // namespace audio
