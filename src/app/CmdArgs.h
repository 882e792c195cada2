// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as the converter takes it, worked out from the arguments alone: the job,
// the switches and their values, and the names of the files a job writes. Nothing here looks at
// a file or speaks; TKoCmdLine does that with what this gives.
#pragma once

#include "Encoder.h"
#include "Subtitles.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace cmdline {

inline constexpr int SwitchCount = 8;
enum TSwitch { swEngine, swSpeed, swPitch, swWriteSpeed, swResample, swBitrate, swMode, swQuality };
// In that order.
extern const std::array<const char*, SwitchCount> SwitchNames;
extern const std::array<const char*, SwitchCount> SwitchDefaults;

// The switches beyond the table: a voice by name or language, subtitles, chapters, and the
// file a speaking worker notes its words' places in.
inline constexpr int MoreCount = 4;
enum TMore { mVoice, mSubtitles, mChapters, mWords };
extern const std::array<const char*, MoreCount> MoreNames; // "-v", "-sub", "-ch", "--words"

struct TSwitches {
    std::array<bool, SwitchCount> Given{};
    std::array<QString, SwitchCount> Values;
    std::array<std::optional<QString>, MoreCount> More; // as the table's, unset when not given
};

// `arguments` as the program received them, the program itself first. Every position counts
// for the switches, the job and file positions too, in any letter case; a switch's value is the
// argument after it as written (empty after the last); later occurrences win.
TSwitches ParseSwitches(const QStringList& arguments);

// Whether `argument` is one of the switches (of the table or beyond), in any letter case.
bool IsSwitch(const QString& argument);

// The arguments without Qt's own options (-platform, -style, -geometry, ...) that come first:
// the window takes those.
QStringList WithoutQtOptions(const QStringList& arguments);

// Whether the first argument is one of the converter's jobs (or asks for the help or the
// version), in any letter case.
bool IsJob(const QString& argument);

// A switch's value as a whole decimal number of 32 bits, blanks around it allowed.
bool ToInt(const QString& text, qint64& value);

// Argument i as a file name: "./" before a name that starts with "-", so that no program it is
// handed to takes it for an option.
QString FileArg(const QStringList& arguments, int i);

// The file a speech job writes, with the extension `ext` (".wav" or ".mp3"): argument 3 when
// it ends in ".wav" or ".mp3", else the text file's name when argument 2 names one
// (`textIsFile`), else "output" in the current folder.
QString SpeechOutput(const QStringList& arguments, bool textIsFile, const QString& ext);

// The file "/wtm" (`toMp3`) or "/mtw" writes: argument 3 when it has the output's extension,
// else the input's name with it.
QString ConvertOutput(const QStringList& arguments, bool toMp3);

// The file "/ttw" or "/ttm" (`compressed`) writes, and its format. Argument 3, unless it is a
// switch, names it: "-" is standard output (WAV or MP3); ".wav" and ".mp3" keep the name with
// the job's own extension, as ever; ".opus", ".ogg", ".oga" and ".flac" choose the format for
// "/ttm"; any other name is refused (`Error` says why). Without argument 3 the name is that of
// `input` (the text's file, empty for words or standard input) or "output", with the extension
// of `stored` for "/ttm" (the options' format) or ".wav".
struct TFileOutput {
    QString Name;
    audio::TFormat Format = audio::TFormat::Wav;
    QString Error;
};
TFileOutput FileOutput(const QStringList& arguments, bool compressed, const QString& input,
                       audio::TFormat stored);

// "-sub srt", "-sub vtt,lrc": the subtitle formats asked for, none when "-sub" is not given;
// false with `error` for a value that names none or something else.
bool SubtitlesAsked(const TSwitches& switches, QList<audio::TSubtitleFormat>& formats,
                    QString& error);

// "-ch split" (a file per chapter), "-ch marks" (one file with chapter marks), each with
// ":N" for parts of about N minutes instead of the text's own chapters.
struct TChapterChoice {
    enum TMode { Whole, Split, Marks } Mode = Whole;
    double Minutes = 0; // 0: the text's chapters
};
bool ChaptersAsked(const TSwitches& switches, TChapterChoice& choice, QString& error);

// The writing speed "-w" asks for, as a multiple of real time (8 when it is not given or is
// no number; 256 for "max"), and as the file destination takes it: in 1/256 of real time, of
// which only the low 16 bits travel ("-w 256" and "-w max" give 0: no cap).
qint64 WritingMultiple(const TSwitches& switches);
quint16 WritingSpeed(const TSwitches& switches);

} // namespace cmdline
