// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the reminder list as the options page's editor and the timer's firing pass
// read it, from any lines. The editor shows one row per line, sorted by the date text, and
// gives every line back as it was through adds, updates and deletes. The firing pass, ticked
// through moments the first bytes choose (jumps ahead and back, some of days), fires a
// reminder of a visited second exactly once, late ones saying so, and none of another second.
#include "AlarmLogic.h"

#include <QSet>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using desktop::TReminderEditor;
using desktop::TReminderSchedule;

namespace {

constexpr std::size_t Steering = 16;

void CheckEditor(const QStringList& lines, const std::uint8_t* steer) {
    QStringList list = lines;
    TReminderEditor editor(list);
    // Opening leaves the list as it is; each change writes it anew from the rows.
    auto check = [&](bool written) {
        const QList<desktop::TReminderRow>& rows = editor.Rows();
        if (rows.size() != list.size())
            std::abort();
        for (qsizetype i = 0; i < rows.size(); ++i)
            if ((i > 0 && rows[i].Date < rows[i - 1].Date) || (written && list[i] != rows[i].Line))
                std::abort();
    };
    QStringList sorted = list;
    sorted.sort();
    QStringList given = lines;
    given.sort();
    QStringList shown;
    for (const desktop::TReminderRow& row : editor.Rows())
        shown << row.Line;
    shown.sort();
    if (sorted != given || shown != given) // no line lost or changed by reading
        std::abort();
    check(false);
    int removed = 0;
    bool written = false;
    for (std::size_t i = 0; i < Steering; ++i) {
        const int row = int(steer[i] >> 2) - 4; // a few beyond either end
        const QDate date = QDate(2026, 1, 1).addDays(steer[i] * 3);
        const QTime time(steer[i] % 24, steer[i] % 60, (steer[i] * 7) % 60);
        const qsizetype before = list.size();
        bool changed = false;
        switch (steer[i] % 3) {
        case 0:
            if (editor.Rows()[editor.Add(date, time, QStringLiteral("added"))].Message != "added")
                std::abort();
            changed = true;
            break;
        case 1:
            changed = editor.Update(row, date, time, QStringLiteral("changed"));
            break;
        default:
            changed = editor.Delete(row);
            break;
        }
        if (changed != (row >= 0 && row < before) && steer[i] % 3 != 0)
            std::abort(); // a row beyond the ends changes nothing
        if (list.size() != before + (steer[i] % 3 == 0) - (changed && steer[i] % 3 == 2))
            std::abort();
        removed += changed && steer[i] % 3 != 0 ? 1 : 0;
        written = written || changed;
        check(written);
    }
    // The lines read stay, each as it was, unless an update or a delete took it.
    int kept = 0;
    for (const QString& line : lines)
        kept += list.contains(line) ? 1 : 0;
    if (kept < lines.size() - removed &&
        lines.size() == QSet<QString>(lines.begin(), lines.end()).size())
        std::abort();
}

void CheckSchedule(QStringList list, const std::uint8_t* steer) {
    settings::TSettings s;
    s.Reminder = true;
    s.ReminderMsgBox = true;
    const QDateTime start(QDate(2026, 12, 24), QTime(8, 0));
    // The moments of the ticks: steps of up to two minutes either way, now and then hours or
    // days (a sleep, a clock put back).
    QList<qint64> ticks;
    qint64 t = 0;
    for (std::size_t i = 0; i < Steering; ++i) {
        const int step = int(std::int8_t(steer[i]));
        t += steer[i] % 29 == 0 ? qint64(step) * 3600 : step;
        ticks << t;
    }
    // Reminders of our own at seconds the ticks visit, or nearly.
    const bool ours =
        std::none_of(list.begin(), list.end(), [](const QString& l) { return l.contains(u'#'); });
    QList<qint64> at;
    for (int k = 0; k < 4; ++k) {
        at << ticks[steer[k] % ticks.size()] - steer[k + 4] % 3;
        list << desktop::ReminderKey(start.addSecs(at[k])) + QStringLiteral("=#%1#").arg(k);
    }
    QSet<QString> keys;
    for (const QString& line : std::as_const(list))
        if (line.contains(u'='))
            keys << line.first(line.indexOf(u'='));
    // The seconds a tick looks at: since the last look, or its own alone; one by one, or in
    // a long gap all at once (marked here by the gap's ends).
    auto stepped = [&](qint64 from, qint64 to) {
        return to - from < std::max<qint64>(TReminderSchedule::SteppedSeconds, keys.size());
    };
    QList<QSet<qint64>> looks;
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        QSet<qint64> seen;
        const qint64 from = i > 0 && ticks[i - 1] < ticks[i] ? ticks[i - 1] + 1 : ticks[i];
        if (stepped(from, ticks[i]))
            for (qint64 x = from; x <= ticks[i]; ++x)
                seen << x;
        else
            seen << from << ticks[i];
        looks << seen;
    }
    TReminderSchedule schedule;
    QList<int> heard(4, 0);
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        const std::optional<desktop::TAlarmAction> a =
            schedule.Pass(s, list, start.addSecs(ticks[i]).addMSecs(250));
        if (!a)
            continue;
        if (a->Text.isEmpty() || !a->Box || a->Box->isEmpty())
            std::abort();
        for (int k = 0; k < 4; ++k) {
            const QString mark = QStringLiteral("#%1#").arg(k);
            if (!a->Text.contains(mark))
                continue;
            ++heard[k];
            const bool late = ticks[i] - at[k] >= TReminderSchedule::LateAfterSeconds;
            const QString key = desktop::ReminderKey(start.addSecs(at[k]));
            if (ours && late != a->Text.contains(QStringLiteral("due at %1: ").arg(key)))
                std::abort();
        }
    }
    if (!ours)
        return;
    for (int k = 0; k < 4; ++k) {
        bool visited = false;
        for (const QSet<qint64>& seen : looks)
            visited = visited || seen.contains(at[k]);
        // The long gaps are read key by key: a second inside one counts as visited too.
        for (qsizetype i = 1; i < ticks.size(); ++i)
            if (ticks[i] > ticks[i - 1] && !stepped(ticks[i - 1] + 1, ticks[i]) &&
                at[k] > ticks[i - 1] && at[k] <= ticks[i])
                visited = true;
        // Two marks may share a second, and so one line: each is heard once all the same.
        if (heard[k] != (visited ? 1 : 0))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < Steering)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + Steering,
                                           qsizetype(size - Steering));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 64)
        lines.resize(64);
    CheckEditor(lines, data);
    CheckSchedule(lines, data);
    for (const QString& line : std::as_const(lines)) {
        const QString key = line.left(line.indexOf(QLatin1Char('=')));
        // A key in the form of a moment stands for that second, on the clock as in text.
        const QDateTime moment = desktop::ReminderMoment(key);
        if (moment.isValid() && desktop::ReminderKey(moment) == key &&
            desktop::ReminderKey(QDateTime::fromSecsSinceEpoch(moment.toSecsSinceEpoch())) != key)
            std::abort();
    }
    return 0;
}
