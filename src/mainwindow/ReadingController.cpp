#include "ReadingController.h"

#include "AudioDestFile.h"
#include "Document.h"
#include "KoUtils.h"
#include "Lame.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace mainwindow {

TReadingController::TReadingController(speech::TMSpeech* speech, QObject* parent)
    : QObject(parent), FSpeech(speech) {
    FSpeech->OnStart = [this](speech::TMSpeech*) { emit started(); };
    FSpeech->OnStop = [this](speech::TMSpeech*) { OnStop(); };
    connect(&FEncoder, &Lame::TEncodeJob::progress, this, &TReadingController::mp3Progress);
    connect(&FEncoder, &Lame::TEncodeJob::finished, this, &TReadingController::Mp3Finished);
}

void TReadingController::Start(const TReadingRequest& request) {
    FReplaced = false;
    if (EncodingMp3())
        throw speech::EMSpeechException(
            QStringLiteral("An MP3 file is being written. Stop it first, or wait for it."));
    QString reserved; // an intermediate WAV made for this start
    try {
        const QStringList& engines = FSpeech->Engines();
        if (engines.isEmpty())
            throw speech::EMSpeechException(QStringLiteral(
                "No speech engine is installed. Install espeak-ng to hear the documents."));
        if (request.EngineIndex < 0 || request.EngineIndex >= engines.size())
            throw speech::EMSpeechException(
                QStringLiteral("Voice number %1 is not installed.").arg(request.EngineIndex));
        FSpeech->Output = request.Mode == 0 ? speech::soGeneral : speech::soFile;
        // Rebinding ends whatever was running, and its notifications never arrive.
        FSpeech->SelectEngine(engines[0]);
        FReplaced = true;
        Abandon();
        FSpeech->SelectEngine(engines[request.EngineIndex]);

        QString wav = request.AutoWav, mp3;
        if (request.Mode == 1 && request.AskWav) {
            const QString chosen = request.AskWav();
            if (!chosen.isEmpty())
                wav = chosen;
        } else if (request.Mode == 2) {
            // Never over a file that is already there: it is deleted after the encoding.
            reserved = ReserveIntermediate(request.AutoWav);
            if (!reserved.isEmpty())
                wav = reserved;
            mp3 = request.AutoMp3;
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
        FCurrent = TReading{request.Mode, request.Kind, request.FreeText, wav, mp3};
        FSpeech->Speak();
    } catch (const std::exception& e) {
        if (!reserved.isEmpty())
            QFile::remove(reserved);
        if (FReplaced)
            FActive = false; // nothing runs any more: no stop will come
        if (FReplaced && request.Mode != 0 &&
            QString::fromUtf8(e.what()).startsWith("Can not open file"))
            throw speech::EMSpeechException(QStringLiteral("Can not open file\n\n") +
                                            FSpeech->Filename);
        throw;
    }
}

// A reading replaced before its end never reports a stop: its intermediate WAV would be left
// behind half written.
void TReadingController::Abandon() {
    if (FActive && FCurrent.Mode == 2 && !FCurrent.Wav.isEmpty())
        QFile::remove(FCurrent.Wav);
    FActive = false;
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
    FSpeech->Pause();
}

void TReadingController::Resume() {
    FSpeech->Resume();
}

void TReadingController::Stop() {
    if (EncodingMp3())
        return CancelMp3();
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

std::optional<TMp3Result> TReadingController::StartMp3(const QString& chosen, const QString& khz,
                                                       const QString& kbps) {
    FMp3Wav = FCurrent.Wav;
    FMp3 = chosen.isEmpty() ? FCurrent.Mp3 : chosen;
    const QFileInfo spoken(FMp3Wav);
    if (!spoken.isFile() || spoken.size() <= engines::AudioDestFile::HeaderSize) {
        // A conversion stopped before the first word: there is nothing to encode.
        QFile::remove(FMp3Wav);
        return TMp3Result{TMp3Result::NothingSpoken, {}};
    }
    FMp3Retried = false;
    FEncoder.Start(false, FMp3Wav, FMp3, {khz, kbps, QStringLiteral("s"), QStringLiteral("5")});
    return std::nullopt;
}

void TReadingController::CancelMp3() {
    FEncoder.Cancel();
}

void TReadingController::Mp3Finished(const Lame::Result& result) {
    if (!result.Ok && !result.Cancelled && !FMp3Retried) {
        // The stored rate or bit rate may be one the encoder refuses.
        FMp3Retried = true;
        FEncoder.Start(false, FMp3Wav, FMp3,
                       {QStringLiteral("automatic"), QStringLiteral("128"), QStringLiteral("s"),
                        QStringLiteral("5")});
        return;
    }
    TMp3Result done;
    if (result.Ok || result.Cancelled) {
        QFile::remove(FMp3Wav);
        done.State = result.Ok ? TMp3Result::Written : TMp3Result::Cancelled;
    } else {
        done = {TMp3Result::Failed,
                QStringLiteral("The MP3 file %1 could not be written.\n\n%2\n\nThe spoken text is "
                               "kept in %3.")
                    .arg(FMp3, result.Error, FMp3Wav)};
    }
    emit mp3Done(done);
}

QString TReadingController::AutoOutputName(TReadKind kind, const QString& extension,
                                           const QString& document, const QString& folder) {
    if ((kind == rkDocument || kind == rkPart) && !document.isEmpty()) {
        const QString name = KoUtils::ChangeFileExt(QFileInfo(document).fileName(), extension);
        return folder + (kind == rkPart ? QStringLiteral("PartOf") : QString()) + name;
    }
    return folder + QStringLiteral("Clipboard") + extension;
}

QString TReadingController::ReserveIntermediate(const QString& wanted) {
    const QString stem = KoUtils::ChangeFileExt(wanted, QString());
    for (int n = 0; n < 1000; ++n) {
        const QString name = n == 0 ? wanted : QStringLiteral("%1-%2.wav").arg(stem).arg(n);
        QFile f(name);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        const QFileInfo taken(name);
        if (!taken.exists() && !taken.isSymLink())
            return {}; // the folder refuses it: nothing to reserve
    }
    return {};
}

} // namespace mainwindow
