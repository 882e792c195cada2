// The command line as the converter takes it, worked out from the arguments alone: the job,
// the switches and their values, and the names of the files a job writes. Nothing here looks at
// a file or speaks; TKoCmdLine does that with what this gives.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace cmdline {

inline constexpr int SwitchCount = 8;
enum TSwitch { swEngine, swSpeed, swPitch, swWriteSpeed, swResample, swBitrate, swMode, swQuality };
// In that order.
extern const std::array<const char*, SwitchCount> SwitchNames;
extern const std::array<const char*, SwitchCount> SwitchDefaults;

struct TSwitches {
    std::array<bool, SwitchCount> Given{};
    std::array<QString, SwitchCount> Values;
};

// `arguments` as the program received them, the program itself first. Every position counts
// for the switches, the job and file positions too, in any letter case; a switch's value is the
// argument after it as written (empty after the last); later occurrences win.
TSwitches ParseSwitches(const QStringList& arguments);

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

// The writing speed "-w" asks for, as a multiple of real time (8 when it is not given or is
// no number), and as the file destination takes it: in 1/256 of real time, of which only the
// low 16 bits travel ("-w 256" gives 0: no cap).
qint64 WritingMultiple(const TSwitches& switches);
quint16 WritingSpeed(const TSwitches& switches);

} // namespace cmdline
