// SPDX-License-Identifier: GPL-3.0-or-later
// The window's talking clock and reminders on a clock the test sets, against the scripted
// engine: what a tick does to a reading in progress, and message boxes that leave the timer
// running.
#include "AlarmLogic.h"
#include "Converter.h"
#include "Global.h"
#include "MessageCapture.h"
#include "ScriptedEngine.h"
#include "TestSupport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace settings;
using scripted::EngineStarts;
using scripted::EngineStops;
using scripted::LastSpoken;
using scripted::TextsSpoken;

namespace {

struct TTestClock : desktop::IClock {
    QDateTime Time;
    QDateTime Now() const override { return Time; }
};

const QDate Day(2026, 12, 24);

} // namespace

class TestAlarm : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    QString App() const { return FDir->path() + "/"; }

    std::unique_ptr<TFormCvt> Window(const std::function<void()>& tweak) {
        return testwindow::MakeWindow(
            App(), {{"one.txt", "The first document, read aloud."}, {"two.txt", "second"}}, [&] {
                Settings.AutoName = true;
                tweak();
            });
    }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        QDir(App()).mkpath("txt");
        QDir(App()).mkpath("wav");
        scripted::Install();
        scripted::CurrentScript().modeNames = {"Alpha Male"};
    }

    // The timer runs from the start exactly when the alarm or the reminders are on.
    void enabledFromSettings() {
        for (int on = 0; on < 4; ++on) {
            auto w = Window([on] {
                Settings.Alarm = on & 1;
                Settings.Reminder = on & 2;
            });
            QCOMPARE(w->TimerAandR->isActive(), on != 0);
        }
    }

    // An alarm while a document is converted into a WAV file: the alarm is read aloud, and
    // the document, its tab and the place reached in it stay as they were.
    void alarmDuringReading() {
        Messages m;
        auto w = Window([] {
            Settings.Alarm = true;
            Settings.AlarmInterval = 15;
        });
        auto clock = std::make_shared<TTestClock>();
        w->AandRClock = clock;
        Settings.ConvertMode = 1;
        w->SelectTab(1);
        w->TabControl1Change();
        const QString text = w->Memo1->toPlainText();
        w->ActionTTWExecute();
        EngineStarts();
        QTextCursor c = w->Memo1->textCursor();
        c.setPosition(3);
        w->Memo1->setTextCursor(c);
        const int before = TextsSpoken();

        clock->Time = QDateTime(Day, QTime(9, 14, 59));
        w->TimerAandRTimer();
        QCOMPARE(TextsSpoken(), before);
        clock->Time = QDateTime(Day, QTime(9, 15, 0, 400));
        w->TimerAandRTimer();
        QCOMPARE(TextsSpoken(), before + 1);
        QCOMPARE(LastSpoken(), "The time now is " + desktop::LongTimeText(QTime(9, 15)) + " \r\n");
        QCOMPARE(Settings.ConvertMode, 0);
        QCOMPARE(w->CurrentReadKind(), rkNone);
        // The next tick is aimed at the middle of the next second.
        QCOMPARE(w->TimerAandR->interval(), 1100);
        EngineStarts();
        EngineStops();
        QCOMPARE(w->TabControl1->currentIndex(), 1);
        QCOMPARE(w->Memo1->toPlainText(), text);
        QCOMPARE(w->Memo1->textCursor().position(), 3);
        QCOMPARE(Playlist.size(), 2);
        QVERIFY(!w->Memo1->isReadOnly());
        QVERIFY(m.texts.isEmpty());
    }

    // The alarm and two reminders of the same second: one reading, the time first, then both
    // reminders; the alarm's box and one box with both reminders.
    void alarmAndRemindersInOneSecond() {
        const QDateTime due(Day, QTime(10, 0, 0));
        auto w = Window([&] {
            Settings.Alarm = true;
            Settings.AlarmMsgBox = true;
            Settings.Reminder = true;
            Settings.ReminderMsgBox = true;
            ReminderList = {desktop::ReminderKey(due) + "=Call home",
                            desktop::ReminderKey(due) + "=Water the plants"};
        });
        auto clock = std::make_shared<TTestClock>();
        clock->Time = due.addMSecs(500);
        w->AandRClock = clock;
        QStringList shown;
        KoUtils::SetMessageBoxHandler([&](const QString& text, const QString&, int) {
            shown << text;
            return 1;
        });
        const int before = TextsSpoken();
        w->TimerAandRTimer();
        QVERIFY(testsupport::WaitFor([&] { return shown.size() == 2; }, 5000));
        KoUtils::SetMessageBoxHandler(nullptr);
        const QString time = "The time now is " + desktop::LongTimeText(due.time()) + " ";
        QCOMPARE(TextsSpoken(), before + 1);
        QCOMPARE(LastSpoken(), time + "\r\nCall home\r\nWater the plants\r\n");
        QCOMPARE(shown, QStringList({time, desktop::ReminderKey(due) +
                                               "\r\n\r\nCall home\r\nWater the plants"}));
    }

    // While an alarm's box is open, the ticks go on: a reminder due meanwhile is read aloud and
    // opens its box over the first.
    void boxesLeaveTheTimerRunning() {
        const QDateTime due(Day, QTime(10, 0, 5));
        auto w = Window([&] {
            Settings.Alarm = true;
            Settings.AlarmMsgBox = true;
            Settings.Reminder = true;
            ReminderList = {desktop::ReminderKey(due) + "=Call home"};
        });
        auto clock = std::make_shared<TTestClock>();
        clock->Time = QDateTime(Day, QTime(10, 0, 0));
        w->AandRClock = clock;
        QStringList shown;
        int depth = 0, deepest = 0;
        KoUtils::SetMessageBoxHandler([&](const QString& text, const QString&, int flags) {
            shown << text;
            [&] { QCOMPARE(flags, KoUtils::MB_ICONINFORMATION); }();
            deepest = std::max(deepest, ++depth);
            if (shown.size() == 1) {
                clock->Time = due;
                testsupport::WaitFor([&] { return shown.size() == 2; }, 5000);
            }
            --depth;
            return 1;
        });
        QVERIFY(testsupport::WaitFor([&] { return shown.size() == 2 && depth == 0; }, 8000));
        KoUtils::SetMessageBoxHandler(nullptr);
        QCOMPARE(shown[0], "The time now is " + desktop::LongTimeText(QTime(10, 0)) + " ");
        QCOMPARE(shown[1], desktop::ReminderKey(due) + "\r\n\r\nCall home");
        QCOMPARE(deepest, 2);
        QCOMPARE(LastSpoken(), QString("Call home\r\n"));
    }
};

QTEST_MAIN(TestAlarm)
#include "tst_Alarm.moc"
