// SPDX-License-Identifier: GPL-3.0-or-later
// The reading and conversion controller: reading aloud, into WAV and into MP3.
#include "Converter.h"

#include "SysTray.h"

#include "Chapters.h"
#include "Global.h"
#include "KoUtils.h"
#include "Product.h"
#include "ReadingController.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

using settings::Playlist;
using settings::Settings;

namespace {

QString RunSaveDialog(QWidget* parent, const QString& title, const QString& filter,
                      const char* suffix, const QString& folder, QString& last) {
    QFileDialog dialog(parent, title, folder, filter);
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

// The format the options chose for the compressed conversion; MP3 when they name none.
audio::TFormat CompressedFormat() {
    const std::optional<audio::TFormat> f = audio::FormatOfKey(Settings.Format);
    return f && *f != audio::TFormat::Wav ? *f : audio::TFormat::Mp3;
}

// Asks for the name of the compressed conversion's file, in the options' format.
QString AskCompressedName(QWidget* parent, const QString& folder, QString& last) {
    const audio::TFormat format = CompressedFormat();
    if (format == audio::TFormat::Mp3)
        return RunSaveDialog(
            parent, QCoreApplication::translate("Reading", "Convert into Mp3 File"),
            QCoreApplication::translate("Reading", "Mp3 Files(*.mp3)"), "mp3", folder, last);
    const QByteArray ext = audio::ExtensionOf(format).mid(1).toLatin1();
    //: Title of the file dialog: %1 is the name of the audio format, such as "Ogg Vorbis"
    const QString title =
        QCoreApplication::translate("Reading", "Convert into %1 File").arg(audio::NameOf(format));
    //: A file dialog's filter: %1 is the name of the audio format, %2 its file name extension
    const QString filter = QCoreApplication::translate("Reading", "%1 Files(*.%2)")
                               .arg(audio::NameOf(format), QString::fromLatin1(ext));
    return RunSaveDialog(parent, title, filter, ext.constData(), folder, last);
}

// A document's chapters as the options ask for them: the importer's headings, else headings
// of the plain text, else parts by minutes where the options give some.
void AddChapters(mainwindow::TReadingRequest& r, documents::TImportedDocument structure,
                 const QString& path) {
    const QString mode = Settings.Chapters.toLower();
    if (mode != QLatin1String("split") && mode != QLatin1String("marks"))
        return;
    r.Chapters = mode == QLatin1String("split") ? Lame::TTarget::Split : Lame::TTarget::Marks;
    structure.Text = r.Text; // the chapters' places are in the text as loaded
    r.ChapterStarts = structure.Chapters.isEmpty() ? chapters::FindHeadings(r.Text)
                                                   : chapters::FromDocument(structure);
    if (r.ChapterStarts.isEmpty() && Settings.ChapterMinutes > 0)
        r.ChapterStarts = chapters::EveryMinutes(r.Text, Settings.ChapterMinutes,
                                                 chapters::CharsPerSecond(Settings.Spd));
    r.Book = structure.Title.isEmpty() ? QFileInfo(path).completeBaseName() : structure.Title;
}

void SetEditorBackground(QPlainTextEdit* editor, const QColor& colour) {
    QPalette pal = editor->palette();
    if (pal.color(QPalette::Base) == colour)
        return;
    pal.setColor(QPalette::Base, colour);
    editor->setPalette(pal);
}

} // namespace

void TFormCvt::CreateReadingCommands() {
    FReading = new mainwindow::TReadingController(MSpeech1, this);
    connect(ActionTTS, &QAction::triggered, this, &TFormCvt::ActionTTSExecute);
    connect(ActionTTW, &QAction::triggered, this, &TFormCvt::ActionTTWExecute);
    connect(ActionTTM, &QAction::triggered, this, &TFormCvt::ActionTTMExecute);
    connect(ActionReadClipboard, &QAction::triggered, this, &TFormCvt::ActionReadClipboardExecute);
    connect(ActionReadSelection, &QAction::triggered, this, &TFormCvt::ActionReadSelectionExecute);
    connect(ActionTTXCursor, &QAction::triggered, this, &TFormCvt::ActionTTXCursorExecute);
    connect(ActionTTXSelected, &QAction::triggered, this, &TFormCvt::ActionTTXSelectedExecute);
    connect(ActionPause, &QAction::triggered, this, &TFormCvt::ActionPauseExecute);
    connect(ActionStop, &QAction::triggered, this, &TFormCvt::ActionStopExecute);
    connect(TimerWordPosition, &QTimer::timeout, this, &TFormCvt::TimerWordPositionTimer);
    connect(MainMenu1.Playback, &QMenu::aboutToShow, this, &TFormCvt::Playback1Click);
    connect(PopupMenuMemo, &QMenu::aboutToShow, this, &TFormCvt::PopupMenuMemoPopup);
    connect(FReading, &mainwindow::TReadingController::started, this,
            [this] { MSpeech1Start(MSpeech1); });
    connect(FReading, &mainwindow::TReadingController::paused, this, [this] { UpdateStatus(); });
    connect(FReading, &mainwindow::TReadingController::stopped, this, &TFormCvt::MSpeech1Stop);
    connect(FReading, &mainwindow::TReadingController::mp3Progress, this, &TFormCvt::Mp3Progress);
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
    const QPointer<TFormCvt> alive(this); // the read runs events
    const desktop::TClipboardText clip = ReadClipboard();
    if (alive && clip.State == desktop::TClipboardText::Text)
        ReadClipboardAloud(clip.Value);
}

// The text selected last in any program (the primary selection), without a copy.
void TFormCvt::ActionReadSelectionExecute() {
    const QPointer<TFormCvt> alive(this);
    const desktop::TClipboardText clip = ReadClipboard(QClipboard::Selection);
    if (!alive)
        return;
    if (clip.State == desktop::TClipboardText::Text && !clip.Value.trimmed().isEmpty())
        ReadClipboardAloud(clip.Value);
    else if (clip.State == desktop::TClipboardText::NoText ||
             clip.State == desktop::TClipboardText::Text)
        ShowStatus(tr(" No text is selected in any program."));
}

void TFormCvt::ReadClipboardAloud(const QString& text) {
    KoUtils::Guarded([&] {
        Settings.ConvertMode = 0;
        ReadKind = rkClipboard;
        BeginReading(text, false, false);
    });
}

void TFormCvt::SpeakGreeting() {
    ReadKind = rkNone;
    BeginReading(Settings.GreetingString, false, false);
}

void TFormCvt::StartReading(const QString& text) {
    BeginReading(text, true, false);
}

QString TFormCvt::AutoOutputName(TReadKind kind, const QString& extension) const {
    // The document being read is the one on screen (PlayIndex can still point to another one
    // after New, Open or a drop).
    const int i =
        TabControl1->currentIndex() >= 0 ? TabControl1->currentIndex() : Settings.PlayIndex;
    const QString folder =
        extension == QLatin1String(".wav") ? Settings.DefWavPath : Settings.DefMp3Path;
    return mainwindow::TReadingController::AutoOutputName(kind, extension, Playlist.value(i),
                                                          folder);
}

void TFormCvt::BeginReading(const QString& text, bool report, bool freeText) {
    UpdateModeCaptions();
    const int mode = Settings.ConvertMode;
    if (mode < 0 || mode > 2)
        return;
    mainwindow::TReadingRequest request;
    request.Text = text;
    request.Mode = mode;
    request.Kind = ReadKind;
    request.FreeText = freeText;
    request.EngineIndex = Settings.EngineIndex;
    request.EngineName = Settings.EngineName;
    request.Speed = Settings.Spd;
    request.RealTime = Settings.RealTime;
    request.Khz = Settings.KHZ;
    request.Kbps = Settings.KBPS;
    request.Format = CompressedFormat();
    if (Settings.Subtitles)
        request.Subtitles << audio::SubtitleFormatOfName(Settings.SubtitleFormat)
                                 .value_or(audio::TSubtitleFormat::Srt);
    if (mode != 0) {
        request.AutoWav = AutoOutputName(ReadKind, QStringLiteral(".wav"));
        request.AutoMp3 = AutoOutputName(ReadKind, audio::ExtensionOf(request.Format));
    }
    if (mode == 2 && ReadKind == rkDocument && !freeText) {
        const int i =
            TabControl1->currentIndex() >= 0 ? TabControl1->currentIndex() : Settings.PlayIndex;
        const QString path = Playlist.value(i);
        AddChapters(request, FDocuments.Structure(path), path);
        if (!Settings.AutoName)
            request.AskBook = [this] {
                return AskCompressedName(this, SaveDialogMp3.InitialDir, FLastMp3Name);
            };
    }
    if (mode == 1 && !Settings.AutoName)
        request.AskWav = [this] {
            return RunSaveDialog(this, tr("Convert into Wav File"), tr("Wav Files(*.wav)"), "wav",
                                 SaveDialogWav.InitialDir, FLastWavName);
        };
    try {
        FLastHighlight = -1;
        FReading->Start(request);
    } catch (const std::exception& e) {
        if (FReading->StartReplaced()) {
            // Nothing runs any more: the window must not wait for a stop that never comes.
            UnlockAfterReading();
            ReadKind = rkNone;
        } else if (FReading->Active()) {
            ReadKind = FReading->Current().Kind; // the running reading goes on as it was
        } else {
            ReadKind = rkNone;
        }
        UpdateStatus();
        if (report)
            KoUtils::ShowMessageBox(QString::fromUtf8(e.what()), KoUtils::MB_ICONERROR);
    }
}

// --- Events of the speech component ---------------------------------------------------------

void TFormCvt::MSpeech1Start(speech::TMSpeech*) {
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
        FLocked = true;
    }
    // A conversion into MP3 is spoken by workers: it shows how much is done, not the word.
    const bool converting = FReading->Converting();
    ActionPause->setEnabled(true);
    ActionStop->setEnabled(true);
    ComboBoxExEngines->setEnabled(false);
    TrackBarSpd->setEnabled(false);
    GaugeWordPosition->setMaximum(converting ? 100 : std::max(1, FReading->SpokenLength()));
    GaugeWordPosition->setValue(0);
    TimerWordPosition->start();
    UpdateStatus();
}

void TFormCvt::UnlockAfterReading() {
    for (QAction* a : {ActionTTS, ActionTTW, ActionTTM, ActionTTXCursor, ActionTTXSelected})
        a->setEnabled(true);
    SetEditorBackground(Memo1, mainwindow::StoredColor(Settings.MemoBGColor, QPalette::Base));
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
    FLocked = false;
}

void TFormCvt::MSpeech1Stop(bool ended) {
    const mainwindow::TReading finished = FReading->Current();
    UnlockAfterReading();
    QString said;
    if (ended && finished.Mode == 2)
        said = RunMp3Step();
    FinishStop(ended, finished);
    if (!said.isEmpty() && !FReading->Active())
        ShowStatus(said); // what became of a book's chapters stays in view
}

void TFormCvt::FinishStop(bool ended, const mainwindow::TReading& finished) {
    if (ended && finished.Mode == 1)
        //: Title of a desktop notification; its text is the written file
        NotifyIfHidden(tr("Conversion finished"), finished.Wav);
    // The MP3 step's dialog and message box keep the events flowing: a reading started
    // meanwhile owns the window now.
    if (!FReading->Active()) {
        if (ended && !finished.FreeText && finished.Kind == rkDocument && Settings.AutoNext &&
            ReadKind == rkDocument && ActionNext->isEnabled())
            ActionNextExecute(); // its tab-change step starts the next document's reading
        else
            ReadKind = rkNone;
    }
    UpdateStatus();
}

// Names the finished conversion's MP3 file: the automatic name fixed at its start, or the one
// the user picks. The file was written while the text was spoken; a stopped or failed
// conversion leaves none. A split book's files have their names already. Returns what the
// status says of a book's chapters once the reading is over.
QString TFormCvt::RunMp3Step() {
    ShowStatus(tr("Converting..."));
    const mainwindow::TReading finished = FReading->Current();
    QString mp3;
    if (FReading->Mp3Ready() && !Settings.AutoName && finished.Playlist.isEmpty())
        mp3 = AskCompressedName(this, SaveDialogMp3.InitialDir, FLastMp3Name);
    mainwindow::TMp3Result result;
    {
        // Into another file system the file is copied.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        result = FReading->FinishMp3(mp3);
    }
    if (result.State == mainwindow::TMp3Result::NothingSpoken) {
        ShowStatus(tr(" Nothing was spoken, so no MP3 file was written."));
    } else if (result.State == mainwindow::TMp3Result::Cancelled) {
        ShowStatus(tr(" Stopped: no MP3 file was written."));
    } else if (result.State == mainwindow::TMp3Result::Failed) {
        KoUtils::ShowMessageBox(result.Error, KoUtils::MB_ICONERROR);
    } else {
        const QString written = !finished.Playlist.isEmpty() ? finished.Playlist
                                : mp3.isEmpty()              ? finished.Mp3
                                                             : mp3;
        //: Title of a desktop notification; its text is the written file
        NotifyIfHidden(tr("Conversion finished"), written);
        if (!finished.Playlist.isEmpty())
            //: %n is the number of audio files, %1 the name of the playlist file
            return tr(" %n files, one per chapter, and their playlist %1 were written.", nullptr,
                      result.Files)
                .arg(QFileInfo(finished.Playlist).fileName());
        if (finished.Unchaptered)
            return tr(" No chapters were found: the document went into one file.");
    }
    return {};
}

void TFormCvt::Mp3Progress(int percent) {
    GaugeWordPosition->setValue(percent);
    //: %1 is a whole percentage
    ShowStatus(tr("Converting... %1%").arg(percent));
}

// --- Pause, resume and stop -----------------------------------------------------------------

void TFormCvt::ActionPauseExecute() {
    try {
        if (FReading->Paused()) {
            if (PausedTab >= 0 && PausedTab < TabControl1->count()) {
                SelectTab(PausedTab);
                TabControl1Change();
                if (FLocked)
                    Memo1->setReadOnly(true); // the reloaded document is still being read
            }
            FReading->Resume();
            TimerWordPosition->start();
        } else {
            FReading->Pause();
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
        FReading->Stop();
    } catch (const std::exception& e) {
        KoUtils::ShowMessageBox(QString::fromUtf8(e.what()), KoUtils::MB_ICONERROR);
    }
}

// --- Following the spoken word --------------------------------------------------------------

void TFormCvt::TimerWordPositionTimer() {
    if (FReading->Converting())
        return; // no word to follow: the gauge shows the conversion's progress
    // The engine's index into the text as handed over; exact after letters that take more
    // than one byte.
    const int spoken = FReading->SpokenPosition();
    GaugeWordPosition->setValue(spoken);
    if (!Settings.Highlight || (ReadKind != rkDocument && ReadKind != rkPart) ||
        FReading->Current().FreeText)
        return;
    int pos = FReading->TextPosition(spoken) + (ReadKind == rkPart ? PartStart : 0);
    // Only the cursor moves: the text is not touched, so a tick costs the same for any size.
    const int last = std::max(0, Memo1->document()->characterCount() - 1);
    pos = std::clamp(pos, 0, last);
    if (pos != FLastHighlight) {
        QTextCursor c(Memo1->document());
        c.setPosition(pos);
        c.setPosition(std::min(pos + 1, last), QTextCursor::KeepAnchor);
        Memo1->setTextCursor(c);
        FLastHighlight = pos;
    }
    //: %1 is the position in the text of the word being read
    ShowStatus(tr("Word Position: %1").arg(Memo1->textCursor().selectionStart()));
}

// --- Status and captions --------------------------------------------------------------------

void TFormCvt::UpdateStatus() {
    UpdateMediaControls();
    const int tab = TabControl1->currentIndex();
    if (tab < 0)
        return;
    const QString caption = TabTitle(tab);
    QString suffix;
    switch (Settings.ConvertMode) {
    case 0:
        //: How a document is read, after its name and a space: "Reading <document> Aloud"
        suffix = tr(" Aloud");
        break;
    case 1:
        //: How a document is read, after its name and a space: "Reading <document> to WAV"
        suffix = tr(" to WAV");
        break;
    case 2:
        //: How a document is read, after its name and a space: "Reading <document> to MP3"
        suffix = tr(" to MP3");
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
        //: %1 is the document's name, %2 how it is read, with a space before it (" Aloud")
        s = tr("Reading %1%2").arg(caption, suffix);
        break;
    case rkPart:
        //: A part of the document is read: %1 is its name, %2 how it is read (" Aloud")
        s = tr("Reading %1 [PART]%2").arg(caption, suffix);
        break;
    case rkClipboard:
        //: %1 is how the clipboard is read, with a space before it (" Aloud")
        s = tr("Reading Clipboard%1").arg(suffix);
        break;
    }
    ShowStatus(s);
    FTrayTip = s + QStringLiteral(" | ") + QLatin1String(product::ShortName);
    if (FReading->Paused())
        //: Added to the tray icon's tooltip
        FTrayTip += tr(" [Paused]");
    else if (!ActionStop->isEnabled())
        //: Added to the tray icon's tooltip
        FTrayTip += tr(" [Stopped]");
    SysTray1->SetHint(FTrayTip);
}

QString TFormCvt::TrayTipText() const {
    return FTrayTip;
}

void TFormCvt::UpdateModeCaptions() {
    static const char* const cursorCaptions[] = {
        QT_TRANSLATE_NOOP("Command", "Read from Cursor Aloud"),
        QT_TRANSLATE_NOOP("Command", "Read from Cursor to WAV File"),
        QT_TRANSLATE_NOOP("Command", "Read from Cursor to MP3 File")};
    static const char* const selectedCaptions[] = {
        QT_TRANSLATE_NOOP("Command", "Read Selected Text Aloud"),
        QT_TRANSLATE_NOOP("Command", "Read Selected Text to WAV File"),
        QT_TRANSLATE_NOOP("Command", "Read Selected Text to MP3 File")};
    const int mode = Settings.ConvertMode;
    if (mode < 0 || mode > 2)
        return;
    QAction* read[] = {ActionTTS, ActionTTW, ActionTTM};
    ToolButtonTTX->setDefaultAction(read[mode]);
    ActionTTXCursor->setText(QCoreApplication::translate("Command", cursorCaptions[mode]));
    ActionTTXSelected->setText(QCoreApplication::translate("Command", selectedCaptions[mode]));
}

void TFormCvt::Playback1Click() {
    ActionTTXSelected->setEnabled(Memo1->textCursor().hasSelection() &&
                                  (ReadKind == rkNone || ReadKind == rkClipboard));
}

void TFormCvt::PopupMenuMemoPopup() {
    Playback1Click();
}
