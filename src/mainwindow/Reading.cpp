// The reading and conversion controller: reading aloud, into WAV and into MP3.
#include "Converter.h"

#include "Global.h"
#include "KoUtils.h"
#include "Lame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <vector>

using namespace settings;

// The reading the engine is on. Its output names are fixed when it starts, so that what
// happens meanwhile (a Stop, another tab) cannot rename its result.
struct TFormCvt::TReadingState {
    bool Active = false;   // started, and its stop has not arrived
    bool FreeText = false; // a typed key: it neither converts nor advances
    int Mode = 0;          // ConvertMode at the start
    TReadKind Kind = rkNone;
    QString Wav;         // the file the engine writes, modes 1 and 2
    QString Mp3;         // the automatic MP3 name, mode 2
    bool Locked = false; // the editor and the read commands are locked

    // The spoken text ends every line with CR LF, the editor with one separator: where each
    // line starts in both, to turn the engine's word index into an editor position.
    std::vector<int> SpokenStarts;
    std::vector<int> EditorStarts;
    int SpokenLength = 0;
    int LastHighlight = -1;

    QString LastWavName, LastMp3Name; // what the save dialogs offer next time
    QString TrayTip;

    // O(log lines): the timer asks on every tick.
    int EditorPosition(int spoken) const {
        if (SpokenStarts.empty())
            return 0;
        auto it = std::upper_bound(SpokenStarts.begin(), SpokenStarts.end(), spoken);
        const std::size_t line =
            it == SpokenStarts.begin() ? 0 : std::size_t(it - SpokenStarts.begin() - 1);
        const int next = line + 1 < SpokenStarts.size() ? SpokenStarts[line + 1] : SpokenLength;
        const int length = next - SpokenStarts[line] - 2; // without its CR LF
        return EditorStarts[line] + std::clamp(spoken - SpokenStarts[line], 0, std::max(0, length));
    }
};

namespace {

constexpr const char* AppName = "NURVA";

// The text as lines, the way a string list takes a text: lines end at CR, LF or CR LF, and a
// final line break adds no empty line. `spoken`/`editor` get where each line starts.
QStringList SplitLines(const QString& text, std::vector<int>& spoken, std::vector<int>& editor,
                       int& spokenLength) {
    QStringList lines;
    spoken.clear();
    editor.clear();
    int spokenAt = 0;
    const int n = int(text.size());
    int start = 0;
    for (int i = 0; i < n;) {
        QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        spoken.push_back(spokenAt);
        editor.push_back(start);
        lines << text.mid(start, i - start);
        spokenAt += i - start + 2;
        i += (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ? 2 : 1;
        start = i;
    }
    if (start < n) {
        spoken.push_back(spokenAt);
        editor.push_back(start);
        lines << text.mid(start);
        spokenAt += n - start + 2;
    }
    spokenLength = spokenAt;
    return lines;
}

QString ReplaceExtension(const QString& fileName, const QString& extension) {
    int dot = int(fileName.lastIndexOf(u'.'));
    return (dot > 0 ? fileName.left(dot) : fileName) + extension;
}

// Reserves a name for an intermediate WAV file that nothing else owns: the automatic name when
// it is free, else the first free "name-N.wav" beside it. Empty when the folder can't be written.
QString ReserveIntermediate(const QString& wanted) {
    const QString stem = ReplaceExtension(wanted, QString());
    for (int n = 0; n < 1000; ++n) {
        QString name = n == 0 ? wanted : QStringLiteral("%1-%2.wav").arg(stem).arg(n);
        QFile f(name);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        if (!QFileInfo::exists(name))
            return {}; // the folder refuses it: nothing to reserve
    }
    return {};
}

QString RunSaveDialog(QWidget* parent, const char* title, const char* filter, const char* suffix,
                      const QString& folder, QString& last) {
    QFileDialog dialog(parent, QString::fromLatin1(title), folder, QString::fromLatin1(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(suffix));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!last.isEmpty())
        dialog.selectFile(last);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    last = dialog.selectedFiles().constFirst();
    return last;
}

void SetEditorBackground(QPlainTextEdit* editor, const QColor& colour) {
    QPalette pal = editor->palette();
    if (pal.color(QPalette::Base) == colour)
        return;
    pal.setColor(QPalette::Base, colour);
    editor->setPalette(pal);
}

class TBusyCursor {
public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { Restore(); }
    void Restore() {
        if (FOn)
            QApplication::restoreOverrideCursor();
        FOn = false;
    }

private:
    bool FOn = true;
};

} // namespace

void TFormCvt::CreateReadingCommands() {
    FReadingState = std::make_shared<TReadingState>();
    connect(ActionTTS, &QAction::triggered, this, &TFormCvt::ActionTTSExecute);
    connect(ActionTTW, &QAction::triggered, this, &TFormCvt::ActionTTWExecute);
    connect(ActionTTM, &QAction::triggered, this, &TFormCvt::ActionTTMExecute);
    connect(ActionReadClipboard, &QAction::triggered, this, &TFormCvt::ActionReadClipboardExecute);
    connect(ActionTTXCursor, &QAction::triggered, this, &TFormCvt::ActionTTXCursorExecute);
    connect(ActionTTXSelected, &QAction::triggered, this, &TFormCvt::ActionTTXSelectedExecute);
    connect(ActionPause, &QAction::triggered, this, &TFormCvt::ActionPauseExecute);
    connect(ActionStop, &QAction::triggered, this, &TFormCvt::ActionStopExecute);
    connect(TimerWordPosition, &QTimer::timeout, this, &TFormCvt::TimerWordPositionTimer);
    connect(MainMenu1.Playback, &QMenu::aboutToShow, this, &TFormCvt::Playback1Click);
    connect(PopupMenuMemo, &QMenu::aboutToShow, this, &TFormCvt::PopupMenuMemoPopup);
    MSpeech1->OnStart = [this](speech::TMSpeech* s) { MSpeech1Start(s); };
    MSpeech1->OnStop = [this](speech::TMSpeech* s) { MSpeech1Stop(s); };
}

// --- Starting -------------------------------------------------------------------------------

void TFormCvt::ActionTTSExecute() {
    Settings.ConvertMode = 0;
    ReadKind = rkDocument;
    StartReading(Memo1->toPlainText());
}

void TFormCvt::ActionTTWExecute() {
    Settings.ConvertMode = 1;
    ReadKind = rkDocument;
    StartReading(Memo1->toPlainText());
}

void TFormCvt::ActionTTMExecute() {
    Settings.ConvertMode = 2;
    ReadKind = rkDocument;
    StartReading(Memo1->toPlainText());
}

void TFormCvt::ActionTTXCursorExecute() {
    ReadKind = rkPart;
    PartStart = Memo1->textCursor().selectionStart();
    StartReading(Memo1->toPlainText().mid(PartStart));
}

void TFormCvt::ActionTTXSelectedExecute() {
    ReadKind = rkPart;
    const QTextCursor c = Memo1->textCursor();
    PartStart = c.selectionStart();
    // Taken from the plain text: the cursor's own selected text has paragraph separators.
    StartReading(Memo1->toPlainText().mid(PartStart, c.selectionEnd() - PartStart));
}

void TFormCvt::ActionReadClipboardExecute() {
    try {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        if (!data || !data->hasText())
            return;
        Settings.ConvertMode = 0;
        ReadKind = rkClipboard;
        BeginReading(data->text(), false, false);
    } catch (...) {
    }
}

void TFormCvt::SpeakGreeting() {
    ReadKind = rkNone;
    BeginReading(Settings.GreetingString, false, false);
}

void TFormCvt::StartReading(const QString& text) {
    BeginReading(text, true, false);
}

QString TFormCvt::AutoOutputName(TReadKind kind, const QString& extension) const {
    const QString folder =
        extension == QLatin1String(".wav") ? Settings.DefWavPath : Settings.DefMp3Path;
    // The document being read is the one on screen (PlayIndex can still point to another one
    // after New, Open or a drop).
    const int i =
        TabControl1->currentIndex() >= 0 ? TabControl1->currentIndex() : Settings.PlayIndex;
    if ((kind == rkDocument || kind == rkPart) && i >= 0 && i < Playlist.size()) {
        QString name = ReplaceExtension(QFileInfo(Playlist[i]).fileName(), extension);
        return folder + (kind == rkPart ? QStringLiteral("PartOf") : QString()) + name;
    }
    return folder + QStringLiteral("Clipboard") + extension;
}

void TFormCvt::BeginReading(const QString& text, bool report, bool freeText) {
    TReadingState& r = *FReadingState;
    UpdateModeCaptions();
    const int mode = Settings.ConvertMode;
    if (mode < 0 || mode > 2)
        return;
    bool replaced = false; // the engine was rebound: any earlier reading is over
    QString reserved;      // an intermediate WAV made for this start
    try {
        const QStringList& engines = MSpeech1->Engines;
        if (engines.isEmpty())
            throw speech::EMSpeechException(QStringLiteral(
                "No speech engine is installed. Install espeak-ng to hear the documents."));
        if (Settings.EngineIndex < 0 || Settings.EngineIndex >= engines.size())
            throw speech::EMSpeechException(
                QStringLiteral("Voice number %1 is not installed.").arg(Settings.EngineIndex));
        MSpeech1->Output = mode == 0 ? speech::soGeneral : speech::soFile;
        MSpeech1->SelectEngine(engines[0]);
        replaced = true;
        AbandonReading();
        MSpeech1->SelectEngine(engines[Settings.EngineIndex]);

        QString wav, mp3;
        if (mode == 1) {
            if (!Settings.AutoName)
                wav = RunSaveDialog(this, "Convert into Wav File", "Wav Files(*.wav)", "wav",
                                    SaveDialogWav.InitialDir, r.LastWavName);
            if (wav.isEmpty())
                wav = AutoOutputName(ReadKind, QStringLiteral(".wav"));
        } else if (mode == 2) {
            // Never over a file that is already there: it is deleted after the encoding.
            const QString wanted = AutoOutputName(ReadKind, QStringLiteral(".wav"));
            reserved = ReserveIntermediate(wanted);
            wav = reserved.isEmpty() ? wanted : reserved;
            mp3 = AutoOutputName(ReadKind, QStringLiteral(".mp3"));
        }
        if (mode != 0) {
            MSpeech1->Filename = wav;
            std::shared_ptr<speech::IUnknown> dest;
            MSpeech1->GetInterface(0, dest);
            std::shared_ptr<speech::IAudioFile> file;
            if (dest && speech::Succeeded(speech::QueryInterface(dest, file)) && file)
                file->RealTimeSet(speech::WORD(Settings.RealTime & 0xFFFF));
        }
        MSpeech1->SetText(SplitLines(text, r.SpokenStarts, r.EditorStarts, r.SpokenLength));
        MSpeech1->SetSpeed(std::uint32_t(Settings.Spd));
        r.Active = true;
        r.FreeText = freeText;
        r.Mode = mode;
        r.Kind = ReadKind;
        r.Wav = wav;
        r.Mp3 = mp3;
        r.LastHighlight = -1;
        MSpeech1->Speak();
    } catch (const std::exception& e) {
        if (!reserved.isEmpty())
            QFile::remove(reserved);
        QString message = QString::fromUtf8(e.what());
        if (replaced && mode != 0 && message == QLatin1String("Can not open file"))
            message += QStringLiteral("\n\n") + MSpeech1->Filename;
        if (replaced) {
            // Nothing runs any more: the window must not wait for a stop that never comes.
            r.Active = false;
            UnlockAfterReading();
            ReadKind = rkNone;
        } else if (r.Active) {
            ReadKind = r.Kind; // the running reading goes on as it was
        } else {
            ReadKind = rkNone;
        }
        UpdateStatus();
        if (report)
            KoUtils::ShowMessageBox(message, KoUtils::MB_ICONERROR);
    }
}

// A reading replaced before its end never reports a stop: its intermediate WAV would be left
// behind half written.
void TFormCvt::AbandonReading() {
    TReadingState& r = *FReadingState;
    if (r.Active && r.Mode == 2 && !r.Wav.isEmpty())
        QFile::remove(r.Wav);
    r.Active = false;
}

// --- Events of the speech component ---------------------------------------------------------

void TFormCvt::MSpeech1Start(speech::TMSpeech*) {
    TReadingState& r = *FReadingState;
    if (ReadKind == rkDocument || ReadKind == rkPart) {
        Settings.PlayIndex = TabControl1->currentIndex();
        for (QAction* a : {ActionTTS, ActionTTW, ActionTTM, ActionTTXCursor, ActionTTXSelected})
            a->setEnabled(false);
        if (Settings.Highlight && isVisible()) {
            Memo1->setReadOnly(false);
            Memo1->setFocus();
        }
        SetEditorBackground(Memo1, palette().color(QPalette::Button));
        Memo1->setReadOnly(true);
        r.Locked = true;
    }
    ActionPause->setEnabled(true);
    ActionStop->setEnabled(true);
    ComboBoxExEngines->setEnabled(false);
    TrackBarSpd->setEnabled(false);
    GaugeWordPosition->setMaximum(std::max(1, r.SpokenLength));
    GaugeWordPosition->setValue(0);
    TimerWordPosition->start();
    UpdateStatus();
}

void TFormCvt::UnlockAfterReading() {
    TReadingState& r = *FReadingState;
    for (QAction* a : {ActionTTS, ActionTTW, ActionTTM, ActionTTXCursor, ActionTTXSelected})
        a->setEnabled(true);
    SetEditorBackground(Memo1, mainwindow::StoredColor(Settings.MemoBGColor));
    // A document that could not be loaded stays read-only, so that nothing is saved over it.
    Memo1->setReadOnly(DocumentUnloaded());
    QTextCursor c = Memo1->textCursor();
    if (c.hasSelection()) {
        c.setPosition(c.selectionStart());
        Memo1->setTextCursor(c);
    }
    ActionPause->setEnabled(false);
    ActionStop->setEnabled(false);
    ComboBoxExEngines->setEnabled(true);
    TrackBarSpd->setEnabled(true);
    GaugeWordPosition->setValue(0);
    TimerWordPosition->stop();
    r.Locked = false;
}

void TFormCvt::MSpeech1Stop(speech::TMSpeech*) {
    TReadingState& r = *FReadingState;
    if (MSpeech1->Paused) {
        UpdateStatus();
        return;
    }
    const bool ended = r.Active; // the reading that was started has come to its end
    r.Active = false;
    UnlockAfterReading();
    if (ended && r.Mode == 2)
        RunMp3Step();
    // The MP3 step's dialog and message box keep the events flowing: a reading started
    // meanwhile owns the window now.
    if (!r.Active) {
        if (ended && !r.FreeText && r.Kind == rkDocument && Settings.AutoNext &&
            ReadKind == rkDocument && ActionNext->isEnabled())
            ActionNextExecute(); // its tab-change step starts the next document's reading
        else
            ReadKind = rkNone;
    }
    UpdateStatus();
}

// Encodes the finished WAV file into MP3 under the names fixed at the start. The WAV file
// goes only once the MP3 file is written; a failed encoding keeps it and says so.
void TFormCvt::RunMp3Step() {
    const QString wav = FReadingState->Wav;
    QString mp3 = FReadingState->Mp3;
    PanelStatus->setText(QStringLiteral("Converting..."));
    TBusyCursor busy;
    if (!Settings.AutoName) {
        QString chosen = RunSaveDialog(this, "Convert into Mp3 File", "Mp3 Files(*.mp3)", "mp3",
                                       SaveDialogMp3.InitialDir, FReadingState->LastMp3Name);
        if (!chosen.isEmpty())
            mp3 = chosen;
    }
    QFileInfo spoken(wav);
    if (!spoken.isFile() || spoken.size() <= 44) {
        // A conversion stopped before the first word: there is nothing to encode.
        QFile::remove(wav);
        PanelStatus->setText(QStringLiteral(" Nothing was spoken, so no MP3 file was written."));
        return;
    }
    repaint();
    Lame::Result result = Lame::WavToMp3(wav, mp3, Settings.KHZ, Settings.KBPS, QStringLiteral("s"),
                                         QStringLiteral("5"));
    if (!result.Ok)
        result = Lame::WavToMp3(wav, mp3, QStringLiteral("automatic"), QStringLiteral("128"),
                                QStringLiteral("s"), QStringLiteral("5"));
    busy.Restore();
    if (result.Ok) {
        QFile::remove(wav);
        return;
    }
    KoUtils::ShowMessageBox(QStringLiteral("The MP3 file %1 could not be written.\n\n%2\n\nThe "
                                           "spoken text is kept in %3.")
                                .arg(mp3, result.Error, wav),
                            KoUtils::MB_ICONERROR);
}

// --- Pause, resume and stop -----------------------------------------------------------------

void TFormCvt::ActionPauseExecute() {
    try {
        if (MSpeech1->Paused) {
            if (PausedTab >= 0 && PausedTab < TabControl1->count()) {
                SelectTab(PausedTab);
                TabControl1Change();
                if (FReadingState->Locked)
                    Memo1->setReadOnly(true); // the reloaded document is still being read
            }
            MSpeech1->Resume();
            TimerWordPosition->start();
        } else {
            MSpeech1->Pause();
            TimerWordPosition->stop();
            QTextCursor c = Memo1->textCursor();
            c.setPosition(c.selectionStart());
            Memo1->setTextCursor(c);
            PausedTab = TabControl1->currentIndex();
        }
        UpdateStatus(); // the tray tells a pause from a reading
    } catch (const std::exception& e) {
        KoUtils::ShowMessageBox(QString::fromUtf8(e.what()), KoUtils::MB_ICONERROR);
    }
}

void TFormCvt::ActionStopExecute() {
    ReadKind = rkNone; // so that the stop which follows does not advance
    try {
        if (MSpeech1->Paused)
            MSpeech1->Resume();
        MSpeech1->Stop();
    } catch (const std::exception& e) {
        KoUtils::ShowMessageBox(QString::fromUtf8(e.what()), KoUtils::MB_ICONERROR);
    }
}

// --- Following the spoken word --------------------------------------------------------------

void TFormCvt::TimerWordPositionTimer() {
    TReadingState& r = *FReadingState;
    // The engine's index into the text as handed over (lines ending in CR LF); exact after
    // letters that take more than one byte.
    const int spoken = std::clamp(MSpeech1->WordCharOffset, 0, GaugeWordPosition->maximum());
    GaugeWordPosition->setValue(spoken);
    if (!Settings.Highlight || (ReadKind != rkDocument && ReadKind != rkPart) || r.FreeText)
        return;
    int pos = r.EditorPosition(spoken) + (ReadKind == rkPart ? PartStart : 0);
    // Only the cursor moves: the text is not touched, so a tick costs the same for any size.
    const int last = std::max(0, Memo1->document()->characterCount() - 1);
    pos = std::clamp(pos, 0, last);
    if (pos != r.LastHighlight) {
        QTextCursor c(Memo1->document());
        c.setPosition(pos);
        c.setPosition(std::min(pos + 1, last), QTextCursor::KeepAnchor);
        Memo1->setTextCursor(c);
        r.LastHighlight = pos;
    }
    PanelStatus->setText(
        QStringLiteral("Word Position: %1").arg(Memo1->textCursor().selectionStart()));
}

// --- Status and captions --------------------------------------------------------------------

void TFormCvt::UpdateStatus() {
    const int tab = TabControl1->currentIndex();
    if (tab < 0)
        return;
    const QString caption = TabControl1->tabText(tab);
    QString suffix;
    switch (Settings.ConvertMode) {
    case 0:
        suffix = QStringLiteral(" Aloud");
        break;
    case 1:
        suffix = QStringLiteral(" to WAV");
        break;
    case 2:
        suffix = QStringLiteral(" to MP3");
        break;
    default:
        break;
    }
    QString s;
    switch (ReadKind) {
    case rkNone:
        s = caption;
        break;
    case rkDocument:
        s = QStringLiteral("Reading ") + caption + suffix;
        break;
    case rkPart:
        s = QStringLiteral("Reading ") + caption + QStringLiteral(" [PART]") + suffix;
        break;
    case rkClipboard:
        s = QStringLiteral("Reading Clipboard") + suffix;
        break;
    }
    PanelStatus->setText(s);
    QString tip = s + QStringLiteral(" | ") + QLatin1String(AppName);
    if (!ActionStop->isEnabled())
        tip += QStringLiteral(" [Stopped]");
    if (MSpeech1->Paused)
        tip = s + QStringLiteral(" | ") + QLatin1String(AppName) + QStringLiteral(" [Paused]");
    FReadingState->TrayTip = tip;
}

QString TFormCvt::TrayTipText() const {
    return FReadingState->TrayTip;
}

void TFormCvt::UpdateModeCaptions() {
    static const char* const cursorCaptions[] = {
        "Read from Cursor Aloud", "Read from Cursor to WAV File", "Read from Cursor to MP3 File"};
    static const char* const selectedCaptions[] = {"Read Selected Text Aloud",
                                                   "Read Selected Text to WAV File",
                                                   "Read Selected Text to MP3 File"};
    const int mode = Settings.ConvertMode;
    if (mode < 0 || mode > 2)
        return;
    QAction* read[] = {ActionTTS, ActionTTW, ActionTTM};
    ToolButtonTTX->setDefaultAction(read[mode]);
    ActionTTXCursor->setText(QString::fromLatin1(cursorCaptions[mode]));
    ActionTTXSelected->setText(QString::fromLatin1(selectedCaptions[mode]));
}

void TFormCvt::Playback1Click() {
    ActionTTXSelected->setEnabled(Memo1->textCursor().hasSelection() &&
                                  (ReadKind == rkNone || ReadKind == rkClipboard));
}

void TFormCvt::PopupMenuMemoPopup() {
    Playback1Click();
}
