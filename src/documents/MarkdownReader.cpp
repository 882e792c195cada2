// SPDX-License-Identifier: GPL-3.0-or-later
// Markdown (CommonMark with GitHub's tables and strike-through), parsed by md4c, the parser Qt
// itself uses for Markdown: the text without its markup, headings as chapters. A metadata block
// at the start (YAML between "---" lines, or pandoc's "% title" lines) gives title and author
// and is not read.
#include "Readers.h"

#include "Encoding.h"
#include "Markup.h"

#include <md4c.h>

#include <QCoreApplication>
#include <QRegularExpression>

#include <libxml/HTMLparser.h>

namespace documents {

namespace {

struct TState {
    TTextBuilder Out;
    int Image = 0; // inside an image's description
    int Quote = 0;
    QByteArray Html; // a block of raw HTML, read as HTML when it ends
    bool InHtml = false;
};

QString Entity(const MD_CHAR* text, MD_SIZE size) {
    const QByteArray e(text, qsizetype(size)); // "&amp;", "&#38;", "&#x26;"
    if (e.startsWith("&#")) {
        bool ok = false;
        const uint code = e.startsWith("&#x") || e.startsWith("&#X")
                              ? e.mid(3, e.size() - 4).toUInt(&ok, 16)
                              : e.mid(2, e.size() - 3).toUInt(&ok, 10);
        if (ok && code > 0 && code < 0x110000) {
            const char32_t c = code;
            return QString::fromUcs4(&c, 1);
        }
        return {};
    }
    const QByteArray name = e.mid(1, e.size() - 2);
    if (const htmlEntityDesc* d =
            htmlEntityLookup(reinterpret_cast<const xmlChar*>(name.constData()))) {
        const char32_t c = d->value;
        return QString::fromUcs4(&c, 1);
    }
    return QString::fromUtf8(e);
}

int EnterBlock(MD_BLOCKTYPE type, void* detail, void* user) {
    auto* s = static_cast<TState*>(user);
    switch (type) {
    case MD_BLOCK_H:
        s->Out.BeginHeading(int(static_cast<MD_BLOCK_H_DETAIL*>(detail)->level));
        break;
    case MD_BLOCK_CODE:
        s->Out.EndParagraph();
        s->Out.SetPreformatted(true);
        break;
    case MD_BLOCK_HTML:
        s->Out.EndParagraph();
        s->InHtml = true;
        s->Html.clear();
        break;
    case MD_BLOCK_TD:
    case MD_BLOCK_TH:
        s->Out.Append(u" ");
        break;
    default:
        s->Out.EndParagraph();
        break;
    }
    return 0;
}

int LeaveBlock(MD_BLOCKTYPE type, void*, void* user) {
    auto* s = static_cast<TState*>(user);
    switch (type) {
    case MD_BLOCK_H:
        s->Out.EndHeading();
        break;
    case MD_BLOCK_CODE:
        s->Out.EndParagraph();
        s->Out.SetPreformatted(false);
        break;
    case MD_BLOCK_HTML: {
        s->InHtml = false;
        TImportedDocument part = MarkupDocument(s->Html, false);
        s->Out.AppendDocument(part);
        break;
    }
    case MD_BLOCK_TD:
    case MD_BLOCK_TH:
        break;
    default:
        s->Out.EndParagraph();
        break;
    }
    return 0;
}

int EnterSpan(MD_SPANTYPE type, void*, void* user) {
    if (type == MD_SPAN_IMG)
        ++static_cast<TState*>(user)->Image;
    return 0;
}

int LeaveSpan(MD_SPANTYPE type, void*, void* user) {
    if (type == MD_SPAN_IMG)
        --static_cast<TState*>(user)->Image;
    return 0;
}

int Text(MD_TEXTTYPE type, const MD_CHAR* text, MD_SIZE size, void* user) {
    auto* s = static_cast<TState*>(user);
    if (s->InHtml) {
        s->Html.append(text, qsizetype(size));
        return 0;
    }
    if (s->Image > 0)
        return 0;
    switch (type) {
    case MD_TEXT_BR:
        s->Out.LineBreak();
        break;
    case MD_TEXT_SOFTBR:
        s->Out.Append(u" ");
        break;
    case MD_TEXT_NULLCHAR:
        break;
    case MD_TEXT_HTML: // an inline tag: markup, never read
        break;
    case MD_TEXT_ENTITY:
        s->Out.Append(Entity(text, size));
        break;
    default:
        s->Out.Append(QString::fromUtf8(text, qsizetype(size)));
        break;
    }
    return 0;
}

QString Unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.trimmed();
}

// Takes a metadata block off the start of `text`, filling title and author from it.
void TakeMetadata(QByteArray& text, TImportedDocument& doc) {
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    if (text.startsWith("% ")) { // pandoc's title block: title, author(s), date
        const QList<QByteArray> lines = text.left(4096).split('\n');
        int n = 0;
        while (n < lines.size() && n < 3 && lines[n].startsWith('%'))
            ++n;
        if (n > 0)
            doc.Title = QString::fromUtf8(lines[0].mid(1)).trimmed();
        if (n > 1)
            doc.Author = QString::fromUtf8(lines[1].mid(1)).trimmed();
        qsizetype cut = 0;
        for (int i = 0; i < n; ++i)
            cut += lines[i].size() + 1;
        text.remove(0, std::min(cut, text.size()));
        return;
    }
    if (!text.startsWith("---\n") && !text.startsWith("---\r\n"))
        return;
    const QList<QByteArray> lines = text.left(64 * 1024).split('\n');
    qsizetype cut = lines[0].size() + 1;
    for (int i = 1; i < lines.size() - 1; ++i) {
        const QByteArray line = lines[i].trimmed();
        cut += lines[i].size() + 1;
        if (line == "---" || line == "...") {
            text.remove(0, cut);
            return;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray key = line.left(colon).trimmed().toLower();
        const QString value = Unquoted(QString::fromUtf8(line.mid(colon + 1)));
        if (key == "title" && doc.Title.isEmpty())
            doc.Title = value;
        else if (key == "author" && doc.Author.isEmpty())
            doc.Author = value;
    }
    doc.Title.clear(); // no end of the block: it was no metadata
    doc.Author.clear();
}

// Footnotes as pandoc and many other tools write them ("text[^1]", "[^1]: the note") are not
// CommonMark: their marks would be read aloud. Where a document defines notes, the marks go; the
// notes stay where they are written, as paragraphs near the end.
void DropNoteMarks(QByteArray& text) {
    static const QRegularExpression definition(QStringLiteral(R"((^|\n)\[\^[^\]\s]{1,40}\]:)"));
    static const QRegularExpression mark(QStringLiteral(R"(\[\^[^\]\s]{1,40}\]:?)"));
    QString s = QString::fromUtf8(text);
    if (!definition.match(s).hasMatch())
        return;
    s.remove(mark);
    text = s.toUtf8();
}

class TMarkdownReader : public TReader {
public:
    QString Name() const override { return QStringLiteral("Markdown"); }
    QStringList Suffixes() const override {
        return {QStringLiteral("md"), QStringLiteral("markdown"), QStringLiteral("mkd")};
    }
    QStringList MimeTypes() const override { return {QStringLiteral("text/markdown")}; }
    bool Recognizes(const QByteArray&) const override { return false; }

    TImportedDocument Read(const QByteArray& data) const override {
        TImportedDocument doc;
        doc.Format = Name();
        QByteArray text = data;
        TakeMetadata(text, doc);
        if (!IsUtf8(text))
            text = DecodeNamed(text, DetectEncoding(text)).toUtf8();
        DropNoteMarks(text);
        TState state;
        MD_PARSER parser{};
        parser.flags = MD_DIALECT_GITHUB;
        parser.enter_block = EnterBlock;
        parser.leave_block = LeaveBlock;
        parser.enter_span = EnterSpan;
        parser.leave_span = LeaveSpan;
        parser.text = Text;
        if (md_parse(text.constData(), MD_SIZE(text.size()), &parser, &state) != 0)
            throw EImportError(QCoreApplication::translate("TMarkdownReader",
                                                           "The Markdown text cannot be read."));
        state.Out.Finish(doc);
        return doc;
    }
};

} // namespace

const TReader& MarkdownReader() {
    static const TMarkdownReader reader;
    return reader;
}

} // namespace documents
