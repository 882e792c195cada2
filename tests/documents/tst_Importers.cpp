// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader against documents pandoc, groff and Ghostscript made from one text of the
// corpus: the imported text is that text up to white space, with title, author and chapters;
// and the bad files people meet (damaged, protected, scanned, huge, misnamed) are refused with a
// message that says what is wrong.
#include "Document.h"
#include "Importer.h"
#include "TextBuilder.h"
#include "platform/xdg/ShellCommands.h"

#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace documents;

namespace {

QString Made(const QString& name) {
    return qEnvironmentVariable("NURVA_DOCUMENTS") + u'/' + name;
}

QString Expected(const QString& name) {
    return testsupport::ReadText(Made(name));
}

// The import of a made document; a refusal fails the test with its message.
TImportedDocument Imported(const QString& name) {
    try {
        return Import(Made(name));
    } catch (const EImportError& e) {
        qWarning("%s", qPrintable(e.Message()));
    }
    return {};
}

// The message an import of `name` fails with; empty when it does not fail.
QString Refusal(const QString& name) {
    try {
        Import(Made(name));
    } catch (const EImportError& e) {
        return e.Message();
    }
    return {};
}

} // namespace

class TestImporters : public QObject {
    Q_OBJECT

private slots:
    void formatsGiveTheSourceText_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("before"); // the title page each format writes before the text
        QTest::addColumn<QString>("author");
        const QString page = QStringLiteral("A Quiet River Anna Hale ");
        QTest::newRow("EPUB") << "book.epub"
                              << "EPUB" << page << "Anna Hale";
        QTest::newRow("Word") << "book.docx"
                              << "Word" << page << "Anna Hale";
        QTest::newRow("OpenDocument") << "book.odt"
                                      << "OpenDocument" << page << "Anna Hale";
        QTest::newRow("HTML") << "book.html"
                              << "HTML" << page << "Anna Hale";
        QTest::newRow("FictionBook") << "book.fb2"
                                     << "FictionBook"
                                     << "A Quiet River "
                                     << "Anna Hale";
        QTest::newRow("RTF") << "book.rtf"
                             << "RTF" << page << "";
        QTest::newRow("Markdown") << "book.md"
                                  << "Markdown"
                                  << ""
                                  << "Anna Hale";
    }
    void formatsGiveTheSourceText() {
        QFETCH(QString, file);
        QFETCH(QString, format);
        QFETCH(QString, before);
        QFETCH(QString, author);
        const TImportedDocument doc = Imported(file);
        QCOMPARE(doc.Format, format);
        QCOMPARE(Simplified(doc.Text), Simplified(before + Expected("body.expected")));
        if (format != QLatin1String("RTF"))
            QCOMPARE(doc.Title, QStringLiteral("A Quiet River"));
        QCOMPARE(doc.Author, author);
        // Both chapters, in order, each where its heading stands in the text.
        QStringList titles;
        for (const TChapter& c : doc.Chapters) {
            QVERIFY2(doc.Text.mid(c.Position).startsWith(c.Title), qPrintable(c.Title));
            if (c.Title.endsWith(QLatin1String("Chapter")))
                titles << c.Title;
        }
        QCOMPARE(titles, QStringList({"The First Chapter", "The Second Chapter"}));
        for (qsizetype i = 1; i < doc.Chapters.size(); ++i)
            QVERIFY(doc.Chapters[i - 1].Position < doc.Chapters[i].Position);
        // Paragraphs stay paragraphs: as many blank-line breaks as the source has, at least.
        QVERIFY(doc.Text.count(QStringLiteral("\n\n")) >=
                Expected("body.expected").trimmed().count(QStringLiteral("\n\n")));
    }

    // Columns read one after the other, words hyphenated at line ends whole again, and the
    // running header and page numbers gone.
    void pdfGivesTheTextInReadingOrder() {
        const TImportedDocument doc = Imported("book.pdf");
        QCOMPARE(doc.Format, QStringLiteral("PDF"));
        const QString text = Simplified(doc.Text);
        const QString expected = Simplified(Expected("pdf.expected"));
        if (text != expected) {
            qsizetype at = 0;
            while (at < text.size() && at < expected.size() && text[at] == expected[at])
                ++at;
            QFAIL(qPrintable(QStringLiteral("differs at %1:\n  got  %2\n  want %3")
                                 .arg(at)
                                 .arg(text.mid(std::max<qsizetype>(0, at - 40), 120),
                                      expected.mid(std::max<qsizetype>(0, at - 40), 120))));
        }
        QVERIFY(!doc.Text.contains(QLatin1String("Book of Rivers")));
    }

    // A web page gives what a browser shows, in the encoding its bytes are in when it does not
    // declare one.
    void webPagesGiveTheVisibleText() {
        QCOMPARE(Imported("hidden.html").Text.split(QStringLiteral("\n\n")),
                 QStringList({"Visible Heading", "Visible paragraph one.",
                              "Visible paragraph two with an end."}));
        QCOMPARE(
            Imported("russian.html").Text,
            QStringLiteral("Река поднялась ночью, и никто не спал.\n\nУтром моста уже не было."));
    }

    void notesFollowTheirParagraph_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("Word") << "notes.docx";
        QTest::newRow("OpenDocument") << "notes.odt";
        QTest::newRow("Markdown") << "notes-pandoc.md";
    }
    void notesFollowTheirParagraph() {
        QFETCH(QString, file);
        const TImportedDocument doc = Imported(file);
        if (file.endsWith(QLatin1String(".md"))) { // where the writer put the note: at the end
            QCOMPARE(doc.Text.split(QStringLiteral("\n\n")),
                     QStringList({"The river rose in the night and nobody slept.",
                                  "In the morning the bridge was gone.",
                                  "It had rained for three days."}));
            return;
        }
        QCOMPARE(
            doc.Text.split(QStringLiteral("\n\n")),
            QStringList({"The river rose in the night and nobody slept.",
                         "It had rained for three days.", "In the morning the bridge was gone."}));
    }

    void badFilesAreRefusedWithTheReason_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("zip cut short") << "cut.epub"
                                       << "damaged";
        QTest::newRow("member claims gigabytes") << "claims.epub"
                                                 << "claims to expand";
        QTest::newRow("member expands beyond its claim") << "bomb.epub"
                                                         << "expand";
        QTest::newRow("copy protection") << "drm.epub"
                                         << "encryption";
        QTest::newRow("password") << "locked.pdf"
                                  << "password";
        QTest::newRow("scan") << "scan.pdf"
                              << "only images";
        QTest::newRow("1 GB") << "huge.pdf"
                              << "larger than";
        QTest::newRow("picture named as a book") << "picture.epub"
                                                 << "PNG image";
    }
    void badFilesAreRefusedWithTheReason() {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        const QByteArray before = testsupport::ReadBytes(Made(file)).left(1 << 20);
        const QString message = Refusal(file);
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(message.contains(file), qPrintable(message)); // says which file
        QCOMPARE(testsupport::ReadBytes(Made(file)).left(1 << 20), before);
    }

    // A document whose name says otherwise is read for what it is.
    void contentDecidesOverTheName() {
        const TImportedDocument doc = Imported("odt-named.pdf");
        QCOMPARE(doc.Format, QStringLiteral("OpenDocument"));
        QCOMPARE(doc.Title, QStringLiteral("A Quiet River"));
        QVERIFY(IsImported(Made("odt-named.pdf")));
        QVERIFY(!IsImported(Made("body.expected")));
    }

    // Texts without a byte-order mark in encodings they do not declare are not mojibake.
    void undeclaredEncodingsAreDetected_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("start");
        QTest::newRow("Windows-1251") << "cp1251.txt" << QStringLiteral("Привет, мир!");
        QTest::newRow("Shift-JIS") << "sjis.txt" << QStringLiteral("こんにちは世界。");
        QTest::newRow("GB18030") << "gb18030.txt" << QStringLiteral("你好，世界。");
    }
    void undeclaredEncodingsAreDetected() {
        QFETCH(QString, file);
        QFETCH(QString, start);
        settings::TDocumentFormat format;
        const std::optional<QString> text = settings::ReadDocument(Made(file), &format);
        QVERIFY(text);
        QVERIFY2(text->startsWith(start), qPrintable(*text));
        // Saved back as it came, byte for byte.
        QCOMPARE(settings::EncodeDocument(*text, format), testsupport::ReadBytes(Made(file)));
        // And the command line's reader in pieces gives the same.
        settings::TDocumentReader pieces(Made(file));
        QString joined;
        while (auto piece = pieces.Next(16))
            joined += *piece;
        QCOMPARE(joined, *text);
    }

    // Spoken into a WAV file by the command line, a document sounds as long as its plain text:
    // no markup is read aloud, nothing is left out.
    void spokenAsLongAsThePlainText() {
        QTemporaryDir out;
        const QString program = qEnvironmentVariable("NURVA_APPDIR") + QStringLiteral("/nurva");
        const QStringList files = {"short.txt", "short.epub", "short.pdf", "short.html", "short.md",
                                   "short.odt", "short.docx", "short.fb2", "short.rtf"};
        // All at once: the conversions are independent.
        std::vector<std::unique_ptr<QProcess>> runs;
        for (const QString& file : files) {
            runs.push_back(std::make_unique<QProcess>());
            runs.back()->start(program, {QStringLiteral("/ttw"), Made(file),
                                         out.filePath(file + QStringLiteral(".wav")),
                                         QStringLiteral("-w"), QStringLiteral("256")});
        }
        QList<double> seconds;
        for (qsizetype i = 0; i < files.size(); ++i) {
            QVERIFY(runs[i]->waitForFinished(120000));
            QCOMPARE(runs[i]->exitCode(), 0);
            seconds
                << testsupport::ReadWav(out.filePath(files[i] + QStringLiteral(".wav"))).seconds();
        }
        const double plain = seconds[0];
        QVERIFY(plain > 5);
        for (qsizetype i = 1; i < files.size(); ++i)
            QVERIFY2(std::abs(seconds[i] - plain) < plain * 0.04,
                     qPrintable(QStringLiteral("%1: %2 s, the plain text %3 s")
                                    .arg(files[i])
                                    .arg(seconds[i])
                                    .arg(plain)));
    }

    // The desktop learns the types the reader opens from its entry and its file-manager
    // commands; they must name every importable format.
    void desktopEntryNamesEveryFormat() {
        const QString entry =
            testsupport::ReadText(qEnvironmentVariable("NURVA_SOURCE") +
                                  QStringLiteral("/resources/desktop/org.example.nurva.desktop"));
        const QString commands = platform::ShellCommandMimeTypes();
        for (const QString& type : MimeTypes()) {
            QVERIFY2(entry.contains(type + u';'), qPrintable(type));
            QVERIFY2(commands.contains(type + u';'), qPrintable(type));
        }
    }
};

QTEST_GUILESS_MAIN(TestImporters)
#include "tst_Importers.moc"
