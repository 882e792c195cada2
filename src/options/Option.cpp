// SPDX-License-Identifier: GPL-3.0-or-later
#include "Option.h"

#include "ClipMon.h"
#include "Hotkeys.h"
#include "KoUtils.h"
#include "OptionControls.h"
#include "OptionFont.h"
#include "OptionFormat.h"
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
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
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
#include <QVBoxLayout>
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

template <class T> T* Named(T* w, const char* name, const QString& hint = QString()) {
    w->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        w->setToolTip(hint);
    return w;
}

QCheckBox* Check(const char* name, const QString& caption, const QString& hint, bool checked) {
    auto* c = Named(new QCheckBox(caption), name, hint);
    c->setChecked(checked);
    return c;
}

QComboBox* List(const char* name, const QStringList& items, const QString& hint) {
    auto* c = Named(new QComboBox, name, hint);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

options::TSpinEdit* Spin(const char* name, int min, int max, const QString& hint) {
    auto* s = Named(new options::TSpinEdit, name, hint);
    s->SetBounds(min, max);
    s->SetValue(min);
    return s;
}

// A read-only path field in the button-face colour, out of the Tab order.
QLineEdit* PathField(const char* name, const QString& hint) {
    auto* e = Named(new QLineEdit, name, hint);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    e->setPalette(p);
    return e;
}

QToolButton* Ellipsis(const char* name, const QString& hint) {
    auto* b = Named(new QToolButton, name, hint);
    b->setText(QStringLiteral("..."));
    return b;
}

QPushButton* Button(const char* name, const QString& caption, const QString& hint) {
    auto* b = Named(new QPushButton(caption), name, hint);
    b->setAutoDefault(true); // Enter presses the focused button; elsewhere it closes the dialog
    return b;
}

QGroupBox* Group(const QString& title, const char* name = nullptr) {
    auto* g = new QGroupBox(title);
    if (name)
        g->setObjectName(QLatin1String(name));
    return g;
}

// A path field and its "..." button on one line, the field taking the width.
QHBoxLayout* PathRow(QLineEdit* edit, QToolButton* button) {
    auto* r = new QHBoxLayout;
    r->setContentsMargins(0, 0, 0, 0);
    r->addWidget(edit, 1);
    r->addWidget(button);
    return r;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* r = new QHBoxLayout;
    r->setSpacing(4);
    for (QWidget* w : widgets)
        r->addWidget(w);
    if (stretch)
        r->addStretch();
    return r;
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

// --- Layout -----------------------------------------------------------------------------------

void TFormOption::CreatePages() {
    auto* client = new QVBoxLayout(PanelKoClient);
    client->setContentsMargins(6, 4, 6, 6);
    client->setSpacing(4);
    PageControl1 = Named(new QTabBar, "PageControl1");
    PageControl1->setExpanding(false);
    PageControl1->setDrawBase(true);
    // The seven captions fit the dialog's width side by side.
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 2px; margin-right: 1px; border: 1px solid palette(mid);"
        " border-bottom: none; border-top-left-radius: 2px; border-top-right-radius: 2px;"
        " background: palette(button); }"
        "QTabBar::tab:selected { background: palette(window); margin-top: 0px; }"
        "QTabBar::tab:!selected { margin-top: 2px; }"));
    PageControl1Pages = Named(new QStackedWidget, "PageControl1Pages");
    PageControl1Pages->setFrameShape(QFrame::StyledPanel);
    client->addWidget(PageControl1);
    client->addWidget(PageControl1Pages, 1);

    CreateGeneral();
    CreateConvert();
    CreateProsody();
    CreateMisc();
    CreateClipboard();
    CreateAlarm();
    CreateReminders();
    const struct {
        QWidget* Page;
        const char* Name;
        const char* Caption;
    } pages[] = {
        {TabSheetGeneral, "TabSheetGeneral", QT_TRANSLATE_NOOP("TFormOption", "General")},
        {TabSheetConvert, "TabSheetConvert", QT_TRANSLATE_NOOP("TFormOption", "Conversion")},
        {TabSheetProsody, "TabSheetProsody", QT_TRANSLATE_NOOP("TFormOption", "Prosody")},
        {TabSheetMisc, "TabSheetMisc", QT_TRANSLATE_NOOP("TFormOption", "Interface")},
        {TabSheetClipboard, "TabSheetClipboard", QT_TRANSLATE_NOOP("TFormOption", "Clipboard")},
        {TabSheet1, "TabSheet1", QT_TRANSLATE_NOOP("TFormOption", "Alarm")},
        {TabSheet2, "TabSheet2", QT_TRANSLATE_NOOP("TFormOption", "Reminders")}};
    for (const auto& p : pages) {
        p.Page->setObjectName(QLatin1String(p.Name));
        PageControl1->addTab(QCoreApplication::translate("TFormOption", p.Caption));
        PageControl1Pages->addWidget(p.Page);
    }
    // No page selected: an empty page area, and a tab of its own that is never shown.
    PageControl1->addTab(QString());
    PageControl1->setTabVisible(7, false);
    //: The name a screen reader gives the options' page area when no page is chosen
    PageControl1->setAccessibleTabName(7, tr("No page"));
    PageControl1Pages->addWidget(new QWidget);

    ButtonOK = Named(new QPushButton(tr("OK")), "ButtonOK", tr("Close this dialog"));
    ButtonOK->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ButtonOK);
    client->addLayout(bottom);
    connect(ButtonOK, &QPushButton::clicked, this, &QWidget::close);
}

void TFormOption::CreateGeneral() {
    TabSheetGeneral = new QWidget;
    auto* page = new QVBoxLayout(TabSheetGeneral);
    auto* box = Group(QString());
    page->addWidget(box);
    auto* rows = new QVBoxLayout(box);
    CheckBoxHint = Check("CheckBoxHint", tr("Show Tooltips"),
                         tr("Display hints of buttons, menus, etc."), true);
    CheckBoxRepeat =
        Check("CheckBoxRepeat", tr("Repeating Playlist"), tr("If repeat all documents"), true);
    CheckBoxHighlight = Check("CheckBoxHighlight", tr("Highlight Reading Word"),
                              tr("Automatically move the cursor to the word beening spoken"), true);
    cbKeyToSpeech = Check("cbKeyToSpeech", tr("Enable \"Key To Speech\""),
                          tr("Enable the \"Key To Speech\" feature "), false);
    CheckBoxAutoNext =
        Check("CheckBoxAutoNext", tr("Automatically Play Next File"),
              tr("Automatically read the next document after the current one"), true);
    CheckBoxAutoName =
        Check("CheckBoxAutoName", tr("Automatically Name for WAV/MP3 Files"),
              tr("Automatically name when convert documents into WAV/MP3 audio files. "
                 "Disable this option if you prefer to name manually."),
              false);
    CheckBoxContext = Check("CheckBoxContext", tr("Add Commands to .txt File Type Context Menus"),
                            tr("Integrate the command \"Read Aloud\" to context menus of .txt file "
                               "type. Something like \"Add to ZIP\"."),
                            true);
    CheckBoxGreeting =
        Check("CheckBoxGreeting", tr("Greeting at Startup"), tr("Greeing at startup"), true);
    EditGreetingString =
        Named(new QLineEdit, "EditGreetingString", tr("Enter your greeting message here"));
    //: accessible name of the field with the text spoken at startup
    EditGreetingString->setAccessibleName(tr("Greeting"));
    for (QCheckBox* c : {CheckBoxHint, CheckBoxRepeat, CheckBoxHighlight, cbKeyToSpeech,
                         CheckBoxAutoNext, CheckBoxAutoName, CheckBoxContext})
        rows->addWidget(c);
    auto* greeting = new QHBoxLayout;
    greeting->addWidget(CheckBoxGreeting);
    greeting->addWidget(EditGreetingString, 1);
    rows->addLayout(greeting);
    rows->addStretch();
}

void TFormOption::CreateConvert() {
    TabSheetConvert = new QWidget;
    auto* page = new QVBoxLayout(TabSheetConvert);
    auto* folders = Group(tr(" Default File Output Directories "));
    auto* grid = new QGridLayout(folders);
    EditTxt = PathField("EditTxt", tr("Default documents folder"));
    EditWav = PathField("EditWav", tr("Default .wav audio files folder"));
    EditMp3 = PathField("EditMp3", tr("Default .mp3 audio files folder"));
    SpeedButton1 = Ellipsis("SpeedButton1", tr("Set the default TXT files directory"));
    SpeedButton2 = Ellipsis("SpeedButton2", tr("Set the default WAV files directory"));
    SpeedButton3 = Ellipsis("SpeedButton3", tr("Set the default MP3 files directory"));
    const struct {
        const char* Label;
        QLineEdit* Field;
        QToolButton* Button;
    } rows[] = {{QT_TRANSLATE_NOOP("TFormOption", "TXT Files Directory:"), EditTxt, SpeedButton1},
                {QT_TRANSLATE_NOOP("TFormOption", "WAV Files Directory:"), EditWav, SpeedButton2},
                {QT_TRANSLATE_NOOP("TFormOption", "MP3 Files Directory:"), EditMp3, SpeedButton3}};
    int r = 0;
    for (const auto& row : rows) {
        grid->addWidget(new QLabel(QCoreApplication::translate("TFormOption", row.Label)), r, 0);
        grid->addWidget(row.Field, r, 1);
        grid->addWidget(row.Button, r, 2);
        ++r;
    }
    page->addWidget(folders);

    auto* quality = Group(tr(" MP3 Quality "));
    ComboBoxKHZ =
        List("ComboBoxKHZ", {"8", "11.025", "12", "16", "22.05", "24", "32", "44.1", "48"},
             tr("Select the Sample Frequency of MP3 output"));
    ComboBoxKBPS = List("ComboBoxKBPS",
                        {"8", "16", "24", "32", "40", "48", "56", "64", "80", "96", "112", "128",
                         "144", "160", "192", "224", "256", "320"},
                        tr("Select the Bitrates of MP3 output"));
    auto* q = Row({new QLabel(tr("Resample frequency :")), ComboBoxKHZ,
                   //: unit after the sample frequency list (kilohertz)
                   new QLabel(tr("KHZ")), new QLabel(tr("   Bitrates:")), ComboBoxKBPS,
                   //: unit after the bit rate list (kilobits per second)
                   new QLabel(tr("KBPS"))});
    quality->setLayout(q);
    page->addWidget(quality);
    page->addWidget(options::CreateFormatGroup(this));

    ComboBoxRealTime =
        List("ComboBoxRealTime",
             {"1 X", "2 X", "4 X", "8 X", "16 X", "32 X", "64 X", "128 X",
              //: write speed: as fast as the computer can
              tr("Max")},
             tr("This option depends on your CPU. The more powerful your CPU is, the "
                "higher speed you can select."));
    page->addLayout(Row({new QLabel(tr("Write to File( WAV/MP3 ) Speed:")), ComboBoxRealTime}));
    page->addStretch();
}

void TFormOption::CreateProsody() {
    TabSheetProsody = new QWidget;
    auto* page = new QVBoxLayout(TabSheetProsody);
    auto* tags = Group(tr(" Control Tags "));
    auto* grid = new QGridLayout(tags);
    seShortPau = Spin("seShortPau", 1, 9, tr("Set the short pause interval"));
    seLongPau = Spin("seLongPau", 1, 9, tr("Set the long pause interval"));
    seVol = Spin("seVol", 0, 65535, tr("Set the default value of the Vol control tag"));
    seSpd = Spin("seSpd", 50, 500, tr("Set the default value of the Spd control tag"));
    sePit = Spin("sePit", 50, 400, tr("Set the default value of the Pit control tag"));
    const struct {
        const char* Label;
        options::TSpinEdit* Field;
        const char* Unit;
    } rows[] = {
        {QT_TRANSLATE_NOOP("TFormOption", "Short Pause Interval:"), seShortPau,
         QT_TRANSLATE_NOOP("TFormOption", "Seconds ( 1~9 )")},
        {QT_TRANSLATE_NOOP("TFormOption", "Long Pause Interval:"), seLongPau,
         QT_TRANSLATE_NOOP("TFormOption", "Seconds ( 1~9 )")},
        {QT_TRANSLATE_NOOP("TFormOption", "Default Value of Volume:"), seVol, "( 0~65535 )"},
        {QT_TRANSLATE_NOOP("TFormOption", "Default Value of Speed:"), seSpd,
         QT_TRANSLATE_NOOP("TFormOption", "Words Per Minute ( 50~500 )")},
        {QT_TRANSLATE_NOOP("TFormOption", "Default Value of Pitch:"), sePit,
         QT_TRANSLATE_NOOP("TFormOption", "Hertz ( 50~400 )")}};
    int r = 0;
    for (const auto& row : rows) {
        grid->addWidget(new QLabel(QCoreApplication::translate("TFormOption", row.Label)), r, 0);
        row.Field->setMinimumWidth(70);
        grid->addWidget(row.Field, r, 1);
        grid->addWidget(new QLabel(QCoreApplication::translate("TFormOption", row.Unit)), r, 2);
        ++r;
    }
    grid->setColumnStretch(2, 1);
    grid->addWidget(
        new QLabel(tr("For more information about \"Control Tags\", please read the help file.")),
        r, 0, 1, 3);
    page->addWidget(tags);
    Button7 = Button("Button7", tr("Pronunciation Manager"),
                     tr("You can edit the phonetics of mispronounced words and load or "
                        "unload personal exception dictionaries"));
    auto* note = new QLabel(tr("You can edit the phonetics of mispronounced words "
                               "and load or unload personal exception dictionaries."));
    note->setWordWrap(true);
    Button7->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* manager = Row({Button7, note}, false);
    manager->setStretch(1, 1);
    page->addLayout(manager);
    page->addStretch();
}

void TFormOption::CreateMisc() {
    TabSheetMisc = new QWidget;
    auto* page = new QHBoxLayout(TabSheetMisc);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    page->addLayout(left, 1);
    page->addLayout(right, 1);

    auto* hotkeys = Group(tr(" Hotkeys "));
    auto* h = new QVBoxLayout(hotkeys);
    ComboBoxHotkeys = List("ComboBoxHotkeys", {}, tr("All commands available"));
    HotKey1 = Named(new options::THotKey, "HotKey1",
                    tr("Set the key combination for the current command"));
    // A copy: the field lets go of the keyboard also while the dialog is being destroyed.
    HotKey1->OnCapture = FHost.SuspendGlobalHotkeys;
    Button2 = Button("Button2", tr("Update"), tr("Update the current hotkey"));
    Button3 = Button("Button3", tr("All Default"), tr("Reset all hotkeys to default settings"));
    CheckBoxGlobalHotkey =
        Check("CheckBoxGlobalHotkey", tr("Global Hotkey ( need restart )"),
              tr("This option allows you to use the current hotkey even in other program"), false);
    h->addWidget(ComboBoxHotkeys);
    h->addWidget(HotKey1);
    h->addLayout(Row({Button2, Button3}));
    h->addWidget(CheckBoxGlobalHotkey);
    LabelGlobalHotkeys = new QLabel;
    LabelGlobalHotkeys->setObjectName(QStringLiteral("LabelGlobalHotkeys"));
    LabelGlobalHotkeys->setWordWrap(true);
    LabelGlobalHotkeys->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelGlobalHotkeys->setMinimumHeight(3 * LabelGlobalHotkeys->fontMetrics().lineSpacing());
    h->addWidget(LabelGlobalHotkeys);
    left->addWidget(hotkeys);

    auto* tabs = Group(tr(" Playlist Tabs "));
    auto* t = new QGridLayout(tabs);
    //: where the playlist tabs are: Top, Bottom, Left, Right
    ComboBoxTabPos = List("ComboBoxTabPos", {tr("Top"), tr("Bottom"), tr("Left"), tr("Right")},
                          tr("Adjust the position of playlist tabs"));
    //: how the playlist tabs look: Tabs, Buttons, FlatButtons
    ComboBoxTabStyle = List("ComboBoxTabStyle", {tr("Tabs"), tr("Buttons"), tr("FlatButtons")},
                            tr("Set the style of playlist tabs"));
    t->addWidget(new QLabel(tr("Position:")), 0, 0);
    t->addWidget(ComboBoxTabPos, 0, 1);
    t->addWidget(new QLabel(tr("Style:")), 1, 0);
    t->addWidget(ComboBoxTabStyle, 1, 1);
    left->addWidget(tabs);
    left->addStretch();

    auto* editor = Group(tr(" Editor "));
    auto* e = new QGridLayout(editor);
    Button4 = Button("Button4", tr("Set Font"), tr("Set the font style of the editor"));
    Button5 = Button("Button5", tr("Set BackColor"), tr("Set the background color of the editor"));
    ComboBoxScrollBars =
        //: which scroll bars the editor shows: None, Horizontal, Vertical, Both
        List("ComboBoxScrollBars", {tr("None"), tr("Horizontal"), tr("Vertical"), tr("Both")},
             tr("If display the scrollbars of the editor"));
    CheckBoxWordWrap =
        Check("CheckBoxWordWrap", tr("Automatically Wrap Text "),
              tr("If wrap text automatically when reach the right margin of the editor"), true);
    e->addWidget(Button4, 0, 0);
    e->addWidget(Button5, 0, 1);
    e->addWidget(new QLabel(tr("ScrollBars:")), 1, 0);
    e->addWidget(ComboBoxScrollBars, 1, 1);
    e->addWidget(CheckBoxWordWrap, 2, 0, 1, 2);
    right->addWidget(editor);

    CheckBoxStayOnTop = Check("CheckBoxStayOnTop", tr("Stay on Top"),
                              tr("If the main window always stay on top"), false);
    CheckBoxShowToolBar = Check("CheckBoxShowToolBar", tr("Display ToolBar"),
                                tr("If display the toolbar on the main window"), true);
    CheckBoxShowStatusBar = Check("CheckBoxShowStatusBar", tr("Display StatusBar"),
                                  tr("If display the statusbar on the main window"), true);
    CheckBoxShowMainMenus = Check("CheckBoxShowMainMenus", tr("Display Main Menus"),
                                  tr("If display the main menus"), true);
    CheckBoxTray =
        Check("CheckBoxTray", tr("System Tray"), tr("An icon displayed in system tray area"), true);
    CheckBoxMiniStartup = Check("CheckBoxMiniStartup", tr("Minimize at Startup"),
                                tr("Minimize the main window at Startup"), false);
    CheckBoxMiniToTray = Check("CheckBoxMiniToTray", tr("Minimize to System Tray"),
                               tr("Show system tray only when click on the Minimize button"), true);
    for (QCheckBox* c :
         {CheckBoxStayOnTop, CheckBoxShowToolBar, CheckBoxShowStatusBar, CheckBoxShowMainMenus,
          CheckBoxTray, CheckBoxMiniStartup, CheckBoxMiniToTray})
        right->addWidget(c);
    right->addStretch();
}

void TFormOption::CreateClipboard() {
    TabSheetClipboard = new QWidget;
    auto* page = new QVBoxLayout(TabSheetClipboard);
    CheckBoxWatchClipboard = Check("CheckBoxWatchClipboard", tr("Watch Clipboard"),
                                   tr("If watch the system clipboard"), true);
    page->addWidget(CheckBoxWatchClipboard);
    GroupBoxClipboard = Group(QString(), "GroupBoxClipboard");
    auto* rows = new QVBoxLayout(GroupBoxClipboard);
    SpinEditIgnoreLen =
        Spin("SpinEditIgnoreLen", 0, 0,
             tr("Ignore clipboard text less than this specified number of characters"));
    rows->addLayout(Row({new QLabel(tr("Ignore Clipboard Text Less Than")), SpinEditIgnoreLen,
                         //: "Ignore Clipboard Text Less Than [number] Characters"
                         new QLabel(tr("Characters"))}));
    CheckBoxPrompt = Check("CheckBoxPrompt", tr("Display Prompt Dialog for"),
                           tr("When the system clipboard changes, if pop out a prompt dialog which "
                              "allows you to select action"),
                           true);
    SpinEditPromptDelay =
        Spin("SpinEditPromptDelay", 1, 999, tr("How long the prompt dialog will be shown"));
    SpinEditPromptDelay->setAccessibleName(tr("Prompt shown for, in seconds"));
    rows->addLayout(Row({CheckBoxPrompt, SpinEditPromptDelay,
                         //: "Display Prompt Dialog for [number] Seconds"
                         new QLabel(tr("Seconds"))}));
    ComboBoxDefAction =
        List("ComboBoxDefAction",
             {tr("Read Now!"),
              //: clipboard action: the text goes into a new document
              tr("New"),
              //: clipboard action: the text is added to the current document
              tr("Append"), tr("Cancel")},
             tr("Default action if the \"Display Prompt Dialog\" option is unchecked"));
    rows->addLayout(Row({new QLabel(tr("Default Action:")), ComboBoxDefAction}));
    rows->addStretch();
    page->addWidget(GroupBoxClipboard, 1);
    LabelClipboardUnavailable = new QLabel;
    LabelClipboardUnavailable->setObjectName(QStringLiteral("LabelClipboardUnavailable"));
    LabelClipboardUnavailable->setWordWrap(true);
    LabelClipboardUnavailable->hide();
    page->addWidget(LabelClipboardUnavailable);
}

void TFormOption::CreateAlarm() {
    TabSheet1 = new QWidget;
    auto* page = new QVBoxLayout(TabSheet1);
    CheckBoxAlarm =
        Check("CheckBoxAlarm", tr("Enable Alarm"), tr("If enable the Alarm feature"), false);
    page->addWidget(CheckBoxAlarm);
    GroupBoxAlarm = Group(QString(), "GroupBoxAlarm");
    GroupBoxAlarm->setEnabled(false);
    auto* grid = new QGridLayout(GroupBoxAlarm);
    SpinEditAlarmInterval =
        Spin("SpinEditAlarmInterval", 1, 60, tr("Alarm every this specified number of minutes"));
    grid->addLayout(
        Row({//: "Every [number] Minutes": how often the alarm sounds
             new QLabel(tr("Every")), SpinEditAlarmInterval, new QLabel(tr("Minutes"))}),
        0, 0, 1, 2);
    EditAlarmBefore = Named(new QLineEdit, "EditAlarmBefore", tr("Enter you message here"));
    grid->addWidget(new QLabel(tr("Say Before the Alarm:")), 1, 0);
    grid->addWidget(EditAlarmBefore, 1, 1);
    ComboBoxAlarmStyle =
        List("ComboBoxAlarmStyle", {tr("Say the Time"), tr("Read Text File"), tr("Play Sound")},
             tr("Say the time, Read a specified .txt file or just play a .wav audio "
                "file"));
    grid->addWidget(new QLabel(tr("Alarm Style:")), 2, 0);
    grid->addWidget(ComboBoxAlarmStyle, 2, 1);

    NotebookAlarmStyle = Named(new QStackedWidget, "NotebookAlarmStyle");
    auto* date = Named(new QWidget, "Date");
    CheckBoxAlarmDate =
        Check("CheckBoxAlarmDate", tr("And the Date"), tr("Say the time and the date"), false);
    auto* d = Row({CheckBoxAlarmDate});
    d->setContentsMargins(0, 0, 0, 0);
    date->setLayout(d);
    auto* text = Named(new QWidget, "Text");
    EditAlarmTxtFile = PathField("EditAlarmTxtFile", tr("Select a specified .txt file"));
    SpeedButton4 = Ellipsis("SpeedButton4", tr("Select a specified .txt file"));
    text->setLayout(PathRow(EditAlarmTxtFile, SpeedButton4));
    auto* sound = Named(new QWidget, "Sound");
    EditAlarmWavFile = PathField("EditAlarmWavFile", tr("Select a specified .wav file"));
    SpeedButton5 = Ellipsis("SpeedButton5", tr("Select a specified .wav file"));
    sound->setLayout(PathRow(EditAlarmWavFile, SpeedButton5));
    NotebookAlarmStyle->addWidget(date);
    NotebookAlarmStyle->addWidget(text);
    NotebookAlarmStyle->addWidget(sound);
    grid->addWidget(NotebookAlarmStyle, 3, 1);

    EditAlarmAfter = Named(new QLineEdit, "EditAlarmAfter", tr("Enter you message here"));
    grid->addWidget(new QLabel(tr("Say After the Alarm:")), 4, 0);
    grid->addWidget(EditAlarmAfter, 4, 1);
    CheckBoxAlarmMsgBox = Check("CheckBoxAlarmMsgBox", tr("Alarm with Message Box"),
                                tr("If alarm with a message box"), false);
    grid->addWidget(CheckBoxAlarmMsgBox, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    page->addWidget(GroupBoxAlarm, 1);
}

void TFormOption::CreateReminders() {
    TabSheet2 = new QWidget;
    auto* page = new QVBoxLayout(TabSheet2);
    page->setSpacing(2);
    CheckBoxReminder = Check("CheckBoxReminder", tr("Enable Reminders"),
                             tr("If enable the Reminders feature"), false);
    page->addWidget(CheckBoxReminder);
    GroupBoxReminder = Group(QString(), "GroupBoxReminder");
    auto* rows = new QVBoxLayout(GroupBoxReminder);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setSpacing(3);
    ListViewReminderList = Named(new QTableView, "ListViewReminderList", tr("All reminders list"));
    ListViewReminderList->setAccessibleName(tr("Reminders"));
    FReminderRows = new options::TReminderModel(this);
    ListViewReminderList->setModel(FReminderRows);
    ListViewReminderList->verticalHeader()->hide();
    // Rows of one height, never measured one by one: a long list costs nothing to lay out.
    ListViewReminderList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListViewReminderList->verticalHeader()->setDefaultSectionSize(18);
    ListViewReminderList->horizontalHeader()->setSectionsClickable(false);
    ListViewReminderList->horizontalHeader()->setStretchLastSection(true);
    ListViewReminderList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListViewReminderList->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewReminderList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewReminderList->setShowGrid(true);
    ListViewReminderList->setWordWrap(false);
    rows->addWidget(ListViewReminderList, 1);

    auto* editorBox = Group(tr(" Reminder Editor "));
    auto* e = new QGridLayout(editorBox);
    e->setContentsMargins(4, 2, 4, 4);
    e->setVerticalSpacing(3);
    //: tooltip of the reminder's date field
    DatePicker = Named(new QDateEdit, "DatePicker", tr("Date"));
    DatePicker->setCalendarPopup(true);
    DatePicker->setDisplayFormat(desktop::ShortDateFormat());
    //: tooltip of the reminder's time field
    TimePicker = Named(new QTimeEdit, "TimePicker", tr("Time"));
    TimePicker->setDisplayFormat(desktop::LongTimeFormat());
    MemoReminder = Named(new QPlainTextEdit, "MemoReminder", tr("Enter your message here"));
    MemoReminder->setTabChangesFocus(true);
    MemoReminder->setFixedHeight(42);
    Button1 = Button("Button1", tr("Add"), tr("Add a new reminder"));
    Button6 = Button("Button6", tr("Update"), tr("Update the current reminder"));
    //: button: delete the selected reminder
    ButtonDel = Button("ButtonDel", tr("Del"), tr("Delete the current reminder"));
    e->addWidget(DatePicker, 0, 0);
    e->addWidget(TimePicker, 1, 0);
    e->addWidget(MemoReminder, 0, 1, 2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    for (QPushButton* b : {Button1, Button6, ButtonDel}) {
        b->setFixedHeight(19);
        buttons->addWidget(b);
    }
    e->addLayout(buttons, 0, 2, 2, 1);
    e->setColumnStretch(1, 1);
    rows->addWidget(editorBox);
    CheckBoxReminderMsgBox = Check("CheckBoxReminderMsgBox", tr("Remind with Message Box"),
                                   tr("If remind with a message box. Default is checked."), true);
    rows->addWidget(CheckBoxReminderMsgBox);
    page->addWidget(GroupBoxReminder, 1);
}

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
