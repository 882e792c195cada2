// The voice list, the volume and speed sliders, the control-tag commands and key-to-speech.
#include "Converter.h"

#include "Global.h"
#include "KoUtils.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>

using settings::Settings;

namespace {

// Hands every key the editor receives to its key-press handler, and lets the editor have it.
class TMemo1KeyFilter : public QObject {
public:
    explicit TMemo1KeyFilter(TFormCvt* form) : QObject(form), FForm(form) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            FForm->Memo1KeyPress(static_cast<QKeyEvent*>(event));
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
}

void TFormCvt::FillEngineList() {
    const QStringList& engines = MSpeech1->Engines();
    ComboBoxExEngines->clear();
    ComboBoxExEngines->addItems(engines);
    KoUtils::Guarded([this] {
        for (int i = 0; i < ComboBoxExEngines->count(); ++i) {
            const int image = VoiceImage(ComboBoxExEngines->itemText(i));
            ComboBoxExEngines->setItemIcon(
                i, QIcon(QStringLiteral(":/voices/voice%1.png").arg(image)));
            ComboBoxExEngines->setItemData(i, image, Qt::UserRole);
        }
    });
    try {
        const int stored = Settings.EngineIndex;
        if (stored < 0 || stored >= engines.size())
            throw speech::EMSpeechException(QStringLiteral("Specified Speech Engine not found"));
        ComboBoxExEngines->setCurrentIndex(stored);
        MSpeech1->SelectEngine(engines[stored]);
    } catch (const std::exception&) {
        try {
            if (engines.isEmpty())
                throw speech::EMSpeechException(
                    QStringLiteral("Specified Speech Engine not found"));
            // The stored voice is gone: the first one stands in, for the readings too.
            ComboBoxExEngines->setCurrentIndex(0);
            MSpeech1->SelectEngine(engines[0]);
            Settings.EngineIndex = 0;
        } catch (const std::exception&) {
            ShowStatus(QStringLiteral(
                " No speech engine is installed: documents can be edited but not read."));
        }
    }

    // The speed slider is set from Spd next. A stored speed beyond its range must move it, so
    // that the handler runs and writes the clamped value back.
    if (Settings.Spd > TrackBarSpd->maximum()) {
        const QSignalBlocker quiet(TrackBarSpd);
        TrackBarSpd->setValue(TrackBarSpd->minimum());
    }
}

void TFormCvt::ComboBoxExEnginesChange() {
    Settings.EngineIndex = ComboBoxExEngines->currentIndex();
}

void TFormCvt::TrackBarVolChange() {
    const int p = TrackBarVol->value();
    const auto v = std::uint32_t(p);
    FServices.Volume->Set(v | (v << 16));
    ShowStatus(QStringLiteral(" Volume: %1% [%2] -- Left/Right arrow key to Fine-tune")
                   .arg(p * 100 / 65535)
                   .arg(p));
}

void TFormCvt::TrackBarSpdChange() {
    const int p = TrackBarSpd->value();
    Settings.Spd = p;
    ShowStatus(QStringLiteral(" Speed: %1% [%2] -- Left/Right arrow key to Fine-tune")
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
