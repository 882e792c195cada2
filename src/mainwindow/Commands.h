// The main window's 50 commands, by number: the number is the index of the command's shortcut
// in the hotkey tables (so a new command comes last, whatever its menu, and stored keys keep
// their commands). Image: index in the tool bar's image lists, -1 for none.
#pragma once

#include <QLatin1String>
#include <QString>

// X(number, name, caption, hint, image, startsDisabled)
// clang-format off
#define NURVA_COMMANDS(X) \
    X(0, ActionFileNew, "New", "Create a new document", -1, false) \
    X(1, ActionFileOpen, "Open...", "Open document(s)", -1, false) \
    X(2, ActionFileSave, "Save", "Save the current document", -1, false) \
    X(3, ActionFileSaveAs, "Save As...", "Save the current document as...", -1, false) \
    X(4, ActionFileClose, "Close", "Close the current document", -1, false) \
    X(5, ActionFileCloseAll, "Close All", "Close all document(s)", -1, false) \
    X(6, ActionFileExit, "Exit", "Exit", -1, false) \
    X(7, ActionFileMoveFirst, "Move to First", "Move the current document to first position", -1, false) \
    X(8, ActionFileMovePrev, "Move to Prev", "Move the current document to previous position", -1, false) \
    X(9, ActionFileMoveNext, "Move to Next", "Move the current document to next position", -1, false) \
    X(10, ActionFileMoveLast, "Move to Last", "Move the current document to last position", -1, false) \
    X(11, ActionEditUndo, "Undo", "Revert the last action", -1, false) \
    X(12, ActionEditCut, "Cut", "Cut the selection and put it on the Clipboard", -1, false) \
    X(13, ActionEditCopy, "Copy", "Copy the selection and put it on the Clipboard", -1, false) \
    X(14, ActionEditPaste, "Paste", "Insert Clipboard contents", -1, false) \
    X(15, ActionEditDel, "Delete", "Erase the selection", -1, false) \
    X(16, ActionEditSelectAll, "Select All", "Select the entire document", -1, false) \
    X(17, ActionSearchFind, "Find...", "Find the specified text", -1, false) \
    X(18, ActionSearchReplace, "Replace", "Replace specific text with different text", -1, false) \
    X(19, ActionSearchFindFirst, "Find First", "Find the first occurance of specified text", -1, false) \
    X(20, ActionSearchFindNext, "Find Next", "Repeat the last find", -1, true) \
    X(21, ActionTTS, "Read Aloud", "Read document aloud", 0, false) \
    X(22, ActionTTW, "Read to WAV File", "Convert document into WAV file", 1, false) \
    X(23, ActionTTM, "Read to MP3 File", "Convert document into MP3 file", 2, false) \
    X(24, ActionReadClipboard, "Read Clipboard", "Read Clipboard aloud", -1, false) \
    X(25, ActionTTXCursor, "Read from Cursor Aloud", "Read/convert text from cursor aloud/into WAV/MP3 file", -1, false) \
    X(26, ActionTTXSelected, "Read Selected Text Aloud", "Read/convert selected text aloud/into WAV/MP3 file", -1, true) \
    X(27, ActionPause, "Pause/Resume", "Pause/Resume the current reading or conversion", 3, true) \
    X(28, ActionStop, "Stop", "Stop the current reading or conversion", 4, true) \
    X(29, ActionPrev, "Prev", "Switch to previous document", 5, false) \
    X(30, ActionNext, "Next", "Switch to next document", 6, false) \
    X(31, ActionToolsBrowseTxt, "My TXT Folder", "Open the default TXT(documents) folder", -1, false) \
    X(32, ActionToolsBrowseWav, "My WAV Folder", "Open the default WAV folder", -1, false) \
    X(33, ActionToolsBrowseMp3, "My MP3 Folder", "Open the default MP3 folder", -1, false) \
    X(34, ActionToolsOptions, "Options...", "Preferences...", 7, false) \
    X(35, ActionToolsShowMain, "Show/Hide Main Window", "Show/Hide the main window", -1, false) \
    X(36, ActionToolsShortPause, "Short Pause", "Insert a short pause into text ", -1, false) \
    X(37, ActionToolsLongPause, "Long Pause", "Insert a long pause into text ", -1, false) \
    X(38, ActionToolsWhisper, "Whisper", "Set the character of the voice to Whisper mode", -1, false) \
    X(39, ActionToolsMonotone, "Monotone", "Set the character of the voice to Monotone mode", -1, false) \
    X(40, ActionToolsNormal, "Normal", "Set the character of the voice to Normal mode", -1, false) \
    X(41, ActionToolsEmp, "Emp - Emphasizes the Next Word to be Spoken", "Emphasize the next word to be spoken", -1, false) \
    X(42, ActionToolsVol, "Volume", "Set the baseline speaking volume of voice", -1, false) \
    X(43, ActionToolsSpd, "Speed", "Set the baseline average talking speed of voice to the specified number of words per minute", -1, false) \
    X(44, ActionToolsPit, "Pitch", "Set the baseline pitch of voice to the specified value in hertz", -1, false) \
    X(45, ActionHelp, "Help", "Read the help file", -1, false) \
    X(46, ActionHelpContact, "Contact Us", "Contact us via email", -1, false) \
    X(47, ActionHelpHomePage, "Home Page", "Visit our home page", -1, false) \
    X(48, ActionHelpAbout, "About...", "Version and contact information", -1, false) \
    X(49, ActionReadSelection, "Read Selection", "Read the text selected in any program aloud", -1, false)
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
