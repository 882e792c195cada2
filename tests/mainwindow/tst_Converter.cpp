// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's shell: its commands, its creation and destruction around the settings
// files, dropped files, the status panel and find and replace.
#include "Accessible.h"
#include "Converter.h"
#include "Global.h"
#include "KoAccessible.h"
#include "KoUtils.h"
#include "MessageCapture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QStatusTipEvent>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
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

// A menu's entries by caption, "-" for a separator and the caption with ">" for a submenu.
QStringList Entries(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QString("-") : a->menu() ? a->text() + ">" : a->text());
    return out;
}

// The letters of a menu's items that Alt or a plain key chooses, lower case.
QStringList MnemonicsOf(const QMenu* menu) {
    QStringList letters;
    for (QAction* a : menu->actions()) {
        const QKeySequence key = QKeySequence::mnemonic(a->text());
        if (!a->isSeparator())
            letters << key.toString().toLower();
    }
    return letters;
}

// The desktop turns to a dark theme (the editor's base and text colours), until the guard goes.
auto DarkTheme() {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    return qScopeGuard([light] { QApplication::setPalette(light); });
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
        // The session has no global keys (offscreen); the note about it, which takes the
        // focus, is another test's matter: here it was given at an earlier start.
        WriteAll(AppDir() + "no-global-hotkeys-noted", "");
    }

    void commandTable() {
        Messages m;
        TFormCvt w(AppDir());
        QCOMPARE(int(w.ActionList1.size()), 50);
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
        QCOMPARE(w.ActionTTS->shortcut(), QKeySequence("Shift+Ctrl+Alt+A"));
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
                 100);
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
        // Under a dark theme the chosen background stays; the text, never chosen, follows it.
        const auto restore = DarkTheme();
        QCOMPARE(w.Memo1->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(w.Memo1->palette().color(QPalette::Text), QColor(230, 230, 230));
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

    // Never chosen, the editor's colours are the desktop's, light or dark, as it changes them.
    void editorFollowsTheDesktopTheme() {
        Messages m;
        TFormCvt w(AppDir());
        const QPalette light = QApplication::palette();
        QCOMPARE(w.Memo1->palette().color(QPalette::Base), light.color(QPalette::Base));
        QCOMPARE(w.Memo1->palette().color(QPalette::Text), light.color(QPalette::Text));
        const auto restore = DarkTheme();
        QCOMPARE(w.Memo1->palette().color(QPalette::Base), QColor(30, 30, 30));
        QCOMPARE(w.Memo1->palette().color(QPalette::Text), QColor(230, 230, 230));
    }

    // A screen reader finds every control named, the sliders with their values in words, and
    // the skinned caption buttons as push buttons it can press.
    void accessibleNames() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QStringList unnamed = testsupport::UnnamedControls(&w);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        // The framed window is a window to the reader, not a filler.
        QCOMPARE(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);
        w.TrackBarVol->setValue(32768);
        QCOMPARE(w.TrackBarVol->accessibleDescription(), QString("50 %"));
        QCOMPARE(w.TrackBarVol->singleStep(), 655);
        for (const char* name : {"closeImage", "maxImage", "minImage", "hryrImage"}) {
            auto* b = w.findChild<QWidget*>(name);
            QVERIFY(b);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
            QCOMPARE(a->role(), QAccessible::Button);
            QCOMPARE(a->text(QAccessible::Name), b->toolTip());
            QVERIFY(!b->toolTip().isEmpty());
            QCOMPARE(a->actionInterface()->actionNames(),
                     QStringList(QAccessibleActionInterface::pressAction()));
        }
        // Its press is a click: the maximise button maximises.
        QAccessibleInterface* max =
            QAccessible::queryAccessibleInterface(w.findChild<QWidget*>("maxImage"));
        max->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(w.isMaximized());
    }

    // Tab types a tab; Ctrl+Tab leaves the editor for the next control, Ctrl+Shift+Tab for the
    // previous one.
    void ctrlTabLeavesTheEditor() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        w.Memo1->setPlainText("");
        w.Memo1->setFocus();
        QTRY_VERIFY(w.Memo1->hasFocus());
        QTest::keyClick(w.Memo1, Qt::Key_Tab);
        QCOMPARE(w.Memo1->toPlainText(), QString("\t"));
        QTest::keyClick(w.Memo1, Qt::Key_Tab, Qt::ControlModifier);
        QWidget* next = QApplication::focusWidget();
        QVERIFY(next && next != w.Memo1);
        QCOMPARE(w.Memo1->toPlainText(), QString("\t"));
        w.Memo1->setFocus();
        QTest::keyClick(w.Memo1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QWidget* previous = QApplication::focusWidget();
        QVERIFY(previous && previous != w.Memo1 && previous != next);
    }

    // The Playback menu's Voice commands move the speed and volume sliders by their steps, and
    // stop at the ends.
    void voiceCommandsFromTheKeyboard() {
        Messages m;
        TFormCvt w(AppDir());
        auto* faster = w.findChild<QAction*>("ActionFaster");
        auto* softer = w.findChild<QAction*>("ActionSofter");
        QVERIFY(faster && softer && w.findChild<QAction*>("ActionVoiceNext"));
        QCOMPARE(faster->shortcut(), QKeySequence("Ctrl+]"));
        w.TrackBarSpd->setValue(150);
        faster->trigger();
        QCOMPARE(w.TrackBarSpd->value(), 160);
        QCOMPARE(Settings.Spd, 160); // as the user's own move of the slider
        w.TrackBarVol->setValue(1000);
        softer->trigger();
        QCOMPARE(w.TrackBarVol->value(), 0);
        // Every one of them, and the Part's commands, has keys of its own.
        QSet<QKeySequence> keys;
        for (QAction* a : w.findChildren<QAction*>()) {
            if (a->shortcut().isEmpty())
                continue;
            QVERIFY2(!keys.contains(a->shortcut()), qPrintable(a->shortcut().toString()));
            keys.insert(a->shortcut());
        }
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

    // Files the desktop opens join once, whatever their extension; the first named is shown,
    // also when it was listed already.
    void openedFilesAreShown() {
        Messages m;
        TFormCvt w(AppDir());
        const QString notes = FDir->filePath("notes"), readme = FDir->filePath("README.md");
        WriteAll(notes, "Plain notes without an extension.");
        WriteAll(readme, "x");
        const int before = Playlist.size();
        w.OpenDocuments({notes, readme});
        QCOMPARE(Playlist.size(), before + 2);
        QCOMPARE(w.TabControl1->currentIndex(), before);
        QCOMPARE(w.Memo1->toPlainText(), QString("Plain notes without an extension."));
        QVERIFY(w.PanelStatus->text().contains(notes));
        w.OpenDocuments({Playlist[1], notes});
        QCOMPARE(Playlist.size(), before + 2);
        QCOMPARE(w.TabControl1->currentIndex(), 1);
    }

    // The menus list their entries as the commands' captions, in these groups.
    void controlTagMenus() {
        Messages m;
        TFormCvt w(AppDir());
        const QString emp = w.ActionToolsEmp->text(), vol = w.ActionToolsVol->text(),
                      spd = w.ActionToolsSpd->text(), pit = w.ActionToolsPit->text();
        const QStringList others = {w.ActionToolsWhisper->text(),
                                    w.ActionToolsMonotone->text(),
                                    w.ActionToolsNormal->text(),
                                    "-",
                                    emp,
                                    "-",
                                    vol,
                                    spd,
                                    pit};
        QCOMPARE(
            Entries(w.MenuInsertControlTags),
            QStringList({w.ActionToolsShortPause->text(), w.ActionToolsLongPause->text(), "-"}) +
                others);
        QCOMPARE(Entries(w.MenuInsertOtherControlTags), others);
        QCOMPARE(Entries(w.MainMenu1.Tools),
                 QStringList({"My TXT Folder", "My WAV Folder", "My MP3 Folder", "-",
                              "Insert Control Tags>", "-", "Options..."}));
        const QStringList popup = Entries(w.PopupMenuMemo);
        QCOMPARE(popup.mid(2, 5), QStringList({"-", "Insert Short Pause", "Insert Long Pause",
                                               "Insert Other Control Tags>", "-"}));
    }

    // The tool bar at the stored default width (603) and at 580: every item is on the bar,
    // none in its overflow menu, and a default voice name is shown whole.
    void toolBarFitsAtTheDefaultWidth_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("580") << 580;
        QTest::newRow("default 603") << 603;
    }
    void toolBarFitsAtTheDefaultWidth() {
        QFETCH(int, width);
        Messages m;
        TFormCvt w(AppDir());
        QComboBox* voices = w.ComboBoxExEngines;
        const QString name = "English (America) Male";
        voices->insertItem(0, QIcon(":/voices/voice0.png"), name);
        voices->setCurrentIndex(0);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(width, 402);
        QTRY_COMPARE(w.ToolBar->width(), width - 23);
        QCoreApplication::processEvents();
        for (QAction* a : w.ToolBar->actions()) {
            QWidget* item = w.ToolBar->widgetForAction(a);
            QVERIFY(item);
            QVERIFY2(item->isVisible(), qPrintable(a->objectName() + item->objectName()));
            QVERIFY(w.ToolBar->rect().contains(item->geometry()));
        }
        auto* overflow = w.ToolBar->findChild<QToolButton*>("qt_toolbar_ext_button");
        QVERIFY(!overflow || !overflow->isVisible());

        QStyleOptionComboBox option;
        option.initFrom(voices);
        option.currentText = name;
        option.currentIcon = voices->itemIcon(0);
        option.iconSize = voices->iconSize();
        const QRect field = voices->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                            QStyle::SC_ComboBoxEditField, voices);
        const int textRoom = field.width() - voices->iconSize().width() - 4;
        QVERIFY2(textRoom >= voices->fontMetrics().horizontalAdvance(name),
                 qPrintable(QString::number(textRoom)));
        // The full name is in the tooltip, for the longer ones that are cut.
        QVERIFY(voices->toolTip().contains(name));
        QVERIFY(voices->toolTip().startsWith("Select Voice."));
        QVERIFY(voices->statusTip().startsWith("Select Voice."));
    }

    void narrowToolBarKeepsTheVoicePanelWhole() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int width : {340, 450, 800}) {
            w.resize(width, 402);
            QTRY_COMPARE(w.ToolBar->width(), width - 23);
            QCoreApplication::processEvents();
            if (w.PanelVoice->isVisible()) // either whole, or in the overflow menu
                QVERIFY(w.PanelVoice->width() >= 150);
            QVERIFY(w.ToolButtonTTX->isVisible());
        }
    }

    // At the smallest size the frame is whole, the menu bar and the status bar are shown whole
    // and nothing is painted over them: the editor gives way and the tool bar is cut.
    void smallestSize() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(300, 100);
        QTRY_COMPARE(w.size(), QSize(340, 120));
        QCOMPARE(w.PanelKoBottom->geometry(), QRect(0, 108, 340, 12));
        QWidget* client = w.PanelKoClient;
        QCOMPARE(client->geometry(), QRect(10, 49, 317, 59));
        const QRect band = w.CoolBar1->geometry();
        const QRect menus(w.MainMenus->mapTo(client, QPoint()), w.MainMenus->size());
        QCOMPARE(menus, QRect(0, 0, 317, 23));
        QVERIFY(band.contains(menus));
        const QRect status = w.PanelBottom->geometry();
        QCOMPARE(status, QRect(0, 40, 317, 19));
        QVERIFY(!status.intersects(band));
        QVERIFY(!w.TabControl1Panel->isVisible() || w.TabControl1Panel->height() == 0 ||
                !w.TabControl1Panel->geometry().intersects(menus));
        // Back at the default size everything is in its place again.
        w.resize(603, 402);
        QTRY_COMPARE(w.PanelKoClient->height(), 402 - 61);
        QCOMPARE(w.CoolBar1->height(), 23 + 54);
        QVERIFY(w.TabControl1Panel->height() > 200);
    }

    // From the editor the keyboard goes on to the tool bar's controls, each with a ring in the
    // highlight colour around it while it has the focus; the editor has none.
    void focusRingOnTheToolBar() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* ring = w.findChild<QFocusFrame*>("FocusRing");
        QVERIFY(ring);
        QVERIFY(!ring->isVisible());
        QTest::keyClick(w.Memo1, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), w.ToolButtonTTX);
        const QColor highlight = w.palette().color(QPalette::Highlight);
        for (QWidget* control :
             {(QWidget*)w.ToolButtonTTX, (QWidget*)w.ComboBoxExEngines, (QWidget*)w.TrackBarVol}) {
            QTRY_COMPARE(ring->widget(), control);
            QVERIFY(ring->isVisible());
            const QRect around = ring->geometry();
            QVERIFY(around.contains(control->geometry().translated(
                control->parentWidget()->mapTo(ring->parentWidget(), QPoint()))));
            // The ring's outline in the highlight colour, where its band shows it (the band
            // cuts off a side of the ring round the first control, at its edge).
            const QImage shot = w.grab().toImage();
            QWidget* band = ring->parentWidget();
            const QRect shown = QRect(band->mapTo(&w, QPoint()), band->size());
            const QRect outline(band->mapTo(&w, around.topLeft()), around.size());
            int inside = 0, lit = 0;
            for (int x = outline.left(); x <= outline.right(); ++x)
                for (int y : {outline.top(), outline.bottom()})
                    if (shown.contains(x, y) && ++inside && QColor(shot.pixel(x, y)) == highlight)
                        ++lit;
            for (int y = outline.top(); y <= outline.bottom(); ++y)
                for (int x : {outline.left(), outline.right()})
                    if (shown.contains(x, y) && ++inside && QColor(shot.pixel(x, y)) == highlight)
                        ++lit;
            QVERIFY2(inside > 0 && lit * 10 >= inside * 9,
                     qPrintable(QString("%1 of %2").arg(lit).arg(inside)));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        w.Memo1->setFocus();
        QTRY_VERIFY(!ring->isVisible());
    }

    // The menus are a menu bar: Alt with a menu's letter opens it, Right and Left go on to the
    // next and previous menu, every item has a letter of its own in its menu, Escape closes.
    void menuBarFromTheKeyboard() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w.MainMenus);
        QCOMPARE(bar->role(), QAccessible::MenuBar);
        QStringList names;
        for (int i = 0; i < bar->childCount(); ++i) {
            QCOMPARE(bar->child(i)->role(), QAccessible::MenuItem);
            names << bar->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(names, QStringList({"File", "Edit", "Search", "Playback", "Tools", "Help"}));
        const QList<QMenu*> menus = {w.MainMenu1.File,     w.MainMenu1.Edit,  w.MainMenu1.Search,
                                     w.MainMenu1.Playback, w.MainMenu1.Tools, w.MainMenu1.Help};
        w.activateWindow();
        w.Memo1->setFocus();
        QTest::keyClick(w.Memo1, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(menus[0]->isVisible());
        for (int i = 1; i < menus.size(); ++i) {
            QTest::keyClick(menus[i - 1], Qt::Key_Right);
            QTRY_VERIFY2(menus[i]->isVisible(), qPrintable(menus[i]->objectName()));
            QVERIFY(!menus[i - 1]->isVisible());
        }
        QTest::keyClick(menus.last(), Qt::Key_Left);
        QTRY_VERIFY(menus[4]->isVisible());
        QTest::keyClick(menus[4], Qt::Key_Escape);
        QTRY_VERIFY(!menus[4]->isVisible());
        // Every menu has had its letters given as it opened: none twice, and an item goes
        // without only when every letter of its text is another item's ("Prev" in Playback).
        for (QMenu* menu : menus) {
            const QStringList letters = MnemonicsOf(menu);
            for (QAction* a : menu->actions()) {
                if (a->isSeparator() || !QKeySequence::mnemonic(a->text()).isEmpty())
                    continue;
                for (QChar c : a->text().toLower())
                    QVERIFY2(!c.isLetterOrNumber() || letters.contains(QString("alt+") + c),
                             qPrintable(a->text()));
            }
            QStringList given = letters;
            given.removeAll(QString());
            QCOMPARE(QSet<QString>(given.begin(), given.end()).size(), given.size());
        }
        // A letter chooses its item: Alt+E, then "a" for Select All.
        w.Memo1->setPlainText(QStringLiteral("some words"));
        QTest::keyClick(w.Memo1, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(menus[1]->isVisible());
        QCOMPARE(QKeySequence::mnemonic(w.ActionEditSelectAll->text()).toString(),
                 QString("Alt+S"));
        QTest::keyClick(menus[1], Qt::Key_S);
        QTRY_VERIFY(!menus[1]->isVisible());
        QTRY_COMPARE(w.Memo1->textCursor().selectedText(), QString("some words"));
        // Elsewhere the command reads without its letter.
        QCOMPARE(koframe::WithoutMnemonics(w.ActionEditSelectAll->text()), QString("Select All"));
    }

    // The status panel is the window's status bar for a screen reader, named by what it says
    // (that it tells the reader of each change is seen over the accessibility bus).
    void statusPanelIsAStatusBar() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(w.PanelStatus);
        QCOMPARE(panel->role(), QAccessible::StatusBar);
        QStatusTipEvent status("Open document(s)");
        QApplication::sendEvent(&w, &status);
        QCOMPARE(panel->text(QAccessible::Name), QString("Open document(s)"));
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
