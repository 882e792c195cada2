// SPDX-License-Identifier: GPL-3.0-or-later
#include "Markup.h"

#include "Encoding.h"

#include <QCoreApplication>
#include <QSet>
#include <QXmlStreamReader>

#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>

namespace documents {

namespace {

QString Attribute(const TAttributes& attributes, QLatin1String name) {
    for (const auto& [key, value] : attributes)
        if (key == name)
            return value;
    return {};
}

bool HasWord(const QString& list, QLatin1String word) {
    for (QStringView w : QStringView(list).split(u' ', Qt::SkipEmptyParts))
        if (w.compare(word, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// An inline style that hides the element: display: none or visibility: hidden.
bool StyleHides(const QString& style) {
    for (QStringView declaration : QStringView(style).split(u';')) {
        const qsizetype colon = declaration.indexOf(u':');
        if (colon < 0)
            continue;
        const QString property = declaration.first(colon).trimmed().toString().toLower();
        QString value = declaration.sliced(colon + 1).trimmed().toString().toLower();
        value.remove(QLatin1String("!important"));
        value = value.trimmed();
        if ((property == QLatin1String("display") && value == QLatin1String("none")) ||
            (property == QLatin1String("visibility") &&
             (value == QLatin1String("hidden") || value == QLatin1String("collapse"))))
            return true;
    }
    return false;
}

// Elements whose content a reader never sees on the page.
const QSet<QString>& Unseen() {
    static const QSet<QString> names = {"script", "style",  "template", "noscript", "iframe",
                                        "object", "embed",  "select",   "option",   "datalist",
                                        "svg",    "canvas", "audio",    "video",    "param"};
    return names;
}

const QSet<QString>& Blocks() {
    static const QSet<QString> names = {
        "address",  "article",    "aside",  "blockquote", "body",    "caption", "center",
        "dd",       "details",    "dialog", "dir",        "div",     "dl",      "dt",
        "fieldset", "figcaption", "figure", "footer",     "form",    "header",  "hgroup",
        "hr",       "html",       "legend", "li",         "main",    "menu",    "nav",
        "ol",       "p",          "pre",    "section",    "summary", "table",   "tbody",
        "td",       "tfoot",      "th",     "thead",      "tr",      "ul"};
    return names;
}

int HeadingLevel(const QString& name) {
    if (name.size() == 2 && name[0] == u'h' && name[1] >= u'1' && name[1] <= u'6')
        return name[1].unicode() - u'0';
    return 0;
}

bool Hidden(const QString& name, const TAttributes& attributes) {
    if (Unseen().contains(name))
        return true;
    for (const auto& [key, value] : attributes) {
        if (key == QLatin1String("hidden"))
            return true;
        if (key == QLatin1String("style") && StyleHides(value))
            return true;
        if (key == QLatin1String("type") && name == QLatin1String("input"))
            return true;
    }
    const QString type = Attribute(attributes, QLatin1String("epub:type"));
    const QString role = Attribute(attributes, QLatin1String("role"));
    // Page numbers of the printed book, note markers in the text and the way back from a note
    // are for the eye; a book's own table of contents would be read twice.
    if (HasWord(type, QLatin1String("pagebreak")) ||
        HasWord(role, QLatin1String("doc-pagebreak")) || HasWord(type, QLatin1String("noteref")) ||
        HasWord(role, QLatin1String("doc-noteref")) || HasWord(role, QLatin1String("doc-backlink")))
        return true;
    if (name == QLatin1String("nav") &&
        (HasWord(type, QLatin1String("toc")) || HasWord(type, QLatin1String("landmarks")) ||
         HasWord(type, QLatin1String("page-list")) || HasWord(role, QLatin1String("doc-toc"))))
        return true;
    return false;
}

} // namespace

void TMarkupText::Start(const QString& name, const TAttributes& attributes) {
    if (FSkip > 0 || Hidden(name, attributes)) {
        ++FSkip;
        return;
    }
    if (name == QLatin1String("title") && FTitle.isEmpty()) {
        ++FInTitle;
        return;
    }
    if (name == QLatin1String("meta")) {
        if (Attribute(attributes, QLatin1String("name")).toLower() == QLatin1String("author"))
            FAuthor = Attribute(attributes, QLatin1String("content")).simplified();
        return;
    }
    if (name == QLatin1String("br")) {
        FOut.LineBreak();
        return;
    }
    if (name == QLatin1String("img") || name == QLatin1String("area")) {
        const QString alt = Attribute(attributes, QLatin1String("alt")).simplified();
        if (!alt.isEmpty())
            FAlternatives << alt;
        return;
    }
    if (const int level = HeadingLevel(name)) {
        FOut.BeginHeading(level);
        return;
    }
    if (Blocks().contains(name)) {
        if (FOut.InHeading())
            FOut.LineBreak();
        else
            FOut.EndParagraph();
        if (name == QLatin1String("pre") && FPre++ == 0)
            FOut.SetPreformatted(true);
    } else if (name == QLatin1String("td") || name == QLatin1String("th")) {
        FOut.Append(u" ");
    }
}

void TMarkupText::End(const QString& name) {
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    if (FInTitle > 0 && name == QLatin1String("title")) {
        --FInTitle;
        return;
    }
    if (HeadingLevel(name)) {
        FOut.EndHeading();
        return;
    }
    if (Blocks().contains(name)) {
        if (FOut.InHeading())
            return;
        FOut.EndParagraph();
        if (name == QLatin1String("pre") && FPre > 0 && --FPre == 0)
            FOut.SetPreformatted(false);
    }
}

void TMarkupText::Text(QStringView text) {
    if (FSkip > 0)
        return;
    if (FInTitle > 0) {
        FTitle += text.toString().simplified() + u' ';
        return;
    }
    FOut.Append(text);
    if (!FWroteText)
        FWroteText = !text.trimmed().isEmpty();
}

void TMarkupText::Finish() {
    FOut.EndParagraph();
    FOut.SetPreformatted(false);
    if (!FWroteText)
        for (const QString& alt : std::as_const(FAlternatives))
            FOut.AddParagraph(alt);
}

// --- XHTML ------------------------------------------------------------------------------------

bool ReadXhtml(const QByteArray& data, TMarkupText& into) {
    // Checked whole first: a document that breaks off half way is read as HTML from the start.
    {
        QXmlStreamReader check(data);
        while (!check.atEnd())
            check.readNext();
        if (check.hasError())
            return false;
    }
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            TAttributes attributes;
            for (const QXmlStreamAttribute& a : xml.attributes())
                attributes.append({a.qualifiedName().toString().toLower(), a.value().toString()});
            into.Start(xml.name().toString().toLower(), attributes);
            break;
        }
        case QXmlStreamReader::EndElement:
            into.End(xml.name().toString().toLower());
            break;
        case QXmlStreamReader::Characters:
            into.Text(xml.text());
            break;
        case QXmlStreamReader::EntityReference:
            // An HTML entity the document does not declare (its DTD is not read).
            if (const htmlEntityDesc* e = htmlEntityLookup(
                    reinterpret_cast<const xmlChar*>(xml.name().toUtf8().constData())))
                into.Text(QString::fromUcs4(reinterpret_cast<const char32_t*>(&e->value), 1));
            break;
        default:
            break;
        }
    }
    into.Finish();
    return true;
}

// --- HTML -------------------------------------------------------------------------------------

namespace {

TMarkupText* Sink(void* context) {
    auto* parser = static_cast<htmlParserCtxtPtr>(context);
    return static_cast<TMarkupText*>(parser->_private);
}

QString Utf8(const xmlChar* s) {
    return s ? QString::fromUtf8(reinterpret_cast<const char*>(s)) : QString();
}

void OnStart(void* context, const xmlChar* name, const xmlChar** attributes) {
    TAttributes list;
    for (const xmlChar** a = attributes; a && a[0]; a += 2)
        list.append({Utf8(a[0]).toLower(), Utf8(a[1])});
    Sink(context)->Start(Utf8(name).toLower(), list);
}

void OnEnd(void* context, const xmlChar* name) {
    Sink(context)->End(Utf8(name).toLower());
}

void OnText(void* context, const xmlChar* text, int length) {
    Sink(context)->Text(QString::fromUtf8(reinterpret_cast<const char*>(text), length));
}

// The page names its encoding somewhere near its start ("charset=" in a meta element, or an
// XML declaration); libxml2 follows that itself.
bool DeclaresEncoding(const QByteArray& data) {
    const QByteArray head = data.left(4096).toLower();
    return head.contains("charset") || head.startsWith("<?xml version=\"1.0\" encoding");
}

} // namespace

void ReadHtml(const QByteArray& data, TMarkupText& into) {
    xmlSAXHandler sax{};
    sax.startElement = OnStart;
    sax.endElement = OnEnd;
    sax.characters = OnText;
    sax.ignorableWhitespace = OnText;
    sax.cdataBlock = OnText;
    htmlParserCtxtPtr parser =
        htmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, nullptr, XML_CHAR_ENCODING_NONE);
    if (!parser)
        //: why a web page cannot be read
        throw EImportError(
            QCoreApplication::translate("Markup", "there is not enough memory to read it"));
    parser->_private = &into;
    parser->userData = parser; // the callbacks reach the sink through the parser
    int options = HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING;
    const bool bom = data.startsWith("\xEF\xBB\xBF") || data.startsWith("\xFF\xFE") ||
                     data.startsWith("\xFE\xFF");
    if (!bom && !DeclaresEncoding(data)) {
        // Undeclared: UTF-8 when the bytes are, else what they look like.
        const QByteArray name = IsUtf8(data) ? QByteArray("UTF-8") : DetectEncoding(data);
        if (xmlCharEncodingHandlerPtr handler = xmlFindCharEncodingHandler(name.constData())) {
            xmlSwitchToEncoding(parser, handler);
            options |= HTML_PARSE_IGNORE_ENC;
        }
    }
    htmlCtxtUseOptions(parser, options);
    // In slices: the parser's own input buffer never holds the whole page twice over.
    constexpr qsizetype Slice = 256 * 1024;
    for (qsizetype at = 0; at < data.size(); at += Slice) {
        const qsizetype n = std::min(Slice, data.size() - at);
        htmlParseChunk(parser, data.constData() + at, int(n), 0);
    }
    htmlParseChunk(parser, nullptr, 0, 1);
    if (parser->myDoc)
        xmlFreeDoc(parser->myDoc);
    htmlFreeParserCtxt(parser);
    into.Finish();
}

TImportedDocument MarkupDocument(const QByteArray& data, bool xhtmlFirst) {
    TImportedDocument doc;
    TTextBuilder builder;
    {
        TMarkupText markup(builder);
        if (!xhtmlFirst || !ReadXhtml(data, markup))
            ReadHtml(data, markup);
        doc.Title = markup.Title();
        doc.Author = markup.Author();
    }
    builder.Finish(doc);
    return doc;
}

} // namespace documents
