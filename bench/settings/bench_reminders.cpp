// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog with a long reminder list: the time from asking for the dialog to its
// Reminders page drawn, for 1,000, 10,000 and 100,000 reminders, and one "Add" on the longest
// list. The goal: 100,000 reminders open in under 1 s, the cost growing no faster than n log n
// (ten times the reminders, about twelve times the time). Beside it, a plain QTableWidget
// filled with the same rows, as a list view of its own would hold them.
#include "AlarmLogic.h"
#include "Global.h"
#include "Option.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cstdio>

using namespace settings;

namespace {

constexpr double GoalMs = 1000;

// `n` reminders on days over four years, in no order, as a list grown over time holds them.
QStringList Reminders(int n) {
    QRandomGenerator random(42);
    QStringList list;
    list.reserve(n);
    const QDate first(2026, 1, 1);
    for (int i = 0; i < n; ++i) {
        const QDateTime at(first.addDays(random.bounded(4 * 365)),
                           QTime(random.bounded(24), random.bounded(60), random.bounded(60)));
        list << desktop::ReminderKey(at) + QStringLiteral("=Call back about order %1").arg(i);
    }
    return list;
}

double MsSince(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// Opens the dialog on its Reminders page with `n` reminders; returns the milliseconds until it
// was drawn. `add` also times one Add on that list.
double OpenDialog(int n, double* add = nullptr) {
    ReminderList = Reminders(n);
    Settings.Reminder = true;
    Settings.LastOptionPage = 6;
    QElapsedTimer t;
    t.start();
    TFormOption dialog{options::TOptionsHost{}};
    dialog.show();
    QApplication::processEvents();
    dialog.repaint();
    const double ms = MsSince(t);
    if (add) {
        dialog.MemoReminder->setPlainText(QStringLiteral("One more"));
        QElapsedTimer a;
        a.start();
        dialog.Button1Click();
        QApplication::processEvents();
        dialog.repaint();
        *add = MsSince(a);
        if (ReminderList.size() != n + 1)
            std::printf("the Add did not reach the list\n");
    }
    if (dialog.ListViewReminderList->model()->rowCount() != n + (add ? 1 : 0))
        std::printf("the dialog shows %d rows, not %d\n",
                    dialog.ListViewReminderList->model()->rowCount(), n);
    return ms;
}

double TableWidget(int n) {
    const QStringList list = Reminders(n);
    QElapsedTimer t;
    t.start();
    QTableWidget table(0, 3);
    table.setRowCount(int(list.size()));
    for (int r = 0; r < list.size(); ++r) {
        const qsizetype eq = list[r].indexOf(u'=');
        const QString key = list[r].first(eq);
        const qsizetype blank = key.indexOf(u' ');
        table.setItem(r, 0, new QTableWidgetItem(key.first(blank)));
        table.setItem(r, 1, new QTableWidgetItem(key.sliced(blank + 1)));
        table.setItem(r, 2, new QTableWidgetItem(list[r].sliced(eq + 1)));
    }
    table.show();
    QApplication::processEvents();
    table.repaint();
    return MsSince(t);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The off-screen platform's remarks about window hints would bury the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    QTemporaryDir dir;
    LoadDefaultSettings(dir.path() + QLatin1Char('/'));
    OpenDialog(100); // the first opening loads what every later one finds in place

    std::printf("%-34s %12s %12s\n", "reminders", "dialog ms", "table ms");
    double previous = 0;
    for (int n : {1000, 10000, 100000}) {
        double add = 0;
        const double ms = OpenDialog(n, n == 100000 ? &add : nullptr);
        const double table = TableWidget(n);
        std::printf("%-34d %12.1f %12.1f", n, ms, table);
        if (previous > 0)
            std::printf("   x%.1f for ten times the reminders", ms / previous);
        std::printf("\n");
        previous = ms;
        if (n == 100000) {
            std::printf("\n100,000 reminders: %.2f x the 1 s goal; %.2f x a filled QTableWidget\n",
                        ms / GoalMs, ms / table);
            std::printf("one Add on 100,000 reminders: %.1f ms\n", add);
        }
    }
    return 0;
}
