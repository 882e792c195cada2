#include "KoUtils.h"

#include "Product.h"
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

namespace {
// The length of the UTF-8 character at p (1..4), or 0 when the bytes there are not one
// (overlong forms, surrogates and values beyond U+10FFFF are not).
int Utf8Length(const unsigned char* p, const unsigned char* end) {
    unsigned char b = p[0];
    int n;
    char32_t c;
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        c = b & 0x07;
    } else {
        return 0;
    }
    if (end - p < n)
        return 0;
    for (int i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    if ((n == 3 && c < 0x800) || (n == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
        (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return n;
}

// Whether name[i] stands for a byte that is no UTF-8: U+DC80..U+DCFF, but not as the second
// half of a character beyond U+FFFF (U+1F480 is U+D83D U+DC80).
bool IsEscapedByte(const QString& name, qsizetype i) {
    const char16_t c = name[i].unicode();
    return c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && name[i - 1].isHighSurrogate());
}
} // namespace

QString DecodeFileName(const QByteArray& name) {
    const auto* p = reinterpret_cast<const unsigned char*>(name.constData());
    const auto* end = p + name.size();
    QString out;
    out.reserve(name.size());
    while (p < end) {
        const auto* run = p;
        int n;
        while (p < end && (n = Utf8Length(p, end)) > 0)
            p += n;
        out += QString::fromUtf8(reinterpret_cast<const char*>(run), p - run);
        if (p < end)
            out += QChar(char16_t(0xDC00 + *p++));
    }
    return out;
}

QByteArray EncodeFileName(const QString& name) {
    QByteArray out;
    out.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsEscapedByte(name, i))
            continue;
        out += QStringView(name).mid(start, i - start).toUtf8();
        out += char(name[i].unicode() - 0xDC00);
        start = i + 1;
    }
    out += QStringView(name).mid(start).toUtf8();
    return out;
}

bool IsPlainFileName(const QString& name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (IsEscapedByte(name, i))
            return false;
    return true;
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
