// SPDX-License-Identifier: GPL-3.0-or-later
// OpenDocument text (.odt, LibreOffice's own format): paragraphs, headings (with their outline
// level) and list items in order; a footnote or endnote follows the paragraph that cites it.
// Tables of contents and indexes, comments and the deleted text of tracked changes are not
// read. Title and author come from the document's metadata.
#include "Readers.h"

#include "Zip.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace documents {

namespace {

// The document as the messages name it.
QString Kind() {
    //: the subject of the messages about a document that cannot be read
    return QCoreApplication::translate("OdtReader", "The OpenDocument text");
}

void ReadMeta(const QByteArray& meta, TImportedDocument& doc) {
    QXmlStreamReader xml(meta);
    QString initial;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.qualifiedName() == QLatin1String("dc:title") && doc.Title.isEmpty())
            doc.Title = xml.readElementText().simplified();
        else if (xml.qualifiedName() == QLatin1String("dc:creator") && doc.Author.isEmpty())
            doc.Author = xml.readElementText().simplified();
        else if (xml.qualifiedName() == QLatin1String("meta:initial-creator"))
            initial = xml.readElementText().simplified();
    }
    if (doc.Author.isEmpty())
        doc.Author = initial;
}

bool Unread(QStringView name) {
    static const QStringList names = {"text:table-of-content",
                                      "text:alphabetical-index",
                                      "text:illustration-index",
                                      "text:table-index",
                                      "text:object-index",
                                      "text:user-index",
                                      "text:bibliography",
                                      "office:annotation",
                                      "text:tracked-changes",
                                      "text:note-citation",
                                      "svg:title",
                                      "svg:desc",
                                      "text:sequence-decls",
                                      "office:forms",
                                      "draw:object",
                                      "office:annotation-end",
                                      "text:variable-decls",
                                      "text:user-field-decls"};
    return names.contains(name);
}

class TOdtReader : public TReader {
public:
    QString Name() const override { return QStringLiteral("OpenDocument"); }
    QStringList Suffixes() const override { return {QStringLiteral("odt")}; }
    QStringList MimeTypes() const override {
        return {QStringLiteral("application/vnd.oasis.opendocument.text")};
    }
    bool Recognizes(const QByteArray& data) const override {
        return ZipMimetype(data) == "application/vnd.oasis.opendocument.text";
    }

    TImportedDocument Read(const QByteArray& data) const override {
        TZip zip(data, Kind());
        if (zip.Has(QStringLiteral("META-INF/manifest.xml")) &&
            zip.Read(QStringLiteral("META-INF/manifest.xml")).contains("encryption-data"))
            throw EImportError(QCoreApplication::translate(
                                   "TOdtReader",
                                   "%1 is protected by a password; save it without one in the "
                                   "program that made it.")
                                   .arg(Kind()));
        TImportedDocument doc;
        doc.Format = Name();
        ReadMeta(zip.Read(QStringLiteral("meta.xml"), true), doc);

        TTextBuilder out;
        QXmlStreamReader xml(zip.Read(QStringLiteral("content.xml")));
        int skip = 0;
        bool inBody = false;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                const QStringView name = xml.qualifiedName();
                if (skip > 0 || Unread(name)) {
                    ++skip;
                    continue;
                }
                if (name == QLatin1String("office:text"))
                    inBody = true;
                else if (name == QLatin1String("text:h"))
                    out.BeginHeading(
                        xml.attributes().value(QLatin1String("text:outline-level")).toInt());
                else if (name == QLatin1String("text:p"))
                    out.EndParagraph();
                else if (name == QLatin1String("text:note-body"))
                    out.BeginNote();
                else if (name == QLatin1String("text:s") || name == QLatin1String("text:tab"))
                    out.Append(u" ");
                else if (name == QLatin1String("text:line-break"))
                    out.LineBreak();
                else if (name == QLatin1String("table:table-cell"))
                    out.Append(u" ");
            } else if (token == QXmlStreamReader::EndElement) {
                if (skip > 0) {
                    --skip;
                    continue;
                }
                const QStringView name = xml.qualifiedName();
                if (name == QLatin1String("text:h"))
                    out.EndHeading();
                else if (name == QLatin1String("text:p"))
                    out.EndParagraph();
                else if (name == QLatin1String("text:note-body"))
                    out.EndNote();
                else if (name == QLatin1String("office:text"))
                    inBody = false;
            } else if (token == QXmlStreamReader::Characters && skip == 0 && inBody) {
                out.Append(xml.text());
            }
        }
        if (xml.hasError())
            throw EImportError(QCoreApplication::translate(
                                   "TOdtReader", "%1 cannot be read: its content is damaged (%2).")
                                   .arg(Kind(), xml.errorString()));
        out.Finish(doc);
        return doc;
    }
};

} // namespace

const TReader& OdtReader() {
    static const TOdtReader reader;
    return reader;
}

} // namespace documents
