// SPDX-License-Identifier: GPL-3.0-or-later
// TFormOption: the options dialog. It has no Cancel: every control writes its setting the moment
// it changes, and what the main window shows of it is applied at once; config.ini is written
// only at the program's end. The dialog never sees the main window itself: the window hands it
// what it may touch (TOptionsHost).
#pragma once

#include "AlarmLogic.h"
#include "Global.h"
#include "KoForm.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableView;
class QTimeEdit;
class QToolButton;

namespace speech {
class TMSpeech;
}

namespace options {

class TReminderModel;
class TSpinEdit;
class THotKey;

// What the dialog changes on the main window besides the settings. Every function is optional.
struct TOptionsHost {
    QWidget* Memo1 = nullptr; // the editor: the font and colour dialogs start from its own
    std::array<QAction*, settings::HotkeyCount> ActionList1{};
    speech::TMSpeech* MSpeech1 = nullptr;
    std::function<void()> TabControl1Change;
    // The file dialogs start in DefTxtPath, DefWavPath and DefMp3Path.
    std::function<void()> ApplyFileDialogFolders;
    // TabPos and TabStyle on the tab strip.
    std::function<void()> ApplyTabSettings;
    // Font, colours, scroll bars and word wrap of the editor.
    std::function<void()> ApplyEditorSettings;
    // ShowToolbar, ShowMainMenus and ShowStatusBar.
    std::function<void()> ApplyBars;
    std::function<void()> ApplyStayOnTop;
    // SysTray1's Active.
    std::function<void(bool)> SetTrayActive;
    // TimerAandR runs or stops.
    std::function<void(bool)> SetTimerAandR;
    // While true, the global hotkeys let their keys reach the focused field (the hotkey field,
    // where the user presses a combination the reader itself holds).
    std::function<void(bool)> SuspendGlobalHotkeys;
    // How global keys work in this session, in a sentence; and the key the desktop gave global
    // command `n` instead of its own (empty when none or the same).
    std::function<QString()> GlobalHotkeyStatus;
    std::function<QString(int n)> AssignedGlobalHotkey;
};

// The folder picker: the chosen folder, or empty when the user cancelled.
QString PickFolder(const QString& prompt, QWidget* parent);
// What a folder field shows of a picked folder: without its trailing "/", except the root's.
QString FolderFieldText(const QString& picked);

// Creates the dialog, shows it modally, destroys it.
void ShowOptionsDialog(const TOptionsHost& host, QWidget* parent = nullptr);

} // namespace options

class TFormOption : public TKoForm {
    Q_OBJECT
public:
    explicit TFormOption(options::TOptionsHost host, QWidget* parent = nullptr);
    ~TFormOption() override;

    // Pages, in the order of LastOptionPage.
    QTabBar* PageControl1 = nullptr;
    QStackedWidget* PageControl1Pages = nullptr;
    QWidget* TabSheetGeneral = nullptr;
    QWidget* TabSheetConvert = nullptr;
    QWidget* TabSheetProsody = nullptr;
    QWidget* TabSheetMisc = nullptr;
    QWidget* TabSheetClipboard = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QPushButton* ButtonOK = nullptr;
    // The page shown, -1 for none.
    int ActivePage() const;

    // General.
    QCheckBox* CheckBoxHint = nullptr;
    QCheckBox* CheckBoxRepeat = nullptr;
    QCheckBox* CheckBoxHighlight = nullptr;
    QCheckBox* cbKeyToSpeech = nullptr;
    QCheckBox* CheckBoxAutoNext = nullptr;
    QCheckBox* CheckBoxAutoName = nullptr;
    QCheckBox* CheckBoxContext = nullptr;
    QCheckBox* CheckBoxGreeting = nullptr;
    QLineEdit* EditGreetingString = nullptr;
    // Conversion.
    QLineEdit* EditTxt = nullptr;
    QLineEdit* EditWav = nullptr;
    QLineEdit* EditMp3 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QComboBox* ComboBoxKHZ = nullptr;
    QComboBox* ComboBoxKBPS = nullptr;
    QComboBox* ComboBoxRealTime = nullptr;
    // Prosody.
    options::TSpinEdit* seShortPau = nullptr;
    options::TSpinEdit* seLongPau = nullptr;
    options::TSpinEdit* seVol = nullptr;
    options::TSpinEdit* seSpd = nullptr;
    options::TSpinEdit* sePit = nullptr;
    QPushButton* Button7 = nullptr;
    // Interface.
    QComboBox* ComboBoxHotkeys = nullptr;
    options::THotKey* HotKey1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QCheckBox* CheckBoxGlobalHotkey = nullptr;
    QLabel* LabelGlobalHotkeys = nullptr; // how global keys work here, and the desktop's key
    QComboBox* ComboBoxTabPos = nullptr;
    QComboBox* ComboBoxTabStyle = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QComboBox* ComboBoxScrollBars = nullptr;
    QCheckBox* CheckBoxWordWrap = nullptr;
    QCheckBox* CheckBoxStayOnTop = nullptr;
    QCheckBox* CheckBoxShowToolBar = nullptr;
    QCheckBox* CheckBoxShowStatusBar = nullptr;
    QCheckBox* CheckBoxShowMainMenus = nullptr;
    QCheckBox* CheckBoxTray = nullptr;
    QCheckBox* CheckBoxMiniStartup = nullptr;
    QCheckBox* CheckBoxMiniToTray = nullptr;
    // Clipboard.
    QCheckBox* CheckBoxWatchClipboard = nullptr;
    QGroupBox* GroupBoxClipboard = nullptr;
    QLabel* LabelClipboardUnavailable = nullptr; // why the desktop does not let it be watched
    options::TSpinEdit* SpinEditIgnoreLen = nullptr;
    QCheckBox* CheckBoxPrompt = nullptr;
    options::TSpinEdit* SpinEditPromptDelay = nullptr;
    QComboBox* ComboBoxDefAction = nullptr;
    // Alarm.
    QCheckBox* CheckBoxAlarm = nullptr;
    QGroupBox* GroupBoxAlarm = nullptr;
    options::TSpinEdit* SpinEditAlarmInterval = nullptr;
    QLineEdit* EditAlarmBefore = nullptr;
    QComboBox* ComboBoxAlarmStyle = nullptr;
    QStackedWidget* NotebookAlarmStyle = nullptr;
    QCheckBox* CheckBoxAlarmDate = nullptr;
    QLineEdit* EditAlarmTxtFile = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QLineEdit* EditAlarmWavFile = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QLineEdit* EditAlarmAfter = nullptr;
    QCheckBox* CheckBoxAlarmMsgBox = nullptr;
    // Reminders.
    QCheckBox* CheckBoxReminder = nullptr;
    QGroupBox* GroupBoxReminder = nullptr;
    QTableView* ListViewReminderList = nullptr;
    QDateEdit* DatePicker = nullptr;
    QTimeEdit* TimePicker = nullptr;
    QPlainTextEdit* MemoReminder = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* ButtonDel = nullptr;
    QCheckBox* CheckBoxReminderMsgBox = nullptr;

    // Handlers that are not bound to a single signal, for the keyboard and the tests.
    void ComboBoxHotkeysChange();
    void Button2Click();
    void Button3Click();
    void Button1Click();
    void Button6Click();
    void ButtonDelClick();
    void ListViewReminderListSelectItem();
    void ListViewReminderListDblClick();
    void ComboBoxKHZChange();
    void ComboBoxKBPSChange();
    void ComboBoxRealTimeChange();

protected:
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreatePages();
    void CreateGeneral();
    void CreateConvert();
    void CreateProsody();
    void CreateMisc();
    void CreateClipboard();
    void CreateAlarm();
    void CreateReminders();
    void Connect();

    void SetPage(int page);
    void PageControl1Change(int page);
    void SpinFromSettings(options::TSpinEdit* edit, int value);
    void FolderButtonClick(QLineEdit* edit);
    void FolderFieldChange(QLineEdit* edit, QString& setting);
    void AlarmFileButtonClick(QLineEdit* edit, const QString& filter, const QString& extension);
    void CheckBoxContextClick();
    void CheckBoxTrayClick();
    void AlarmOrReminderClick();
    void Button4Click();
    void Button5Click();
    void Button7Click();
    void CheckBoxGlobalHotkeyClick();
    void FillReminderRows();
    int SelectedReminder() const;

    options::TOptionsHost FHost;
    std::unique_ptr<desktop::TReminderEditor> FReminders;
    options::TReminderModel* FReminderRows = nullptr;
    bool FShowingPage = false;
};
