// Global hotkeys for real, on a private X desktop: another program has the focus, xdotool
// presses the keys, and the window's commands run; with Num Lock on; with a key the keymap
// lacks; with a key another client holds; and the keys are free again after the end.
#include "Converter.h"
#include "FakeServices.h"
#include "Global.h"
#include "MessageCapture.h"
#include "TestSupport.h"
#include "platform/x11/GlobalHotkeys.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

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
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* note = w->findChild<QMessageBox*>("HotkeyNote");
        QVERIFY(note && note->text().contains("\"Help\" (Shift+Ctrl+Alt+H)"));
        delete note;
        const int documents = int(Playlist.size());

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
        QVERIFY(testsupport::WaitFor([&] { return Playlist.size() == documents + 1; }, 5000));

        // Num Lock and Caps Lock on: the key still works.
        QVERIFY(Press("Num_Lock"));
        QVERIFY(Press("Caps_Lock"));
        QVERIFY(Press("shift+ctrl+alt+n"));
        QVERIFY(testsupport::WaitFor([&] { return Playlist.size() == documents + 2; }, 5000));
        QVERIFY(Press("Num_Lock"));
        QVERIFY(Press("Caps_Lock"));

        // A function key the keymap lacks.
        QVERIFY(Press("ctrl+alt+F13"));
        QVERIFY(testsupport::WaitFor(
            [&] { return fakes.Desktop->Opened.contains(settings::Settings.DefTxtPath); }, 5000));
        QCOMPARE(int(Playlist.size()), documents + 2);

        // At the end the keys are free for others.
        w->FormDestroy();
        w.reset();
        QVERIFY(other.Grab('n', kShiftCtrlAlt));
        xmessage.kill();
        xmessage.waitForFinished(3000);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestHotkeysDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_HotkeysDesktop.moc"
