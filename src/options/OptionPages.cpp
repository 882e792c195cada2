// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's layout (Option.h): the page tabs and their seven pages, in the order of
// LastOptionPage, each control made with its object name, caption and hint, as the program and
// its tests find them. Nothing here reads or writes a setting: Option.cpp connects the controls
// and shows the settings in them.
#include "Option.h"

#include "OptionControls.h"
#include "OptionFormat.h"
#include "ReminderModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

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

} // namespace

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
