// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder list as the options dialog's list view shows it: one row per reminder, the
// columns "Date", "Time" and "Message", taken from the reminder editor's rows when the view
// asks for them. Nothing is made per row in advance, so a list of any length opens at once.
#pragma once

#include "AlarmLogic.h"

#include <QAbstractTableModel>

#include <vector>

namespace options {

class TReminderModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The rows to show, or none; the editor outlives its use here.
    void SetEditor(const desktop::TReminderEditor* editor);
    // The editor's rows changed.
    void Reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Whether a row's date and time read in the current formats: asked when it is first shown.
    bool Readable(int row) const;
    const desktop::TReminderEditor* FEditor = nullptr;
    mutable std::vector<signed char> FReadable; // -1 not asked yet, else 0 or 1
};

} // namespace options
