// SPDX-License-Identifier: GPL-3.0-or-later
#include "Option.h"

#include "ClipMon.h"
#include "Hotkeys.h"
#include "KoUtils.h"
#include "OptionControls.h"
#include "OptionFont.h"
#include "OptionKeys.h"
#include "ReminderModel.h"
#include "ShellTree.h"
#include "ShellVerbs.h"
#include "mSpeech.h"
#include "platform/Services.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QTimeEdit>
#include <QToolButton>
#include <QWindow>

#include <exception>

using KoUtils::Guarded;
using settings::Settings;

namespace options {

QString PickFolder(const QString& prompt, QWidget* parent) {
    return SelectFolder(prompt, parent);
}

QString FolderFieldText(const QString& picked) {
    if (picked.size() > 1 && picked.endsWith(QLatin1Char('/')))
        return picked.chopped(1);
    return picked;
}

void ShowOptionsDialog(const TOptionsHost& host, QWidget* parent) {
    TFormOption dialog(host, parent);
    dialog.ShowModal();
}

} // namespace options

namespace {

constexpr int ClientWidth = 446;
constexpr int ClientHeight = 368;
// The skinned frame around the client area: the side pictures, the caption strip and the
// bottom strip.
constexpr int FrameWidth = 10 + 13;
constexpr int FrameHeight = 49 + 12;

// Colours are stored with red in the low byte, then green, then blue.
std::int32_t StoredColor(const QColor& c) {
    return std::int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}

void Run(const std::function<void()>& f) {
    if (f)
        f();
}

void RunWith(const std::function<void(bool)>& f, bool value) {
    if (f)
        f(value);
}

} // namespace

TFormOption::TFormOption(options::TOptionsHost host, QWidget* parent)
    : TKoForm(parent), FHost(std::move(host)) {
    setObjectName(QStringLiteral("FormOption"));
    setWindowTitle(tr(" Options"));
    SetBorderIcons(koframe::biSystemMenu);
    setFixedSize(ClientWidth + FrameWidth, ClientHeight + FrameHeight);
    CreatePages();
    Connect();
    options::SetKeyboardAccess(*this);
    options::BindPageKeys(this, PageControl1, 7);
    options::StepOverRefused(
        ComboBoxKBPS,
        [this](int item) {
            return options::Mp3RateAllowed(ComboBoxKHZ->currentIndex(),
                                           ComboBoxKBPS->itemText(item).toInt());
        },
        [this] { ComboBoxKBPSChange(); });
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TFormOption::~TFormOption() = default;

// --- Handlers ---------------------------------------------------------------------------------

// Check boxes answer every change of their state, from the user or from code, as their click
// handlers did; lists answer only the user's picks; text and number fields every change.
void TFormOption::Connect() {
    auto flag = [this](QCheckBox* box, bool& setting, std::function<void()> also = {}) {
        connect(box, &QCheckBox::toggled, this, [&setting, box, also] {
            setting = box->isChecked();
            Run(also);
        });
    };
    auto text = [this](QLineEdit* edit, QString& setting) {
        connect(edit, &QLineEdit::textChanged, this, [&setting](const QString& t) { setting = t; });
    };
    auto number = [this](options::TSpinEdit* spin, std::int32_t& setting) {
        connect(spin, &options::TSpinEdit::Change, this,
                [&setting, spin] { setting = spin->Value(); });
    };
    auto item = [this](QComboBox* list, std::int32_t& setting, std::function<void()> also = {}) {
        connect(list, &QComboBox::activated, this, [&setting, list, also] {
            setting = list->currentIndex();
            Run(also);
        });
    };

    connect(PageControl1, &QTabBar::currentChanged, this, &TFormOption::PageControl1Change);

    // General.
    flag(CheckBoxHint, Settings.ShowHint); // the application's tooltips follow it at once
    flag(CheckBoxRepeat, Settings.Repeat, [this] { Run(FHost.TabControl1Change); });
    flag(CheckBoxHighlight, Settings.Highlight);
    flag(cbKeyToSpeech, Settings.KeyToSpeech);
    flag(CheckBoxAutoNext, Settings.AutoNext);
    flag(CheckBoxAutoName, Settings.AutoName);
    connect(CheckBoxContext, &QCheckBox::toggled, this, &TFormOption::CheckBoxContextClick);
    flag(CheckBoxGreeting, Settings.Greeting,
         [this] { EditGreetingString->setEnabled(CheckBoxGreeting->isChecked()); });
    text(EditGreetingString, Settings.GreetingString);

    // Conversion.
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { FolderButtonClick(EditTxt); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { FolderButtonClick(EditWav); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { FolderButtonClick(EditMp3); });
    connect(EditTxt, &QLineEdit::textChanged, this,
            [this] { FolderFieldChange(EditTxt, Settings.DefTxtPath); });
    connect(EditWav, &QLineEdit::textChanged, this,
            [this] { FolderFieldChange(EditWav, Settings.DefWavPath); });
    connect(EditMp3, &QLineEdit::textChanged, this,
            [this] { FolderFieldChange(EditMp3, Settings.DefMp3Path); });
    connect(ComboBoxKHZ, &QComboBox::activated, this, &TFormOption::ComboBoxKHZChange);
    connect(ComboBoxKBPS, &QComboBox::activated, this, &TFormOption::ComboBoxKBPSChange);
    connect(ComboBoxRealTime, &QComboBox::activated, this, &TFormOption::ComboBoxRealTimeChange);

    // Prosody.
    number(seShortPau, Settings.ShortPau);
    number(seLongPau, Settings.LongPau);
    number(seVol, Settings.DefVol);
    number(seSpd, Settings.DefSpd);
    number(sePit, Settings.DefPit);
    connect(Button7, &QPushButton::clicked, this, &TFormOption::Button7Click);

    // Interface.
    connect(ComboBoxHotkeys, &QComboBox::activated, this, &TFormOption::ComboBoxHotkeysChange);
    connect(Button2, &QPushButton::clicked, this, &TFormOption::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFormOption::Button3Click);
    connect(CheckBoxGlobalHotkey, &QCheckBox::toggled, this,
            &TFormOption::CheckBoxGlobalHotkeyClick);
    item(ComboBoxTabPos, Settings.TabPos, [this] { Run(FHost.ApplyTabSettings); });
    item(ComboBoxTabStyle, Settings.TabStyle, [this] { Run(FHost.ApplyTabSettings); });
    connect(Button4, &QPushButton::clicked, this, &TFormOption::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TFormOption::Button5Click);
    item(ComboBoxScrollBars, Settings.MemoScrollBars, [this] { Run(FHost.ApplyEditorSettings); });
    flag(CheckBoxWordWrap, Settings.MemoWordWrap, [this] { Run(FHost.ApplyEditorSettings); });
    flag(CheckBoxStayOnTop, Settings.StayOnTop, [this] {
        Run(FHost.ApplyStayOnTop);
        // The dialog goes to the main window's layer, or a window on top would cover it.
        Qt::WindowFlags flags = windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, Settings.StayOnTop);
        overrideWindowFlags(flags);
        if (QWindow* native = windowHandle())
            native->setFlags(flags);
        raise();
    });
    flag(CheckBoxShowToolBar, Settings.ShowToolbar, [this] { Run(FHost.ApplyBars); });
    flag(CheckBoxShowStatusBar, Settings.ShowStatusBar, [this] { Run(FHost.ApplyBars); });
    flag(CheckBoxShowMainMenus, Settings.ShowMainMenus, [this] { Run(FHost.ApplyBars); });
    connect(CheckBoxTray, &QCheckBox::toggled, this, &TFormOption::CheckBoxTrayClick);
    flag(CheckBoxMiniStartup, Settings.MiniStartup);
    flag(CheckBoxMiniToTray, Settings.MiniToTray);

    // Clipboard.
    flag(CheckBoxWatchClipboard, Settings.WatchClipboard,
         [this] { GroupBoxClipboard->setEnabled(CheckBoxWatchClipboard->isChecked()); });
    number(SpinEditIgnoreLen, Settings.IgnoreLen);
    flag(CheckBoxPrompt, Settings.ShowPrompt,
         [this] { SpinEditPromptDelay->setEnabled(CheckBoxPrompt->isChecked()); });
    number(SpinEditPromptDelay, Settings.PromptDelay);
    item(ComboBoxDefAction, Settings.DefAction);

    // Alarm.
    flag(CheckBoxAlarm, Settings.Alarm, [this] { AlarmOrReminderClick(); });
    number(SpinEditAlarmInterval, Settings.AlarmInterval);
    text(EditAlarmBefore, Settings.AlarmBefore);
    item(ComboBoxAlarmStyle, Settings.AlarmStyle,
         [this] { NotebookAlarmStyle->setCurrentIndex(ComboBoxAlarmStyle->currentIndex()); });
    flag(CheckBoxAlarmDate, Settings.AlarmDate);
    text(EditAlarmTxtFile, Settings.AlarmTxtFile);
    text(EditAlarmWavFile, Settings.AlarmWavFile);
    connect(SpeedButton4, &QToolButton::clicked, this, [this] {
        AlarmFileButtonClick(EditAlarmTxtFile, tr("Text Files(*.txt)"), QStringLiteral("txt"));
    });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] {
        AlarmFileButtonClick(EditAlarmWavFile, tr("Wav Files(*.wav)"), QStringLiteral("wav"));
    });
    text(EditAlarmAfter, Settings.AlarmAfter);
    flag(CheckBoxAlarmMsgBox, Settings.AlarmMsgBox);

    // Reminders.
    flag(CheckBoxReminder, Settings.Reminder, [this] { AlarmOrReminderClick(); });
    connect(Button1, &QPushButton::clicked, this, &TFormOption::Button1Click);
    connect(Button6, &QPushButton::clicked, this, &TFormOption::Button6Click);
    connect(ButtonDel, &QPushButton::clicked, this, &TFormOption::ButtonDelClick);
    connect(ListViewReminderList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFormOption::ListViewReminderListSelectItem);
    connect(ListViewReminderList, &QAbstractItemView::doubleClicked, this,
            &TFormOption::ListViewReminderListDblClick);
    flag(CheckBoxReminderMsgBox, Settings.ReminderMsgBox);
}

void TFormOption::FormShow() {
    // 1.
    TKoForm::FormShow();
    SetSizeable(false);
    // 2.
    Guarded([this] { SetPage(Settings.LastOptionPage); });
    // 3.
    Guarded([this] {
        CheckBoxHint->setChecked(Settings.ShowHint);
        CheckBoxRepeat->setChecked(Settings.Repeat);
        CheckBoxHighlight->setChecked(Settings.Highlight);
        cbKeyToSpeech->setChecked(Settings.KeyToSpeech);
        CheckBoxAutoNext->setChecked(Settings.AutoNext);
        CheckBoxAutoName->setChecked(Settings.AutoName);
    });
    // 4.
    CheckBoxContext->setChecked(TxtShellVerbsInstalled());
    // 5.
    Guarded([this] {
        CheckBoxGreeting->setChecked(Settings.Greeting);
        EditGreetingString->setText(Settings.GreetingString);
    });
    // 6.
    Guarded([this] {
        EditTxt->setText(Settings.DefTxtPath);
        EditWav->setText(Settings.DefWavPath);
        EditMp3->setText(Settings.DefMp3Path);
    });
    // 7. Items are found by their text, regardless of letter case; no match selects none.
    Guarded([this] {
        ComboBoxKHZ->setCurrentIndex(ComboBoxKHZ->findText(Settings.KHZ, Qt::MatchFixedString));
        ComboBoxKBPS->setCurrentIndex(ComboBoxKBPS->findText(Settings.KBPS, Qt::MatchFixedString));
        // No pace at all is 256 times real time, whose low 16 bits (all the file destination
        // takes) are 0.
        ComboBoxRealTime->setCurrentIndex(ComboBoxRealTime->findText(
            Settings.RealTime == 256 * 256
                ? tr("Max")
                : QString::number(Settings.RealTime / 256) + QStringLiteral(" X"),
            Qt::MatchFixedString));
    });
    // 8.
    Guarded([this] {
        SpinFromSettings(seShortPau, Settings.ShortPau);
        SpinFromSettings(seLongPau, Settings.LongPau);
        SpinFromSettings(seVol, Settings.DefVol);
        SpinFromSettings(seSpd, Settings.DefSpd);
        SpinFromSettings(sePit, Settings.DefPit);
    });
    // 9.
    Guarded([this] {
        ComboBoxHotkeys->clear();
        for (QAction* a : FHost.ActionList1)
            ComboBoxHotkeys->addItem(a ? a->text() : QString());
        ComboBoxHotkeys->setCurrentIndex(0);
        ComboBoxHotkeysChange();
    });
    // 10.
    Guarded([this] {
        ComboBoxTabPos->setCurrentIndex(Settings.TabPos);
        ComboBoxTabStyle->setCurrentIndex(Settings.TabStyle);
    });
    // 11.
    Guarded([this] {
        ComboBoxScrollBars->setCurrentIndex(Settings.MemoScrollBars);
        CheckBoxWordWrap->setChecked(Settings.MemoWordWrap);
    });
    // 12. In this order: turning the tray off clears the two boxes that need it.
    Guarded([this] {
        // Each value is read when its turn comes: an earlier box may have changed it.
        const std::pair<QCheckBox*, const bool*> boxes[] = {
            {CheckBoxStayOnTop, &Settings.StayOnTop},
            {CheckBoxShowToolBar, &Settings.ShowToolbar},
            {CheckBoxShowStatusBar, &Settings.ShowStatusBar},
            {CheckBoxShowMainMenus, &Settings.ShowMainMenus},
            {CheckBoxTray, &Settings.Tray},
            {CheckBoxMiniStartup, &Settings.MiniStartup},
            {CheckBoxMiniToTray, &Settings.MiniToTray}};
        for (const auto& [box, value] : boxes)
            box->setChecked(*value);
    });
    // 13.
    Guarded([this] {
        CheckBoxWatchClipboard->setChecked(Settings.WatchClipboard);
        SpinFromSettings(SpinEditIgnoreLen, Settings.IgnoreLen);
        CheckBoxPrompt->setChecked(Settings.ShowPrompt);
        SpinFromSettings(SpinEditPromptDelay, Settings.PromptDelay);
        ComboBoxDefAction->setCurrentIndex(Settings.DefAction);
        const QString unavailable = desktop::TClipboardMonitor::ChangesUnavailable();
        LabelClipboardUnavailable->setText(unavailable);
        LabelClipboardUnavailable->setVisible(!unavailable.isEmpty());
    });
    // 14.
    Guarded([this] {
        CheckBoxAlarm->setChecked(Settings.Alarm);
        GroupBoxAlarm->setEnabled(Settings.Alarm);
        SpinFromSettings(SpinEditAlarmInterval, Settings.AlarmInterval);
        EditAlarmBefore->setText(Settings.AlarmBefore);
        ComboBoxAlarmStyle->setCurrentIndex(Settings.AlarmStyle);
        NotebookAlarmStyle->setCurrentIndex(Settings.AlarmStyle);
        CheckBoxAlarmDate->setChecked(Settings.AlarmDate);
        EditAlarmTxtFile->setText(Settings.AlarmTxtFile);
        EditAlarmWavFile->setText(Settings.AlarmWavFile);
        EditAlarmAfter->setText(Settings.AlarmAfter);
        CheckBoxAlarmMsgBox->setChecked(Settings.AlarmMsgBox);
    });
    // 15. Every line of the list gets its row, also one whose moment does not read in the
    //     current formats: it is shown as written and kept.
    Guarded([this] {
        CheckBoxReminder->setChecked(Settings.Reminder);
        GroupBoxReminder->setEnabled(Settings.Reminder);
        FReminders = std::make_unique<desktop::TReminderEditor>(settings::ReminderList);
        FillReminderRows();
        const QDateTime now = QDateTime::currentDateTime();
        DatePicker->setDate(now.date());
        TimePicker->setTime(now.time());
        CheckBoxReminderMsgBox->setChecked(Settings.ReminderMsgBox);
    });
    // The keyboard starts on the page tabs.
    PageControl1->setFocus();
}

void TFormOption::keyPressEvent(QKeyEvent* event) {
    // Enter closes the dialog from any control that does not take it for itself.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        ButtonOK->click();
        return;
    }
    TKoForm::keyPressEvent(event);
}

int TFormOption::ActivePage() const {
    const int page = PageControl1->currentIndex();
    return page >= 0 && page < 7 ? page : -1;
}

void TFormOption::SetPage(int page) {
    FShowingPage = true;
    const int index = page >= 0 && page < 7 ? page : 7;
    PageControl1->setCurrentIndex(index);
    PageControl1Pages->setCurrentIndex(index);
    FShowingPage = false;
}

void TFormOption::PageControl1Change(int page) {
    PageControl1Pages->setCurrentIndex(page);
    if (!FShowingPage && page >= 0 && page < 7)
        Settings.LastOptionPage = page;
}

// A number set from code is brought into the field's range first, and what the field then
// shows is written back, also when it did not change the field.
void TFormOption::SpinFromSettings(options::TSpinEdit* edit, int value) {
    edit->SetValue(value);
    emit edit->Change();
}

void TFormOption::FolderButtonClick(QLineEdit* edit) {
    const QString path = options::PickFolder(tr("Select a folder as the default"), this);
    if (path.isEmpty())
        return;
    edit->setText(options::FolderFieldText(path));
}

void TFormOption::FolderFieldChange(QLineEdit* edit, QString& setting) {
    setting = edit->text();
    if (setting.isEmpty())
        return;
    if (!setting.endsWith(QLatin1Char('/')))
        setting += QLatin1Char('/');
    Run(FHost.ApplyFileDialogFolders);
}

void TFormOption::ComboBoxKHZChange() {
    ComboBoxKBPS->setCurrentIndex(11);
    Settings.KBPS = QStringLiteral("128");
    Settings.KHZ =
        ComboBoxKHZ->currentIndex() >= 0 ? ComboBoxKHZ->currentText() : QStringLiteral("22.05");
}

void TFormOption::ComboBoxKBPSChange() {
    const int khz = ComboBoxKHZ->currentIndex();
    if (!options::Mp3RateAllowed(khz, ComboBoxKBPS->currentText().toInt())) {
        ComboBoxKBPS->setCurrentIndex(11);
        KoUtils::ShowMessageBox(khz >= 0 && khz <= 5 ? tr("Only for 32KHZ~48KHZ Mode.")
                                                     : tr("Only for 8KHZ~24KHZ Mode."),
                                KoUtils::MB_ICONINFORMATION);
    }
    Settings.KBPS =
        ComboBoxKBPS->currentIndex() >= 0 ? ComboBoxKBPS->currentText() : QStringLiteral("128");
}

void TFormOption::ComboBoxRealTimeChange() {
    bool ok = false;
    const int n = ComboBoxRealTime->currentText()
                      .remove(QStringLiteral(" X"), Qt::CaseInsensitive)
                      .toInt(&ok);
    Settings.RealTime = ok                                             ? n * 256
                        : ComboBoxRealTime->currentText() == tr("Max") ? 256 * 256
                                                                       : 2048;
}

void TFormOption::CheckBoxContextClick() {
    // A failure is shown by the commands' own step; the box keeps what the user chose.
    ::CheckBoxContextClick(CheckBoxContext->isChecked());
}

void TFormOption::CheckBoxTrayClick() {
    Settings.Tray = CheckBoxTray->isChecked();
    RunWith(FHost.SetTrayActive, Settings.Tray);
    if (Settings.Tray) {
        CheckBoxMiniToTray->setEnabled(true);
        CheckBoxMiniStartup->setEnabled(true);
    } else {
        // A box that is unchecked already runs no handler, so both settings are cleared here.
        CheckBoxMiniToTray->setChecked(false);
        CheckBoxMiniStartup->setChecked(false);
        Settings.MiniToTray = false;
        Settings.MiniStartup = false;
        CheckBoxMiniToTray->setEnabled(false);
        CheckBoxMiniStartup->setEnabled(false);
    }
}

void TFormOption::AlarmOrReminderClick() {
    GroupBoxAlarm->setEnabled(CheckBoxAlarm->isChecked());
    GroupBoxReminder->setEnabled(CheckBoxReminder->isChecked());
    RunWith(FHost.SetTimerAandR, CheckBoxAlarm->isChecked() || CheckBoxReminder->isChecked());
}

void TFormOption::Button4Click() {
    if (!FHost.Memo1)
        return;
    QFont font = FHost.Memo1->font();
    QColor color = FHost.Memo1->palette().color(QPalette::Text);
    if (!options::PickEditorFont(this, font, color))
        return;
    Settings.MemoFontColor = StoredColor(color);
    Settings.MemoFontName = font.family();
    Settings.MemoFontSize = font.pointSize() > 0 ? font.pointSize() : Settings.MemoFontSize;
    Settings.MemoFontBold = font.bold();
    Settings.MemoFontItalic = font.italic();
    Settings.MemoFontUnderline = font.underline();
    Settings.MemoFontStrikeOut = font.strikeOut();
    Run(FHost.ApplyEditorSettings);
}

void TFormOption::Button5Click() {
    if (!FHost.Memo1)
        return;
    const QColor color = QColorDialog::getColor(FHost.Memo1->palette().color(QPalette::Base), this);
    if (!color.isValid())
        return;
    Settings.MemoBGColor = StoredColor(color);
    Run(FHost.ApplyEditorSettings);
}

void TFormOption::Button7Click() {
    try {
        if (!FHost.MSpeech1)
            throw std::runtime_error(tr("Speech Engine not selected").toStdString());
        FHost.MSpeech1->ShowEngineDialog(2, static_cast<QWidget*>(this), nullptr);
    } catch (const std::exception& e) {
        KoUtils::ShowMessageBox(QString::fromUtf8(e.what()), KoUtils::MB_ICONERROR);
    }
}

void TFormOption::AlarmFileButtonClick(QLineEdit* edit, const QString& filter,
                                       const QString& extension) {
    QFileDialog dialog(this, tr("Open File(s) to Read"), QFileInfo(edit->text()).path(), filter);
    dialog.setDefaultSuffix(extension);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    edit->setText(dialog.selectedFiles().constFirst());
}

// --- Hotkeys ----------------------------------------------------------------------------------

namespace {

settings::TShortCut CurrentShortCut(QAction* a) {
    return a ? settings::KeyToShortCut(a->shortcut()[0]) : 0;
}

} // namespace

void TFormOption::ComboBoxHotkeysChange() {
    const int n = ComboBoxHotkeys->currentIndex();
    if (n < 0 || n >= settings::HotkeyCount)
        return;
    HotKey1->SetHotKey(CurrentShortCut(FHost.ActionList1[std::size_t(n)]));
    CheckBoxGlobalHotkey->setChecked(settings::GlobalHotkeyIDList[std::size_t(n)] != 0);
    CheckBoxGlobalHotkey->setEnabled(HotKey1->HotKey() != 0);
    // How global keys work here; for a command the desktop bound to another key than its own,
    // that key instead (the one to press, until the desktop's settings change it). The page has
    // room for one of the two: the other is the label's hint.
    const QString status = FHost.GlobalHotkeyStatus ? FHost.GlobalHotkeyStatus() : QString();
    const QString given = FHost.AssignedGlobalHotkey ? FHost.AssignedGlobalHotkey(n) : QString();
    LabelGlobalHotkeys->setText(
        given.isEmpty()
            ? status
            : tr("The desktop gives this command %1; its settings change that.").arg(given));
    LabelGlobalHotkeys->setToolTip(given.isEmpty() ? QString() : status);
}

void TFormOption::Button2Click() {
    const int n = ComboBoxHotkeys->currentIndex();
    if (n < 0 || n >= settings::HotkeyCount)
        return;
    settings::TShortCuts current{};
    for (std::size_t i = 0; i < current.size(); ++i)
        current[i] = CurrentShortCut(FHost.ActionList1[i]);
    switch (settings::UpdateHotkey(current, n, HotKey1->HotKey())) {
    case settings::TUpdateResult::Unchanged:
        break;
    case settings::TUpdateResult::AlreadyExists:
        KoUtils::ShowMessageBox(tr("This Hotkey already exists!"), KoUtils::MB_ICONINFORMATION);
        ComboBoxHotkeysChange();
        break;
    case settings::TUpdateResult::Updated:
        if (QAction* a = FHost.ActionList1[std::size_t(n)])
            a->setShortcut(settings::ShortCutToKey(current[std::size_t(n)]));
        break;
    }
}

void TFormOption::Button3Click() {
    if (!KoUtils::ConfirmBox(tr("Are you sure?")))
        return;
    settings::TShortCuts current{};
    settings::ResetHotkeys(current);
    for (std::size_t i = 0; i < current.size(); ++i)
        if (QAction* a = FHost.ActionList1[i])
            a->setShortcut(settings::ShortCutToKey(current[i]));
    ComboBoxHotkeysChange();
}

// The mark is what counts: the dialog's registration reaches no window, and the main window
// registers the command at the next start.
void TFormOption::CheckBoxGlobalHotkeyClick() {
    const int n = ComboBoxHotkeys->currentIndex();
    if (n < 0 || n >= settings::HotkeyCount)
        return;
    Guarded([&] { settings::SetGlobalHotkey(n, CheckBoxGlobalHotkey->isChecked()); });
}

// --- Reminders --------------------------------------------------------------------------------

void TFormOption::FillReminderRows() {
    const QSignalBlocker quiet(ListViewReminderList->selectionModel());
    FReminderRows->SetEditor(FReminders.get());
    ListViewReminderList->clearSelection();
}

int TFormOption::SelectedReminder() const {
    const QModelIndexList selected = ListViewReminderList->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void TFormOption::Button1Click() {
    if (!FReminders)
        return;
    FReminders->Add(DatePicker->date(), TimePicker->time(), MemoReminder->toPlainText());
    FillReminderRows();
}

void TFormOption::Button6Click() {
    if (!FReminders)
        return;
    if (FReminders->Update(SelectedReminder(), DatePicker->date(), TimePicker->time(),
                           MemoReminder->toPlainText()))
        FillReminderRows();
}

void TFormOption::ButtonDelClick() {
    if (FReminders && FReminders->Delete(SelectedReminder()))
        FillReminderRows();
}

void TFormOption::ListViewReminderListDblClick() {
    ButtonDelClick();
}

void TFormOption::ListViewReminderListSelectItem() {
    const int r = SelectedReminder();
    if (!FReminders || r < 0 || r >= FReminders->Rows().size())
        return;
    const desktop::TReminderRow& row = FReminders->Rows()[r];
    const QDate date = row.ParsedDate();
    const QTime time = row.ParsedTime();
    if (!date.isValid() || !time.isValid()) {
        KoUtils::ShowMessageBox(
            tr("'%1' is not a valid date and time").arg(row.Date + u' ' + row.Time),
            KoUtils::MB_ICONERROR);
        return;
    }
    DatePicker->setDate(date);
    TimePicker->setTime(time);
    MemoReminder->setPlainText(row.Message);
}
