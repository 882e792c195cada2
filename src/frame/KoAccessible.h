// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned frame as a screen reader sees it. The caption buttons are pictures that take
// presses (TKoImage); to the accessibility bus they are the push buttons they look like, named
// by their tooltips ("Close", "Minimize", ...), and the reader's press action clicks them.
#pragma once

class QLabel;
class QMenu;
class QString;
class QWidget;
template <typename T> class QList;

namespace koframe {

// Marks `picture` as a caption button. The interface that says so is installed with the first.
void MarkCaptionButton(QWidget* picture);

// Marks `panel` as the window's status bar, named by what it says; AnnounceStatus, after each
// change of its text, tells a screen reader that the name changed, so it can say the new one.
void MarkStatusPanel(QLabel* panel);

// Marks a window in the program's own frame as what it is to a screen reader: the main window a
// frame, one with an owner a dialog (a plain widget would be a filler).
void MarkFramedWindow(QWidget* window);
void AnnounceStatus(QLabel* panel);

// Every item of `menu` gets a mnemonic each time the menu opens: an item's own
// marked letter stays, the others get the first letter or digit of their text that no other item
// of that menu has (none when every one is taken). Texts that change while the program runs, or
// come from a translation, get theirs at the next opening.
void GiveMnemonics(QMenu* menu);

// A ring in the desktop's highlight colour around whichever of `controls` has the keyboard's
// focus: the tool bar's controls are drawn flat on the frame, where the style's own sign of the
// focus is hard to see.
void ShowFocusRing(const QList<QWidget*>& controls);

// The text with its mnemonic marks taken out ("&&" stays as "&"), as it reads in a message.
QString WithoutMnemonics(const QString& text);

} // namespace koframe
