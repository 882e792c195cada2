// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmLogic.h"

#include "Document.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <tuple>
#include <utility>

namespace desktop {

namespace {

// Drops the time-zone fields ("t" and its longer forms) from a time format, leaving quoted
// literals alone, and the blanks that stood around them.
QString WithoutTimeZone(const QString& format) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        out += c;
    }
    return out.simplified();
}

QString MessageOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.sliced(eq + 1);
}

std::pair<QString, QString> SplitKey(const QString& key, int dateBlanks) {
    qsizetype cut = -1;
    for (int n = 0; n <= dateBlanks; ++n) {
        cut = key.indexOf(QLatin1Char(' '), cut + 1);
        if (cut < 0)
            break;
    }
    return {cut < 0 ? key : key.first(cut), cut < 0 ? QString() : key.sliced(cut + 1)};
}

// The regional formats, looked up once for work on many keys.
struct TFormats {
    QLocale Locale = QLocale::system();
    QString Date = ShortDateFormat(), Time = LongTimeFormat();
    // Blanks in the short date: a key's date part has as many, the rest is its time.
    int Blanks = int(Locale.toString(QDate(2026, 12, 24), Date).count(QLatin1Char(' ')));

    QString Key(const QDateTime& moment) const {
        return Locale.toString(moment.date(), Date) + QLatin1Char(' ') +
               Locale.toString(moment.time(), Time);
    }
    QDate ParseDate(const QString& text) const {
        QDate d = Locale.toDate(text, Date);
        // A two-digit year means this century, not the 1900s that parsing assumes.
        if (d.isValid() && !Date.contains(QLatin1String("yyyy")) && d.year() < 2000)
            d = d.addYears(100);
        return d;
    }
    QTime ParseTime(const QString& text) const { return Locale.toTime(text, Time); }
    QDateTime Moment(const QString& key) const {
        const auto [date, time] = SplitKey(key, Blanks);
        const QDate d = ParseDate(date);
        const QTime t = ParseTime(time);
        return d.isValid() && t.isValid() ? QDateTime(d, t) : QDateTime();
    }
};

// The file as its lines, each followed by CR LF; nullopt when it cannot be read.
std::optional<QString> FileLines(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    std::optional<QByteArray> bytes;
    try {
        bytes = settings::ReadWholeFile(path);
    } catch (const settings::EFileError&) {
        return std::nullopt;
    }
    if (!bytes)
        return std::nullopt;
    // Read as the editor reads it, so that it says what the editor shows of the file.
    QString text = settings::DecodeDocument(*bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast(); // the line break at the end starts no further line
    QString out;
    for (const QString& l : lines)
        out += l + QLatin1String("\r\n");
    return out;
}

} // namespace

QString ShortDateFormat() {
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

QString LongTimeFormat() {
    return WithoutTimeZone(QLocale::system().timeFormat(QLocale::LongFormat));
}

QString ShortDateText(const QDate& date) {
    return QLocale::system().toString(date, ShortDateFormat());
}

QString LongTimeText(const QTime& time) {
    return QLocale::system().toString(time, LongTimeFormat());
}

QString ReminderKey(const QDateTime& moment) {
    return ShortDateText(moment.date()) + QLatin1Char(' ') + LongTimeText(moment.time());
}

std::optional<TAlarmAction> AlarmPass(const settings::TSettings& s, const QDateTime& now) {
    if (!s.Alarm)
        return std::nullopt;
    const QTime t = now.time();
    // An interval of 0 (only config.ini can hold it) has no multiples: the alarm never goes off.
    if (s.AlarmInterval == 0 || t.minute() % s.AlarmInterval != 0 || t.second() != 0)
        return std::nullopt;
    TAlarmAction a;
    switch (s.AlarmStyle) {
    case 0: {
        QString content;
        if (!s.AlarmDate)
            content = LongTimeText(t);
        else if (t.hour() == 0 && t.minute() == 0 && t.second() == 0)
            content = ShortDateText(now.date()); // midnight says the date alone
        else
            content = ShortDateText(now.date()) + QLatin1Char(' ') + LongTimeText(t);
        a.Text = s.AlarmBefore + QLatin1Char(' ') + content + QLatin1Char(' ') + s.AlarmAfter;
        break;
    }
    case 1: {
        const QString content = FileLines(s.AlarmTxtFile)
                                    .value_or(QStringLiteral("File ") + s.AlarmTxtFile +
                                              QStringLiteral(" open error!\r\n"));
        a.Text = s.AlarmBefore + QLatin1Char(' ') + content + QLatin1Char(' ') + s.AlarmAfter;
        break;
    }
    case 2:
        a.Kind = TAlarmAction::PlaySound;
        a.Text = s.AlarmWavFile;
        if (s.AlarmMsgBox)
            //: Message box shown while the alarm plays its sound
            a.Box = QCoreApplication::translate("AlarmLogic", "Sound Alarm!");
        return a;
    default:
        return std::nullopt;
    }
    if (s.AlarmMsgBox)
        a.Box = a.Text;
    return a;
}

std::optional<TAlarmAction> ReminderPass(const settings::TSettings& s, const QStringList& list,
                                         const QDateTime& now) {
    return TReminderSchedule().Pass(s, list, now);
}

QDateTime ReminderMoment(const QString& key) {
    return TFormats().Moment(key);
}

void TReminderSchedule::Read(const QStringList& list) {
    FList = list;
    FKeys.clear();
    FKeys.reserve(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        const qsizetype eq = list[i].indexOf(QLatin1Char('='));
        if (eq >= 0) // a line without "=" has no key, and so never fires
            FKeys[list[i].first(eq)].append(i);
    }
}

std::optional<TAlarmAction> TReminderSchedule::Pass(const settings::TSettings& s,
                                                    const QStringList& list, const QDateTime& now) {
    const qint64 second = now.toSecsSinceEpoch();
    const std::optional<qint64> last = std::exchange(FLast, second);
    if (!s.Reminder)
        return std::nullopt;
    // The keys are read again only when the list changed (a change parts it from the copy).
    if (list.constData() != FList.constData() || list.size() != FList.size())
        Read(list);
    if (FKeys.isEmpty())
        return std::nullopt;

    // The seconds since the last look; the present one alone at the first look, and after the
    // clock was put back.
    const qint64 from = last && *last < second ? *last + 1 : second;
    struct TDue {
        qint64 Second;
        QString Key;
    };
    std::vector<TDue> due;
    QSet<QString> seen; // a second that comes twice (the hour the clock goes back) fires once
    const TFormats formats;
    if (Stepped(from, second)) {
        for (qint64 t = from; t <= second; ++t) {
            const QString key = formats.Key(QDateTime::fromSecsSinceEpoch(t));
            if (FKeys.contains(key) && !seen.contains(key)) {
                seen.insert(key);
                due.push_back({t, key});
            }
        }
    } else {
        for (auto it = FKeys.cbegin(); it != FKeys.cend(); ++it) {
            const QDateTime at = formats.Moment(it.key());
            const qint64 t = at.isValid() ? at.toSecsSinceEpoch() : from - 1;
            // Only a key in the very form a moment is written fires, as second by second.
            if (t >= from && t <= second && formats.Key(at) == it.key())
                due.push_back({t, it.key()});
        }
        std::sort(due.begin(), due.end(),
                  [](const TDue& a, const TDue& b) { return a.Second < b.Second; });
    }

    const QLatin1String lineBreak("\r\n");
    QStringList spoken, shown;
    for (const TDue& d : due) {
        QStringList lines;
        for (qsizetype i : FKeys.value(d.Key))
            if (!FFired.contains(FList[i]))
                lines << FList[i];
        if (lines.isEmpty())
            continue;
        QStringList messages;
        for (const QString& line : std::as_const(lines)) {
            FFired.insert(line);
            messages << MessageOf(line);
        }
        const QString text = messages.join(lineBreak);
        const bool late = second - d.Second >= LateAfterSeconds;
        spoken << (late ? QStringLiteral("Late reminder, due at %1: ").arg(d.Key) + text : text);
        //: After the moment of a reminder shown late (keep the leading space)
        shown << d.Key +
                     (late ? QCoreApplication::translate("TReminderSchedule", " (late)")
                           : QString()) +
                     lineBreak + lineBreak + text;
    }
    if (spoken.isEmpty())
        return std::nullopt;
    TAlarmAction a;
    a.Text = spoken.join(lineBreak);
    if (s.ReminderMsgBox)
        a.Box = shown.join(lineBreak + lineBreak);
    return a;
}

// --- The reminder editor ----------------------------------------------------------------------

QDate TReminderRow::ParsedDate() const {
    return TFormats().ParseDate(Date);
}

QTime TReminderRow::ParsedTime() const {
    return TFormats().ParseTime(Time);
}

namespace {
bool EarlierDate(const TReminderRow& a, const TReminderRow& b) {
    return a.Date < b.Date;
}
} // namespace

TReminderEditor::TReminderEditor(QStringList& list) : FList(list) {
    const int blanks = TFormats().Blanks;
    FRows.reserve(FList.size());
    for (const QString& line : std::as_const(FList)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        TReminderRow row;
        std::tie(row.Date, row.Time) = SplitKey(eq < 0 ? line : line.first(eq), blanks);
        row.Message = MessageOf(line);
        row.Line = line;
        FRows.append(std::move(row));
    }
    // Sorted once, not row by row: a list of any length opens at once.
    std::stable_sort(FRows.begin(), FRows.end(), EarlierDate);
}

int TReminderEditor::Place(TReminderRow row) {
    if (row.Line.isEmpty())
        row.Line = row.Date + QLatin1Char(' ') + row.Time + QLatin1Char('=') + row.Message;
    const auto at = std::upper_bound(FRows.begin(), FRows.end(), row, EarlierDate);
    const int index = int(at - FRows.begin());
    FRows.insert(index, std::move(row));
    return index;
}

void TReminderEditor::Store() {
    QStringList lines;
    lines.reserve(FRows.size());
    for (const TReminderRow& r : std::as_const(FRows))
        lines << r.Line;
    FList = std::move(lines);
}

int TReminderEditor::Add(const QDate& date, const QTime& time, const QString& message) {
    const int index = Place({ShortDateText(date), LongTimeText(time), message, {}});
    Store();
    return index;
}

bool TReminderEditor::Update(int row, const QDate& date, const QTime& time,
                             const QString& message) {
    if (row < 0 || row >= FRows.size())
        return false;
    FRows.removeAt(row);
    Place({ShortDateText(date), LongTimeText(time), message, {}});
    Store();
    return true;
}

bool TReminderEditor::Delete(int row) {
    if (row < 0 || row >= FRows.size())
        return false;
    FRows.removeAt(row);
    Store();
    return true;
}

} // namespace desktop
