// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes map to the C1 controls of the same
// value, as Windows itself maps them, so every byte survives a round trip.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// An empty temporary file this young may belong to a save that has not locked it yet.
constexpr qint64 StaleEmptyAfterSeconds = 5;

bool IsHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void ThrowWrite(const QString& path, int error) {
    throw EFileError(QCoreApplication::translate("TextFile", "Cannot write \"%1\": %2")
                         .arg(path, SystemError(error)));
}

bool WriteAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, std::size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

QString DecodeText(QByteArrayView bytes, TextEncoding* used, bool utf16) {
    // The mark is dropped here, once; a U+FEFF after it is text, which Qt's decoders would
    // otherwise drop as a second mark.
    constexpr auto KeepFeff =
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    TextEncoding enc = TextEncoding::Utf8;
    if (utf16 && (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))) {
        enc = bytes.startsWith("\xFF\xFE") ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
        QStringDecoder utf16(enc == TextEncoding::Utf16LE ? QStringDecoder::Utf16LE
                                                          : QStringDecoder::Utf16BE,
                             KeepFeff);
        if (used)
            *used = enc;
        // A last byte without its pair is a damaged character (the decoder would drop a lone
        // one after the mark, and mark any other).
        const QByteArrayView units = bytes.sliced(2);
        QString text = utf16.decode(units.first(units.size() & ~qsizetype(1)));
        if (units.size() % 2)
            text += QChar(QChar::ReplacementCharacter);
        return text;
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
        enc = TextEncoding::Utf8Bom;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, KeepFeff);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (used)
            *used = enc;
        return text;
    }
    if (used)
        *used = TextEncoding::Windows1252;
    return DecodeWindows1252(bytes);
}

QString DecodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = b >= 0x80 && b < 0xA0 ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray EncodeText(const QString& text, TextEncoding preferred, TextEncoding* written) {
    if (written)
        *written = preferred;
    if (preferred == TextEncoding::Utf8Bom)
        return "\xEF\xBB\xBF" + text.toUtf8();
    if (preferred == TextEncoding::Utf16LE || preferred == TextEncoding::Utf16BE) {
        QStringEncoder utf16(preferred == TextEncoding::Utf16LE ? QStringEncoder::Utf16LE
                                                                : QStringEncoder::Utf16BE,
                             QStringEncoder::Flag::WriteBom);
        return utf16.encode(text);
    }
    if (preferred == TextEncoding::Windows1252) {
        QByteArray out(text.size(), Qt::Uninitialized);
        bool ok = true;
        for (qsizetype i = 0; i < text.size() && ok; ++i) {
            char16_t c = text[i].unicode();
            if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
                out[i] = char(c);
                continue;
            }
            ok = false;
            for (int k = 0; k < 32; ++k) {
                if (Cp1252High[k] == c) {
                    out[i] = char(0x80 + k);
                    ok = true;
                    break;
                }
            }
        }
        // The bytes must read back as this very text: bytes that happen to be valid UTF-8
        // would be taken for UTF-8, a text beginning with "\u00EF\u00BB\u00BF" (EF BB BF)
        // would lose it to the reader as a byte-order mark, and one beginning with
        // "\u00FF\u00FE" or "\u00FE\u00FF" would be read as UTF-16 by the document reader.
        if (ok) {
            TextEncoding readAs;
            if (DecodeText(out, &readAs, true) == text && readAs == TextEncoding::Windows1252)
                return out;
        }
    }
    if (written)
        *written = TextEncoding::Utf8;
    // A text that itself begins with U+FEFF would lose it to the reader, which takes the
    // first one for a byte-order mark: give it a mark of its own.
    if (text.startsWith(QChar(0xFEFF)))
        return "\xEF\xBB\xBF" + text.toUtf8();
    return text.toUtf8();
}

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxSize) {
    QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    auto fail = [&](const QString& why) -> EFileError {
        return EFileError(
            QCoreApplication::translate("TextFile", "Cannot read \"%1\": %2").arg(path, why));
    };
    if (info.isDir())
        throw fail(SystemError(EISDIR));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fail(file.errorString());
    QByteArray data;
    char buffer[65536];
    for (;;) {
        qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0)
            throw fail(file.errorString());
        if (n == 0)
            break;
        if (data.size() + n > maxSize)
            throw fail(QCoreApplication::translate("TextFile", "the file is larger than %1 bytes")
                           .arg(maxSize));
        data.append(buffer, n);
    }
    return data;
}

void RemoveStaleTemporaries(const QString& path) {
    QString target = path;
    QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        target = info.canonicalFilePath();
    const QFileInfo targetInfo(target);
    const QString dir = targetInfo.absolutePath();
    const QString prefix = QLatin1Char('.') + targetInfo.fileName() + QLatin1Char('.');
    const QStringList names = QDir(dir).entryList({prefix + QLatin1String("????????.tmp")},
                                                  QDir::Files | QDir::Hidden | QDir::System);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString& name : names) {
        const QStringView digits = QStringView(name).sliced(prefix.size(), 8);
        if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return IsHexDigit(c); }))
            continue; // not a name this program makes
        const QByteArray full = QFile::encodeName(dir + QLatin1Char('/') + name);
        const int fd = ::open(full.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st {};
        // A save holds its file locked; only an empty one, made an instant ago, may not have
        // taken the lock yet.
        const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
        const bool young =
            st.st_size == 0 && now.toSecsSinceEpoch() - st.st_mtime < StaleEmptyAfterSeconds;
        if (regular && !young && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(full.constData());
        ::close(fd);
    }
}

void WriteFileAtomically(const QString& path, QByteArrayView data, TReadOnly readOnly,
                         const std::function<void(const QString& tempPath)>& beforeReplace) {
    // Replace what a link points to, not the link.
    QString target = path;
    QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        target = info.canonicalFilePath();
    const QByteArray targetName = QFile::encodeName(target);

    struct stat old {};
    bool exists = ::stat(targetName.constData(), &old) == 0;
    mode_t mode = 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            ThrowWrite(path, EISDIR);
        mode = old.st_mode & 07777;
        if (readOnly == TReadOnly::Refuse) {
            // The owner's write permission is the file's read-only flag; a user who removed it
            // does not want the file changed, and that holds for root too.
            if (!(mode & S_IWUSR) || ::access(targetName.constData(), W_OK) != 0)
                ThrowWrite(path, EACCES);
        } else {
            mode |= S_IWUSR;
        }
    }

    QFileInfo targetInfo(target);
    const QString dir = targetInfo.absolutePath();
    QString tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath = QStringLiteral("%1/.%2.%3.tmp")
                       .arg(dir, targetInfo.fileName())
                       .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        // 0666 lets the umask decide for a new file, as for any file the user creates.
        fd = ::open(QFile::encodeName(tempPath).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            ThrowWrite(path, errno);
    }
    if (fd < 0)
        ThrowWrite(path, EEXIST);
    const QByteArray tempName = QFile::encodeName(tempPath);
    // The temporary file is held locked until it has replaced the file (a second descriptor
    // keeps the lock once the first is closed), so that no sweep takes it for a leftover.
    ::flock(fd, LOCK_EX);
    const int lock = ::dup(fd);
    auto release = [&] {
        if (lock >= 0)
            ::close(lock);
    };
    auto abandon = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tempName.constData());
        release();
        ThrowWrite(path, error);
    };
    if (exists && ::fchmod(fd, mode) != 0)
        abandon(errno);
    if (!WriteAll(fd, data.data(), data.size()) || ::fsync(fd) != 0)
        abandon(errno);
    int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        abandon(errno);

    if (beforeReplace) {
        try {
            beforeReplace(tempPath);
        } catch (...) {
            ::unlink(tempName.constData());
            release();
            throw;
        }
    }

    if (::rename(tempName.constData(), targetName.constData()) != 0)
        abandon(errno);
    release();
    // Temporary files of saves that a killed process or a power cut cut short hold nothing the
    // file now lacks.
    RemoveStaleTemporaries(target);
    // Make the rename itself durable; a failure here leaves either file whole, so it is not one.
    int dirFd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

} // namespace settings
