// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortCut.h"

namespace settings {

namespace {

struct TKeyInfo {
    int Vk;
    const char* Name;
    int QtKey;
    bool Keypad = false;
};

// Keys beyond the letters, digits and function keys: their names, and Qt's key for each.
// The names of the keys after Del are this program's own, in the style of the others.
const TKeyInfo OtherKeys[] = {
    {8, "BkSp", Qt::Key_Backspace},
    {9, "Tab", Qt::Key_Tab},
    {13, "Enter", Qt::Key_Return},
    {19, "Pause", Qt::Key_Pause},
    {20, "Caps Lock", Qt::Key_CapsLock},
    {27, "Esc", Qt::Key_Escape},
    {32, "Space", Qt::Key_Space},
    {33, "PgUp", Qt::Key_PageUp},
    {34, "PgDn", Qt::Key_PageDown},
    {35, "End", Qt::Key_End},
    {36, "Home", Qt::Key_Home},
    {37, "Left", Qt::Key_Left},
    {38, "Up", Qt::Key_Up},
    {39, "Right", Qt::Key_Right},
    {40, "Down", Qt::Key_Down},
    {44, "Print Screen", Qt::Key_Print},
    {45, "Ins", Qt::Key_Insert},
    {46, "Del", Qt::Key_Delete},
    {106, "Num *", Qt::Key_Asterisk, true},
    {107, "Num +", Qt::Key_Plus, true},
    {109, "Num -", Qt::Key_Minus, true},
    {110, "Num Del", Qt::Key_Period, true},
    {111, "Num /", Qt::Key_Slash, true},
    {144, "Num Lock", Qt::Key_NumLock},
    {145, "Scroll Lock", Qt::Key_ScrollLock},
    {186, ";", Qt::Key_Semicolon},
    {187, "=", Qt::Key_Equal},
    {188, ",", Qt::Key_Comma},
    {189, "-", Qt::Key_Minus},
    {190, ".", Qt::Key_Period},
    {191, "/", Qt::Key_Slash},
    {192, "`", Qt::Key_QuoteLeft},
    {219, "[", Qt::Key_BracketLeft},
    {220, "\\", Qt::Key_Backslash},
    {221, "]", Qt::Key_BracketRight},
    {222, "'", Qt::Key_Apostrophe},
};

const TKeyInfo* OtherKey(int vk) {
    for (const TKeyInfo& k : OtherKeys)
        if (k.Vk == vk)
            return &k;
    return nullptr;
}

} // namespace

QString KeyName(int vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return QString(QChar(vk));
    if (vk >= 96 && vk <= 105)
        return QString(QChar('0' + vk - 96));
    if (vk >= 112 && vk <= 135)
        return QStringLiteral("F%1").arg(vk - 111);
    const TKeyInfo* k = OtherKey(vk);
    return k ? QString::fromLatin1(k->Name) : QString();
}

QString ShortCutToText(TShortCut shortcut) {
    const QString name = KeyName(shortcut & scKeyMask);
    if (name.isEmpty())
        return {};
    QString text;
    if (shortcut & scShift)
        text += QStringLiteral("Shift+");
    if (shortcut & scCtrl)
        text += QStringLiteral("Ctrl+");
    if (shortcut & scAlt)
        text += QStringLiteral("Alt+");
    return text + name;
}

TShortCut TextToShortCut(const QString& text) {
    static const struct {
        const char* Prefix;
        TShortCut Bit;
    } modifiers[] = {{"Shift+", scShift}, {"^", scCtrl}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}};
    QStringView rest(text);
    TShortCut bits = 0;
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const auto& m : modifiers) {
            const QLatin1String prefix(m.Prefix);
            if (rest.startsWith(prefix, Qt::CaseInsensitive)) {
                rest = rest.mid(prefix.size());
                bits |= m.Bit;
                stripped = true;
            }
        }
    }
    if (rest.isEmpty())
        return 0;
    for (int vk = 8; vk <= 255; ++vk) {
        const QString name = KeyName(vk);
        if (!name.isEmpty() && rest.compare(name, Qt::CaseInsensitive) == 0)
            return TShortCut(bits | vk);
    }
    return 0;
}

QKeyCombination ShortCutToKey(TShortCut shortcut) {
    const int vk = shortcut & scKeyMask;
    int key = 0;
    Qt::KeyboardModifiers mods;
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        key = vk; // Qt's codes for these are their characters
    else if (vk >= 96 && vk <= 105)
        key = Qt::Key_0 + vk - 96;
    else if (vk >= 112 && vk <= 135)
        key = Qt::Key_F1 + vk - 112;
    else if (const TKeyInfo* k = OtherKey(vk)) {
        key = k->QtKey;
        if (k->Keypad)
            mods |= Qt::KeypadModifier;
    }
    if (key == 0)
        return QKeyCombination::fromCombined(0);
    if (shortcut & scShift)
        mods |= Qt::ShiftModifier;
    if (shortcut & scCtrl)
        mods |= Qt::ControlModifier;
    if (shortcut & scAlt)
        mods |= Qt::AltModifier;
    return QKeyCombination(mods, Qt::Key(key));
}

TShortCut KeyToShortCut(QKeyCombination combination) {
    const int key = combination.key();
    const Qt::KeyboardModifiers mods = combination.keyboardModifiers();
    int vk = 0;
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        vk = key;
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        vk = 112 + key - Qt::Key_F1;
    else
        for (const TKeyInfo& k : OtherKeys)
            if (k.QtKey == key && k.Keypad == bool(mods & Qt::KeypadModifier)) {
                vk = k.Vk;
                break;
            }
    if (vk == 0)
        return 0;
    TShortCut s = TShortCut(vk);
    if (mods & Qt::ShiftModifier)
        s |= scShift;
    if (mods & Qt::ControlModifier)
        s |= scCtrl;
    if (mods & Qt::AltModifier)
        s |= scAlt;
    return s;
}

} // namespace settings
