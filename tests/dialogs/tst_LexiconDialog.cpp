// SPDX-License-Identifier: GPL-3.0-or-later
// The lexicon dialog on the file it edits, with the keyboard, and opened by the engine as the
// options dialog opens it.
#include "Engines.h"
#include "LexiconDialog.h"
#include "MessageCapture.h"
#include "TestSupport.h"
#include "mSpeech.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using engines::Lexicon;
using engines::LexiconEntry;
using speech::TMSpeech;
using testsupport::ReadBytes;
using testsupport::WriteBytes;
using Col = TLexiconModel::Column;

namespace {

void Set(TFormLexicon& form, int row, int column, const QVariant& value) {
    const QModelIndex at = form.Model->index(row, column);
    QVERIFY(form.Model->setData(at, value,
                                column == Col::ColWholeWord || column == Col::ColMatchCase
                                    ? Qt::CheckStateRole
                                    : Qt::EditRole));
}

QString Cell(const TFormLexicon& form, int row, int column) {
    return form.Model->index(row, column).data().toString();
}

// The voice the program binds at start, which reads the lexicon file then.
std::unique_ptr<TMSpeech> gSpeech;

void BindVoice() {
    gSpeech = std::make_unique<TMSpeech>();
    QVERIFY(!gSpeech->Engines().isEmpty());
    gSpeech->SelectEngine(gSpeech->Engines()[0]);
}

// Opens the dialog as the options dialog does, runs `inside` on it once it is shown, and
// returns when it has closed.
void OpenThroughTheEngine(const std::function<void(TFormLexicon&)>& inside) {
    QWidget owner;
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* form = owner.findChild<TFormLexicon*>();
        if (form && form->isVisible()) {
            ran = true;
            inside(*form);
        }
        if (form && form->isVisible())
            form->ButtonCancel->click();
    });
    gSpeech->ShowEngineDialog(2, &owner, nullptr);
    QVERIFY(ran);
}

} // namespace

class TestLexiconDialog : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    QString FPath;

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        KoUtils::SetExecutablePath(FDir.filePath("nurva"));
        FPath = engines::LexiconPath();
        engines::RegisterEngines();
        engines::SetLexiconDialog(ShowLexiconDialog);
        BindVoice();
    }

    void showsTheFileAsItIsNow() {
        WriteBytes(FPath, "Nurva\tNerva\n");
        BindVoice(); // the program starts: the file is read
        // A line added by hand while the program runs is in the dialog, and OK keeps it.
        WriteBytes(FPath, "Nurva\tNerva\nZebra\tzebber\n");
        OpenThroughTheEngine([](TFormLexicon& form) {
            QCOMPARE(form.Model->rowCount(), 2);
            QCOMPARE(Cell(form, 1, Col::ColWord), QString("Zebra"));
            form.ButtonOK->click();
            QVERIFY(form.Saved());
        });
        QCOMPARE(ReadBytes(FPath), QByteArray("Nurva\tNerva\nZebra\tzebber\n"));
        QCOMPARE(engines::CurrentLexicon()->Entries.size(), std::size_t(2));

        // The file changed by another program while the dialog is open: OK asks first, and
        // Cancel keeps the other program's change.
        QStringList asked;
        OpenThroughTheEngine([&](TFormLexicon& form) {
            Set(form, 0, Col::ColSay, "Nurrva");
            WriteBytes(FPath, "Nurva\tNerva\nZebra\tzebber\nOkapi\tokahpee\n");
            KoUtils::SetMessageBoxHandler([&](const QString& text, const QString&, int) {
                asked << text;
                return 2;
            });
            form.ButtonOK->click();
            KoUtils::SetMessageBoxHandler(nullptr);
            QVERIFY(!form.Saved() && form.isVisible());
        });
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].contains("changed by another program"), qPrintable(asked[0]));
        QVERIFY(ReadBytes(FPath).endsWith("Okapi\tokahpee\n"));

        // A lexicon that cannot be read is said, and the dialog does not open on nothing.
        QFile::remove(FPath);
        QVERIFY(QDir().mkdir(FPath));
        Messages messages;
        QWidget owner;
        bool opened = false;
        QTimer::singleShot(0, &owner, [&] {
            if (auto* form = owner.findChild<TFormLexicon*>()) {
                opened = true;
                form->close();
            }
        });
        gSpeech->ShowEngineDialog(2, &owner, nullptr);
        QVERIFY(messages.texts.value(0).contains("could not be read"));
        QVERIFY(!opened);
        QVERIFY(QDir(FPath).removeRecursively());
    }

    void keepsEntriesThatDifferInCase() {
        const QByteArray file = "WHO\tW H O\tcase\nwho\thoo\nWho\tnever\nZebra\tzebber\n";
        WriteBytes(FPath, file);
        OpenThroughTheEngine([&](TFormLexicon& form) {
            QCOMPARE(form.Model->rowCount(), 4);
            QCOMPARE(form.Model->Note(0),
                     QString("Wins over row 2 (\u201Cwho\u201D) and 1 more where both apply."));
            QCOMPARE(form.Model->Note(1),
                     QString("Row 1 (\u201CWHO\u201D) comes first and wins where both apply. "
                             "Wins over row 3 (\u201CWho\u201D) where both apply."));
            QCOMPARE(form.Model->Note(2),
                     QString("Never used: row 2 (\u201Cwho\u201D) comes first and always wins."));
            QCOMPARE(form.Model->Note(3), QString());
            // Nothing edited: the file stays as it is.
            form.ButtonOK->click();
            QVERIFY(form.Saved());
        });
        QCOMPARE(ReadBytes(FPath), file);

        // Import gives a new pronunciation only to an entry written the same way with the same
        // options; the others are rows of their own, and the notes follow every change.
        WriteBytes(FDir.filePath("import.txt"), "who\tnew\nWHO\tother\n");
        OpenThroughTheEngine([&](TFormLexicon& form) {
            QVERIFY(form.ImportFile(FDir.filePath("import.txt")));
            QCOMPARE(form.Model->rowCount(), 5);
            QCOMPARE(Cell(form, 1, Col::ColSay), QString("new"));
            QCOMPARE(Cell(form, 4, Col::ColWord), QString("WHO"));
            QVERIFY(form.Model->Note(4).startsWith("Never used: row 2 "));
            form.ListEntries->setCurrentIndex(form.Model->index(1, Col::ColWord));
            form.ButtonRemoveClick();
            QCOMPARE(form.Model->Note(1),
                     QString("Row 1 (\u201CWHO\u201D) comes first and wins where both apply. "
                             "Wins over row 4 (\u201CWHO\u201D) where both apply."));
            Set(form, 1, Col::ColMatchCase, Qt::Checked); // "Who", its own case only
            QCOMPARE(form.Model->Note(1),
                     QString("Wins over row 4 (\u201CWHO\u201D) where both apply."));
            form.ButtonOK->click();
        });
        QCOMPARE(ReadBytes(FPath),
                 QByteArray("WHO\tW H O\tcase\nWho\tnever\tcase\nZebra\tzebber\nWHO\tother\n"));
    }

    void savingKeepsEveryLineItDidNotChange() {
        const QByteArray file = "# my words\r\nNurva\tNerva\r\ncaf\xE9\tcafay\r\n\r\n"
                                "no tab here\r\nGNU\t[[gn'u:\r\nBad\tx\tloud\r\n# the end\r\n"
                                "Zebra\tzebber";
        WriteBytes(FPath, file);
        OpenThroughTheEngine([&](TFormLexicon& form) {
            // Refused lines are rows like the others, marked; the first is current.
            QCOMPARE(form.Model->rowCount(), 6);
            QCOMPARE(Cell(form, 2, Col::ColWord), QString("no tab here"));
            QCOMPARE(form.Model->Note(2),
                     QString("Not used: no tab between the word and its pronunciation."));
            QCOMPARE(form.ListEntries->currentIndex().row(), 2);
            QCOMPARE(form.LabelNote->text(),
                     QString("Row 3: Not used: no tab between the word and its pronunciation."));
            QVERIFY(form.LabelProblems->isVisibleTo(&form));
            QVERIFY(form.LabelProblems->text().startsWith("3 lines of the file are not used"));
            QCOMPARE(Cell(form, 1, Col::ColWord), QString::fromUtf8("caf\u00E9"));
            QVERIFY(form.Model->Note(1).contains("Windows-1252"));

            // The user's edits: a pronunciation changed, a refused line mended, another
            // removed, one edited and kept as it is, a row added.
            Set(form, 0, Col::ColSay, "Nurrva");
            Set(form, 3, Col::ColSay, "[[gn'u:]]");
            QCOMPARE(form.Model->Note(3), QString());
            form.ListEntries->setCurrentIndex(form.Model->index(2, Col::ColWord));
            form.ButtonRemoveClick();
            QVERIFY(form.LabelProblems->text().startsWith("A line of the file"));
            form.ButtonAddClick();
            Set(form, 5, Col::ColWord, "Yak");
            Set(form, 5, Col::ColSay, "yack");
            form.ButtonOK->click();
            QVERIFY(form.Saved());
        });
        QCOMPARE(ReadBytes(FPath),
                 QByteArray("# my words\r\nNurva\tNurrva\r\ncaf\xE9\tcafay\r\n\r\n"
                            "GNU\t[[gn'u:]]\r\nBad\tx\tloud\r\n# the end\r\nZebra\tzebber\n"
                            "Yak\tyack\n"));
        const auto lexicon = engines::CurrentLexicon();
        QCOMPARE(lexicon->Entries.size(), std::size_t(5));
        QCOMPARE(lexicon->Entries[1].Word, QString::fromUtf8("caf\u00E9"));

        // A refused line edited into something that is still no entry: OK names the row and
        // writes nothing; the dialog keeps what was typed.
        const QByteArray before = ReadBytes(FPath);
        OpenThroughTheEngine([&](TFormLexicon& form) {
            Messages messages;
            Set(form, 4, Col::ColWord, "Bad");
            Set(form, 4, Col::ColSay, "[[b'ad");
            form.ButtonOK->click();
            QVERIFY(!form.Saved());
            QCOMPARE(messages.texts.value(0),
                     QString("Row 5: phonemes opened with [[ are not closed with ]]."));
            QVERIFY(form.Model->Note(4).startsWith("Not an entry yet: phonemes"));
            // A word that would make its line a comment is refused as well.
            Set(form, 4, Col::ColSay, "bad");
            Set(form, 4, Col::ColWord, "#Bad");
            messages.texts.clear();
            form.ButtonOK->click();
            QVERIFY(!form.Saved());
            QCOMPARE(messages.texts.value(0),
                     QString("Row 5: a word cannot start with #, which starts a comment."));
        });
        QCOMPARE(ReadBytes(FPath), before);

        // Export writes the entries alone.
        OpenThroughTheEngine([&](TFormLexicon& form) {
            QVERIFY(form.ExportFile(FDir.filePath("exported.txt")));
            QVERIFY(!form.ExportFile(FDir.path()));
        });
        QCOMPARE(ReadBytes(FDir.filePath("exported.txt")),
                 QByteArray("Nurva\tNurrva\ncaf\xC3\xA9\tcafay\nGNU\t[[gn'u:]]\nZebra\tzebber\n"
                            "Yak\tyack\n"));
    }

    void keyboardWorksAsInAnyDialog() {
        WriteBytes(FPath, "WHO\tW H O\tcase\nwho\thoo\n");
        OpenThroughTheEngine([&](TFormLexicon& form) {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QTableView* table = form.ListEntries;
            QCOMPARE(QApplication::focusWidget(), table);
            // Tab leaves the table, Shift+Tab comes back.
            QTest::keyClick(table, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), form.ButtonAdd);
            QTest::keyClick(form.ButtonAdd, Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), table);

            // Space on a word opens it as it is; Escape there ends only the editing.
            QTest::keyClick(table, Qt::Key_Space);
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor);
            QCOMPARE(editor->text(), QString("WHO"));
            QTest::keyClick(editor, Qt::Key_Escape);
            QVERIFY(form.isVisible());
            QTRY_COMPARE(QApplication::focusWidget(), table);

            // Space toggles a check box only as the current cell, shown as the one selected.
            QTest::keyClick(table, Qt::Key_Right);
            QTest::keyClick(table, Qt::Key_Right);
            QCOMPARE(table->selectionModel()->selectedIndexes(),
                     QModelIndexList{form.Model->index(0, Col::ColWholeWord)});
            QTest::keyClick(table, Qt::Key_Space);
            QVERIFY(!form.Model->Row(0).Entry.WholeWord);
            QVERIFY(form.Model->Row(0).Entry.MatchCase);

            // Alt+A adds a row and edits its word; Enter in an editor does not end the dialog.
            QTest::keyClick(table, Qt::Key_A, Qt::AltModifier);
            QTRY_COMPARE(form.Model->rowCount(), 3); // a mnemonic presses its button shortly
            QTRY_VERIFY(editor = qobject_cast<QLineEdit*>(QApplication::focusWidget()));
            QTest::keyClicks(editor, "Yak");
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(Cell(form, 2, Col::ColWord), QString("Yak"));
            QTRY_COMPARE(QApplication::focusWidget(), table);
            QVERIFY(form.isVisible());

            // Escape is Cancel: nothing is written.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!form.isVisible() && !form.Saved());
        });
        QCOMPARE(ReadBytes(FPath), QByteArray("WHO\tW H O\tcase\nwho\thoo\n"));

        // Enter is OK.
        OpenThroughTheEngine([&](TFormLexicon& form) {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QTest::keyClick(form.ListEntries, Qt::Key_Right);
            QTest::keyClick(form.ListEntries, Qt::Key_Right);
            QTest::keyClick(form.ListEntries, Qt::Key_Space);
            QTest::keyClick(form.ListEntries, Qt::Key_Return);
            QVERIFY(form.Saved());
        });
        QCOMPARE(ReadBytes(FPath), QByteArray("WHO\tW H O\tpart case\nwho\thoo\n"));
    }

    void listenSpeaksTheCurrentRow() {
        QList<LexiconEntry> heard;
        TFormLexicon form(nullptr, {}, {}, [&](const LexiconEntry& e) {
            heard << e;
            return e.Word == "Okapi" ? QString("There is no sound output to listen with.")
                                     : QString();
        });
        form.AddEntry({"Nurva", "Nerva", false, true});
        form.AddEntry({"Zebra", ""});
        form.AddEntry({"Okapi", "okahpee"});
        form.ListEntries->setCurrentIndex(form.Model->index(1, Col::ColSay));
        form.ButtonListen->click();
        form.ListEntries->setCurrentIndex(form.Model->index(0, Col::ColWord));
        form.ButtonListen->click();
        Messages messages;
        form.ListEntries->setCurrentIndex(form.Model->index(2, Col::ColWord));
        form.ButtonListen->click();
        QCOMPARE(heard.size(), 3);
        QVERIFY(heard[0] == (LexiconEntry{"Zebra", "Zebra"})); // not filled in: as it is
        QVERIFY(heard[1] == (LexiconEntry{"Nurva", "Nerva", false, true}));
        QCOMPARE(messages.texts, QStringList{"There is no sound output to listen with."});
    }

    void engineOpensItForKindTwoOnly() {
        QWidget owner;
        QString refused;
        try {
            gSpeech->ShowEngineDialog(0, &owner, nullptr);
        } catch (const std::exception& e) {
            refused = e.what();
        }
        QCOMPARE(refused, QString("The speech engine does not offer this."));
        QVERIFY(!owner.findChild<TFormLexicon*>());
    }

    void cleanupTestCase() { gSpeech.reset(); }
};

QTEST_MAIN(TestLexiconDialog)
#include "tst_LexiconDialog.moc"
