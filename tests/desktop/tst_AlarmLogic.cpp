// SPDX-License-Identifier: GPL-3.0-or-later
// The talking clock's and the reminders' rules at chosen moments, in the regional formats of
// the locale the test runs in (CMake runs it under several).
#include "AlarmLogic.h"
#include "Global.h"
#include "TestSupport.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

using desktop::TAlarmAction;
using settings::TSettings;

namespace {

const QDate Christmas(2026, 12, 24);

TSettings Defaults() {
    TSettings s;
    s.Alarm = true;
    s.AlarmInterval = 60;
    s.AlarmBefore = "The time now is";
    s.Reminder = true;
    s.ReminderMsgBox = true;
    return s;
}

QDateTime At(const QTime& t, const QDate& d = Christmas) {
    return QDateTime(d, t);
}

} // namespace

class TestAlarmLogic : public QObject {
    Q_OBJECT
private slots:
    // Every second of an hour: the alarm goes off at second 0 of the due minutes and at no
    // other second (a tick that misses second 0 does not make up for it later).
    void alarmMinutes_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<QList<int>>("minutes");
        QList<int> sevens;
        for (int m = 0; m < 60; m += 7)
            sevens << m;
        QTest::newRow("60") << 60 << QList<int>{0};
        QTest::newRow("15") << 15 << QList<int>{0, 15, 30, 45};
        QTest::newRow("7, last gap 4 minutes") << 7 << sevens;
        QTest::newRow("0 never") << 0 << QList<int>{};
        QTest::newRow("90 at minute 0") << 90 << QList<int>{0};
    }
    void alarmMinutes() {
        QFETCH(int, interval);
        QFETCH(QList<int>, minutes);
        TSettings s = Defaults();
        s.AlarmInterval = interval;
        for (int hour : {0, 13}) {
            QList<int> fired;
            for (int sec = 0; sec < 3600; ++sec) {
                const QTime t(hour, sec / 60, sec % 60, sec % 1000);
                if (desktop::AlarmPass(s, At(t))) {
                    QCOMPARE(t.second(), 0);
                    fired << t.minute();
                }
            }
            QCOMPARE(fired, minutes);
        }
        s.Alarm = false;
        QVERIFY(!desktop::AlarmPass(s, At(QTime(9, 0))));
    }

    void alarmTexts_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("date");
        QTest::addColumn<bool>("box");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("file"); // "missing", "lines" or a sound file
        QTest::addColumn<int>("kind");     // -1: nothing happens
        QTest::addColumn<QString>("text");

        const QString t9 = desktop::LongTimeText(QTime(9, 0));
        const QString day = desktop::ShortDateText(Christmas);
        QTest::newRow("time") << 0 << false << false << QTime(9, 0) << "" << 0
                              << "The time now is " + t9 + " ";
        QTest::newRow("date and time") << 0 << true << true << QTime(9, 0) << "" << 0
                                       << "The time now is " + day + " " + t9 + " ";
        QTest::newRow("midnight: date only")
            << 0 << true << true << QTime(0, 0) << "" << 0 << "The time now is " + day + " ";
        QTest::newRow("missing text file")
            << 1 << false << true << QTime(8, 0) << "missing" << 0
            << "The time now is File /nonexistent/alarm.txt open error!\r\n after";
        QTest::newRow("text file") << 1 << false << false << QTime(8, 0) << "lines" << 0
                                   << "The time now is first\r\n\r\nthird\r\n after";
        QTest::newRow("sound") << 2 << false << true << QTime(8, 0) << "/x/ding.wav" << 1
                               << "/x/ding.wav";
        QTest::newRow("unknown style") << 3 << false << true << QTime(8, 0) << "" << -1 << "";
    }
    void alarmTexts() {
        QFETCH(int, style);
        QFETCH(bool, date);
        QFETCH(bool, box);
        QFETCH(QTime, time);
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QTemporaryDir dir;
        TSettings s = Defaults();
        s.AlarmStyle = style;
        s.AlarmDate = date;
        s.AlarmMsgBox = box;
        if (style == 1) {
            s.AlarmAfter = "after";
            s.AlarmTxtFile = dir.path() + "/alarm.txt";
            if (file == "missing")
                s.AlarmTxtFile = "/nonexistent/alarm.txt";
            else
                testsupport::WriteBytes(s.AlarmTxtFile, "first\n\r\nthird\r");
        }
        s.AlarmWavFile = file;
        const std::optional<TAlarmAction> a = desktop::AlarmPass(s, At(time));
        QCOMPARE(a.has_value(), kind >= 0);
        if (!a)
            return;
        QCOMPARE(int(a->Kind), kind);
        QCOMPARE(a->Text, text);
        const QString shown = style == 2 ? "Sound Alarm!" : text;
        QCOMPARE(a->Box, box ? std::optional<QString>(shown) : std::nullopt);
    }

    void reminders_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("fires");
        QTest::addColumn<QString>("text");

        const QString k830 = desktop::ReminderKey(At(QTime(8, 30)));
        const QString k0 = desktop::ReminderKey(At(QTime(0, 0)));
        const QStringList list = {"no key here", k0 + "=Midnight", k830 + "=Buy milk = eggs",
                                  "other=x"};
        QTest::newRow("match") << list << QTime(8, 30) << true << "Buy milk = eggs";
        QTest::newRow("a second later") << list << QTime(8, 30, 1) << false << "";
        QTest::newRow("midnight of its date") << list << QTime(0, 0) << true << "Midnight";
        QTest::newRow("empty message") << QStringList{k830 + "="} << QTime(8, 30) << true << "";
        // Both are heard; neither message is lost.
        QTest::newRow("same key twice") << QStringList{k830 + "=first", "x=y", k830 + "=second"}
                                        << QTime(8, 30) << true << "first\r\nsecond";
        // Keys entered under other regional formats stay text of those formats.
        QStringList foreign;
        for (const char* name : {"en_GB", "en_US", "de_DE", "C"}) {
            const QLocale l(name);
            const QString key =
                l.toString(Christmas, l.dateFormat(QLocale::ShortFormat)) + " " +
                l.toString(QTime(8, 30), l.timeFormat(QLocale::LongFormat).remove(" t"));
            if (key != k830)
                foreign << key + "=old";
        }
        QVERIFY(foreign.size() >= 3);
        QTest::newRow("other formats") << foreign << QTime(8, 30) << false << "";
    }
    void reminders() {
        QFETCH(QStringList, list);
        QFETCH(QTime, now);
        QFETCH(bool, fires);
        QFETCH(QString, text);
        TSettings s = Defaults();
        std::optional<TAlarmAction> a = desktop::ReminderPass(s, list, At(now));
        QCOMPARE(a.has_value(), fires);
        if (!a)
            return;
        QCOMPARE(int(a->Kind), int(TAlarmAction::Speak));
        QCOMPARE(a->Text, text);
        QCOMPARE(a->Box, desktop::ReminderKey(At(now)) + "\r\n\r\n" + text);
        s.ReminderMsgBox = false;
        QCOMPARE(desktop::ReminderPass(s, list, At(now))->Box, std::nullopt);
        s.Reminder = false;
        QVERIFY(!desktop::ReminderPass(s, list, At(now)));
    }

    // Tick after tick: a reminder fires at its second; one the clock jumped over (or the
    // machine slept through) fires at the next look, once, saying it is late, also after days;
    // a clock put back fires none again, but a reminder added meanwhile still fires; what came
    // due while the reminders were off stays in the past.
    void schedule() {
        const TSettings s = Defaults();
        const QDateTime start = At(QTime(8, 0));
        auto key = [&](int seconds) { return desktop::ReminderKey(start.addSecs(seconds)); };
        QStringList list = {key(2) + "=on time",
                            key(600) + "=jumped over",
                            key(600) + "=too",
                            key(7200) + "=after the sleep",
                            key(3 * 86400) + "=days later",
                            "not a reminder",
                            key(5) + "=never fires again"};
        desktop::TReminderSchedule schedule;
        QStringList heard, shown;
        auto tick = [&](int seconds) {
            const std::optional<TAlarmAction> a =
                schedule.Pass(s, list, start.addSecs(seconds).addMSecs(500));
            if (a) {
                heard << a->Text;
                shown << a->Box.value_or(QString());
            }
            return a.has_value();
        };
        for (int t = 0; t <= 6; ++t)
            tick(t);
        QCOMPARE(heard, QStringList({"on time", "never fires again"}));
        QCOMPARE(shown.first(), key(2) + "\r\n\r\non time");
        heard.clear(), shown.clear();

        QVERIFY(tick(900)); // the clock jumps 15 minutes ahead
        QCOMPARE(heard, QStringList{"Late reminder, due at " + key(600) + ": jumped over\r\ntoo"});
        QCOMPARE(shown, QStringList{key(600) + " (late)\r\n\r\njumped over\r\ntoo"});
        QVERIFY(!tick(901));

        // Put back before the first reminders: none fires again, but one written meanwhile for
        // a moment in that stretch does.
        QVERIFY(!tick(1));
        list << key(4) + "=written after the clock went back";
        for (int t = 2; t <= 700; ++t)
            if (tick(t))
                QCOMPARE(t, 4);
        QCOMPARE(heard.last(), QString("written after the clock went back"));

        // A sleep of hours, then one of days: each fires once, late, in its moment's order.
        heard.clear();
        QVERIFY(tick(4 * 3600));
        QVERIFY(tick(4 * 86400));
        QCOMPARE(heard, QStringList({"Late reminder, due at " + key(7200) + ": after the sleep",
                                     "Late reminder, due at " + key(3 * 86400) + ": days later"}));

        // Off, then on again: what came due meanwhile is not made up for.
        TSettings off = s;
        off.Reminder = false;
        list << key(5 * 86400) + "=while off";
        QVERIFY(!schedule.Pass(off, list, start.addSecs(5 * 86400 + 10)));
        QVERIFY(!tick(5 * 86400 + 11));
        schedule.Pass(s, list, start.addSecs(5 * 86400 - 10));
        schedule.Restart();
        QVERIFY(!tick(5 * 86400 + 100));
    }

    // The key's form in the locales the test runs under: the regional short date and long time,
    // never a time zone.
    void keyForm() {
        const QString key = desktop::ReminderKey(At(QTime(8, 30)));
        const QString name = QLocale::system().name();
        qInfo("%s: %s", qPrintable(name), qPrintable(key));
        if (name == "en_GB")
            QCOMPARE(key, QString("24/12/2026 08:30:00"));
        else if (name == "en_US")
            QCOMPARE(key, QString("12/24/26 8:30:00 AM"));
        else if (name == "C")
            QCOMPARE(key, QString("24 Dec 2026 08:30:00"));
        QVERIFY(!key.contains("UTC") && !key.contains('='));
    }

    // The editor's rows are sorted by the date text, the list is rebuilt in row order after
    // each change, and a row gives back the moment that was entered.
    void editor() {
        const QDate later(2027, 1, 2), earlier(2026, 3, 1);
        const QString d1 = desktop::ShortDateText(later), d2 = desktop::ShortDateText(earlier);
        const bool laterFirst = d1 < d2;
        QStringList list;
        desktop::TReminderEditor editor(list);
        QCOMPARE(editor.Rows().size(), 0);
        editor.Add(later, QTime(23, 59, 58), "b = c");
        const int at = editor.Add(earlier, QTime(7, 5, 0), "");
        QCOMPARE(at, laterFirst ? 1 : 0);
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[laterFirst ? 0 : 1],
                 desktop::ReminderKey(QDateTime(later, QTime(23, 59, 58))) + "=b = c");
        QCOMPARE(list[at], desktop::ReminderKey(QDateTime(earlier, QTime(7, 5))) + "=");

        // A list read back (as at start) gives the same rows, and the moments parse again.
        QStringList copy = list;
        desktop::TReminderEditor again(copy);
        QCOMPARE(again.Rows(), editor.Rows());
        const desktop::TReminderRow& r = again.Rows()[laterFirst ? 0 : 1];
        QCOMPARE(r.ParsedDate(), later);
        QCOMPARE(r.ParsedTime(), QTime(23, 59, 58));
        QCOMPARE(r.Message, QString("b = c"));

        QVERIFY(editor.Update(at, earlier, QTime(7, 6), "changed"));
        QCOMPARE(list[at], desktop::ReminderKey(QDateTime(earlier, QTime(7, 6))) + "=changed");
        QVERIFY(!editor.Update(2, earlier, QTime(1, 0), "x"));
        QVERIFY(!editor.Delete(-1));
        QCOMPARE(list.size(), 2);
        QVERIFY(editor.Delete(at));
        QCOMPARE(list,
                 QStringList{desktop::ReminderKey(QDateTime(later, QTime(23, 59, 58))) + "=b = c"});
    }
};

QTEST_MAIN(TestAlarmLogic)
#include "tst_AlarmLogic.moc"
