// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionControls.h"

#include "Paste.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>
#include <climits>

namespace options {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    // The field itself takes any number; the range is this field's own rule.
    QSpinBox::setRange(INT_MIN + 1, INT_MAX - 1);
    setKeyboardTracking(true);
    setValue(0);
    // Typing reaches the line edit; numbers set from code only the spin box.
    connect(lineEdit(), &QLineEdit::textChanged, this, &TSpinEdit::Change);
    connect(this, &QSpinBox::valueChanged, this, &TSpinEdit::Change);
}

void TSpinEdit::SetBounds(int min, int max) {
    FMin = min;
    FMax = max;
}

int TSpinEdit::InRange(int value) const {
    if (FMin == 0 && FMax == 0)
        return value;
    return std::clamp(value, FMin, std::max(FMin, FMax));
}

int TSpinEdit::Value() const {
    bool ok = false;
    const int v = lineEdit()->text().trimmed().toInt(&ok);
    return ok ? v : FMin;
}

void TSpinEdit::SetValue(int value) {
    setValue(InRange(value));
}

QValidator::State TSpinEdit::validate(QString& input, int&) const {
    const QString t = input.trimmed();
    if (t.isEmpty() || t == QLatin1String("-"))
        return QValidator::Intermediate;
    bool ok = false;
    t.toInt(&ok);
    return ok ? QValidator::Acceptable : QValidator::Invalid;
}

// The toolkit puts back the last number it held when the text is no number; the field shows
// the minimum instead, which is what the setting holds by then.
void TSpinEdit::fixup(QString& input) const {
    bool ok = false;
    input.trimmed().toInt(&ok);
    if (!ok)
        input = QString::number(FMin);
}

int TSpinEdit::valueFromText(const QString& text) const {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : FMin;
}

void TSpinEdit::stepBy(int steps) {
    SetValue(Value() + steps);
    selectAll();
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    QSpinBox::focusOutEvent(event);
    const int v = Value();
    if (InRange(v) != v)
        SetValue(v);
}

THotKey::THotKey(QWidget* parent) : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setProperty(desktop::KeysOnlyProperty, true); // Ctrl+V is a combination here, not a paste
    SetHotKey(0);
}

THotKey::~THotKey() {
    Capture(false);
}

void THotKey::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    Capture(true);
}

void THotKey::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Capture(false);
}

void THotKey::Capture(bool on) {
    if (on == FCapturing)
        return;
    FCapturing = on;
    if (OnCapture)
        OnCapture(on);
}

void THotKey::SetHotKey(settings::TShortCut value) {
    FHotKey = value;
    const QString text = settings::ShortCutToText(value);
    //: the key field when no key combination is set
    setText(text.isEmpty() ? tr("None") : text);
}

void THotKey::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return; // a modifier alone makes no combination yet
    default:
        break;
    }
    const bool plain = mods == Qt::NoModifier || mods == Qt::ShiftModifier;
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
                  key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
        event->ignore();
        return;
    }
    if (mods == Qt::NoModifier && (key == Qt::Key_Backspace || key == Qt::Key_Delete)) {
        SetHotKey(0);
        return;
    }
    if (plain)
        mods = Qt::NoModifier; // no modifier, or Shift alone: taken without any
    mods |= event->modifiers() & Qt::KeypadModifier;
    const settings::TShortCut s = settings::KeyToShortCut(QKeyCombination(mods, Qt::Key(key)));
    if (s != 0)
        SetHotKey(s);
}

void THotKey::contextMenuEvent(QContextMenuEvent* event) {
    event->accept(); // the combination is pressed, not typed or pasted
}

} // namespace options
