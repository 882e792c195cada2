#include "Importer.h"

#include "Readers.h"
#include "Zip.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>

#include <new>

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
        throw EImportError(
            QStringLiteral("%1 is named as a %2 file, but it holds something "
                           "else (%3).")
                .arg(Quoted(path), named->Name(),
                     data.isEmpty() ? QStringLiteral("it is empty") : type.comment()));
    }
    return named;
}

bool IsImported(const QString& path) {
    if (BySuffix(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(8);
    return head.startsWith("%PDF-") || head.startsWith("{\\rtf") || IsZip(head);
}

TImportedDocument Import(const QString& path) {
    const QString name = Quoted(path);
    auto fail = [&](const QString& why) {
        return EImportError(QStringLiteral("%1 cannot be opened. %2").arg(name, why));
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fail(file.errorString() + u'.');
    if (!QFileInfo(path).isFile())
        throw fail(QStringLiteral("It is not a regular file."));
    const qint64 size = file.size();
    if (size > MaxImportFileSize)
        throw fail(QStringLiteral("It is %1, and documents larger than %2 are not opened.")
                       .arg(SizeText(size), SizeText(MaxImportFileSize)));
    try {
        const QByteArray data = file.readAll();
        if (data.size() != size)
            throw fail(QStringLiteral("It could not be read whole: %1.").arg(file.errorString()));
        file.close();
        const TReader* reader = ReaderFor(path, data);
        if (!reader) {
            const QMimeType type = QMimeDatabase().mimeTypeForData(data);
            throw EImportError(QStringLiteral("%1 is no document this program reads (it holds %2).")
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
        throw fail(QStringLiteral("There is not enough memory for it."));
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
