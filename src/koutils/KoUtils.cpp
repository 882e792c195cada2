// SPDX-License-Identifier: GPL-3.0-or-later
#include "KoUtils.h"

#include "Product.h"
#include "platform/FileNames.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <algorithm>
#include <mutex>
#include <optional>

#include <cstdio>
#include <sys/stat.h>

namespace KoUtils {

namespace {
QString gExecutable;
MessageBoxHandler gMessageBox;
std::mutex gFoldersMutex;
std::optional<platform::TProgramFolders> gFolders;

QString Executable() {
    if (!gExecutable.isEmpty())
        return gExecutable;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}
} // namespace

void SetExecutablePath(const QString& path) {
    gExecutable = path;
    std::lock_guard lock(gFoldersMutex);
    gFolders.reset();
}

platform::TProgramFolders Folders() {
    std::lock_guard lock(gFoldersMutex);
    if (!gFolders)
        gFolders = platform::TProgramFolders::ForProgram(AppDir());
    return *gFolders;
}

QString AppDir() {
    return QFileInfo(Executable()).absolutePath() + QLatin1Char('/');
}

QString ApplicationTitle() {
    QString name = QFileInfo(Executable()).fileName();
    name = name.left(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf('.'));
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    gMessageBox = std::move(handler);
}

void ShowMessageBox(const QString& text, int flags) {
    if (gMessageBox) {
        gMessageBox(text, ApplicationTitle(), flags);
        return;
    }
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (!out.endsWith(QLatin1Char('\n')))
        out += QLatin1Char('\n');
    std::FILE* stream = (flags & 0xF0) == MB_ICONERROR ? stderr : stdout;
    std::fputs(out.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

bool ConfirmBox(const QString& text) {
    constexpr int kOkCancelQuestionDefault2 = 289;
    if (gMessageBox)
        return gMessageBox(text, ApplicationTitle(), kOkCancelQuestionDefault2) == 1;
    return false;
}

void ShellOpen(const QString& target) {
    platform::Services().Desktop->Open(target);
}

int RunAndWait(const QString& program, const QStringList& arguments, QString* output) {
    // What the child prints goes to a file, not a pipe: an encoder that reports its progress
    // many times a second would otherwise wake this process for every line.
    QTemporaryFile log(QDir::tempPath() + QStringLiteral("/nurva-run-XXXXXX.log"));
    const bool logged = output && log.open();
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(logged ? log.fileName() : QProcess::nullDevice());
    p.setStandardErrorFile(logged ? log.fileName() : QProcess::nullDevice(), QIODevice::Append);
    p.start(program, arguments);
    if (!p.waitForStarted())
        return -1;
    // The child is an encoder working through a file: it ends when the file is done.
    while (!p.waitForFinished(1000) && p.state() != QProcess::NotRunning) {
    }
    if (logged) {
        log.seek(std::max<qint64>(0, log.size() - 4096));
        *output = QString::fromLocal8Bit(log.read(4096));
    }
    if (p.exitStatus() != QProcess::NormalExit)
        return -1;
    return p.exitCode();
}

void ClearReadOnly(const QString& path) {
    QFile f(path);
    if (!f.exists())
        return;
    auto perms = f.permissions();
    if (!(perms & QFileDevice::WriteOwner))
        f.setPermissions(perms | QFileDevice::WriteOwner);
}

QString FileSizeText(const QString& path) {
    QFileInfo fi(path);
    if (!fi.exists() || fi.isDir())
        return QStringLiteral("-1");
    return QString::number(quint32(quint64(fi.size()) & 0xFFFFFFFFu));
}

QString ExtractFileExt(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash + 1 ? path.mid(dot) : QString();
}

QString ChangeFileExt(const QString& path, const QString& ext) {
    return path.left(path.size() - ExtractFileExt(path).size()) + ext;
}

int GetWaveVolume() {
    return int(platform::Services().Volume->Get() >> 16); // the right channel
}

void SetWaveVolume(int value) {
    const auto v = std::uint32_t(std::clamp(value, 0, 65535));
    platform::Services().Volume->Set(v | (v << 16));
}

QString InstanceName() {
    return QLatin1String(product::InstancePrefix) + ApplicationTitle() +
           QLatin1String(product::InstanceSuffix);
}

bool IsAlreadyRunning() {
    return platform::Services().Instance->Claim(InstanceName()) == platform::NameTaken;
}

QString DecodeFileName(const QByteArray& name) {
    return platform::DecodeFileName(name);
}

QByteArray EncodeFileName(const QString& name) {
    return platform::EncodeFileName(name);
}

bool IsPlainFileName(const QString& name) {
    return platform::IsPlainFileName(name);
}

bool SameFile(const QString& a, const QString& b) {
    struct stat sa {
    }, sb{};
    if (a.isEmpty() || b.isEmpty() || ::stat(EncodeFileName(a).constData(), &sa) != 0 ||
        ::stat(EncodeFileName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace KoUtils
