// SPDX-License-Identifier: GPL-3.0-or-later
// Shortcuts as the settings store them: the text form and its parser, the mapping onto Qt's
// keys, the identifiers of global registrations, and the options dialog's editing rules.
#include "FakeServices.h"
#include "Hotkeys.h"
#include "KoUtils.h"

#include <QtTest>

using namespace settings;

class TestHotkeys : public QObject {
    Q_OBJECT

private slots:
    void init() {
        for (std::size_t n = 0; n < HotkeyList.size(); ++n) {
            HotkeyList[n] = QString::fromLatin1(DefaultHotkeyList[n]);
            GlobalHotkeyIDList[n] = DefaultGlobalHotkeyIDList[n];
        }
    }

    // Every default reads back as written, maps onto a Qt key and back unchanged, and no two
    // commands share one; the four global ones stay off the console-switching keys.
    void defaultsRoundTrip() {
        QSet<TShortCut> seen;
        for (std::size_t n = 0; n < DefaultHotkeyList.size(); ++n) {
            const QString text = QString::fromLatin1(DefaultHotkeyList[n]);
            const TShortCut s = TextToShortCut(text);
            QCOMPARE(ShortCutToText(s), text);
            QCOMPARE(KeyToShortCut(ShortCutToKey(s)), s);
            if (s != 0) {
                QVERIFY2(!seen.contains(s), qPrintable(text));
                seen.insert(s);
            }
            if (DefaultGlobalHotkeyIDList[n] != 0) {
                QVERIFY(s != 0);
                const int vk = s & scKeyMask;
                QVERIFY2(!((s & scCtrl) && (s & scAlt) && vk >= 112 && vk <= 135 && !(s & scShift)),
                         qPrintable(text));
            }
        }
        QCOMPARE(int(seen.size()), 30);
    }

    void parser_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical");
        QTest::newRow("any case") << "ctrl+alt+f2"
                                  << "Ctrl+Alt+F2";
        QTest::newRow("caret is Ctrl") << "^Alt+F2"
                                       << "Ctrl+Alt+F2";
        QTest::newRow("any order") << "Alt+Shift+ctrl+x"
                                   << "Shift+Ctrl+Alt+X";
        QTest::newRow("repeated") << "Ctrl+^Ctrl+Q"
                                  << "Ctrl+Q";
        QTest::newRow("names") << "shift+pgdn"
                               << "Shift+PgDn";
        QTest::newRow("function keys to 24") << "F24"
                                             << "F24";
        QTest::newRow("other keys") << "Ctrl+Num +"
                                    << "Ctrl+Num +";
        QTest::newRow("punctuation") << "Alt+;"
                                     << "Alt+;";
        QTest::newRow("misspelt") << "Ctrl+Alt+F25"
                                  << "";
        QTest::newRow("only modifiers") << "Ctrl+Alt+"
                                        << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blank key") << "Ctrl+ "
                                   << "";
        QTest::newRow("Qt's spelling") << "Ctrl+PgUp"
                                       << "Ctrl+PgUp";
        QTest::newRow("not Qt's other spelling") << "Ctrl+PageUp"
                                                 << "";
    }
    void parser() {
        QFETCH(QString, text);
        QFETCH(QString, canonical);
        QCOMPARE(ShortCutToText(TextToShortCut(text)), canonical);
    }

    // Number-pad digits show as digits and parse as the main row's; keys without a name have
    // no text at all, modifiers included; keys Qt cannot name map to nothing.
    void keyCodes() {
        QCOMPARE(ShortCutToText(scCtrl | 97), QString("Ctrl+1"));
        QCOMPARE(TextToShortCut("Ctrl+1"), TShortCut(scCtrl | '1'));
        QCOMPARE(ShortCutToText(scCtrl | 255), QString());
        QCOMPARE(ShortCutToText(0), QString());
        QCOMPARE(ShortCutToKey(scShift | 106),
                 QKeyCombination(Qt::ShiftModifier | Qt::KeypadModifier, Qt::Key_Asterisk));
        QCOMPARE(KeyToShortCut(QKeyCombination(Qt::KeypadModifier, Qt::Key_Minus)), TShortCut(109));
        QCOMPARE(KeyToShortCut(QKeyCombination(Qt::Key_Minus)), TShortCut(189));
        QCOMPARE(KeyToShortCut(QKeyCombination(Qt::ControlModifier, Qt::Key_VolumeUp)), 0);
        QCOMPARE(ShortCutToKey(0).toCombined(), 0);
    }

    // Identifiers behave like atoms: one per name while it is used, never 0.
    void identifiers() {
        THotkeyAtoms& atoms = THotkeyAtoms::Instance();
        const int a = atoms.Add("NurvaCtrl+A");
        QVERIFY(a > 0 && a < 16384);
        QCOMPARE(atoms.Add("NurvaCtrl+A"), a);
        const int b = atoms.Add("NurvaCtrl+B");
        QVERIFY(b != a);
        atoms.Delete(a);
        QCOMPARE(atoms.Name(a), QString("NurvaCtrl+A")); // one add is still in use
        atoms.Delete(a);
        QCOMPARE(atoms.Name(a), QString());
        atoms.Delete(b);
        atoms.Delete(0);

        // Registration names the key with the application title; a refusal keeps the id.
        fake::TGlobalHotkeys keys;
        keys.Refused << ShortCutToKey(TextToShortCut("Ctrl+Alt+Del"));
        bool refused = false;
        const int id = RegisterGlobalHotkey(&keys, TextToShortCut("Shift+Ctrl+Alt+A"), &refused);
        QVERIFY(id > 0 && !refused);
        QCOMPARE(atoms.Name(id), KoUtils::ApplicationTitle() + "Shift+Ctrl+Alt+A");
        const int held = RegisterGlobalHotkey(&keys, TextToShortCut("Ctrl+Alt+Del"), &refused);
        QVERIFY(held > 0 && refused);
        QCOMPARE(RegisterGlobalHotkey(&keys, 0), 0);
        UnregisterGlobalHotkey(&keys, id);
        UnregisterGlobalHotkey(&keys, held);
        QVERIFY(keys.Keys.isEmpty());
        QCOMPARE(atoms.Name(id), QString());
    }

    // "Update", "All Default" and the "Global Hotkey" check box.
    void editing() {
        TShortCuts current{};
        ResetHotkeys(current);
        QCOMPARE(current[2], TextToShortCut("Ctrl+S"));
        QCOMPARE(UpdateHotkey(current, 2, current[2]), TUpdateResult::Unchanged);
        QCOMPARE(UpdateHotkey(current, 1, TextToShortCut("ctrl+s")), TUpdateResult::AlreadyExists);
        QCOMPARE(HotkeyList[1], QString());
        QCOMPARE(UpdateHotkey(current, 1, TextToShortCut("alt+^O")), TUpdateResult::Updated);
        QCOMPARE(HotkeyList[1], QString("Ctrl+Alt+O")); // stored in the canonical form
        QCOMPARE(UpdateHotkey(current, 15, 0), TUpdateResult::Unchanged); // none already
        QCOMPARE(UpdateHotkey(current, 0, 0), TUpdateResult::Updated);    // cleared: no check
        QCOMPARE(HotkeyList[0], QString());

        SetGlobalHotkey(0, true); // no key: stays not global
        QCOMPARE(GlobalHotkeyIDList[0], 0);
        SetGlobalHotkey(1, true);
        const int id = GlobalHotkeyIDList[1];
        QVERIFY(id != 0);
        SetGlobalHotkey(1, true); // already global: nothing changes
        QCOMPARE(GlobalHotkeyIDList[1], id);
        SetGlobalHotkey(1, false);
        QCOMPARE(GlobalHotkeyIDList[1], 0);

        GlobalHotkeyIDList[21] = 77; // a mark from the file stays through All Default
        ResetHotkeys(current);
        QCOMPARE(HotkeyList[1], QString());
        QCOMPARE(current[0], TextToShortCut("Ctrl+N"));
        QCOMPARE(GlobalHotkeyIDList[21], 77);
    }
};

QTEST_GUILESS_MAIN(TestHotkeys)
#include "tst_Hotkeys.moc"
