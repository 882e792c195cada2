// SPDX-License-Identifier: GPL-3.0-or-later
// Inside the conversion pipeline: the state of one run, as its two units share it.
// Mp3Pipeline.cpp drives the run (one thread that takes the pieces in order into the output
// files, a book's chapters a file each) and is the object the caller holds; Mp3Pieces.cpp is
// the slots that cut the next piece and run its worker and encoder. The state lives as long as
// the run's threads, also after the object that started it is gone.
#pragma once

#include "Mp3Pipeline.h"
#include "ProcessIo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <deque>
#include <mutex>
#include <sys/types.h>
#include <thread>
#include <utility>
#include <vector>

namespace Lame {

struct TMp3Pipeline::State : std::enable_shared_from_this<TMp3Pipeline::State> {
    struct Piece {
        QString TextFile, Wav, Words;
        std::unique_ptr<TPartFile> Spill; // where a piece's MP3 or samples go
        enum { Running, Done, Failed } Stage = Running;
        bool Last = false;
        bool EndsFile = false; // a split book's next chapter follows: no junction to join
        qint64 Start = 0;      // where it starts in the text
        // Under Mutex while it runs: what the worker's stream says, and how much has been passed.
        audio::TPcmFormat Format;
        bool FormatKnown = false;
        qint64 Frames = 0, Bytes = 0;
        pid_t Worker = -1, Encoder = -1;
    };

    // The file being written (one of a split book's).
    struct OutputFile {
        QString Name;
        std::unique_ptr<TPartFile> Part;
        int Fd = -1;                            // MP3: where the pieces are appended
        std::unique_ptr<audio::TEncoder> Coder; // the other formats
        audio::TTags Tags;
        qint64 Frames = 0;
        int Rate = 22050;
        struct Subtitle {
            std::unique_ptr<audio::TSubtitleWriter> Writer;
            std::unique_ptr<TPartFile> Part;
            QFile File;
            int Cues = 0;
        };
        std::vector<std::unique_ptr<Subtitle>> Subtitles;
        std::unique_ptr<audio::TCueBuilder> Cues;
    };

    QPointer<TMp3Pipeline> Owner;
    QString WorkerProgram, Encoder, Output;
    QStringList WorkerSwitches, EncoderArguments;
    TTarget Target;
    bool Pcm = false;    // written by an encoder in this process
    bool ToPipe = false; // standard output
    int Parallel = 1;
    bool CommitAtEnd = true;
    QTemporaryDir Folder{QDir::tempPath() + QStringLiteral("/nurva-mp3-XXXXXX")};
    std::unique_ptr<TPartFile> Part; // the first (or only) file's
    // Subtitles waiting for the audio file's name, with their extensions.
    std::vector<std::pair<QString, std::unique_ptr<TPartFile>>> SubtitleParts;
    std::unique_ptr<TPieceCutter> Cutter; // under CutterMutex
    std::deque<Piece> Pieces;             // grows under Mutex; a piece stays where it is
    std::thread Driver;

    std::mutex CutterMutex, Mutex;
    std::condition_variable Changed;
    int Head = 0;
    bool Cut = false; // every piece is handed out
    std::atomic<bool> Cancelled{false}, Running{false}, Delivered{false};
    bool Paused = false; // under Mutex
    QString Error;
    Result Final;
    QList<TWrittenFile> Written; // the files of a run that ended well
    std::atomic<qint64> Relayed{0};
    qint64 Expected = 1;
    std::atomic<int> Percent{-1};

    void Post(std::function<void(TMp3Pipeline*)> call) {
        QPointer<TMp3Pipeline> owner = Owner;
        if (owner)
            QMetaObject::invokeMethod(
                owner.data(),
                [owner, call, self = shared_from_this()] {
                    // Only while this is the owner's run: a later Start has a run of its own.
                    if (owner && owner->FState == self)
                        call(owner.data());
                },
                Qt::QueuedConnection);
    }

    // The receiver may start the next run, which lets go of this one.
    void Deliver() {
        if (Delivered.exchange(true) || !Owner)
            return;
        const Result result = Final;
        emit Owner->finished(result);
    }

    void Fail(const QString& why) {
        std::lock_guard lock(Mutex);
        if (Error.isEmpty())
            Error = why;
        Cancelled = true;
        KillLocked();
        Changed.notify_all();
    }

    void KillLocked() { SignalLocked(SIGKILL); }
    void SignalLocked(int signal) {
        for (const Piece& p : Pieces)
            Signal(p, signal);
    }
    static void Signal(const Piece& p, int signal) {
        for (pid_t pid : {p.Worker, p.Encoder})
            if (pid > 0)
                ::kill(pid, signal);
    }

    QString WriteError(const QString& name) const {
        if (ToPipe && name == Output)
            return errno == EPIPE
                       ? QCoreApplication::translate("TMp3Pipeline::State",
                                                     "Standard output was closed before the end.")
                       : QCoreApplication::translate("TMp3Pipeline::State",
                                                     "Standard output could not be written: %1")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return QCoreApplication::translate("TMp3Pipeline::State",
                                           "The file %1 could not be written: %2")
            .arg(name, QString::fromLocal8Bit(std::strerror(errno)));
    }

    // An encoder's failure in the user's words: the file by its own name, not the one it is
    // written under until it is whole, and the system's reason where the system refused a
    // write (a full disk) rather than the library's code for it.
    void EncoderFailed(const OutputFile& file, int error) {
        if (DiskRefused(error)) {
            Fail(QCoreApplication::translate("TMp3Pipeline::State",
                                             "The file %1 could not be written: %2")
                     .arg(file.Name, QString::fromLocal8Bit(std::strerror(error))));
            return;
        }
        QString why = file.Coder->Error();
        if (file.Part && !file.Part->Path().isEmpty())
            why.replace(file.Part->Path(), file.Name);
        Fail(why);
    }

    void Drive();
    bool Consume(Piece& piece, int k, OutputFile& file);
    bool OpenFile(OutputFile& file, int chapter);
    bool FinishFile(OutputFile& file);
    void AddWords(const Piece& piece, OutputFile& file);
    void Slot();
    int Take(QString& error);
    bool RunPiece(int k, QString& error);
    bool Relay(int from, int to, bool trimEnd, Piece& piece, bool& heard);
};

} // namespace Lame
