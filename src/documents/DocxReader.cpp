// SPDX-License-Identifier: GPL-3.0-or-later
// Office Open XML text (.docx, Word's format): paragraphs, headings (by their paragraph style or
// outline level) and list items in order; a footnote or endnote follows the paragraph that
// cites it. Tables of contents, comments, deleted text of tracked changes, field codes and the
// fallback copies of drawings are not read. Title and author come from the core properties.
#include "Readers.h"

#include "Zip.h"

#include <QCoreApplication>
#include <QHash>
#include <QXmlStreamReader>

namespace documents {

namespace {

// The document as the messages name it.
QString Kind() {
    //: the subject of the messages about a document that cannot be read
    return QCoreApplication::translate("DocxReader", "The Word document");
}

QString Val(const QXmlStreamReader& xml) {
    return xml.attributes().value(QLatin1String("w:val")).toString();
}

// Paragraph style identifier -> heading level (0: no heading), from the styles' names
// ("heading 1") or outline levels, through the styles they are based on.
QHash<QString, int> HeadingStyles(const QByteArray& styles) {
    QHash<QString, int> levels;
    QHash<QString, QString> basedOn;
    QXmlStreamReader xml(styles);
    QString id;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.qualifiedName();
        if (name == QLatin1String("w:style")) {
            id = xml.attributes().value(QLatin1String("w:styleId")).toString();
        } else if (name == QLatin1String("w:name") && !id.isEmpty()) {
            const QString n = Val(xml).toLower();
            if (n.startsWith(QLatin1String("heading ")))
                levels.insert(id, std::clamp(n.mid(8).toInt(), 1, 9));
        } else if (name == QLatin1String("w:outlineLvl") && !id.isEmpty()) {
            const int level = Val(xml).toInt() + 1;
            if (level >= 1 && level <= 9)
                levels.insert(id, level);
        } else if (name == QLatin1String("w:basedOn") && !id.isEmpty()) {
            basedOn.insert(id, Val(xml));
        }
    }
    for (auto it = basedOn.cbegin(); it != basedOn.cend(); ++it) {
        QString base = it.value();
        for (int depth = 0; depth < 10 && !levels.contains(it.key()) && !base.isEmpty(); ++depth) {
            if (levels.contains(base))
                levels.insert(it.key(), levels.value(base));
            base = basedOn.value(base);
        }
    }
    return levels;
}

// Note identifier -> its text, one paragraph.
QHash<QString, QString> Notes(const QByteArray& part, QLatin1String element) {
    QHash<QString, QString> notes;
    QXmlStreamReader xml(part);
    QString id, text;
    bool skip = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.qualifiedName() == element) {
                id = xml.attributes().value(QLatin1String("w:id")).toString();
                const auto type = xml.attributes().value(QLatin1String("w:type"));
                skip = type == QLatin1String("separator") ||
                       type == QLatin1String("continuationSeparator") ||
                       type == QLatin1String("continuationNotice");
                text.clear();
            } else if (xml.qualifiedName() == QLatin1String("w:tab") ||
                       xml.qualifiedName() == QLatin1String("w:p")) {
                text += u' ';
            }
        } else if (token == QXmlStreamReader::EndElement && xml.qualifiedName() == element) {
            if (!skip)
                notes.insert(id, text.simplified());
        } else if (token == QXmlStreamReader::Characters) {
            // Only the text of runs (w:t); field codes are in w:instrText, deletions in
            // w:delText, and neither is read.
            text += xml.text();
        }
    }
    return notes;
}

void ReadCore(const QByteArray& core, TImportedDocument& doc) {
    QXmlStreamReader xml(core);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.qualifiedName() == QLatin1String("dc:title") && doc.Title.isEmpty())
            doc.Title = xml.readElementText().simplified();
        else if (xml.qualifiedName() == QLatin1String("dc:creator") && doc.Author.isEmpty())
            doc.Author = xml.readElementText().simplified();
    }
}

bool Unread(QStringView name) {
    static const QStringList names = {"w:delText",          "w:instrText", "mc:Fallback",
                                      "w:commentReference", "w:rPr",       "w:pPr",
                                      "w:sectPr",           "wp:docPr",    "w:del"};
    return names.contains(name);
}

class TDocxReader : public TReader {
public:
    QString Name() const override { return QStringLiteral("Word"); }
    QStringList Suffixes() const override { return {QStringLiteral("docx")}; }
    QStringList MimeTypes() const override {
        return {QStringLiteral(
            "application/vnd.openxmlformats-officedocument.wordprocessingml.document")};
    }
    bool Recognizes(const QByteArray& data) const override {
        if (!IsZip(data) || !ZipMimetype(data).isEmpty())
            return false;
        try {
            TZip zip(data, Kind());
            return zip.Has(QStringLiteral("word/document.xml"));
        } catch (const EImportError&) {
            return false;
        }
    }

    TImportedDocument Read(const QByteArray& data) const override {
        TZip zip(data, Kind());
        if (zip.Has(QStringLiteral("EncryptionInfo")))
            throw EImportError(
                QCoreApplication::translate("TDocxReader", "%1 is protected by a password.")
                    .arg(Kind()));
        TImportedDocument doc;
        doc.Format = Name();
        ReadCore(zip.Read(QStringLiteral("docProps/core.xml"), true), doc);
        const QHash<QString, int> headings =
            HeadingStyles(zip.Read(QStringLiteral("word/styles.xml"), true));
        const QHash<QString, QString> footnotes = Notes(
            zip.Read(QStringLiteral("word/footnotes.xml"), true), QLatin1String("w:footnote"));
        const QHash<QString, QString> endnotes =
            Notes(zip.Read(QStringLiteral("word/endnotes.xml"), true), QLatin1String("w:endnote"));

        TTextBuilder out;
        QXmlStreamReader xml(zip.Read(QStringLiteral("word/document.xml")));
        int skip = 0;
        int tocDepth = 0;  // inside a table of contents' content control
        int paraLevel = 0; // the open paragraph's heading level
        bool inPPr = false;
        bool inTocField = false;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            const QStringView name = xml.qualifiedName();
            if (token == QXmlStreamReader::StartElement) {
                if (skip > 0) {
                    ++skip;
                    continue;
                }
                if (name == QLatin1String("w:pPr")) {
                    inPPr = true;
                    continue;
                }
                if (inPPr) {
                    // The paragraph's properties: only its style and outline level matter.
                    if (name == QLatin1String("w:pStyle")) {
                        const QString style = Val(xml);
                        paraLevel = headings.value(style);
                        inTocField = style.startsWith(QLatin1String("TOC"), Qt::CaseInsensitive);
                    } else if (name == QLatin1String("w:outlineLvl")) {
                        const int level = Val(xml).toInt() + 1;
                        if (level >= 1 && level <= 9)
                            paraLevel = level;
                    }
                    continue;
                }
                if (Unread(name)) {
                    ++skip;
                    continue;
                }
                if (name == QLatin1String("w:p")) {
                    out.EndParagraph();
                    paraLevel = 0;
                    inTocField = false;
                } else if (name == QLatin1String("w:r") && paraLevel > 0 && !out.InHeading() &&
                           tocDepth == 0 && !inTocField) {
                    out.BeginHeading(paraLevel);
                } else if (name == QLatin1String("w:docPartGallery") &&
                           Val(xml).contains(QLatin1String("Table of Contents"))) {
                    tocDepth = 1;
                } else if (name == QLatin1String("w:tab") || name == QLatin1String("w:tc")) {
                    out.Append(u" ");
                } else if (name == QLatin1String("w:br") || name == QLatin1String("w:cr")) {
                    out.LineBreak();
                } else if (name == QLatin1String("w:noBreakHyphen")) {
                    out.Append(u"-");
                } else if (name == QLatin1String("w:footnoteReference") ||
                           name == QLatin1String("w:endnoteReference")) {
                    const QString id = xml.attributes().value(QLatin1String("w:id")).toString();
                    const QString note = name == QLatin1String("w:footnoteReference")
                                             ? footnotes.value(id)
                                             : endnotes.value(id);
                    if (!note.isEmpty()) {
                        out.BeginNote();
                        out.Append(note);
                        out.EndNote();
                    }
                }
            } else if (token == QXmlStreamReader::EndElement) {
                if (skip > 0) {
                    --skip;
                    continue;
                }
                if (name == QLatin1String("w:pPr")) {
                    inPPr = false;
                } else if (name == QLatin1String("w:p")) {
                    if (out.InHeading())
                        out.EndHeading();
                    else
                        out.EndParagraph();
                    paraLevel = 0;
                } else if (name == QLatin1String("w:sdt") && tocDepth > 0) {
                    tocDepth = 0;
                }
            } else if (token == QXmlStreamReader::Characters && skip == 0 && !inPPr &&
                       tocDepth == 0 && !inTocField) {
                out.Append(xml.text());
            }
        }
        if (xml.hasError())
            throw EImportError(QCoreApplication::translate(
                                   "TDocxReader", "%1 cannot be read: its content is damaged (%2).")
                                   .arg(Kind(), xml.errorString()));
        out.Finish(doc);
        return doc;
    }
};

} // namespace

const TReader& DocxReader() {
    static const TDocxReader reader;
    return reader;
}

} // namespace documents
