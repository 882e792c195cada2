// The main window's shell: its commands, its creation and destruction around the settings
// files, dropped files, the status panel and find and replace.
#include "Converter.h"
#include "Global.h"
#include "KoUtils.h"
#include "MessageCapture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace settings;

namespace {

QString ReadAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestConverter : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    QString AppDir() const { return FDir->path() + "/"; }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        // The program folder as the build installs it: the first document's welcome text is
        // written into txt/.
        QVERIFY(QDir().mkpath(AppDir() + "txt"));
    }

    void commandTable() {
        Messages m;
        TFormCvt w(AppDir());
        QCOMPARE(int(w.ActionList1.size()), 49);
        const char* names[] = {"ActionFileNew", "ActionEditUndo",       "ActionSearchFind",
                               "ActionTTS",     "ActionToolsBrowseTxt", "ActionHelp"};
        const int numbers[] = {0, 11, 17, 21, 31, 45};
        const char* categories[] = {"File", "Edit", "Search", "PlayBack", "Tools", "Help"};
        for (int i = 0; i < 6; ++i) {
            QAction* a = w.ActionList1[numbers[i]];
            QCOMPARE(a->objectName(), QString(names[i]));
            QCOMPARE(a->property("Category").toString(), QString(categories[i]));
        }
        QCOMPARE(w.ActionTTXCursor->text(), QString("Read from Cursor Aloud"));
        QCOMPARE(w.ActionSearchFindFirst->statusTip(),
                 QString("Find the first occurance of specified text"));
        QCOMPARE(w.ActionToolsEmp->text(), QString("Emp - Emphasizes the Next Word to be Spoken"));
        // Shortcuts: the stored ones, which are the defaults on a first run.
        QCOMPARE(w.ActionTTS->shortcut(), QKeySequence("Ctrl+Alt+F2"));
        QCOMPARE(w.ActionFileMoveLast->shortcut(), QKeySequence("Alt+Down"));
        QCOMPARE(w.ActionHelp->shortcut(), QKeySequence("F1"));
        QVERIFY(w.ActionFileOpen->shortcut().isEmpty());
        // Four commands start disabled; the first of three documents is current, so nothing
        // comes before it.
        QStringList disabled;
        for (QAction* a : w.ActionList1)
            if (!a->isEnabled())
                disabled << a->objectName();
        QCOMPARE(disabled,
                 QStringList({"ActionFileMoveFirst", "ActionFileMovePrev", "ActionSearchFindNext",
                              "ActionTTXSelected", "ActionPause", "ActionStop", "ActionPrev"}));
        // Images: the read commands, pause, stop, prev, next and options, in three forms.
        for (QAction* a : {w.ActionTTS, w.ActionTTW, w.ActionTTM, w.ActionPause, w.ActionStop,
                           w.ActionPrev, w.ActionNext, w.ActionToolsOptions}) {
            QVERIFY2(!a->icon().pixmap(48, 48).isNull(), qPrintable(a->objectName()));
            QVERIFY(a->icon().pixmap(QSize(48, 48), QIcon::Disabled).toImage() !=
                    a->icon().pixmap(QSize(48, 48), QIcon::Normal).toImage());
        }
        QVERIFY(w.ActionFileNew->icon().isNull());
        QVERIFY(w.PanelStatus->text().contains("sample1")); // the current document
        QCOMPARE(w.windowTitle(), QString("PARLOVA Text To Speech Reader"));
    }

    void firstRunAndRestart() {
        Messages m;
        {
            TFormCvt w(AppDir());
            // A first run: the default size, centred on the screen.
            QCOMPARE(w.size(), QSize(603, 402));
            QSize screen = QGuiApplication::primaryScreen()->size();
            QCOMPARE(w.pos(), QPoint((screen.width() - 603) / 2, (screen.height() - 402) / 2));
            QVERIFY(!QFile::exists(AppDir() + "config.ini")); // nothing is written before exit
            w.show();
            w.setGeometry(40, 30, 700, 500);
        }
        // Destruction wrote the geometry, every setting and the hotkey tables.
        QString ini = ReadAll(AppDir() + "config.ini");
        QVERIFY(ini.contains("MainLeft=40\r\n") && ini.contains("MainTop=30\r\n"));
        QVERIFY(ini.contains("MainWidth=700\r\n") && ini.contains("MainHeight=500\r\n"));
        QCOMPARE(ini.count(QRegularExpression("\\r\\n\\d+=", QRegularExpression::NoPatternOption)),
                 98);
        QVERIFY(QFile::exists(AppDir() + "playlist.apl"));
        TFormCvt again(AppDir());
        QCOMPARE(again.geometry(), QRect(40, 30, 700, 500));
        QVERIFY(m.texts.isEmpty());
    }

    void storedLookAndShortcuts() {
        WriteAll(AppDir() + "config.ini",
                 "[UI]\r\nShowToolbar=0\r\nShowMainMenus=0\r\nShowStatusBar=0\r\n"
                 "MemoWordWrap=0\r\nMemoFontSize=15\r\nMemoBGColor=$0000FF\r\nStayOnTop=1\r\n"
                 "[General]\r\nShowHint=0\r\n[HotkeyList]\r\n16=Ctrl+Shift+A\r\n");
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.ToolBar->isHidden() && w.MainMenus->isHidden() && w.PanelBottom->isHidden());
        QCOMPARE(w.Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(w.Memo1->font().pointSize(), 15);
        QCOMPARE(w.Memo1->palette().color(QPalette::Base), QColor(255, 0, 0)); // red: low byte
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        // The stored shortcut works with the menu bar hidden.
        QCOMPARE(w.ActionEditSelectAll->shortcut(), QKeySequence("Ctrl+Shift+A"));
        w.Memo1->setPlainText("select me");
        w.activateWindow();
        w.Memo1->setFocus();
        QTest::keyClick(w.Memo1, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.Memo1->textCursor().selectedText(), QString("select me"));
        // Tooltips are off with ShowHint off; the status panel still follows the hints.
        struct Seen : QObject {
            int tips = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                tips += e->type() == QEvent::ToolTip;
                return false;
            }
        } seen;
        w.ComboBoxExEngines->installEventFilter(&seen);
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), w.mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(w.ComboBoxExEngines, &tip);
        QCOMPARE(seen.tips, 0);
        Settings.ShowHint = true;
        QApplication::sendEvent(w.ComboBoxExEngines, &tip);
        QCOMPARE(seen.tips, 1);
        QStatusTipEvent status("Open document(s)");
        QApplication::sendEvent(&w, &status);
        QCOMPARE(w.PanelStatus->text(), QString(" Open document(s)"));
    }

    void unreadableSettingsAreKept() {
        QDir().mkpath(AppDir() + "config.ini"); // a folder where the file should be
        {
            Messages m;
            TFormCvt w(AppDir());
            QCOMPARE(m.texts.size(), 1);
            QVERIFY(m.texts[0].contains("config.ini") && m.texts[0].contains("default settings"));
            QCOMPARE(w.size(), QSize(603, 402)); // the defaults
            w.FormDestroy();
            QCOMPARE(m.texts.size(), 2);
            QVERIFY(m.texts[1].startsWith("The settings could not be saved."));
            QCOMPARE(m.flags[1], KoUtils::MB_ICONERROR);
        }
        QVERIFY(QFileInfo(AppDir() + "config.ini").isDir());
    }

    void droppedFilesJoinThePlaylistOnce() {
        Messages m;
        TFormCvt w(AppDir());
        const QString a = FDir->filePath("Story.TXT"), b = FDir->filePath("song.wav");
        WriteAll(a, "x");
        WriteAll(b, "x");
        const int before = Playlist.size();
        QVERIFY(w.acceptDrops());
        auto drop = [&](const QStringList& paths) { w.DropFiles(paths); };
        drop({a, b, a});
        QCOMPARE(Playlist.size(), before + 1);
        QCOMPARE(Playlist.last(), a); // as the file system names it: never lower-cased
        drop({a});
        QCOMPARE(Playlist.size(), before + 1);
    }

    // The dialog's labels carry mnemonics: Alt with the marked letter goes to their field.
    void findDialogLabels() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.ActionSearchReplace->trigger();
        auto* dialog = w.findChild<TFindDialog*>();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QMap<QString, QWidget*> buddies;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            buddies[label->text()] = label->buddy();
        QCOMPARE(buddies.value("Fi&nd what:"), dialog->EditFind);
        QCOMPARE(buddies.value("Re&place with:"), dialog->EditReplace);
        dialog->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QTest::keyClick(dialog, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dialog->EditReplace);
        QTest::keyClick(dialog, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dialog->EditFind);
        // Its size follows the rows shown and cannot be dragged.
        QCoreApplication::processEvents();
        const QSize replaceSize = dialog->size();
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        w.ActionSearchFind->trigger();
        QTRY_VERIFY(dialog->height() < replaceSize.height());
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void findAndReplace() {
        Messages m;
        TFormCvt w(AppDir());
        w.Memo1->setPlainText("One fish, two fish, red Fish, blue fish.");
        QVERIFY(!w.ActionSearchFindNext->isEnabled());
        w.ActionSearchFind->trigger();
        auto* dialog = w.findChild<TFindDialog*>();
        QVERIFY(dialog);
        dialog->EditFind->setText("fish");
        dialog->CheckMatchCase->setChecked(true);
        dialog->ButtonFindNext->click();
        QCOMPARE(w.Memo1->textCursor().selectionStart(), 4);
        QVERIFY(w.ActionSearchFindNext->isEnabled());
        w.ActionSearchFindNext->trigger();
        QCOMPARE(w.Memo1->textCursor().selectionStart(), 14);
        w.ActionSearchFindNext->trigger(); // "Fish" does not match case
        QCOMPARE(w.Memo1->textCursor().selectionStart(), 35);
        w.ActionSearchFindNext->trigger();
        QCOMPARE(m.texts.value(0), QString("Cannot find \"fish\""));
        w.ActionSearchFindFirst->trigger();
        QCOMPARE(w.Memo1->textCursor().selectionStart(), 4);

        w.ActionSearchReplace->trigger();
        dialog->CheckMatchCase->setChecked(false);
        dialog->EditReplace->setText("cat");
        dialog->ButtonReplaceAll->click();
        QCOMPARE(w.Memo1->toPlainText(), QString("One cat, two cat, red cat, blue cat."));
        w.Memo1->undo(); // one step undoes them all
        QCOMPARE(w.Memo1->toPlainText(), QString("One fish, two fish, red Fish, blue fish."));
    }
};

QTEST_MAIN(TestConverter)
#include "tst_Converter.moc"
