// The main window and the desktop services it is handed: global keys run their commands, the
// device volume is kept once at the end, and the manual, the web pages and the folders open
// through the desktop.
#include "Converter.h"
#include "FakeServices.h"
#include "Global.h"
#include "MessageCapture.h"

#include <QAction>
#include <QDir>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using settings::Playlist;
using settings::Settings;

class TestConverterServices : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    QString AppDir() const { return FDir->path() + "/"; }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        QVERIFY(QDir().mkpath(AppDir() + "txt"));
    }

    // The commands marked global get their stored keys; a press runs the command as its menu
    // item would (not while it is disabled), and the end of the program frees every key.
    void globalKeysRunTheirCommands() {
        Messages m;
        fake::TServices f;
        f.Hotkeys->Refused << QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_F12);
        {
            TFormCvt w(AppDir(), f.Bundle());
            QList<int> global;
            for (int n = 0; n < int(settings::GlobalHotkeyIDList.size()); ++n)
                if (settings::GlobalHotkeyIDList[n] != 0)
                    global << n;
            QCOMPARE(global, QList<int>({21, 24, 27, 28})); // the defaults
            // Read Clipboard's key is held by another program: the others are taken all the
            // same, and the mark stays for the settings file.
            QCOMPARE(f.Hotkeys->Keys.keys(), QList<int>({21, 27, 28}));
            QCOMPARE(f.Hotkeys->Keys[21],
                     QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_F2));
            QVERIFY(settings::GlobalHotkeyIDList[24] != 0);

            QVERIFY(!w.ActionStop->isEnabled());
            f.Hotkeys->Press(28); // Stop with nothing to stop
            const int documents = int(Playlist.size());
            f.Hotkeys->Press(0); // New
            QCOMPARE(int(Playlist.size()), documents + 1);
            QCOMPARE(w.TabControl1->currentIndex(), documents);
            f.Hotkeys->Press(999); // not a command: nothing happens
            QCOMPARE(f.Hotkeys->Releases, 0);
            w.FormDestroy();
            QCOMPARE(f.Hotkeys->Releases, 1);
        }
        QCOMPARE(f.Hotkeys->Releases, 1); // once, however the window ends
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
