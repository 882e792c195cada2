// SPDX-License-Identifier: GPL-3.0-or-later
// The document commands: the tab strip and the editor as the view of the document list.
#include "Converter.h"

#include "Global.h"
#include "Importer.h"
#include "KoAccessible.h"
#include "KoUtils.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>

using settings::Playlist;
using settings::Settings;

namespace {

// The filters of the dialogs for text files.
QString TextFilter() {
    return QCoreApplication::translate("Documents", "Text Files(*.txt)") + QStringLiteral(";;") +
           QCoreApplication::translate("Documents", "All Files(*.*)");
}

// The open dialog offers every document the importers read beside plain text.
QString OpenFilter() {
    //: A file dialog's filter: %1 is the list of the other document formats' name patterns
    return QCoreApplication::translate("Documents", "Documents(*.txt %1)")
               .arg(documents::NamePatterns().join(u' ')) +
           QStringLiteral(";;") + TextFilter();
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

void TFormCvt::CreateDocumentCommands() {
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
    return FDocuments.Unloaded();
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
    // 5. A document being read goes on with the newly chosen one, in the same mode.
    if (ReadKind == rkDocument && !FReading->Paused()) {
        ActionStopExecute();
        // Called directly: the read commands are disabled while a document is read.
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
    if (FDocuments.ValidIndex(Settings.PlayIndex))
        ShowStatus(FDocuments.StatusText(Settings.PlayIndex));
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
    UpdateMediaControls(); // the desktop's media widget names the current document
}

// The editor is a view of one file: before it shows another (or the same one afresh), or the
// program ends, what the user typed goes into the file it belongs to.
void TFormCvt::KeepEdits() {
    if (FDocuments.ShownPath().isEmpty() || DocumentUnloaded() || !Memo1->document()->isModified())
        return;
    if (FDocuments.ShownImported())
        SaveImportedTab(int(Playlist.indexOf(FDocuments.ShownPath())));
    else
        SaveEditorTo(FDocuments.ShownPath(), nullptr);
}

QString TFormCvt::TabTitle(int tab) const {
    return koframe::WithoutMnemonics(TabControl1->tabText(tab));
}

// An imported document's text goes to a text file of its own, which the tab then shows; the
// user is told where, and the document itself is never written.
bool TFormCvt::SaveImportedTab(int i) {
    if (!FDocuments.ValidIndex(i))
        return false;
    const QString source = Playlist[i];
    const QString title = koframe::WithoutMnemonics(FDocuments.TabCaption(source));
    QString text = Memo1->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    QString written;
    try {
        written = FDocuments.SaveImported(i, text, Settings.DefTxtPath);
    } catch (const settings::EFileError& e) {
        KoUtils::ShowMessageBox(e.Message(), KoUtils::MB_ICONERROR);
        return false;
    }
    Memo1->document()->setModified(false);
    if (TabControl1->count() > i)
        TabControl1->setTabText(i, mainwindow::TDocumentList::Caption(written));
    ShowStatus(tr(" Saved as %1").arg(written));
    KoUtils::ShowMessageBox(tr("The text of \"%1\" was saved as a text file of its own:\n\n%2\n\n"
                               "%3 itself is left as it was; the tab now holds the text file.")
                                .arg(title, written, QFileInfo(source).fileName()),
                            KoUtils::MB_ICONINFORMATION);
    return true;
}

// Loads the current document into the editor. A file that exists but cannot be loaded leaves
// the editor empty and read-only, and the status says why.
void TFormCvt::ShowDocument() {
    KeepEdits();
    const int i = Settings.PlayIndex;
    if (!FDocuments.ValidIndex(i)) {
        FDocuments.ShowNothing();
        Memo1->clear();
        Memo1->setReadOnly(true);
        return;
    }
    ShowLoaded(FDocuments.Show(Playlist[i]));
    // An imported document names itself once it is read.
    if (i < TabControl1->count())
        TabControl1->setTabText(i, FDocuments.TabCaption(Playlist[i]));
}

void TFormCvt::ShowLoaded(const mainwindow::TLoadedDocument& loaded) {
    const bool unloaded = loaded.State == mainwindow::TLoadedDocument::Unloaded;
    if (unloaded)
        Memo1->clear();
    else
        Memo1->setPlainText(loaded.Text); // keeps no undo history of the load
    Memo1->setReadOnly(unloaded);
    const bool refused = unloaded && loaded.Imported; // a document that cannot be imported
    if ((loaded.State == mainwindow::TLoadedDocument::Created || refused) &&
        !loaded.Error.isEmpty())
        KoUtils::ShowMessageBox(loaded.Error, KoUtils::MB_ICONERROR);
}

// --- Tabs -------------------------------------------------------------------------------------

void TFormCvt::FillTabs() {
    const int remembered = TabControl1->currentIndex();
    const QSignalBlocker block(TabControl1);
    for (int k = TabControl1->count() - 1; k >= 0; --k)
        TabControl1->removeTab(k);
    for (const QString& path : std::as_const(Playlist))
        TabControl1->addTab(FDocuments.TabCaption(path));
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
    KoUtils::Guarded([this] {
        if (Playlist.isEmpty()) {
            Memo1->setReadOnly(true);
            return;
        }
        if (!FDocuments.ValidIndex(Settings.PlayIndex))
            Settings.PlayIndex = 0;
        FillTabs();
        SelectTab(Settings.PlayIndex);
        TabControl1Change();
    });
}

// --- File commands ----------------------------------------------------------------------------

void TFormCvt::ActionFileNewExecute() {
    // The file is created before the editor is cleared: a failure loses nothing.
    KeepEdits();
    try {
        FDocuments.New(Settings.DefTxtPath);
    } catch (const settings::EFileError& e) {
        KoUtils::ShowMessageBox(e.Message(), KoUtils::MB_ICONERROR);
        return;
    }
    Memo1->clear();
    Memo1->setReadOnly(false);
    FillTabs();
    SelectTab(int(Playlist.size()) - 1);
}

void TFormCvt::OpenDocuments(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    FDocuments.Add(paths);
    FillTabs();
    const int i = int(Playlist.indexOf(QFileInfo(paths.constFirst()).absoluteFilePath()));
    if (!FDocuments.ValidIndex(i)) {
        UpdateNavigation();
        return;
    }
    SelectTab(i);
    TabControl1Change();
}

void TFormCvt::ActionFileOpenExecute() {
    QFileDialog dialog(this, tr("Open File(s) to Read"), OpenDialogTxt.InitialDir, OpenFilter());
    dialog.setObjectName(QStringLiteral("OpenDialogTxt"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    FDocuments.Add(dialog.selectedFiles());
    RebuildTabs();
}

// Writes the editor's text to `path`. Errors reach a message box; the old file and the editor
// stay as they were.
bool TFormCvt::SaveEditorTo(const QString& path, QString* notice) {
    QString text = Memo1->document()->toRawText(); // keeps no-break spaces as they are
    text.replace(QChar::ParagraphSeparator, u'\n');
    try {
        const QString said = FDocuments.Save(path, text);
        if (notice)
            *notice = said;
    } catch (const settings::EFileError& e) {
        KoUtils::ShowMessageBox(e.Message(), KoUtils::MB_ICONERROR);
        return false;
    }
    Memo1->document()->setModified(false);
    return true;
}

// The current tab's index when the editor holds its document and that document can be
// written; -1 otherwise (an unloaded document says why in the status).
int TFormCvt::SavableTab() {
    const int i = TabControl1->currentIndex();
    if (!FDocuments.ValidIndex(i) || Playlist[i] != FDocuments.ShownPath())
        return -1;
    if (DocumentUnloaded()) {
        //: %1 says why the document could not be loaded
        ShowStatus(tr(" Not saved. %1").arg(FDocuments.UnloadedReason()));
        return -1;
    }
    return i;
}

void TFormCvt::ActionFileSaveExecute() {
    const int i = SavableTab();
    if (i < 0)
        return;
    if (FDocuments.ShownImported()) {
        SaveImportedTab(i);
        return;
    }
    QString notice;
    if (SaveEditorTo(Playlist[i], &notice) && !notice.isEmpty())
        ShowStatus(QStringLiteral(" ") + Playlist[i] + QStringLiteral(": ") + notice);
}

void TFormCvt::ActionFileSaveAsExecute() {
    const int i = SavableTab();
    if (i < 0)
        return;
    //: Title of the file dialog
    QFileDialog dialog(this, tr("Save As"), SaveDialogTxt.InitialDir, TextFilter());
    dialog.setObjectName(QStringLiteral("SaveDialogTxt"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(FDocuments.SaveAsName(i));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    QString notice;
    if (!SaveEditorTo(chosen, &notice))
        return;
    const int now = FDocuments.SavedAs(i, chosen);
    if (now == i) {
        RebuildTabs();
    } else {
        // Onto another tab's file: that tab went, and the saved document is the last one.
        FillTabs();
        SelectTab(now);
    }
    if (notice.isEmpty())
        ShowStatus(tr(" Saved"));
    else
        //: %1 is a notice such as "saved as UTF-8, since ... cannot hold every character of the
        //: text"
        ShowStatus(tr(" Saved, %1").arg(notice));
}

void TFormCvt::ActionFileCloseExecute() {
    const int i = TabControl1->currentIndex();
    if (!FDocuments.ValidIndex(i))
        return;
    FDocuments.Close(i, Settings.DefTxtPath);
    FillTabs();
    UpdateNavigation();
    TabControl1Change();
}

void TFormCvt::ActionFileCloseAllExecute() {
    FDocuments.CloseAll(Settings.DefTxtPath);
    FillTabs();
    UpdateNavigation();
    TabControl1Change();
}

// --- Moves ------------------------------------------------------------------------------------

// Exchanges the current entry with `target` and follows it there. The editor keeps its text:
// the document it shows has only changed its place, and unsaved edits stay.
void TFormCvt::MoveCurrent(int target) {
    FDocuments.Move(TabControl1->currentIndex(), target);
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
