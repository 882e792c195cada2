// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderModel.h"

#include <QBrush>
#include <QCoreApplication>

namespace options {

void TReminderModel::SetEditor(const desktop::TReminderEditor* editor) {
    FEditor = editor;
    Reset();
}

void TReminderModel::Reset() {
    beginResetModel();
    FReadable.assign(FEditor ? std::size_t(FEditor->Rows().size()) : 0, -1);
    endResetModel();
}

int TReminderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !FEditor ? 0 : int(FEditor->Rows().size());
}

int TReminderModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

bool TReminderModel::Readable(int row) const {
    signed char& known = FReadable[std::size_t(row)];
    if (known < 0) {
        const desktop::TReminderRow& r = FEditor->Rows()[row];
        known = r.ParsedDate().isValid() && r.ParsedTime().isValid() ? 1 : 0;
    }
    return known == 1;
}

QVariant TReminderModel::data(const QModelIndex& index, int role) const {
    if (!FEditor || !index.isValid() || index.row() >= rowCount())
        return {};
    const desktop::TReminderRow& row = FEditor->Rows()[index.row()];
    const int column = index.column();
    // A moment that does not read in the current formats is shown as written, marked, and kept.
    const bool marked = column < 2 && !Readable(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (column == 0)
            return row.Date;
        if (column == 1)
            return marked && row.Time.isEmpty() ? QStringLiteral("?") : row.Time;
        return row.Message;
    case Qt::ForegroundRole:
        return marked ? QVariant(QBrush(Qt::red)) : QVariant();
    case Qt::ToolTipRole:
        return marked ? QVariant(tr("This moment does not read as a date and time in the current "
                                    "formats. The reminder is kept as it was written."))
                      : QVariant();
    default:
        return {};
    }
}

QVariant TReminderModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 2)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const names[] = {QT_TRANSLATE_NOOP("options::TReminderModel", "Date"),
                                        QT_TRANSLATE_NOOP("options::TReminderModel", "Time"),
                                        QT_TRANSLATE_NOOP("options::TReminderModel", "Message")};
    return QCoreApplication::translate("options::TReminderModel", names[section]);
}

} // namespace options
