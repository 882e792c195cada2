// SPDX-License-Identifier: GPL-3.0-or-later
// PDF, through Poppler: the text layer of every page in reading order (PdfLayout), chapters
// from the document's outline, title and author from its information. A PDF without a text
// layer (a scan) has nothing to read, and a protected one cannot be opened: both are said.
#include "Readers.h"

#include "PdfLayout.h"

#include <QCoreApplication>

#include <poppler-qt6.h>

namespace documents {

namespace {

// The document as the messages name it.
QString Kind() {
    //: the subject of the messages about a document that cannot be read
    return QCoreApplication::translate("PdfReader", "The PDF document");
}

void Outline(const QList<Poppler::OutlineItem>& items, int level, QList<TPdfBookmark>& into,
             int budget = 10000) {
    for (const Poppler::OutlineItem& item : items) {
        if (into.size() >= budget)
            return;
        const QSharedPointer<const Poppler::LinkDestination> d = item.destination();
        if (d && d->pageNumber() > 0)
            into.append({item.name(), d->pageNumber() - 1, level});
        if (item.hasChildren() && level < 6)
            Outline(item.children(), level + 1, into, budget);
    }
}

class TPdfReader : public TReader {
public:
    TPdfReader() {
        // Poppler tells its troubles on standard error; the reader says what matters itself.
        Poppler::setDebugErrorFunction([](const QString&, const QVariant&) {}, QVariant());
    }
    QString Name() const override { return QStringLiteral("PDF"); }
    QStringList Suffixes() const override { return {QStringLiteral("pdf")}; }
    QStringList MimeTypes() const override { return {QStringLiteral("application/pdf")}; }
    bool Recognizes(const QByteArray& data) const override {
        return data.left(1024).contains("%PDF-");
    }

    TImportedDocument Read(const QByteArray& data) const override {
        // A PDF ends with its end-of-file mark; without it the file was cut short, and the pages
        // Poppler would still find are not the whole document.
        if (!data.right(2048).contains("%%EOF"))
            throw EImportError(QCoreApplication::translate(
                                   "TPdfReader", "%1 is incomplete: its end is missing (a download "
                                                 "or copy that was cut short?).")
                                   .arg(Kind()));
        std::unique_ptr<Poppler::Document> pdf = Poppler::Document::loadFromData(data);
        if (!pdf)
            throw EImportError(
                QCoreApplication::translate("TPdfReader",
                                            "%1 is damaged or incomplete: it cannot be opened.")
                    .arg(Kind()));
        if (pdf->isLocked())
            throw EImportError(
                QCoreApplication::translate("TPdfReader", "%1 is protected by a password.")
                    .arg(Kind()));
        TImportedDocument doc;
        doc.Format = Name();
        doc.Title = pdf->info(QStringLiteral("Title")).simplified();
        doc.Author = pdf->info(QStringLiteral("Author")).simplified();
        const int count = pdf->numPages();
        if (count <= 0)
            throw EImportError(
                QCoreApplication::translate("TPdfReader", "%1 has no pages.").arg(Kind()));

        TTextBuilder out;
        TPdfLayout layout(out);
        qsizetype size = 0;
        for (int i = 0; i < count; ++i) {
            std::unique_ptr<Poppler::Page> page(pdf->page(i));
            TPdfPage p;
            if (page) {
                p.Width = page->pageSizeF().width();
                p.Height = page->pageSizeF().height();
                TPdfLine line;
                for (const std::unique_ptr<Poppler::TextBox>& word : page->textList()) {
                    line.Box =
                        line.Text.isEmpty() ? word->boundingBox() : line.Box | word->boundingBox();
                    line.Text += word->text();
                    if (word->hasSpaceAfter())
                        line.Text += u' ';
                    if (!word->nextWord()) {
                        size += line.Text.size();
                        p.Lines.append(std::move(line));
                        line = TPdfLine{};
                    }
                }
                if (!line.Text.isEmpty())
                    p.Lines.append(std::move(line));
            }
            if (size > MaxImportedText)
                throw EImportError(QCoreApplication::translate(
                                       "TPdfReader", "%1 holds more text than the editor can hold.")
                                       .arg(Kind()));
            layout.AddPage(std::move(p));
        }
        if (size == 0)
            throw EImportError(
                QCoreApplication::translate("TPdfReader",
                                            "%1 holds only images of its pages, no text (it is "
                                            "probably scanned): there is nothing to read aloud "
                                            "until a text recognition program has added the "
                                            "text.")
                    .arg(Kind()));
        layout.Finish();
        const QList<qsizetype> starts = layout.PageStarts();
        out.Finish(doc);
        QList<TPdfBookmark> bookmarks;
        Outline(pdf->outline(), 1, bookmarks);
        if (!bookmarks.isEmpty())
            doc.Chapters = PlaceBookmarks(doc.Text, starts, bookmarks);
        return doc;
    }
};

} // namespace

const TReader& PdfReader() {
    static const TPdfReader reader;
    return reader;
}

} // namespace documents
