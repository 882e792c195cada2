#include "OptionKeys.h"

#include "Option.h"
#include "OptionControls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QTabBar>
#include <QTableWidget>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>

namespace options {

bool Mp3RateAllowed(int khzIndex, int kbps) {
    static const int low[] = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int high[] = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    if (khzIndex >= 0 && khzIndex <= 5)
        return std::find(std::begin(low), std::end(low), kbps) != std::end(low);
    return std::find(std::begin(high), std::end(high), kbps) != std::end(high);
}

void BindPageKeys(QWidget* dialog, QTabBar* tabs, int count) {
    auto step = [tabs, count](int by) {
        const int now = tabs->currentIndex();
        int next;
        if (now < 0 || now >= count)
            next = by > 0 ? 0 : count - 1;
        else
            next = (now + by + count) % count;
        tabs->setCurrentIndex(next);
    };
    // Ctrl+Shift+Tab comes as Backtab, which the X keyboard offers as Tab too: one shortcut holds
    // each direction, so that no two shortcuts ever match one press.
    auto* forward = new QShortcut(dialog);
    forward->setKeys(
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    auto* back = new QShortcut(dialog);
    back->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                   QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    QObject::connect(forward, &QShortcut::activated, tabs, [step] { step(1); });
    QObject::connect(back, &QShortcut::activated, tabs, [step] { step(-1); });
}

namespace {

// Steps of the closed list, and the wheel over it, onto allowed items only.
class TRateSteps : public QObject {
public:
    TRateSteps(QComboBox* list, std::function<bool(int)> allowed, std::function<void()> picked)
        : QObject(list), FList(list), FAllowed(std::move(allowed)), FPicked(std::move(picked)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != FList)
            return false;
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
                return false;
            switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_PageUp:
                return Step(FList->currentIndex() - 1, -1);
            case Qt::Key_Down:
            case Qt::Key_PageDown:
                return Step(FList->currentIndex() + 1, 1);
            case Qt::Key_Home:
                return Step(0, 1);
            case Qt::Key_End:
                return Step(FList->count() - 1, -1);
            default:
                return false;
            }
        }
        if (event->type() == QEvent::Wheel) {
            const int dy = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (dy == 0)
                return false;
            const int by = dy > 0 ? -1 : 1;
            return Step(FList->currentIndex() + by, by);
        }
        return false;
    }

private:
    // From item `from` on in direction `by`, the first allowed item becomes the current one;
    // none there leaves the list as it is. The key is taken either way.
    bool Step(int from, int by) {
        for (int i = from; i >= 0 && i < FList->count(); i += by) {
            if (!FAllowed(i))
                continue;
            if (i != FList->currentIndex()) {
                FList->setCurrentIndex(i);
                FPicked();
            }
            break;
        }
        return true;
    }

    QComboBox* FList;
    std::function<bool(int)> FAllowed;
    std::function<void()> FPicked;
};

// A caption with its mnemonic, for the control of that name; a label is found by its text and
// leads to the control named.
struct TButtonKey {
    const char* Name;
    const char* Caption;
};
struct TLabelKey {
    const char* Text;
    const char* Caption;
    const char* Buddy;
};

// Unique on each page (the pages' controls are hidden with their page, and so are their keys).
const TButtonKey ButtonKeys[] = {
    // General.
    {"CheckBoxHint", "Show &Tooltips"},
    {"CheckBoxRepeat", "&Repeating Playlist"},
    {"CheckBoxHighlight", "&Highlight Reading Word"},
    {"cbKeyToSpeech", "Enable \"&Key To Speech\""},
    {"CheckBoxAutoNext", "Automatically &Play Next File"},
    {"CheckBoxAutoName", "Automatically &Name for WAV/MP3 Files"},
    {"CheckBoxContext", "Add &Commands to .txt File Type Context Menus"},
    {"CheckBoxGreeting", "&Greeting at Startup"},
    // Conversion.
    {"CheckBoxSubtitles", "S&ubtitles"},
    // Prosody.
    {"Button7", "P&ronunciation Manager"},
    // Interface.
    {"Button2", "&Update"},
    {"Button3", "All &Default"},
    {"CheckBoxGlobalHotkey", "Glo&bal Hotkey ( need restart )"},
    {"Button4", "Set &Font"},
    {"Button5", "Set Bac&kColor"},
    {"CheckBoxWordWrap", "Automatically &Wrap Text "},
    {"CheckBoxStayOnTop", "Stay on &Top"},
    {"CheckBoxShowToolBar", "Display T&oolBar"},
    {"CheckBoxShowStatusBar", "Display St&atusBar"},
    {"CheckBoxShowMainMenus", "Display &Main Menus"},
    {"CheckBoxTray", "&System Tray"},
    {"CheckBoxMiniStartup", "Minimi&ze at Startup"},
    {"CheckBoxMiniToTray", "M&inimize to System Tray"},
    // Clipboard.
    {"CheckBoxWatchClipboard", "&Watch Clipboard"},
    {"CheckBoxPrompt", "Display &Prompt Dialog for"},
    // Alarm.
    {"CheckBoxAlarm", "&Enable Alarm"},
    {"CheckBoxAlarmDate", "And the &Date"},
    {"CheckBoxAlarmMsgBox", "Alarm with &Message Box"},
    // Reminders.
    {"CheckBoxReminder", "&Enable Reminders"},
    {"Button1", "&Add"},
    {"Button6", "&Update"},
    {"ButtonDel", "&Del"},
    {"CheckBoxReminderMsgBox", "Remind with &Message Box"},
};

const TLabelKey LabelKeys[] = {
    // Conversion: a folder's label leads to its "..." button.
    {"TXT Files Directory:", "&TXT Files Directory:", "SpeedButton1"},
    {"WAV Files Directory:", "&WAV Files Directory:", "SpeedButton2"},
    {"MP3 Files Directory:", "&MP3 Files Directory:", "SpeedButton3"},
    {"Resample frequency :", "Resample &frequency :", "ComboBoxKHZ"},
    {"   Bitrates:", "   &Bitrates:", "ComboBoxKBPS"},
    {"Write to File( WAV/MP3 ) Speed:", "Write to File( WAV/MP3 ) &Speed:", "ComboBoxRealTime"},
    {"Format:", "F&ormat:", "ComboBoxFormat"},
    {"Kind:", "&Kind:", "ComboBoxSubtitles"},
    {"Chapters:", "&Chapters:", "ComboBoxChapters"},
    {"Without headings:", "Without &headings:", "SpinEditChapterMinutes"},
    // Prosody.
    {"Short Pause Interval:", "&Short Pause Interval:", "seShortPau"},
    {"Long Pause Interval:", "&Long Pause Interval:", "seLongPau"},
    {"Default Value of Volume:", "Default Value of &Volume:", "seVol"},
    {"Default Value of Speed:", "Default Value of Spee&d:", "seSpd"},
    {"Default Value of Pitch:", "Default Value of &Pitch:", "sePit"},
    // Interface.
    {"Position:", "&Position:", "ComboBoxTabPos"},
    {"Style:", "St&yle:", "ComboBoxTabStyle"},
    {"ScrollBars:", "Sc&rollBars:", "ComboBoxScrollBars"},
    // Clipboard.
    {"Ignore Clipboard Text Less Than", "&Ignore Clipboard Text Less Than", "SpinEditIgnoreLen"},
    {"Default Action:", "Default &Action:", "ComboBoxDefAction"},
    // Alarm.
    {"Every", "E&very", "SpinEditAlarmInterval"},
    {"Say Before the Alarm:", "Say &Before the Alarm:", "EditAlarmBefore"},
    {"Alarm Style:", "Alarm &Style:", "ComboBoxAlarmStyle"},
    {"Say After the Alarm:", "Say &After the Alarm:", "EditAlarmAfter"},
};

// The key field takes every combination pressed in it, also those the dialog has keys for (its
// pages, its mnemonics); the keys it leaves to the dialog stay the dialog's.
class TAllKeys : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods =
            key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        const bool left = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                          key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab ||
                          key->key() == Qt::Key_Backtab;
        if (mods != Qt::NoModifier || !left)
            key->accept();
        return false;
    }
};

QString WithoutMnemonic(const char* caption) {
    return QString::fromLatin1(caption).remove(QLatin1Char('&'));
}

} // namespace

void StepOverRefused(QComboBox* rates, std::function<bool(int item)> allowed,
                     std::function<void()> picked) {
    rates->installEventFilter(new TRateSteps(rates, std::move(allowed), std::move(picked)));
}

void SetKeyboardAccess(TFormOption& dialog) {
    // A caption is changed only where it still reads as the key's, so that a renamed control
    // shows its own text rather than an old one.
    for (const TButtonKey& key : ButtonKeys) {
        auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(key.Name));
        if (button && button->text() == WithoutMnemonic(key.Caption))
            button->setText(QString::fromLatin1(key.Caption));
    }
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        for (const TLabelKey& key : LabelKeys) {
            if (label->text() != QLatin1String(key.Text))
                continue;
            if (auto* buddy = dialog.findChild<QWidget*>(QLatin1String(key.Buddy))) {
                label->setText(QString::fromLatin1(key.Caption));
                label->setBuddy(buddy);
            }
            break;
        }
    }
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (group->title() == QLatin1String(" Hotkeys "))
            group->setTitle(QStringLiteral(" &Hotkeys "));
    dialog.HotKey1->installEventFilter(new TAllKeys(dialog.HotKey1));
    // Tab moves on from the list as from any other control; the arrows move in it.
    dialog.ListViewReminderList->setTabKeyNavigation(false);
}

} // namespace options
