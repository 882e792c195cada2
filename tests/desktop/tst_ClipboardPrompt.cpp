// SPDX-License-Identifier: GPL-3.0-or-later
// Which clipboard changes are offered, and the prompt that asks what to do with them.
#include "ClipMon.h"
#include "Global.h"
#include "Prompt.h"
#include "TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace desktop;
using settings::Settings;

namespace {

TKoFormPrompt* OpenPrompt() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<TKoFormPrompt*>(w); p && p->isVisible())
            return p;
    return nullptr;
}

// Runs PromptClipboardAction and does `act` on the prompt once it is up.
int Ask(const std::function<void(TKoFormPrompt*)>& act) {
    QTimer::singleShot(0, [act] {
        testsupport::WaitFor([] { return OpenPrompt() != nullptr; }, 5000);
        if (TKoFormPrompt* p = OpenPrompt())
            act(p);
    });
    return PromptClipboardAction();
}

} // namespace

class TestClipboardPrompt : public QObject {
    Q_OBJECT

private slots:
    void init() {
        settings::LoadDefaultSettings(QDir::tempPath() + "/");
        Settings.WatchClipboard = true;
        Settings.IgnoreLen = 10;
        Settings.PromptDelay = 30;
        Settings.DefAction = caReadNow;
    }

    void offered_data() {
        QTest::addColumn<bool>("watch");
        QTest::addColumn<int>("ignoreLen");
        QTest::addColumn<bool>("hasText");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("offered");
        QTest::newRow("exactly IgnoreLen") << true << 10 << true << "0123456789" << true;
        QTest::newRow("one fewer") << true << 10 << true << "012345678" << false;
        QTest::newRow("not watched") << false << 10 << true << "0123456789" << false;
        QTest::newRow("no text") << true << 0 << false << "" << false;
        QTest::newRow("empty, IgnoreLen 0") << true << 0 << true << "" << true;
        QTest::newRow("empty, IgnoreLen 1") << true << 1 << true << "" << false;
        // Characters are counted, not UTF-16 units.
        QTest::newRow("surrogate pairs") << true << 3 << true << "\U0001F600\U0001F600" << false;
        QTest::newRow("negative IgnoreLen") << true << -5 << true << "" << true;
    }
    void offered() {
        QFETCH(bool, watch);
        QFETCH(int, ignoreLen);
        QFETCH(bool, hasText);
        QFETCH(QString, text);
        QFETCH(bool, offered);
        Settings.WatchClipboard = watch;
        Settings.IgnoreLen = ignoreLen;
        QCOMPARE(ClipboardOffered(Settings, hasText ? std::optional(text) : std::nullopt), offered);
    }

    // A burst of the same text counts once; another text, or the same one later, counts.
    void repeats() {
        TRepeatFilter f(1000);
        const struct {
            const char* text;
            qint64 ms;
            bool fresh;
        } steps[] = {{"a", 0, true},   {"a", 10, false},  {"a", 900, false}, {"b", 950, true},
                     {"a", 960, true}, {"a", 1960, true}, {"a", 1961, false}};
        for (const auto& s : steps)
            QVERIFY2(f.Fresh(s.text, s.ms) == s.fresh, s.text);
    }

    // Listening raises nothing by itself; a change raises the event while Enabled.
    void monitor() {
        QClipboard* clip = QGuiApplication::clipboard();
        clip->setText("before");
        TClipboardMonitor m;
        QSignalSpy spy(&m, &TClipboardMonitor::OnClipboardChange);
        m.SetActive(true);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
        clip->setText("after");
        QTRY_COMPARE(spy.count(), 1);
        m.SetEnabled(false);
        clip->setText("ignored");
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
        m.SetEnabled(true);
        m.SetActive(false);
        clip->setText("no longer listening");
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(ReadClipboardText().Value, "no longer listening");
    }

    // DefAction picks the default and focused button, and is the answer of a prompt that
    // times out or is closed by its frame.
    void defaultAnswer_data() {
        QTest::addColumn<int>("def");
        QTest::addColumn<QString>("button");
        QTest::newRow("read") << 0 << "BitBtnRead";
        QTest::newRow("new") << 1 << "ButtonNew";
        QTest::newRow("append") << 2 << "ButtonAppend";
        QTest::newRow("cancel") << 3 << "ButtonCancel";
        QTest::newRow("unknown") << 7 << "BitBtnRead";
    }
    void defaultAnswer() {
        QFETCH(int, def);
        QFETCH(QString, button);
        Settings.DefAction = def;
        Settings.PromptDelay = 1;
        QString focused;
        bool isDefault = false, readStaysDefault = false;
        QElapsedTimer t;
        t.start();
        QCOMPARE(Ask([&](TKoFormPrompt* p) {
                     focused = QApplication::focusWidget()
                                   ? QApplication::focusWidget()->objectName()
                                   : p->focusWidget()->objectName();
                     isDefault = p->findChild<QPushButton*>(button)->isDefault();
                     readStaysDefault = p->BitBtnRead->isDefault();
                     QVERIFY(!p->isModal()); // the windows behind it go on taking input
                     QVERIFY(p->windowFlags() & Qt::WindowStaysOnTopHint);
                     QCOMPARE(p->size(), QSize(306, 181));
                 }),
                 def);
        QVERIFY2(t.elapsed() >= 900 && t.elapsed() < 5000,
                 qPrintable(QString::number(t.elapsed())));
        QCOMPARE(focused, button);
        QVERIFY(isDefault);
        QVERIFY(readStaysDefault);

        Settings.PromptDelay = 0;
        QCOMPARE(Ask([](TKoFormPrompt* p) { QTest::mouseClick(p->closeImage, Qt::LeftButton); }),
                 def);
    }

    // The buttons, Enter on the focused one, and Esc.
    void answers_data() {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("action");
        QTest::newRow("Read Now!") << "BitBtnRead" << 0;
        QTest::newRow("New") << "ButtonNew" << 1;
        QTest::newRow("Append") << "ButtonAppend" << 2;
        QTest::newRow("Cancel") << "ButtonCancel" << 3;
        QTest::newRow("Enter on Append") << "Enter ButtonAppend" << 2;
        QTest::newRow("Esc") << "Esc" << 3;
    }
    void answers() {
        QFETCH(QString, press);
        QFETCH(int, action);
        Settings.DefAction = caNew;
        Settings.PromptDelay = 0; // waits for the answer
        QCOMPARE(Ask([press](TKoFormPrompt* p) {
                     // It is still up well after the form's own 3 s would have passed.
                     QTest::qWait(200);
                     if (press == "Esc") {
                         QTest::keyClick(p->focusWidget(), Qt::Key_Escape);
                     } else if (press.startsWith("Enter ")) {
                         auto* b = p->findChild<QPushButton*>(press.mid(6));
                         b->setFocus();
                         QTest::keyClick(b, Qt::Key_Return);
                     } else {
                         QTest::mouseClick(p->findChild<QPushButton*>(press), Qt::LeftButton);
                     }
                 }),
                 action);
    }

    void neverTimesOutWithDelayZero() {
        Settings.PromptDelay = 0;
        Settings.DefAction = caAppend;
        bool stillUp = false;
        QCOMPARE(Ask([&](TKoFormPrompt* p) {
                     QTest::qWait(3500);
                     stillUp = p->isVisible();
                     p->ButtonNew->click();
                 }),
                 int(caNew));
        QVERIFY(stillUp);
    }
};

QTEST_MAIN(TestClipboardPrompt)
#include "tst_ClipboardPrompt.moc"
