// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionKeys.h"

#include "KoAccessible.h"
#include "Option.h"
#include "OptionControls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
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
// leads to the control named. Texts and captions are written in English: a control's text is
// compared with the translation it was given, and the caption is translated when it is set.
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
    {"CheckBoxHint", QT_TRANSLATE_NOOP("OptionKeys", "Show &Tooltips")},
    {"CheckBoxRepeat", QT_TRANSLATE_NOOP("OptionKeys", "&Repeating Playlist")},
    {"CheckBoxHighlight", QT_TRANSLATE_NOOP("OptionKeys", "&Highlight Reading Word")},
    {"cbKeyToSpeech", QT_TRANSLATE_NOOP("OptionKeys", "Enable \"&Key To Speech\"")},
    {"CheckBoxAutoNext", QT_TRANSLATE_NOOP("OptionKeys", "Automatically &Play Next File")},
    {"CheckBoxAutoName", QT_TRANSLATE_NOOP("OptionKeys", "Automatically &Name for WAV/MP3 Files")},
    {"CheckBoxContext",
     QT_TRANSLATE_NOOP("OptionKeys", "Add &Commands to .txt File Type Context Menus")},
    {"CheckBoxGreeting", QT_TRANSLATE_NOOP("OptionKeys", "&Greeting at Startup")},
    // Conversion.
    {"CheckBoxSubtitles", QT_TRANSLATE_NOOP("OptionKeys", "S&ubtitles")},
    // Prosody.
    {"Button7", QT_TRANSLATE_NOOP("OptionKeys", "P&ronunciation Manager")},
    // Interface.
    {"Button2", QT_TRANSLATE_NOOP("OptionKeys", "&Update")},
    {"Button3", QT_TRANSLATE_NOOP("OptionKeys", "All &Default")},
    {"CheckBoxGlobalHotkey", QT_TRANSLATE_NOOP("OptionKeys", "Glo&bal Hotkey ( need restart )")},
    {"Button4", QT_TRANSLATE_NOOP("OptionKeys", "Set &Font")},
    {"Button5", QT_TRANSLATE_NOOP("OptionKeys", "Set Bac&kColor")},
    {"CheckBoxWordWrap", QT_TRANSLATE_NOOP("OptionKeys", "Automatically &Wrap Text ")},
    {"CheckBoxStayOnTop", QT_TRANSLATE_NOOP("OptionKeys", "Stay on &Top")},
    {"CheckBoxShowToolBar", QT_TRANSLATE_NOOP("OptionKeys", "Display T&oolBar")},
    {"CheckBoxShowStatusBar", QT_TRANSLATE_NOOP("OptionKeys", "Display St&atusBar")},
    {"CheckBoxShowMainMenus", QT_TRANSLATE_NOOP("OptionKeys", "Display &Main Menus")},
    {"CheckBoxTray", QT_TRANSLATE_NOOP("OptionKeys", "&System Tray")},
    {"CheckBoxMiniStartup", QT_TRANSLATE_NOOP("OptionKeys", "Minimi&ze at Startup")},
    {"CheckBoxMiniToTray", QT_TRANSLATE_NOOP("OptionKeys", "M&inimize to System Tray")},
    // Clipboard.
    {"CheckBoxWatchClipboard", QT_TRANSLATE_NOOP("OptionKeys", "&Watch Clipboard")},
    {"CheckBoxPrompt", QT_TRANSLATE_NOOP("OptionKeys", "Display &Prompt Dialog for")},
    // Alarm.
    {"CheckBoxAlarm", QT_TRANSLATE_NOOP("OptionKeys", "&Enable Alarm")},
    {"CheckBoxAlarmDate", QT_TRANSLATE_NOOP("OptionKeys", "And the &Date")},
    {"CheckBoxAlarmMsgBox", QT_TRANSLATE_NOOP("OptionKeys", "Alarm with &Message Box")},
    // Reminders.
    {"CheckBoxReminder", QT_TRANSLATE_NOOP("OptionKeys", "&Enable Reminders")},
    {"Button1", QT_TRANSLATE_NOOP("OptionKeys", "&Add")},
    {"Button6", QT_TRANSLATE_NOOP("OptionKeys", "&Update")},
    {"ButtonDel", QT_TRANSLATE_NOOP("OptionKeys", "&Del")},
    {"CheckBoxReminderMsgBox", QT_TRANSLATE_NOOP("OptionKeys", "Remind with &Message Box")},
};

const TLabelKey LabelKeys[] = {
    // Conversion: a folder's label leads to its "..." button.
    {"TXT Files Directory:", QT_TRANSLATE_NOOP("OptionKeys", "&TXT Files Directory:"),
     "SpeedButton1"},
    {"WAV Files Directory:", QT_TRANSLATE_NOOP("OptionKeys", "&WAV Files Directory:"),
     "SpeedButton2"},
    {"MP3 Files Directory:", QT_TRANSLATE_NOOP("OptionKeys", "&MP3 Files Directory:"),
     "SpeedButton3"},
    {"Resample frequency :", QT_TRANSLATE_NOOP("OptionKeys", "Resample &frequency :"),
     "ComboBoxKHZ"},
    {"   Bitrates:", QT_TRANSLATE_NOOP("OptionKeys", "   &Bitrates:"), "ComboBoxKBPS"},
    {"Write to File( WAV/MP3 ) Speed:",
     QT_TRANSLATE_NOOP("OptionKeys", "Write to File( WAV/MP3 ) &Speed:"), "ComboBoxRealTime"},
    {"Format:", QT_TRANSLATE_NOOP("OptionKeys", "F&ormat:"), "ComboBoxFormat"},
    {"Kind:", QT_TRANSLATE_NOOP("OptionKeys", "&Kind:"), "ComboBoxSubtitles"},
    {"Chapters:", QT_TRANSLATE_NOOP("OptionKeys", "&Chapters:"), "ComboBoxChapters"},
    {"Without headings:", QT_TRANSLATE_NOOP("OptionKeys", "Without &headings:"),
     "SpinEditChapterMinutes"},
    // Prosody.
    {"Short Pause Interval:", QT_TRANSLATE_NOOP("OptionKeys", "&Short Pause Interval:"),
     "seShortPau"},
    {"Long Pause Interval:", QT_TRANSLATE_NOOP("OptionKeys", "&Long Pause Interval:"), "seLongPau"},
    {"Default Value of Volume:", QT_TRANSLATE_NOOP("OptionKeys", "Default Value of &Volume:"),
     "seVol"},
    {"Default Value of Speed:", QT_TRANSLATE_NOOP("OptionKeys", "Default Value of Spee&d:"),
     "seSpd"},
    {"Default Value of Pitch:", QT_TRANSLATE_NOOP("OptionKeys", "Default Value of &Pitch:"),
     "sePit"},
    // Interface.
    {"Position:", QT_TRANSLATE_NOOP("OptionKeys", "&Position:"), "ComboBoxTabPos"},
    {"Style:", QT_TRANSLATE_NOOP("OptionKeys", "St&yle:"), "ComboBoxTabStyle"},
    {"ScrollBars:", QT_TRANSLATE_NOOP("OptionKeys", "Sc&rollBars:"), "ComboBoxScrollBars"},
    // Clipboard.
    {"Ignore Clipboard Text Less Than",
     QT_TRANSLATE_NOOP("OptionKeys", "&Ignore Clipboard Text Less Than"), "SpinEditIgnoreLen"},
    {"Default Action:", QT_TRANSLATE_NOOP("OptionKeys", "Default &Action:"), "ComboBoxDefAction"},
    // Alarm.
    {"Every", QT_TRANSLATE_NOOP("OptionKeys", "E&very"), "SpinEditAlarmInterval"},
    {"Say Before the Alarm:", QT_TRANSLATE_NOOP("OptionKeys", "Say &Before the Alarm:"),
     "EditAlarmBefore"},
    {"Alarm Style:", QT_TRANSLATE_NOOP("OptionKeys", "Alarm &Style:"), "ComboBoxAlarmStyle"},
    {"Say After the Alarm:", QT_TRANSLATE_NOOP("OptionKeys", "Say &After the Alarm:"),
     "EditAlarmAfter"},
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

// A text the dialog was built with, as it shows it: the dialog's own controls are translated in
// its context, the compressed format's group in that of its unit.
QString Shown(const QString& text) {
    const QByteArray source = text.toUtf8();
    for (const char* context : {"TFormOption", "OptionFormat"}) {
        const QString shown = QCoreApplication::translate(context, source.constData());
        if (shown != text)
            return shown;
    }
    return text;
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
        if (button &&
            button->text() == Shown(koframe::WithoutMnemonics(QString::fromLatin1(key.Caption))))
            button->setText(QCoreApplication::translate("OptionKeys", key.Caption));
    }
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        for (const TLabelKey& key : LabelKeys) {
            if (label->text() != Shown(QString::fromLatin1(key.Text)))
                continue;
            if (auto* buddy = dialog.findChild<QWidget*>(QLatin1String(key.Buddy))) {
                label->setText(QCoreApplication::translate("OptionKeys", key.Caption));
                label->setBuddy(buddy);
            }
            break;
        }
    }
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (group->title() == Shown(QStringLiteral(" Hotkeys ")))
            group->setTitle(QCoreApplication::translate("OptionKeys", " &Hotkeys "));
    dialog.HotKey1->installEventFilter(new TAllKeys(dialog.HotKey1));
    // Tab moves on from the list as from any other control; the arrows move in it.
    dialog.ListViewReminderList->setTabKeyNavigation(false);
}

} // namespace options
