// SPDX-License-Identifier: GPL-3.0-or-later
// TKoCmdLine: the command-line converter. One job per run: list or describe the engines,
// speak a file or a sentence, convert it into WAV, MP3, Opus, Vorbis or FLAC, convert between
// WAV and MP3, or show the help or the version. It reads no settings but one (the format a
// "/ttm" without an output name writes); every other value comes from the arguments or the
// defaults.
#pragma once

#include "CmdArgs.h"
#include "mSpeech.h"

#include <QObject>
#include <QStringList>

#include <cstdio>
#include <memory>

class QTemporaryFile;

namespace settings {
class TDocumentReader;
}

class TKoCmdLine : public QObject {
    Q_OBJECT
public:
    // `arguments` as the program received them, the program itself first.
    explicit TKoCmdLine(const QStringList& arguments);
    ~TKoCmdLine() override;

    // Runs the job; returns the process's exit code: 0 when the job did what was asked, 1 when
    // it failed, 2 when the command line asks for what no job does.
    int Execute();

    cmdline::TSwitches Switches;
    // Standard input was closed when the program started (main tells; the descriptor has been
    // given to the null device since, so that no file the program opens takes its place).
    bool StandardInputClosed = false;

private:
    struct TFileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, TFileCloser> FWordLog; // outlives the speech component

public:
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
    // The voice "-v" (by name or language) or "-e" (by number or name) names; empty for
    // engine 0. Empty too, with the failure kept, for a "-v" that names no voice.
    QString VoiceArg(speech::TMSpeech& s);
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
    QString FError;      // the first failure; the job ends non-zero when set
    bool FUsage = false; // that failure is the command line's
    class QEventLoop* FLoop = nullptr;
};
