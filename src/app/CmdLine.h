// TKoCmdLine: the command-line converter. One job per run: list or describe the engines,
// speak a file or a sentence, convert it into WAV, MP3, Opus, Vorbis or FLAC, convert between
// WAV and MP3, or show the help or the version. It reads no settings but one (the format a
// "/ttm" without an output name writes); every other value comes from the arguments or the
// defaults.
#pragma once

#include "Encoder.h"
#include "mSpeech.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

class QTemporaryFile;

class TKoCmdLine : public QObject {
    Q_OBJECT
public:
    static constexpr int SwitchCount = 8;
    static const std::array<const char*, SwitchCount> SwitchNames;
    static const std::array<const char*, SwitchCount> SwitchDefaults;

    // `arguments` as the program received them, the program itself first.
    explicit TKoCmdLine(const QStringList& arguments);
    ~TKoCmdLine() override;

    // Runs the job; returns the process's exit code: 0 when the job did what was asked, 1 when
    // it failed, 2 when the command line asks for what no job does.
    int Execute();

    std::array<bool, SwitchCount> SwitchGiven{};
private:
    struct TFileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, TFileCloser> FWordLog; // outlives the speech component
public:
    std::array<QString, SwitchCount> SwitchValues;
    std::unique_ptr<speech::TMSpeech> Speech;
    bool Busy = false;

    // The usage text printed with the help.
    static QString UsageText();
    // The files a start names for the window to open (as the desktop passes them): when the
    // first argument is no job but an existing text file or document, every argument that names
    // one, made absolute; else none, and the arguments are a job of the command line.
    static QStringList Documents(const QStringList& arguments);
    // The arguments without Qt's own options (-platform, -style, -geometry, ...) that come
    // first: the window takes those.
    static QStringList WithoutQtOptions(const QStringList& arguments);

private:
    enum Switch {
        swEngine,
        swSpeed,
        swPitch,
        swWriteSpeed,
        swResample,
        swBitrate,
        swMode,
        swQuality
    };

    void ParseSwitches();
    // The switches beyond the table: "-v" (a voice by name or language), "-sub" (subtitles),
    // "-ch" (chapters), and the workers' "--words".
    void ParseMoreSwitches();
    bool IsSwitch(const QString& argument) const;
    std::optional<QString> More(const char* name) const;
    speech::WORD WritingSpeed() const;
    QString Arg(int i) const;
    // Argument i as a file name: "./" before a name that starts with "-".
    QString FileArg(int i) const;
    // Refuses (with a message) an input that is missing or not a regular file.
    bool CheckInput(const QString& name);
    // Refuses (with a message) outputs that are the input file, however they are spelt.
    bool CheckOutputs(const QString& input, const QStringList& outputs);
    void ListOrReport();
    void RunSpeech(speech::TSpeechOutput output);
    void SpeechStopped(speech::TMSpeech* sender);
    void SpeakToFile(bool compressed);
    bool ReadStandardInput(QTemporaryFile& file);
    static audio::TFormat StoredFormat();
    // A failure of the command line itself (exit code 2).
    void Refuse(const QString& message);
    QString JobText() const;
    void ConvertFile(bool toMp3);
    void Fail(const QString& message);
    speech::TMSpeech& CreateSpeech();

    QStringList FArgs;
    QString FError; // the first failure; the job ends non-zero when set
    bool FUsage = false; // that failure is the command line's
    std::array<std::pair<const char*, std::optional<QString>>, 4> FMore{
        {{"-v", {}}, {"-sub", {}}, {"-ch", {}}, {"--words", {}}}};
    class QEventLoop* FLoop = nullptr;
};
