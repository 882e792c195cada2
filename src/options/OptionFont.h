// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's font dialog: the toolkit's font dialog with a colour button, opened on the font
// the editor really shows.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace options {

// The font the system draws for `font`, and a note for the user when it is another family than
// the one asked for (a stored font that is not installed); the note is empty otherwise.
QFont FontInUse(const QFont& font, QString* note = nullptr);

// Opens the font dialog on `font` as it is drawn and `color`; true when the user confirmed,
// with the choice in both.
bool PickEditorFont(QWidget* parent, QFont& font, QColor& color);

} // namespace options
