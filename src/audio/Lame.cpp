#include "Lame.h"

#include "KoUtils.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Lame {

QString EncoderPath() {
    QFileInfo local(KoUtils::AppDir() + QStringLiteral("lame"));
    if (local.isFile() && local.isExecutable())
        return local.absoluteFilePath();
    return QStandardPaths::findExecutable(QStringLiteral("lame"));
}

namespace {

// An encoding counts only when the encoder says so and the output is really there, written
// by this run (an older file of the same name proves nothing).
struct Output {
    QString path;
    QDateTime before;
    bool Written(int exitCode) const {
        QFileInfo fi(path);
        return exitCode == 0 && fi.isFile() && fi.size() > 0 &&
               (before.isNull() || fi.lastModified() != before);
    }
};

Result Run(bool decode, const QString& input, const QString& output, const QString& resample,
           const QString& bitrate, const QString& mode, const QString& quality) {
    QString lame = EncoderPath();
    if (lame.isEmpty())
        return {false, QStringLiteral("The MP3 encoder \"lame\" is not installed: put it in %1 "
                                      "or install it (Debian package lame).")
                           .arg(KoUtils::AppDir())};
    Output out{output, QFileInfo(output).lastModified()};
    QStringList head;
    if (decode)
        head << QStringLiteral("--decode");
    QStringList full = head;
    if (resample != QLatin1String("automatic"))
        full << QStringLiteral("--resample") << resample;
    full << QStringLiteral("-b") << bitrate << QStringLiteral("-m") << mode << QStringLiteral("-q")
         << quality << input << output;
    QString said;
    int code = KoUtils::RunAndWait(lame, full, &said);
    if (out.Written(code))
        return {true, {}};
    // The short form: the encoder's own defaults.
    code = KoUtils::RunAndWait(lame, head << input << output, &said);
    if (out.Written(code))
        return {true, {}};
    if (code == -1)
        return {false, QStringLiteral("The MP3 encoder %1 could not be started.").arg(lame)};
    // The encoder's last words usually say why.
    QStringList lines =
        said.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    QString why = lines.isEmpty() ? QString() : QStringLiteral(": ") + lines.last().trimmed();
    return {false, QStringLiteral("The MP3 encoder could not convert %1 (exit code %2%3).")
                       .arg(input)
                       .arg(code)
                       .arg(why)};
}

} // namespace

Result WavToMp3(const QString& input, const QString& output, const QString& resample,
                const QString& bitrate, const QString& mode, const QString& quality) {
    return Run(false, input, output, resample, bitrate, mode, quality);
}

Result Mp3ToWav(const QString& input, const QString& output, const QString& resample,
                const QString& bitrate, const QString& mode, const QString& quality) {
    return Run(true, input, output, resample, bitrate, mode, quality);
}

} // namespace Lame
