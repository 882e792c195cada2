// SPDX-License-Identifier: GPL-3.0-or-later
// Documents of other formats in the window: File > Open and a later start add an EPUB and a PDF
// that real tools made, the tabs show their titles, their text is the editor's, and saving it
// (by Save, or as the window keeps what the user typed) writes a text file of its own beside the
// document and says where, never the document itself.
#include "Converter.h"
#include "Global.h"
#include "MessageCapture.h"
#include "ScriptedEngine.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

using namespace settings;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Picks `files` in the next file dialog, as a user types their names.
struct OpenAnswer {
    QTimer timer;
    int dialogs = 0;
    explicit OpenAnswer(const QStringList& files) {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, files] {
            // The dialog's own question whether to replace a file: yes.
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                    yes->click();
                return;
            }
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->property("answered").toBool())
                return;
            dialog->setProperty("answered", true);
            ++dialogs;
            QStringList names;
            for (const QString& f : files)
                names << '"' + QFileInfo(f).fileName() + '"';
            dialog->setDirectory(QFileInfo(files[0]).path());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(names.join(' '));
            QMetaObject::invokeMethod(
                dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); },
                Qt::QueuedConnection);
        });
        timer.start();
    }
};

} // namespace

class TestImportedDocuments : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> FDir;
    QString App() const { return FDir->path() + "/"; }
    // A copy of a made document in a folder of the test's own.
    QString Copy(const QString& name, const QString& folder = "books") {
        const QString to = App() + folder + "/" + name;
        QDir().mkpath(App() + folder);
        QFile::remove(to);
        QFile::copy(qEnvironmentVariable("NURVA_DOCUMENTS") + "/" + name, to);
        return to;
    }
    void Prepare(const QStringList& docs) {
        LoadDefaultSettings(App());
        Playlist = docs;
        Settings.PlayIndex = 0;
        Settings.Greeting = false;
        SaveSettings(App());
    }

private slots:
    void init() {
        scripted::Install();
        FDir = std::make_unique<QTemporaryDir>();
        QDir().mkpath(App() + "txt");
    }

    void openShowsTitleAndSavesATextOfItsOwn() {
        Messages m;
        const QString notes = App() + "txt/notes.txt";
        WriteBytes(notes, "notes");
        const QString epub = Copy("book.epub"), pdf = Copy("book.pdf");
        const QByteArray epubBytes = ReadBytes(epub), pdfBytes = ReadBytes(pdf);
        Prepare({notes});
        TFormCvt w(App());
        {
            OpenAnswer answer({epub, pdf});
            w.ActionFileOpen->trigger();
            QCOMPARE(answer.dialogs, 1);
        }
        QCOMPARE(Playlist, QStringList({notes, epub, pdf}));
        w.TabControl1->setCurrentIndex(1);
        QCOMPARE(w.TabControl1->tabText(1), QString("A Quiet River"));
        QVERIFY(
            w.Memo1->toPlainText().startsWith("A Quiet River\n\nAnna Hale\n\nThe First Chapter"));
        QVERIFY(!w.Memo1->isReadOnly());
        QVERIFY(m.texts.isEmpty());

        // Save As onto the book itself: refused, the book stays as it was.
        {
            OpenAnswer answer({epub});
            w.ActionFileSaveAs->trigger();
            QCOMPARE(answer.dialogs, 1);
        }
        QCOMPARE(m.texts.size(), 1);
        QVERIFY2(m.texts[0].contains("of its own format"), qPrintable(m.texts[0]));
        QCOMPARE(ReadBytes(epub), epubBytes);
        m.texts.clear();

        // Save: the text goes beside the book, the book stays, and the user is told where.
        w.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClicks(w.Memo1, " The end.");
        w.ActionFileSave->trigger();
        const QString text = App() + "books/book.txt";
        QCOMPARE(m.texts.size(), 1);
        QVERIFY2(m.texts[0].contains(text), qPrintable(m.texts[0]));
        QCOMPARE(ReadBytes(epub), epubBytes);
        QVERIFY(ReadBytes(text).endsWith("The end."));
        QCOMPARE(Playlist[1], text); // the tab now holds the text file
        QCOMPARE(w.TabControl1->tabText(1), QString("book"));

        // Typing into the PDF's tab and leaving it: kept in a text file of its own too, under a
        // free name since book.txt is taken.
        w.TabControl1->setCurrentIndex(2);
        QVERIFY(w.Memo1->toPlainText().contains("The Second Chapter"));
        QTest::keyClicks(w.Memo1, "Typed. ");
        w.TabControl1->setCurrentIndex(0);
        const QString second = App() + "books/book (2).txt";
        QCOMPARE(m.texts.size(), 2);
        QVERIFY2(m.texts[1].contains(second), qPrintable(m.texts[1]));
        QVERIFY(ReadBytes(second).startsWith("Typed. "));
        QCOMPARE(ReadBytes(pdf), pdfBytes);
        QCOMPARE(Playlist, QStringList({notes, text, second}));
    }

    // A later start hands its documents over; one that cannot be read says why and keeps
    // nothing half open; at the next start the playlist brings the book back.
    void laterStartAndNextStart() {
        Messages m;
        const QString epub = Copy("book.epub"), locked = Copy("locked.pdf");
        // A folder the text cannot be written to: the text goes to the TXT folder instead. Root
        // writes whatever the permissions say, so for root the folder is mounted read-only.
        const QString books = App() + "books";
        auto run = [](const QStringList& args) {
            QProcess p;
            p.start(args[0], args.mid(1));
            return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit &&
                   p.exitCode() == 0;
        };
        bool mounted = false;
        if (::geteuid() == 0) {
            mounted = run({"mount", "--bind", books, books});
            if (!mounted || !run({"mount", "-o", "remount,ro,bind", books})) {
                if (mounted)
                    run({"umount", books});
                QSKIP("no read-only bind mount can be made here");
            }
        } else {
            QFile(books).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        auto writable = qScopeGuard([&] {
            if (mounted)
                run({"umount", books});
            QFile(books).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
        });
        Prepare({App() + "txt/a.txt"});
        WriteBytes(App() + "txt/a.txt", "a");
        {
            TFormCvt w(App());
            w.ShowFromAnotherStart({.Files = {epub}});
            QCOMPARE(w.TabControl1->currentIndex(), 1);
            QCOMPARE(w.TabControl1->tabText(1), QString("A Quiet River"));
            w.ShowFromAnotherStart({.Files = {locked}});
            QCOMPARE(m.texts.size(), 1);
            QVERIFY2(m.texts[0].contains("password"), qPrintable(m.texts[0]));
            QVERIFY(w.Memo1->toPlainText().isEmpty());
            QVERIFY(w.Memo1->isReadOnly()); // nothing to edit, nothing to save over it
            w.TabControl1->setCurrentIndex(1);
            QTest::keyClicks(w.Memo1, "x");
            w.FormDestroy();
        }
        QFile(App() + "books")
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ExeOwner);
        QCOMPARE(m.texts.size(), 2);
        QVERIFY2(m.texts[1].contains(App() + "txt/book.txt"), qPrintable(m.texts[1]));
        QVERIFY(ReadBytes(App() + "txt/book.txt").startsWith("xA Quiet River"));

        LoadSettings(App());
        QVERIFY(Playlist.contains(App() + "txt/book.txt"));
        QVERIFY(Playlist.contains(locked));
        // The book itself, listed again, comes back with its title.
        Playlist.append(epub);
        Settings.PlayIndex = int(Playlist.size()) - 1;
        SaveSettings(App());
        TFormCvt again(App());
        QCOMPARE(again.TabControl1->tabText(again.TabControl1->currentIndex()),
                 QString("A Quiet River"));
        QVERIFY(again.Memo1->toPlainText().startsWith("A Quiet River"));
    }
};

QTEST_MAIN(TestImportedDocuments)
#include "tst_ImportedDocuments.moc"
