// SPDX-License-Identifier: GPL-3.0-or-later
// FictionBook 2 (.fb2), the XML e-book format common for Russian and other books: the bodies in
// order, section titles as chapters (nested sections one level deeper), poems line by line.
// Embedded images and note markers in the text are not read; the notes themselves stay where
// the book keeps them, in its notes body at the end. Title and author come from the title-info.
#include "Readers.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace documents {

namespace {

// The document as the messages name it.
QString Kind() {
    //: the subject of the messages about a document that cannot be read
    return QCoreApplication::translate("Fb2Reader", "The FictionBook");
}

class TFb2Reader : public TReader {
public:
    QString Name() const override { return QStringLiteral("FictionBook"); }
    QStringList Suffixes() const override { return {QStringLiteral("fb2")}; }
    QStringList MimeTypes() const override {
        return {QStringLiteral("application/x-fictionbook+xml")};
    }
    bool Recognizes(const QByteArray& data) const override {
        const QByteArray head = data.left(1024);
        return head.contains("<FictionBook") &&
               (head.trimmed().startsWith("<?xml") || head.trimmed().startsWith("<FictionBook") ||
                head.startsWith("\xEF\xBB\xBF"));
    }

    TImportedDocument Read(const QByteArray& data) const override {
        TImportedDocument doc;
        doc.Format = Name();
        TTextBuilder out;
        QXmlStreamReader xml(data);
        int sections = 0; // depth of nested sections
        int skip = 0;
        bool inTitleInfo = false, inAuthor = false, inBody = false, inTitle = false;
        QStringList authorParts;
        bool sawRoot = false;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            const QStringView name = xml.name();
            if (token == QXmlStreamReader::StartElement) {
                if (!sawRoot) {
                    sawRoot = true;
                    if (name != QLatin1String("FictionBook"))
                        break;
                }
                if (skip > 0) {
                    ++skip;
                    continue;
                }
                if (name == QLatin1String("binary") || name == QLatin1String("image") ||
                    (name == QLatin1String("a") &&
                     xml.attributes().value(QLatin1String("type")) == QLatin1String("note"))) {
                    skip = 1;
                } else if (name == QLatin1String("title-info")) {
                    inTitleInfo = true;
                } else if (inTitleInfo && name == QLatin1String("book-title")) {
                    doc.Title =
                        xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                } else if (inTitleInfo && name == QLatin1String("author") && doc.Author.isEmpty()) {
                    inAuthor = true;
                    authorParts.clear();
                } else if (inAuthor && (name == QLatin1String("first-name") ||
                                        name == QLatin1String("middle-name") ||
                                        name == QLatin1String("last-name") ||
                                        name == QLatin1String("nickname"))) {
                    const QString part = xml.readElementText().simplified();
                    if (!part.isEmpty() &&
                        (name != QLatin1String("nickname") || authorParts.isEmpty()))
                        authorParts << part;
                } else if (name == QLatin1String("description")) {
                    // metadata only; its texts are taken above
                } else if (name == QLatin1String("body")) {
                    inBody = true;
                    out.EndParagraph();
                } else if (!inBody) {
                    continue;
                } else if (name == QLatin1String("section")) {
                    ++sections;
                    out.EndParagraph();
                } else if (name == QLatin1String("title")) {
                    inTitle = true;
                    out.BeginHeading(std::max(1, sections));
                } else if (name == QLatin1String("p") || name == QLatin1String("v") ||
                           name == QLatin1String("subtitle") ||
                           name == QLatin1String("text-author") ||
                           name == QLatin1String("empty-line") || name == QLatin1String("stanza") ||
                           name == QLatin1String("epigraph") || name == QLatin1String("cite") ||
                           name == QLatin1String("poem") || name == QLatin1String("td") ||
                           name == QLatin1String("th")) {
                    if (inTitle)
                        out.Append(u" ");
                    else if (name == QLatin1String("v"))
                        out.LineBreak();
                    else
                        out.EndParagraph();
                }
            } else if (token == QXmlStreamReader::EndElement) {
                if (skip > 0) {
                    --skip;
                    continue;
                }
                if (name == QLatin1String("title-info")) {
                    inTitleInfo = false;
                } else if (name == QLatin1String("author") && inAuthor) {
                    inAuthor = false;
                    doc.Author = authorParts.join(u' ');
                } else if (name == QLatin1String("body")) {
                    inBody = false;
                    out.EndParagraph();
                } else if (name == QLatin1String("section")) {
                    sections = std::max(0, sections - 1);
                    out.EndParagraph();
                } else if (name == QLatin1String("title") && inTitle) {
                    inTitle = false;
                    out.EndHeading();
                } else if (!inTitle &&
                           (name == QLatin1String("p") || name == QLatin1String("stanza") ||
                            name == QLatin1String("subtitle") ||
                            name == QLatin1String("text-author") ||
                            name == QLatin1String("poem"))) {
                    out.EndParagraph();
                }
            } else if (token == QXmlStreamReader::Characters && skip == 0 && inBody) {
                out.Append(xml.text());
            }
        }
        if (!sawRoot || xml.hasError())
            //: %1 is the document ("The FictionBook"), %2 what is wrong with it
            throw EImportError(
                QCoreApplication::translate("TFb2Reader",
                                            "%1 cannot be read: it is damaged or no FictionBook "
                                            "(%2).")
                    .arg(Kind(), xml.hasError()
                                     ? xml.errorString()
                                     : QCoreApplication::translate("TFb2Reader", "no book in it")));
        out.Finish(doc);
        return doc;
    }
};

} // namespace

const TReader& Fb2Reader() {
    static const TFb2Reader reader;
    return reader;
}

} // namespace documents
