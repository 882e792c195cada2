// SPDX-License-Identifier: GPL-3.0-or-later
// EPUB 2 and 3: the package's spine gives the reading order of its XHTML documents; the
// navigation document and the old table of contents (NCX) are not read, so no table of
// contents is read twice. Title and author come from the package's metadata.
#include "Readers.h"

#include "Markup.h"
#include "Zip.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <QXmlStreamReader>

namespace documents {

namespace {

// The document as the messages name it.
QString Kind() {
    //: the subject of the messages about a document that cannot be read
    return QCoreApplication::translate("EpubReader", "The EPUB book");
}

struct TItem {
    QString Href, MediaType, Properties;
};

// Where a reference inside the archive leads, from the folder of the file that makes it.
QString Resolve(const QString& folder, const QString& href) {
    QString path = QUrl::fromPercentEncoding(href.section(u'#', 0, 0).toUtf8());
    if (!folder.isEmpty())
        path = folder + u'/' + path;
    path = QDir::cleanPath(path);
    while (path.startsWith(QLatin1String("../")))
        path.remove(0, 3);
    return path;
}

QString RootFile(const QByteArray& container) {
    QXmlStreamReader xml(container);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("rootfile")) {
            const QString type = xml.attributes().value(QLatin1String("media-type")).toString();
            if (type.isEmpty() || type == QLatin1String("application/oebps-package+xml"))
                return xml.attributes().value(QLatin1String("full-path")).toString();
        }
    }
    return {};
}

// Fonts may be obfuscated by rules every reader knows; anything else encrypted is a lock.
void CheckEncryption(TZip& zip) {
    QByteArray encryption = zip.Read(QStringLiteral("META-INF/encryption.xml"), true);
    const bool rights = zip.Has(QStringLiteral("META-INF/rights.xml"));
    if (encryption.isEmpty() && !rights)
        return;
    QXmlStreamReader xml(encryption);
    QString algorithm;
    bool locked = false;
    while (!xml.atEnd() && !locked) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("EncryptionMethod"))
            algorithm = xml.attributes().value(QLatin1String("Algorithm")).toString();
        else if (xml.name() == QLatin1String("CipherReference"))
            locked = algorithm != QLatin1String("http://www.idpf.org/2008/embedding") &&
                     algorithm != QLatin1String("http://ns.adobe.com/pdf/enc#RC");
    }
    if (locked || (rights && !encryption.isEmpty() && xml.hasError()))
        throw EImportError(
            QCoreApplication::translate("EpubReader",
                                        "%1 is protected by encryption (copy protection): only "
                                        "the program it was bought for can open it.")
                .arg(Kind()));
}

class TEpubReader : public TReader {
public:
    QString Name() const override { return QStringLiteral("EPUB"); }
    QStringList Suffixes() const override { return {QStringLiteral("epub")}; }
    QStringList MimeTypes() const override { return {QStringLiteral("application/epub+zip")}; }

    bool Recognizes(const QByteArray& data) const override {
        return ZipMimetype(data) == "application/epub+zip";
    }

    TImportedDocument Read(const QByteArray& data) const override {
        TZip zip(data, Kind());
        CheckEncryption(zip);
        const QString opfPath = RootFile(zip.Read(QStringLiteral("META-INF/container.xml")));
        if (opfPath.isEmpty())
            throw EImportError(
                QCoreApplication::translate(
                    "TEpubReader", "%1 cannot be read: it does not say where its contents are.")
                    .arg(Kind()));
        const QByteArray opf = zip.Read(opfPath);
        const QString folder =
            QFileInfo(opfPath).path() == QLatin1String(".") ? QString() : QFileInfo(opfPath).path();

        TImportedDocument book;
        book.Format = Name();
        QHash<QString, TItem> manifest;
        QStringList spine;
        QXmlStreamReader xml(opf);
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            const auto a = xml.attributes();
            if (xml.name() == QLatin1String("title") && book.Title.isEmpty())
                book.Title =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
            else if (xml.name() == QLatin1String("creator") && book.Author.isEmpty())
                book.Author =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
            else if (xml.name() == QLatin1String("item"))
                manifest.insert(a.value(QLatin1String("id")).toString(),
                                {a.value(QLatin1String("href")).toString(),
                                 a.value(QLatin1String("media-type")).toString(),
                                 a.value(QLatin1String("properties")).toString()});
            else if (xml.name() == QLatin1String("itemref") &&
                     a.value(QLatin1String("linear")) != QLatin1String("no"))
                spine << a.value(QLatin1String("idref")).toString();
        }
        if (xml.hasError() && spine.isEmpty())
            throw EImportError(
                QCoreApplication::translate(
                    "TEpubReader", "%1 cannot be read: its list of contents is damaged (%2).")
                    .arg(Kind(), xml.errorString()));

        TTextBuilder text;
        for (const QString& id : std::as_const(spine)) {
            const TItem item = manifest.value(id);
            const bool page = item.MediaType == QLatin1String("application/xhtml+xml") ||
                              item.MediaType == QLatin1String("text/html");
            if (!page || item.Properties.split(u' ').contains(QLatin1String("nav")))
                continue;
            const QString path = Resolve(folder, item.Href);
            const QByteArray content = zip.Read(path, true);
            if (content.isEmpty())
                continue; // a missing page loses that page, not the book
            TImportedDocument part = MarkupDocument(content, true);
            text.AppendDocument(part);
        }
        text.Finish(book);
        if (book.Text.isEmpty())
            throw EImportError(QCoreApplication::translate(
                                   "TEpubReader", "%1 holds no text to read (only images, or "
                                                  "nothing at all).")
                                   .arg(Kind()));
        return book;
    }
};

} // namespace

const TReader& EpubReader() {
    static const TEpubReader reader;
    return reader;
}

} // namespace documents
