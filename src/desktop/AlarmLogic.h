// SPDX-License-Identifier: GPL-3.0-or-later
// The talking clock and the reminders as rules: what one tick of the window's timer does at a
// given moment, the reminder keys, and what the options page's reminder editor does to the
// reminder list. No widget and no sound here; the window acts on what a pass returns.
#pragma once

#include "Global.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTime>

#include <algorithm>
#include <optional>

namespace desktop {

// The regional formats of the moment: the system's short date, and its long time without the
// time zone (the zone would make a key depend on daylight saving).
QString ShortDateFormat();
QString LongTimeFormat();
QString ShortDateText(const QDate& date);
QString LongTimeText(const QTime& time);
// "<short date> <long time>", e.g. "24.12.2026 08:30:00" with German formats.
QString ReminderKey(const QDateTime& moment);

// What a pass asks the window to do.
struct TAlarmAction {
    enum TKind { Speak, PlaySound };
    TKind Kind = Speak;
    QString Text;               // Speak: the text to read aloud; PlaySound: the sound file
    std::optional<QString> Box; // shown in a message box when set
    bool operator==(const TAlarmAction&) const = default;
};

// The alarm pass for the moment `now`; nothing when the alarm is off, not due, or its settings
// make no sense (an interval of 0, an unknown style).
std::optional<TAlarmAction> AlarmPass(const settings::TSettings& s, const QDateTime& now);

// The reminder pass at one moment alone: every line of `list` whose key is `now`'s key fires.
// Lines with the same key fire together, as one reading of their messages, one per line.
std::optional<TAlarmAction> ReminderPass(const settings::TSettings& s, const QStringList& list,
                                         const QDateTime& now);

// The moment a reminder key stands for in the current formats; invalid when it does not read.
QDateTime ReminderMoment(const QString& key);

// The reminder pass as the window's timer runs it, tick after tick. Every reminder whose second
// came since the last look fires: also one that the clock jumped over, or that the machine
// slept through, and such a one says it is late. Each line fires once in the program's run, so
// a clock put back never fires one again. A key fires as it does in ReminderPass: when its
// text is the key of one of those seconds.
class TReminderSchedule {
public:
    std::optional<TAlarmAction> Pass(const settings::TSettings& s, const QStringList& list,
                                     const QDateTime& now);
    // Forgets the last look: what came due while the timer did not run (the reminders were
    // off) never fires late.
    void Restart() { FLast.reset(); }

    // A reminder fired this many seconds after its moment or later says it is late.
    static constexpr qint64 LateAfterSeconds = 5;
    // A gap of fewer seconds than this, or than the list has keys, is looked at second by
    // second; in a longer one (a machine that slept) every key is read once instead: either
    // way the work grows with the smaller of the two.
    static constexpr qint64 SteppedSeconds = 60;
    // Whether a look at the seconds from `from` to `to` goes second by second.
    bool Stepped(qint64 from, qint64 to) const {
        return to - from < std::max<qint64>(SteppedSeconds, FKeys.size());
    }

private:
    void Read(const QStringList& list);
    QStringList FList; // the list the keys were read from: shared with it until it changes
    QHash<QString, QList<qsizetype>> FKeys; // key -> its lines, in list order
    std::optional<qint64> FLast;            // the second of the last look
    QSet<QString> FFired;                   // lines that fired in this run
};

// One row of the reminder editor's list view.
struct TReminderRow {
    QString Date, Time, Message;
    // The moment the row's texts stand for in the current formats (invalid when they don't
    // parse, e.g. after a change of the regional formats).
    QDate ParsedDate() const;
    QTime ParsedTime() const;
    // The row's line in the list: as it was read, written back as it is while the row stays
    // (a line that does not split into the current formats, or has no "=", keeps its exact
    // text), or made from the row's texts for a row the editor made.
    QString Line;
    bool operator==(const TReminderRow& o) const {
        return Date == o.Date && Time == o.Time && Message == o.Message;
    }
};

// The reminder editor's effects on the list. The rows are kept sorted by the date text
// (compared as text, equal dates keep their order), and after each change the list is rebuilt
// from the rows in row order.
class TReminderEditor {
public:
    explicit TReminderEditor(QStringList& list);
    const QList<TReminderRow>& Rows() const { return FRows; }
    // Returns the row the new reminder landed on.
    int Add(const QDate& date, const QTime& time, const QString& message);
    // Both do nothing (and return false) without a valid row.
    bool Update(int row, const QDate& date, const QTime& time, const QString& message);
    bool Delete(int row);

private:
    int Place(TReminderRow row);
    void Store();
    QStringList& FList;
    QList<TReminderRow> FRows;
};

} // namespace desktop
