// Copied text on a private X desktop: other programs own the clipboard (xclip, and an owner
// that never answers), and the window acts on their text, or stays answering keys.
#include "ClipMon.h"
#include "Converter.h"
#include "FakeServices.h"
#include "Global.h"
#include "MessageCapture.h"
#include "Prompt.h"
#include "ScriptedEngine.h"
#include "TestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
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

    // Another program copies `data`; returns once it owns the clipboard.
    bool Copy(const QByteArray& data, const QString& type = "UTF8_STRING") {
        QProcess& p = FOwners.emplace_back();
        p.start("xclip", {"-quiet", "-selection", "clipboard", "-t", type, "-i"});
        if (!p.waitForStarted(5000))
            return false;
        p.write(data);
        p.closeWriteChannel();
        // xclip answers requests once it owns the selection.
        QProcess probe;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            probe.start("xclip", {"-selection", "clipboard", "-t", "TARGETS", "-o"});
            probe.waitForFinished(2000);
            if (probe.readAllStandardOutput().contains(type.toLatin1()))
                return true;
            QTest::qWait(20);
        }
        return false;
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
        for (QProcess& p : FOwners) {
            p.kill();
            p.waitForFinished(3000);
        }
        FOwners.clear();
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
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestClipboardDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ClipboardDesktop.moc"
