// SPDX-License-Identifier: GPL-3.0-or-later
// The document list and the document files without a window, against real files in a
// temporary folder: encodings and line ends kept, files that cannot be loaded left alone, the
// welcome text, New, Save As, Add, Close, the captions and the status, and splitting into lines.
#include "Document.h"
#include "DocumentList.h"
#include "Product.h"
#include "TextFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace settings;
using mainwindow::TDocumentList;
using mainwindow::TLoadedDocument;

using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// What the next read of the file gives: its text and how it is stored.
struct Stored {
    QString text;
    TDocumentFormat format;
};
Stored ReadBack(const QString& path) {
    Stored s;
    s.text = ReadDocument(path, &s.format).value_or(QStringLiteral("<missing>"));
    return s;
}

const QString Sentence = QStringLiteral("Café crème brûlée, naïve façade – résumé.\n");

} // namespace

class TestDocumentList : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    QString Txt(const QString& name = {}) const { return FDir->path() + "/txt/" + name; }

    // Documents named by letters, each holding its name in lower case.
    QStringList Letters(const QString& letters) {
        QStringList paths;
        for (QChar c : letters) {
            paths << Txt(QString(c) + ".txt");
            WriteBytes(paths.last(), QString(c).toLower().toUtf8());
        }
        return paths;
    }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        QVERIFY(QDir().mkpath(Txt()));
    }

    // --- Reading and saving -------------------------------------------------------------------

    void encodingsKeptOnSave_data() {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<bool>("narrow"); // Windows-1252: a text beyond it is saved as UTF-8
        const QString corpus = qEnvironmentVariable("NURVA_CORPUS") + "/";
        QTest::newRow("UTF-8") << ReadBytes(corpus + "utf8.txt") << false;
        QTest::newRow("UTF-8 with BOM, CR LF") << ReadBytes(corpus + "utf8-bom.txt") << false;
        QTest::newRow("UTF-16 with BOM") << ReadBytes(corpus + "utf16-bom.txt") << false;
        QTest::newRow("UTF-16 big-endian with BOM")
            << QByteArray(QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom)
                              .encode(Sentence))
            << false;
        QTest::newRow("Windows-1252, CR LF")
            << ReadBytes(corpus + "latin1-windows1252.txt") << true;
    }
    void encodingsKeptOnSave() {
        QFETCH(QByteArray, original);
        QFETCH(bool, narrow);
        QVERIFY(!original.startsWith("<unreadable>"));
        const QString path = Txt("doc.txt");
        WriteBytes(path, original);
        QStringList playlist{path};
        TDocumentList list(playlist);
        const TLoadedDocument doc = list.Show(path);
        QCOMPARE(doc.State, TLoadedDocument::Loaded);
        QCOMPARE(doc.Text, Sentence); // UTF-16 has NUL bytes and still is text
        QCOMPARE(list.Save(path, doc.Text), QString());
        QCOMPARE(ReadBytes(path), original);

        TDocumentFormat read;
        ReadDocument(path, &read);
        QString text = doc.Text + "5 € the plate\n"; // Windows-1252 has the euro
        QCOMPARE(list.Save(path, text), QString());
        Stored back = ReadBack(path);
        QCOMPARE(back.text, text);
        QCOMPARE(back.format.Encoding, read.Encoding);
        QCOMPARE(back.format.LineEnd, read.LineEnd);

        text += "Dvořák\n"; // but not ř
        const QString notice = list.Save(path, text);
        QCOMPARE(notice.contains("UTF-8"), narrow);
        back = ReadBack(path);
        QCOMPARE(back.text, text);
        QCOMPARE(back.format.Encoding, narrow ? TextEncoding::Utf8 : read.Encoding);
        QCOMPARE(back.format.LineEnd, read.LineEnd);
        // Once written as UTF-8 it stays so: the next save has nothing to tell.
        QCOMPARE(list.Save(path, text), QString());
    }

    void lineEndsKept_data() {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("saved"); // after "z" was added as a new last line
        QTest::newRow("LF") << QByteArray("a\nb\n") << "a\nb\n" << QByteArray("a\nb\nz");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << "a\nb\n" << QByteArray("a\r\nb\r\nz");
        QTest::newRow("CR") << QByteArray("a\rb\r\r") << "a\nb\n\n" << QByteArray("a\rb\r\rz");
        QTest::newRow("mixed: the first decides")
            << QByteArray("a\r\nb\nc\rd") << "a\nb\nc\nd" << QByteArray("a\r\nb\r\nc\r\nd\r\nz");
        QTest::newRow("none") << QByteArray("abc") << "abc" << QByteArray("abc\nz");
    }
    void lineEndsKept() {
        QFETCH(QByteArray, original);
        QFETCH(QString, text);
        QFETCH(QByteArray, saved);
        const QString path = Txt("lines.txt");
        WriteBytes(path, original);
        QStringList playlist{path};
        TDocumentList list(playlist);
        QCOMPARE(list.Show(path).Text, text);
        QCOMPARE(list.Save(path, text), QString());
        if (!QByteArray(QTest::currentDataTag()).startsWith("mixed"))
            QCOMPARE(ReadBytes(path), original);
        QVERIFY(list.Save(path, text + (text.endsWith('\n') ? "z" : "\nz")).isEmpty());
        QCOMPARE(ReadBytes(path), saved);
    }

    void failedSaveLeavesTheFile() {
        const QString a = Letters("A").first();
        QStringList playlist{a};
        TDocumentList list(playlist);
        list.Show(a);
        QFile::setPermissions(a, QFile::ReadOwner | QFile::ReadGroup);
        QVERIFY_THROWS_EXCEPTION(EFileError, list.Save(a, "replaced"));
        QCOMPARE(ReadBytes(a), QByteArray("a"));
        const QString nowhere = FDir->path() + "/nofolder/x.txt";
        QVERIFY_THROWS_EXCEPTION(EFileError, list.Save(nowhere, "text"));
        QVERIFY(!QFile::exists(nowhere));
    }

    // --- Files that cannot be shown, and files that are not there ----------------------------

    void unloadableFileIsLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("folder") << QString("folder") << QString();
        QTest::newRow("unreadable device") << QString("device") << QString();
        QTest::newRow("not text") << QString("binary") << QString("it is not a text file");
        QTest::newRow("too large") << QString("large") << QString("larger than");
    }
    void unloadableFileIsLeftAlone() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        QString bad = Txt("bad.txt");
        QByteArray before;
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(bad));
        } else if (kind == "device") {
            bad = "/proc/self/mem"; // opens, but reading it from the start fails
        } else if (kind == "binary") {
            before = QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14);
            WriteBytes(bad, before);
        } else {
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(MaxDocumentSize + 1)); // sparse: costs no disk
        }
        const QString good = Letters("G").first();
        QStringList playlist{good, bad};
        TDocumentList list(playlist);

        const TLoadedDocument doc = list.Show(bad);
        QCOMPARE(doc.State, TLoadedDocument::Unloaded);
        QCOMPARE(doc.Text, QString());
        QVERIFY2(doc.Error.startsWith("Cannot read \"" + bad + "\": ") &&
                     doc.Error.size() > bad.size() + 20 && doc.Error.contains(why),
                 qPrintable(doc.Error));
        QVERIFY(list.Unloaded());
        QCOMPARE(list.UnloadedReason(), doc.Error);
        QCOMPARE(list.ShownPath(), bad);
        QCOMPARE(list.StatusText(1), " " + doc.Error);
        QCOMPARE(list.StatusText(0), " " + good + " [1 Bytes]"); // only the shown one says why
        try {
            ReadDocument(bad);
            QFAIL("read");
        } catch (const EFileError& e) {
            QCOMPARE(e.Message(), doc.Error);
        }
        if (kind == "folder")
            QVERIFY(QFileInfo(bad).isDir());
        else if (kind == "binary")
            QCOMPARE(ReadBytes(bad), before);
        else if (kind == "large")
            QCOMPARE(QFileInfo(bad).size(), MaxDocumentSize + 1);

        QCOMPARE(list.Show(good).Text, QString("g"));
        QVERIFY(!list.Unloaded());
        list.Show(bad);
        list.ShowNothing();
        QVERIFY(!list.Unloaded() && list.ShownPath().isEmpty());
    }

    void missingFileGetsTheWelcomeText() {
        const QString welcome = QString::fromLatin1(product::Greeting);
        const QString missing = Txt("sample1.txt"), empty = Txt("sample2.txt");
        WriteBytes(empty, "");
        QStringList playlist{missing, empty};
        TDocumentList list(playlist);
        QCOMPARE(ReadDocument(missing), std::nullopt);

        TLoadedDocument doc = list.Show(missing);
        QCOMPARE(doc.State, TLoadedDocument::Created);
        QCOMPARE(doc.Text, welcome);
        QCOMPARE(doc.Error, QString());
        QVERIFY(!list.Unloaded());
        QCOMPARE(ReadBytes(missing), welcome.toUtf8());
        QCOMPARE(list.Show(missing).State, TLoadedDocument::Loaded); // it is a file now
        // A new file is saved as UTF-8 with LF line ends.
        QCOMPARE(list.Save(missing, QString::fromUtf8("é\nè")), QString());
        QCOMPARE(ReadBytes(missing), QByteArray("\xC3\xA9\n\xC3\xA8"));

        // An empty file is a document like any other: no welcome text over it.
        doc = list.Show(empty);
        QCOMPARE(doc.State, TLoadedDocument::Loaded);
        QCOMPARE(doc.Text, QString());
        QCOMPARE(ReadBytes(empty), QByteArray());
        QCOMPARE(list.StatusText(1), " " + empty + " [0 Bytes]");

        // In a missing folder the welcome text is shown, and why it could not be written.
        const QString gone = FDir->path() + "/gone/doc.txt";
        doc = list.Show(gone);
        QCOMPARE(doc.State, TLoadedDocument::Created);
        QCOMPARE(doc.Text, welcome);
        QVERIFY2(doc.Error.contains(gone) && doc.Error.contains("No such file or directory"),
                 qPrintable(doc.Error));
        QVERIFY(!list.Unloaded()); // nothing there to protect
        QVERIFY(!QFile::exists(gone));
    }

    // --- Editing the list ---------------------------------------------------------------------

    void newNeverOverwrites() {
        for (int n = 1; n <= 3; ++n)
            WriteBytes(Txt(QString("untitled%1.txt").arg(n)), "old");
        // untitled4.txt is listed but missing: it is somebody's, not free; so is a dangling link.
        QVERIFY(QFile::link(Txt("nowhere.txt"), Txt("untitled5.txt")));
        const QString a = Letters("A").first();
        QStringList playlist{a, Txt("untitled4.txt")};
        TDocumentList list(playlist);
        list.Show(a);

        QCOMPARE(list.New(Txt()), Txt("untitled6.txt"));
        QCOMPARE(playlist, QStringList({a, Txt("untitled4.txt"), Txt("untitled6.txt")}));
        QCOMPARE(list.ShownPath(), Txt("untitled6.txt"));
        QCOMPARE(ReadBytes(Txt("untitled6.txt")), QByteArray());
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(ReadBytes(Txt(QString("untitled%1.txt").arg(n))), QByteArray("old"));
        QVERIFY(!QFile::exists(Txt("untitled4.txt")));
        QVERIFY(!QFile::exists(Txt("nowhere.txt")));
        QCOMPARE(list.New(Txt()), Txt("untitled7.txt"));

        // A failure changes nothing.
        const QString missing = FDir->path() + "/missing/";
        try {
            list.New(missing);
            QFAIL("New in a missing folder");
        } catch (const EFileError& e) {
            QVERIFY2(e.Message().contains(missing + "untitled1.txt") &&
                         e.Message().contains("No such file or directory"),
                     qPrintable(e.Message()));
        }
        QCOMPARE(playlist.size(), 4);
        QCOMPARE(list.ShownPath(), Txt("untitled7.txt"));

        QVERIFY_THROWS_EXCEPTION(EFileError, CreateNewFile(a, "new"));
        QCOMPARE(ReadBytes(a), QByteArray("a"));
    }

    void savedAsRenames() {
        const QStringList abc = Letters("ABC");
        QStringList playlist = abc;
        TDocumentList list(playlist);
        list.Show(abc[0]);
        // Onto a new name: the document keeps its place.
        const QString renamed = Txt("New Name.txt");
        QCOMPARE(list.SavedAs(0, renamed), 0);
        QCOMPARE(playlist, QStringList({renamed, abc[1], abc[2]}));
        QCOMPARE(list.ShownPath(), renamed);
        // Onto its own name: listed once, in its place.
        QCOMPARE(list.SavedAs(0, renamed), 0);
        QCOMPARE(playlist, QStringList({renamed, abc[1], abc[2]}));
        // Onto another entry's file, after it or before it: that entry goes, the document is
        // the last one.
        QCOMPARE(list.SavedAs(0, abc[2]), 1);
        QCOMPARE(playlist, QStringList({abc[1], abc[2]}));
        QCOMPARE(list.ShownPath(), abc[2]);
        QCOMPARE(list.SavedAs(1, abc[1]), 0);
        QCOMPARE(playlist, QStringList({abc[1]}));
        QCOMPARE(list.ShownPath(), abc[1]);
    }

    void savedAsKeepsTheFormat() {
        // The window saves the text under the chosen name, then renames the entry.
        const QString wide = Txt("wide.txt"), copy = Txt("copy.txt");
        WriteBytes(wide, QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)
                             .encode(QStringLiteral("one\r\ntwo")));
        QStringList playlist{wide};
        TDocumentList list(playlist);
        QCOMPARE(list.Show(wide).Text, QString("one\ntwo"));
        list.Save(copy, "one\ntwo");
        QCOMPARE(list.SavedAs(0, copy), 0);
        list.Save(copy, "one\ntwo\nthree");
        const Stored back = ReadBack(copy);
        QCOMPARE(back.text, QString("one\ntwo\nthree"));
        QCOMPARE(back.format.Encoding, TextEncoding::Utf16LE);
        QCOMPARE(back.format.LineEnd, TLineEnd::CrLf);
    }

    void addTakesEachFileOnce() {
        const QString story = Txt("Story.txt"), lower = Txt("story.txt"), notes = Txt("notes.TXT"),
                      image = Txt("image.png");
        for (const QString& f : {story, lower, notes, image})
            WriteBytes(f, "x");
        QStringList playlist{story};
        TDocumentList list(playlist);
        // Names differing in case are different files; a drop takes text files only.
        QCOMPARE(list.Add({story, lower, notes, image, lower}, true), 2);
        QCOMPARE(playlist, QStringList({story, lower, notes}));
        QCOMPARE(list.Add({image, notes}), 1);
        QCOMPARE(playlist, QStringList({story, lower, notes, image}));

        // Relative names are made absolute before they are compared.
        const QString cwd = QDir::currentPath();
        auto restore = qScopeGuard([&] { QDir::setCurrent(cwd); });
        QVERIFY(QDir::setCurrent(Txt()));
        QCOMPARE(list.Add({"extra.txt", "Story.txt", "../txt/story.txt"}), 1);
        QCOMPARE(playlist.last(), Txt("extra.txt"));
        QCOMPARE(playlist.size(), 5);
    }

    void closeLeavesAnUntitledEntry() {
        const QStringList abc = Letters("ABC");
        const QString folder = FDir->path() + "/My Texts/"; // never lower-cased
        QStringList playlist = abc;
        TDocumentList list(playlist);
        list.Close(3, folder);
        list.Close(-1, folder);
        QCOMPARE(playlist, abc);
        list.Close(1, folder);
        QCOMPARE(playlist, QStringList({abc[0], abc[2]}));
        list.Close(0, folder);
        list.Close(0, folder);
        QCOMPARE(playlist, QStringList({folder + "untitled.txt"}));
        for (const QString& f : abc)
            QVERIFY(QFile::exists(f)); // closing never deletes

        playlist = abc;
        list.CloseAll(folder);
        QCOMPARE(playlist, QStringList({folder + "untitled.txt"}));
    }

    void captionsAndStatus() {
        QCOMPARE(TDocumentList::Caption("/a/b.c/Tom & Jerry.txt"), QString("Tom && Jerry"));
        QCOMPARE(TDocumentList::Caption("/a/notes.tar.txt"), QString("notes.tar"));
        QCOMPARE(TDocumentList::Caption("/a/README"), QString("README"));

        const QString a = Txt("a.txt");
        WriteBytes(a, "12345");
        QStringList playlist{a, Txt("missing.txt")};
        TDocumentList list(playlist);
        QCOMPARE(list.StatusText(0), " " + a + " [5 Bytes]");
        QCOMPARE(list.StatusText(1), " " + Txt("missing.txt") + " [-1 Bytes]");
        QCOMPARE(list.StatusText(2), QString());
        QCOMPARE(list.StatusText(-1), QString());
    }

    // --- Lines --------------------------------------------------------------------------------

    void splitLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<std::vector<int>>("starts");
        using V = std::vector<int>;
        QTest::newRow("empty") << "" << QStringList() << V{};
        QTest::newRow("one line") << "abc" << QStringList{"abc"} << V{0};
        QTest::newRow("LF") << "ab\ncd" << QStringList{"ab", "cd"} << V{0, 3};
        QTest::newRow("CR") << "ab\rcd" << QStringList{"ab", "cd"} << V{0, 3};
        QTest::newRow("CR LF") << "ab\r\ncd" << QStringList{"ab", "cd"} << V{0, 4};
        QTest::newRow("LF CR: two breaks") << "a\n\rb" << QStringList{"a", "", "b"} << V{0, 2, 3};
        QTest::newRow("final LF") << "ab\n" << QStringList{"ab"} << V{0};
        QTest::newRow("final CR") << "ab\r" << QStringList{"ab"} << V{0};
        QTest::newRow("final CR LF") << "ab\r\n" << QStringList{"ab"} << V{0};
        QTest::newRow("blank last line") << "ab\n\n" << QStringList{"ab", ""} << V{0, 3};
        QTest::newRow("only a break") << "\r\n" << QStringList{""} << V{0};
        QTest::newRow("leading breaks") << "\r\r\nx" << QStringList{"", "", "x"} << V{0, 1, 3};
    }
    void splitLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(std::vector<int>, starts);
        std::vector<int> got{42};
        QCOMPARE(SplitLines(text, &got), lines);
        QCOMPARE(got, starts);
        QCOMPARE(SplitLines(text), lines);
    }
};

QTEST_MAIN(TestDocumentList)
#include "tst_DocumentList.moc"
