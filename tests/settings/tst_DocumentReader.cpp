// SPDX-License-Identifier: GPL-3.0-or-later
// The document read in pieces gives, piece after piece, exactly the text the whole-file reader
// gives, in every encoding, with pieces cut where a reader pauses.
#include "Document.h"
#include "KoUtils.h"
#include "TestSupport.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace settings;

namespace {
// Every piece of the document, and the text they make together.
QStringList Pieces(const QString& path, qsizetype size) {
    TDocumentReader reader(path);
    QStringList out;
    while (auto piece = reader.Next(size))
        out << *piece;
    return out;
}
} // namespace

class TestDocumentReader : public QObject {
    Q_OBJECT
    QTemporaryDir FDir;

    QString Write(const QString& name, const QByteArray& bytes) {
        QString path = FDir.filePath(name);
        testsupport::WriteBytes(path, bytes);
        return path;
    }

private slots:
    void piecesMakeTheWholeText_data() {
        QTest::addColumn<QByteArray>("bytes");
        // Long enough for many blocks of the reader; characters of two, three and four bytes
        // fall across block boundaries.
        QString prose;
        for (int i = 0; i < 4000; ++i)
            prose += QStringLiteral("Line %1: caf\u00e9 \u2013 na\u00efve \U0001F600 words.%2")
                         .arg(i)
                         .arg(i % 7 == 0 ? "\r\n\r\n" : " ");
        QTest::newRow("utf8") << prose.toUtf8();
        QTest::newRow("utf8 bom") << "\xEF\xBB\xBF" + prose.toUtf8();
        QStringEncoder le(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        QTest::newRow("utf16le") << QByteArray(le.encode(prose));
        QStringEncoder be(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
        QTest::newRow("utf16be") << QByteArray(be.encode(prose));
        // Valid UTF-8 everywhere but at the very end: the whole file is Windows-1252.
        QByteArray late = prose.toUtf8() + "\x96 end";
        QTest::newRow("windows-1252 found late") << late;
        // Cut off inside its last character: the decoder holds those bytes back, waiting for
        // the rest, and the file is Windows-1252 all the same.
        QTest::newRow("utf8 cut in a character") << prose.toUtf8() + "\xe2\x82";
        // A last byte of UTF-16 without its pair is a damaged character, not nothing.
        QStringEncoder odd(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        QTest::newRow("utf16 with an odd byte") << QByteArray(odd.encode(prose)) + "A";
        QTest::newRow("utf16 of one odd byte") << QByteArray("\xFE\xFF(");
        QTest::newRow("empty") << QByteArray();
    }

    void piecesMakeTheWholeText() {
        QFETCH(QByteArray, bytes);
        QString path = Write("doc.txt", bytes);
        const QString whole = ReadDocument(path).value_or("<missing>");
        for (qsizetype size : {100, 5000, 32 * 1024}) {
            QStringList pieces = Pieces(path, size);
            QString joined = pieces.join(QString());
            // The whole-file reader turns line ends into "\n"; the pieces keep them.
            joined.replace("\r\n", "\n");
            QCOMPARE(joined, whole);
            for (int i = 0; i < pieces.size(); ++i) {
                QVERIFY(pieces[i].size() <= size);
                QVERIFY(!pieces[i].isEmpty());
                QVERIFY(!pieces[i].back().isHighSurrogate());
                // Every piece but the last ends at a line break or a sentence when it can.
                if (i + 1 < pieces.size() && size >= 5000)
                    QVERIFY2(pieces[i].endsWith('\n') || pieces[i].endsWith('.') ||
                                 pieces[i].endsWith(' '),
                             qPrintable(pieces[i].right(20)));
            }
        }
    }

    // UTF-8 with one damaged character looks like UTF-8 to the encoding detector too; it is
    // Windows-1252 all the same, and saving it gives back every byte it had.
    void damagedUtf8KeepsItsBytes() {
        const QByteArray bytes("Caf\xc3\xa9 cr\xc3\xa8me br\xc3\xbbl\xc3\xa9"
                               "e, na\xc3\xafve "
                               "fa\xc3\xa7"
                               "ade \xe2\x80\x93 r\xc3;sum\xc3\xa9.\n");
        TDocumentFormat format;
        const std::optional<QString> text = ReadDocument(Write("damaged.txt", bytes), &format);
        QVERIFY(text);
        QCOMPARE(format.Encoding, TextEncoding::Windows1252);
        QVERIFY(!text->contains(QChar(QChar::ReplacementCharacter)));
        QCOMPARE(EncodeDocument(*text, format), bytes);
        QCOMPARE(Pieces(FDir.filePath("damaged.txt"), 100).join(QString()), *text);
    }

    // A code page told from the bytes is a guess: where the bytes it saves would be guessed as
    // another one, the text is saved as UTF-8, so that it reads back as it was.
    void guessedCodePageReadsBackTheSame() {
        const QByteArray bytes = "milone\rCR\r\ns\na" + QByteArray(85, '\xbf') +
                                 "nd a 0lone\rCR\rxed\r\nline ends\nand a lone\rCR\r\n";
        TDocumentFormat format;
        const std::optional<QString> text = ReadDocument(Write("guessed.txt", bytes), &format);
        QVERIFY(text);
        TextEncoding written;
        const QByteArray saved = EncodeDocument(*text, format, &written);
        TDocumentFormat again;
        QCOMPARE(ReadDocument(Write("saved.txt", saved), &again), text);
        QCOMPARE(again.Encoding, written);
    }

    void refusesWhatIsNotText() {
        auto refused = [](const QString& path, const char* why) {
            try {
                TDocumentReader reader(path);
            } catch (const EFileError& e) {
                return e.Message().contains(why);
            }
            return false;
        };
        QVERIFY(refused(Write("nul.txt", QByteArray("text\0more", 9)), "not a text file"));
        QVERIFY(refused(FDir.path(), "not a regular file"));
        QVERIFY(refused("/dev/zero", "not a regular file"));
        QVERIFY(refused(FDir.filePath("missing.txt"), "No such file"));
    }

    void namesOfAnyBytes() {
        const QString name =
            KoUtils::DecodeFileName(QFile::encodeName(FDir.path()) + "/caf\xe9.txt");
        QCOMPARE(KoUtils::EncodeFileName(name), QFile::encodeName(FDir.path()) + "/caf\xe9.txt");
        QVERIFY(!KoUtils::IsPlainFileName(name));
        QFile f(FDir.filePath("x"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Hello.");
        f.close();
        QVERIFY(::rename(QFile::encodeName(FDir.filePath("x")).constData(),
                         KoUtils::EncodeFileName(name).constData()) == 0);
        QCOMPARE(Pieces(name, 100), QStringList{"Hello."});
        // Valid UTF-8 stays as it is, and every byte string comes back whole.
        QCOMPARE(KoUtils::DecodeFileName("na\xc3\xafve"), QString("na\u00efve"));
        for (const QByteArray& raw :
             {QByteArray("\xff\xfe"), QByteArray("\xed\xa0\x80"), QByteArray("a\xc3"),
              QByteArray("\xf4\x90\x80\x80"), QByteArray("\xf0\x9f\x92\x80\x82.txt")})
            QCOMPARE(KoUtils::EncodeFileName(KoUtils::DecodeFileName(raw)), raw);
        // A character beyond U+FFFF whose second half looks like an escaped byte is a character
        // (U+1F480 is U+D83D U+DC80), next to a byte that is escaped.
        const QByteArray skull("\xf0\x9f\x92\x80.txt");
        QVERIFY(KoUtils::IsPlainFileName(KoUtils::DecodeFileName(skull)));
        QCOMPARE(KoUtils::EncodeFileName(KoUtils::DecodeFileName(skull)), skull);
        QCOMPARE(KoUtils::EncodeFileName(KoUtils::DecodeFileName("\x80" + skull)), "\x80" + skull);
    }
};

QTEST_GUILESS_MAIN(TestDocumentReader)
#include "tst_DocumentReader.moc"
