// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's 50 commands, by number: the number is the index of the command's shortcut
// in the hotkey tables (so a new command comes last, whatever its menu, and stored keys keep
// their commands). Image: index in the tool bar's image lists, -1 for none.
#pragma once

#include <QLatin1String>
#include <QString>

// X(number, name, caption, hint, image, startsDisabled). Caption and hint are the English texts,
// marked for translation in the context "Command"; they are translated where they are shown.
// clang-format off
#define NURVA_COMMANDS(X) \
    X(0, ActionFileNew, \
      /*: File menu: creates a new, empty document */ \
      QT_TRANSLATE_NOOP("Command", "New"), \
      QT_TRANSLATE_NOOP("Command", "Create a new document"), -1, false) \
    X(1, ActionFileOpen, \
      QT_TRANSLATE_NOOP("Command", "Open..."), \
      QT_TRANSLATE_NOOP("Command", "Open document(s)"), -1, false) \
    X(2, ActionFileSave, \
      QT_TRANSLATE_NOOP("Command", "Save"), \
      QT_TRANSLATE_NOOP("Command", "Save the current document"), -1, false) \
    X(3, ActionFileSaveAs, \
      QT_TRANSLATE_NOOP("Command", "Save As..."), \
      QT_TRANSLATE_NOOP("Command", "Save the current document as..."), -1, false) \
    X(4, ActionFileClose, \
      QT_TRANSLATE_NOOP("Command", "Close"), \
      QT_TRANSLATE_NOOP("Command", "Close the current document"), -1, false) \
    X(5, ActionFileCloseAll, \
      QT_TRANSLATE_NOOP("Command", "Close All"), \
      QT_TRANSLATE_NOOP("Command", "Close all document(s)"), -1, false) \
    X(6, ActionFileExit, \
      QT_TRANSLATE_NOOP("Command", "Exit"), \
      QT_TRANSLATE_NOOP("Command", "Exit"), -1, false) \
    X(7, ActionFileMoveFirst, \
      QT_TRANSLATE_NOOP("Command", "Move to First"), \
      QT_TRANSLATE_NOOP("Command", "Move the current document to first position"), -1, false) \
    X(8, ActionFileMovePrev, \
      /*: Tab menu: moves the current document one place towards the first */ \
      QT_TRANSLATE_NOOP("Command", "Move to Prev"), \
      QT_TRANSLATE_NOOP("Command", "Move the current document to previous position"), -1, false) \
    X(9, ActionFileMoveNext, \
      /*: Tab menu: moves the current document one place towards the last */ \
      QT_TRANSLATE_NOOP("Command", "Move to Next"), \
      QT_TRANSLATE_NOOP("Command", "Move the current document to next position"), -1, false) \
    X(10, ActionFileMoveLast, \
      QT_TRANSLATE_NOOP("Command", "Move to Last"), \
      QT_TRANSLATE_NOOP("Command", "Move the current document to last position"), -1, false) \
    X(11, ActionEditUndo, \
      QT_TRANSLATE_NOOP("Command", "Undo"), \
      QT_TRANSLATE_NOOP("Command", "Revert the last action"), -1, false) \
    X(12, ActionEditCut, \
      QT_TRANSLATE_NOOP("Command", "Cut"), \
      QT_TRANSLATE_NOOP("Command", "Cut the selection and put it on the Clipboard"), -1, false) \
    X(13, ActionEditCopy, \
      QT_TRANSLATE_NOOP("Command", "Copy"), \
      QT_TRANSLATE_NOOP("Command", "Copy the selection and put it on the Clipboard"), -1, false) \
    X(14, ActionEditPaste, \
      QT_TRANSLATE_NOOP("Command", "Paste"), \
      QT_TRANSLATE_NOOP("Command", "Insert Clipboard contents"), -1, false) \
    X(15, ActionEditDel, \
      QT_TRANSLATE_NOOP("Command", "Delete"), \
      QT_TRANSLATE_NOOP("Command", "Erase the selection"), -1, false) \
    X(16, ActionEditSelectAll, \
      QT_TRANSLATE_NOOP("Command", "Select All"), \
      QT_TRANSLATE_NOOP("Command", "Select the entire document"), -1, false) \
    X(17, ActionSearchFind, \
      QT_TRANSLATE_NOOP("Command", "Find..."), \
      QT_TRANSLATE_NOOP("Command", "Find the specified text"), -1, false) \
    X(18, ActionSearchReplace, \
      QT_TRANSLATE_NOOP("Command", "Replace"), \
      QT_TRANSLATE_NOOP("Command", "Replace specific text with different text"), -1, false) \
    X(19, ActionSearchFindFirst, \
      QT_TRANSLATE_NOOP("Command", "Find First"), \
      QT_TRANSLATE_NOOP("Command", "Find the first occurance of specified text"), -1, false) \
    X(20, ActionSearchFindNext, \
      QT_TRANSLATE_NOOP("Command", "Find Next"), \
      QT_TRANSLATE_NOOP("Command", "Repeat the last find"), -1, true) \
    X(21, ActionTTS, \
      QT_TRANSLATE_NOOP("Command", "Read Aloud"), \
      QT_TRANSLATE_NOOP("Command", "Read document aloud"), 0, false) \
    X(22, ActionTTW, \
      QT_TRANSLATE_NOOP("Command", "Read to WAV File"), \
      QT_TRANSLATE_NOOP("Command", "Convert document into WAV file"), 1, false) \
    X(23, ActionTTM, \
      QT_TRANSLATE_NOOP("Command", "Read to MP3 File"), \
      QT_TRANSLATE_NOOP("Command", "Convert document into MP3 file"), 2, false) \
    X(24, ActionReadClipboard, \
      QT_TRANSLATE_NOOP("Command", "Read Clipboard"), \
      QT_TRANSLATE_NOOP("Command", "Read Clipboard aloud"), -1, false) \
    X(25, ActionTTXCursor, \
      QT_TRANSLATE_NOOP("Command", "Read from Cursor Aloud"), \
      QT_TRANSLATE_NOOP("Command", "Read/convert text from cursor aloud/into WAV/MP3 " \
                        "file"), -1, false) \
    X(26, ActionTTXSelected, \
      QT_TRANSLATE_NOOP("Command", "Read Selected Text Aloud"), \
      QT_TRANSLATE_NOOP("Command", "Read/convert selected text aloud/into WAV/MP3 " \
                        "file"), -1, true) \
    X(27, ActionPause, \
      QT_TRANSLATE_NOOP("Command", "Pause/Resume"), \
      QT_TRANSLATE_NOOP("Command", "Pause/Resume the current reading or conversion"), 3, true) \
    X(28, ActionStop, \
      QT_TRANSLATE_NOOP("Command", "Stop"), \
      QT_TRANSLATE_NOOP("Command", "Stop the current reading or conversion"), 4, true) \
    X(29, ActionPrev, \
      /*: Tool bar and Playback menu: switches to the previous document */ \
      QT_TRANSLATE_NOOP("Command", "Prev"), \
      QT_TRANSLATE_NOOP("Command", "Switch to previous document"), 5, false) \
    X(30, ActionNext, \
      /*: Tool bar and Playback menu: switches to the next document */ \
      QT_TRANSLATE_NOOP("Command", "Next"), \
      QT_TRANSLATE_NOOP("Command", "Switch to next document"), 6, false) \
    X(31, ActionToolsBrowseTxt, \
      QT_TRANSLATE_NOOP("Command", "My TXT Folder"), \
      QT_TRANSLATE_NOOP("Command", "Open the default TXT(documents) folder"), -1, false) \
    X(32, ActionToolsBrowseWav, \
      QT_TRANSLATE_NOOP("Command", "My WAV Folder"), \
      QT_TRANSLATE_NOOP("Command", "Open the default WAV folder"), -1, false) \
    X(33, ActionToolsBrowseMp3, \
      QT_TRANSLATE_NOOP("Command", "My MP3 Folder"), \
      QT_TRANSLATE_NOOP("Command", "Open the default MP3 folder"), -1, false) \
    X(34, ActionToolsOptions, \
      QT_TRANSLATE_NOOP("Command", "Options..."), \
      QT_TRANSLATE_NOOP("Command", "Preferences..."), 7, false) \
    X(35, ActionToolsShowMain, \
      QT_TRANSLATE_NOOP("Command", "Show/Hide Main Window"), \
      QT_TRANSLATE_NOOP("Command", "Show/Hide the main window"), -1, false) \
    X(36, ActionToolsShortPause, \
      QT_TRANSLATE_NOOP("Command", "Short Pause"), \
      QT_TRANSLATE_NOOP("Command", "Insert a short pause into text "), -1, false) \
    X(37, ActionToolsLongPause, \
      QT_TRANSLATE_NOOP("Command", "Long Pause"), \
      QT_TRANSLATE_NOOP("Command", "Insert a long pause into text "), -1, false) \
    X(38, ActionToolsWhisper, \
      /*: Inserts a control tag that makes the voice whisper */ \
      QT_TRANSLATE_NOOP("Command", "Whisper"), \
      QT_TRANSLATE_NOOP("Command", "Set the character of the voice to Whisper mode"), -1, false) \
    X(39, ActionToolsMonotone, \
      /*: Inserts a control tag that makes the voice speak in a monotone */ \
      QT_TRANSLATE_NOOP("Command", "Monotone"), \
      QT_TRANSLATE_NOOP("Command", "Set the character of the voice to Monotone mode"), -1, false) \
    X(40, ActionToolsNormal, \
      /*: Inserts a control tag that gives the voice its normal character back */ \
      QT_TRANSLATE_NOOP("Command", "Normal"), \
      QT_TRANSLATE_NOOP("Command", "Set the character of the voice to Normal mode"), -1, false) \
    X(41, ActionToolsEmp, \
      QT_TRANSLATE_NOOP("Command", "Emp - Emphasizes the Next Word to be Spoken"), \
      QT_TRANSLATE_NOOP("Command", "Emphasize the next word to be spoken"), -1, false) \
    X(42, ActionToolsVol, \
      /*: Inserts a control tag that sets the voice's volume */ \
      QT_TRANSLATE_NOOP("Command", "Volume"), \
      QT_TRANSLATE_NOOP("Command", "Set the baseline speaking volume of voice"), -1, false) \
    X(43, ActionToolsSpd, \
      /*: Inserts a control tag that sets the voice's speed */ \
      QT_TRANSLATE_NOOP("Command", "Speed"), \
      QT_TRANSLATE_NOOP("Command", "Set the baseline average talking speed of voice to the " \
                        "specified number of words per minute"), -1, false) \
    X(44, ActionToolsPit, \
      /*: Inserts a control tag that sets the voice's pitch */ \
      QT_TRANSLATE_NOOP("Command", "Pitch"), \
      QT_TRANSLATE_NOOP("Command", "Set the baseline pitch of voice to the specified value in " \
                        "hertz"), -1, false) \
    X(45, ActionHelp, \
      QT_TRANSLATE_NOOP("Command", "Help"), \
      QT_TRANSLATE_NOOP("Command", "Read the help file"), -1, false) \
    X(46, ActionHelpContact, \
      QT_TRANSLATE_NOOP("Command", "Contact Us"), \
      QT_TRANSLATE_NOOP("Command", "Contact us via email"), -1, false) \
    X(47, ActionHelpHomePage, \
      QT_TRANSLATE_NOOP("Command", "Home Page"), \
      QT_TRANSLATE_NOOP("Command", "Visit our home page"), -1, false) \
    X(48, ActionHelpAbout, \
      QT_TRANSLATE_NOOP("Command", "About..."), \
      QT_TRANSLATE_NOOP("Command", "Version and contact information"), -1, false) \
    X(49, ActionReadSelection, \
      QT_TRANSLATE_NOOP("Command", "Read Selection"), \
      QT_TRANSLATE_NOOP("Command", "Read the text selected in any program aloud"), -1, false)
// clang-format on

namespace mainwindow {

inline constexpr int CommandCount = 50;

struct TCommandInfo {
    int Number;
    const char* Name;
    const char* Caption;
    const char* Hint;
    int Image;
    bool StartsDisabled;
};

#define NURVA_COMMAND_INFO(n, name, caption, hint, image, disabled)                                \
    TCommandInfo{n, #name, caption, hint, image, disabled},
inline constexpr TCommandInfo CommandTable[CommandCount] = {NURVA_COMMANDS(NURVA_COMMAND_INFO)};
#undef NURVA_COMMAND_INFO

// "File", "Edit", "Search", "PlayBack", "Tools" or "Help".
inline const char* CommandCategory(int number) {
    if (number == 49)
        return "PlayBack";
    if (number <= 10)
        return "File";
    if (number <= 16)
        return "Edit";
    if (number <= 20)
        return "Search";
    if (number <= 30)
        return "PlayBack";
    if (number <= 44)
        return "Tools";
    return "Help";
}

// The commands a desktop can bind by name: `nurva --action NAME`, the session bus's
// ActivateAction and the desktop entry's actions. Command -1 shows the window. A command that
// acts on what the reader is doing (pause, stop, the next document) has nothing to act on when
// no reader runs; the others start one.
struct TDesktopAction {
    const char* Name;
    int Command;
    bool StartsReader;
};
inline constexpr TDesktopAction DesktopActions[] = {
    {"read-clipboard", 24, true}, {"read-selection", 49, true}, {"read-aloud", 21, true},
    {"pause-resume", 27, false},  {"stop", 28, false},          {"next", 30, false},
    {"previous", 29, false},      {"show", -1, true},
};

// The action of that name; null for none.
inline const TDesktopAction* FindDesktopAction(const QString& name) {
    for (const TDesktopAction& a : DesktopActions)
        if (name == QLatin1String(a.Name))
            return &a;
    return nullptr;
}

} // namespace mainwindow
