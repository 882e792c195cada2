// SPDX-License-Identifier: GPL-3.0-or-later
// Copied text on a private X desktop: other programs own the clipboard (xclip, and an owner
// that never answers), and the window acts on their text, or stays answering keys; pasting in
// the editor and in the dialogs' fields, with an owner, without one and with a hung one.
#include "ClipMon.h"
#include "Converter.h"
#include "FakeServices.h"
#include "FindDialog.h"
#include "Global.h"
#include "MessageCapture.h"
#include "Option.h"
#include "OptionControls.h"
#include "Prompt.h"
#include "ScriptedEngine.h"
#include "ShownWindow.h"
#include "TestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <list>

using namespace settings;

namespace {

bool Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(10000) && p.exitCode() == 0;
}

bool Key(const QString& keys) {
    return Run("xdotool", {"key", "--clearmodifiers", keys});
}

// Clicks `button` in the middle of `w`.
bool ClickOn(QWidget* w, int button) {
    const QPoint at = w->mapToGlobal(w->rect().center());
    return Run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "sleep",
                           "0.1", "click", QString::number(button)});
}

// The clients from bottom to top, as the window manager stacks them.
QList<xcb_window_t> Stacking() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const char name[] = "_NET_CLIENT_LIST_STACKING";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    QList<xcb_window_t> list;
    if (xcb_get_property_reply_t* r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1024), nullptr)) {
        const auto* w = static_cast<const xcb_window_t*>(xcb_get_property_value(r));
        list = QList<xcb_window_t>(w, w + xcb_get_property_value_length(r) / 4);
        std::free(r);
    }
    std::free(atom);
    xcb_disconnect(c);
    return list;
}

bool Above(QWidget* upper, QWidget* lower) {
    const QList<xcb_window_t> s = Stacking();
    const qsizetype u = s.indexOf(xcb_window_t(upper->winId()));
    return u >= 0 && u > s.indexOf(xcb_window_t(lower->winId()));
}

QList<TKoFormPrompt*> OpenPrompts() {
    QList<TKoFormPrompt*> prompts;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<TKoFormPrompt*>(w); p && p->isVisible())
            prompts << p;
    return prompts;
}

QString Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).replace("\r\n", "\n")
                                       : QString();
}

// A program that takes the clipboard and never answers a request for it, as a hung one does.
class THungOwner {
public:
    THungOwner() : FConn(xcb_connect(nullptr, nullptr)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(FConn)).data;
        FWindow = xcb_generate_id(FConn);
        xcb_create_window(FConn, XCB_COPY_FROM_PARENT, FWindow, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        const char name[] = "CLIPBOARD";
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            FConn, xcb_intern_atom(FConn, 0, std::strlen(name), name), nullptr);
        xcb_set_selection_owner(FConn, FWindow, r->atom, XCB_CURRENT_TIME);
        std::free(r);
        xcb_flush(FConn);
    }
    ~THungOwner() { xcb_disconnect(FConn); }
    THungOwner(const THungOwner&) = delete;
    THungOwner& operator=(const THungOwner&) = delete;

private:
    xcb_connection_t* FConn;
    xcb_window_t FWindow;
};

TKoFormPrompt* OpenPrompt() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<TKoFormPrompt*>(w); p && p->isVisible())
            return p;
    return nullptr;
}

} // namespace

class TestClipboardDesktop : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    QString App() const { return FDir->path() + "/"; }
    std::list<QProcess> FOwners; // xclip in the foreground, one per copy
    fake::TServices FFakes;
    std::unique_ptr<TFormCvt> FWindow;

    TFormCvt* Window(const std::function<void()>& tweak) {
        LoadDefaultSettings(App());
        Settings.Greeting = false;
        Settings.DefTxtPath = App() + "txt/";
        Settings.WatchClipboard = true;
        Settings.ShowPrompt = false;
        Settings.IgnoreLen = 10;
        Playlist = {App() + "txt/one.txt"};
        testsupport::WriteBytes(Playlist[0], "The first document.");
        tweak();
        SaveSettings(App());
        FWindow = std::make_unique<TFormCvt>(App(), FFakes.Bundle());
        FWindow->show();
        if (!QTest::qWaitForWindowExposed(FWindow.get()))
            return nullptr;
        return FWindow.get();
    }

    // Another program copies `data` (or selects it, for the "primary" selection); returns once
    // it owns the selection.
    bool Copy(const QByteArray& data, const QString& type = "UTF8_STRING",
              const QString& selection = "clipboard") {
        // From a file: xclip takes a large text at once that way.
        const QString file = FDir->filePath(QString("copy%1").arg(FOwners.size()));
        testsupport::WriteBytes(file, data);
        QProcess& p = FOwners.emplace_back();
        p.start("xclip", {"-quiet", "-selection", selection, "-t", type, "-i", file});
        if (!p.waitForStarted(5000))
            return false;
        // xclip answers requests once it owns the selection.
        QProcess probe;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            probe.start("xclip", {"-selection", selection, "-t", "TARGETS", "-o"});
            probe.waitForFinished(2000);
            if (probe.readAllStandardOutput().contains(type.toLatin1()))
                return true;
            QTest::qWait(20);
        }
        return false;
    }

    // The programs that copied end, and the clipboard has no owner.
    void DropOwners() {
        for (QProcess& p : FOwners) {
            p.kill();
            p.waitForFinished(3000);
        }
        FOwners.clear();
    }

    // Does `act` on the next prompt once it is up; runs from the prompt's own event loop.
    void Answer(std::function<void(TKoFormPrompt*)> act) {
        auto* poll = new QTimer(this);
        poll->setInterval(50);
        connect(poll, &QTimer::timeout, this, [poll, act] {
            TKoFormPrompt* p = OpenPrompt();
            if (!p || !p->isVisible() || !QTest::qWaitForWindowExposed(p, 1000))
                return;
            poll->stop();
            poll->deleteLater();
            act(p);
        });
        poll->start();
    }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        QDir(App()).mkpath("txt");
        scripted::Install();
        scripted::CurrentScript().modeNames = {"Alpha Male"};
    }
    void cleanup() {
        FWindow.reset();
        DropOwners();
    }

    // Each action on text another program copied, and the IgnoreLen boundary.
    void actions_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("offered");
        QTest::newRow("read now") << 0 << "Read this one aloud." << true;
        QTest::newRow("new") << 1 << "Ünïcode in a new document." << true;
        QTest::newRow("append") << 2 << "0123456789" << true;
        QTest::newRow("one short") << 2 << "012345678" << false;
        QTest::newRow("cancel") << 3 << "Nothing comes of this." << true;
    }
    void actions() {
        QFETCH(int, action);
        QFETCH(QString, text);
        QFETCH(bool, offered);
        Messages m;
        QVERIFY(Window([&] { Settings.DefAction = action; }));
        const int spoken = scripted::TextsSpoken();
        QVERIFY(Copy(text.toUtf8()));
        // The change has been seen once the window's own read of it is done.
        QTest::qWait(300);
        if (offered && action == 0) {
            QVERIFY(testsupport::WaitFor([&] { return scripted::TextsSpoken() > spoken; }, 5000));
            QVERIFY(scripted::LastSpoken().startsWith(text));
        } else {
            QCOMPARE(scripted::TextsSpoken(), spoken);
        }
        QCOMPARE(Playlist.size(), offered && action == 1 ? 2 : 1);
        if (offered && action == 1)
            QCOMPARE(Contents(Playlist[1]), text);
        QCOMPARE(Contents(Playlist[0]), offered && action == 2 ? "The first document.\n" + text
                                                               : QString("The first document."));
        QVERIFY(m.texts.isEmpty());
    }

    // A picture alone is no text; with WatchClipboard off, text is not offered either.
    void ignored() {
        QVERIFY(Window([] { Settings.DefAction = desktop::caAppend; }));
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        QVERIFY(Copy(png, "image/png"));
        QTest::qWait(300);
        Settings.WatchClipboard = false;
        QVERIFY(Copy("Not watched, not appended."));
        QTest::qWait(300);
        QCOMPARE(Contents(Playlist[0]), "The first document.");
    }

    // Text copied in the window itself is offered too; the program answers its own request.
    void ownCopy() {
        TFormCvt* w = Window([] { Settings.DefAction = desktop::caNew; });
        QVERIFY(w);
        w->Memo1->setPlainText("Copied in the window itself.");
        w->Memo1->selectAll();
        w->ActionEditCopy->trigger();
        QVERIFY(testsupport::WaitFor([] { return Playlist.size() == 2; }, 5000));
        QCOMPARE(Contents(Playlist[1]), "Copied in the window itself.");
    }

    // The prompt on a real desktop: it times out into DefAction, Esc cancels, and the
    // frame's close button gives DefAction. The prompt's own loop runs the answers.
    void prompt() {
        QVERIFY(Window([] {
            Settings.ShowPrompt = true;
            Settings.PromptDelay = 1;
            Settings.DefAction = desktop::caAppend;
        }));
        QElapsedTimer t;
        t.start();
        QVERIFY(Copy("Appended when the prompt timed out."));
        QVERIFY(testsupport::WaitFor(
            [&] { return Contents(Playlist[0]).endsWith("prompt timed out."); }, 5000));
        QVERIFY2(t.elapsed() >= 1000, qPrintable(QString::number(t.elapsed())));

        Settings.PromptDelay = 0;
        bool answered = false;
        Answer([&](TKoFormPrompt* p) {
            p->activateWindow();
            answered = QTest::qWaitForWindowActive(p) && Run("xdotool", {"key", "Escape"});
        });
        QVERIFY(Copy("Cancelled with Esc."));
        QVERIFY(testsupport::WaitFor([&] { return answered && OpenPrompt() == nullptr; }, 8000));
        QTest::qWait(100);
        QVERIFY(!Contents(Playlist[0]).contains("Esc"));

        answered = false;
        Answer([&](TKoFormPrompt* p) {
            const QPoint at = p->closeImage->mapToGlobal(p->closeImage->rect().center());
            answered = Run("xdotool", {"mousemove", "--sync", QString::number(at.x()),
                                       QString::number(at.y()), "click", "1"});
        });
        QVERIFY(Copy("Appended through the close button."));
        QVERIFY(testsupport::WaitFor(
            [&] { return Contents(Playlist[0]).endsWith("the close button."); }, 8000));
        QVERIFY(answered);
    }

    // An owner that never answers: the offer is dropped after the bounded wait, keys typed
    // meanwhile reach the editor, and Read Clipboard gives up the same way.
    void hungOwner() {
        TFormCvt* w = Window([] { Settings.DefAction = desktop::caAppend; });
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->Memo1->clear();
        w->Memo1->setFocus();
        QLabel* status = w->PanelStatus;
        status->clear();
        QElapsedTimer t;
        qint64 typedAt = -1;
        bool answeredBefore = false;
        connect(w->Memo1, &QPlainTextEdit::textChanged, this, [&] {
            if (w->Memo1->toPlainText() == "abc" && typedAt < 0) {
                typedAt = t.elapsed();
                answeredBefore = status->text().contains("did not answer");
            }
        });
        {
            // The keys come while the window waits for the owner.
            QProcess typing;
            typing.start("xdotool", {"sleep", "0.3", "type", "--delay", "50", "abc"});
            t.start();
            THungOwner hung;
            QVERIFY(testsupport::WaitFor([&] { return status->text().contains("did not answer"); },
                                         5000));
            const qint64 dropped = t.elapsed();
            QVERIFY2(dropped < 4000, qPrintable(QString::number(dropped)));
            QVERIFY(typing.state() == QProcess::NotRunning || typing.waitForFinished(5000));
            QVERIFY(testsupport::WaitFor([&] { return typedAt >= 0; }, 3000));
            QVERIFY2(
                !answeredBefore && typedAt < dropped,
                qPrintable(QString("typed at %1 ms, dropped at %2 ms").arg(typedAt).arg(dropped)));
            QCOMPARE(Contents(Playlist[0]), "The first document.");
            qInfo("keys typed at %lld ms, offer dropped at %lld ms", typedAt, dropped);

            const int spoken = scripted::TextsSpoken();
            status->clear();
            t.restart();
            w->ActionReadClipboard->trigger();
            const qint64 took = t.elapsed();
            QVERIFY2(took >= desktop::ClipboardReadTimeoutMs - 100 && took < 3000,
                     qPrintable(QString::number(took)));
            qInfo("Read Clipboard gave up after %lld ms", took);
            QVERIFY(status->text().contains("did not answer"));
            QCOMPARE(scripted::TextsSpoken(), spoken);
        }
        // The owner is gone: nothing is on the clipboard now, and nothing is offered.
        QTest::qWait(300);
        QCOMPARE(Contents(Playlist[0]), "The first document.");
        QCOMPARE(desktop::ReadClipboardText().State, desktop::TClipboardText::NoText);
    }

    // Paste, in the editor and in the dialogs' fields: with nobody owning the clipboard nothing
    // happens (the toolkit's own paste crashed there), an owner's text comes in by every way
    // (keys, menu, middle click), and a hung owner holds nothing: the context menu comes at
    // once, the keys typed meanwhile arrive, and the paste gives up as the monitor does.
    void paste() {
        TFormCvt* w = Window([] {
            Settings.WatchClipboard = false;
            Settings.Greeting = true; // its text field is enabled then
        });
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->Memo1->setPlainText("Typed by the user.");
        w->Memo1->moveCursor(QTextCursor::End);
        w->Memo1->setFocus();
        QCOMPARE(desktop::ReadClipboardText().State, desktop::TClipboardText::NoText);
        QCOMPARE(desktop::ReadClipboardText(500, QClipboard::Selection).State,
                 desktop::TClipboardText::NoText);
        QVERIFY(Key("ctrl+v"));
        QVERIFY(Key("shift+Insert"));
        QVERIFY(ClickOn(w->Memo1->viewport(), 2));
        w->ActionEditPaste->trigger(); // the Edit menu's and the editor's popup menu's Paste
        QTest::qWait(200);
        QCOMPARE(w->Memo1->toPlainText(), "Typed by the user.");

        QVERIFY(Copy(" Pasted."));
        QVERIFY(Key("ctrl+v"));
        QTRY_COMPARE(w->Memo1->toPlainText(), "Typed by the user. Pasted.");
        QVERIFY(Key("shift+Insert"));
        QTRY_COMPARE(w->Memo1->toPlainText(), "Typed by the user. Pasted. Pasted.");
        w->ActionEditPaste->trigger();
        QCOMPARE(w->Memo1->toPlainText(), "Typed by the user. Pasted. Pasted. Pasted.");
        QVERIFY(Copy(" Selected.", "UTF8_STRING", "primary"));
        QVERIFY(ClickOn(w->Memo1->viewport(), 2)); // below the text: the cursor goes to its end
        QTRY_COMPARE(w->Memo1->toPlainText(),
                     "Typed by the user. Pasted. Pasted. Pasted. Selected.");
        DropOwners();
        w->Memo1->clear();

        QLabel* status = w->PanelStatus;
        QElapsedTimer t;
        TFindDialog* find = nullptr;
        {
            THungOwner hung;
            status->clear();
            QProcess typing;
            typing.start("xdotool", {"sleep", "0.3", "type", "abc"});
            t.start();
            QVERIFY(Key("ctrl+v"));
            QVERIFY(testsupport::WaitFor([&] { return status->text().contains("did not answer"); },
                                         5000));
            const qint64 gaveUp = t.elapsed();
            QVERIFY(typing.state() == QProcess::NotRunning || typing.waitForFinished(5000));
            QTRY_COMPARE(w->Memo1->toPlainText(), "abc");
            QVERIFY2(gaveUp < desktop::ClipboardReadTimeoutMs + 1500,
                     qPrintable(QString::number(gaveUp)));

            // A dialog's field: the find dialog's.
            w->ActionSearchFind->trigger();
            find = w->findChild<TFindDialog*>();
            QVERIFY(find && QTest::qWaitForWindowExposed(find));
            find->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(find));
            find->EditFind->clear();
            find->EditFind->setFocus();
            status->clear();
            // The menu runs its own loop: it is answered from there.
            qint64 menuAfter = -1;
            auto* poll = new QTimer(this);
            connect(poll, &QTimer::timeout, this, [&, poll] {
                if (!qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                    return;
                menuAfter = t.elapsed();
                poll->deleteLater();
                poll->stop();
                Key("p"); // "&Paste"
            });
            poll->start(20);
            t.restart();
            QVERIFY(ClickOn(find->EditFind, 3));
            QVERIFY(testsupport::WaitFor([&] { return status->text().contains("did not answer"); },
                                         8000));
            QVERIFY2(menuAfter >= 0 && menuAfter < 1000, qPrintable(QString::number(menuAfter)));
            QCOMPARE(find->EditFind->text(), QString());
            qInfo("hung owner: editor paste gave up after %lld ms, context menu after %lld ms",
                  gaveUp, menuAfter);
        }
        QVERIFY(Copy("Found text"));
        QVERIFY(Key("ctrl+v"));
        QTRY_COMPARE(find->EditFind->text(), QString("Found text"));
        find->close();

        // The options dialog's fields, a number field among them.
        QString greeting, number;
        QTimer::singleShot(0, this, [&] {
            TFormOption* options = testsupport::WaitForShown<TFormOption>(5000);
            if (!options)
                return;
            for (int i = 0; i < options->PageControl1->count(); ++i)
                if (options->PageControl1->tabText(i) == "Prosody")
                    options->PageControl1->setCurrentIndex(i);
            QTest::qWait(100);
            ClickOn(options->seShortPau, 1);
            Key("ctrl+a");
            Copy("42");
            Key("ctrl+v");
            testsupport::WaitFor([&] { return options->seShortPau->text() == "42"; }, 3000);
            number = options->seShortPau->text();
            options->PageControl1->setCurrentIndex(0);
            QTest::qWait(100);
            options->EditGreetingString->clear();
            ClickOn(options->EditGreetingString, 1);
            Copy("Hello from the clipboard.");
            Key("ctrl+v");
            testsupport::WaitFor([&] { return !options->EditGreetingString->text().isEmpty(); },
                                 3000);
            greeting = options->EditGreetingString->text();
            options->close();
        });
        w->ActionToolsOptions->trigger();
        QCOMPARE(number, QString("42"));
        QCOMPARE(greeting, QString("Hello from the clipboard."));
    }

    // A text larger than the limit is refused at once, and said to be too large, with its size:
    // by the offer, by Read Clipboard and by a paste.
    void tooLarge() {
        TFormCvt* w = Window([] { Settings.DefAction = desktop::caAppend; });
        QVERIFY(w);
        QLabel* status = w->PanelStatus;
        status->clear();
        const QByteArray big(35 << 20, 'a');
        QVERIFY(Copy(big));
        const QString said = "too large to read: 35.0 MB (at most 32 MB)";
        QVERIFY2(testsupport::WaitFor([&] { return status->text().contains(said); }, 5000),
                 qPrintable(status->text()));
        status->clear();
        const int spoken = scripted::TextsSpoken();
        w->ActionReadClipboard->trigger();
        QVERIFY2(status->text().contains(said), qPrintable(status->text()));
        QCOMPARE(scripted::TextsSpoken(), spoken);
        status->clear();
        w->ActionEditPaste->trigger();
        QVERIFY2(status->text().contains(said), qPrintable(status->text()));
        QCOMPARE(w->Memo1->toPlainText(), "The first document.");
        QCOMPARE(Contents(Playlist[0]), "The first document.");
    }

    // The prompt comes up on top of the window the user types in, and the keys stay there: a
    // space typed right after the copy presses none of its buttons. Left alone, it times out
    // into DefAction.
    void promptLeavesTheKeys() {
        TFormCvt* w = Window([] {
            Settings.ShowPrompt = true;
            Settings.PromptDelay = 2;
            Settings.DefAction = desktop::caReadNow;
        });
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->Memo1->clear();
        w->Memo1->setFocus();
        const int spoken = scripted::TextsSpoken();
        QVERIFY(Copy("Offered while the user types."));
        QVERIFY(testsupport::WaitFor(
            [] { return OpenPrompt() && QTest::qWaitForWindowExposed(OpenPrompt(), 100); }, 5000));
        TKoFormPrompt* prompt = OpenPrompt();
        QVERIFY(Run("xdotool", {"type", "--delay", "50", "ab cd"}));
        QTRY_COMPARE(w->Memo1->toPlainText(), "ab cd");
        QCOMPARE(QApplication::activeWindow(), w);
        QCOMPARE(OpenPrompt(), prompt);
        QCOMPARE(scripted::TextsSpoken(), spoken);
        QVERIFY(Above(prompt, w));
        QVERIFY(testsupport::WaitFor([&] { return scripted::TextsSpoken() > spoken; }, 6000));
        QVERIFY(scripted::LastSpoken().startsWith("Offered while the user types."));
    }

    // Two copies in a burst: two prompts, each where it can be seen and clicked, and each acts
    // on the text it offered, whichever is answered first.
    void burst() {
        QVERIFY(Window([] {
            Settings.ShowPrompt = true;
            Settings.PromptDelay = 0;
            Settings.DefAction = desktop::caCancel;
        }));
        QVERIFY(Copy("The first copy of the burst."));
        QVERIFY(testsupport::WaitFor([] { return OpenPrompts().size() == 1; }, 3000));
        TKoFormPrompt* first = OpenPrompts()[0];
        QTest::qWait(300);
        QVERIFY(Copy("The second copy, a moment later."));
        QVERIFY(testsupport::WaitFor([] { return OpenPrompts().size() == 2; }, 3000));
        TKoFormPrompt* second = OpenPrompts()[OpenPrompts()[0] == first ? 1 : 0];
        QVERIFY(first->pos() != second->pos());
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(
            first->geometry().united(second->geometry())));
        QVERIFY(QTest::qWaitForWindowExposed(second));
        QVERIFY(ClickOn(second->ButtonAppend, 1));
        QVERIFY(testsupport::WaitFor(
            [] { return Contents(Playlist[0]).endsWith("a moment later."); }, 3000));
        QVERIFY(ClickOn(first->ButtonNew, 1));
        QVERIFY(testsupport::WaitFor([] { return Playlist.size() == 2; }, 3000));
        QCOMPARE(Contents(Playlist[1]), "The first copy of the burst.");
        QCOMPARE(Contents(Playlist[0]), "The first document.\nThe second copy, a moment later.");
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestClipboardDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ClipboardDesktop.moc"
