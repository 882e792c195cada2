// The lexicon dialog on its own, and opened by the engine as the options dialog opens it.
#include "Engines.h"
#include "LexiconDialog.h"
#include "MessageCapture.h"
#include "TestSupport.h"
#include "mSpeech.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using engines::Lexicon;
using engines::LexiconEntry;
using speech::TMSpeech;
using testsupport::ReadBytes;

class TestLexiconDialog : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

    static void SetSay(TFormLexicon& form, int row, const QString& say) {
        form.ListEntries->item(row, TFormLexicon::ColSay)->setText(say);
    }

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        KoUtils::SetExecutablePath(FDir.filePath("nurva"));
    }

    void editsAndSavesOnlyWhatIsWhole() {
        Lexicon start;
        start.Parse("Nurva\tNerva\nnot an entry\n");
        const QString path = FDir.filePath("lexicon.txt");
        TFormLexicon form(nullptr, start, FDir.path(), {}); // a folder: saving fails
        QCOMPARE(form.ListEntries->rowCount(), 1);

        // The same word again updates its row; another option makes another entry.
        form.AddEntry({"nurva", "Nurrva"});
        form.AddEntry({"Nurva", "NURVA", true, true});
        QCOMPARE(form.ListEntries->rowCount(), 2);
        QCOMPARE(form.ListEntries->item(0, TFormLexicon::ColSay)->text(), QString("Nurrva"));

        // An empty row is no entry; a word without its pronunciation is named.
        form.ButtonAddClick();
        form.ButtonAddClick();
        form.ListEntries->item(3, TFormLexicon::ColWord)->setText("GNU\tproject");
        Lexicon got;
        QString error;
        QVERIFY(!form.Collect(got, error));
        QCOMPARE(error, QString("Row 4: how to say \"GNU project\" is empty."));
        SetSay(form, 3, "[[gn'u:");
        QVERIFY(!form.Collect(got, error));
        SetSay(form, 3, "[[gn'u:]]");
        error.clear();
        QVERIFY(form.Collect(got, error));
        QCOMPARE(got.Entries.size(), std::size_t(3));
        QCOMPARE(got.Entries[2].Word, QString("GNU project")); // a tab cannot break the file

        // A lexicon that cannot be saved keeps the dialog open with everything typed.
        Messages messages;
        form.ButtonOKClick();
        QVERIFY(!form.Saved());
        QVERIFY(messages.texts.value(0).startsWith("The lexicon could not be saved"));
        QCOMPARE(form.ListEntries->rowCount(), 4);

        // Export, then import into a dialog that has one of the words already.
        const QString exported = FDir.filePath("exported.txt");
        QVERIFY(form.ExportFile(exported));
        QVERIFY(!ReadBytes(exported).contains("not an entry"));
        TFormLexicon other(nullptr, {}, path, {});
        other.AddEntry({"GNU project", "old"});
        testsupport::WriteBytes(FDir.filePath("extra.txt"), "bad line\nZebra\tzebber\n");
        QVERIFY(other.ImportFile(exported));
        QVERIFY(other.ImportFile(FDir.filePath("extra.txt")));
        QVERIFY(messages.texts.last().contains("line 1"));
        QVERIFY(!other.ImportFile(FDir.path()));
        QCOMPARE(other.ListEntries->rowCount(), 4);
        QCOMPARE(other.ListEntries->item(0, TFormLexicon::ColSay)->text(), QString("[[gn'u:]]"));

        // OK writes the file in one piece and the engine takes the lexicon over.
        other.ListEntries->setCurrentCell(3, 0);
        other.ButtonRemoveClick();
        other.ButtonOKClick();
        QVERIFY(other.Saved());
        QCOMPARE(engines::CurrentLexicon()->Entries.size(), std::size_t(3));
        Lexicon saved;
        QVERIFY(saved.Load(path, nullptr, &error) &&
                saved.Entries == engines::CurrentLexicon()->Entries);
    }

    void listenSpeaksTheRowAsItStands() {
        QList<LexiconEntry> heard;
        TFormLexicon form(nullptr, {}, {}, [&](const LexiconEntry& e) {
            heard << e;
            return QString();
        });
        form.AddEntry({"Nurva", "Nerva", false, true});
        form.AddEntry({"Zebra", ""});
        qobject_cast<QPushButton*>(form.ListEntries->cellWidget(1, TFormLexicon::ColListen))
            ->click();
        form.ButtonListenClick(0);
        QCOMPARE(heard.size(), 2);
        QVERIFY(heard[0] == (LexiconEntry{"Zebra", "Zebra"})); // not filled in: as it is
        QVERIFY(heard[1] == (LexiconEntry{"Nurva", "Nerva", false, true}));
    }

    void engineOpensItForKindTwoOnly() {
        engines::RegisterEngines();
        engines::SetLexiconDialog(ShowLexiconDialog);
        TMSpeech speech;
        QVERIFY(!speech.Engines().isEmpty());
        speech.SelectEngine(speech.Engines()[0]);
        QWidget owner;
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* form = owner.findChild<TFormLexicon*>();
            shown = form && form->isVisible();
            if (form)
                form->ButtonCancel->click();
        });
        speech.ShowEngineDialog(2, &owner, nullptr);
        QVERIFY(shown);
        // The other dialogs espeak-ng still does not have.
        QString refused;
        try {
            speech.ShowEngineDialog(0, &owner, nullptr);
        } catch (const std::exception& e) {
            refused = e.what();
        }
        QCOMPARE(refused, QString("The speech engine does not offer this."));
        engines::SetLexiconDialog({});
    }
};

QTEST_MAIN(TestLexiconDialog)
#include "tst_LexiconDialog.moc"
