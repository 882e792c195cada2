// The document list: the tab strip and the editor as a view of one file of the playlist.
#include "Converter.h"

#include "Global.h"
#include "KoUtils.h"
#include "TextFile.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>

#include <new>

using namespace settings;

namespace {

const char* const WelcomeText = "Welcome to Parlova Text To Speech Reader";
const char* const TextFilter = "Text Files(*.txt);;All Files(*.*)";

// The editor holds a document about four times its size; beyond this a document is refused
// rather than taking the memory of the whole desktop.
constexpr qint64 MaxDocumentSize = 64 * 1024 * 1024;

enum class TLineEnd { Lf, CrLf, Cr };

// How a document was stored, so that a save writes it back the same way.
struct TFormat {
    TextEncoding Encoding = TextEncoding::Utf8;
    TLineEnd LineEnd = TLineEnd::Lf;
};

TLineEnd FirstLineEnd(const QString& text) {
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    for (; p != end; ++p) {
        if (*p == u'\n')
            return TLineEnd::Lf;
        if (*p == u'\r')
            return p + 1 != end && p[1] == u'\n' ? TLineEnd::CrLf : TLineEnd::Cr;
    }
    return TLineEnd::Lf;
}

// The document's text with "\n" line ends; a file that is not text (it holds NUL characters
// outside UTF-16) is refused like an unreadable one.
QString DecodeDocument(const QString& path, QByteArray bytes, TFormat& format) {
    QString text = DecodeText(bytes, &format.Encoding, true);
    bytes = QByteArray(); // the text is all that is kept
    if (text.contains(QChar(0)))
        throw EFileError(QStringLiteral("Cannot read \"%1\": it is not a text file").arg(path));
    format.LineEnd = FirstLineEnd(text);
    if (text.contains(u'\r')) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
    }
    return text;
}

// Creates a file that must not exist yet, so that nothing is ever written over another file.
// A failed write leaves no half-written file behind.
void CreateNewFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    auto fail = [&] {
        return EFileError(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw fail();
    if (file.write(data) != data.size() || !file.flush()) {
        EFileError error = fail();
        file.close();
        file.remove();
        throw error;
    }
}

// Tab captions are plain text: "&" is not a mnemonic in a file name.
QString Caption(const QString& path) {
    return QFileInfo(path).completeBaseName().replace(u'&', QStringLiteral("&&"));
}

// Right clicks on the tab strip go to TabControl1MouseUp.
class TTabMouseFilter : public QObject {
public:
    TTabMouseFilter(TFormCvt* form, QObject* parent) : QObject(parent), FForm(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease)
            FForm->TabControl1MouseUp(static_cast<QMouseEvent*>(event));
        return QObject::eventFilter(watched, event);
    }

private:
    TFormCvt* FForm;
};

} // namespace

struct TFormCvt::TDocuments {
    // By exact path, as each document was last read or written.
    QHash<QString, TFormat> Formats;
    // The file the editor shows; empty when it shows none.
    QString ShownPath;
    // Why the shown file could not be loaded; empty when it was.
    QString Unloaded;
};

void TFormCvt::CreateDocumentCommands() {
    FDocuments = std::make_shared<TDocuments>();
    connect(ActionFileNew, &QAction::triggered, this, &TFormCvt::ActionFileNewExecute);
    connect(ActionFileOpen, &QAction::triggered, this, &TFormCvt::ActionFileOpenExecute);
    connect(ActionFileSave, &QAction::triggered, this, &TFormCvt::ActionFileSaveExecute);
    connect(ActionFileSaveAs, &QAction::triggered, this, &TFormCvt::ActionFileSaveAsExecute);
    connect(ActionFileClose, &QAction::triggered, this, &TFormCvt::ActionFileCloseExecute);
    connect(ActionFileCloseAll, &QAction::triggered, this, &TFormCvt::ActionFileCloseAllExecute);
    connect(ActionFileMoveFirst, &QAction::triggered, this, &TFormCvt::ActionFileMoveFirstExecute);
    connect(ActionFileMovePrev, &QAction::triggered, this, &TFormCvt::ActionFileMovePrevExecute);
    connect(ActionFileMoveNext, &QAction::triggered, this, &TFormCvt::ActionFileMoveNextExecute);
    connect(ActionFileMoveLast, &QAction::triggered, this, &TFormCvt::ActionFileMoveLastExecute);
    connect(ActionPrev, &QAction::triggered, this, &TFormCvt::ActionPrevExecute);
    connect(ActionNext, &QAction::triggered, this, &TFormCvt::ActionNextExecute);

    // Selections made from code block the signal: only the user's own choice of a tab (a click,
    // the keyboard, the wheel) runs the tab-change step here.
    connect(TabControl1, &QTabBar::currentChanged, this, [this] { TabControl1Change(); });
    TabControl1->setContextMenuPolicy(Qt::PreventContextMenu);
    TabControl1->installEventFilter(new TTabMouseFilter(this, TabControl1));

    PopupMenuTab->addActions({ActionFileSave, ActionFileSaveAs});
    PopupMenuTab->addSeparator();
    PopupMenuTab->addActions({ActionFileClose, ActionFileCloseAll});
    PopupMenuTab->addSeparator();
    PopupMenuTab->addActions(
        {ActionFileMoveFirst, ActionFileMovePrev, ActionFileMoveNext, ActionFileMoveLast});
}

bool TFormCvt::DocumentUnloaded() const {
    return !FDocuments->Unloaded.isEmpty();
}

void TFormCvt::SelectTab(int index) {
    {
        const QSignalBlocker block(TabControl1);
        TabControl1->setCurrentIndex(index);
    }
    UpdateNavigation();
}

// --- The tab-change step ----------------------------------------------------------------------

void TFormCvt::TabControl1Change() {
    ChangeTab(true);
}

void TFormCvt::ChangeTab(bool reload) {
    // 1., 2., 3.
    Settings.PlayIndex = TabControl1->currentIndex();
    UpdateNavigation();
    // 4.
    if (reload)
        ShowDocument();
    // 5.
    if (ReadKind == rkDocument && !MSpeech1->Paused) {
        ActionStopExecute();
        switch (Settings.ConvertMode) {
        case 0:
            ActionTTSExecute();
            break;
        case 1:
            ActionTTWExecute();
            break;
        case 2:
            ActionTTMExecute();
            break;
        default:
            break;
        }
    }
    // 6., 7.
    UpdateStatus();
    const int i = Settings.PlayIndex;
    if (i < 0 || i >= Playlist.size())
        return;
    if (DocumentUnloaded() && FDocuments->ShownPath == Playlist[i])
        PanelStatus->setText(QLatin1Char(' ') + FDocuments->Unloaded);
    else
        PanelStatus->setText(
            QStringLiteral(" %1 [%2 Bytes]").arg(Playlist[i], KoUtils::FileSizeText(Playlist[i])));
}

// Move and switch commands follow the current tab; Prev and Next wrap with Repeat.
void TFormCvt::UpdateNavigation() {
    const int i = TabControl1->currentIndex();
    const int last = int(Playlist.size()) - 1;
    ActionFileMoveFirst->setEnabled(i > 0);
    ActionFileMovePrev->setEnabled(i > 0);
    ActionFileMoveNext->setEnabled(i >= 0 && i < last);
    ActionFileMoveLast->setEnabled(i >= 0 && i < last);
    ActionPrev->setEnabled(Settings.Repeat || i >= 1);
    ActionNext->setEnabled(Settings.Repeat || i < last);
}

// Loads the current document into the editor. A missing file gets the welcome text, written
// to its path; a file that exists but cannot be loaded is left alone: the editor stays empty
// and read-only, and the status says why.
void TFormCvt::KeepEdits() {
    // The editor is a view of one file: before it shows another (or the same one afresh), or
    // the program ends, what the user typed goes into the file it belongs to.
    const TDocuments& d = *FDocuments;
    if (d.ShownPath.isEmpty() || DocumentUnloaded() || !Memo1->document()->isModified())
        return;
    SaveEditorTo(d.ShownPath, nullptr);
}

void TFormCvt::ShowDocument() {
    KeepEdits();
    TDocuments& d = *FDocuments;
    const int i = Settings.PlayIndex;
    d.ShownPath.clear();
    d.Unloaded.clear();
    if (i < 0 || i >= Playlist.size()) {
        Memo1->clear();
        Memo1->setReadOnly(true);
        return;
    }
    const QString path = Playlist[i];
    d.ShownPath = path;
    QString text;
    try {
        std::optional<QByteArray> bytes = ReadWholeFile(path, MaxDocumentSize);
        if (!bytes) {
            const QString welcome = QString::fromLatin1(WelcomeText);
            Memo1->setPlainText(welcome);
            Memo1->setReadOnly(false);
            d.Formats.insert(path, TFormat{});
            try {
                CreateNewFile(path, welcome.toUtf8());
            } catch (const EFileError& e) {
                KoUtils::ShowMessageBox(e.Message(), KoUtils::MB_ICONERROR);
            }
            return;
        }
        TFormat format;
        text = DecodeDocument(path, std::move(*bytes), format);
        d.Formats.insert(path, format);
    } catch (const EFileError& e) {
        d.Unloaded = e.Message();
    } catch (const std::bad_alloc&) {
        d.Unloaded =
            QStringLiteral("Cannot read \"%1\": there is not enough memory for it").arg(path);
    }
    if (DocumentUnloaded()) {
        Memo1->clear();
        Memo1->setReadOnly(true);
        return;
    }
    Memo1->setPlainText(text); // keeps no undo history of the load
    Memo1->setReadOnly(false);
}

// --- Tabs -------------------------------------------------------------------------------------

void TFormCvt::FillTabs() {
    const int remembered = TabControl1->currentIndex();
    const QSignalBlocker block(TabControl1);
    for (int k = TabControl1->count() - 1; k >= 0; --k)
        TabControl1->removeTab(k);
    for (const QString& path : std::as_const(Playlist))
        TabControl1->addTab(Caption(path));
    if (TabControl1->count() > 0)
        TabControl1->setCurrentIndex(
            remembered >= 0 && remembered < TabControl1->count() ? remembered : 0);
}

void TFormCvt::RebuildTabs() {
    const bool hadTabs = TabControl1->count() > 0;
    FillTabs();
    UpdateNavigation();
    // The first documents of an empty list: the editor shows nothing yet, and a save must not
    // write that nothing over the selected document.
    if (!hadTabs && TabControl1->count() > 0)
        TabControl1Change();
}

void TFormCvt::RestorePlaylist() {
    try {
        if (Playlist.isEmpty()) {
            Memo1->setReadOnly(true);
            return;
        }
        if (Settings.PlayIndex < 0 || Settings.PlayIndex >= Playlist.size())
            Settings.PlayIndex = 0;
        FillTabs();
        SelectTab(Settings.PlayIndex);
        TabControl1Change();
    } catch (...) {
    }
}

// --- File commands ----------------------------------------------------------------------------

void TFormCvt::ActionFileNewExecute() {
    // The file is created before the editor is cleared: a failure loses nothing.
    QString name;
    for (int n = 1;; ++n) {
        name = QStringLiteral("%1untitled%2.txt").arg(Settings.DefTxtPath).arg(n);
        if (QFileInfo::exists(name) || QFileInfo(name).isSymLink() || Playlist.contains(name))
            continue;
        try {
            CreateNewFile(name, {});
            break;
        } catch (const EFileError& e) {
            const QFileInfo taken(name);
            if ((taken.exists() || taken.isSymLink()) && n < 100000)
                continue; // another program took the name just now
            KoUtils::ShowMessageBox(e.Message(), KoUtils::MB_ICONERROR);
            return;
        }
    }
    KeepEdits();
    Memo1->clear();
    Memo1->setReadOnly(false);
    FDocuments->ShownPath = name;
    FDocuments->Unloaded.clear();
    FDocuments->Formats.insert(name, TFormat{});
    Playlist.append(name);
    FillTabs();
    SelectTab(int(Playlist.size()) - 1);
}

void TFormCvt::ActionFileOpenExecute() {
    QFileDialog dialog(this, QStringLiteral("Open File(s) to Read"), OpenDialogTxt.InitialDir,
                       QString::fromLatin1(TextFilter));
    dialog.setObjectName(QStringLiteral("OpenDialogTxt"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const QString& chosen : dialog.selectedFiles()) {
        const QString path = QFileInfo(chosen).absoluteFilePath();
        if (!Playlist.contains(path))
            Playlist.append(path);
    }
    RebuildTabs();
}

// Writes the editor's text to `path` in the shown document's encoding and line ends. A text
// that its encoding cannot hold is written as UTF-8, and `notice` says so. Errors reach a
// message box; the old file and the editor stay as they were.
bool TFormCvt::SaveEditorTo(const QString& path, QString* notice) {
    const TFormat format = FDocuments->Formats.value(FDocuments->ShownPath);
    QString text = Memo1->document()->toRawText(); // keeps no-break spaces as they are
    text.replace(QChar::ParagraphSeparator, u'\n');
    if (format.LineEnd == TLineEnd::CrLf)
        text.replace(u'\n', QStringLiteral("\r\n"));
    else if (format.LineEnd == TLineEnd::Cr)
        text.replace(u'\n', u'\r');
    TextEncoding written = format.Encoding;
    try {
        WriteFileAtomically(path, EncodeText(text, format.Encoding, &written));
    } catch (const EFileError& e) {
        KoUtils::ShowMessageBox(e.Message(), KoUtils::MB_ICONERROR);
        return false;
    }
    FDocuments->Formats.insert(path, TFormat{written, format.LineEnd});
    if (written != format.Encoding && notice)
        *notice = QStringLiteral(
            "saved as UTF-8, since Windows-1252 cannot hold every character of the text");
    Memo1->document()->setModified(false);
    return true;
}

// The current tab's index when the editor holds its document and that document can be
// written; -1 otherwise (an unloaded document says why in the status).
int TFormCvt::SavableTab() {
    const int i = TabControl1->currentIndex();
    if (i < 0 || i >= Playlist.size() || Playlist[i] != FDocuments->ShownPath)
        return -1;
    if (DocumentUnloaded()) {
        PanelStatus->setText(QStringLiteral(" Not saved. ") + FDocuments->Unloaded);
        return -1;
    }
    return i;
}

void TFormCvt::ActionFileSaveExecute() {
    const int i = SavableTab();
    if (i < 0)
        return;
    QString notice;
    if (SaveEditorTo(Playlist[i], &notice) && !notice.isEmpty())
        PanelStatus->setText(QStringLiteral(" ") + Playlist[i] + QStringLiteral(": ") + notice);
}

void TFormCvt::ActionFileSaveAsExecute() {
    const int i = SavableTab();
    if (i < 0)
        return;
    QFileDialog dialog(this, QStringLiteral("Save As"), SaveDialogTxt.InitialDir,
                       QString::fromLatin1(TextFilter));
    dialog.setObjectName(QStringLiteral("SaveDialogTxt"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(Playlist[i]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    QString notice;
    if (!SaveEditorTo(chosen, &notice))
        return;
    FDocuments->ShownPath = chosen;
    const int other = int(Playlist.indexOf(chosen));
    if (other < 0) {
        Playlist[i] = chosen; // the document keeps its position
        RebuildTabs();
    } else if (other == i) {
        RebuildTabs(); // its own name: nothing to rename
    } else {
        // Onto another tab's file: that tab goes, and the saved document is the last one.
        Playlist.removeAt(i);
        Playlist.removeAll(chosen);
        Playlist.append(chosen);
        FillTabs();
        SelectTab(int(Playlist.size()) - 1);
    }
    PanelStatus->setText(notice.isEmpty() ? QStringLiteral(" Saved")
                                          : QStringLiteral(" Saved, ") + notice);
}

void TFormCvt::ActionFileCloseExecute() {
    const int i = TabControl1->currentIndex();
    if (i < 0 || i >= Playlist.size())
        return;
    Playlist.removeAt(i);
    if (Playlist.isEmpty())
        Playlist.append(Settings.DefTxtPath + QStringLiteral("untitled.txt"));
    FillTabs();
    UpdateNavigation();
    TabControl1Change();
}

void TFormCvt::ActionFileCloseAllExecute() {
    Playlist.clear();
    Playlist.append(Settings.DefTxtPath + QStringLiteral("untitled.txt"));
    FillTabs();
    UpdateNavigation();
    TabControl1Change();
}

// --- Moves ------------------------------------------------------------------------------------

// Exchanges the current entry with `target` and follows it there. The editor keeps its text:
// the document it shows has only changed its place, and unsaved edits stay.
void TFormCvt::MoveCurrent(int target) {
    const int i = TabControl1->currentIndex();
    Playlist.swapItemsAt(i, target);
    FillTabs();
    SelectTab(target);
    ChangeTab(false);
}

void TFormCvt::ActionFileMoveFirstExecute() {
    if (TabControl1->currentIndex() > 0)
        MoveCurrent(0);
}

void TFormCvt::ActionFileMovePrevExecute() {
    const int i = TabControl1->currentIndex();
    if (i > 0)
        MoveCurrent(i - 1);
}

void TFormCvt::ActionFileMoveNextExecute() {
    const int i = TabControl1->currentIndex();
    if (i >= 0 && i < TabControl1->count() - 1)
        MoveCurrent(i + 1);
}

void TFormCvt::ActionFileMoveLastExecute() {
    const int i = TabControl1->currentIndex();
    if (i >= 0 && i < TabControl1->count() - 1)
        MoveCurrent(TabControl1->count() - 1);
}

// --- Previous and next document ---------------------------------------------------------------

void TFormCvt::ActionPrevExecute() {
    const int i = TabControl1->currentIndex();
    if (i > 0)
        SelectTab(i - 1);
    else if (Settings.Repeat && TabControl1->count() > 0)
        SelectTab(TabControl1->count() - 1);
    TabControl1Change();
}

void TFormCvt::ActionNextExecute() {
    const int i = TabControl1->currentIndex();
    if (i < TabControl1->count() - 1)
        SelectTab(i + 1);
    else if (Settings.Repeat && TabControl1->count() > 0)
        SelectTab(0);
    TabControl1Change();
}

void TFormCvt::TabControl1MouseUp(QMouseEvent* event) {
    if (event->button() != Qt::RightButton)
        return;
    const int hit = TabControl1->tabAt(event->position().toPoint());
    if (hit < 0)
        return;
    if (hit != TabControl1->currentIndex()) {
        SelectTab(hit);
        TabControl1Change();
    }
    PopupMenuTab->popup(event->globalPosition().toPoint());
}
