// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog from the keyboard: the page keys, the mnemonics of its controls, and the
// bit-rate list whose arrows step only onto the rates the chosen frequency allows.
#pragma once

#include <functional>

class QComboBox;
class QTabBar;
class QWidget;
class TFormOption;

namespace options {

// Whether the MP3 bit rate `kbps` goes with the frequency item `khzIndex` of the list (-1 when
// none is chosen): items 0 to 5 ("8" to "24" kHz) take 8 to 160, the others 32 to 320.
bool Mp3RateAllowed(int khzIndex, int kbps);

// Ctrl+Tab and Ctrl+PageDown show the next of the first `count` pages of `tabs`, Ctrl+Shift+Tab
// and Ctrl+PageUp the one before, round; from no page they start at the first or the last.
void BindPageKeys(QWidget* dialog, QTabBar* tabs, int count);

// The arrows, Page Up and Down, Home and End (and the wheel) of the closed list `rates` step
// over the items `allowed` refuses; `picked` runs after each step, as after a pick.
void StepOverRefused(QComboBox* rates, std::function<bool(int item)> allowed,
                     std::function<void()> picked);

// Gives the dialog's check boxes, buttons and labelled fields their mnemonics, and lets Tab
// leave the reminder list.
void SetKeyboardAccess(TFormOption& dialog);

} // namespace options
