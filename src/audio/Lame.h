// SPDX-License-Identifier: GPL-3.0-or-later
// The MP3 bridge: converts between WAV and MP3 by running the LAME encoder program.
//
// The encoder is `lame` in the program folder, else on the PATH. Each text is passed to it as
// one argument exactly as received. The resample text "automatic" means: let the encoder
// choose (it has no such value, so the option is left out).
//
// A conversion counts only when the encoder ends with exit code 0 and its output is there and
// not empty (a decoded WAV file holds samples). An input that the encoder would not read as
// sound (it takes such bytes for raw samples) is refused before it runs. The output is written
// under a temporary name beside the final one and renamed at the end, so a failed or cancelled
// conversion leaves nothing under the final name (and a file that was there stays as it was).
#pragma once

#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace Lame {

// A file a conversion wrote.
struct TWrittenFile {
    QString Path, Title;
    double Seconds = 0;
};

struct Result {
    bool Ok = false;
    bool Cancelled = false;
    QString Error; // why it failed, for the user
};

// The encoder's options, as the callers hold them.
struct Options {
    QString Resample = QStringLiteral("automatic");
    QString Bitrate = QStringLiteral("128");
    QString Mode = QStringLiteral("s");
    QString Quality = QStringLiteral("5");
};

Result WavToMp3(const QString& input, const QString& output, const QString& resample,
                const QString& bitrate, const QString& mode, const QString& quality);
Result Mp3ToWav(const QString& input, const QString& output, const QString& resample,
                const QString& bitrate, const QString& mode, const QString& quality);

// The encoder program that will be run; empty when there is none.
QString EncoderPath();
// The message for a missing encoder.
QString MissingEncoderText();
// The encoder's arguments for the options; an error text instead when one of them has no
// value (the encoder would warn and go on with its own default).
bool OptionArguments(const Options& options, QStringList& arguments, QString& error);
// "The MP3 encoder could not convert ..." with the encoder's last words in it.
QString FailureText(const QString& input, int exitCode, const QByteArray& said);

// Reports a run that could not start: `owner`'s finished signal with `why`, once the caller has
// had the chance to connect to it.
template <class T> void RefuseLater(T* owner, const QString& why) {
    QMetaObject::invokeMethod(
        owner,
        [owner, why] {
            emit owner->finished({false, false, why});
        },
        Qt::QueuedConnection);
}

// A file beside `output` to write into, renamed to `output` by Commit. Removed by its
// destructor unless committed.
class TPartFile {
public:
    explicit TPartFile(const QString& output);
    ~TPartFile();
    TPartFile(const TPartFile&) = delete;
    TPartFile& operator=(const TPartFile&) = delete;
    // Empty when the folder can't be written; Refusal() then tells so, with the system's reason.
    const QString& Path() const { return FPath; }
    QString Refusal() const;
    // Puts the written file under its final name; the final name keeps the permissions of a
    // file that was there, else those a new file gets.
    bool Commit(QString& error);
    // The same under another name, in any folder.
    bool CommitAs(const QString& output, QString& error);

private:
    QString FOutput, FPath, FError;
    QByteArray FTarget; // the final name, as the file system has it
};

// One run of the encoder that does not block: progress and the end come as signals on the
// thread that started it.
class TEncodeJob : public QObject {
    Q_OBJECT
public:
    explicit TEncodeJob(QObject* parent = nullptr);
    ~TEncodeJob() override;

    // Always ends in exactly one finished(), queued when the run could not even begin.
    void Start(bool decode, const QString& input, const QString& output, const Options& options);
    // Ends a running conversion: finished() comes before this returns, with Cancelled set.
    void Cancel();
    bool Running() const { return FProcess != nullptr; }

signals:
    void progress(int percent);
    void finished(const Lame::Result& result);

private:
    // The name as the encoder can be given it; empty when that is not possible.
    QString EncoderName(const QString& name);
    void ReadProgress();
    void Done(int exitCode, QProcess::ExitStatus status);
    void Finish(const Result& result);

    QProcess* FProcess = nullptr;
    std::unique_ptr<TPartFile> FPart;
    std::unique_ptr<QTemporaryDir> FAliases; // plain names for the encoder, see EncoderName
    int FAliasCount = 0;
    QString FInput;
    bool FDecode = false;
    QByteArray FSaid; // the tail of what the encoder printed
    bool FCancelled = false;
};

} // namespace Lame
