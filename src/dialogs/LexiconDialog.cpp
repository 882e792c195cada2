#include "LexiconDialog.h"

#include "KoUtils.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using engines::Lexicon;
using engines::LexiconEntry;

namespace {

QTableWidgetItem* CheckItem(bool checked) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

// A field of the file is one line without tabs.
QString OneLine(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return out.trimmed();
}

bool SameEntry(const LexiconEntry& a, const LexiconEntry& b) {
    return a.WholeWord == b.WholeWord && a.MatchCase == b.MatchCase &&
           a.Word.compare(b.Word, a.MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

} // namespace

TFormLexicon::TFormLexicon(QWidget* parent, const Lexicon& lexicon, const QString& path,
                           engines::LexiconListen listen)
    : TKoForm(parent), FKept(lexicon.Kept), FPath(path), FListen(std::move(listen)) {
    setObjectName(QStringLiteral("FormLexicon"));
    setWindowTitle(QStringLiteral("Pronunciation Lexicon"));
    SetBorderIcons(koframe::biSystemMenu);
    resize(640, 420);

    ListEntries = new QTableWidget(0, 5);
    ListEntries->setObjectName(QStringLiteral("ListEntries"));
    ListEntries->setHorizontalHeaderLabels(
        {QStringLiteral("Word or phrase"), QStringLiteral("Say it as"),
         QStringLiteral("Whole word"), QStringLiteral("Match case"), QString()});
    ListEntries->horizontalHeader()->setSectionResizeMode(ColWord, QHeaderView::Stretch);
    ListEntries->horizontalHeader()->setSectionResizeMode(ColSay, QHeaderView::Stretch);
    for (int c : {ColWholeWord, ColMatchCase, ColListen})
        ListEntries->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    ListEntries->verticalHeader()->hide();
    ListEntries->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListEntries->setToolTip(
        QStringLiteral("Say it as: words spelled the way they sound, or espeak-ng phonemes "
                       "in double brackets, e.g. [[n'3:v@]]"));

    auto makeButton = [this](QPushButton*& button, const char* name, const QString& caption,
                             auto click) {
        button = new QPushButton(caption);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, click);
    };
    makeButton(ButtonAdd, "ButtonAdd", QStringLiteral("Add"), &TFormLexicon::ButtonAddClick);
    makeButton(ButtonRemove, "ButtonRemove", QStringLiteral("Remove"),
               &TFormLexicon::ButtonRemoveClick);
    makeButton(ButtonImport, "ButtonImport", QStringLiteral("Import..."),
               &TFormLexicon::ButtonImportClick);
    makeButton(ButtonExport, "ButtonExport", QStringLiteral("Export..."),
               &TFormLexicon::ButtonExportClick);
    makeButton(ButtonOK, "ButtonOK", QStringLiteral("OK"), &TFormLexicon::ButtonOKClick);
    makeButton(ButtonCancel, "ButtonCancel", QStringLiteral("Cancel"), &QWidget::close);
    ButtonOK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ButtonAdd, ButtonRemove, ButtonImport, ButtonExport})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(PanelKoClient);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->addWidget(ListEntries);
    layout->addLayout(buttons);

    for (const LexiconEntry& e : lexicon.Entries)
        AddEntry(e);
}

void TFormLexicon::FormShow() {
    TKoForm::FormShow();
    SetSizeable(false);
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
}

void TFormLexicon::AddEntry(const LexiconEntry& entry) {
    int row = ListEntries->rowCount();
    for (int r = 0; r < ListEntries->rowCount(); ++r) {
        LexiconEntry e{ListEntries->item(r, ColWord)->text(),
                       {},
                       ListEntries->item(r, ColWholeWord)->checkState() == Qt::Checked,
                       ListEntries->item(r, ColMatchCase)->checkState() == Qt::Checked};
        if (!entry.Word.isEmpty() && SameEntry(e, entry)) {
            ListEntries->item(r, ColSay)->setText(entry.Say);
            return;
        }
    }
    ListEntries->insertRow(row);
    ListEntries->setItem(row, ColWord, new QTableWidgetItem(entry.Word));
    ListEntries->setItem(row, ColSay, new QTableWidgetItem(entry.Say));
    ListEntries->setItem(row, ColWholeWord, CheckItem(entry.WholeWord));
    ListEntries->setItem(row, ColMatchCase, CheckItem(entry.MatchCase));
    auto* listen = new QPushButton(QStringLiteral("Listen"));
    listen->setAutoDefault(false);
    listen->setToolTip(QStringLiteral("Say the word as the lexicon makes the engine say it"));
    connect(listen, &QPushButton::clicked, this, [this, listen] {
        for (int r = 0; r < ListEntries->rowCount(); ++r)
            if (ListEntries->cellWidget(r, ColListen) == listen)
                ButtonListenClick(r);
    });
    ListEntries->setCellWidget(row, ColListen, listen);
}

bool TFormLexicon::Collect(Lexicon& out, QString& error) const {
    out.Entries.clear();
    out.Kept = FKept;
    for (int r = 0; r < ListEntries->rowCount(); ++r) {
        LexiconEntry e{OneLine(ListEntries->item(r, ColWord)->text()),
                       OneLine(ListEntries->item(r, ColSay)->text()),
                       ListEntries->item(r, ColWholeWord)->checkState() == Qt::Checked,
                       ListEntries->item(r, ColMatchCase)->checkState() == Qt::Checked};
        if (e.Word.isEmpty() && e.Say.isEmpty())
            continue;
        if (e.Word.isEmpty())
            error = QStringLiteral("Row %1: the word is empty.").arg(r + 1);
        else if (e.Say.isEmpty())
            error = QStringLiteral("Row %1: how to say \"%2\" is empty.").arg(r + 1).arg(e.Word);
        else if (e.Say.count(QLatin1String("[[")) != e.Say.count(QLatin1String("]]")))
            error = QStringLiteral("Row %1: phonemes opened with [[ are not closed with ]].")
                        .arg(r + 1);
        if (!error.isEmpty())
            return false;
        out.Entries.push_back(e);
    }
    return true;
}

void TFormLexicon::ButtonAddClick() {
    AddEntry({});
    int row = ListEntries->rowCount() - 1;
    ListEntries->setCurrentCell(row, ColWord);
    ListEntries->editItem(ListEntries->item(row, ColWord));
}

void TFormLexicon::ButtonRemoveClick() {
    int row = ListEntries->currentRow();
    if (row >= 0)
        ListEntries->removeRow(row);
}

bool TFormLexicon::ImportFile(const QString& path) {
    Lexicon imported;
    QStringList problems;
    QString error;
    if (!imported.Load(path, &problems, &error)) {
        KoUtils::ShowMessageBox(QStringLiteral("\"%1\" could not be read: %2").arg(path, error),
                                KoUtils::MB_ICONERROR);
        return false;
    }
    for (const LexiconEntry& e : imported.Entries)
        AddEntry(e);
    if (!problems.isEmpty())
        KoUtils::ShowMessageBox(QStringLiteral("These lines of \"%1\" are not entries and were "
                                               "not imported:\n%2")
                                    .arg(path, problems.mid(0, 10).join(u'\n')),
                                KoUtils::MB_ICONWARNING);
    return true;
}

bool TFormLexicon::ExportFile(const QString& path) {
    Lexicon lexicon;
    QString error;
    if (Collect(lexicon, error)) {
        lexicon.Kept.clear(); // what another reader gets: the entries alone
        if (lexicon.Save(path, &error))
            return true;
        error = QStringLiteral("\"%1\" could not be written: %2").arg(path, error);
    }
    KoUtils::ShowMessageBox(error, KoUtils::MB_ICONERROR);
    return false;
}

void TFormLexicon::ButtonImportClick() {
    QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Import"), QString(),
                                     QStringLiteral("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        ImportFile(path);
}

void TFormLexicon::ButtonExportClick() {
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export"), QStringLiteral("lexicon.txt"),
                                     QStringLiteral("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        ExportFile(path);
}

void TFormLexicon::ButtonOKClick() {
    auto lexicon = std::make_shared<Lexicon>();
    QString error;
    if (!Collect(*lexicon, error)) {
        KoUtils::ShowMessageBox(error, KoUtils::MB_ICONERROR);
        return;
    }
    // A lexicon that cannot be saved stays in the dialog, so nothing typed is lost.
    if (!lexicon->Save(FPath, &error)) {
        KoUtils::ShowMessageBox(
            QStringLiteral("The lexicon could not be saved to \"%1\": %2").arg(FPath, error),
            KoUtils::MB_ICONERROR);
        return;
    }
    engines::SetCurrentLexicon(lexicon);
    FSaved = true;
    close();
}

void TFormLexicon::ButtonListenClick(int row) {
    LexiconEntry e{OneLine(ListEntries->item(row, ColWord)->text()),
                   OneLine(ListEntries->item(row, ColSay)->text()),
                   ListEntries->item(row, ColWholeWord)->checkState() == Qt::Checked,
                   ListEntries->item(row, ColMatchCase)->checkState() == Qt::Checked};
    if (!FListen || e.Word.isEmpty())
        return;
    if (e.Say.isEmpty())
        e.Say = e.Word; // not filled in yet: the word as the engine says it anyway
    QString error = FListen(e);
    if (!error.isEmpty())
        KoUtils::ShowMessageBox(error, KoUtils::MB_ICONERROR);
}

speech::HRESULT ShowLexiconDialog(speech::HWND parent, const char* title,
                                  engines::LexiconListen listen) {
    TFormLexicon form(static_cast<QWidget*>(parent), *engines::CurrentLexicon(),
                      engines::LexiconPath(), std::move(listen));
    if (title && *title)
        form.setWindowTitle(QString::fromUtf8(title));
    form.ShowModal();
    return speech::S_OK;
}
