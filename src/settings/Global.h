// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store: every value of config.ini as a process-wide field named by its key, the
// reminder list, the per-command hotkey tables and the playlist.
//
// LoadSettings runs once when the main window is created, SaveSettings once when it is
// destroyed; in between every part of the program reads and assigns the values directly.
// Nothing reaches the disk between those two moments.
#pragma once

#include "platform/ProgramFolders.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace settings {

// The editor's stored colour where the user never chose one: the desktop's, as its theme has it
// (a light or a dark palette), followed when the theme changes.
constexpr std::int32_t kDesktopColor = -1;

struct TSettings {
    // [Auto]
    std::int32_t MainLeft = 0;
    std::int32_t MainTop = 0;
    std::int32_t MainWidth = 0;
    std::int32_t MainHeight = 0;
    std::int32_t ConvertMode = 0; // 0 aloud, 1 to WAV, 2 to MP3
    std::int32_t Spd = 0;         // the main window's speed slider, words per minute
    std::int32_t PlayIndex = 0;
    std::int32_t EngineIndex = 0;
    QString EngineName; // the chosen voice; found first, EngineIndex kept for older files
    std::int32_t LastOptionPage = 0;
    // [General]
    bool ShowHint = false;
    bool Repeat = false;
    bool Highlight = false;
    bool KeyToSpeech = false;
    bool AutoNext = false;
    bool Greeting = false;
    QString GreetingString;
    // [Convert]
    bool AutoName = false;
    QString DefTxtPath;
    QString DefWavPath;
    QString DefMp3Path;
    QString KHZ;
    QString KBPS;
    std::int32_t RealTime = 0; // multiple of real time times 256
    QString Format;            // of the compressed conversion: "mp3", "opus", "vorbis", "flac"
    bool Subtitles = false;    // timed subtitles beside a conversion's file
    QString SubtitleFormat;    // "srt", "vtt", "lrc"
    QString Chapters;          // a document's conversion: "none", "split" (a file each), "marks"
    std::int32_t ChapterMinutes = 0; // parts of that many minutes where there are no headings
    // [Prosody]: values the control tags insert
    std::int32_t ShortPau = 0;
    std::int32_t LongPau = 0;
    std::int32_t DefVol = 0;
    std::int32_t DefSpd = 0;
    std::int32_t DefPit = 0;
    // [UI]
    std::int32_t TabPos = 0;
    std::int32_t TabStyle = 0;
    // Red in the low byte, then green, then blue; kDesktopColor until the user chooses one.
    std::int32_t MemoBGColor = 0;
    std::int32_t MemoFontColor = 0;
    std::int32_t MemoFontSize = 0;
    QString MemoFontName;
    bool MemoFontBold = false;
    bool MemoFontItalic = false;
    bool MemoFontUnderline = false;
    bool MemoFontStrikeOut = false;
    std::int32_t MemoScrollBars = 0; // 0 none, 1 horizontal, 2 vertical, 3 both
    bool MemoWordWrap = false;
    bool StayOnTop = false;
    bool ShowToolbar = false;
    bool ShowStatusBar = false;
    bool ShowMainMenus = false;
    bool Tray = false;
    bool MiniToTray = false;
    bool MiniStartup = false;
    // [Clipboard]
    bool WatchClipboard = false;
    std::int32_t IgnoreLen = 0;
    bool ShowPrompt = false;
    std::int32_t PromptDelay = 0;
    std::int32_t DefAction = 0; // 0 read now, 1 new document, 2 append, 3 nothing
    // [Alarm]
    bool Alarm = false;
    std::int32_t AlarmInterval = 0;
    QString AlarmBefore;
    std::int32_t AlarmStyle = 0; // 0 say the time, 1 read a text file, 2 play a sound
    bool AlarmDate = false;
    QString AlarmTxtFile;
    QString AlarmWavFile;
    QString AlarmAfter;
    bool AlarmMsgBox = false;
    // [Reminder]
    bool Reminder = false;
    bool ReminderMsgBox = false;

    bool operator==(const TSettings&) const = default;
};

inline constexpr int HotkeyCount = 50;

// Zero, false and empty until LoadSettings runs.
extern TSettings Settings;
// Full paths of the documents, in tab order.
extern QStringList Playlist;
// Lines "moment=message"; other lines the user put into the section are kept as they are.
extern QStringList ReminderList;
// Shortcut text of each command (empty: none), indexed by command number.
extern std::array<QString, HotkeyCount> HotkeyList;
// 0: the command is not global; otherwise its hotkey identifier, or a mark from the file.
extern std::array<std::int32_t, HotkeyCount> GlobalHotkeyIDList;

// The shortcuts the commands have until the user changes them ("All Default" restores them),
// by command number; each row starts with the command numbered on its right.
// clang-format off
inline constexpr std::array<const char*, HotkeyCount> DefaultHotkeyList = {
    "Ctrl+N", "", "Ctrl+S", "", "", "", "Alt+F4",                                       // 0
    "Alt+Up", "Alt+Left", "Alt+Right", "Alt+Down", "Ctrl+Z", "Ctrl+X", "Ctrl+C",        // 7
    "Ctrl+V", "", "Ctrl+A", "Ctrl+F", "Ctrl+R", "", "",                                 // 14
    "Shift+Ctrl+Alt+A", "F3", "F4", "Shift+Ctrl+Alt+C", "Ctrl+Q", "Ctrl+W",             // 21
    "Shift+Ctrl+Alt+P",                                                                 // 27
    "Shift+Ctrl+Alt+S", "F7", "F8", "F9", "F10", "F11", "Ctrl+O",                       // 28
    "", "", "", "", "", "", "",                                                         // 35
    "", "", "", "F1", "", "", "",                                                       // 42
    "Shift+Ctrl+Alt+R",                                                                 // 49
};
inline constexpr std::array<std::int32_t, HotkeyCount> DefaultGlobalHotkeyIDList = {
    0, 0, 0, 0, 0, 0, 0,                                                                // 0
    0, 0, 0, 0, 0, 0, 0,                                                                // 7
    0, 0, 0, 0, 0, 0, 0,                                                                // 14
    1, 0, 0, 1, 0, 0, 1,                                                                // 21
    1, 0, 0, 0, 0, 0, 0,                                                                // 28
    0, 0, 0, 0, 0, 0, 0,                                                                // 35
    0, 0, 0, 0, 0, 0, 0,                                                                // 42
    1,                                                                                  // 49
};
// clang-format on

// Fills the settings and the three lists from the program's config.ini and playlist.apl.
// `screenSize` is the primary screen's size in pixels, from which the window's default position
// is computed (an invalid size centres nothing: the window goes to 0, 0). A missing config.ini
// gives every default; one that exists but cannot be read throws EFileError before any value
// changes. A playlist that cannot be read gives the three sample documents.
void LoadSettings(const platform::TProgramFolders& folders, QSize screenSize = QSize());

// Every default, as a first run without any file has them (used when config.ini exists but
// cannot be read: the program runs, and the file is left as it is).
void LoadDefaultSettings(const platform::TProgramFolders& folders, QSize screenSize = QSize());

// Writes the settings and the lists back: config.ini first, then playlist.apl, each replaced
// atomically. A file that cannot be written throws EFileError and keeps its old content; when
// config.ini fails, playlist.apl is not written. A config.ini without the owner's write
// permission is not written; playlist.apl is given that permission.
void SaveSettings(const platform::TProgramFolders& folders);

} // namespace settings
