// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's documents against real files in a temporary program folder: the tab strip
// and the editor as the view of one file, the file commands and their dialogs, the moves, Prev
// and Next, what the status says, and errors that must reach the user without losing the
// editor's text. The list's own rules are in tst_DocumentList.
#include "Converter.h"
#include "Global.h"
#include "KoUtils.h"
#include "MessageCapture.h"
#include "ScriptedEngine.h"
#include "TextFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace settings;

using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

const QString Welcome = QStringLiteral("Welcome to Parlova Text To Speech Reader");

// Answers the file dialog the next command opens, as a user would: picks `files` (none:
// cancels) and confirms replacing a file that exists.
struct DialogAnswer {
    QTimer timer;
    int dialogs = 0;
    QStringList boxes; // the dialog's own questions and warnings
    explicit DialogAnswer(const QStringList& files) {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, files] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes << box->text();
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                (yes ? yes : box->buttons().value(0))->click();
                return;
            }
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog || dialog->property("answered").toBool())
                return;
            dialog->setProperty("answered", true);
            ++dialogs;
            if (files.isEmpty()) {
                dialog->reject();
                return;
            }
            if (files.size() == 1) {
                dialog->selectFile(files[0]);
            } else { // several are typed as quoted names in their folder
                QStringList names;
                for (const QString& f : files)
                    names << '"' + QFileInfo(f).fileName() + '"';
                dialog->setDirectory(QFileInfo(files[0]).path());
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(names.join(' '));
            }
            // As the Open or Save button does; queued, so that this timer can answer the
            // question that may follow.
            QMetaObject::invokeMethod(
                dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); },
                Qt::QueuedConnection);
        });
        timer.start();
    }
};

// A file's text with "\n" line ends, as the editor shows it.
QString FileText(const QString& path, TextEncoding* encoding) {
    return DecodeText(ReadBytes(path), encoding, true).replace("\r\n", "\n");
}

QStringList Captions(const QTabBar* tabs) {
    QStringList out;
    for (int i = 0; i < tabs->count(); ++i)
        out << tabs->tabText(i);
    return out;
}

} // namespace

class TestDocuments : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    QString App() const { return FDir->path() + "/"; }
    QString Txt(const QString& name) const { return App() + "txt/" + name; }

    // The program folder's settings: these documents, this one current.
    void Prepare(const QStringList& docs, int playIndex = 0, bool repeat = false) {
        LoadDefaultSettings(App());
        Playlist = docs;
        Settings.PlayIndex = playIndex;
        Settings.Repeat = repeat;
        Settings.Greeting = false;
        SaveSettings(App());
    }
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
        scripted::Install();
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        QVERIFY(QDir().mkpath(App() + "txt"));
    }

    void welcomeTextOnlyForAMissingFile() {
        Messages m;
        WriteBytes(Txt("sample2.txt"), ""); // exists, and empty
        {
            TFormCvt w(App()); // a first run: no playlist.apl
            QCOMPARE(Playlist,
                     QStringList({Txt("sample1.txt"), Txt("sample2.txt"), Txt("sample3.txt")}));
            QCOMPARE(Captions(w.TabControl1), QStringList({"sample1", "sample2", "sample3"}));
            QCOMPARE(w.TabControl1->currentIndex(), 0);
            QCOMPARE(w.Memo1->toPlainText(), Welcome);
            QCOMPARE(ReadBytes(Txt("sample1.txt")), Welcome.toUtf8());
            QVERIFY(!QFile::exists(Txt("sample3.txt"))); // only the current one is written

            w.TabControl1->setCurrentIndex(1); // the user picks it
            QCOMPARE(w.Memo1->toPlainText(), QString());
            QVERIFY(!w.Memo1->isReadOnly());
            QCOMPARE(ReadBytes(Txt("sample2.txt")), QByteArray());
            QCOMPARE(w.PanelStatus->text(), " " + Txt("sample2.txt") + " [0 Bytes]");
        }
        QVERIFY(m.texts.isEmpty());
        // A stored index outside the list makes the first document current.
        Prepare(Letters("ABC"), 7);
        TFormCvt w(App());
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        QCOMPARE(w.Memo1->toPlainText(), QString("a"));
    }

    void unloadableDocumentIsNeverOverwritten() {
        Messages m;
        const QString bad = Txt("bad.txt");
        const QByteArray before("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14); // not text
        WriteBytes(bad, before);
        const QString good = Letters("G").first();
        Prepare({good, bad});
        TFormCvt w(App());
        w.Memo1->setPlainText("edits of the good document, not saved");
        w.TabControl1->setCurrentIndex(1);

        QCOMPARE(w.Memo1->toPlainText(), QString());
        QVERIFY(w.Memo1->isReadOnly());
        QVERIFY(w.DocumentUnloaded());
        const QString status = w.PanelStatus->text();
        QVERIFY2(status.startsWith(" Cannot read \"" + bad + "\": ") &&
                     status.size() > bad.size() + 20,
                 qPrintable(status));

        // Nothing the window does writes over it.
        w.ActionFileSave->trigger();
        QVERIFY2(w.PanelStatus->text().startsWith(" Not saved."), qPrintable(status));
        {
            DialogAnswer answer({Txt("copy.txt")});
            w.ActionFileSaveAs->trigger();
            QCOMPARE(answer.dialogs, 0);
        }
        QVERIFY(!QFile::exists(Txt("copy.txt")));
        w.ActionFileMoveFirst->trigger(); // a move keeps it unloaded
        QVERIFY(w.DocumentUnloaded() && w.Memo1->isReadOnly());
        QCOMPARE(ReadBytes(bad), before);
        QCOMPARE(Playlist, QStringList({bad, good}));
        QVERIFY(m.texts.isEmpty());

        w.TabControl1->setCurrentIndex(1);
        QVERIFY(!w.DocumentUnloaded() && !w.Memo1->isReadOnly());
        QCOMPARE(w.Memo1->toPlainText(), QString("g"));
    }

    // A text beyond Windows-1252 is saved as UTF-8, and Save and Save As say so.
    void encodingChangeIsShown() {
        Messages m;
        const QString path = Txt("narrow.txt");
        WriteBytes(path,
                   ReadBytes(qEnvironmentVariable("NURVA_CORPUS") + "/latin1-windows1252.txt"));
        Prepare({path});
        TFormCvt w(App());
        w.ActionFileSave->trigger();
        QVERIFY(!w.PanelStatus->text().contains("UTF-8")); // nothing to tell yet
        w.Memo1->appendPlainText("Dvořák");
        w.ActionFileSave->trigger();
        QVERIFY2(w.PanelStatus->text().startsWith(" " + path + ": saved as UTF-8"),
                 qPrintable(w.PanelStatus->text()));
        TextEncoding written;
        QCOMPARE(FileText(path, &written), w.Memo1->toPlainText());
        QCOMPARE(written, TextEncoding::Utf8);

        const QString other = Txt("other.txt");
        WriteBytes(other, QByteArray("caf\xE9", 4));
        w.DropFiles({other});
        w.TabControl1->setCurrentIndex(1);
        w.Memo1->appendPlainText("Dvořák");
        {
            DialogAnswer answer({Txt("copy.txt")});
            w.ActionFileSaveAs->trigger();
        }
        QVERIFY2(w.PanelStatus->text().startsWith(" Saved, saved as UTF-8"),
                 qPrintable(w.PanelStatus->text()));
        QCOMPARE(FileText(Txt("copy.txt"), &written), w.Memo1->toPlainText());
        QVERIFY(m.texts.isEmpty());
    }

    void everyCharacterSurvivesASave() {
        // No-break spaces, tabs, a lone CR line end and trailing blank lines come back as they
        // were read.
        const QByteArray original("a\xA0"
                                  "b\tc\rd\r\r",
                                  9);
        WriteBytes(Txt("odd.txt"), original);
        Prepare({Txt("odd.txt")});
        TFormCvt w(App());
        w.ActionFileSave->trigger();
        QCOMPARE(ReadBytes(Txt("odd.txt")), original);
    }

    void errorsReachTheUserAndKeepTheText() {
        Messages m;
        const QStringList docs = Letters("AB");
        QFile::setPermissions(docs[0], QFile::ReadOwner | QFile::ReadGroup);
        Prepare(docs + QStringList{App() + "gone/doc.txt"});
        TFormCvt w(App());
        const QString typed = "typed, not saved yet";
        w.Memo1->setPlainText(typed);

        w.ActionFileSave->trigger(); // a read-only file
        QCOMPARE(m.texts.size(), 1);
        QVERIFY2(m.texts[0].contains(docs[0]) && m.texts[0].contains("Permission denied"),
                 qPrintable(m.texts[0]));
        QCOMPARE(ReadBytes(docs[0]), QByteArray("a"));

        {
            DialogAnswer answer({App() + "nofolder/x.txt"});
            w.ActionFileSaveAs->trigger();
            QCOMPARE(answer.dialogs, 1);
        }
        QCOMPARE(m.texts.size(), 2);
        QVERIFY2(m.texts[1].contains("No such file or directory"), qPrintable(m.texts[1]));

        Settings.DefTxtPath = App() + "missing/";
        w.ActionFileNew->trigger();
        QCOMPARE(m.texts.size(), 3);
        QVERIFY2(m.texts[2].contains(App() + "missing/untitled1.txt") &&
                     m.texts[2].contains("No such file or directory"),
                 qPrintable(m.texts[2]));

        QCOMPARE(w.Memo1->toPlainText(), typed);
        QCOMPARE(Playlist, docs + QStringList{App() + "gone/doc.txt"});
        QCOMPARE(w.TabControl1->count(), 3);
        QCOMPARE(w.TabControl1->currentIndex(), 0);

        // The welcome text of a document in a missing folder cannot be written either.
        w.TabControl1->setCurrentIndex(2);
        QCOMPARE(w.Memo1->toPlainText(), Welcome);
        QCOMPARE(m.texts.size(), 4);
        QVERIFY2(m.texts[3].contains(App() + "gone/doc.txt") &&
                     m.texts[3].contains("No such file or directory"),
                 qPrintable(m.texts[3]));
    }

    void newOpensAnEmptyTab() {
        Messages m;
        const QString a = Letters("A").first();
        Prepare({a});
        TFormCvt w(App());
        w.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClicks(w.Memo1, " typed");
        w.ActionFileNew->trigger();
        QCOMPARE(Playlist, QStringList({a, Txt("untitled1.txt")}));
        QCOMPARE(Captions(w.TabControl1), QStringList({"A", "untitled1"}));
        QCOMPARE(w.TabControl1->currentIndex(), 1);
        QCOMPARE(w.Memo1->toPlainText(), QString());
        QVERIFY(!w.Memo1->isReadOnly());
        QCOMPARE(ReadBytes(a), QByteArray("a typed")); // the edits went to their file first
        w.Memo1->setPlainText("new text");
        w.ActionFileSave->trigger();
        QCOMPARE(ReadBytes(Txt("untitled1.txt")), QByteArray("new text"));
        QVERIFY(m.texts.isEmpty());
    }

    void saveAs() {
        Messages m;
        const QStringList abc = Letters("ABC");
        Prepare(abc);
        TFormCvt w(App());
        // Onto a new name: the document keeps its place.
        w.Memo1->setPlainText("first");
        {
            DialogAnswer answer({Txt("New Name.txt")});
            w.ActionFileSaveAs->trigger();
        }
        QCOMPARE(Playlist, QStringList({Txt("New Name.txt"), abc[1], abc[2]}));
        QCOMPARE(w.TabControl1->tabText(0), QString("New Name"));
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        QCOMPARE(ReadBytes(Txt("New Name.txt")), QByteArray("first"));
        QCOMPARE(ReadBytes(abc[0]), QByteArray("a"));
        QCOMPARE(w.PanelStatus->text(), QString(" Saved"));

        // Onto another tab's file: that tab goes, the saved document is last and current, and
        // a following Save writes the chosen file.
        w.Memo1->setPlainText("second");
        {
            DialogAnswer answer({abc[2]});
            w.ActionFileSaveAs->trigger();
        }
        QCOMPARE(Playlist, QStringList({abc[1], abc[2]}));
        QCOMPARE(Captions(w.TabControl1), QStringList({"B", "C"}));
        QCOMPARE(w.TabControl1->currentIndex(), 1);
        QCOMPARE(w.Memo1->toPlainText(), QString("second"));
        w.Memo1->setPlainText("third");
        w.ActionFileSave->trigger();
        QCOMPARE(ReadBytes(abc[2]), QByteArray("third"));
        QCOMPARE(ReadBytes(abc[1]), QByteArray("b"));

        // Onto its own name: listed once, in its place.
        w.TabControl1->setCurrentIndex(0);
        w.Memo1->setPlainText("fourth");
        {
            DialogAnswer answer({abc[1]});
            w.ActionFileSaveAs->trigger();
        }
        QCOMPARE(Playlist, QStringList({abc[1], abc[2]}));
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        QCOMPARE(ReadBytes(abc[1]), QByteArray("fourth"));

        // Cancelled: nothing happens.
        {
            DialogAnswer answer({});
            w.ActionFileSaveAs->trigger();
            QCOMPARE(answer.dialogs, 1);
        }
        QCOMPARE(Playlist, QStringList({abc[1], abc[2]}));
        QVERIFY(m.texts.isEmpty());
    }

    void closeAndCloseAll() {
        Messages m;
        const QStringList abc = Letters("ABC");
        Prepare(abc, 2);
        TFormCvt w(App());
        Settings.DefTxtPath = App() + "My Texts/"; // never lower-cased
        QVERIFY(QDir().mkpath(Settings.DefTxtPath));
        w.ActionFileClose->trigger(); // the rightmost: the first becomes current
        QCOMPARE(Playlist, QStringList({abc[0], abc[1]}));
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        QCOMPARE(w.Memo1->toPlainText(), QString("a"));
        w.ActionFileClose->trigger(); // the one that followed takes its place
        QCOMPARE(w.Memo1->toPlainText(), QString("b"));
        w.ActionFileClose->trigger(); // the only one
        const QString untitled = App() + "My Texts/untitled.txt";
        QCOMPARE(Playlist, QStringList({untitled}));
        QCOMPARE(w.Memo1->toPlainText(), Welcome);
        QCOMPARE(ReadBytes(untitled), Welcome.toUtf8());

        w.DropFiles(abc);
        w.Memo1->setPlainText("edited");
        w.ActionFileCloseAll->trigger();
        QCOMPARE(Playlist, QStringList({untitled}));
        QCOMPARE(w.TabControl1->count(), 1);
        QCOMPARE(w.Memo1->toPlainText(), Welcome); // read back from its file
        QVERIFY(m.texts.isEmpty());
    }

    void typedTextIsNeverLost() {
        Messages m;
        const QStringList ab = Letters("AB");
        Prepare(ab, 0);
        {
            TFormCvt w(App());
            w.Memo1->moveCursor(QTextCursor::End);
            QTest::keyClicks(w.Memo1, " typed");
            w.TabControl1->setCurrentIndex(1); // the user picks another tab
            QCOMPARE(w.Memo1->toPlainText(), QString("b"));
            QCOMPARE(ReadBytes(ab[0]), QByteArray("a typed"));
            QTest::keyClicks(w.Memo1, "more ");
            w.FormDestroy(); // the program ends
        }
        QCOMPARE(ReadBytes(ab[1]), QByteArray("more b"));
        QVERIFY(m.texts.isEmpty());
    }

    void movesExchangeEntries() {
        const QStringList d = Letters("ABCD");
        Prepare(d, 2);
        TFormCvt w(App());
        w.Memo1->setPlainText("C, edited");
        auto order = [&] {
            QString s;
            for (const QString& p : Playlist)
                s += QFileInfo(p).baseName();
            return s;
        };
        w.ActionFileMoveFirst->trigger();
        QCOMPARE(order(), QString("CBAD")); // an exchange, not a shift
        QCOMPARE(Captions(w.TabControl1), QStringList({"C", "B", "A", "D"}));
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        QCOMPARE(Settings.PlayIndex, 0);
        QVERIFY(!w.ActionFileMoveFirst->isEnabled() && !w.ActionFileMovePrev->isEnabled());
        QVERIFY(w.ActionFileMoveNext->isEnabled() && w.ActionFileMoveLast->isEnabled());
        w.ActionFileMovePrevExecute(); // nothing before the first
        QCOMPARE(order(), QString("CBAD"));
        w.ActionFileMoveLast->trigger();
        QCOMPARE(order(), QString("DBAC"));
        QVERIFY(!w.ActionFileMoveNext->isEnabled() && !w.ActionFileMoveLast->isEnabled());
        w.ActionFileMovePrev->trigger();
        QCOMPARE(order(), QString("DBCA"));
        QCOMPARE(w.TabControl1->currentIndex(), 2);
        w.ActionFileMoveNext->trigger();
        QCOMPARE(order(), QString("DBAC"));
        QCOMPARE(w.TabControl1->currentIndex(), 3);
        // The document only changed its place: its unsaved edits are still there to save.
        QCOMPARE(w.Memo1->toPlainText(), QString("C, edited"));
        w.ActionFileSave->trigger();
        QCOMPARE(ReadBytes(d[2]), QByteArray("C, edited"));
    }

    void prevAndNext() {
        const QStringList abc = Letters("ABC");
        Prepare(abc);
        TFormCvt w(App());
        QVERIFY(!w.ActionPrev->isEnabled() && w.ActionNext->isEnabled());
        w.ActionNext->trigger();
        QCOMPARE(w.Memo1->toPlainText(), QString("b"));
        QVERIFY(w.ActionPrev->isEnabled() && w.ActionNext->isEnabled());
        w.ActionNext->trigger();
        QCOMPARE(w.TabControl1->currentIndex(), 2);
        QVERIFY(w.ActionPrev->isEnabled() && !w.ActionNext->isEnabled());
        w.ActionNextExecute(); // called directly at the end: stays there
        QCOMPARE(w.TabControl1->currentIndex(), 2);

        Settings.Repeat = true;
        w.TabControl1Change(); // as the options dialog does after changing Repeat
        QVERIFY(w.ActionNext->isEnabled());
        w.ActionNext->trigger();
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        QCOMPARE(w.Memo1->toPlainText(), QString("a"));
        QVERIFY(w.ActionPrev->isEnabled());
        w.ActionPrev->trigger();
        QCOMPARE(w.TabControl1->currentIndex(), 2);
        QCOMPARE(w.Memo1->toPlainText(), QString("c"));
    }

    void dropAndOpenAddTabs() {
        Messages m;
        const QString story = Txt("Story.txt"), notes = Txt("notes.TXT");
        WriteBytes(story, "S");
        WriteBytes(notes, "n");
        WriteBytes(Txt("image.png"), "p");
        Prepare({story});
        TFormCvt w(App());
        w.Memo1->setPlainText("kept");
        w.DropFiles({story, notes, Txt("image.png")}); // a drop takes text files only
        QCOMPARE(Playlist, QStringList({story, notes}));
        QCOMPARE(Captions(w.TabControl1), QStringList({"Story", "notes"}));
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        QCOMPARE(w.Memo1->toPlainText(), QString("kept"));
        QVERIFY(w.ActionNext->isEnabled()); // there is a next document now

        {
            WriteBytes(Txt("extra.txt"), "e");
            DialogAnswer answer({story, Txt("extra.txt")});
            w.ActionFileOpen->trigger();
            QCOMPARE(answer.dialogs, 1);
        }
        QCOMPARE(Playlist, QStringList({story, notes, Txt("extra.txt")}));
        QCOMPARE(w.Memo1->toPlainText(), QString("kept"));
        QVERIFY(m.texts.isEmpty());

        // A name with an ampersand: the tab marks it twice to show one, a message shows one.
        const QString amp = Txt("Salt & Pepper.txt");
        WriteBytes(amp, "a");
        w.DropFiles({amp});
        const int tab = int(Playlist.indexOf(amp));
        QCOMPARE(Captions(w.TabControl1).value(tab), QString("Salt && Pepper"));
        w.TabControl1->setCurrentIndex(tab);
        QCOMPARE(w.TabTitle(tab), QString("Salt & Pepper"));
        w.UpdateStatus();
        QCOMPARE(w.PanelStatus->text().trimmed(), QString("Salt & Pepper"));
    }

    void tabStripClicks() {
        const QStringList abc = Letters("ABC");
        Prepare(abc);
        TFormCvt w(App());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTabBar* tabs = w.TabControl1;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(w.Memo1->toPlainText(), QString("b"));
        QCOMPARE(Settings.PlayIndex, 1);
        QVERIFY(!w.PopupMenuTab->isVisible());

        w.SelectTab(2); // from code: the editor stays
        QCOMPARE(w.Memo1->toPlainText(), QString("b"));
        QCOMPARE(Settings.PlayIndex, 1);

        // A right click on a tab selects it and opens the tab menu.
        QTest::mouseClick(tabs, Qt::RightButton, {}, tabs->tabRect(0).center());
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(w.Memo1->toPlainText(), QString("a"));
        QVERIFY(w.PopupMenuTab->isVisible());
        QCOMPARE(w.PopupMenuTab->actions().size(), 10);
        QCOMPARE(w.PopupMenuTab->actions().value(9), w.ActionFileMoveLast);
        w.PopupMenuTab->hide();
        // Beside the tabs: nothing.
        QTest::mouseClick(tabs, Qt::RightButton, {}, QPoint(tabs->width() - 2, 2));
        QVERIFY(!w.PopupMenuTab->isVisible());
    }

    void emptyPlaylist() {
        Messages m;
        Prepare({});
        WriteBytes(App() + "playlist.apl", "");
        TFormCvt w(App());
        QCOMPARE(w.TabControl1->count(), 0);
        QVERIFY(w.Memo1->isReadOnly());
        for (QAction* a : {w.ActionFileSave, w.ActionFileClose, w.ActionFileMoveFirst,
                           w.ActionFileMoveLast, w.ActionPrev, w.ActionNext})
            a->trigger();
        w.ActionFileSaveAsExecute();
        w.ActionFileMoveNextExecute();
        QVERIFY(Playlist.isEmpty());
        // The first document dropped in becomes the one the editor shows.
        const QString a = Letters("A").first();
        w.DropFiles({a});
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        QCOMPARE(w.Memo1->toPlainText(), QString("a"));
        QVERIFY(!w.Memo1->isReadOnly());
        QVERIFY(m.texts.isEmpty());
    }
};

QTEST_MAIN(TestDocuments)
#include "tst_Documents.moc"
