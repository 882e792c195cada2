// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingController.h"

#include "Document.h"
#include "KoUtils.h"
#include "Lame.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace mainwindow {

TReadingController::TReadingController(speech::TMSpeech* speech, QObject* parent)
    : QObject(parent), FSpeech(speech) {
    FSpeech->OnStart = [this](speech::TMSpeech*) { emit started(); };
    FSpeech->OnStop = [this](speech::TMSpeech*) { OnStop(); };
    connect(&FPipeline, &Lame::TMp3Pipeline::progress, this, &TReadingController::mp3Progress);
    connect(&FPipeline, &Lame::TMp3Pipeline::finished, this,
            &TReadingController::ConversionFinished);
}

void TReadingController::Start(const TReadingRequest& request) {
    FReplaced = false;
    try {
        const QString first = FSpeech->EngineName(0);
        if (first.isEmpty())
            throw speech::EMSpeechException(
                tr("No speech engine is installed. Install espeak-ng to hear the documents."));
        QString voice = request.EngineName;
        if (voice.isEmpty()) {
            const QStringList& engines = FSpeech->Engines();
            if (request.EngineIndex < 0 || request.EngineIndex >= engines.size())
                throw speech::EMSpeechException(
                    tr("Voice number %1 is not installed.").arg(request.EngineIndex));
            voice = engines[request.EngineIndex];
        }
        // A voice whose engine plays the sound itself gives nothing to write.
        if (request.Mode != 0 && !FSpeech->CanWriteFiles(voice))
            throw speech::EMSpeechException(speech::TMSpeech::NoFilesMessage(voice));
        FSpeech->Output = request.Mode == 0 ? speech::soGeneral : speech::soFile;
        // Rebinding ends whatever was running, and its notifications never arrive.
        FSpeech->SelectEngine(first);
        FReplaced = true;
        Abandon();
        FSpeech->SelectEngine(voice);
        if (request.Mode == 2)
            return StartConversion(request);

        QString wav = request.AutoWav;
        if (request.Mode == 1 && request.AskWav) {
            const QString chosen = request.AskWav();
            if (!chosen.isEmpty())
                wav = chosen;
        }
        if (request.Mode != 0) {
            FSpeech->Filename = wav;
            std::shared_ptr<speech::IUnknown> dest;
            FSpeech->GetInterface(0, dest);
            std::shared_ptr<speech::IAudioFile> file;
            if (dest && speech::Succeeded(speech::QueryInterface(dest, file)) && file)
                file->RealTimeSet(speech::WORD(request.RealTime & 0xFFFF));
        }
        const QStringList lines = settings::SplitLines(request.Text, &FTextStarts);
        FSpokenStarts.clear();
        int spokenAt = 0;
        for (const QString& line : lines) {
            FSpokenStarts.push_back(spokenAt);
            spokenAt += int(line.size()) + 2; // the engine's lines end in CR LF
        }
        FSpokenLength = spokenAt;
        FSpeech->SetText(lines);
        FSpeech->SetSpeed(std::uint32_t(request.Speed));
        FActive = true;
        FCurrent = TReading();
        FCurrent.Mode = request.Mode;
        FCurrent.Kind = request.Kind;
        FCurrent.FreeText = request.FreeText;
        FCurrent.Wav = request.Mode == 1 ? wav : QString();
        FSpeech->Speak();
    } catch (const std::exception& e) {
        if (FReplaced)
            FActive = false; // nothing runs any more: no stop will come
        const QString message = QString::fromUtf8(e.what());
        // The speech component's own words for a file it cannot open, in the user's language.
        const QString named =
            QCoreApplication::translate("speech::TMSpeech", "Can not open file %1")
                .arg(FSpeech->Filename);
        if (FReplaced && request.Mode != 0 && message.startsWith(named)) {
            // The file's name on a line of its own, and the system's reason after it.
            //: %1 is the file's name
            QString text = tr("Can not open file\n\n%1").arg(FSpeech->Filename);
            if (message.startsWith(named + QStringLiteral(": ")))
                text += QStringLiteral("\n\n") + message.mid(named.size() + 2);
            throw speech::EMSpeechException(text);
        }
        throw;
    }
}

namespace {
QString gWorker;
}

void TReadingController::SetWorkerProgram(const QString& path) {
    gWorker = path;
}

// The text goes to worker processes of this program in pieces, each spoken straight into an
// encoder; the file waits for its name until the MP3 step.
void TReadingController::StartConversion(const TReadingRequest& request) {
    FCurrent = TReading();
    FCurrent.Mode = 2;
    FCurrent.Kind = request.Kind;
    FCurrent.FreeText = request.FreeText;
    FCurrent.Mp3 = request.AutoMp3;
    FCurrent.Unchaptered =
        request.Chapters != Lame::TTarget::Whole && request.ChapterStarts.isEmpty();
    if (request.Chapters == Lame::TTarget::Split && !FCurrent.Unchaptered && request.AskBook) {
        const QString chosen = request.AskBook();
        if (!chosen.isEmpty())
            FCurrent.Mp3 = chosen;
    }
    FMp3Request = request;
    FMp3Request.EngineName = FSpeech->EngineInfo.Name; // the workers find the voice by it
    FMp3Retried = false;
    FMp3 = {TMp3Result::Cancelled, {}};
    FSpokenStarts.clear();
    FTextStarts.clear();
    FSpokenLength = 0;
    FActive = true;
    const int run = ++FRun;
    if (request.Text.trimmed().isEmpty()) {
        // Nothing to speak: the stop follows as the engine's would, after this start.
        FMp3 = {TMp3Result::NothingSpoken, {}};
        QTimer::singleShot(0, this, [this, run] {
            if (run == FRun && FActive && FMp3.State == TMp3Result::NothingSpoken) {
                FActive = false;
                emit stopped(true);
            }
        });
    } else {
        RunPipeline(request.Khz, request.Kbps);
    }
    emit started();
}

void TReadingController::RunPipeline(const QString& khz, const QString& kbps) {
    const TReadingRequest& r = FMp3Request;
    // The workers speak with this reading's voice and speed; their writing speed is a whole
    // multiple of real time (256 is no cap, as the file destination's 0).
    const unsigned realTime = unsigned(r.RealTime) & 0xFFFF;
    const int times = realTime == 0 ? 256 : std::max(1, int(realTime + 128) / 256);
    const QStringList switches{QStringLiteral("-e"), r.EngineName,
                               QStringLiteral("-s"), QString::number(r.Speed),
                               QStringLiteral("-w"), QString::number(times)};
    const int parallel = Lame::PipelineCount(realTime);
    const QString worker = gWorker.isEmpty() ? QCoreApplication::applicationFilePath() : gWorker;
    Lame::TTarget target;
    target.Format = r.Format;
    target.Subtitles = r.Subtitles;
    if (r.Format != audio::TFormat::Wav) {
        target.Tags.Title = QFileInfo(FCurrent.Mp3).completeBaseName();
        target.Tags.Artist = r.EngineName;
    }
    if (r.Chapters != Lame::TTarget::Whole && !r.ChapterStarts.isEmpty()) {
        target.Chapters = r.Chapters;
        FCurrent.Playlist =
            chapters::PlanBook(target, r.ChapterStarts, r.Text, r.Book, FCurrent.Mp3).Playlist;
        if (target.Chapters == Lame::TTarget::Split)
            target.Tags.Album = r.Book;
    }
    // A split book's files are named as each is done: there is no one file to name later.
    FPipeline.Start(r.Text, Lame::PieceCount(r.Text.size(), parallel), worker, switches,
                    FCurrent.Mp3, {khz, kbps, QStringLiteral("s"), QStringLiteral("5")}, parallel,
                    target.Chapters == Lame::TTarget::Split, target);
}

void TReadingController::ConversionFinished(const Lame::Result& result) {
    if (!Converting()) {
        FPipeline.Discard(); // a conversion replaced by another reading
        return;
    }
    if (!result.Ok && !result.Cancelled && !FMp3Retried) {
        // The stored rate or bit rate may be one the encoder refuses.
        FMp3Retried = true;
        RunPipeline(QStringLiteral("automatic"), QStringLiteral("128"));
        return;
    }
    if (result.Ok)
        FMp3 = {TMp3Result::Written, {}};
    else if (result.Cancelled)
        FMp3 = {TMp3Result::Cancelled, {}};
    else
        //: %1 is the file's name, %2 the reason
        FMp3 = {TMp3Result::Failed,
                tr("The MP3 file %1 could not be written.\n\n%2").arg(FCurrent.Mp3, result.Error)};
    FMp3Request.Text = QString();
    FActive = false;
    emit stopped(true);
}

TMp3Result TReadingController::FinishMp3(const QString& chosen) {
    TMp3Result result = std::exchange(FMp3, TMp3Result{TMp3Result::Cancelled, {}});
    if (result.State != TMp3Result::Written)
        return result;
    if (!FCurrent.Playlist.isEmpty()) {
        const QList<Lame::TWrittenFile> files = FPipeline.Files();
        if (const QString error = chapters::WritePlaylist(files, FCurrent.Playlist);
            !error.isEmpty())
            return {TMp3Result::Failed, error};
        return {TMp3Result::Written, {}, int(files.size())};
    }
    result.Files = 1;
    const QString mp3 = chosen.isEmpty() ? FCurrent.Mp3 : chosen;
    QString error;
    if (!FPipeline.Commit(mp3, error))
        //: %1 is the file's name, %2 the reason
        return {TMp3Result::Failed,
                tr("The MP3 file %1 could not be written.\n\n%2").arg(mp3, error)};
    return result;
}

// A reading replaced before its end never reports a stop; a conversion's workers end with it.
void TReadingController::Abandon() {
    const bool converting = Converting();
    FActive = false;
    if (converting)
        FPipeline.Cancel(true);
    FPipeline.Discard();
}

void TReadingController::OnStop() {
    if (FSpeech->Paused) {
        emit paused();
        return;
    }
    const bool ended = FActive;
    FActive = false;
    emit stopped(ended);
}

void TReadingController::Pause() {
    if (!Converting())
        return FSpeech->Pause();
    FPipeline.Pause(true);
    emit paused();
}

void TReadingController::Resume() {
    if (Converting())
        return FPipeline.Pause(false);
    FSpeech->Resume();
}

void TReadingController::Stop() {
    if (Converting())
        return FPipeline.Cancel(true); // its stop comes before this returns
    if (FSpeech->Paused)
        FSpeech->Resume();
    FSpeech->Stop();
}

int TReadingController::SpokenPosition() const {
    return std::clamp(int(FSpeech->WordCharOffset), 0, FSpokenLength);
}

// O(log lines): the word-position timer asks on every tick.
int TReadingController::TextPosition(int spoken) const {
    if (FSpokenStarts.empty())
        return 0;
    auto it = std::upper_bound(FSpokenStarts.begin(), FSpokenStarts.end(), spoken);
    const std::size_t line =
        it == FSpokenStarts.begin() ? 0 : std::size_t(it - FSpokenStarts.begin() - 1);
    const int next = line + 1 < FSpokenStarts.size() ? FSpokenStarts[line + 1] : FSpokenLength;
    const int length = next - FSpokenStarts[line] - 2; // without its CR LF
    return FTextStarts[line] + std::clamp(spoken - FSpokenStarts[line], 0, std::max(0, length));
}

QString TReadingController::AutoOutputName(TReadKind kind, const QString& extension,
                                           const QString& document, const QString& folder) {
    if ((kind == rkDocument || kind == rkPart) && !document.isEmpty()) {
        const QString name = KoUtils::ChangeFileExt(QFileInfo(document).fileName(), extension);
        return folder + (kind == rkPart ? QStringLiteral("PartOf") : QString()) + name;
    }
    return folder + QStringLiteral("Clipboard") + extension;
}

} // namespace mainwindow
