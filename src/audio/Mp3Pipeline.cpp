// SPDX-License-Identifier: GPL-3.0-or-later
#include "Mp3Pipeline.h"

#include "KoUtils.h"
#include "platform/unix/BrokenPipes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace Lame {

namespace {

constexpr qsizetype kMinPiece = 32000;   // characters: about half an hour of speech
constexpr qsizetype kMaxPiece = 1 << 20; // a worker's text stays small
// What the encoder adds at a junction, in seconds of the spoken stream: its delay plus on
// average the padding of a last frame (measured for lame 3.100 at 22.05 kHz, the engine's rate).
constexpr double kJunctionSeconds = 0.084;
// The samples of a piece being spoken are taken in portions of about this many bytes (or what
// came within a quarter second): fewer, larger copies.
constexpr qint64 kTakeAtOnce = 1 << 20;
// Samples quieter than this count as silence at a piece's end.
constexpr int kSilence = 64;
// Speech runs at about 16 characters a second; only for the progress shown.
constexpr double kBytesPerChar = 22050.0 * 2 / 16.0;
// What an MP3 decoder gives before the first sample when the file has no tag frame to say so:
// the encoder's delay and the decoder's (576 + 529 samples at the engine's rate).
constexpr double kMp3Delay = 1105.0 / 22050;

// Whether the system refused a write for want of room (a full disk, a quota, a file too large)
// or of a working disk: the reason to tell the user rather than the writer's own words.
bool DiskRefused(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO;
}

void LastLineOf(int fd, QString& line) {
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const off_t from = std::max<off_t>(0, size - 2048);
    QByteArray tail(int(size - from), '\0');
    if (::pread(fd, tail.data(), tail.size(), from) < 0)
        return;
    const QList<QByteArray> lines = tail.trimmed().split('\n');
    line = lines.isEmpty() ? QString() : QString::fromLocal8Bit(lines.last().trimmed());
}

pid_t Spawn(const QString& program, const QStringList& arguments, int in, int out, int err) {
    std::vector<QByteArray> bytes{KoUtils::EncodeFileName(program)};
    for (const QString& a : arguments)
        bytes.push_back(KoUtils::EncodeFileName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    // This process survives SIGPIPE (see Start); its children get the usual end instead.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ) != 0)
        pid = -1;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int WaitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

bool AppendFile(int to, const QString& from) {
    const int fd = ::open(KoUtils::EncodeFileName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = true;
    for (;;) {
        const ssize_t n = ::copy_file_range(fd, nullptr, to, nullptr, 1 << 24, 0);
        if (n == 0)
            break;
        if (n > 0)
            continue;
        // Across file systems that can't: copy by hand.
        std::vector<char> buffer(1 << 20);
        ssize_t r;
        while ((r = ::read(fd, buffer.data(), buffer.size())) > 0)
            if (!WriteAll(to, buffer.data(), std::size_t(r))) {
                ok = false;
                break;
            }
        ok = ok && r == 0;
        break;
    }
    ::close(fd);
    return ok;
}

} // namespace

int PieceCount(qsizetype length, int parallel) {
    const qsizetype byCores = std::min<qsizetype>(std::max(1, parallel), length / kMinPiece);
    const qsizetype bySize = (length + kMaxPiece - 1) / kMaxPiece;
    return int(std::max<qsizetype>({1, byCores, bySize}));
}

int PipelineCount(unsigned writingSpeed) {
    return (writingSpeed & 0xFFFF) != 0 ? 1 : std::max(1, QThread::idealThreadCount());
}

TPieceCutter::TPieceCutter(Chunks chunks, qsizetype size, QList<qint64> breaks)
    : FChunks(std::move(chunks)), FSize(std::max<qsizetype>(size, 16)), FBreaks(std::move(breaks)) {
    std::sort(FBreaks.begin(), FBreaks.end());
}

void TPieceCutter::Fill(qsizetype size) {
    while (!FEnd && FBuffer.size() < size) {
        std::optional<QString> chunk = FChunks();
        if (chunk)
            FBuffer += *chunk;
        else
            FEnd = true;
    }
}

QString TPieceCutter::Take(qsizetype count) {
    QString piece = FBuffer.first(count);
    FBuffer.remove(0, count);
    FOffset += count;
    return piece;
}

std::optional<QString> TPieceCutter::Next(bool& last) {
    if (FDone)
        return std::nullopt;
    FRestStop = -2; // no Rest for this piece unless it is handed out in chunks
    // Every decision looks at the first `seen` characters only, so the chunks don't matter.
    const qsizetype want = FSize, reach = FSize / 4, seen = FSize + FSize / 2 + 2;
    Fill(seen);
    FStart = FOffset;
    while (FBreak < FBreaks.size() && FBreaks[FBreak] <= FOffset)
        ++FBreak;
    // A chapter begins a piece of its own.
    qint64 stop = FBreak < FBreaks.size() ? FBreaks[FBreak] - FOffset : -1;
    if (FEnd && stop >= FBuffer.size())
        stop = -1; // past the end: no chapter starts there
    if (!FWhole && QStringView(FBuffer).first(std::min(seen, FBuffer.size())).contains(u'\\'))
        FWhole = true;
    const bool rest = FWhole || (FEnd && FBuffer.size() <= FSize + FSize / 2);
    last = false;
    FEndsChapter = stop >= 0;
    if (stop >= 0 && stop < FBuffer.size() && (rest || stop <= want + reach))
        return Take(stop);
    if (rest) {
        if (stop < 0)
            FDone = last = true;
        // Whole up to the next chapter or the end: what the buffer holds, then Rest's chunks.
        FRestStop = stop < 0 ? -1 : FOffset + stop;
        return Take(FBuffer.size());
    }
    FEndsChapter = false;
    const QString& t = FBuffer;
    // The nearest cut before or after `want` within a quarter piece, the best kind first.
    auto cutAfter = [&](auto isCut) -> qsizetype {
        for (qsizetype d = 0; d <= reach; ++d)
            for (qsizetype at : {want - d, want + d})
                if (at > 1 && isCut(at))
                    return at + 1;
        return -1;
    };
    auto sentenceEnd = [&](qsizetype at) {
        return QStringView(u".!?").contains(t[at - 1]) ||
               (t[at - 1] == u'\r' && QStringView(u".!?").contains(t[at - 2]));
    };
    // A blank line: the engine speaks each paragraph on its own, so both sides of such a cut
    // sound exactly as they do in the whole.
    qsizetype cut = cutAfter([&](qsizetype at) {
        return t[at] == u'\n' && (t[at - 1] == u'\n' || (t[at - 1] == u'\r' && t[at - 2] == u'\n'));
    });
    if (cut < 0)
        cut = cutAfter([&](qsizetype at) { return t[at] == u'\n' && sentenceEnd(at); });
    if (cut < 0)
        cut = cutAfter([&](qsizetype at) { return t[at].isSpace() && sentenceEnd(at); });
    if (cut < 0)
        cut = cutAfter([&](qsizetype at) { return t[at].isSpace(); });
    if (cut < 0)
        cut = t[want - 1].isHighSurrogate() ? want + 1 : want; // never inside a character
    return Take(cut);
}

std::optional<QString> TPieceCutter::Rest() {
    if (FRestStop == -2)
        return std::nullopt;
    if (!FBuffer.isEmpty() || FEnd || (FRestStop >= 0 && FOffset >= FRestStop)) {
        FRestStop = -2;
        FDone = FDone || (FEnd && FBuffer.isEmpty());
        return std::nullopt;
    }
    std::optional<QString> chunk = FChunks();
    if (!chunk) {
        FEnd = true;
        FDone = FRestStop < 0;
        FRestStop = -2;
        return std::nullopt;
    }
    if (FRestStop >= 0 && FOffset + chunk->size() > FRestStop) {
        // The next chapter starts inside: it waits for the next piece.
        const qsizetype keep = qsizetype(FRestStop - FOffset);
        FBuffer = chunk->mid(keep);
        chunk->truncate(keep);
    }
    FOffset += chunk->size();
    return chunk;
}

namespace {

// Hands out `text` as one chunk.
TPieceCutter::Chunks ChunksOf(const QString& text) {
    return [text = QString(text), given = false]() mutable -> std::optional<QString> {
        if (std::exchange(given, true))
            return std::nullopt;
        return std::exchange(text, QString());
    };
}

qsizetype PieceSize(qint64 length, int count) {
    return qsizetype((length + std::max(1, count) - 1) / std::max(1, count));
}

} // namespace

QStringList SplitPieces(const QString& text, int count) {
    TPieceCutter cutter(ChunksOf(text), PieceSize(text.size(), count));
    QStringList pieces;
    bool last = false;
    while (std::optional<QString> piece = cutter.Next(last))
        pieces << *piece;
    while (std::optional<QString> more = cutter.Rest())
        pieces.last() += *more;
    return pieces;
}

// --- The running pipeline ------------------------------------------------------------------

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

void TMp3Pipeline::State::Drive() {
    std::vector<std::thread> lanes;
    for (int s = 0; s < Parallel; ++s)
        lanes.emplace_back([this] { Slot(); });
    OutputFile file;
    int chapter = -1; // the chapter the next piece starts, in Target.Breaks
    for (int k = 0; !Cancelled; ++k) {
        Piece* piece = nullptr;
        {
            std::unique_lock lock(Mutex);
            // The samples of a piece are taken while it is spoken; an MP3 piece once it is done.
            Changed.wait(lock, [&] {
                return Cancelled || (Cut && k >= int(Pieces.size())) ||
                       (k < int(Pieces.size()) && (Pcm || Pieces[k].Stage >= Piece::Done));
            });
            if (Cancelled || k >= int(Pieces.size()))
                break;
            piece = &Pieces[k];
        }
        while (chapter + 1 < Target.Breaks.size() &&
               Target.Breaks[chapter + 1].Position <= piece->Start)
            ++chapter;
        const bool split = Target.Chapters == TTarget::Split;
        if (k == 0 || (split && chapter >= 0 && Target.Breaks[chapter].Position == piece->Start)) {
            if (k > 0 && !FinishFile(file))
                break;
            if (!OpenFile(file, split ? chapter : -1))
                break;
        }
        if (Target.Chapters == TTarget::Marks && chapter >= 0 &&
            Target.Breaks[chapter].Position == piece->Start)
            file.Tags.Chapters.append(
                {double(file.Frames) / file.Rate, Target.Breaks[chapter].Title});
        if (!Consume(*piece, k, file))
            break;
        AddWords(*piece, file);
        file.Frames += piece->Frames;
        std::lock_guard lock(Mutex);
        Head = k + 1;
        Changed.notify_all();
    }
    if (!Cancelled)
        FinishFile(file);
    else if (file.Fd >= 0 && file.Fd != 1)
        ::close(file.Fd);
    {
        std::lock_guard lock(Mutex);
        Changed.notify_all();
    }
    for (std::thread& t : lanes)
        t.join();
    Result result;
    if (!Cancelled) {
        result.Ok = true;
    } else if (Error.isEmpty()) {
        result.Cancelled = true;
    } else {
        result.Error = Error;
    }
    if (!result.Ok) {
        Part.reset();
        SubtitleParts.clear();
        // A book cut short is no book: the chapters it finished go too, so that a stop or a
        // failure leaves nothing, as it says.
        if (Target.Chapters == TTarget::Split && CommitAtEnd && !ToPipe)
            for (const TWrittenFile& f : std::exchange(Written, {})) {
                QFile::remove(f.Path);
                for (audio::TSubtitleFormat format : Target.Subtitles)
                    QFile::remove(KoUtils::ChangeFileExt(f.Path, audio::SubtitleExtension(format)));
            }
    }
    Pieces.clear();
    Cutter.reset();
    Final = result;
    Running = false;
    Post([this](TMp3Pipeline*) { Deliver(); });
}

bool TMp3Pipeline::State::OpenFile(OutputFile& file, int chapter) {
    file = OutputFile();
    file.Name = chapter >= 0 ? Target.Breaks[chapter].Output : Output;
    file.Tags = Target.Tags;
    if (chapter >= 0) {
        file.Tags.Title = Target.Breaks[chapter].Title;
        file.Tags.Track = chapter + 1;
        file.Tags.Tracks = int(Target.Breaks.size());
    }
    QString path;
    if (ToPipe) {
        path = QStringLiteral("-");
    } else {
        file.Part = chapter > 0 ? std::make_unique<TPartFile>(file.Name) : std::move(Part);
        if (!file.Part || file.Part->Path().isEmpty()) {
            Fail(file.Part
                     ? file.Part->Refusal()
                     : QCoreApplication::translate("TMp3Pipeline::State",
                                                   "The file %1 can not be written in its folder.")
                           .arg(file.Name));
            return false;
        }
        path = file.Part->Path();
    }
    if (!Pcm) {
        file.Fd = ToPipe ? 1
                         : ::open(KoUtils::EncodeFileName(path).constData(),
                                  O_WRONLY | O_APPEND | O_CLOEXEC);
        if (file.Fd < 0) {
            Fail(QCoreApplication::translate("TMp3Pipeline::State",
                                             "The file %1 can not be written in its folder: %2.")
                     .arg(file.Name, QString::fromLocal8Bit(std::strerror(errno))));
            return false;
        }
    }
    for (audio::TSubtitleFormat format : Target.Subtitles) {
        auto s = std::make_unique<OutputFile::Subtitle>();
        s->Writer = audio::MakeSubtitleWriter(format);
        const QString name = KoUtils::ChangeFileExt(file.Name, s->Writer->Extension());
        s->Part = std::make_unique<TPartFile>(name);
        s->File.setFileName(s->Part->Path());
        if (s->Part->Path().isEmpty() ||
            !s->File.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            s->File.write(s->Writer->Begin(file.Tags)) < 0) {
            Fail(QCoreApplication::translate("TMp3Pipeline::State",
                                             "The subtitles %1 can not be written in their folder.")
                     .arg(name));
            return false;
        }
        file.Subtitles.push_back(std::move(s));
    }
    if (!file.Subtitles.empty()) {
        OutputFile* f = &file;
        file.Cues = std::make_unique<audio::TCueBuilder>([this, f](const audio::TCue& cue) {
            for (auto& s : f->Subtitles)
                if (s->File.write(s->Writer->Cue(++s->Cues, cue)) < 0)
                    Fail(QCoreApplication::translate("TMp3Pipeline::State",
                                                     "The subtitles %1 could not be written: %2")
                             .arg(s->File.fileName(), s->File.errorString()));
        });
    }
    return true;
}

// Takes a piece's MP3 or samples into the file. The samples of the piece being spoken are
// taken as they come.
bool TMp3Pipeline::State::Consume(Piece& piece, int k, OutputFile& file) {
    if (!Pcm) {
        if (piece.Spill) {
            if (!AppendFile(file.Fd, piece.Spill->Path())) {
                Fail(WriteError(file.Name));
                return false;
            }
            piece.Spill.reset();
        }
        file.Rate = piece.Format.Rate;
        return true;
    }
    const int in =
        ::open(KoUtils::EncodeFileName(piece.Spill->Path()).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        Fail(QCoreApplication::translate("TMp3Pipeline::State",
                                         "The spoken text could not be read back: %1")
                 .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    std::vector<std::int16_t> buffer(1 << 15);
    qint64 taken = 0;
    bool ok = true;
    for (;;) {
        qint64 available;
        bool done;
        audio::TPcmFormat format;
        {
            std::unique_lock lock(Mutex);
            Changed.wait_for(lock, std::chrono::milliseconds(250), [&] {
                return Cancelled || piece.Stage != Piece::Running ||
                       piece.Bytes - taken >= kTakeAtOnce;
            });
            if (Cancelled) {
                ok = false;
                break;
            }
            format = piece.Format;
            // Whole frames only: the samples may arrive in any portions.
            const qint64 frameBytes = 2 * format.Channels;
            available = (piece.Bytes - taken) / frameBytes * frameBytes;
            done = piece.Stage != Piece::Running;
            if (available == 0 && done)
                break;
            if (available == 0 || !piece.FormatKnown)
                continue;
        }
        if (!file.Coder) {
            file.Rate = format.Rate;
            file.Coder = audio::MakeEncoder(Target.Format);
            errno = 0;
            if (!file.Coder->Open(ToPipe ? QStringLiteral("-") : file.Part->Path(), format,
                                  Target.Kbps)) {
                EncoderFailed(file, errno);
                ok = false;
                break;
            }
        } else if (format.Rate != file.Rate) {
            Fail(QCoreApplication::translate("TMp3Pipeline::State",
                                             "Piece %1 was spoken at another rate than the first.")
                     .arg(k + 1));
            ok = false;
            break;
        }
        const std::size_t frame = std::size_t(format.Channels) * 2;
        if (file.Coder->CanCopy()) {
            errno = 0;
            if (!file.Coder->Copy(in, taken, available)) {
                EncoderFailed(file, errno);
                ok = false;
                break;
            }
            taken += available;
            continue;
        }
        const std::size_t want = std::min<std::size_t>(buffer.size() * 2, std::size_t(available));
        const ssize_t n = ::pread(in, buffer.data(), want / frame * frame, off_t(taken));
        if (n <= 0) {
            Fail(QCoreApplication::translate("TMp3Pipeline::State",
                                             "The spoken text could not be read back: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(n < 0 ? errno : EIO))));
            ok = false;
            break;
        }
        errno = 0;
        if (!file.Coder->Write(buffer.data(), std::size_t(n) / frame)) {
            EncoderFailed(file, errno);
            ok = false;
            break;
        }
        taken += n;
    }
    ::close(in);
    piece.Spill.reset();
    return ok;
}

// The words of a piece, where its worker wrote them: "frame<TAB>word" a line.
void TMp3Pipeline::State::AddWords(const Piece& piece, OutputFile& file) {
    if (!file.Cues || piece.Words.isEmpty())
        return;
    QFile words(piece.Words);
    if (!words.open(QIODevice::ReadOnly))
        return;
    // An MP3 decoder gives the encoder's delay before the first sample.
    const double delay = Pcm ? 0.0 : kMp3Delay;
    while (!words.atEnd()) {
        const QByteArray line = words.readLine(4096);
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        const qint64 frame = line.left(tab).toLongLong();
        file.Cues->Add(double(file.Frames + frame) / file.Rate + delay,
                       QString::fromUtf8(line.mid(tab + 1).trimmed()));
    }
    words.close();
    words.remove();
}

bool TMp3Pipeline::State::FinishFile(OutputFile& file) {
    const double seconds = double(file.Frames) / file.Rate + (Pcm ? 0.0 : kMp3Delay);
    bool ok = true;
    errno = 0;
    if (file.Coder && !file.Coder->Close()) {
        EncoderFailed(file, errno);
        ok = false;
    } else if (Pcm && !file.Coder && !ToPipe) {
        // Nothing was spoken at all: an encoder still writes its empty file.
        file.Coder = audio::MakeEncoder(Target.Format);
        if (!file.Coder->Open(file.Part->Path(), {}, Target.Kbps) || !file.Coder->Close()) {
            Fail(file.Coder->Error());
            ok = false;
        }
    }
    if (file.Fd >= 0 && file.Fd != 1 && ::close(file.Fd) != 0 && ok) {
        Fail(WriteError(file.Name));
        ok = false;
    }
    file.Fd = -1;
    if (!ok)
        return false;
    if (file.Cues)
        file.Cues->Finish(seconds);
    for (auto& s : file.Subtitles) {
        if (s->File.write(s->Writer->End(seconds)) < 0 || !s->File.flush()) {
            Fail(QCoreApplication::translate("TMp3Pipeline::State",
                                             "The subtitles %1 could not be written: %2")
                     .arg(s->File.fileName(), s->File.errorString()));
            return false;
        }
        s->File.close();
    }
    file.Tags.Seconds = seconds;
    QString error;
    if (!ToPipe && !audio::WriteTags(file.Part->Path(), Target.Format, file.Tags, error)) {
        Fail(error);
        return false;
    }
    // The subtitles take their names first: the audio file's name is the sign that all is there.
    for (auto& s : file.Subtitles) {
        if (!CommitAtEnd)
            SubtitleParts.emplace_back(s->Writer->Extension(), std::move(s->Part));
        else if (!s->Part->Commit(error)) {
            Fail(error);
            return false;
        }
    }
    if (!ToPipe) {
        if (CommitAtEnd) {
            if (!file.Part->Commit(error)) {
                Fail(error);
                return false;
            }
        } else {
            Part = std::move(file.Part);
        }
    }
    Written.append({file.Name, file.Tags.Title, seconds});
    return true;
}

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

// --- The object ----------------------------------------------------------------------------

TMp3Pipeline::TMp3Pipeline(QObject* parent) : QObject(parent) {}

TMp3Pipeline::~TMp3Pipeline() {
    Cancel();
    if (FState && FState->Driver.joinable())
        FState->Driver.join();
    Discard();
}

QList<TWrittenFile> TMp3Pipeline::Files() const {
    return FState && !FState->Running ? FState->Written : QList<TWrittenFile>();
}

bool TMp3Pipeline::Running() const {
    return FState && FState->Running;
}

void TMp3Pipeline::Pause(bool paused) {
    if (!FState)
        return;
    std::lock_guard lock(FState->Mutex);
    if (FState->Paused == paused)
        return;
    FState->Paused = paused;
    FState->SignalLocked(paused ? SIGSTOP : SIGCONT);
}

bool TMp3Pipeline::Paused() const {
    if (!FState)
        return false;
    std::lock_guard lock(FState->Mutex);
    return FState->Paused;
}

void TMp3Pipeline::Cancel(bool wait) {
    if (!FState)
        return;
    {
        std::lock_guard lock(FState->Mutex);
        FState->Cancelled = true;
        FState->KillLocked();
        FState->Changed.notify_all();
    }
    if (wait && FState->Driver.joinable()) {
        const std::shared_ptr<State> state = FState; // the receiver may start another run
        state->Driver.join();
        state->Deliver();
    }
}

bool TMp3Pipeline::Commit(const QString& output, QString& error) {
    if (!FState || FState->Running || !FState->Part) {
        error = tr("No file is ready for %1.").arg(output);
        return false;
    }
    for (const auto& [extension, part] : FState->SubtitleParts)
        if (!part->CommitAs(KoUtils::ChangeFileExt(output, extension), error))
            return false;
    FState->SubtitleParts.clear();
    const bool ok = FState->Part->CommitAs(output, error);
    FState->Part.reset();
    return ok;
}

void TMp3Pipeline::Discard() {
    if (FState && !FState->Running) {
        FState->Part.reset();
        FState->SubtitleParts.clear();
    }
}

void TMp3Pipeline::Start(const QString& text, int count, const QString& worker,
                         const QStringList& workerSwitches, const QString& output,
                         const Options& options, int parallel, bool commit, const TTarget& target) {
    Start(ChunksOf(text), text.size(), count, worker, workerSwitches, output, options, parallel,
          commit, target);
}

void TMp3Pipeline::Start(TPieceCutter::Chunks chunks, qint64 expected, int count,
                         const QString& worker, const QStringList& workerSwitches,
                         const QString& output, const Options& options, int parallel, bool commit,
                         const TTarget& target) {
    if (FState && FState->Driver.joinable()) {
        Cancel();
        FState->Driver.join();
    }
    Discard();
    FState = std::make_shared<State>();
    State& s = *FState;
    s.Owner = this;
    auto refuse = [this](const QString& why) { RefuseLater(this, why); };
    s.Target = target;
    s.Pcm = target.Format != audio::TFormat::Mp3;
    s.ToPipe = output == QLatin1String("-");
    if (s.ToPipe)
        s.Target.Subtitles.clear(); // there is no name to put them beside
    if (s.ToPipe && target.Format != audio::TFormat::Wav && target.Format != audio::TFormat::Mp3)
        return refuse(tr("Only WAV and MP3 can be written to standard output."));
    if (const QString missing = audio::Unavailable(target.Format); !missing.isEmpty())
        return refuse(missing);
    if (!s.Pcm) {
        s.Encoder = EncoderPath();
        if (s.Encoder.isEmpty())
            return refuse(MissingEncoderText());
        QString error;
        if (!OptionArguments(options, s.EncoderArguments, error))
            return refuse(error);
        // No tag frame: each piece would carry one of its own in the middle of the file.
        s.EncoderArguments =
            QStringList{QStringLiteral("--silent"), QStringLiteral("-t")} + s.EncoderArguments;
    }
    s.WorkerProgram = worker;
    s.WorkerSwitches = workerSwitches;
    s.Output = output;
    s.Parallel = std::max(1, parallel);
    s.CommitAtEnd = commit;
    const QString first = target.Chapters == TTarget::Split && !target.Breaks.isEmpty()
                              ? target.Breaks.first().Output
                              : output;
    if (!s.ToPipe) {
        s.Part = std::make_unique<TPartFile>(first);
        if (s.Part->Path().isEmpty()) {
            const QString why = s.Part->Refusal();
            s.Part.reset();
            return refuse(why);
        }
    }
    if (!s.Folder.isValid())
        return refuse(tr("No temporary folder could be made in %1.").arg(QDir::tempPath()));
    QList<qint64> breaks;
    if (target.Chapters != TTarget::Whole)
        for (const TBreak& b : target.Breaks)
            breaks << b.Position;
    s.Cutter =
        std::make_unique<TPieceCutter>(std::move(chunks), PieceSize(expected, count), breaks);
    s.Expected = std::max<qint64>(1, qint64(double(expected) * kBytesPerChar));
    // A reader that went away must end a write with an error, not the process.
    platform::SurviveBrokenPipes();
    s.Running = true;
    s.Driver = std::thread([state = FState] { state->Drive(); });
}

} // namespace Lame
