// SPDX-License-Identifier: GPL-3.0-or-later
#include "Importer.h"

#include "Readers.h"
#include "Zip.h"

#include "KoUtils.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace documents {

const std::vector<const TReader*>& Readers() {
    static const std::vector<const TReader*> readers = {
        &EpubReader(), &PdfReader(),  &OdtReader(), &DocxReader(),
        &Fb2Reader(),  &HtmlReader(), &RtfReader(), &MarkdownReader()};
    return readers;
}

namespace {

QString Suffix(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

const TReader* BySuffix(const QString& path) {
    const QString suffix = Suffix(path);
    for (const TReader* r : Readers())
        if (r->Suffixes().contains(suffix))
            return r;
    return nullptr;
}

// Formats whose name can be trusted only when the content agrees.
bool ContentTells(const TReader* r) {
    return r != &MarkdownReader() && r != &HtmlReader();
}

QString SizeText(qint64 bytes) {
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString Quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName());
}

} // namespace

const TReader* ReaderFor(const QString& path, const QByteArray& data) {
    for (const TReader* r : Readers())
        if (r->Recognizes(data))
            return r;
    const TReader* named = BySuffix(path);
    if (named && ContentTells(named)) {
        const QMimeType type = QMimeDatabase().mimeTypeForData(data);
        //: %1 is the file's name and must come first; %2 the format (EPUB, PDF, ...), %3 what
        //: the file holds
        throw EImportError(
            QCoreApplication::translate("Importer",
                                        "%1 is named as a %2 file, but it holds something "
                                        "else (%3).")
                .arg(Quoted(path), named->Name(),
                     //: in place of the kind of content a file holds
                     data.isEmpty() ? QCoreApplication::translate("Importer", "it is empty")
                                    : type.comment()));
    }
    return named;
}

namespace {
// Opens a regular file only: a pipe or a device is never waited on or read for ever. Names keep
// every byte (KoUtils::DecodeFileName). -1 with errno set otherwise.
int OpenRegular(const QString& path) {
    const int fd =
        ::open(KoUtils::EncodeFileName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}
} // namespace

bool IsImported(const QString& path) {
    if (BySuffix(path))
        return true;
    const int fd = OpenRegular(path);
    if (fd < 0)
        return false;
    char head[8] = {};
    const ssize_t n = ::read(fd, head, sizeof head);
    ::close(fd);
    const QByteArray bytes(head, n > 0 ? qsizetype(n) : 0);
    return bytes.startsWith("%PDF-") || bytes.startsWith("{\\rtf") || IsZip(bytes);
}

TImportedDocument Import(const QString& path) {
    const QString name = Quoted(path);
    auto fail = [&](const QString& why) {
        //: %1 is the file's name and must come first, %2 why it cannot be opened
        return EImportError(
            QCoreApplication::translate("Importer", "%1 cannot be opened. %2").arg(name, why));
    };
    const int fd = OpenRegular(path);
    if (fd < 0)
        throw fail(errno == EINVAL
                       ? QCoreApplication::translate("Importer", "It is not a regular file.")
                       : QString::fromLocal8Bit(std::strerror(errno)) + u'.');
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw fail(file.errorString() + u'.');
    }
    const qint64 size = file.size();
    if (size > MaxImportFileSize)
        //: %1 and %2 are sizes ("300.5 MB")
        throw fail(QCoreApplication::translate(
                       "Importer", "It is %1, and documents larger than %2 are not opened.")
                       .arg(SizeText(size), SizeText(MaxImportFileSize)));
    try {
        const QByteArray data = file.readAll();
        if (data.size() != size)
            throw fail(QCoreApplication::translate("Importer", "It could not be read whole: %1.")
                           .arg(file.errorString()));
        file.close();
        const TReader* reader = ReaderFor(path, data);
        if (!reader) {
            const QMimeType type = QMimeDatabase().mimeTypeForData(data);
            //: %1 is the file's name and must come first, %2 the kind of content it holds
            throw EImportError(
                QCoreApplication::translate("Importer",
                                            "%1 is no document this program reads (it holds %2).")
                    .arg(name, type.comment()));
        }
        TImportedDocument doc = reader->Read(data);
        doc.Format = reader->Name();
        return doc;
    } catch (const EImportError& e) {
        if (e.Message().startsWith(name))
            throw;
        throw fail(e.Message());
    } catch (const std::bad_alloc&) {
        throw fail(QCoreApplication::translate("Importer", "There is not enough memory for it."));
    }
}

QStringList MimeTypes() {
    QStringList types;
    for (const TReader* r : Readers())
        types << r->MimeTypes();
    return types;
}

QStringList NamePatterns() {
    QStringList patterns;
    for (const TReader* r : Readers())
        for (const QString& s : r->Suffixes())
            patterns << QStringLiteral("*.") + s;
    return patterns;
}

} // namespace documents
