// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog against the settings, without a screen: what opening it does to them, and
// what its controls write and hand to the main window.
#include "../mainwindow/MessageCapture.h"
#include "Accessible.h"
#include "AlarmLogic.h"
#include "FakeServices.h"
#include "Global.h"
#include "Hotkeys.h"
#include "Option.h"
#include "OptionControls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFocusEvent>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QToolButton>
#include <QtTest>

using namespace settings;

namespace {

// What the dialog asked of the main window.
struct THostLog {
    int TabChanges = 0;
    int Folders = 0;
    QList<bool> Tray;
    QList<bool> Timer;
};

// The user picks item `index` of a list.
void Pick(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace

class TestOption : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    std::array<QAction*, HotkeyCount> FActions{};
    THostLog FLog;

    std::unique_ptr<TFormOption> Open(const std::function<void()>& tweak = {}) {
        LoadDefaultSettings(FDir.path() + "/");
        ReminderList.clear();
        for (int n = 0; n < HotkeyCount; ++n)
            FActions[n]->setShortcut(ShortCutToKey(TextToShortCut(HotkeyList[n])));
        if (tweak)
            tweak();
        FLog = {};
        options::TOptionsHost host;
        host.ActionList1 = FActions;
        host.TabControl1Change = [this] { ++FLog.TabChanges; };
        host.ApplyFileDialogFolders = [this] { ++FLog.Folders; };
        host.SetTrayActive = [this](bool on) { FLog.Tray << on; };
        host.SetTimerAandR = [this](bool on) { FLog.Timer << on; };
        auto dialog = std::make_unique<TFormOption>(host);
        dialog->show();
        return dialog;
    }

private slots:
    void initTestCase() {
        for (int n = 0; n < HotkeyCount; ++n)
            FActions[n] = new QAction(QStringLiteral("Command %1").arg(n), this);
    }

    // Every control of every page has a name a screen reader can say.
    void accessibleNames() {
        const auto dialog = Open();
        const QStringList unnamed = testsupport::UnnamedControls(dialog.get());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

    // The check boxes start checked and the settings turn them off: their handlers run.
    void openingRules() {
        auto d = Open([] {
            Settings.Tray = false;
            Settings.MiniToTray = true;
            Settings.MiniStartup = true;
            Settings.Repeat = false;
            Settings.ShortPau = 20;
            Settings.LongPau = 0;
            Settings.IgnoreLen = 123456;
            Settings.RealTime = 3000;
            Settings.KHZ = QStringLiteral("44.1");
            Settings.KBPS = QStringLiteral("nonsense");
            Settings.LastOptionPage = 9;
            Settings.Reminder = true;
        });
        QCOMPARE(FLog.Tray, QList<bool>{false});
        QVERIFY(!Settings.MiniToTray && !Settings.MiniStartup);
        QVERIFY(!d->CheckBoxMiniToTray->isEnabled() && !d->CheckBoxMiniStartup->isEnabled());
        QCOMPARE(FLog.TabChanges, 1);
        QCOMPARE(FLog.Timer, QList<bool>{true});
        QVERIFY(d->GroupBoxReminder->isEnabled() && !d->GroupBoxAlarm->isEnabled());
        // Numbers out of range come into it, and go back into the settings at once.
        QCOMPARE(Settings.ShortPau, 9);
        QCOMPARE(Settings.LongPau, 1);
        QCOMPARE(d->seShortPau->Value(), 9);
        QCOMPARE(Settings.IgnoreLen, 123456); // a field without range
        QCOMPARE(d->ComboBoxRealTime->currentIndex(), -1);
        QCOMPARE(Settings.RealTime, 3000);
        QCOMPARE(d->ComboBoxKHZ->currentText(), QStringLiteral("44.1"));
        QCOMPARE(d->ComboBoxKBPS->currentIndex(), -1);
        QCOMPARE(d->ActivePage(), -1);
        QCOMPARE(Settings.LastOptionPage, 9);
        d->PageControl1->setCurrentIndex(2);
        QCOMPARE(d->ActivePage(), 2);
        QCOMPARE(Settings.LastOptionPage, 2);
        // The tray back on frees the two boxes.
        d->CheckBoxTray->click();
        QCOMPARE(FLog.Tray, (QList<bool>{false, true}));
        QVERIFY(d->CheckBoxMiniToTray->isEnabled());
        d->close();
        QVERIFY(!QFile::exists(FDir.path() + "/config.ini"));

        // The same settings the other way round run nothing.
        auto quiet = Open([] {
            Settings.Repeat = true;
            Settings.LastOptionPage = 4;
        });
        QCOMPARE(FLog.Tray, QList<bool>{});
        QCOMPARE(FLog.TabChanges, 0);
        QCOMPARE(quiet->ActivePage(), 4);
        QCOMPARE(quiet->ComboBoxRealTime->currentText(), QStringLiteral("8 X"));
    }

    // The box shows whether "Read Aloud" is there; unchecked at opening it removes the others.
    void fileManagerCommands() {
        using platform::TShellVerb;
        auto shell = std::make_shared<fake::TShellCommands>();
        platform::TServices services = platform::SystemServices();
        services.ShellCommands = shell;
        platform::SetServices(services);
        shell->Verbs = {TShellVerb::ReadToWav, TShellVerb::ReadToMp3};
        auto d = Open();
        QVERIFY(!d->CheckBoxContext->isChecked());
        QVERIFY(shell->Verbs.empty());
        d->CheckBoxContext->click();
        QCOMPARE(shell->Verbs.size(), std::size_t(3));
        d->close();
        auto again = Open();
        QVERIFY(again->CheckBoxContext->isChecked());
        QCOMPARE(shell->Verbs.size(), std::size_t(3));
        platform::SetServices(platform::SystemServices());
    }

    void mp3Pairs() {
        Messages m;
        auto d = Open(); // 22.05 kHz, 128 kbps
        Pick(d->ComboBoxKBPS, d->ComboBoxKBPS->findText("320"));
        QCOMPARE(m.texts, QStringList{"Only for 32KHZ~48KHZ Mode."});
        QCOMPARE(m.flags, QList<int>{KoUtils::MB_ICONINFORMATION});
        QCOMPARE(Settings.KBPS, QStringLiteral("128"));
        QCOMPARE(d->ComboBoxKBPS->currentText(), QStringLiteral("128"));
        Pick(d->ComboBoxKBPS, d->ComboBoxKBPS->findText("144"));
        QCOMPARE(Settings.KBPS, QStringLiteral("144"));

        Pick(d->ComboBoxKHZ, d->ComboBoxKHZ->findText("44.1"));
        QCOMPARE(Settings.KHZ, QStringLiteral("44.1"));
        QCOMPARE(Settings.KBPS, QStringLiteral("128")); // any new frequency resets the rate
        m.texts.clear();
        Pick(d->ComboBoxKBPS, d->ComboBoxKBPS->findText("144"));
        QCOMPARE(m.texts, QStringList{"Only for 8KHZ~24KHZ Mode."});
        QCOMPARE(Settings.KBPS, QStringLiteral("128"));
        Pick(d->ComboBoxKBPS, d->ComboBoxKBPS->findText("320"));
        QCOMPARE(Settings.KBPS, QStringLiteral("320"));

        // The keys step over the rates the frequency refuses: every allowed one is reached,
        // and nothing is refused on the way.
        auto key = [&](Qt::Key k) {
            QTest::keyClick(d->ComboBoxKBPS, k);
            return Settings.KBPS;
        };
        m.texts.clear();
        Pick(d->ComboBoxKBPS, d->ComboBoxKBPS->findText("128"));
        QCOMPARE(key(Qt::Key_Down), QStringLiteral("160"));
        QCOMPARE(key(Qt::Key_PageDown), QStringLiteral("192"));
        QCOMPARE(key(Qt::Key_Up), QStringLiteral("160"));
        QCOMPARE(key(Qt::Key_Up), QStringLiteral("128"));
        QCOMPARE(key(Qt::Key_End), QStringLiteral("320"));
        QCOMPARE(key(Qt::Key_Down), QStringLiteral("320"));
        QCOMPARE(key(Qt::Key_Home), QStringLiteral("32"));
        Pick(d->ComboBoxKHZ, d->ComboBoxKHZ->findText("22.05"));
        QCOMPARE(key(Qt::Key_Down), QStringLiteral("144"));
        QCOMPARE(key(Qt::Key_Down), QStringLiteral("160"));
        QCOMPARE(key(Qt::Key_Down), QStringLiteral("160"));
        QCOMPARE(key(Qt::Key_Home), QStringLiteral("8"));
        QVERIFY(m.texts.isEmpty());

        Pick(d->ComboBoxRealTime, d->ComboBoxRealTime->findText("32 X"));
        QCOMPARE(Settings.RealTime, 32 * 256);
        // "Max" sets no pace: the file destination gets 0, and the dialog shows it again.
        Pick(d->ComboBoxRealTime, d->ComboBoxRealTime->findText("Max"));
        QCOMPARE(Settings.RealTime & 0xFFFF, 0);
        QVERIFY(Settings.RealTime != 0);
        const int max = Settings.RealTime;
        d.reset();
        QCOMPARE(Open([max] { Settings.RealTime = max; })->ComboBoxRealTime->currentText(),
                 QStringLiteral("Max"));
    }

    // The compressed format and the subtitles are written at once; MP3 and no subtitles by
    // default, and a stored value the dialog does not know shows as MP3.
    void formatAndSubtitles() {
        {
            auto d = Open();
            auto* format = d->findChild<QComboBox*>("ComboBoxFormat");
            auto* subtitles = d->findChild<QCheckBox*>("CheckBoxSubtitles");
            auto* kind = d->findChild<QComboBox*>("ComboBoxSubtitles");
            QVERIFY(format && subtitles && kind);
            QCOMPARE(format->currentText(), QStringLiteral("MP3"));
            QVERIFY(!subtitles->isChecked() && !kind->isEnabled());
            Pick(format, format->findText("Ogg Opus"));
            QCOMPARE(Settings.Format, QStringLiteral("opus"));
            subtitles->click();
            QVERIFY(Settings.Subtitles && kind->isEnabled());
            Pick(kind, kind->findText("LRC"));
            QCOMPARE(Settings.SubtitleFormat, QStringLiteral("lrc"));
            // No chapters by default; the minutes only count once chapters are asked for.
            auto* chapters = d->findChild<QComboBox*>("ComboBoxChapters");
            auto* minutes = d->findChild<QSpinBox*>("SpinEditChapterMinutes");
            QVERIFY(chapters && minutes);
            QCOMPARE(chapters->currentText(), QStringLiteral("None"));
            QVERIFY(!minutes->isEnabled());
            Pick(chapters, chapters->findText("File per chapter"));
            QCOMPARE(Settings.Chapters, QStringLiteral("split"));
            QVERIFY(minutes->isEnabled());
            minutes->setValue(30);
            QCOMPARE(Settings.ChapterMinutes, 30);
        }
        auto d = Open([] {
            Settings.Format = QStringLiteral("FLAC");
            Settings.SubtitleFormat = QStringLiteral("vtt");
            Settings.Chapters = QStringLiteral("split");
            Settings.ChapterMinutes = 30;
        });
        QCOMPARE(d->findChild<QComboBox*>("ComboBoxFormat")->currentText(), QStringLiteral("FLAC"));
        QCOMPARE(d->findChild<QComboBox*>("ComboBoxSubtitles")->currentText(),
                 QStringLiteral("VTT"));
        QCOMPARE(d->findChild<QComboBox*>("ComboBoxChapters")->currentText(),
                 QStringLiteral("File per chapter"));
        QCOMPARE(d->findChild<QSpinBox*>("SpinEditChapterMinutes")->value(), 30);
        auto odd = Open([] { Settings.Format = QStringLiteral("wma"); });
        QCOMPARE(odd->findChild<QComboBox*>("ComboBoxFormat")->currentText(),
                 QStringLiteral("MP3"));
    }

    // A typed number stands until the field is left; a text that is not a number is the
    // minimum.
    void spinFields() {
        auto d = Open();
        QLineEdit* text = d->seSpd->findChild<QLineEdit*>();
        text->setText("20");
        QCOMPARE(Settings.DefSpd, 20);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(d->seSpd, &out);
        QCOMPARE(d->seSpd->Value(), 50);
        QCOMPARE(Settings.DefSpd, 50);
        text->setText("");
        QCOMPARE(Settings.DefSpd, 50);
        d->seSpd->stepBy(1000);
        QCOMPARE(Settings.DefSpd, 500);
    }

    // In every number field, typed into and left as a user does: what the field shows once
    // left is what its setting holds, after a number in range, one out of it, and an emptied
    // field.
    void spinFieldShowsWhatItHolds() {
        auto d = Open([] { Settings.Alarm = true; });
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        const struct {
            options::TSpinEdit* Field;
            int Page;
            const std::int32_t* Setting;
        } fields[] = {{d->seShortPau, 2, &Settings.ShortPau},
                      {d->seLongPau, 2, &Settings.LongPau},
                      {d->seVol, 2, &Settings.DefVol},
                      {d->seSpd, 2, &Settings.DefSpd},
                      {d->sePit, 2, &Settings.DefPit},
                      {d->SpinEditIgnoreLen, 4, &Settings.IgnoreLen},
                      {d->SpinEditPromptDelay, 4, &Settings.PromptDelay},
                      {d->SpinEditAlarmInterval, 5, &Settings.AlarmInterval}};
        for (const auto& f : fields) {
            const QString name = f.Field->objectName();
            d->PageControl1->setCurrentIndex(f.Page);
            QLineEdit* text = f.Field->findChild<QLineEdit*>();
            auto type = [&](const QString& keys) {
                f.Field->setFocus(Qt::MouseFocusReason);
                QVERIFY2(f.Field->hasFocus(), qPrintable(name));
                QTest::keyClick(f.Field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(f.Field, Qt::Key_Backspace);
                QTest::keyClicks(f.Field, keys);
                d->ButtonOK->setFocus(Qt::TabFocusReason); // the field is left
                QVERIFY2(!f.Field->hasFocus(), qPrintable(name));
            };
            const bool ranged = f.Field->MinValue() != 0 || f.Field->MaxValue() != 0;
            const int min = f.Field->MinValue();
            const int inside = ranged ? f.Field->MaxValue() - 1 : 40000; // not the minimum
            type(QString::number(inside));
            QCOMPARE(text->text(), QString::number(inside));
            QCOMPARE(*f.Setting, inside);
            type("");
            QVERIFY2(text->text() == QString::number(*f.Setting),
                     qPrintable(name + ": shows " + text->text() + ", holds " +
                                QString::number(*f.Setting)));
            QCOMPARE(*f.Setting, min);
            if (ranged) {
                type(QString::number(f.Field->MaxValue() + 5));
                QCOMPARE(text->text(), QString::number(f.Field->MaxValue()));
                QCOMPARE(*f.Setting, f.Field->MaxValue());
            }
            // The arrows step from what an emptied field counts as.
            f.Field->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(f.Field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(f.Field, Qt::Key_Backspace);
            QTest::keyClick(f.Field, Qt::Key_Up);
            QCOMPARE(*f.Setting, ranged ? min + 1 : 1);
            QCOMPARE(text->text(), QString::number(*f.Setting));
        }
    }

    // Every control of every page is reached with Tab, and Tab comes round again: no control
    // keeps it.
    void tabReachesEveryControl() {
        auto d = Open([] {
            Settings.Alarm = true;
            Settings.Reminder = true;
            ReminderList = {desktop::ReminderKey(QDateTime(QDate(2030, 1, 2), QTime(3, 4))) + "=a",
                            desktop::ReminderKey(QDateTime(QDate(2030, 1, 3), QTime(3, 4))) + "=b"};
        });
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        auto focusTarget = [](QWidget* w) {
            while (w->focusProxy())
                w = w->focusProxy();
            return w;
        };
        QWidget* pages[] = {d->TabSheetGeneral, d->TabSheetConvert,   d->TabSheetProsody,
                            d->TabSheetMisc,    d->TabSheetClipboard, d->TabSheet1,
                            d->TabSheet2};
        for (int page = 0; page < 7; ++page) {
            d->PageControl1->setCurrentIndex(page);
            d->PageControl1->setFocus(Qt::TabFocusReason);
            QSet<QWidget*> seen;
            bool round = false;
            for (int i = 0; i < 60 && !round; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen << QApplication::focusWidget();
                round = QApplication::focusWidget() == d->PageControl1;
            }
            QVERIFY2(round, qPrintable(QString("Tab stays in %1 on page %2")
                                           .arg(QApplication::focusWidget()->objectName())
                                           .arg(page)));
            QList<QWidget*> controls = pages[page]->findChildren<QWidget*>();
            controls << d->ButtonOK;
            for (QWidget* w : controls)
                if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                    QVERIFY2(seen.contains(focusTarget(w)),
                             qPrintable(w->objectName() + " is never reached with Tab"));
        }
    }

    // The dialog's own keys: Escape closes it, Ctrl+Tab and Ctrl+PageDown change its pages
    // round, the mnemonics reach their controls, the key field takes what is pressed in it.
    void dialogKeys() {
        auto d = Open([] { Settings.LastOptionPage = 6; });
        bool closed = false;
        QTimer::singleShot(0, [&] {
            // A failed check leaves the lambda: the dialog closes all the same.
            auto done = qScopeGuard([&] { d->close(); });
            QVERIFY(QTest::qWaitForWindowActive(d.get()));
            auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
                QTest::keyClick(QApplication::focusWidget(), key, mods);
            };
            QCOMPARE(d->ActivePage(), 6);
            press(Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(d->ActivePage(), 0);
            QCOMPARE(Settings.LastOptionPage, 0);
            press(Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(d->ActivePage(), 1);
            press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(d->ActivePage(), 0);
            press(Qt::Key_PageUp, Qt::ControlModifier);
            QCOMPARE(d->ActivePage(), 6);
            // The page keys work from inside a page's controls too.
            d->PageControl1->setCurrentIndex(4);
            d->ComboBoxDefAction->setFocus();
            press(Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(d->ActivePage(), 5);

            d->PageControl1->setCurrentIndex(0);
            const bool repeat = Settings.Repeat;
            press(Qt::Key_R, Qt::AltModifier);
            QTRY_COMPARE(Settings.Repeat, !repeat); // a mnemonic clicks a moment later
            d->PageControl1->setCurrentIndex(2);
            press(Qt::Key_V, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), d->seVol);

            d->PageControl1->setCurrentIndex(3);
            d->HotKey1->setFocus();
            press(Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(d->ActivePage(), 3);
            QCOMPARE(d->HotKey1->text(), QStringLiteral("Ctrl+PgDn"));
            press(Qt::Key_K, Qt::AltModifier);
            QCOMPARE(d->HotKey1->text(), QStringLiteral("Alt+K"));
            QVERIFY(QApplication::focusWidget() == d->HotKey1);

            press(Qt::Key_Escape);
            closed = !d->isVisible();
        });
        d->hide();
        d->ShowModal();
        QVERIFY(closed);
    }

    // Every check box and push button of a page, and every label of a field, has a mnemonic
    // of its own on that page.
    void mnemonics() {
        auto d = Open();
        QWidget* pages[] = {d->TabSheetGeneral, d->TabSheetConvert,   d->TabSheetProsody,
                            d->TabSheetMisc,    d->TabSheetClipboard, d->TabSheet1,
                            d->TabSheet2};
        for (QWidget* page : pages) {
            QMap<QChar, QString> keys;
            auto take = [&](const QString& caption, const QString& what) {
                const int at = caption.indexOf('&');
                QVERIFY2(at >= 0 && at + 1 < caption.size(), qPrintable(what + " has no mnemonic"));
                const QChar key = caption[at + 1].toLower();
                QVERIFY2(!keys.contains(key),
                         qPrintable(what + " and " + keys.value(key) + " share " + key));
                keys[key] = what;
            };
            for (auto* b : page->findChildren<QAbstractButton*>())
                if (qobject_cast<QCheckBox*>(b) || qobject_cast<QPushButton*>(b))
                    take(b->text(), b->objectName());
            for (auto* l : page->findChildren<QLabel*>())
                if (l->buddy())
                    take(l->text(), l->text());
            for (auto* g : page->findChildren<QGroupBox*>())
                if (g->title().contains('&'))
                    take(g->title(), g->title());
            for (auto* field : page->findChildren<QWidget*>()) {
                // The folders' "..." buttons take their label's key; the hotkey list its
                // group's.
                const bool labelled = qobject_cast<QComboBox*>(field) ||
                                      qobject_cast<options::TSpinEdit*>(field) ||
                                      field == d->SpeedButton1 || field == d->SpeedButton2 ||
                                      field == d->SpeedButton3;
                // The prompt's delay follows its check box's caption.
                if (!labelled || field == d->ComboBoxHotkeys || field == d->SpinEditPromptDelay)
                    continue;
                bool found = false;
                for (auto* l : page->findChildren<QLabel*>())
                    found = found || l->buddy() == field;
                QVERIFY2(found, qPrintable(field->objectName() + " has no label with a mnemonic"));
            }
        }
    }

    // Set Font opens on the editor's font; a stored family that is not installed is shown as
    // the one the editor draws instead, and the dialog says so.
    void setFont() {
        QPlainTextEdit memo;
        LoadDefaultSettings(FDir.path() + "/");
        int applied = 0;
        options::TOptionsHost host;
        host.Memo1 = &memo;
        host.ApplyEditorSettings = [&] { ++applied; };
        TFormOption d(host);
        d.show();
        struct TSeen {
            QFont Font;
            QString Note;
        };
        auto open = [&](const QFont& editor) {
            memo.setFont(editor);
            TSeen seen;
            QTimer::singleShot(0, [&] {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* dialog = qobject_cast<QFontDialog*>(w);
                        dialog && dialog->isVisible()) {
                        seen.Font = dialog->currentFont();
                        if (auto* note = dialog->findChild<QLabel*>("FontNote"))
                            seen.Note = note->text();
                        dialog->accept();
                    }
            });
            d.Button4->click();
            return seen;
        };
        QFont stored("Courier New", 13);
        stored.setBold(true);
        const QString used = QFontInfo(stored).family();
        if (used == "Courier New")
            QSKIP("Courier New is installed here");
        const TSeen missing = open(stored);
        QCOMPARE(missing.Font.family(), used);
        QCOMPARE(missing.Font.pointSize(), 13);
        QVERIFY(missing.Font.bold());
        QVERIFY2(missing.Note.contains("\"Courier New\"") &&
                     missing.Note.contains(used.section(" [", 0, 0)),
                 qPrintable(missing.Note));
        QCOMPARE(Settings.MemoFontName, used);
        QCOMPARE(Settings.MemoFontSize, 13);
        QVERIFY(Settings.MemoFontBold);
        QCOMPARE(applied, 1);

        const TSeen installed = open(QFont("DejaVu Serif", 11));
        QCOMPARE(installed.Font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(installed.Font.pointSize(), 11);
        QCOMPARE(installed.Note, QString());
        QCOMPARE(Settings.MemoFontName, QStringLiteral("DejaVu Serif"));
    }

    void folders() {
        QCOMPARE(options::FolderFieldText("/"), QStringLiteral("/"));
        QCOMPARE(options::FolderFieldText("/home/a/"), QStringLiteral("/home/a"));
        QCOMPARE(options::FolderFieldText("/home/a"), QStringLiteral("/home/a"));
        auto d = Open();
        FLog.Folders = 0;
        d->EditTxt->setText(options::FolderFieldText("/"));
        QCOMPARE(Settings.DefTxtPath, QStringLiteral("/"));
        d->EditWav->setText("/srv/audio files");
        QCOMPARE(Settings.DefWavPath, QStringLiteral("/srv/audio files/"));
        QCOMPARE(FLog.Folders, 2);
        d->EditMp3->setText("");
        QCOMPARE(Settings.DefMp3Path, QString());
        QCOMPARE(FLog.Folders, 2);
    }

    void hotkeys() {
        Messages m;
        auto d = Open();
        QCOMPARE(d->ComboBoxHotkeys->count(), HotkeyCount);
        QCOMPARE(d->ComboBoxHotkeys->itemText(2), QStringLiteral("Command 2"));
        Pick(d->ComboBoxHotkeys, 2);
        QCOMPARE(d->HotKey1->text(), QStringLiteral("Ctrl+S"));

        // Another command's key is refused, and the field shows the command's own again.
        QTest::keyClick(d->HotKey1, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(d->HotKey1->text(), QStringLiteral("Ctrl+N"));
        d->Button2Click();
        QCOMPARE(m.texts, QStringList{"This Hotkey already exists!"});
        QCOMPARE(d->HotKey1->text(), QStringLiteral("Ctrl+S"));
        QCOMPARE(HotkeyList[2], QStringLiteral("Ctrl+S"));

        // Shift alone counts as no modifier.
        QTest::keyClick(d->HotKey1, Qt::Key_K, Qt::ShiftModifier);
        QCOMPARE(d->HotKey1->text(), QStringLiteral("K"));
        QTest::keyClick(d->HotKey1, Qt::Key_K, Qt::ShiftModifier | Qt::AltModifier);
        d->Button2Click();
        QCOMPARE(HotkeyList[2], QStringLiteral("Shift+Alt+K"));
        QCOMPARE(FActions[2]->shortcut(), QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_K));

        // Clearing a key needs no check; the global box goes with a key only.
        QTest::keyClick(d->HotKey1, Qt::Key_Backspace);
        d->Button2Click();
        QCOMPARE(HotkeyList[2], QString());
        d->ComboBoxHotkeysChange();
        QVERIFY(!d->CheckBoxGlobalHotkey->isEnabled());

        Pick(d->ComboBoxHotkeys, 0);
        QVERIFY(d->CheckBoxGlobalHotkey->isEnabled() && !d->CheckBoxGlobalHotkey->isChecked());
        d->CheckBoxGlobalHotkey->click();
        QVERIFY(GlobalHotkeyIDList[0] != 0);
        d->CheckBoxGlobalHotkey->click();
        QCOMPARE(GlobalHotkeyIDList[0], 0);
        Pick(d->ComboBoxHotkeys, 21);
        QVERIFY(d->CheckBoxGlobalHotkey->isChecked());

        m.texts.clear();
        d->Button3Click();
        QCOMPARE(m.texts, QStringList{"Are you sure?"});
        QCOMPARE(HotkeyList[2], QStringLiteral("Ctrl+S"));
        QCOMPARE(FActions[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(GlobalHotkeyIDList[21] != 0);
    }

    // Lines whose moment does not read in the current formats are shown and survive every
    // change of the list.
    void reminders() {
        Messages m;
        const QDateTime when(QDate(2030, 5, 6), QTime(7, 8, 9));
        const QString good = desktop::ReminderKey(when) + "=Water the plants";
        auto d = Open([&] {
            Settings.Reminder = true;
            ReminderList = {"zz garbage=kept as it is", good, "no equals sign"};
        });
        QTableView* list = d->ListViewReminderList;
        const QAbstractItemModel* rows = list->model();
        auto cell = [rows](int r, int c) { return rows->index(r, c).data().toString(); };
        QCOMPARE(rows->rowCount(), 3);
        QStringList messages;
        for (int r = 0; r < 3; ++r)
            messages << cell(r, 2);
        QVERIFY(messages.contains("Water the plants"));
        QVERIFY(messages.contains("kept as it is"));

        d->DatePicker->setDate(QDate(2031, 1, 2));
        d->TimePicker->setTime(QTime(10, 11, 12));
        d->MemoReminder->setPlainText("two\nlines");
        d->Button1Click();
        QCOMPARE(rows->rowCount(), 4);
        QCOMPARE(ReminderList.size(), 4);
        QVERIFY(ReminderList.contains("zz garbage=kept as it is"));
        QVERIFY(ReminderList.contains(good));
        QVERIFY(ReminderList.contains(
            desktop::ReminderKey(QDateTime(QDate(2031, 1, 2), QTime(10, 11, 12))) + "=two\nlines"));
        QVERIFY(std::any_of(ReminderList.begin(), ReminderList.end(),
                            [](const QString& l) { return l.startsWith("no equals sign"); }));

        // Selecting a row loads the editor; the unreadable one says so and loads nothing.
        int goodRow = -1, badRow = -1;
        for (int r = 0; r < rows->rowCount(); ++r) {
            if (cell(r, 2) == "Water the plants")
                goodRow = r;
            if (cell(r, 2) == "kept as it is")
                badRow = r;
        }
        // The unreadable moment is shown as written, in red.
        QVERIFY(cell(badRow, 0).startsWith("zz"));
        QCOMPARE(rows->index(badRow, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(Qt::red));
        QVERIFY(!rows->index(goodRow, 0).data(Qt::ForegroundRole).isValid());
        list->selectRow(goodRow);
        QCOMPARE(d->DatePicker->date(), when.date());
        QCOMPARE(d->TimePicker->time(), when.time());
        QCOMPARE(d->MemoReminder->toPlainText(), QStringLiteral("Water the plants"));
        QVERIFY(m.texts.isEmpty());
        list->selectRow(badRow);
        QCOMPARE(m.texts.size(), 1);
        QCOMPARE(m.flags, QList<int>{KoUtils::MB_ICONERROR});
        QCOMPARE(d->MemoReminder->toPlainText(), QStringLiteral("Water the plants"));

        d->MemoReminder->setPlainText("Feed the cat");
        list->selectRow(goodRow);
        d->MemoReminder->setPlainText("Feed the cat");
        d->Button6Click();
        QVERIFY(ReminderList.contains(desktop::ReminderKey(when) + "=Feed the cat"));
        QVERIFY(!ReminderList.contains(good));
        QCOMPARE(ReminderList.size(), 4);

        list->selectRow(0);
        d->ListViewReminderListDblClick();
        QCOMPARE(ReminderList.size(), 3);
        d->ButtonDelClick(); // nothing selected now
        QCOMPARE(ReminderList.size(), 3);

        // Reminders off stops the timer, the alarm still off.
        d->CheckBoxReminder->click();
        QCOMPARE(FLog.Timer.last(), false);
        QVERIFY(!Settings.Reminder && !d->GroupBoxReminder->isEnabled());
    }
};

QTEST_MAIN(TestOption)
#include "tst_Option.moc"
