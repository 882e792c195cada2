// SPDX-License-Identifier: GPL-3.0-or-later
#include "Converter.h"

#include "AboutBox.h"
#include "AlarmLogic.h"
#include "AlarmSound.h"
#include "FindDialog.h"
#include "Global.h"
#include "Hotkeys.h"
#include "KeySpelling.h"
#include "KoAccessible.h"
#include "KoFrameLogic.h"
#include "KoUtils.h"
#include "Option.h"
#include "Paste.h"
#include "Product.h"
#include "SysTray.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

using KoUtils::Guarded;
using mainwindow::CommandTable;
using settings::Playlist;
using settings::Settings;

static_assert(mainwindow::CommandCount == settings::HotkeyCount,
              "every command has its place in the hotkey tables");

namespace {

const QSize MainMinimumSize(340, 120);

QIcon ToolbarIcon(int image) {
    static const char* const names[] = {"tts",  "ttw",  "ttm",  "pause",
                                        "stop", "prev", "next", "options"};
    QIcon icon;
    const QString base = QStringLiteral(":/toolbar/") + QLatin1String(names[image]);
    icon.addFile(base + QStringLiteral(".png"), QSize(48, 48), QIcon::Normal);
    icon.addFile(base + QStringLiteral("_d.png"), QSize(48, 48), QIcon::Disabled);
    icon.addFile(base + QStringLiteral("_h.png"), QSize(48, 48), QIcon::Active);
    return icon;
}

} // namespace

TFormCvt::TFormCvt(const platform::TProgramFolders& folders, platform::TServices services,
                   QWidget* parent)
    : TKoForm(parent), FServices(std::move(services)), FDocuments(settings::Playlist),
      FFolders(folders) {
    Q_INIT_RESOURCE(toolbar); // the art lives in a static library
    setObjectName(QStringLiteral("FormCvt"));
    MSpeech1 = new speech::TMSpeech(this);
    MSpeech1->setObjectName(QStringLiteral("MSpeech1"));
    MSpeech1->Output = speech::soGeneral;
    TimerWordPosition = new QTimer(this);
    TimerWordPosition->setInterval(100);
    TimerAandR = new QTimer(this);
    TimerAandR->setInterval(1000);
    TimerAandR->setTimerType(Qt::PreciseTimer);
    connect(TimerAandR, &QTimer::timeout, this, &TFormCvt::TimerAandRTimer);
    FAlarmSound = new desktop::TAlarmSound(this);
    // Listening starts before the settings are loaded and raises nothing by itself: text on the
    // clipboard at start is not offered.
    ClipboardMonitor1 = new desktop::TClipboardMonitor(this);
    ClipboardMonitor1->setObjectName(QStringLiteral("ClipboardMonitor1"));
    ClipboardMonitor1->SetActive(true);
    ClipboardMonitor1->SetEnabled(true);
    connect(ClipboardMonitor1, &desktop::TClipboardMonitor::OnClipboardChange, this,
            &TFormCvt::ClipboardMonitor1ClipboardChange);
    FClipboardClock.start();
    CreateCommands();
    CreateLayout();
    CreateMenus();
    BindEditCommands();
    CreateDocumentCommands();
    CreateReadingCommands();
    CreateVoiceControls();
    CreateTray();
    CreateMediaControls();
    // Every menu of the window, the tray's included, spells its keys as the options do, and
    // every item can be chosen by its letter.
    auto* spelling = new mainwindow::TKeySpellingStyle(this);
    for (QMenu* m : findChildren<QMenu*>()) {
        m->setStyle(spelling);
        koframe::GiveMnemonics(m);
    }
    FormCreate();
}

TFormCvt::~TFormCvt() {
    FormDestroy();
}

void TFormCvt::CreateCommands() {
    for (const auto& c : CommandTable) {
        auto* a = new QAction(QCoreApplication::translate("Command", c.Caption), this);
        a->setObjectName(QString::fromLatin1(c.Name));
        a->setToolTip(QCoreApplication::translate("Command", c.Hint));
        a->setStatusTip(QCoreApplication::translate("Command", c.Hint));
        a->setProperty("Category", QString::fromLatin1(mainwindow::CommandCategory(c.Number)));
        a->setShortcut(settings::ShortCutToKey(
            settings::TextToShortCut(QString::fromLatin1(settings::DefaultHotkeyList[c.Number]))));
        a->setShortcutContext(Qt::WindowShortcut);
        if (c.Image >= 0)
            a->setIcon(ToolbarIcon(c.Image));
        a->setEnabled(!c.StartsDisabled);
        addAction(a); // shortcuts work with the menu bar hidden too
        ActionList1[c.Number] = a;
    }
#define NURVA_BIND_ACTION(n, name, caption, hint, image, disabled) name = ActionList1[n];
    NURVA_COMMANDS(NURVA_BIND_ACTION)
#undef NURVA_BIND_ACTION

    connect(ActionFileExit, &QAction::triggered, this, &TFormCvt::ActionFileExitExecute);
    connect(ActionHelp, &QAction::triggered, this, &TFormCvt::ActionHelpExecute);
    connect(ActionHelpHomePage, &QAction::triggered, this, &TFormCvt::ActionHelpHomePageExecute);
    connect(ActionHelpContact, &QAction::triggered, this, &TFormCvt::ActionHelpContactExecute);
    connect(ActionHelpAbout, &QAction::triggered, this, &TFormCvt::ActionHelpAboutExecute);
    connect(ActionToolsBrowseTxt, &QAction::triggered, this,
            &TFormCvt::ActionToolsBrowseTxtExecute);
    connect(ActionToolsBrowseWav, &QAction::triggered, this,
            &TFormCvt::ActionToolsBrowseWavExecute);
    connect(ActionToolsBrowseMp3, &QAction::triggered, this,
            &TFormCvt::ActionToolsBrowseMp3Execute);
    connect(ActionToolsOptions, &QAction::triggered, this, &TFormCvt::ActionToolsOptionsExecute);
}

namespace {

// The tool bar's buttons, as wide as their pictures need.
const QSize ToolButtonSize(52, 46);
// Room for the icon and about a dozen letters of a voice name: "English (America)".
constexpr int VoicePanelMinWidth = 150;

void CreateVoicePanel(TFormCvt& w) {
    // The voice panel takes the tool bar's remaining width, so that a wider window shows longer
    // voice names; below its minimum it goes to the overflow menu as a whole.
    w.PanelVoice = new QWidget(w.ToolBar);
    w.PanelVoice->setObjectName(QStringLiteral("PanelVoice"));
    w.PanelVoice->setFixedHeight(54);
    w.PanelVoice->setMinimumWidth(VoicePanelMinWidth);
    w.PanelVoice->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* rows = new QVBoxLayout(w.PanelVoice);
    rows->setContentsMargins(0, 6, 0, 4);
    rows->setSpacing(3);
    w.ComboBoxExEngines = new QComboBox(w.PanelVoice);
    w.ComboBoxExEngines->setObjectName(QStringLiteral("ComboBoxExEngines"));
    w.ComboBoxExEngines->setFixedHeight(22);
    w.ComboBoxExEngines->setMaxVisibleItems(8);
    w.ComboBoxExEngines->setIconSize(QSize(16, 16));
    // Long names are cut at the panel's width, not at the widest name in the list.
    w.ComboBoxExEngines->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    w.ComboBoxExEngines->setMinimumContentsLength(8);
    w.ComboBoxExEngines->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const QString hint = QCoreApplication::translate(
        "Converter", "Select Voice. You can get more free voices from our site.");
    w.ComboBoxExEngines->setToolTip(hint);
    w.ComboBoxExEngines->setStatusTip(hint);
    //: Name of the voice list for a screen reader
    w.ComboBoxExEngines->setAccessibleName(QCoreApplication::translate("Converter", "Voice"));
    // The tooltip also names the chosen voice in full, however narrow the box.
    QObject::connect(w.ComboBoxExEngines, &QComboBox::currentTextChanged, w.ComboBoxExEngines,
                     [&w, hint](const QString& voice) {
                         w.ComboBoxExEngines->setToolTip(voice.isEmpty() ? hint
                                                                         : hint + u'\n' + voice);
                     });
    auto* comboRow = new QHBoxLayout;
    comboRow->setContentsMargins(7, 0, 6, 0);
    comboRow->addWidget(w.ComboBoxExEngines);
    rows->addLayout(comboRow);

    w.TrackBarVol = new QSlider(Qt::Horizontal, w.PanelVoice);
    w.TrackBarVol->setObjectName(QStringLiteral("TrackBarVol"));
    w.TrackBarVol->setRange(0, 65535);
    w.TrackBarVol->setPageStep(2048);
    w.TrackBarVol->setSingleStep(655); // a hundredth for an arrow key
    //: Name of the volume slider for a screen reader
    w.TrackBarVol->setAccessibleName(QCoreApplication::translate("Converter", "Volume"));
    w.TrackBarVol->setValue(65535);
    w.TrackBarVol->setToolTip(QCoreApplication::translate(
        "Converter", "Set the global baseline speaking volume for all voices"));
    w.TrackBarVol->setStatusTip(w.TrackBarVol->toolTip());
    w.TrackBarSpd = new QSlider(Qt::Horizontal, w.PanelVoice);
    w.TrackBarSpd->setObjectName(QStringLiteral("TrackBarSpd"));
    w.TrackBarSpd->setRange(50, 500);
    w.TrackBarSpd->setPageStep(2048);
    //: Name of the speed slider for a screen reader
    w.TrackBarSpd->setAccessibleName(QCoreApplication::translate("Converter", "Speed"));
    w.TrackBarSpd->setValue(500);
    w.TrackBarSpd->setToolTip(QCoreApplication::translate(
        "Converter", "Set the global baseline average talking speed of all voices to the specified "
                     "number of words per minute"));
    w.TrackBarSpd->setStatusTip(w.TrackBarSpd->toolTip());
    auto* sliders = new QHBoxLayout;
    sliders->setContentsMargins(0, 0, 0, 0);
    sliders->setSpacing(0);
    // A screen reader says the values as the user knows them.
    auto describe = [&w] {
        //: The volume slider's value for a screen reader: %1 is a whole percentage
        const QString volume = QCoreApplication::translate("Converter", "%1 %");
        w.TrackBarVol->setAccessibleDescription(
            volume.arg(qRound(w.TrackBarVol->value() * 100.0 / 65535)));
        w.TrackBarSpd->setAccessibleDescription(
            QCoreApplication::translate("Converter", "%1 words per minute")
                .arg(w.TrackBarSpd->value()));
    };
    describe();
    for (QSlider* slider : {w.TrackBarVol, w.TrackBarSpd}) {
        QObject::connect(slider, &QSlider::valueChanged, slider, describe);
        slider->setFixedHeight(19);
        slider->setMinimumWidth(1);
        sliders->addWidget(slider, 1);
    }
    rows->addLayout(sliders);
}

// The control tags after the pauses, in the same groups in the Tools menu and in the editor's
// popup menu.
void AddOtherControlTags(TFormCvt& w, QMenu* menu) {
    menu->addActions({w.ActionToolsWhisper, w.ActionToolsMonotone, w.ActionToolsNormal});
    menu->addSeparator();
    menu->addAction(w.ActionToolsEmp);
    menu->addSeparator();
    menu->addActions({w.ActionToolsVol, w.ActionToolsSpd, w.ActionToolsPit});
}

} // namespace

void TFormCvt::CreateLayout() {
    auto* client = new QVBoxLayout(PanelKoClient);
    client->setContentsMargins(0, 0, 0, 0);
    client->setSpacing(0);

    CoolBar1 = new QWidget(PanelKoClient);
    CoolBar1->setObjectName(QStringLiteral("CoolBar1"));
    auto* bands = new QVBoxLayout(CoolBar1);
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(0);

    // A menu bar of the window's own, not the desktop's global one: it is one of the bands the
    // user can hide, and a screen reader finds it as the window's menu bar.
    MainMenus = new QMenuBar(CoolBar1);
    MainMenus->setObjectName(QStringLiteral("MainMenus"));
    MainMenus->setNativeMenuBar(false);
    MainMenus->setFixedHeight(21 + 2);
    bands->addWidget(MainMenus);

    ToolBar = new QToolBar(CoolBar1);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setIconSize(QSize(48, 48));
    ToolBar->setFixedHeight(54);
    ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Narrow separators leave the room to the voice names: at the default width every item
    // fits, so that nothing falls into the tool bar's overflow menu.
    ToolBar->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; }"
                                          "QToolBar::separator { width: 1px; margin: 6px 2px; "
                                          "background: palette(mid); }"));
    bands->addWidget(ToolBar);

    ToolButtonTTX = new QToolButton(ToolBar);
    ToolButtonTTX->setObjectName(QStringLiteral("ToolButtonTTX"));
    ToolButtonTTX->setIconSize(QSize(48, 48));
    ToolButtonTTX->setPopupMode(QToolButton::MenuButtonPopup);
    ToolButtonTTX->setAutoRaise(true);
    ToolButtonTTX->setDefaultAction(ActionTTS);
    PopupMenuTTX = new QMenu(ToolButtonTTX);
    PopupMenuTTX->setObjectName(QStringLiteral("PopupMenuTTX"));
    PopupMenuTTX->addActions({ActionTTS, ActionTTW, ActionTTM});
    ToolButtonTTX->setMenu(PopupMenuTTX);
    ToolButtonTTX->setFixedHeight(ToolButtonSize.height());
    ToolBar->addWidget(ToolButtonTTX);
    ToolBar->addSeparator();
    ToolBar->addAction(ActionPause);
    ToolBar->addAction(ActionStop);
    ToolBar->addSeparator();
    ToolBar->addAction(ActionPrev);
    ToolBar->addAction(ActionNext);
    ToolBar->addSeparator();

    CreateVoicePanel(*this);
    ToolBar->addWidget(PanelVoice);
    ToolBar->addSeparator();
    ToolBar->addAction(ActionToolsOptions);
    for (QAction* a : {ActionPause, ActionStop, ActionPrev, ActionNext, ActionToolsOptions})
        ToolBar->widgetForAction(a)->setFixedSize(ToolButtonSize);
    client->addWidget(CoolBar1);
    client->addSpacing(2);

    TabControl1Panel = new QWidget(PanelKoClient);
    TabControl1Panel->setObjectName(QStringLiteral("TabControl1Panel"));
    auto* tabs = new QBoxLayout(QBoxLayout::TopToBottom, TabControl1Panel);
    tabs->setContentsMargins(0, 0, 0, 0);
    tabs->setSpacing(0);
    TabControl1 = new QTabBar(TabControl1Panel);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setExpanding(false);
    TabControl1->setContextMenuPolicy(Qt::CustomContextMenu);
    //: Name of the strip of document tabs for a screen reader
    TabControl1->setAccessibleName(tr("Documents"));
    Memo1 = new QPlainTextEdit(TabControl1Panel);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    Memo1->setAccessibleName(tr("Document text"));
    tabs->addWidget(TabControl1);
    tabs->addWidget(Memo1, 1);
    // The editor gives way first when the window gets short: at the smallest size the menu
    // bar and the status bar stay whole, and the tool bar is cut from below, instead of every
    // band being squeezed over the others.
    TabControl1Panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    client->addWidget(TabControl1Panel, 1);
    client->addSpacing(2);

    PanelBottom = new QWidget(PanelKoClient);
    PanelBottom->setObjectName(QStringLiteral("PanelBottom"));
    PanelBottom->setFixedHeight(19);
    auto* bottom = new QHBoxLayout(PanelBottom);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(3);
    //: The status bar's text when nothing is going on
    PanelStatus = new QLabel(tr(" Ready"), PanelBottom);
    PanelStatus->setObjectName(QStringLiteral("PanelStatus"));
    koframe::MarkStatusPanel(PanelStatus);
    PanelStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PanelStatus->setMinimumWidth(1);
    auto* gaugePanel = new QFrame(PanelBottom);
    gaugePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    gaugePanel->setFixedWidth(185);
    auto* gaugeLayout = new QHBoxLayout(gaugePanel);
    gaugeLayout->setContentsMargins(1, 1, 1, 1);
    GaugeWordPosition = new QProgressBar(gaugePanel);
    GaugeWordPosition->setObjectName(QStringLiteral("GaugeWordPosition"));
    GaugeWordPosition->setRange(0, 100);
    GaugeWordPosition->setValue(0);
    GaugeWordPosition->setTextVisible(true);
    //: Name of the bar that shows how far the reading or conversion has come
    GaugeWordPosition->setAccessibleName(tr("Progress"));
    GaugeWordPosition->setStyleSheet(QStringLiteral(
        "QProgressBar { border: none; background: palette(button); color: palette(button-text); "
        "text-align: center; font-size: 8pt; }"
        "QProgressBar::chunk { background: rgb(68, 119, 170); }"));
    gaugeLayout->addWidget(GaugeWordPosition);
    bottom->addWidget(PanelStatus, 1);
    bottom->addWidget(gaugePanel);
    client->addWidget(PanelBottom);

    koframe::ShowFocusRing({ToolButtonTTX, ComboBoxExEngines, TrackBarVol, TrackBarSpd});
    Memo1->setFocus();
}

void TFormCvt::CreateMenus() {
    auto menu = [this](QMenu*& slot, const char* name, const QString& caption,
                       const QString& hint) {
        slot = new QMenu(caption, this);
        slot->setObjectName(QString::fromLatin1(name));
        slot->setToolTipsVisible(true);
        slot->menuAction()->setToolTip(hint);
        slot->menuAction()->setStatusTip(hint);
        MainMenus->addMenu(slot);
        return slot;
    };
    menu(MainMenu1.File, "File1", tr("&File"), tr("File operations. New, Save, Close, etc."))
        ->addActions({ActionFileNew, ActionFileOpen});
    MainMenu1.File->addSeparator();
    MainMenu1.File->addActions(
        {ActionFileSave, ActionFileSaveAs, ActionFileClose, ActionFileCloseAll});
    MainMenu1.File->addSeparator();
    MainMenu1.File->addAction(ActionFileExit);

    menu(MainMenu1.Edit, "Edit1", tr("&Edit"), tr("Edit operations. Cut, Copy, Undo, etc."))
        ->addAction(ActionEditUndo);
    MainMenu1.Edit->addSeparator();
    MainMenu1.Edit->addActions({ActionEditCut, ActionEditCopy, ActionEditPaste, ActionEditDel});
    MainMenu1.Edit->addSeparator();
    MainMenu1.Edit->addAction(ActionEditSelectAll);

    menu(MainMenu1.Search, "Search1", tr("&Search"), tr("Search operations. Find, Replace, etc."))
        ->addActions({ActionSearchFind, ActionSearchReplace});
    MainMenu1.Search->addSeparator();
    MainMenu1.Search->addActions({ActionSearchFindFirst, ActionSearchFindNext});

    menu(MainMenu1.Playback, "Playback1", tr("&Playback"),
         tr("Reading/conversion commands. Play, Pause, Stop, etc."))
        ->addActions({ActionTTS, ActionTTW, ActionTTM});
    MainMenu1.Playback->addSeparator();
    MainMenu1.Playback->addActions(
        {ActionReadClipboard, ActionReadSelection, ActionTTXCursor, ActionTTXSelected});
    MainMenu1.Playback->addSeparator();
    MainMenu1.Playback->addActions({ActionPause, ActionStop});
    MainMenu1.Playback->addSeparator();
    MainMenu1.Playback->addActions({ActionPrev, ActionNext});

    menu(MainMenu1.Tools, "Tools1", tr("&Tools"), tr("Misc commands. Options, control tags, etc."))
        ->addActions({ActionToolsBrowseTxt, ActionToolsBrowseWav, ActionToolsBrowseMp3});
    MainMenu1.Tools->addSeparator();
    MenuInsertControlTags = MainMenu1.Tools->addMenu(tr("Insert Control Tags"));
    MenuInsertControlTags->setObjectName(QStringLiteral("InsertControlTags1"));
    MenuInsertControlTags->addActions({ActionToolsShortPause, ActionToolsLongPause});
    MenuInsertControlTags->addSeparator();
    AddOtherControlTags(*this, MenuInsertControlTags);
    MainMenu1.Tools->addSeparator();
    MainMenu1.Tools->addAction(ActionToolsOptions);

    menu(MainMenu1.Help, "Help1", tr("&Help"), tr("Help and contact information"))
        ->addAction(ActionHelp);
    MainMenu1.Help->addSeparator();
    MainMenu1.Help->addActions({ActionHelpContact, ActionHelpHomePage});
    MainMenu1.Help->addSeparator();
    MainMenu1.Help->addAction(ActionHelpAbout);

    PopupMenuMemo = new QMenu(this);
    PopupMenuMemo->setObjectName(QStringLiteral("PopupMenuMemo"));
    PopupMenuMemo->addActions({ActionTTXCursor, ActionTTXSelected});
    PopupMenuMemo->addSeparator();
    auto* shortPause = PopupMenuMemo->addAction(tr("Insert Short Pause"));
    connect(shortPause, &QAction::triggered, ActionToolsShortPause, &QAction::trigger);
    auto* longPause = PopupMenuMemo->addAction(tr("Insert Long Pause"));
    connect(longPause, &QAction::triggered, ActionToolsLongPause, &QAction::trigger);
    MenuInsertOtherControlTags = PopupMenuMemo->addMenu(tr("Insert Other Control Tags"));
    MenuInsertOtherControlTags->setObjectName(QStringLiteral("InsertOtherControlTags1"));
    AddOtherControlTags(*this, MenuInsertOtherControlTags);
    PopupMenuMemo->addSeparator();
    PopupMenuMemo->addActions({ActionEditCut, ActionEditCopy, ActionEditPaste, ActionEditDel});
    PopupMenuMemo->addSeparator();
    PopupMenuMemo->addActions({ActionEditUndo, ActionEditSelectAll});
    connect(Memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenuMemo->popup(Memo1->mapToGlobal(at)); });

    PopupMenuTab = new QMenu(this);
    PopupMenuTab->setObjectName(QStringLiteral("PopupMenuTab"));
    connect(TabControl1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (!PopupMenuTab->isEmpty())
            PopupMenuTab->popup(TabControl1->mapToGlobal(at));
    });

    // Polished now rather than at the first popup, so that the first opening lays its rows out
    // with the same style and font as every later one.
    for (QMenu* m : findChildren<QMenu*>())
        m->ensurePolished();
}

void TFormCvt::BindEditCommands() {
    // The standard editing commands act on the editor, as an edit control's own do.
    connect(ActionEditUndo, &QAction::triggered, Memo1, &QPlainTextEdit::undo);
    connect(ActionEditCut, &QAction::triggered, Memo1, &QPlainTextEdit::cut);
    connect(ActionEditCopy, &QAction::triggered, Memo1, &QPlainTextEdit::copy);
    // Every text field pastes through the program's own clipboard reader, the editor from its
    // menus too; what went wrong shows in the status panel.
    FPaste = new desktop::TBoundedPaste(
        [this](const desktop::TClipboardText& clip) {
            ShowStatus(QStringLiteral(" ") + desktop::ClipboardProblem(clip));
        },
        this);
    connect(ActionEditPaste, &QAction::triggered, this, [this] { FPaste->Paste(Memo1); });
    connect(ActionEditDel, &QAction::triggered, Memo1,
            [this] { Memo1->textCursor().removeSelectedText(); });
    connect(ActionEditSelectAll, &QAction::triggered, Memo1, &QPlainTextEdit::selectAll);
    connect(ActionSearchFind, &QAction::triggered, this, &TFormCvt::ActionSearchFindExecute);
    connect(ActionSearchReplace, &QAction::triggered, this, &TFormCvt::ActionSearchReplaceExecute);
    connect(ActionSearchFindFirst, &QAction::triggered, this,
            &TFormCvt::ActionSearchFindFirstExecute);
    connect(ActionSearchFindNext, &QAction::triggered, this,
            &TFormCvt::ActionSearchFindNextExecute);
}

void TFormCvt::FormCreate() {
    // 1.
    setWindowTitle(QString::fromLatin1(product::Title));
    ReadKind = rkNone;
    PartStart = 0;
    // 2. A config.ini that cannot be read is left alone: the program runs on the defaults and
    //    says so (saving at exit will not overwrite the file either).
    const QSize screen =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize();
    try {
        settings::LoadSettings(FFolders, screen);
    } catch (const settings::EFileError& e) {
        settings::LoadDefaultSettings(FFolders, screen);
        //: %1 says why the settings could not be read
        KoUtils::ShowMessageBox(tr("%1\n\nThe default settings are used.").arg(e.Message()),
                                KoUtils::MB_ICONWARNING);
    }
    // 3.
    Guarded([this] {
        qApp->installEventFilter(this); // tooltips follow ShowHint
        connect(TKoApplication::Instance(), &TKoApplication::OnMinimize, this,
                &TFormCvt::ApplicationMinimize, Qt::UniqueConnection);
    });
    // 4. What config.ini holds is brought onto the screens (and so is saved in range at exit).
    Guarded([this] {
        QList<QRect> screens;
        for (const QScreen* s : QGuiApplication::screens())
            screens << s->geometry();
        setGeometry(koframe::FitToScreens(Settings.MainLeft, Settings.MainTop, Settings.MainWidth,
                                          Settings.MainHeight, MainMinimumSize, screens));
        setWindowFlag(Qt::WindowStaysOnTopHint, Settings.StayOnTop);
    });
    // 5.
    FillEngineList();
    // 6., 7.
    Guarded([this] { TrackBarSpd->setValue(Settings.Spd); });
    Guarded([this] { TrackBarVol->setValue(int(FServices.Volume->Get() >> 16)); });
    // 8.
    Guarded([this] { ApplyDialogFolders(); });
    // 9.
    Guarded([this] { ApplyHotkeys(); });
    // 10., 11., 12.
    Guarded([this] { ApplyTabSettings(); });
    Guarded([this] { ApplyEditorSettings(); });
    Guarded([this] { ApplyBarSettings(); });
    // 13., 14.
    Guarded([this] { ActivateTray(); });
    Guarded([this] { ActivateClipboardMonitor(); });
    Guarded([this] { SetTimerAandR(Settings.Alarm || Settings.Reminder); });
    // 15., 16.
    RestorePlaylist();
    UpdateModeCaptions();
    UpdateStatus();
    // 17.
    Guarded([this] {
        if (Settings.Greeting && Settings.ConvertMode < 1)
            SpeakGreeting();
    });
    // 18.
    Guarded([this] { setAcceptDrops(true); });
}

void TFormCvt::ApplyTabSettings() {
    auto* layout = static_cast<QBoxLayout*>(TabControl1Panel->layout());
    static const QTabBar::Shape shapes[] = {QTabBar::RoundedNorth, QTabBar::RoundedSouth,
                                            QTabBar::RoundedWest, QTabBar::RoundedEast};
    static const QBoxLayout::Direction directions[] = {
        QBoxLayout::TopToBottom, QBoxLayout::BottomToTop, QBoxLayout::LeftToRight,
        QBoxLayout::RightToLeft};
    int pos = std::clamp(Settings.TabPos, 0, 3);
    TabControl1->setShape(shapes[pos]);
    layout->setDirection(directions[pos]);
    // Buttons and flat buttons look like a document-mode strip.
    TabControl1->setDocumentMode(Settings.TabStyle != 0);
    TabControl1->setDrawBase(Settings.TabStyle == 0);
}

void TFormCvt::ApplyDialogFolders() {
    OpenDialogTxt.InitialDir = Settings.DefTxtPath;
    SaveDialogTxt.InitialDir = Settings.DefTxtPath;
    SaveDialogWav.InitialDir = Settings.DefWavPath;
    SaveDialogMp3.InitialDir = Settings.DefMp3Path;
}

void TFormCvt::ApplyBarSettings() {
    ToolBar->setVisible(Settings.ShowToolbar);
    MainMenus->setVisible(Settings.ShowMainMenus);
    PanelBottom->setVisible(Settings.ShowStatusBar);
}

void TFormCvt::ApplyEditorSettings() {
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Base, mainwindow::StoredColor(Settings.MemoBGColor, QPalette::Base));
    pal.setColor(QPalette::Text, mainwindow::StoredColor(Settings.MemoFontColor, QPalette::Text));
    Memo1->setPalette(pal);
    QFont font(Settings.MemoFontName);
    if (Settings.MemoFontSize > 0)
        font.setPointSize(Settings.MemoFontSize);
    font.setBold(Settings.MemoFontBold);
    font.setItalic(Settings.MemoFontItalic);
    font.setUnderline(Settings.MemoFontUnderline);
    font.setStrikeOut(Settings.MemoFontStrikeOut);
    Memo1->setFont(font);
    const int bars = Settings.MemoScrollBars;
    Memo1->setHorizontalScrollBarPolicy((bars & 1) ? Qt::ScrollBarAsNeeded
                                                   : Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy((bars & 2) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(Settings.MemoWordWrap ? QPlainTextEdit::WidgetWidth
                                                 : QPlainTextEdit::NoWrap);
}

void TFormCvt::FormShow() {
    TKoForm::FormShow();
    Guarded([this] {
        SetMinWidth(MainMinimumSize.width());
        SetMinHeight(MainMinimumSize.height());
    });
    Guarded([this] { ComboBoxExEngines->view()->setMinimumWidth(270); });
}

void TFormCvt::FormDestroy() {
    if (FDestroyed)
        return;
    FDestroyed = true;
    Guarded([this] { KeepEdits(); }); // the user's typing is never lost at exit
    // 1.
    const QRect g = geometry();
    Settings.MainWidth = g.width();
    Settings.MainHeight = g.height();
    Settings.MainLeft = g.x();
    Settings.MainTop = g.y();
    // 2., 3.
    Guarded([this] { ReleaseHotkeys(); });
    Guarded([this] { setAcceptDrops(false); });
    // The device volume is kept once, here, not on every step of the slider.
    Guarded([this] { FServices.Volume->Save(); });
    // 4. Nothing is lost silently: a settings file that cannot be written is reported.
    try {
        settings::SaveSettings(FFolders);
    } catch (const settings::EFileError& e) {
        //: %1 is the reason
        KoUtils::ShowMessageBox(tr("The settings could not be saved.\n\n%1").arg(e.Message()),
                                KoUtils::MB_ICONERROR);
    }
}

void TFormCvt::closeEvent(QCloseEvent* event) {
    // Everything is saved before the window reports that it closed: the program's end follows
    // that report.
    event->accept();
    FormDestroy();
    TKoForm::closeEvent(event);
}

bool TFormCvt::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowStatus(QStringLiteral(" ") + static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return TKoForm::event(event);
}

bool TFormCvt::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !Settings.ShowHint)
        return true;
    // The desktop's theme changed: the editor's colours that follow it follow it now (not while
    // reading, when the editor shows that it is locked).
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange && Memo1 && !FLocked)
        ApplyEditorSettings();
    // The note about global keys comes once the window is on the screen: shown with it, it
    // would end up behind it.
    if (event->type() == QEvent::Expose && !FHotkeyNote.isEmpty() && watched == windowHandle() &&
        windowHandle()->isExposed())
        QMetaObject::invokeMethod(
            this, [this] { Guarded([this] { ShowHotkeyNote(); }); }, Qt::QueuedConnection);
    return TKoForm::eventFilter(watched, event);
}

void TFormCvt::ShowStatus(const QString& text) {
    if (PanelStatus->text() == text)
        return;
    PanelStatus->setText(text);
    koframe::AnnounceStatus(PanelStatus);
}

void TFormCvt::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFormCvt::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    DropFiles(paths);
}

void TFormCvt::DropFiles(const QStringList& paths) {
    // Text files and documents the importers read join the playlist once each.
    if (FDocuments.Add(paths, true) > 0)
        RebuildTabs();
}

// --- Commands -------------------------------------------------------------------------------

void TFormCvt::ActionFileExitExecute() {
    close();
}

void TFormCvt::ActionHelpExecute() {
    FServices.Desktop->Open(FFolders.Manual());
}

void TFormCvt::ActionHelpHomePageExecute() {
    FServices.Desktop->Open(QString::fromLatin1(product::HomePageUrl));
}

void TFormCvt::ActionHelpContactExecute() {
    FServices.Desktop->Open(QString::fromLatin1(product::ContactUrl));
}

void TFormCvt::ActionHelpAboutExecute() {
    TAboutBox box(this, QString::fromLatin1(product::HomePageUrl),
                  QString::fromLatin1(product::ContactUrl));
    box.ShowModal();
}

void TFormCvt::ActionToolsBrowseTxtExecute() {
    FServices.Desktop->Open(Settings.DefTxtPath);
}

void TFormCvt::ActionToolsBrowseWavExecute() {
    FServices.Desktop->Open(Settings.DefWavPath);
}

void TFormCvt::ActionToolsBrowseMp3Execute() {
    FServices.Desktop->Open(Settings.DefMp3Path);
}

// The options dialog changes the settings and, through these, what the window shows of them.
void TFormCvt::ActionToolsOptionsExecute() {
    ActionFileSaveExecute();
    options::TOptionsHost host;
    host.Memo1 = Memo1;
    host.ActionList1 = ActionList1;
    host.MSpeech1 = MSpeech1;
    host.TabControl1Change = [this] { TabControl1Change(); };
    host.ApplyFileDialogFolders = [this] { ApplyDialogFolders(); };
    host.ApplyTabSettings = [this] { ApplyTabSettings(); };
    host.ApplyEditorSettings = [this] { ApplyEditorSettings(); };
    host.ApplyBars = [this] { ApplyBarSettings(); };
    host.ApplyStayOnTop = [this] {
        // The window keeps its native window: made anew, it would lose the dialog that stands
        // over it (and hide until shown again).
        Qt::WindowFlags flags = windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, Settings.StayOnTop);
        overrideWindowFlags(flags);
        if (QWindow* native = windowHandle())
            native->setFlags(flags);
    };
    host.SetTrayActive = [this](bool on) { SysTray1->SetActive(on); };
    host.SuspendGlobalHotkeys = [this](bool on) { FServices.Hotkeys->Suspend(on); };
    host.GlobalHotkeyStatus = [this] { return FServices.Hotkeys->Status(); };
    host.AssignedGlobalHotkey = [this](int n) {
        const int id = settings::GlobalHotkeyIDList[std::size_t(n)];
        return id == 0 ? QString() : FServices.Hotkeys->Assigned(id);
    };
    host.SetTimerAandR = [this](bool on) { SetTimerAandR(on); };
    options::ShowOptionsDialog(host, this);
}

// --- Find and replace -----------------------------------------------------------------------

void TFormCvt::ActionSearchFindExecute() {
    if (!FFindDialog) {
        FFindDialog = new TFindDialog(Memo1, false, this);
        connect(FFindDialog, &TFindDialog::Searched, this, [this](const TSearch& s, bool) {
            FLastSearch = s;
            ActionSearchFindNext->setEnabled(!s.Text.isEmpty());
        });
    }
    FFindDialog->SetReplaceMode(false);
    if (Memo1->textCursor().hasSelection())
        FFindDialog->EditFind->setText(Memo1->textCursor().selectedText());
    FFindDialog->show();
    FFindDialog->raise();
    FFindDialog->activateWindow();
}

void TFormCvt::ActionSearchReplaceExecute() {
    ActionSearchFindExecute();
    FFindDialog->SetReplaceMode(true);
}

void TFormCvt::ActionSearchFindFirstExecute() {
    if (FLastSearch.Text.isEmpty()) {
        ActionSearchFindExecute();
        return;
    }
    if (!FLastSearch.FindIn(Memo1, true))
        KoUtils::ShowMessageBox(tr("Cannot find \"%1\"").arg(FLastSearch.Text),
                                KoUtils::MB_ICONINFORMATION);
}

void TFormCvt::ActionSearchFindNextExecute() {
    if (!FLastSearch.FindIn(Memo1))
        KoUtils::ShowMessageBox(tr("Cannot find \"%1\"").arg(FLastSearch.Text),
                                KoUtils::MB_ICONINFORMATION);
}

// --- Desktop services -------------------------------------------------------------------------

// Every command gets its stored shortcut; the commands marked global are registered with the
// desktop. A key the desktop refuses keeps its mark (the settings store it), and the user is
// told once which command's key is held elsewhere.
void TFormCvt::ApplyHotkeys() {
    platform::IGlobalHotkeys* keys = FServices.Hotkeys.get();
    connect(keys, &platform::IGlobalHotkeys::pressed, this, &TFormCvt::WMHotKey,
            Qt::UniqueConnection);
    QStringList refused;
    QMap<int, QStringList> captions; // by registration: the commands on its key
    bool global = false;
    for (int n = 0; n < mainwindow::CommandCount; ++n) {
        const settings::TShortCut shortcut = settings::TextToShortCut(settings::HotkeyList[n]);
        ActionList1[n]->setShortcut(settings::ShortCutToKey(shortcut));
        std::int32_t& id = settings::GlobalHotkeyIDList[n];
        if (id == 0)
            continue;
        global = true;
        bool taken = false;
        id = settings::RegisterGlobalHotkey(keys, shortcut, &taken);
        captions[id] << koframe::WithoutMnemonics(ActionList1[n]->text());
        if (taken && keys->Available())
            refused << QStringLiteral("\"%1\" (%2)")
                           .arg(koframe::WithoutMnemonics(ActionList1[n]->text()),
                                settings::ShortCutToText(shortcut));
    }
    for (auto it = captions.cbegin(); it != captions.cend(); ++it)
        keys->Describe(it.key(), it.value().join(QStringLiteral(", ")));
    // How the keys work here is told in the status panel, now and whenever the desktop answers.
    if (global) {
        auto status = [this, keys] {
            if (!keys->Status().isEmpty())
                ShowStatus(QStringLiteral(" ") + keys->Status());
        };
        connect(keys, &platform::IGlobalHotkeys::statusChanged, this, status);
        status();
    }
    // A key another program holds reaches that program wherever it is pressed, this window
    // included.
    if (!refused.isEmpty())
        //: %1 lists the commands with their keys, one a line; "Interface" is the name of a page
        //: of the Options dialog
        FHotkeyNote = tr("Another program holds these keys: wherever they are pressed, even in "
                         "this window, they reach that program and not this one.\n\n%1\n\nThe "
                         "menus still run these commands. Choose other keys for them in Options, "
                         "on the page \"Interface\".")
                          .arg(refused.join(u'\n'));
    else if (global && !keys->Available() && FirstSessionWithoutHotkeys())
        FHotkeyNote = tr("Global hotkeys need an X11 session here. The commands' keys work while "
                         "this window has the focus.");
    else if (global && keys->Limited() && FirstSessionWithoutHotkeys())
        //: %1 tells how the desktop limits global hotkeys
        FHotkeyNote =
            tr("%1 The commands' keys work while this window has the focus.").arg(keys->Status());
}

// A session without global keys is the same at every start: the user is told the first time
// only. A mark beside the settings remembers it (in the folder of a portable program).
bool TFormCvt::FirstSessionWithoutHotkeys() const {
    QFile mark(FFolders.MarkFile(QStringLiteral("no-global-hotkeys-noted")));
    if (mark.exists())
        return false;
    QDir().mkpath(QFileInfo(mark).absolutePath());
    mark.open(QIODevice::WriteOnly);
    return true;
}

// At the end every global key is given back; the marks stay, so they are saved as global.
void TFormCvt::ReleaseHotkeys() {
    for (int n = 0; n < mainwindow::CommandCount; ++n)
        settings::UnregisterGlobalHotkey(FServices.Hotkeys.get(), settings::GlobalHotkeyIDList[n]);
    FServices.Hotkeys->ReleaseAll();
}

// A global key was pressed: every global command with that key runs, in command order, as its
// menu item would.
void TFormCvt::WMHotKey(QKeyCombination key) {
    const settings::TShortCut pressed = settings::KeyToShortCut(key);
    if (pressed == 0)
        return;
    Guarded([&] {
        for (int n = 0; n < mainwindow::CommandCount; ++n)
            if (settings::GlobalHotkeyIDList[n] != 0 &&
                settings::TextToShortCut(settings::HotkeyList[n]) == pressed)
                ActionList1[n]->trigger();
    });
}

// The note about global keys, once, without stopping the user.
void TFormCvt::ShowHotkeyNote() {
    if (FHotkeyNote.isEmpty())
        return;
    auto* note = new QMessageBox(QMessageBox::Information, KoUtils::ApplicationTitle(), FHotkeyNote,
                                 QMessageBox::Ok, this);
    note->setObjectName(QStringLiteral("HotkeyNote"));
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setModal(false);
    //: Title of a desktop notification
    NotifyIfHidden(tr("Global hotkeys"), FHotkeyNote);
    FHotkeyNote.clear();
    note->show();
    note->raise();
    note->activateWindow();
}

void TFormCvt::Note(const QString& text) {
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            auto* note = new QMessageBox(QMessageBox::Information, KoUtils::ApplicationTitle(),
                                         text, QMessageBox::Ok, this);
            note->setObjectName(QStringLiteral("Note"));
            note->setAttribute(Qt::WA_DeleteOnClose);
            note->setModal(false);
            note->show();
        },
        Qt::QueuedConnection);
}

// --- The talking clock and the reminders ------------------------------------------------------

void TFormCvt::TimerAandRTimer() {
    const QDateTime now = AandRClock->Now();
    // Each tick aims at the middle of the next second: a timer that drifted towards a second's
    // edge would otherwise now and then step over a whole second, and its alarm or reminder.
    TimerAandR->setInterval(1500 - now.time().msec());
    std::optional<desktop::TAlarmAction> alarm, reminder;
    Guarded([&] { alarm = desktop::AlarmPass(Settings, now); });
    Guarded([&] { reminder = FReminderSchedule.Pass(Settings, settings::ReminderList, now); });
    // An alarm and a reminder in the same second are both heard, the time first: one reading.
    QString speech;
    for (const std::optional<desktop::TAlarmAction>& a : {alarm, reminder})
        if (a && a->Kind == desktop::TAlarmAction::Speak)
            speech += (speech.isEmpty() ? QString() : QStringLiteral("\r\n")) + a->Text;
    Guarded([&] {
        for (const std::optional<desktop::TAlarmAction>& a : {alarm, reminder})
            if (a && a->Kind == desktop::TAlarmAction::PlaySound)
                FAlarmSound->Play(a->Text);
        if ((alarm && alarm->Kind == desktop::TAlarmAction::Speak) ||
            (reminder && reminder->Kind == desktop::TAlarmAction::Speak)) {
            Settings.ConvertMode = 0;
            ReadKind = rkNone;
            BeginReading(speech, false, false);
        }
    });
    // The boxes come after the tick has returned: a tick that waited for one would hold the
    // timer, and with it every alarm and reminder, for as long as the box stays open.
    // Out of sight in the tray, the window cannot show what came due: the desktop does.
    if (alarm)
        //: Title of a desktop notification
        NotifyIfHidden(tr("Alarm"), alarm->Kind == desktop::TAlarmAction::Speak
                                        ? alarm->Text
                                        : now.toString(QStringLiteral("HH:mm")));
    if (reminder)
        //: Title of a desktop notification
        NotifyIfHidden(tr("Reminder"), reminder->Box ? *reminder->Box : reminder->Text);
    for (const std::optional<desktop::TAlarmAction>& a : {alarm, reminder})
        if (a && a->Box)
            QMetaObject::invokeMethod(
                this,
                [text = *a->Box] { KoUtils::ShowMessageBox(text, KoUtils::MB_ICONINFORMATION); },
                Qt::QueuedConnection);
}

void TFormCvt::SetTimerAandR(bool on) {
    if (on && !TimerAandR->isActive())
        FReminderSchedule.Restart(); // what came due while it was off stays in the past
    if (on)
        TimerAandR->start();
    else
        TimerAandR->stop();
}
