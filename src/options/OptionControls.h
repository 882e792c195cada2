// SPDX-License-Identifier: GPL-3.0-or-later
// Two controls of the options dialog that behave as the program's users know them: a number
// field that lets a typed number stand until the field is left, and a key-combination field.
#pragma once

#include "Hotkeys.h"

#include <QLineEdit>
#include <QSpinBox>

#include <functional>

namespace options {

// A number field with up and down arrows. A text that is not a number counts as the minimum; a
// typed number outside the range is taken as it is and brought into the range when the field
// loses the focus; a number set from code is brought into the range first. A field whose
// minimum and maximum are both 0 has no range. Change() follows every change of the text.
class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int MinValue() const { return FMin; }
    int MaxValue() const { return FMax; }
    void SetBounds(int min, int max);
    int Value() const;
    void SetValue(int value);
    int InRange(int value) const;
    void stepBy(int steps) override;

signals:
    void Change();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    // What a text that is no number comes to when the field takes it (leaving it, Enter).
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int FMin = 0;
    int FMax = 0;
};

// A field that shows a key combination and takes the next one pressed in it. A combination
// without a modifier, or with Shift alone, is taken without any modifier. Backspace and Delete
// alone clear it; Enter, Esc and Tab alone are left to the dialog.
class THotKey : public QLineEdit {
    Q_OBJECT
public:
    explicit THotKey(QWidget* parent = nullptr);
    ~THotKey() override;

    settings::TShortCut HotKey() const { return FHotKey; }
    void SetHotKey(settings::TShortCut value);

    // Runs with true when the field takes the keyboard and with false when it lets it go, so
    // that global keys can reach the field meanwhile.
    std::function<void(bool)> OnCapture;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Capture(bool on);
    settings::TShortCut FHotKey = 0;
    bool FCapturing = false;
};

} // namespace options
