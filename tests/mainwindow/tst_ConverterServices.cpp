// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the desktop services it is handed: global keys run their commands, the
// device volume is kept once at the end, and the manual, the web pages and the folders open
// through the desktop.
#include "Converter.h"
#include "FakeServices.h"
#include "Global.h"
#include "MessageCapture.h"
#include "TestSupport.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSlider>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using settings::Playlist;
using settings::Settings;

class TestConverterServices : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    QString AppDir() const { return FDir->path() + "/"; }

    void WriteConfig(const QByteArray& ini) {
        testsupport::WriteBytes(AppDir() + "config.ini", ini);
    }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        QVERIFY(QDir().mkpath(AppDir() + "txt"));
    }

    // The commands marked global get their stored keys from the desktop; a press runs every
    // global command with that key, in command order, as its menu item would (not while it is
    // disabled); a key held elsewhere keeps its mark and is named in one note; the end frees
    // every key.
    void globalKeys() {
        Messages m;
        WriteConfig("[HotkeyList]\r\n0=^alt+n\r\n7=Ctrl+Alt+N\r\n10=\r\n"
                    "[GlobalHotkeyIDList]\r\n0=1\r\n7=1\r\n10=1\r\n");
        fake::TServices f;
        const QKeyCombination clipboardKey(
            Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, Qt::Key_C);
        f.Hotkeys->Refused << clipboardKey;
        {
            TFormCvt w(AppDir(), f.Bundle());
            // The Linux defaults and the two stored ones (New and Move to First share a key).
            QList<QKeyCombination> keys = f.Hotkeys->Keys.values();
            const QKeyCombination ctrlAltN(Qt::ControlModifier | Qt::AltModifier, Qt::Key_N);
            QCOMPARE(keys.count(ctrlAltN), 1);
            QCOMPARE(int(keys.size()),
                     5); // Read Aloud, Pause, Stop, Read Selection; Read Clipboard refused
            QCOMPARE(settings::GlobalHotkeyIDList[0], settings::GlobalHotkeyIDList[7]);
            QVERIFY(settings::GlobalHotkeyIDList[24] != 0);
            QCOMPARE(settings::GlobalHotkeyIDList[10], 0); // global without a key: not global
            QCOMPARE(w.ActionFileNew->shortcut(), QKeySequence(ctrlAltN));

            w.show();
            // The note comes once the window is on the screen.
            QMessageBox* note = nullptr;
            QTRY_VERIFY((note = w.findChild<QMessageBox*>("HotkeyNote")) && note->isVisible());
            QVERIFY(!note->isModal());
            QVERIFY(note->text().contains("\"Read Clipboard\" (Shift+Ctrl+Alt+C)"));
            delete note;

            f.Hotkeys->Press(
                QKeyCombination(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier,
                                Qt::Key_S)); // Stop, with nothing to stop
            QCOMPARE(int(Playlist.size()), 3);
            f.Hotkeys->Press(ctrlAltN); // New, then Move to First
            QCOMPARE(int(Playlist.size()), 4);
            QVERIFY(Playlist[0].endsWith("/untitled1.txt"));
            QCOMPARE(w.TabControl1->currentIndex(), 0);
            f.Hotkeys->Press(QKeyCombination(Qt::Key_F13)); // nobody's key
            QCOMPARE(int(Playlist.size()), 4);

            w.FormDestroy();
            QVERIFY(f.Hotkeys->Keys.isEmpty());
        }
        // The marks are saved as global, whatever identifiers they had.
        const QString ini = QString::fromUtf8(testsupport::ReadBytes(AppDir() + "config.ini"));
        QVERIFY(ini.contains("0=^alt+n")); // a stored text is kept as the user wrote it
        QVERIFY(!ini.contains(QRegularExpression("\\[GlobalHotkeyIDList\\][^\\[]*\\b24=0")));
    }

    // Where the session has no global keys, one note says so plainly; what remembers it stays
    // in the program folder of a portable program.
    void noGlobalKeysInThisSession() {
        Messages m;
        const QString userFolder =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/nurva";
        QFile::remove(AppDir() + "no-global-hotkeys-noted");
        fake::TServices f;
        f.Hotkeys->IsAvailable = false;
        TFormCvt w(AppDir(), f.Bundle());
        w.show();
        QMessageBox* note = nullptr;
        QTRY_VERIFY((note = w.findChild<QMessageBox*>("HotkeyNote")));
        QVERIFY(note->text().startsWith("Global hotkeys need an X11 session here."));
        QVERIFY(m.texts.isEmpty()); // nothing modal
        w.FormDestroy();
        TFormCvt again(AppDir(), f.Bundle()); // the next start says it no more
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTest::qWait(50);
        QVERIFY(!again.findChild<QMessageBox*>("HotkeyNote"));
        QVERIFY(QFile::exists(AppDir() + "no-global-hotkeys-noted"));
        QVERIFY(!QFile::exists(userFolder));
    }

    // The slider sets the device volume at once; the value is kept once, at the end.
    void volumeIsKeptOnceAtTheEnd() {
        Messages m;
        fake::TServices f;
        f.Volume->Value = 0x80008000u;
        {
            TFormCvt w(AppDir(), f.Bundle());
            QCOMPARE(w.TrackBarVol->value(), 0x8000);
            for (int v : {1000, 2000, 30000})
                w.TrackBarVol->setValue(v);
            QCOMPARE(f.Volume->Value, 30000u | (30000u << 16));
            QVERIFY(f.Volume->Saved.isEmpty());
        }
        QCOMPARE(f.Volume->Saved, QList<std::uint32_t>({30000u | (30000u << 16)}));
    }

    void helpAndFoldersOpenThroughTheDesktop() {
        Messages m;
        fake::TServices f;
        TFormCvt w(AppDir(), f.Bundle());
        for (QAction* a : {w.ActionHelp, w.ActionHelpHomePage, w.ActionHelpContact,
                           w.ActionToolsBrowseTxt, w.ActionToolsBrowseWav, w.ActionToolsBrowseMp3})
            a->trigger();
        QCOMPARE(f.Desktop->Opened,
                 QStringList({AppDir() + "help.html", "https://nurva.example.org/",
                              "mailto:support@nurva.example.org", Settings.DefTxtPath,
                              Settings.DefWavPath, Settings.DefMp3Path}));
        QVERIFY(Settings.DefWavPath.startsWith(AppDir()));
    }
};

QTEST_MAIN(TestConverterServices)
#include "tst_ConverterServices.moc"
