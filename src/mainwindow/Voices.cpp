// SPDX-License-Identifier: GPL-3.0-or-later
// The voice list, the volume and speed sliders, the control-tag commands and key-to-speech.
#include "Converter.h"

#include "Global.h"
#include "KoUtils.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSlider>

using settings::Settings;

namespace {

// The speech service's voices are listed once the user goes to the voice list.
class TVoiceListFilter : public QObject {
public:
    explicit TVoiceListFilter(TFormCvt* form, speech::TMSpeech* speech)
        : QObject(form), FSpeech(speech) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (t == QEvent::MouseButtonPress || t == QEvent::KeyPress || t == QEvent::FocusIn ||
            t == QEvent::Wheel)
            FSpeech->ListAllEngines();
        return false;
    }

private:
    speech::TMSpeech* FSpeech;
};

// Tab types a tab in the editor; Ctrl+Tab and Ctrl+Shift+Tab leave it for the next and the
// previous control, as in the toolkit's other text areas, so that the keyboard reaches them.
void LeaveEditor(QWidget* editor, bool forward) {
    QWidget* w = editor;
    do
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    while (w != editor && !(w->window() == editor->window() && w->isVisible() && w->isEnabled() &&
                            (w->focusPolicy() & Qt::TabFocus)));
    if (w != editor)
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// Hands every key the editor receives to its key-press handler, and lets the editor have it.
class TMemo1KeyFilter : public QObject {
public:
    explicit TMemo1KeyFilter(TFormCvt* form) : QObject(form), FForm(form) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (key->modifiers() & Qt::ControlModifier)) {
            LeaveEditor(FForm->Memo1,
                        key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
        FForm->Memo1KeyPress(key);
        return false;
    }

private:
    TFormCvt* FForm;
};

// The first matching word picks the picture; the test is case-sensitive, so "Female" does not
// count as "Male".
int VoiceImage(const QString& name) {
    static const char* const words[] = {"Male", "Female", "Mike", "Mary", "RoboSoft"};
    for (int i = 0; i < 5; ++i)
        if (name.contains(QLatin1String(words[i]), Qt::CaseSensitive))
            return i;
    return 5;
}

} // namespace

void TFormCvt::CreateVoiceControls() {
    // Connected before creation sets the sliders: setting them from code runs the handlers,
    // as a user's move does.
    connect(ComboBoxExEngines, &QComboBox::activated, this, &TFormCvt::ComboBoxExEnginesChange);
    connect(TrackBarVol, &QSlider::valueChanged, this, &TFormCvt::TrackBarVolChange);
    connect(TrackBarSpd, &QSlider::valueChanged, this, &TFormCvt::TrackBarSpdChange);
    connect(ActionToolsShortPause, &QAction::triggered, this,
            &TFormCvt::ActionToolsShortPauseExecute);
    connect(ActionToolsLongPause, &QAction::triggered, this,
            &TFormCvt::ActionToolsLongPauseExecute);
    connect(ActionToolsWhisper, &QAction::triggered, this, &TFormCvt::ActionToolsWhisperExecute);
    connect(ActionToolsMonotone, &QAction::triggered, this, &TFormCvt::ActionToolsMonotoneExecute);
    connect(ActionToolsNormal, &QAction::triggered, this, &TFormCvt::ActionToolsNormalExecute);
    connect(ActionToolsEmp, &QAction::triggered, this, &TFormCvt::ActionToolsEmpExecute);
    connect(ActionToolsVol, &QAction::triggered, this, &TFormCvt::ActionToolsVolExecute);
    connect(ActionToolsSpd, &QAction::triggered, this, &TFormCvt::ActionToolsSpdExecute);
    connect(ActionToolsPit, &QAction::triggered, this, &TFormCvt::ActionToolsPitExecute);
    Memo1->installEventFilter(new TMemo1KeyFilter(this));
    ComboBoxExEngines->installEventFilter(new TVoiceListFilter(this, MSpeech1));
    CreateVoiceMenu();
}

// The voice list and the sliders from the keyboard, as the Playback menu's Voice commands: each
// moves its control as the user would (the control's handler runs), and does nothing while
// the control is locked for a reading.
void TFormCvt::CreateVoiceMenu() {
    //: A submenu of the Playback menu: commands that change the voice, its speed and volume
    QMenu* menu = MainMenu1.Playback->addMenu(tr("&Voice"));
    menu->setObjectName(QStringLiteral("Voice1"));
    MainMenu1.Playback->insertSeparator(menu->menuAction());
    auto command = [this, menu](const char* name, const QString& caption, const char* keys,
                                auto run) {
        auto* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        connect(a, &QAction::triggered, this, std::move(run));
        return a;
    };
    auto voice = [this](int step) {
        const int n = ComboBoxExEngines->count();
        if (!ComboBoxExEngines->isEnabled() || n < 2)
            return;
        const int index = (ComboBoxExEngines->currentIndex() + step + n) % n;
        ComboBoxExEngines->setCurrentIndex(index);
        emit ComboBoxExEngines->activated(index);
    };
    auto slide = [](QSlider* slider, int step) {
        if (slider->isEnabled())
            slider->setValue(slider->value() + step);
    };
    command("ActionVoiceNext", tr("&Next Voice"), "Ctrl+Shift+PgDown", [voice] { voice(1); });
    command("ActionVoicePrev", tr("&Previous Voice"), "Ctrl+Shift+PgUp", [voice] { voice(-1); });
    menu->addSeparator();
    //: Moves the speed slider up
    command("ActionFaster", tr("&Faster"), "Ctrl+]", [this, slide] { slide(TrackBarSpd, 10); });
    //: Moves the speed slider down
    command("ActionSlower", tr("&Slower"), "Ctrl+[", [this, slide] { slide(TrackBarSpd, -10); });
    menu->addSeparator();
    //: Moves the volume slider up
    command("ActionLouder", tr("&Louder"), "Ctrl+Shift+Up",
            [this, slide] { slide(TrackBarVol, 3277); });
    //: Moves the volume slider down
    command("ActionSofter", tr("S&ofter"), "Ctrl+Shift+Down",
            [this, slide] { slide(TrackBarVol, -3277); });
}

// The voice list shows each voice with the engine it comes from; the item keeps the voice's
// name, by which it is stored.
constexpr int kVoiceNameRole = Qt::UserRole + 1;

void TFormCvt::FillVoiceItems() {
    const QStringList& engines = MSpeech1->ListedEngines();
    const QList<speech::TMSpeechEngineInfo>& infos = MSpeech1->ListedEngineInfos();
    static const QRegularExpression version(QStringLiteral("\\s+\\d[\\d.]*$"));
    const QSignalBlocker quiet(ComboBoxExEngines);
    ComboBoxExEngines->clear();
    for (int i = 0; i < engines.size(); ++i) {
        QString engine = i < infos.size() ? infos[i].Product : QString();
        engine.remove(version);
        ComboBoxExEngines->addItem(
            engine.isEmpty() ? engines[i] : engines[i] + QStringLiteral(" \u2014 ") + engine);
        ComboBoxExEngines->setItemData(i, engines[i], kVoiceNameRole);
    }
    KoUtils::Guarded([this, &engines] {
        for (int i = 0; i < ComboBoxExEngines->count(); ++i) {
            const int image = VoiceImage(engines[i]);
            ComboBoxExEngines->setItemIcon(
                i, QIcon(QStringLiteral(":/voices/voice%1.png").arg(image)));
            ComboBoxExEngines->setItemData(i, image, Qt::UserRole);
        }
    });
}

// Selects the voice called `name` in the list and binds it; false when it is not listed.
bool TFormCvt::ChooseVoice(const QString& name) {
    const int i = ComboBoxExEngines->findData(name, kVoiceNameRole, Qt::MatchFixedString);
    if (name.isEmpty() || i < 0)
        return false;
    ComboBoxExEngines->setCurrentIndex(i);
    MSpeech1->SelectEngine(ComboBoxExEngines->itemData(i, kVoiceNameRole).toString());
    Settings.EngineName = ComboBoxExEngines->itemData(i, kVoiceNameRole).toString();
    Settings.EngineIndex = i;
    return true;
}

void TFormCvt::FillEngineList() {
    // The voices of the engines in this process are listed at once; a speech service's when the
    // user goes to the list, or when the stored voice is not among the others.
    FillVoiceItems();
    QString stored = Settings.EngineName;
    if (stored.isEmpty()) {
        // A voice stored by its number alone counts the first engine's voices: older versions
        // listed no others.
        const QList<speech::TMSpeechEngineInfo>& infos = MSpeech1->ListedEngineInfos();
        for (int i = 0, n = 0; i < infos.size(); ++i)
            if (infos[i].EngineID == infos[0].EngineID && n++ == Settings.EngineIndex) {
                stored = infos[i].Name;
                break;
            }
    }
    try {
        bool chosen = ChooseVoice(stored);
        if (!chosen && !stored.isEmpty() && !MSpeech1->AllEnginesListed()) {
            MSpeech1->Engines(); // waits for the service's voices
            FillVoiceItems();
            chosen = ChooseVoice(stored);
        }
        if (!chosen)
            throw speech::EMSpeechException(QStringLiteral("Specified Speech Engine not found"));
    } catch (const std::exception&) {
        try {
            // The stored voice is gone: the first one stands in, for the readings too.
            if (!ChooseVoice(ComboBoxExEngines->itemData(0, kVoiceNameRole).toString()))
                throw speech::EMSpeechException(
                    QStringLiteral("Specified Speech Engine not found"));
        } catch (const std::exception&) {
            ShowStatus(tr(" No speech engine is installed: documents can be edited but not read."));
        }
    }
    connect(MSpeech1, &speech::TMSpeech::enginesListed, this, &TFormCvt::EnginesListed,
            Qt::UniqueConnection);

    // The speed slider is set from Spd next. A stored speed beyond its range must move it, so
    // that the handler runs and writes the clamped value back.
    if (Settings.Spd > TrackBarSpd->maximum()) {
        const QSignalBlocker quiet(TrackBarSpd);
        TrackBarSpd->setValue(TrackBarSpd->minimum());
    }
}

// The speech service's voices have come: they join the list, the choice stays.
void TFormCvt::EnginesListed() {
    const QString current = ComboBoxExEngines->currentData(kVoiceNameRole).toString();
    FillVoiceItems();
    const int i = ComboBoxExEngines->findData(current, kVoiceNameRole, Qt::MatchFixedString);
    ComboBoxExEngines->setCurrentIndex(std::max(0, i));
    if (i >= 0 && Settings.EngineName.compare(current, Qt::CaseInsensitive) == 0)
        Settings.EngineIndex = i;
    const QStringList problems = MSpeech1->EngineProblems();
    if (!problems.isEmpty())
        ShowStatus(QStringLiteral(" ") + problems.join(QStringLiteral("; ")));
}

void TFormCvt::ComboBoxExEnginesChange() {
    Settings.EngineIndex = ComboBoxExEngines->currentIndex();
    Settings.EngineName = ComboBoxExEngines->currentData(kVoiceNameRole).toString();
}

void TFormCvt::TrackBarVolChange() {
    const int p = TrackBarVol->value();
    const auto v = std::uint32_t(p);
    FServices.Volume->Set(v | (v << 16));
    //: %1 is a whole percentage, %2 the slider's value
    ShowStatus(
        tr(" Volume: %1% [%2] -- Left/Right arrow key to Fine-tune").arg(p * 100 / 65535).arg(p));
}

void TFormCvt::TrackBarSpdChange() {
    const int p = TrackBarSpd->value();
    Settings.Spd = p;
    //: %1 is a whole percentage of the speed range, %2 the speed in words per minute
    ShowStatus(tr(" Speed: %1% [%2] -- Left/Right arrow key to Fine-tune")
                   .arg((p - 50) * 100 / 450)
                   .arg(p));
}

void TFormCvt::InsertControlTag(const QString& tag) {
    QTextCursor c = Memo1->textCursor();
    const int p = c.selectionStart();
    c.setPosition(p);
    c.insertText(tag);
    c.setPosition(p);
    Memo1->setTextCursor(c);
}

void TFormCvt::ActionToolsShortPauseExecute() {
    // The setting counts seconds, the tag milliseconds.
    InsertControlTag(QStringLiteral("\\Pau=") + QString::number(Settings.ShortPau) +
                     QStringLiteral("000\\"));
}

void TFormCvt::ActionToolsLongPauseExecute() {
    InsertControlTag(QStringLiteral("\\Pau=") + QString::number(Settings.LongPau) +
                     QStringLiteral("000\\"));
}

void TFormCvt::ActionToolsWhisperExecute() {
    InsertControlTag(QStringLiteral("\\Chr=\"Whisper\"\\"));
}

void TFormCvt::ActionToolsMonotoneExecute() {
    InsertControlTag(QStringLiteral("\\Chr=\"Monotone\"\\"));
}

void TFormCvt::ActionToolsNormalExecute() {
    InsertControlTag(QStringLiteral("\\Chr=\"Normal\"\\"));
}

void TFormCvt::ActionToolsEmpExecute() {
    InsertControlTag(QStringLiteral("\\Emp\\"));
}

void TFormCvt::ActionToolsVolExecute() {
    InsertControlTag(QStringLiteral("\\Vol=%1\\").arg(Settings.DefVol));
}

void TFormCvt::ActionToolsSpdExecute() {
    InsertControlTag(QStringLiteral("\\Spd=%1\\").arg(Settings.DefSpd));
}

void TFormCvt::ActionToolsPitExecute() {
    InsertControlTag(QStringLiteral("\\Pit=%1\\").arg(Settings.DefPit));
}

void TFormCvt::Memo1KeyPress(QKeyEvent* event) {
    if (!Settings.KeyToSpeech || event->text().isEmpty())
        return;
    Settings.ConvertMode = 0;
    BeginReading(event->text(), true, true);
}
