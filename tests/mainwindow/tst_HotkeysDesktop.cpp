// SPDX-License-Identifier: GPL-3.0-or-later
// Global hotkeys for real, on a private X desktop: another program has the focus, xdotool
// presses the keys, and the window's commands run; with Num Lock on; with a key the keymap
// lacks; with a key another client holds (the note about it is seen and true); in the options
// dialog's hotkey field; the menus spell the keys as the options do; the keys are free again
// after the end, and a keymap left changed by a killed reader is put back by the next one.
#include "Converter.h"
#include "FakeServices.h"
#include "Global.h"
#include "Hotkeys.h"
#include "MessageCapture.h"
#include "Option.h"
#include "OptionControls.h"
#include "ShownWindow.h"
#include "TestSupport.h"
#include "platform/x11/GlobalHotkeys.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <cstring>

using settings::Playlist;

namespace {

bool Run(const QString& program, const QStringList& args, QByteArray* out = nullptr) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return false;
    if (out)
        *out = p.readAllStandardOutput().trimmed();
    return true;
}

bool Press(const QString& keys) {
    return Run("xdotool", {"key", "--clearmodifiers", keys});
}

// Another X client that grabs keys on the root window, as a second program would.
class TOtherClient {
public:
    TOtherClient() : FConn(xcb_connect(nullptr, nullptr)) {
        FRoot = xcb_setup_roots_iterator(xcb_get_setup(FConn)).data->root;
        FSymbols = xcb_key_symbols_alloc(FConn);
    }
    ~TOtherClient() {
        xcb_key_symbols_free(FSymbols);
        xcb_disconnect(FConn);
    }
    // True when the grab of `sym` with `mods` (no lock keys) succeeds.
    bool Grab(xcb_keysym_t sym, std::uint16_t mods) {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(FSymbols, sym);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        xcb_generic_error_t* error = xcb_request_check(
            FConn, xcb_grab_key_checked(FConn, 1, FRoot, mods, code, XCB_GRAB_MODE_ASYNC,
                                        XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return code != 0 && !error;
    }

    // Whether a keycode of the keymap, as the server has it now, gives `sym`.
    bool HasKey(xcb_keysym_t sym) {
        xcb_key_symbols_free(FSymbols);
        FSymbols = xcb_key_symbols_alloc(FConn);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(FSymbols, sym);
        const bool has = codes && codes[0] != 0;
        std::free(codes);
        return has;
    }

    // The clients from bottom to top, as the window manager stacks them.
    QList<xcb_window_t> Stacking() {
        const char name[] = "_NET_CLIENT_LIST_STACKING";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            FConn, xcb_intern_atom(FConn, 0, std::strlen(name), name), nullptr);
        QList<xcb_window_t> list;
        if (xcb_get_property_reply_t* r = xcb_get_property_reply(
                FConn, xcb_get_property(FConn, 0, FRoot, atom->atom, XCB_ATOM_WINDOW, 0, 1024),
                nullptr)) {
            const auto* w = static_cast<const xcb_window_t*>(xcb_get_property_value(r));
            list = QList<xcb_window_t>(w, w + xcb_get_property_value_length(r) / 4);
            std::free(r);
        }
        std::free(atom);
        return list;
    }

    // Takes `sym` out of the keymap, as on layouts that lack it.
    void Unmap(xcb_keysym_t sym) {
        for (;;) {
            xcb_keycode_t* codes = xcb_key_symbols_get_keycode(FSymbols, sym);
            const xcb_keycode_t code = codes ? codes[0] : 0;
            std::free(codes);
            if (code == 0)
                return;
            const xcb_keysym_t none[2] = {0, 0};
            std::free(xcb_request_check(
                FConn, xcb_change_keyboard_mapping_checked(FConn, 1, code, 2, none)));
            xcb_key_symbols_free(FSymbols);
            FSymbols = xcb_key_symbols_alloc(FConn);
        }
    }

private:
    xcb_connection_t* FConn;
    xcb_window_t FRoot;
    xcb_key_symbols_t* FSymbols;
};

constexpr std::uint16_t kShiftCtrlAlt = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;

} // namespace

class TestHotkeysDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    QString App() const { return FDir.path() + "/"; }

private slots:
    void globalKeysWhileAnotherProgramHasTheFocus() {
        QVERIFY(QDir().mkpath(App() + "txt"));
        // New and My TXT Folder are global here; Help's key is held by another program.
        testsupport::WriteBytes(App() + "config.ini",
                                "[HotkeyList]\r\n0=Shift+Ctrl+Alt+N\r\n31=Ctrl+Alt+F13\r\n"
                                "45=Shift+Ctrl+Alt+H\r\n"
                                "[GlobalHotkeyIDList]\r\n0=1\r\n31=1\r\n45=1\r\n"
                                "[General]\r\nGreeting=0\r\n");
        TOtherClient other;
        QVERIFY(other.Grab('h', kShiftCtrlAlt));
        other.Unmap(0xffca); // F13

        Messages m;
        fake::TServices fakes;
        platform::TServices services = fakes.Bundle();
        services.Hotkeys = platform::CreateX11GlobalHotkeys();
        QVERIFY(services.Hotkeys);
        auto w = std::make_unique<TFormCvt>(App(), services);
        w->show();
        // The window manager maps it late on a loaded machine (a build beside the tests).
        QVERIFY(QTest::qWaitForWindowExposed(w.get(), 20000));
        // The note comes above the window, and says what is true: the key held elsewhere does
        // not work in this window either.
        QMessageBox* note = nullptr;
        QVERIFY(testsupport::WaitFor(
            [&] {
                note = w->findChild<QMessageBox*>("HotkeyNote");
                return note && QTest::qWaitForWindowExposed(note, 100);
            },
            5000));
        QVERIFY(note->text().contains("\"Help\" (Shift+Ctrl+Alt+H)"));
        QVERIFY(note->text().contains("even in this window"));
        QVERIFY(testsupport::WaitFor(
            [&] {
                const QList<xcb_window_t> stack = other.Stacking();
                return stack.indexOf(xcb_window_t(note->winId())) >
                       stack.indexOf(xcb_window_t(w->winId()));
            },
            3000));
        delete note;
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get(), 20000));
        QVERIFY(Press("shift+ctrl+alt+h"));
        QTest::qWait(300);
        QVERIFY(fakes.Desktop->Opened.isEmpty());
        const int documents = int(Playlist.size());

        // The menus spell the keys as the options dialog does: the File menu looks like one
        // whose items carry that spelling themselves.
        QVERIFY(Run("xdotool", {"mousemove", "0", "0"}));
        auto look = [](QMenu* menu) {
            menu->popup(QPoint(600, 100));
            if (!QTest::qWaitForWindowExposed(menu))
                qWarning("the menu was not exposed");
            QTest::qWait(50);
            const QImage image = menu->grab().toImage();
            menu->close();
            return image;
        };
        // Opened once first: the items have their letters then.
        const QImage file = look(w->MainMenu1.File);
        QMenu spelled;
        spelled.setFont(w->MainMenu1.File->font());
        for (QAction* a : w->MainMenu1.File->actions()) {
            if (a->isSeparator()) {
                spelled.addSeparator();
                continue;
            }
            const QString key = settings::ShortCutToText(settings::KeyToShortCut(a->shortcut()[0]));
            spelled.addAction(key.isEmpty() ? a->text() : a->text() + '\t' + key)
                ->setEnabled(a->isEnabled());
        }
        QCOMPARE(spelled.actions().first()->text(), QString("&New\tShift+Ctrl+Alt+N"));
        QVERIFY(file == look(&spelled));

        // In the options dialog's hotkey field a combination the reader holds as a global key is
        // taken as the field's; once the field is left, the key is global again.
        QString field;
        int during = -1;
        QTimer::singleShot(0, this, [&] {
            TFormOption* options = testsupport::WaitForShown<TFormOption>(5000);
            if (!options)
                return;
            for (int i = 0; i < options->PageControl1->count(); ++i)
                if (options->PageControl1->tabText(i) == "Interface")
                    options->PageControl1->setCurrentIndex(i);
            options->ComboBoxHotkeys->setCurrentIndex(1); // "Open...", no key of its own
            QTest::qWait(100);
            const QPoint at = options->HotKey1->mapToGlobal(options->HotKey1->rect().center());
            Run("xdotool",
                {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
            testsupport::WaitFor([&] { return options->HotKey1->hasFocus(); }, 3000);
            Press("shift+ctrl+alt+n");
            testsupport::WaitFor([&] { return options->HotKey1->HotKey() != 0; }, 3000);
            QTest::qWait(200);
            field = options->HotKey1->text();
            during = int(Playlist.size());
            Press("Tab");
            testsupport::WaitFor([&] { return !options->HotKey1->hasFocus(); }, 3000);
            Press("shift+ctrl+alt+n");
            testsupport::WaitFor([&] { return int(Playlist.size()) > during; }, 3000);
            options->close();
        });
        w->ActionToolsOptions->trigger();
        QCOMPARE(field, QString("Shift+Ctrl+Alt+N"));
        QCOMPARE(during, documents);
        QTRY_COMPARE(int(Playlist.size()), documents + 1);
        const int afterOptions = int(Playlist.size());

        // Another program takes the focus.
        QProcess xmessage;
        xmessage.start("xmessage", {"-name", "nurva-other", "-title", "nurva-other", "focus"});
        QByteArray wid;
        QVERIFY(
            Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^nurva-other$"}, &wid));
        wid = wid.split('\n').first();
        QVERIFY(Run("xdotool", {"windowactivate", "--sync", QString::fromLatin1(wid)}));
        QByteArray active;
        QVERIFY(Run("xdotool", {"getactivewindow"}, &active));
        QCOMPARE(active, wid);

        QVERIFY(Press("shift+ctrl+alt+n"));
        QVERIFY(testsupport::WaitFor([&] { return Playlist.size() == afterOptions + 1; }, 5000));

        // Num Lock and Caps Lock on: the key still works.
        QVERIFY(Press("Num_Lock"));
        QVERIFY(Press("Caps_Lock"));
        QVERIFY(Press("shift+ctrl+alt+n"));
        QVERIFY(testsupport::WaitFor([&] { return Playlist.size() == afterOptions + 2; }, 5000));
        QVERIFY(Press("Num_Lock"));
        QVERIFY(Press("Caps_Lock"));

        // A function key the keymap lacks.
        QVERIFY(Press("ctrl+alt+F13"));
        QVERIFY(testsupport::WaitFor(
            [&] { return fakes.Desktop->Opened.contains(settings::Settings.DefTxtPath); }, 5000));
        QCOMPARE(int(Playlist.size()), afterOptions + 2);

        // At the end the keys are free for others.
        w->FormDestroy();
        w.reset();
        QVERIFY(other.Grab('n', kShiftCtrlAlt));
        xmessage.kill();
        xmessage.waitForFinished(3000);
    }

    // A global key on F13, which the keymap lacks: the reader lends it a keycode. Killed, the
    // reader leaves the keymap changed; the next start puts it back, so that after that one's
    // orderly end the keymap is as it was before either.
    void keymapLeftByAKilledReader() {
        const QString app = FDir.path() + "/program/";
        QVERIFY(QProcess::execute("cp", {"-r", qEnvironmentVariable("NURVA_APPDIR") + "/.", app}) ==
                0);
        testsupport::WriteBytes(app + "config.ini", "[HotkeyList]\r\n31=Ctrl+Alt+F13\r\n"
                                                    "[GlobalHotkeyIDList]\r\n31=1\r\n"
                                                    "[General]\r\nGreeting=0\r\n");
        TOtherClient other;
        other.Unmap(0xffca);
        QVERIFY(!other.HasKey(0xffca));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", app + "run");
        env.insert("XDG_CONFIG_HOME", app + "config");
        QVERIFY(QDir().mkpath(app + "run"));
        QFile::setPermissions(app + "run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        auto start = [&](QProcess& p) {
            p.setProcessEnvironment(env);
            p.setWorkingDirectory(app);
            p.setProcessChannelMode(QProcess::ForwardedChannels);
            p.start(app + "nurva", {});
            // Polled: a search that meets a window going away fails.
            QByteArray found;
            return p.waitForStarted(5000) &&
                   testsupport::WaitFor(
                       [&] {
                           return Run("xdotool",
                                      {"search", "--onlyvisible", "--name",
                                       "^PARLOVA Text To Speech Reader$"},
                                      &found) &&
                                  !found.isEmpty();
                       },
                       15000);
        };
        QProcess killed;
        QVERIFY(start(killed));
        QVERIFY(testsupport::WaitFor([&] { return other.HasKey(0xffca); }, 5000));
        killed.kill(); // SIGKILL: nothing is given back
        QVERIFY(killed.waitForFinished(5000));
        QVERIFY(other.HasKey(0xffca));

        QProcess next;
        QVERIFY(start(next));
        next.terminate();
        QVERIFY(next.waitForFinished(10000));
        QCOMPARE(next.exitCode(), 0);
        QVERIFY2(!other.HasKey(0xffca), "F13 is still in the keymap");
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestHotkeysDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_HotkeysDesktop.moc"
