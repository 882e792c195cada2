// SPDX-License-Identifier: GPL-3.0-or-later
// TFormCvt: the main window. Its handlers are thin: they turn the commands into calls on the
// document list and the reading controller, and show what those report in the widgets. It is
// built on the skinned frame: the layout, the menus and the tool bar, the 50 commands, the
// creation and destruction steps and the status panel. The desktop services come from the
// program's start (the platform's TServices).
#pragma once

#include "AlarmLogic.h"
#include "ClipMon.h"
#include "Clock.h"
#include "Commands.h"
#include "DocumentList.h"
#include "FindDialog.h"
#include "KoForm.h"
#include "ReadingController.h"
#include "mSpeech.h"
#include "platform/ProgramFolders.h"
#include "platform/Services.h"

#include <QColor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPalette>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QPlainTextEdit;
class QProgressBar;
class QSlider;
class QTabBar;
class QTimer;
class QMenuBar;
class QToolBar;
class QToolButton;

namespace desktop {
class TAlarmSound;
class TBoundedPaste;
struct TAlarmAction;
class TMediaControls;
class TSysTray;
} // namespace desktop

namespace mainwindow {
// Colours are stored with red in the low byte, then green, then blue; a negative one is the
// desktop's own for the place `role`, as its palette has it now.
inline QColor StoredColor(std::int32_t value, QPalette::ColorRole role) {
    if (value < 0)
        return QGuiApplication::palette().color(role);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
} // namespace mainwindow

class TFormCvt : public TKoForm {
    Q_OBJECT
public:
    // `folders`: where the settings, documents and manual are (a portable program folder
    // converts to one). Runs FormCreate.
    explicit TFormCvt(const platform::TProgramFolders& folders,
                      platform::TServices services = platform::Services(),
                      QWidget* parent = nullptr);
    ~TFormCvt() override;

    // Saves the geometry, the settings and the playlist; runs once, whichever way the program
    // ends (the window closed, the session ended, a signal).
    void FormDestroy();
    // Files dropped onto the window, in the order the desktop gives them.
    void DropFiles(const QStringList& paths);
    // Files the desktop asks to open (named on the command line): each joins the playlist once,
    // whatever its extension, and the first one is shown.
    void OpenDocuments(const QStringList& paths);
    // True when the start-up settings keep the window hidden (the tray holds it).
    bool StartHidden() const { return FStartHidden; }
    // Tells the user something once, in a box that does not stop them, after the start.
    void Note(const QString& text);

    // The commands, in the order of their numbers.
#define NURVA_DECLARE_ACTION(n, name, caption, hint, image, disabled) QAction* name = nullptr;
    NURVA_COMMANDS(NURVA_DECLARE_ACTION)
#undef NURVA_DECLARE_ACTION
    std::array<QAction*, mainwindow::CommandCount> ActionList1{};

    // Layout, top to bottom.
    QWidget* CoolBar1 = nullptr;
    QMenuBar* MainMenus = nullptr;
    QToolBar* ToolBar = nullptr;
    QToolButton* ToolButtonTTX = nullptr;
    QMenu* PopupMenuTTX = nullptr;
    QWidget* PanelVoice = nullptr;
    QComboBox* ComboBoxExEngines = nullptr;
    QSlider* TrackBarVol = nullptr;
    QSlider* TrackBarSpd = nullptr;
    QWidget* TabControl1Panel = nullptr; // the tab strip with the editor inside it
    QTabBar* TabControl1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QWidget* PanelBottom = nullptr;
    QLabel* PanelStatus = nullptr;
    QProgressBar* GaugeWordPosition = nullptr;

    // Menus.
    struct {
        QMenu* File = nullptr;
        QMenu* Edit = nullptr;
        QMenu* Search = nullptr;
        QMenu* Playback = nullptr;
        QMenu* Tools = nullptr;
        QMenu* Help = nullptr;
    } MainMenu1;
    QMenu* MenuInsertControlTags = nullptr;
    QMenu* PopupMenuMemo = nullptr;
    QMenu* MenuInsertOtherControlTags = nullptr;
    QMenu* PopupMenuTab = nullptr;

    // The file dialogs remember their folders between uses.
    struct TFileDialogState {
        QString InitialDir;
    };
    TFileDialogState OpenDialogTxt, SaveDialogTxt, SaveDialogWav, SaveDialogMp3;

    // Components.
    speech::TMSpeech* MSpeech1 = nullptr;
    QTimer* TimerWordPosition = nullptr;
    QTimer* TimerAandR = nullptr;

    // A global key was pressed: the global commands with that key run.
    void WMHotKey(QKeyCombination key);

    // What is being read (rkNone when nothing is), and the tab a pause happened on.
    TReadKind CurrentReadKind() const {
        return ReadKind;
    }
    int PausedTabIndex() const {
        return PausedTab;
    }

protected:
    void FormShow() override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormCreate();
    void CreateCommands();
    void CreateLayout();
    void CreateMenus();
    void BindEditCommands();
    void ApplyEditorSettings();
    void ApplyTabSettings();
    void ApplyDialogFolders();
    void ApplyBarSettings();
    // The one writer of the status panel.
    void ShowStatus(const QString& text);

    // Creation and destruction steps of the desktop services.
    void ApplyHotkeys();
    void ReleaseHotkeys();
    void ShowHotkeyNote();
    bool FirstSessionWithoutHotkeys() const;
    QString FHotkeyNote; // what the user is told once about global keys that cannot work

    platform::TServices FServices;
    TReadKind ReadKind = rkNone;
    int PartStart = 0;
    int PausedTab = -1;

public:
    // ---- Documents and the playlist (Documents.cpp) ----
    void TabControl1Change();
    void RebuildTabs();
    void RestorePlaylist();
    void ActionFileNewExecute();
    void ActionFileOpenExecute();
    void ActionFileSaveExecute();
    void ActionFileSaveAsExecute();
    void ActionFileCloseExecute();
    void ActionFileCloseAllExecute();
    void ActionFileMoveFirstExecute();
    void ActionFileMovePrevExecute();
    void ActionFileMoveNextExecute();
    void ActionFileMoveLastExecute();
    void ActionPrevExecute();
    void ActionNextExecute();
    void TabControl1MouseUp(QMouseEvent* event);
    // Selects a tab from code: the tab-change step does not run.
    void SelectTab(int index);
    // The editor shows a document that exists but could not be loaded: it stays read-only,
    // and nothing is ever written over that file.
    bool DocumentUnloaded() const;

private:
    mainwindow::TDocumentList FDocuments;
    void CreateDocumentCommands();
    void ChangeTab(bool reload);
    void ShowDocument();
    void FillTabs();
    void UpdateNavigation();
    void MoveCurrent(int target);
    bool SaveEditorTo(const QString& path, QString* notice);
    bool SaveImportedTab(int i);
    void ShowLoaded(const mainwindow::TLoadedDocument& loaded);
    int SavableTab();

public:
    // Writes the editor's unsaved edits to the document they belong to.
    void KeepEdits();

    // ---- Reading and conversion (Reading.cpp) ----
    void StartReading(const QString& text);
    void UpdateStatus();
    // The name of the document in `tab` as a message or the desktop shows it (a tab marks an
    // "&" in it twice, to show it as it is).
    QString TabTitle(int tab) const;
    void UpdateModeCaptions();
    void SpeakGreeting();
    void ActionTTSExecute();
    void ActionTTWExecute();
    void ActionTTMExecute();
    void ActionReadClipboardExecute();
    void ActionReadSelectionExecute();
    void ActionTTXCursorExecute();
    void ActionTTXSelectedExecute();
    void ActionPauseExecute();
    void ActionStopExecute();
    void MSpeech1Start(speech::TMSpeech* sender);
    // The reading controller's stop (a pause has its own signal). `ended`: the reading that
    // was started came to its end; auto-next is decided here.
    void MSpeech1Stop(bool ended);
    void TimerWordPositionTimer();
    void Playback1Click();
    void PopupMenuMemoPopup();
    // The tray icon's tooltip, as UpdateStatus last wrote it.
    QString TrayTipText() const;

private:
    mainwindow::TReadingController* FReading = nullptr;
    bool FLocked = false; // the editor and the read commands are locked for a reading
    int FLastHighlight = -1;
    QString FLastWavName, FLastMp3Name; // what the save dialogs offer next time
    QString FTrayTip;
    void CreateReadingCommands();
    // StartReading's work; `report` shows a failure in a message box, `freeText` marks a typed
    // key, which never converts or advances.
    void BeginReading(const QString& text, bool report, bool freeText);
    void UnlockAfterReading();
    QString RunMp3Step();
    void Mp3Progress(int percent);
    void FinishStop(bool ended, const mainwindow::TReading& finished);
    QString AutoOutputName(TReadKind kind, const QString& extension) const;

public:
    // ---- Voices, sliders and control tags (Voices.cpp) ----
    void FillEngineList();
    void FillVoiceItems();
    bool ChooseVoice(const QString& name);
    void EnginesListed();
    void ComboBoxExEnginesChange();
    void TrackBarVolChange();
    void TrackBarSpdChange();
    void InsertControlTag(const QString& tag);
    void ActionToolsShortPauseExecute();
    void ActionToolsLongPauseExecute();
    void ActionToolsWhisperExecute();
    void ActionToolsMonotoneExecute();
    void ActionToolsNormalExecute();
    void ActionToolsEmpExecute();
    void ActionToolsVolExecute();
    void ActionToolsSpdExecute();
    void ActionToolsPitExecute();
    void Memo1KeyPress(QKeyEvent* event);

private:
    void CreateVoiceControls();
    void CreateVoiceMenu();

public:
    // ---- The talking clock and the reminders (end of Converter.cpp) ----
    void TimerAandRTimer();
    // Where the tick takes "now" from; tests put a clock of their own here.
    std::shared_ptr<desktop::IClock> AandRClock = std::make_shared<desktop::TSystemClock>();

private:
    desktop::TAlarmSound* FAlarmSound = nullptr;
    desktop::TReminderSchedule FReminderSchedule;
    void SetTimerAandR(bool on);

public:
    // ---- Copied text offered for reading (Clipboard.cpp) ----
    desktop::TClipboardMonitor* ClipboardMonitor1 = nullptr;
    void ClipboardMonitor1ClipboardChange();

private:
    void ActivateClipboardMonitor();
    // Reads the clipboard; why it brought no text (an owner that does not answer, a text too
    // large) is told in the status panel.
    desktop::TClipboardText ReadClipboard(QClipboard::Mode mode = QClipboard::Clipboard);
    desktop::TRepeatFilter FClipboardRepeats;
    QElapsedTimer FClipboardClock;
    desktop::TBoundedPaste* FPaste = nullptr;
    // Carries out `action` on the copied text that was offered.
    void ClipboardAct(int action, const QString& text);
    void ReadClipboardAloud(const QString& text);

public:
    // ---- The tray, later starts and the desktop's media controls (Tray.cpp) ----
    desktop::TSysTray* SysTray1 = nullptr;
    QMenu* PopupMenuTray = nullptr;
    desktop::TMediaControls* MediaControls1 = nullptr;
    void ActionToolsShowMainExecute();
    void SysTray1IconMouseDown(Qt::MouseButton button, QPoint pos);
    void PopupMenuTrayPopup();
    void ApplicationMinimize();
    // A later start of the reader asked for this window, handing over its files.
    void ShowFromAnotherStart(const platform::TInstanceRequest& request);
    // Runs a command a desktop binds by name (Commands.h); false for a name it does not know.
    bool RunDesktopAction(const QString& name);
    // A notice through the desktop while the window is hidden in the tray or minimised: there
    // the window's own status and boxes go unseen.
    void NotifyIfHidden(const QString& summary, const QString& body);

private:
    void CreateTray();
    void ActivateTray();
    // Whether hiding into the tray leaves the user a way back: the icon is on and the desktop
    // shows a tray.
    bool TrayHolds() const;
    void ShowMainWindow();
    void SysTray1AvailabilityChanged(bool available);
    void CreateMediaControls();
    void UpdateMediaControls();

private:
    void ActionFileExitExecute();
    void ActionHelpExecute();
    void ActionHelpHomePageExecute();
    void ActionHelpContactExecute();
    void ActionHelpAboutExecute();
    void ActionToolsBrowseTxtExecute();
    void ActionToolsBrowseWavExecute();
    void ActionToolsBrowseMp3Execute();
    void ActionToolsOptionsExecute();

    void ActionSearchFindExecute();
    void ActionSearchReplaceExecute();
    void ActionSearchFindFirstExecute();
    void ActionSearchFindNextExecute();

    platform::TProgramFolders FFolders;
    bool FDestroyed = false;
    bool FStartHidden = false;
    QPointer<TFindDialog> FFindDialog;
    TSearch FLastSearch; // for Find First and Find Next
};
