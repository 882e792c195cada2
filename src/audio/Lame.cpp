// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lame.h"

#include "KoUtils.h"
#include "SoundFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace Lame {

QString EncoderPath() {
    QFileInfo local(KoUtils::AppDir() + QStringLiteral("lame"));
    if (local.isFile() && local.isExecutable())
        return local.absoluteFilePath();
    return QStandardPaths::findExecutable(QStringLiteral("lame"));
}

QString MissingEncoderText() {
    //: %1 is the program's folder
    return QCoreApplication::translate("Lame",
                                       "The MP3 encoder \"lame\" is not installed: put it in %1 "
                                       "or install it (Debian package lame).")
        .arg(KoUtils::AppDir());
}

bool OptionArguments(const Options& options, QStringList& arguments, QString& error) {
    const struct {
        const char* name;
        const QString& value;
    } given[] = {{"-r", options.Resample},
                 {"-b", options.Bitrate},
                 {"-m", options.Mode},
                 {"-q", options.Quality}};
    for (const auto& o : given)
        if (o.value.isEmpty()) {
            //: %1 is the encoder's switch: -r, -b, -m or -q
            error = QCoreApplication::translate("Lame", "The MP3 option %1 has no value.")
                        .arg(QLatin1String(o.name));
            return false;
        }
    if (options.Resample != QLatin1String("automatic"))
        arguments << QStringLiteral("--resample") << options.Resample;
    arguments << QStringLiteral("-b") << options.Bitrate << QStringLiteral("-m") << options.Mode
              << QStringLiteral("-q") << options.Quality;
    return true;
}

QString FailureText(const QString& input, int exitCode, const QByteArray& said) {
    // The encoder's last words usually say why.
    const QStringList lines = QString::fromLocal8Bit(said).split(
        QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    const QString why = lines.isEmpty() ? QString() : QStringLiteral(": ") + lines.last().trimmed();
    //: %1 is the input file, %2 the encoder's exit code, %3 its last words (": ..."), if any
    return QCoreApplication::translate("Lame",
                                       "The MP3 encoder could not convert %1 (exit code %2%3).")
        .arg(input)
        .arg(exitCode)
        .arg(why);
}

// --- The file being written ----------------------------------------------------------------

namespace {

// The file system's name for an output. An output that is a link: the file goes where the link
// points, and the link stays.
QByteArray TargetOf(const QString& output) {
    QByteArray target = KoUtils::EncodeFileName(output);
    char link[4096];
    const ssize_t n = ::readlink(target.constData(), link, sizeof link);
    if (n > 0 && std::size_t(n) < sizeof link) {
        const QByteArray to(link, qsizetype(n));
        target = to.startsWith('/') ? to : target.left(target.lastIndexOf('/') + 1) + to;
    }
    return target;
}

} // namespace

TPartFile::TPartFile(const QString& output) : FOutput(output) {
    const QByteArray target = TargetOf(output);
    FTarget = target;
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray dir =
        slash < 0 ? KoUtils::EncodeFileName(QDir::currentPath()) : target.left(slash);
    const QByteArray name = target.mid(slash + 1);
    // Named after the output where the encoder can be handed that name.
    QByteArray part = dir + "/." +
                      (KoUtils::IsPlainFileName(KoUtils::DecodeFileName(name)) ? name : "nurva") +
                      ".XXXXXX.part";
    const int fd = ::mkstemps(part.data(), 5);
    if (fd >= 0) {
        ::close(fd);
        FPath = KoUtils::DecodeFileName(part);
    } else {
        FError = QString::fromLocal8Bit(std::strerror(errno));
    }
}

QString TPartFile::Refusal() const {
    //: %2 is the system's reason
    return QCoreApplication::translate("TPartFile",
                                       "The file %1 can not be written in its folder: %2.")
        .arg(FOutput, FError);
}

TPartFile::~TPartFile() {
    if (!FPath.isEmpty())
        ::unlink(KoUtils::EncodeFileName(FPath).constData());
}

bool TPartFile::Commit(QString& error) {
    const QByteArray from = KoUtils::EncodeFileName(FPath), to = FTarget;
    struct stat st {};
    mode_t mode;
    if (::stat(to.constData(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(from.constData(), mode);
    // One step: the final name holds either the old file or the whole new one.
    if (std::rename(from.constData(), to.constData()) != 0) {
        error = QCoreApplication::translate("TPartFile", "The file %1 could not be written: %2")
                    .arg(FOutput, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    FPath.clear();
    return true;
}

bool TPartFile::CommitAs(const QString& output, QString& error) {
    if (FPath.isEmpty())
        return false;
    const QByteArray target = TargetOf(output);
    if (target == FTarget)
        return Commit(error);
    // Beside the new name first, so that it too holds either the old file or the whole new one.
    TPartFile there(output);
    if (there.Path().isEmpty()) {
        error = there.Refusal();
        return false;
    }
    const QByteArray from = KoUtils::EncodeFileName(FPath);
    if (std::rename(from.constData(), KoUtils::EncodeFileName(there.Path()).constData()) != 0) {
        QFile::remove(there.Path());
        if (!QFile::copy(FPath, there.Path())) {
            error = QCoreApplication::translate("TPartFile", "The file %1 could not be written.")
                        .arg(output);
            return false;
        }
    }
    if (!there.Commit(error))
        return false;
    ::unlink(from.constData());
    FPath.clear();
    return true;
}

// --- The encoder run -----------------------------------------------------------------------

namespace {

// Runs `look` with a reader of the file `path` (opened by its name's very bytes) and its size;
// false when the file cannot be opened.
bool LookInto(const QString& path,
              const std::function<void(const audio::TReadAt& read, qint64 size)>& look) {
    const int fd = ::open(KoUtils::EncodeFileName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return false;
    }
    look(
        [fd](qint64 at, qint64 n) {
            QByteArray bytes(std::max<qint64>(n, 0), Qt::Uninitialized);
            qint64 got = 0;
            while (got < n) {
                const ssize_t r =
                    ::pread(fd, bytes.data() + got, std::size_t(n - got), off_t(at + got));
                if (r < 0 && errno == EINTR)
                    continue;
                if (r <= 0)
                    break;
                got += r;
            }
            bytes.truncate(got);
            return bytes;
        },
        st.st_size);
    ::close(fd);
    return true;
}

} // namespace

TEncodeJob::TEncodeJob(QObject* parent) : QObject(parent) {}

TEncodeJob::~TEncodeJob() {
    if (FProcess) {
        FProcess->disconnect(this);
        FProcess->kill();
        FProcess->waitForFinished(5000);
        delete FProcess;
    }
}

void TEncodeJob::Start(bool decode, const QString& input, const QString& output,
                       const Options& options) {
    FInput = input;
    FSaid.clear();
    FCancelled = false;
    auto refuse = [this](const QString& why) { RefuseLater(this, why); };
    const QString lame = EncoderPath();
    if (lame.isEmpty())
        return refuse(MissingEncoderText());
    QStringList arguments;
    QString error;
    if (!OptionArguments(options, arguments, error))
        return refuse(error);
    FPart = std::make_unique<TPartFile>(output);
    if (FPart->Path().isEmpty()) {
        const QString why = FPart->Refusal();
        FPart.reset();
        return refuse(why);
    }
    // Encoding reports its progress once a second; decoding would report every frame.
    arguments = (decode ? QStringList{QStringLiteral("--decode"), QStringLiteral("--silent")}
                        : QStringList{QStringLiteral("--disptime"), QStringLiteral("1")}) +
                arguments;
    const QString from = EncoderName(input), to = EncoderName(FPart->Path());
    if (from.isEmpty() || to.isEmpty()) {
        FPart.reset();
        FAliases.reset();
        return refuse(tr("The file %1 can not be handed to the MP3 encoder: no "
                         "temporary folder could be made.")
                          .arg(from.isEmpty() ? input : output));
    }
    arguments << from << to;
    // The encoder takes any bytes it does not know for raw samples: it would turn a text or a
    // damaged file into noise, or decode it into an empty file, and end as if all went well.
    // A file that cannot be opened goes to the encoder all the same, which says why.
    QString why;
    audio::TSoundKind kind = audio::TSoundKind::Other;
    LookInto(input, [&](const audio::TReadAt& read, qint64 size) {
        kind = audio::SoundKind(read, size, from, &why);
    });
    if (kind == audio::TSoundKind::None) {
        FPart.reset();
        FAliases.reset();
        //: %1 is the file, %2 why the encoder cannot read it ("it is empty", ...)
        return refuse(tr("%1 is not a sound file the MP3 encoder can read (%2); "
                         "nothing was converted.")
                          .arg(input, why));
    }
    FDecode = decode;

    FProcess = new QProcess(this);
    FProcess->setStandardInputFile(QProcess::nullDevice());
    FProcess->setStandardOutputFile(QProcess::nullDevice());
    connect(FProcess, &QProcess::readyReadStandardError, this, &TEncodeJob::ReadProgress);
    connect(FProcess, &QProcess::finished, this, &TEncodeJob::Done);
    // Queued: a start that fails at once still ends after Start has returned.
    connect(
        FProcess, &QProcess::errorOccurred, this,
        [this, lame](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart)
                Finish({false, false, tr("The MP3 encoder %1 could not be started.").arg(lame)});
        },
        Qt::QueuedConnection);
    FProcess->start(lame, arguments);
}

QString TEncodeJob::EncoderName(const QString& name) {
    // The encoder takes a name that starts with "-" for an option.
    if (KoUtils::IsPlainFileName(name))
        return name.startsWith(u'-') ? QStringLiteral("./") + name : name;
    // Programs get their arguments as UTF-8, which cannot carry every byte of a file name: the
    // encoder gets a link with a plain name instead, in a folder of this run's own.
    if (!FAliases)
        FAliases = std::make_unique<QTemporaryDir>();
    const QString ext = KoUtils::ExtractFileExt(name);
    const QString alias = FAliases->filePath(QString::number(++FAliasCount) +
                                             (KoUtils::IsPlainFileName(ext) ? ext : QString()));
    QByteArray target = KoUtils::EncodeFileName(name);
    if (!target.startsWith('/')) {
        char cwd[4096];
        if (!::getcwd(cwd, sizeof cwd))
            return {};
        target = QByteArray(cwd) + '/' + target;
    }
    if (!FAliases->isValid() || !KoUtils::IsPlainFileName(alias) ||
        ::symlink(target.constData(), KoUtils::EncodeFileName(alias).constData()) != 0)
        return {};
    return alias;
}

void TEncodeJob::ReadProgress() {
    if (!FProcess)
        return;
    FSaid += FProcess->readAllStandardError();
    static const QRegularExpression frames(QStringLiteral("(\\d+)/(\\d+)\\s+\\("));
    int percent = -1;
    for (auto it = frames.globalMatch(QString::fromLatin1(FSaid.right(512))); it.hasNext();) {
        const auto m = it.next();
        const qint64 done = m.captured(1).toLongLong(), all = m.captured(2).toLongLong();
        if (all > 0)
            percent = int(std::min<qint64>(100, done * 100 / all));
    }
    if (FSaid.size() > 8192)
        FSaid = FSaid.right(4096);
    if (percent >= 0)
        emit progress(percent);
}

void TEncodeJob::Done(int exitCode, QProcess::ExitStatus status) {
    if (!FProcess)
        return;
    FSaid += FProcess->readAllStandardError();
    if (FCancelled)
        return Finish({false, true, {}});
    if (status != QProcess::NormalExit)
        return Finish({false, false, FailureText(FInput, -1, FSaid)});
    struct stat written {};
    if (exitCode != 0 ||
        ::stat(KoUtils::EncodeFileName(FPart->Path()).constData(), &written) != 0 ||
        !S_ISREG(written.st_mode) || written.st_size == 0)
        return Finish({false, false, FailureText(FInput, exitCode, FSaid)});
    // A decoder that found no frame it could read writes a WAV file without samples.
    if (FDecode) {
        std::optional<audio::TWavLayout> wav;
        LookInto(FPart->Path(), [&](const audio::TReadAt& read, qint64 size) {
            wav = audio::ReadWavLayout(read, size);
        });
        if (!wav || wav->DataSize == 0)
            return Finish({false, false,
                           tr("The MP3 encoder found no sound it could decode in %1; "
                              "nothing was converted.")
                               .arg(FInput)});
    }
    QString error;
    if (!FPart->Commit(error))
        return Finish({false, false, error});
    Finish({true, false, {}});
}

void TEncodeJob::Cancel() {
    FCancelled = true;
    Finish({false, true, {}});
}

void TEncodeJob::Finish(const Result& result) {
    if (!FProcess)
        return;
    QProcess* p = std::exchange(FProcess, nullptr);
    p->disconnect(this);
    if (p->state() != QProcess::NotRunning) {
        p->kill();
        p->waitForFinished(5000);
    }
    p->deleteLater();
    FPart.reset(); // removes what was not committed
    FAliases.reset();
    emit finished(result);
}

// --- Waiting for a run ---------------------------------------------------------------------

namespace {

Result Run(bool decode, const QString& input, const QString& output, const Options& options) {
    TEncodeJob job;
    Result result;
    bool done = false;
    QEventLoop loop;
    QObject::connect(&job, &TEncodeJob::finished, &loop, [&](const Result& r) {
        result = r;
        done = true;
        loop.quit();
    });
    job.Start(decode, input, output, options);
    if (!done)
        loop.exec();
    return result;
}

} // namespace

Result WavToMp3(const QString& input, const QString& output, const QString& resample,
                const QString& bitrate, const QString& mode, const QString& quality) {
    return Run(false, input, output, {resample, bitrate, mode, quality});
}

Result Mp3ToWav(const QString& input, const QString& output, const QString& resample,
                const QString& bitrate, const QString& mode, const QString& quality) {
    return Run(true, input, output, {resample, bitrate, mode, quality});
}

} // namespace Lame
