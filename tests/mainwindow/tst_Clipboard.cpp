// SPDX-License-Identifier: GPL-3.0-or-later
// Copied text in the window, against the scripted engine: each action and its file, the
// settings that gate it, repeated announcements, and a New that fails.
#include "ClipMon.h"
#include "Converter.h"
#include "Global.h"
#include "MessageCapture.h"
#include "Prompt.h"
#include "ScriptedEngine.h"
#include "TestSupport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace settings;
using scripted::LastSpoken;
using scripted::TextsSpoken;

class TestClipboard : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    QString App() const { return FDir->path() + "/"; }

    std::unique_ptr<TFormCvt> Window(const std::function<void()>& tweak) {
        return testwindow::MakeWindow(App(), {{"one.txt", "The first document."}}, [&] {
            Settings.WatchClipboard = true;
            Settings.ShowPrompt = false;
            Settings.IgnoreLen = 10;
            tweak();
        });
    }
    // Copies `text` and lets the window see the change.
    void Copy(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        QDir(App()).mkpath("txt");
        scripted::Install();
        scripted::CurrentScript().modeNames = {"Alpha Male"};
    }

    // Text already on the clipboard at start is not offered.
    void notAtStart() {
        QGuiApplication::clipboard()->setText("Copied before the start.");
        auto w = Window([] { Settings.DefAction = desktop::caNew; });
        QTest::qWait(100);
        QCOMPARE(Playlist.size(), 1);
    }

    void actions_data() {
        QTest::addColumn<bool>("watch");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("text");
        QTest::newRow("read now") << true << 0 << "Read this aloud now.";
        QTest::newRow("new") << true << 1 << "A new document\nof two lines.";
        QTest::newRow("append") << true << 2 << "Appended at the end.";
        QTest::newRow("cancel") << true << 3 << "Nothing happens here.";
        QTest::newRow("unknown action") << true << 9 << "Nothing happens either.";
        QTest::newRow("too short") << true << 1 << "too short";
        QTest::newRow("not watched") << false << 1 << "Watching is off.";
    }
    void actions() {
        QFETCH(bool, watch);
        QFETCH(int, action);
        QFETCH(QString, text);
        Messages m;
        auto w = Window([&] {
            Settings.WatchClipboard = watch;
            Settings.DefAction = action;
        });
        const int spoken = TextsSpoken();
        const bool offered = watch && text.size() >= 10;
        Copy(text);
        QTest::qWait(50);
        QCOMPARE(TextsSpoken(), spoken + (offered && action == 0 ? 1 : 0));
        if (offered && action == 0) {
            QVERIFY(LastSpoken().startsWith(text));
            QCOMPARE(w->CurrentReadKind(), rkClipboard);
        }
        QCOMPARE(Playlist.size(), offered && action == 1 ? 2 : 1);
        if (offered && action == 1) {
            QVERIFY(QFileInfo(Playlist[1]).fileName().startsWith("untitled"));
            QCOMPARE(testsupport::ReadText(Playlist[1]).replace("\r\n", "\n"), text);
            QCOMPARE(w->Memo1->toPlainText(), text);
        }
        const QString first = testsupport::ReadText(Playlist[0]).replace("\r\n", "\n");
        QCOMPARE(first, offered && action == 2 ? "The first document.\n" + text
                                               : QString("The first document."));
        QVERIFY(m.texts.isEmpty());
    }

    // One copy announced several times is offered once; copied again later, it is offered
    // again; another text at once is offered.
    void repeatedAnnouncements() {
        auto w = Window([] { Settings.DefAction = desktop::caAppend; });
        const QString line = "Appended only once.";
        Copy(line);
        emit QGuiApplication::clipboard()->dataChanged();
        emit QGuiApplication::clipboard()->dataChanged();
        Copy("Another line after it.");
        QCOMPARE(testsupport::ReadText(Playlist[0]).replace("\r\n", "\n"),
                 "The first document.\n" + line + "\nAnother line after it.");
        QTest::qWait(1100);
        emit QGuiApplication::clipboard()->dataChanged();
        QVERIFY(testsupport::ReadText(Playlist[0])
                    .endsWith("Another line after it.\r\nAnother line after it.") ||
                testsupport::ReadText(Playlist[0])
                    .endsWith("Another line after it.\nAnother line after it."));
    }

    // Edits not yet saved are saved with the appended text.
    void appendKeepsEdits() {
        auto w = Window([] { Settings.DefAction = desktop::caAppend; });
        w->Memo1->setPlainText("Edited, not saved.");
        Copy("And the copied text.");
        QCOMPARE(testsupport::ReadText(Playlist[0]).replace("\r\n", "\n"),
                 "Edited, not saved.\nAnd the copied text.");
    }

    // A New that cannot create its file says so, and the text does not replace the
    // document shown.
    void newFails() {
        Messages m;
        auto w = Window([&] {
            Settings.DefAction = desktop::caNew;
            testsupport::WriteBytes(App() + "blocker", "a file, not a folder");
            Settings.DefTxtPath = App() + "blocker/";
        });
        Copy("Must not land in the first document.");
        QCOMPARE(m.texts.size(), 1);
        QCOMPARE(Playlist.size(), 1);
        QCOMPARE(testsupport::ReadText(Playlist[0]), "The first document.");
        QCOMPARE(w->Memo1->toPlainText(), "The first document.");
    }

    // The prompt's answer is acted on; a prompt left alone gives DefAction.
    void prompted() {
        auto w = Window([] {
            Settings.ShowPrompt = true;
            Settings.PromptDelay = 1;
            Settings.DefAction = desktop::caAppend;
        });
        Copy("Appended after the prompt timed out.");
        QTRY_COMPARE(testsupport::ReadText(Playlist[0]).replace("\r\n", "\n"),
                     "The first document.\nAppended after the prompt timed out.");
        QTimer::singleShot(200, [] {
            for (QWidget* t : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<TKoFormPrompt*>(t); p && p->isVisible())
                    p->ButtonNew->click();
        });
        Copy("Made a document of its own.");
        QTRY_COMPARE(Playlist.size(), 2);
        QCOMPARE(testsupport::ReadText(Playlist[1]), "Made a document of its own.");
    }

    // The window goes away while its prompt is up: the answer is not acted on.
    void windowGoneDuringPrompt() {
        auto w = Window([] {
            Settings.ShowPrompt = true;
            Settings.PromptDelay = 0;
            Settings.DefAction = desktop::caNew;
        });
        QTimer::singleShot(200, [&] {
            w.reset();
            for (QWidget* t : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<TKoFormPrompt*>(t); p && p->isVisible())
                    p->ButtonNew->click();
        });
        Copy("Offered to a window that closes.");
        QTRY_VERIFY(!w);
        QTest::qWait(100);
        QCOMPARE(Playlist.size(), 1);
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_Clipboard.moc"
