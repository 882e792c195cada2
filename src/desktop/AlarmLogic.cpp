#include "AlarmLogic.h"

#include "TextFile.h"

#include <QLocale>

#include <algorithm>

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

QString KeyOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    // A line without "=" has no key, and so never fires.
    return eq < 0 ? QString() : line.first(eq);
}

QString MessageOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.sliced(eq + 1);
}

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
    QString text = settings::DecodeText(*bytes, nullptr, true);
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
            a.Box = QStringLiteral("Sound Alarm!");
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
    if (!s.Reminder)
        return std::nullopt;
    const QString key = ReminderKey(now);
    QStringList messages;
    for (const QString& line : list)
        if (KeyOf(line) == key)
            messages << MessageOf(line);
    if (messages.isEmpty())
        return std::nullopt;
    TAlarmAction a;
    a.Text = messages.join(QLatin1String("\r\n"));
    if (s.ReminderMsgBox)
        a.Box = key + QLatin1String("\r\n\r\n") + a.Text;
    return a;
}

// --- The reminder editor ----------------------------------------------------------------------

QDate TReminderRow::ParsedDate() const {
    const QString format = ShortDateFormat();
    QDate d = QLocale::system().toDate(Date, format);
    // A two-digit year means this century, not the 1900s that parsing assumes.
    if (d.isValid() && !format.contains(QLatin1String("yyyy")) && d.year() < 2000)
        d = d.addYears(100);
    return d;
}

QTime TReminderRow::ParsedTime() const {
    return QLocale::system().toTime(Time, LongTimeFormat());
}

TReminderEditor::TReminderEditor(QStringList& list) : FList(list) {
    // The date part has as many blanks as the current short date has; the rest is the time.
    const int blanks = int(ShortDateText(QDate(2026, 12, 24)).count(QLatin1Char(' ')));
    for (const QString& line : FList) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString key = eq < 0 ? line : line.first(eq);
        TReminderRow row;
        row.Message = MessageOf(line);
        qsizetype cut = -1;
        for (int n = 0; n <= blanks; ++n) {
            cut = key.indexOf(QLatin1Char(' '), cut + 1);
            if (cut < 0)
                break;
        }
        row.Date = cut < 0 ? key : key.first(cut);
        row.Time = cut < 0 ? QString() : key.sliced(cut + 1);
        row.Line = line;
        Place(row);
    }
}

int TReminderEditor::Place(TReminderRow row) {
    const auto at = std::upper_bound(
        FRows.begin(), FRows.end(), row,
        [](const TReminderRow& a, const TReminderRow& b) { return a.Date < b.Date; });
    const int index = int(at - FRows.begin());
    FRows.insert(index, std::move(row));
    return index;
}

void TReminderEditor::Store() {
    FList.clear();
    for (const TReminderRow& r : FRows)
        FList << (r.Line.isEmpty()
                      ? r.Date + QLatin1Char(' ') + r.Time + QLatin1Char('=') + r.Message
                      : r.Line);
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
