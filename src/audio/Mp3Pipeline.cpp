// SPDX-License-Identifier: GPL-3.0-or-later
#include "Mp3Pipeline.h"

#include "KoUtils.h"
#include "Mp3PipelineState.h"
#include "platform/unix/BrokenPipes.h"

#include <QThread>

#include <algorithm>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

namespace Lame {

namespace {

constexpr qsizetype kMinPiece = 32000;   // characters: about half an hour of speech
constexpr qsizetype kMaxPiece = 1 << 20; // a worker's text stays small
// The samples of a piece being spoken are taken in portions of about this many bytes (or what
// came within a quarter second): fewer, larger copies.
constexpr qint64 kTakeAtOnce = 1 << 20;
// Speech runs at about 16 characters a second; only for the progress shown.
constexpr double kBytesPerChar = 22050.0 * 2 / 16.0;
// What an MP3 decoder gives before the first sample when the file has no tag frame to say so:
// the encoder's delay and the decoder's (576 + 529 samples at the engine's rate).
constexpr double kMp3Delay = 1105.0 / 22050;

} // namespace

int PieceCount(qsizetype length, int parallel) {
    const qsizetype byCores = std::min<qsizetype>(std::max(1, parallel), length / kMinPiece);
    const qsizetype bySize = (length + kMaxPiece - 1) / kMaxPiece;
    return int(std::max<qsizetype>({1, byCores, bySize}));
}

int PipelineCount(unsigned writingSpeed) {
    return (writingSpeed & 0xFFFF) != 0 ? 1 : std::max(1, QThread::idealThreadCount());
}

// --- The running pipeline ------------------------------------------------------------------

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
    if (!ToPipe &&
        !audio::WriteTags(file.Part->Path(), Target.Format, file.Tags, error, file.Name)) {
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
