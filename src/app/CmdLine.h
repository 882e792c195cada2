// TKoCmdLine: the command-line converter. One job per run: list or describe the engines,
// speak a file or a sentence, convert it into WAV or MP3, convert between WAV and MP3, or
// show the help or the version. It reads no settings; every value comes from the arguments or the
// defaults.
#pragma once

#include "CmdArgs.h"
#include "mSpeech.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace settings {
class TDocumentReader;
}

class TKoCmdLine : public QObject {
    Q_OBJECT
public:
    // `arguments` as the program received them, the program itself first.
    explicit TKoCmdLine(const QStringList& arguments);
    ~TKoCmdLine() override;

    // Runs the job; returns the process's exit code: 0 when the job did what was asked.
    int Execute();

    cmdline::TSwitches Switches;
    std::unique_ptr<speech::TMSpeech> Speech;
    bool Busy = false;

    // The usage text printed with the help.
    static QString UsageText();
    // The files a start names for the window to open (as the desktop passes them): when the
    // first argument is no job but an existing text file or document, every argument that names
    // one, made absolute; else none, and the arguments are a job of the command line.
    static QStringList Documents(const QStringList& arguments);

private:
    QString Arg(int i) const;
    QString FileArg(int i) const;
    // Refuses (with a message) an input that is missing or not a regular file.
    bool CheckInput(const QString& name);
    // The files a reading aloud takes after the first, in the order given: every argument
    // after the text that is neither a switch nor a switch's value.
    QStringList MoreFiles() const;
    // A document to read in pieces; null, with the reason kept for the exit, when it cannot be.
    std::shared_ptr<settings::TDocumentReader> OpenDocument(const QString& name);
    // Refuses (with a message) outputs that are the input file, however they are spelt.
    bool CheckOutputs(const QString& input, const QStringList& outputs);
    void ListOrReport();
    // The voice "-e" names, by number or by name; empty for engine 0.
    QString VoiceArg(speech::TMSpeech& s);
    void RunSpeech(speech::TSpeechOutput output);
    void SpeechStopped(speech::TMSpeech* sender);
    void SpeakToMp3();
    void ConvertFile(bool toMp3);
    void Fail(const QString& message);
    speech::TMSpeech& CreateSpeech();

    QStringList FArgs;
    QString FError; // the first failure; the job ends non-zero when set
    class QEventLoop* FLoop = nullptr;
};
