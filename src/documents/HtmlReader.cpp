// SPDX-License-Identifier: GPL-3.0-or-later
// Web pages, saved or written by hand: the text a browser shows, in the page's encoding. Title
// and author come from the page's head.
#include "Readers.h"

#include "Markup.h"

namespace documents {

namespace {

QByteArray Head(const QByteArray& data) {
    QByteArray head = data.left(1024);
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    return head.trimmed().toLower();
}

class THtmlReader : public TReader {
public:
    QString Name() const override { return QStringLiteral("HTML"); }
    QStringList Suffixes() const override {
        return {QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("xhtml"),
                QStringLiteral("xht")};
    }
    QStringList MimeTypes() const override {
        return {QStringLiteral("text/html"), QStringLiteral("application/xhtml+xml")};
    }
    bool Recognizes(const QByteArray& data) const override {
        const QByteArray head = Head(data);
        return head.startsWith("<!doctype html") || head.startsWith("<html") ||
               (head.startsWith("<?xml") && head.contains("<html"));
    }
    TImportedDocument Read(const QByteArray& data) const override {
        // XHTML is XML; a page that claims to be but is not well formed is read as HTML.
        const QByteArray head = Head(data);
        const bool xhtml =
            head.startsWith("<?xml") || head.contains("http://www.w3.org/1999/xhtml");
        TImportedDocument doc = MarkupDocument(data, xhtml);
        doc.Format = Name();
        return doc;
    }
};

} // namespace

const TReader& HtmlReader() {
    static const THtmlReader reader;
    return reader;
}

} // namespace documents
