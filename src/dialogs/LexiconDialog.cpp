// SPDX-License-Identifier: GPL-3.0-or-later
#include "LexiconDialog.h"

#include "KoUtils.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

using engines::Lexicon;
using engines::LexiconEntry;
using engines::LexiconLine;

namespace {

// A field of the file is one line without tabs.
QString OneLine(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return out.trimmed();
}

bool Blank(const LexiconEntry& e) {
    return e.Word.isEmpty() && e.Say.isEmpty();
}

QString Quoted(const QString& word) {
    //: Quotation marks around a word of the lexicon
    return QCoreApplication::translate("LexiconDialog", "\u201C%1\u201D").arg(word);
}

} // namespace

TLexiconModel::TLexiconModel(const Lexicon& file, QObject* parent)
    : QAbstractTableModel(parent), FLines(file.Lines) {
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        const LexiconLine& line = FLines[i];
        if (line.Kind == LexiconLine::Comment)
            continue;
        TRow row;
        row.Line = int(i);
        row.NotUtf8 = line.NotUtf8;
        if (line.Kind == LexiconLine::Entry) {
            row.Entry = file.Entries[std::size_t(line.Index)];
        } else {
            row.Entry = line.Fields;
            row.Refused = line.Problem;
        }
        row.Read = row.Entry;
        FRows.push_back(std::move(row));
    }
    // Entries given without their lines (not read from a file) are rows of their own.
    std::vector<bool> listed(file.Entries.size());
    for (const LexiconLine& line : FLines)
        if (line.Kind == LexiconLine::Entry)
            listed[std::size_t(line.Index)] = true;
    for (std::size_t i = 0; i < file.Entries.size(); ++i)
        if (!listed[i])
            FRows.push_back({file.Entries[i], {}, -1, {}, false});
    Recheck();
}

int TLexiconModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(FRows.size());
}

int TLexiconModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TLexiconModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TRow& row = FRows[std::size_t(index.row())];
    switch (index.column()) {
    case ColWord:
    case ColSay:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return index.column() == ColWord ? row.Entry.Word : row.Entry.Say;
        break;
    case ColWholeWord:
    case ColMatchCase:
        if (role == Qt::CheckStateRole)
            return (index.column() == ColWholeWord ? row.Entry.WholeWord : row.Entry.MatchCase)
                       ? Qt::Checked
                       : Qt::Unchecked;
        break;
    case ColNote:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return Note(index.row());
        if (role == Qt::DecorationRole && Warns(index.row()))
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        break;
    default:
        break;
    }
    return {};
}

QVariant TLexiconModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case ColWord:
        //: Column header: the text the entry replaces
        return tr("Word or phrase");
    case ColSay:
        //: Column header: how the engine is to say the word
        return tr("Say it as");
    case ColWholeWord:
        //: Column header of a check box: the entry matches whole words only
        return tr("Whole word");
    case ColMatchCase:
        //: Column header of a check box: the letter case must match
        return tr("Match case");
    case ColNote:
        //: Column header: a remark on the row (why it is not used, which entry wins)
        return tr("Note");
    default:
        return {};
    }
}

Qt::ItemFlags TLexiconModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    switch (index.column()) {
    case ColWord:
    case ColSay:
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    case ColWholeWord:
    case ColMatchCase:
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    default:
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
}

bool TLexiconModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    TRow& row = FRows[std::size_t(index.row())];
    switch (index.column()) {
    case ColWord:
    case ColSay:
        if (role != Qt::EditRole)
            return false;
        (index.column() == ColWord ? row.Entry.Word : row.Entry.Say) = OneLine(value.toString());
        break;
    case ColWholeWord:
    case ColMatchCase:
        if (role != Qt::CheckStateRole)
            return false;
        (index.column() == ColWholeWord ? row.Entry.WholeWord : row.Entry.MatchCase) =
            value.toInt() == Qt::Checked;
        break;
    default:
        return false;
    }
    // A refused line the user edits is an entry from now on, to be written as the row shows it.
    row.Refused.clear();
    Recheck(std::size_t(index.row()));
    emit dataChanged(index, index);
    emit dataChanged(this->index(0, ColNote), this->index(rowCount() - 1, ColNote));
    return true;
}

bool TLexiconModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    FRows.erase(FRows.begin() + row, FRows.begin() + row + count);
    Recheck();
    endRemoveRows();
    if (rowCount() > 0)
        emit dataChanged(index(0, ColNote), index(rowCount() - 1, ColNote));
    return true;
}

int TLexiconModel::ProblemCount() const {
    int n = 0;
    for (const TRow& row : FRows)
        n += !row.Refused.isEmpty();
    return n;
}

int TLexiconModel::FirstProblemRow() const {
    for (std::size_t r = 0; r < FRows.size(); ++r)
        if (!FRows[r].Refused.isEmpty())
            return int(r);
    return -1;
}

void TLexiconModel::AddRow(const LexiconEntry& entry) {
    const int at = rowCount();
    beginInsertRows({}, at, at);
    FRows.push_back({entry, {}, -1, {}, false});
    FKeys.emplace_back();
    FGroupNotes.emplace_back();
    FGroupWarns.push_back(false);
    Recheck(std::size_t(at));
    endInsertRows();
    emit dataChanged(index(0, ColNote), index(at, ColNote));
}

void TLexiconModel::Import(const std::vector<LexiconEntry>& entries) {
    using Key = std::tuple<QString, bool, bool>;
    QHash<QString, std::vector<std::pair<Key, int>>> rows;
    for (std::size_t r = 0; r < FRows.size(); ++r) {
        const LexiconEntry& e = FRows[r].Entry;
        if (FRows[r].Refused.isEmpty() && !e.Word.isEmpty())
            rows[e.Word].push_back({{e.Word, e.WholeWord, e.MatchCase}, int(r)});
    }
    std::vector<TRow> added;
    for (const LexiconEntry& e : entries) {
        int found = -1;
        for (const auto& [key, r] : rows.value(e.Word))
            if (key == Key{e.Word, e.WholeWord, e.MatchCase})
                found = r;
        if (found >= 0)
            FRows[std::size_t(found)].Entry.Say = e.Say;
        else
            added.push_back({e, {}, -1, {}, false});
    }
    if (!added.empty()) {
        beginInsertRows({}, rowCount(), rowCount() + int(added.size()) - 1);
        FRows.insert(FRows.end(), added.begin(), added.end());
        Recheck();
        endInsertRows();
    } else {
        Recheck();
    }
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

bool TLexiconModel::Changed(const TRow& row) const {
    return row.Line < 0 ||
           (row.Refused.isEmpty() && FLines[std::size_t(row.Line)].Kind == LexiconLine::Refused) ||
           row.Entry != row.Read;
}

bool TLexiconModel::Compose(Lexicon& out, QString& error) const {
    // The bytes of a row as the file is to hold them; false for a row that is no entry.
    auto format = [&](std::size_t r, QByteArray& bytes) {
        const LexiconEntry& e = FRows[r].Entry;
        if (const QString problem = Lexicon::EntryProblem(e); !problem.isEmpty()) {
            const int shown = int(r) + 1;
            if (e.Word.isEmpty())
                error = tr("Row %1: the word is empty.").arg(shown);
            else if (e.Say.isEmpty())
                error = tr("Row %1: how to say \"%2\" is empty.").arg(shown).arg(e.Word);
            else
                error = tr("Row %1: %2.").arg(shown).arg(problem);
            return false;
        }
        bytes = Lexicon::FormatEntry(e);
        return true;
    };
    std::vector<int> rowOfLine(FLines.size(), -1);
    for (std::size_t r = 0; r < FRows.size(); ++r)
        if (FRows[r].Line >= 0)
            rowOfLine[std::size_t(FRows[r].Line)] = int(r);

    QByteArray bytes;
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        const LexiconLine& line = FLines[i];
        const int r = rowOfLine[i];
        if (line.Kind != LexiconLine::Comment && r < 0)
            continue; // removed
        if (line.Kind == LexiconLine::Comment || !Changed(FRows[std::size_t(r)])) {
            bytes += line.Bytes;
        } else if (Blank(FRows[std::size_t(r)].Entry)) {
            continue; // emptied: gone
        } else {
            QByteArray entry;
            if (!format(std::size_t(r), entry))
                return false;
            bytes += entry;
            if (line.Bytes.endsWith('\r'))
                bytes += '\r'; // the line ends as the file's other lines do
        }
        if (line.Ended)
            bytes += '\n';
    }
    for (std::size_t r = 0; r < FRows.size(); ++r) {
        if (FRows[r].Line >= 0 || Blank(FRows[r].Entry))
            continue;
        QByteArray entry;
        if (!format(r, entry))
            return false;
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += '\n';
        bytes += entry + '\n';
    }
    out.Parse(bytes);
    return true;
}

bool TLexiconModel::Usable(std::size_t r) const {
    return FRows[r].Refused.isEmpty() && Lexicon::EntryProblem(FRows[r].Entry).isEmpty();
}

QString TLexiconModel::Note(int r) const {
    const TRow& row = FRows[std::size_t(r)];
    QString note = FGroupNotes[std::size_t(r)];
    if (!row.Refused.isEmpty())
        note = tr("Not used: %1.").arg(row.Refused);
    else if (!Blank(row.Entry) && !Usable(std::size_t(r)))
        note = tr("Not an entry yet: %1.").arg(Lexicon::EntryProblem(row.Entry));
    if (row.NotUtf8 && !Changed(row))
        //: Added after the row's other note, if any (keep the leading space)
        note = (note + tr(" The line is not UTF-8 text and was read as "
                          "Windows-1252."))
                   .trimmed();
    return note;
}

bool TLexiconModel::Warns(int r) const {
    const TRow& row = FRows[std::size_t(r)];
    return FGroupWarns[std::size_t(r)] || !row.Refused.isEmpty() ||
           (!Blank(row.Entry) && !Usable(std::size_t(r))) || (row.NotUtf8 && !Changed(row));
}

void TLexiconModel::Recheck() {
    const std::size_t n = FRows.size();
    FKeys.assign(n, QString());
    FGroupNotes.assign(n, QString());
    FGroupWarns.assign(n, false);
    FGroups.clear();
    for (std::size_t r = 0; r < n; ++r)
        if (Usable(r)) {
            FKeys[r] = FRows[r].Entry.Word.toCaseFolded();
            FGroups[FKeys[r]].push_back(r);
        }
    for (auto group = FGroups.cbegin(); group != FGroups.cend(); ++group)
        if (group->size() > 1)
            NoteGroup(group.key());
}

void TLexiconModel::Recheck(std::size_t r) {
    const QString old = FKeys[r];
    FKeys[r] = Usable(r) ? FRows[r].Entry.Word.toCaseFolded() : QString();
    if (old != FKeys[r]) {
        if (!old.isEmpty()) {
            std::vector<std::size_t>& rows = FGroups[old];
            rows.erase(std::lower_bound(rows.begin(), rows.end(), r));
            if (rows.empty())
                FGroups.remove(old);
        }
        if (!FKeys[r].isEmpty()) {
            std::vector<std::size_t>& rows = FGroups[FKeys[r]];
            rows.insert(std::lower_bound(rows.begin(), rows.end(), r), r);
        }
    }
    FGroupNotes[r].clear();
    FGroupWarns[r] = false;
    NoteGroup(old);
    NoteGroup(FKeys[r]);
}

// Which entries would apply to the same word, and which of them wins: of two entries for
// one word, the one higher in the list. A row that another covers wholly is never used.
void TLexiconModel::NoteGroup(const QString& key) {
    const auto found = FGroups.constFind(key);
    if (key.isEmpty() || found == FGroups.cend())
        return;
    const std::vector<std::size_t>& group = *found;
    auto name = [&](std::size_t r) {
        //: A row of the list: its number and its word; used inside the notes
        return tr("row %1 (%2)").arg(r + 1).arg(Quoted(FRows[r].Entry.Word));
    };
    // The first earlier row of each kind: any letter case, part or whole word; or a letter
    // case of its own, by the word as written.
    constexpr std::size_t None = SIZE_MAX;
    std::size_t firstAny = None, firstFree = None, firstFreePart = None, firstFreeWhole = None;
    QHash<QString, std::size_t> firstExact, firstExactPart, firstExactWhole;
    std::vector<std::size_t> coveredBy(group.size(), None), after(group.size(), None);
    for (std::size_t k = 0; k < group.size(); ++k) {
        const LexiconEntry& e = FRows[group[k]].Entry;
        const std::size_t overlap =
            e.MatchCase ? std::min(firstFree, firstExact.value(e.Word, None)) : firstAny;
        std::size_t cover = firstFreePart;
        if (e.WholeWord)
            cover = std::min(cover, firstFreeWhole);
        if (e.MatchCase) {
            cover = std::min(cover, firstExactPart.value(e.Word, None));
            if (e.WholeWord)
                cover = std::min(cover, firstExactWhole.value(e.Word, None));
        }
        coveredBy[k] = cover;
        after[k] = overlap;
        const std::size_t r = group[k];
        firstAny = std::min(firstAny, r);
        if (e.MatchCase) {
            firstExact.insert(e.Word, std::min(firstExact.value(e.Word, None), r));
            auto& kind = e.WholeWord ? firstExactWhole : firstExactPart;
            kind.insert(e.Word, std::min(kind.value(e.Word, None), r));
        } else {
            firstFree = std::min(firstFree, r);
            std::size_t& kind = e.WholeWord ? firstFreeWhole : firstFreePart;
            kind = std::min(kind, r);
        }
    }
    // The later rows each row would win over, counted the same way from the end.
    std::size_t laterAll = 0, laterFree = 0, nextAny = None, nextFree = None;
    QHash<QString, std::size_t> laterExact, nextExact;
    std::vector<std::size_t> beaten(group.size(), 0), firstBeaten(group.size(), None);
    for (std::size_t k = group.size(); k-- > 0;) {
        const LexiconEntry& e = FRows[group[k]].Entry;
        if (e.MatchCase) {
            beaten[k] = laterFree + laterExact.value(e.Word, 0);
            firstBeaten[k] = std::min(nextFree, nextExact.value(e.Word, None));
        } else {
            beaten[k] = laterAll;
            firstBeaten[k] = nextAny;
        }
        const std::size_t r = group[k];
        ++laterAll;
        nextAny = r;
        if (e.MatchCase) {
            laterExact.insert(e.Word, laterExact.value(e.Word, 0) + 1);
            nextExact.insert(e.Word, r);
        } else {
            ++laterFree;
            nextFree = r;
        }
    }
    for (std::size_t k = 0; k < group.size(); ++k) {
        const std::size_t r = group[k];
        QStringList note;
        bool warns = false;
        if (coveredBy[k] != None) {
            //: %1 is a row, as in "row 3 (“word”)"
            note << tr("Never used: %1 comes first and always wins.").arg(name(coveredBy[k]));
            warns = true;
        } else {
            if (after[k] != None) {
                QString first = name(after[k]);
                first[0] = first[0].toUpper();
                //: %1 is a row, as in "Row 3 (“word”)"
                note << tr("%1 comes first and wins where both apply.").arg(first);
                warns = true;
            }
            if (firstBeaten[k] != None) {
                const QString more =
                    //: Completes "Wins over %1%2": the number of further rows (leading space)
                    beaten[k] > 1 ? tr(" and %1 more").arg(beaten[k] - 1) : QString();
                //: %1 is a row, as in "row 3 (“word”)"; %2 is empty or " and <n> more"
                note << tr("Wins over %1%2 where both apply.").arg(name(firstBeaten[k]), more);
            }
        }
        FGroupNotes[r] = note.join(u' ');
        FGroupWarns[r] = warns;
    }
}

TFormLexicon::TFormLexicon(QWidget* parent, const Lexicon& lexicon, const QString& path,
                           engines::LexiconListen listen)
    : TKoForm(parent), FPath(path), FListen(std::move(listen)), FReadBytes(lexicon.ToBytes()) {
    setObjectName(QStringLiteral("FormLexicon"));
    setWindowTitle(tr("Pronunciation Lexicon"));
    SetBorderIcons(koframe::biSystemMenu);
    resize(820, 480);

    Model = new TLexiconModel(lexicon, this);
    ListEntries = new QTableView;
    ListEntries->setObjectName(QStringLiteral("ListEntries"));
    ListEntries->setAccessibleName(tr("Pronunciations"));
    ListEntries->setModel(Model);
    // One cell at a time is current, and shown so: a key acts on the cell the user sees.
    ListEntries->setSelectionBehavior(QAbstractItemView::SelectItems);
    ListEntries->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the next control, as it does everywhere else in the dialog.
    ListEntries->setTabKeyNavigation(false);
    ListEntries->setWordWrap(false);
    ListEntries->installEventFilter(this);
    QHeaderView* columns = ListEntries->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics(columns->font());
    for (int c : {TLexiconModel::ColWholeWord, TLexiconModel::ColMatchCase})
        columns->resizeSection(
            c, metrics.horizontalAdvance(Model->headerData(c, Qt::Horizontal).toString()) + 24);
    columns->resizeSection(TLexiconModel::ColWord, 170);
    columns->resizeSection(TLexiconModel::ColSay, 170);
    columns->setStretchLastSection(true);
    // Rows of one height: a list of any length is laid out at once.
    QHeaderView* rows = ListEntries->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(ListEntries->fontMetrics().height() + 8);
    ListEntries->setToolTip(tr("Say it as: words spelled the way they sound, or espeak-ng phonemes "
                               "in double brackets, e.g. [[n'3:v@]]"));

    LabelEntries = new QLabel(tr("&Words and how to say them:"));
    LabelEntries->setBuddy(ListEntries);
    LabelNote = new QLabel;
    LabelNote->setObjectName(QStringLiteral("LabelNote"));
    LabelNote->setWordWrap(true);
    LabelNote->setMinimumHeight(2 * LabelNote->fontMetrics().lineSpacing());
    LabelNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelProblems = new QLabel;
    LabelProblems->setObjectName(QStringLiteral("LabelProblems"));
    LabelProblems->setWordWrap(true);
    connect(ListEntries->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TFormLexicon::ShowNote);
    connect(Model, &QAbstractItemModel::dataChanged, this, &TFormLexicon::ShowNote);
    connect(Model, &QAbstractItemModel::rowsRemoved, this, &TFormLexicon::ShowNote);

    auto makeButton = [this](QPushButton*& button, const char* name, const QString& caption,
                             auto click) {
        button = new QPushButton(caption);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(true); // Enter presses the button that has the focus
        connect(button, &QPushButton::clicked, this, click);
    };
    makeButton(ButtonAdd, "ButtonAdd", tr("&Add"), &TFormLexicon::ButtonAddClick);
    makeButton(ButtonRemove, "ButtonRemove", tr("&Remove"), &TFormLexicon::ButtonRemoveClick);
    //: Button: hear the current row's word said
    makeButton(ButtonListen, "ButtonListen", tr("&Listen"), &TFormLexicon::ButtonListenClick);
    ButtonListen->setToolTip(
        tr("Say the current row's word as the lexicon makes the engine say it"));
    makeButton(ButtonImport, "ButtonImport", tr("&Import..."), &TFormLexicon::ButtonImportClick);
    makeButton(ButtonExport, "ButtonExport", tr("E&xport..."), &TFormLexicon::ButtonExportClick);
    makeButton(ButtonOK, "ButtonOK", tr("OK"), &TFormLexicon::ButtonOKClick);
    makeButton(ButtonCancel, "ButtonCancel", tr("Cancel"), &QWidget::close);
    ButtonOK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ButtonAdd, ButtonRemove, ButtonListen, ButtonImport, ButtonExport})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(PanelKoClient);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->addWidget(LabelEntries);
    layout->addWidget(ListEntries);
    layout->addWidget(LabelNote);
    layout->addWidget(LabelProblems);
    layout->addLayout(buttons);
    ShowProblems();
}

void TFormLexicon::ShowProblems() {
    const int problems = Model->ProblemCount();
    LabelProblems->setVisible(problems > 0);
    if (problems == 1)
        LabelProblems->setText(tr("A line of the file is not used as it stands: its "
                                  "note says why. Mend it or remove it; otherwise "
                                  "OK keeps it as it is."));
    else if (problems > 1)
        LabelProblems->setText(tr("%1 lines of the file are not used as they stand: "
                                  "their notes say why. Mend or remove them; "
                                  "otherwise OK keeps them as they are.")
                                   .arg(problems));
}

void TFormLexicon::ShowNote() {
    const int row = ListEntries->currentIndex().row();
    const QString note = row >= 0 && row < Model->rowCount() ? Model->Note(row) : QString();
    LabelNote->setText(note.isEmpty() ? QString() : tr("Row %1: %2").arg(row + 1).arg(note));
}

void TFormLexicon::FormShow() {
    TKoForm::FormShow();
    SetSizeable(false);
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
    ListEntries->setFocus();
    const int first = Model->FirstProblemRow();
    const QModelIndex current = Model->index(std::max(first, 0), TLexiconModel::ColWord);
    if (current.isValid()) {
        ListEntries->setCurrentIndex(current);
        ListEntries->scrollTo(current);
    }
}

void TFormLexicon::keyPressEvent(QKeyEvent* event) {
    // The keys of a dialog: Enter is OK, Escape is Cancel (an open cell editor takes both
    // first).
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Escape) {
            ButtonCancel->click();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            ButtonOK->click();
            return;
        }
    }
    TKoForm::keyPressEvent(event);
}

bool TFormLexicon::eventFilter(QObject* watched, QEvent* event) {
    // Space on a word or a pronunciation opens it for editing as it is, rather than replacing
    // it with a blank; on a check box it toggles that box, the cell shown as current.
    if (watched == ListEntries && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = ListEntries->currentIndex();
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier &&
            current.isValid() && (Model->flags(current) & Qt::ItemIsEditable)) {
            ListEntries->edit(current);
            return true;
        }
    }
    return TKoForm::eventFilter(watched, event);
}

bool TFormLexicon::Collect(Lexicon& out, QString& error) const {
    return Model->Compose(out, error);
}

void TFormLexicon::AddEntry(const LexiconEntry& entry) {
    Model->AddRow(entry);
}

void TFormLexicon::ButtonAddClick() {
    AddEntry({});
    const QModelIndex word = Model->index(Model->rowCount() - 1, TLexiconModel::ColWord);
    ListEntries->setFocus();
    ListEntries->setCurrentIndex(word);
    ListEntries->scrollTo(word);
    ListEntries->edit(word);
}

void TFormLexicon::ButtonRemoveClick() {
    const int row = ListEntries->currentIndex().row();
    if (row < 0)
        return;
    const int column = ListEntries->currentIndex().column();
    Model->removeRow(row);
    ShowProblems();
    if (Model->rowCount() > 0)
        ListEntries->setCurrentIndex(Model->index(std::min(row, Model->rowCount() - 1), column));
}

bool TFormLexicon::ImportFile(const QString& path) {
    Lexicon imported;
    QStringList problems;
    QString error;
    if (!imported.Load(path, &problems, &error)) {
        KoUtils::ShowMessageBox(tr("\"%1\" could not be read: %2").arg(path, error),
                                KoUtils::MB_ICONERROR);
        return false;
    }
    Model->Import(imported.Entries);
    ShowProblems();
    if (!problems.isEmpty())
        KoUtils::ShowMessageBox(tr("These lines of \"%1\" are not entries and were "
                                   "not imported:\n%2")
                                    .arg(path, problems.mid(0, 10).join(u'\n')),
                                KoUtils::MB_ICONWARNING);
    return true;
}

bool TFormLexicon::ExportFile(const QString& path) {
    Lexicon lexicon;
    QString error;
    if (Collect(lexicon, error)) {
        lexicon.Lines.clear(); // what another reader gets: the entries alone
        if (lexicon.Save(path, &error))
            return true;
        error = tr("\"%1\" could not be written: %2").arg(path, error);
    }
    KoUtils::ShowMessageBox(error, KoUtils::MB_ICONERROR);
    return false;
}

void TFormLexicon::ButtonImportClick() {
    QString path =
        //: Title of the file dialog that picks a lexicon to import
        QFileDialog::getOpenFileName(this, tr("Import"), QString(),
                                     tr("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        ImportFile(path);
}

void TFormLexicon::ButtonExportClick() {
    QString path =
        //: Title of the file dialog that saves the lexicon's entries to a file
        QFileDialog::getSaveFileName(this, tr("Export"), QStringLiteral("lexicon.txt"),
                                     tr("Text files (*.txt);;All files (*)"));
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
    // A change made to the file by another program since the dialog read it would be lost.
    QFile now(FPath);
    const QByteArray onDisk =
        now.open(QIODevice::ReadOnly) ? now.read(FReadBytes.size() + 1) : QByteArray();
    if (onDisk != FReadBytes &&
        !KoUtils::ConfirmBox(tr("\"%1\" was changed by another program since this "
                                "dialog read it. Replace it with the lexicon shown "
                                "here? (Cancel keeps both: close the dialog and "
                                "open it again to see the file as it is now.)")
                                 .arg(FPath)))
        return;
    // A lexicon that cannot be saved stays in the dialog, so nothing typed is lost.
    if (!lexicon->Save(FPath, &error)) {
        KoUtils::ShowMessageBox(
            tr("The lexicon could not be saved to \"%1\": %2").arg(FPath, error),
            KoUtils::MB_ICONERROR);
        return;
    }
    engines::SetCurrentLexicon(lexicon);
    FSaved = true;
    close();
}

void TFormLexicon::ButtonListenClick() {
    const int row = ListEntries->currentIndex().row();
    if (row < 0 || !FListen)
        return;
    LexiconEntry e = Model->Row(row).Entry;
    if (e.Word.isEmpty())
        return;
    if (e.Say.isEmpty())
        e.Say = e.Word; // not filled in yet: the word as the engine says it anyway
    QString error = FListen(e);
    if (!error.isEmpty())
        KoUtils::ShowMessageBox(error, KoUtils::MB_ICONERROR);
}

speech::HRESULT ShowLexiconDialog(speech::HWND parent, const char* title,
                                  engines::LexiconListen listen) {
    // What the file holds now, whatever the engine read before.
    Lexicon lexicon;
    QString error;
    const QString path = engines::LexiconPath();
    if (!engines::ReadLexiconForDialog(lexicon, &error)) {
        KoUtils::ShowMessageBox(
            QCoreApplication::translate("LexiconDialog",
                                        "The pronunciation lexicon \"%1\" could not be "
                                        "read: %2\nIt is left as it is.")
                .arg(path, error),
            KoUtils::MB_ICONERROR);
        return speech::S_OK;
    }
    engines::MarkLexiconFaultsSeen(lexicon);
    TFormLexicon form(static_cast<QWidget*>(parent), lexicon, path, std::move(listen));
    if (title && *title)
        form.setWindowTitle(QString::fromUtf8(title));
    form.ShowModal();
    return speech::S_OK;
}
