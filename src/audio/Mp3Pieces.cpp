// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of a conversion run (Mp3PipelineState.h): each slot cuts the next piece into a
// text file for a worker, starts the worker and, for an MP3, an encoder that reads the worker's
// stream; the stream is relayed through this process, which counts the samples, reports the
// progress and holds back the trailing silence a junction gives up. What failed is told in the
// user's words: the disk, the encoder or the worker, whichever was the reason.
#include "Mp3PipelineState.h"

#include "KoUtils.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Lame {

namespace {

// What the encoder adds at a junction, in seconds of the spoken stream: its delay plus on
// average the padding of a last frame (measured for lame 3.100 at 22.05 kHz, the engine's rate).
constexpr double kJunctionSeconds = 0.084;
// Samples quieter than this count as silence at a piece's end.
constexpr int kSilence = 64;

} // namespace

// Cuts the next piece and hands it to a worker's text file; its index, or -1 when there is
// none (or no more may start).
int TMp3Pipeline::State::Take(QString& error) {
    // One slot at a time, so that pieces are cut in order.
    std::lock_guard cutting(CutterMutex);
    int k;
    {
        std::unique_lock lock(Mutex);
        // Bounded look-ahead: no piece starts more than one round ahead of the writing.
        Changed.wait(lock,
                     [&] { return Cancelled || Cut || int(Pieces.size()) < Head + Parallel; });
        if (Cancelled || Cut)
            return -1;
        k = int(Pieces.size()); // only this slot adds pieces now
    }
    bool last = false;
    QFile file(Folder.filePath(QStringLiteral("%1.txt").arg(k)));
    qint64 start = 0;
    bool endsChapter = false;
    try {
        std::optional<QString> text = Cutter->Next(last);
        if (!text) {
            std::lock_guard lock(Mutex);
            Cut = true;
            Changed.notify_all();
            return -1;
        }
        start = Cutter->Start();
        // With its byte order mark, so that the worker reads it as UTF-8 whatever it holds.
        bool ok = file.open(QIODevice::WriteOnly) && file.write("\xEF\xBB\xBF") == 3 &&
                  file.write(text->toUtf8()) >= 0;
        text.reset();
        // A piece may go on in chunks (see TPieceCutter::Rest).
        while (ok && !Cancelled)
            if (std::optional<QString> more = Cutter->Rest())
                ok = file.write(more->toUtf8()) >= 0;
            else
                break;
        endsChapter = Cutter->EndsChapter();
        if (!ok || !file.flush()) {
            error = QCoreApplication::translate("TMp3Pipeline::State",
                                                "The text could not be handed over: %1")
                        .arg(file.errorString());
            return -1;
        }
        file.close();
    } catch (const std::exception& e) {
        error = QString::fromUtf8(e.what());
        return -1;
    }
    Piece p;
    p.TextFile = file.fileName();
    p.Wav = Folder.filePath(QStringLiteral("%1.wav").arg(k));
    if (!Target.Subtitles.isEmpty())
        p.Words = Folder.filePath(QStringLiteral("%1.words").arg(k));
    p.Last = last;
    p.Start = start;
    p.EndsFile = endsChapter && Target.Chapters == TTarget::Split;
    const bool direct = k == 0 && !Pcm && !ToPipe && Target.Chapters != TTarget::Split;
    if (!direct) {
        p.Spill =
            std::make_unique<TPartFile>(ToPipe ? Folder.filePath(QStringLiteral("out")) : Output);
        if (p.Spill->Path().isEmpty()) {
            error = p.Spill->Refusal();
            return -1;
        }
    }
    std::lock_guard lock(Mutex);
    Pieces.push_back(std::move(p));
    Cut = last;
    Changed.notify_all();
    return k;
}

void TMp3Pipeline::State::Slot() {
    for (;;) {
        QString error;
        const int k = Take(error);
        if (k < 0) {
            if (!error.isEmpty())
                Fail(error);
            return;
        }
        const bool ok = RunPiece(k, error);
        if (!ok && !Cancelled)
            Fail(error);
        std::lock_guard lock(Mutex);
        Pieces[k].Stage = ok ? Piece::Done : Piece::Failed;
        Changed.notify_all();
    }
}

bool TMp3Pipeline::State::RunPiece(int k, QString& error) {
    Piece& p = [&]() -> Piece& {
        std::lock_guard lock(Mutex);
        return Pieces[k];
    }();
    const bool last = p.Last || p.EndsFile;
    const QString target = p.Spill ? p.Spill->Path() : Part->Path();
    auto log = [&](const char* kind) {
        const QByteArray name =
            KoUtils::EncodeFileName(Folder.filePath(QStringLiteral("%1.%2.log").arg(k).arg(kind)));
        return ::open(name.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    };
    const int workerLog = log("worker"), encoderLog = Pcm ? -1 : log("encoder");
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    int toEncoder[2] = {-1, -1};
    const QByteArray wav = KoUtils::EncodeFileName(p.Wav);
    const bool prepared = workerLog >= 0 && (Pcm || encoderLog >= 0) && null >= 0 &&
                          ::mkfifo(wav.constData(), 0600) == 0 &&
                          (Pcm ? (toEncoder[1] = ::open(KoUtils::EncodeFileName(target).constData(),
                                                        O_WRONLY | O_TRUNC | O_CLOEXEC)) >= 0
                               : ::pipe2(toEncoder, O_CLOEXEC) == 0);
    if (!prepared) {
        error = QCoreApplication::translate("TMp3Pipeline::State",
                                            "The conversion could not be prepared: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
        for (int fd : {workerLog, encoderLog, null, toEncoder[0], toEncoder[1]})
            if (fd >= 0)
                ::close(fd);
        return false;
    }
    // The reading end is opened first and without waiting, so that a worker that never opens
    // the stream can't leave this side waiting.
    const int fromWorker = ::open(wav.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    // A wider pipe: fewer turns between the worker and this side (a refusal changes nothing).
    if (fromWorker >= 0)
        ::fcntl(fromWorker, F_SETPIPE_SZ, 1 << 20);
    {
        QStringList arguments =
            QStringList{QStringLiteral("--piece"), p.TextFile, p.Wav} + WorkerSwitches;
        if (!p.Words.isEmpty())
            arguments << QStringLiteral("--words") << p.Words;
        std::lock_guard lock(Mutex);
        if (!Cancelled) {
            p.Worker = Spawn(WorkerProgram, arguments, null, null, workerLog);
            if (!Pcm)
                p.Encoder =
                    Spawn(Encoder, EncoderArguments + QStringList{QStringLiteral("-"), target},
                          toEncoder[0], null, encoderLog);
            if (Paused)
                Signal(p, SIGSTOP);
        }
    }
    if (toEncoder[0] >= 0)
        ::close(toEncoder[0]);
    bool ok = p.Worker > 0 && (Pcm || p.Encoder > 0) && fromWorker >= 0;
    bool heard = false;
    int refused = 0; // why the system refused to keep the samples, if it did
    if (ok) {
        ok = Relay(fromWorker, toEncoder[1], !last, p, heard);
        if (!ok && DiskRefused(errno))
            refused = errno;
    }
    if (::close(toEncoder[1]) != 0 && Pcm && ok) {
        error = WriteError(Output);
        ok = false;
    }
    if (fromWorker >= 0)
        ::close(fromWorker);
    const int workerCode = p.Worker > 0 ? WaitFor(p.Worker) : -1;
    const int encoderCode = p.Encoder > 0 ? WaitFor(p.Encoder) : (Pcm ? 0 : -1);
    {
        std::lock_guard lock(Mutex);
        p.Worker = p.Encoder = -1;
    }
    QString workerSaid, encoderSaid;
    LastLineOf(workerLog, workerSaid);
    if (encoderLog >= 0)
        LastLineOf(encoderLog, encoderSaid);
    for (int fd : {workerLog, encoderLog, null})
        if (fd >= 0)
            ::close(fd);
    auto spokenFailure = [&] {
        //: %1 is the speaking worker's exit code, %2 its last words (": ..."), if any
        return QCoreApplication::translate("TMp3Pipeline::State",
                                           "The text could not be spoken (exit code %1%2).")
            .arg(workerCode)
            .arg(workerSaid.isEmpty() ? QString() : QStringLiteral(": ") + workerSaid);
    };
    if (Pcm) {
        // A full disk ends the worker too, whose pipe then goes unread: the disk is the reason.
        if (refused != 0) {
            error =
                QCoreApplication::translate("TMp3Pipeline::State",
                                            "The spoken text could not be kept in %1: %2")
                    .arg(QFileInfo(target).path(), QString::fromLocal8Bit(std::strerror(refused)));
            return false;
        }
        if (workerCode != 0) {
            error = spokenFailure();
            return false;
        }
        if (!ok && error.isEmpty())
            error = QCoreApplication::translate("TMp3Pipeline::State",
                                                "The spoken text could not be kept: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return ok;
    }
    // An encoder that refused its options ends first, and the worker then fails to write:
    // the encoder's words are the ones that say why. A worker that said nothing at all failed
    // on its own, and the encoder only missed its input.
    struct stat written {};
    if (::stat(KoUtils::EncodeFileName(target).constData(), &written) != 0)
        written.st_size = 0;
    const bool workerFirst = workerCode != 0 && !heard;
    if (!workerFirst && (encoderCode != 0 || (workerCode == 0 && (!ok || written.st_size == 0)))) {
        // The encoder says only that its write failed; a full disk is what the user must know.
        struct statvfs disk {};
        if (encoderCode != 0 &&
            ::statvfs(KoUtils::EncodeFileName(QFileInfo(target).path()).constData(), &disk) == 0 &&
            disk.f_bavail * disk.f_frsize < 64 * 1024)
            error =
                QCoreApplication::translate("TMp3Pipeline::State",
                                            "The MP3 encoder could not write in %1: %2")
                    .arg(QFileInfo(Output).path(), QString::fromLocal8Bit(std::strerror(ENOSPC)));
        else
            //: what the MP3 encoder could not convert, in place of a file's name
            error =
                FailureText(QCoreApplication::translate("TMp3Pipeline::State", "the spoken text"),
                            encoderCode, encoderSaid.toLocal8Bit());
        return false;
    }
    if (workerCode != 0) {
        error = spokenFailure();
        return false;
    }
    return true;
}

// Passes the worker's WAV stream on: to the encoder whole, or only its samples into the piece's
// file. With `trimEnd`, holds back the last stretch of samples and drops the silent ones among
// them at the end.
bool TMp3Pipeline::State::Relay(int from, int to, bool trimEnd, Piece& piece, bool& heard) {
    std::vector<char> buffer(1 << 16);
    QByteArray held;           // the header until it is complete, then the samples held back
    qsizetype headerLeft = -1; // bytes of header still to pass; -1 until "data" is found
    int frameBytes = 2;
    qsizetype hold = 0;
    bool opened = false;
    const bool samplesOnly = Pcm;
    trimEnd = trimEnd && !Pcm;
    auto counted = [&](qsizetype samples) {
        std::lock_guard lock(Mutex);
        piece.Bytes += samples;
        piece.Frames = piece.Bytes / frameBytes;
        if (Pcm)
            Changed.notify_all();
    };
    auto pass = [&](const char* data, qsizetype size, qsizetype samples) {
        if (!WriteAll(to, data, std::size_t(size)))
            return false;
        counted(samples);
        return true;
    };
    auto progressed = [&](qsizetype bytes) {
        Relayed += bytes;
        const int percent = int(std::min<qint64>(99, Relayed * 100 / Expected));
        if (Percent.exchange(percent) != percent)
            Post([percent](TMp3Pipeline* p) { emit p->progress(percent); });
    };
    // Past the header, samples that are kept as they are go from the pipe into the file inside
    // the system, without a copy through this process (where the file system allows it).
    bool splicing = samplesOnly;
    for (;;) {
        if (Cancelled)
            return false;
        pollfd pfd{from, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, 250);
        if (ready < 0 && errno != EINTR)
            return false;
        if (ready <= 0) {
            // A worker that ended before it opened the stream sends nothing ever.
            siginfo_t info{};
            if (!opened &&
                ::waitid(P_PID, id_t(piece.Worker), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
                info.si_pid == piece.Worker)
                break;
            continue;
        }
        if (splicing && headerLeft == 0 && held.isEmpty()) {
            const ssize_t n =
                ::splice(from, nullptr, to, nullptr, 1 << 20, SPLICE_F_MOVE | SPLICE_F_NONBLOCK);
            if (n > 0) {
                progressed(n);
                counted(n);
                continue;
            }
            if (n == 0)
                break; // the worker closed its end
            if (errno == EINTR || errno == EAGAIN)
                continue;
            if (errno != EINVAL)
                return false; // the file refused them: a full disk
            splicing = false;
        }
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0) {
            if (opened || (pfd.revents & POLLHUP))
                break;
            continue;
        }
        opened = heard = true;
        held.append(buffer.data(), n);
        progressed(n);
        if (headerLeft < 0) {
            const qsizetype data = held.indexOf("data");
            if (data < 0 || held.size() < data + 8)
                continue;
            const qsizetype fmt = held.indexOf("fmt ");
            audio::TPcmFormat format;
            if (fmt >= 0 && fmt + 24 <= held.size()) {
                const auto* f = reinterpret_cast<const unsigned char*>(held.constData() + fmt);
                format.Channels = std::max(1, f[10] | (f[11] << 8));
                format.Rate = f[12] | (f[13] << 8) | (f[14] << 16);
                frameBytes = format.Channels * 2;
                hold = qsizetype(kJunctionSeconds * format.Rate) * frameBytes;
            }
            {
                std::lock_guard lock(Mutex);
                piece.Format = format;
                piece.FormatKnown = true;
            }
            headerLeft = data + 8;
            if (samplesOnly) {
                held.remove(0, headerLeft);
                headerLeft = 0;
            }
        }
        // Everything but the held-back stretch goes on now.
        const qsizetype keep = trimEnd ? hold : 0;
        qsizetype size = held.size() - keep;
        size = std::max<qsizetype>(std::min(size, held.size()), headerLeft);
        size = headerLeft + (size - headerLeft) / frameBytes * frameBytes;
        if (size > 0) {
            if (!pass(held.constData(), size, size - headerLeft))
                return false;
            held.remove(0, size);
            headerLeft = 0;
        }
    }
    if (headerLeft != 0 && !held.isEmpty())
        return samplesOnly || WriteAll(to, held.constData(), std::size_t(held.size()));
    // The end: silent samples of the held-back stretch are dropped.
    qsizetype end = held.size() / frameBytes * frameBytes;
    const auto* s = reinterpret_cast<const std::int16_t*>(held.constData());
    while (trimEnd && end > 0) {
        bool quiet = true;
        for (int c = 0; c < frameBytes / 2; ++c)
            quiet = quiet && std::abs(int(s[(end - frameBytes) / 2 + c])) < kSilence;
        if (!quiet)
            break;
        end -= frameBytes;
    }
    if (!trimEnd)
        end = held.size();
    return pass(held.constData(), end, end);
}

} // namespace Lame
