// SPDX-License-Identifier: GPL-3.0-or-later
#include "Global.h"

#include "Product.h"

#include "IniFile.h"
#include "PlaylistFile.h"

#include <exception>
#include <variant>

namespace settings {

TSettings Settings;
QStringList Playlist;
QStringList ReminderList;
std::array<QString, HotkeyCount> HotkeyList;
std::array<std::int32_t, HotkeyCount> GlobalHotkeyIDList{};

namespace {

const QString ReminderListSection = QStringLiteral("ReminderList");
const QString HotkeyListSection = QStringLiteral("HotkeyList");
const QString GlobalHotkeyIDListSection = QStringLiteral("GlobalHotkeyIDList");

// The encoding playlist.apl was read in, so that it is written back the same way.
TextEncoding PlaylistEncoding = TextEncoding::Utf8;

using TMember = std::variant<std::int32_t TSettings::*, bool TSettings::*, QString TSettings::*>;

struct TKey {
    const char* Section;
    const char* Name;
    TMember Member;
};

#define KEY(section, name)                                                                         \
    { section, #name, &TSettings::name }

// Every key of config.ini, in the order it is read and written.
const TKey Keys[] = {
    KEY("Auto", MainLeft),
    KEY("Auto", MainTop),
    KEY("Auto", MainWidth),
    KEY("Auto", MainHeight),
    KEY("Auto", ConvertMode),
    KEY("Auto", Spd),
    KEY("Auto", PlayIndex),
    KEY("Auto", EngineIndex),
    KEY("Auto", EngineName),
    KEY("Auto", LastOptionPage),
    KEY("General", ShowHint),
    KEY("General", Repeat),
    KEY("General", Highlight),
    KEY("General", KeyToSpeech),
    KEY("General", AutoNext),
    KEY("Convert", AutoName),
    KEY("General", Greeting),
    KEY("General", GreetingString),
    KEY("Convert", DefTxtPath),
    KEY("Convert", DefWavPath),
    KEY("Convert", DefMp3Path),
    KEY("Convert", KHZ),
    KEY("Convert", KBPS),
    KEY("Convert", RealTime),
    KEY("Convert", Format),
    KEY("Convert", Subtitles),
    KEY("Convert", SubtitleFormat),
    KEY("Convert", Chapters),
    KEY("Convert", ChapterMinutes),
    KEY("Prosody", ShortPau),
    KEY("Prosody", LongPau),
    KEY("Prosody", DefVol),
    KEY("Prosody", DefSpd),
    KEY("Prosody", DefPit),
    KEY("UI", TabPos),
    KEY("UI", TabStyle),
    KEY("UI", MemoBGColor),
    KEY("UI", MemoFontColor),
    KEY("UI", MemoFontSize),
    KEY("UI", MemoFontName),
    KEY("UI", MemoFontBold),
    KEY("UI", MemoFontItalic),
    KEY("UI", MemoFontUnderline),
    KEY("UI", MemoFontStrikeOut),
    KEY("UI", MemoScrollBars),
    KEY("UI", MemoWordWrap),
    KEY("UI", StayOnTop),
    KEY("UI", ShowToolbar),
    KEY("UI", ShowStatusBar),
    KEY("UI", ShowMainMenus),
    KEY("UI", Tray),
    KEY("UI", MiniToTray),
    KEY("UI", MiniStartup),
    KEY("Clipboard", WatchClipboard),
    KEY("Clipboard", IgnoreLen),
    KEY("Clipboard", ShowPrompt),
    KEY("Clipboard", PromptDelay),
    KEY("Clipboard", DefAction),
    KEY("Alarm", Alarm),
    KEY("Alarm", AlarmInterval),
    KEY("Alarm", AlarmBefore),
    KEY("Alarm", AlarmStyle),
    KEY("Alarm", AlarmDate),
    KEY("Alarm", AlarmTxtFile),
    KEY("Alarm", AlarmWavFile),
    KEY("Alarm", AlarmAfter),
    KEY("Alarm", AlarmMsgBox),
    KEY("Reminder", Reminder),
    KEY("Reminder", ReminderMsgBox),
};

#undef KEY

template <class... F> struct Overloaded : F... { using F::operator()...; };

TSettings Defaults(const platform::TProgramFolders& folders, QSize screen) {
    constexpr int Width = 603, Height = 402;
    if (!screen.isValid() || screen.isEmpty())
        screen = QSize(Width, Height);
    TSettings d;
    // Integer division truncates toward zero, so a screen smaller than the window gives a
    // negative position, which is used as it is.
    d.MainLeft = (screen.width() - Width) / 2;
    d.MainTop = (screen.height() - Height) / 2;
    d.MainWidth = Width;
    d.MainHeight = Height;
    d.ConvertMode = 0;
    d.Spd = 150;
    d.ShowHint = true;
    d.Highlight = true;
    d.AutoNext = true;
    d.AutoName = true;
    d.Greeting = true;
    d.GreetingString = QString::fromLatin1(product::Greeting);
    d.DefTxtPath = folders.TxtDir();
    d.DefWavPath = folders.WavDir();
    d.DefMp3Path = folders.Mp3Dir();
    d.KHZ = QStringLiteral("22.05");
    d.KBPS = QStringLiteral("128");
    d.RealTime = 2048;
    d.Format = QStringLiteral("mp3");
    d.SubtitleFormat = QStringLiteral("srt");
    d.Chapters = QStringLiteral("none");
    d.ShortPau = 1;
    d.LongPau = 3;
    d.DefVol = 32768;
    d.DefSpd = 150;
    d.DefPit = 50;
    d.MemoBGColor = kDesktopColor;
    d.MemoFontColor = kDesktopColor;
    d.MemoFontSize = 10;
    d.MemoFontName = QStringLiteral("Courier New");
    d.MemoScrollBars = 2;
    d.MemoWordWrap = true;
    d.ShowToolbar = true;
    d.ShowStatusBar = true;
    d.ShowMainMenus = true;
    d.Tray = true;
    d.MiniToTray = true;
    d.WatchClipboard = true;
    d.IgnoreLen = 10;
    d.ShowPrompt = true;
    d.PromptDelay = 2;
    d.AlarmInterval = 60;
    d.AlarmBefore = QStringLiteral("The time now is");
    d.ReminderMsgBox = true;
    return d;
}

} // namespace

namespace {
void ApplyFile(const TIniFile& ini, const platform::TProgramFolders& folders, QSize screenSize) {
    const TSettings d = Defaults(folders, screenSize);
    TSettings s;
    for (const TKey& k : Keys) {
        const QString section = QLatin1String(k.Section), name = QLatin1String(k.Name);
        std::visit(
            Overloaded{
                [&](std::int32_t TSettings::*m) { s.*m = ini.ReadInteger(section, name, d.*m); },
                [&](bool TSettings::*m) { s.*m = ini.ReadBool(section, name, d.*m); },
                [&](QString TSettings::*m) { s.*m = ini.ReadString(section, name, d.*m); },
            },
            k.Member);
    }
    Settings = std::move(s);

    ReminderList = ini.ReadListSection(ReminderListSection);

    for (int n = 0; n < HotkeyCount; ++n) {
        const QString key = QString::number(n);
        HotkeyList[n] =
            ini.ReadString(HotkeyListSection, key, QString::fromUtf8(DefaultHotkeyList[n]));
        GlobalHotkeyIDList[n] =
            ini.ReadInteger(GlobalHotkeyIDListSection, key, DefaultGlobalHotkeyIDList[n]);
    }
}
} // namespace

void LoadSettings(const platform::TProgramFolders& folders, QSize screenSize) {
    // What saves cut short by a killed process left behind goes now, not at the next save.
    RemoveStaleTemporaries(folders.ConfigFile());
    RemoveStaleTemporaries(folders.PlaylistFile());
    TIniFile ini;
    ini.LoadFromFile(folders.ConfigFile());
    ApplyFile(ini, folders, screenSize);
    try {
        Playlist = ReadPlaylistFile(folders.PlaylistFile(), &PlaylistEncoding);
    } catch (const EFileError&) {
        // The first run has no playlist yet: offer the sample documents.
        PlaylistEncoding = TextEncoding::Utf8;
        Playlist = folders.SampleDocuments();
    }
}

void LoadDefaultSettings(const platform::TProgramFolders& folders, QSize screenSize) {
    ApplyFile(TIniFile(), folders, screenSize);
    PlaylistEncoding = TextEncoding::Utf8;
    Playlist = folders.SampleDocuments();
}

void SaveSettings(const platform::TProgramFolders& folders) {
    const QString iniPath = folders.ConfigFile();
    // The file is read first so that what the program does not know survives; if it cannot be
    // read, writing would lose that, so the error goes to the caller instead.
    TIniFile ini;
    ini.LoadFromFile(iniPath);

    // What was set before a failure still reaches the file.
    std::exception_ptr failure;
    try {
        for (const TKey& k : Keys) {
            const QString section = QLatin1String(k.Section), name = QLatin1String(k.Name);
            std::visit(
                Overloaded{
                    [&](std::int32_t TSettings::*m) {
                        ini.WriteInteger(section, name, Settings.*m);
                    },
                    [&](bool TSettings::*m) { ini.WriteBool(section, name, Settings.*m); },
                    [&](QString TSettings::*m) { ini.WriteString(section, name, Settings.*m); },
                },
                k.Member);
        }
        ini.WriteListSection(ReminderListSection, ReminderList);
        ini.EraseSection(HotkeyListSection);
        for (int n = 0; n < HotkeyCount; ++n) {
            const QString key = QString::number(n);
            ini.WriteString(HotkeyListSection, key, HotkeyList[n]);
            ini.WriteInteger(GlobalHotkeyIDListSection, key, GlobalHotkeyIDList[n]);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    ini.SaveToFile(iniPath);
    if (failure)
        std::rethrow_exception(failure);

    WritePlaylistFile(folders.PlaylistFile(), Playlist, PlaylistEncoding);
}

} // namespace settings
