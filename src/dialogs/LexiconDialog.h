// SPDX-License-Identifier: GPL-3.0-or-later
// The espeak-ng engine's lexicon dialog: the words the engine says differently, each with
// how to say it, whether it matches whole words only and whether the letter case must match.
// It shows the file as it is: entries and the lines the reader refused, in the file's order,
// and says which entry wins where two would apply to the same word.
#pragma once

#include "KoForm.h"
#include "Lexicon.h"

#include <QAbstractTableModel>
#include <QHash>

class QLabel;
class QPushButton;
class QTableView;

// The rows of the dialog: the lines of the file that are entries or refused lines, in the
// file's order, then the rows added in the dialog.
class TLexiconModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColWord, ColSay, ColWholeWord, ColMatchCase, ColNote, ColumnCount };

    struct TRow {
        engines::LexiconEntry Entry; // as the row shows it
        engines::LexiconEntry Read;  // as the file holds it
        int Line = -1;               // its line in the file; -1 for a row added here
        QString Refused;             // why the reader refused the line, until the user edits it
        bool NotUtf8 = false;
    };

    explicit TLexiconModel(const engines::Lexicon& file, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    const TRow& Row(int row) const { return FRows[std::size_t(row)]; }
    // What the note column says of the row: why it is not used, or which entry wins.
    QString Note(int row) const;
    // The note warns: the row is not used, or not everywhere it matches.
    bool Warns(int row) const;
    // Lines of the file the reader refused and the user has not edited.
    int ProblemCount() const;
    int FirstProblemRow() const;
    void AddRow(const engines::LexiconEntry& entry);
    // Imported entries: an entry written exactly as a row that was there before, with the same
    // options, gives that row its pronunciation; any other is a new row.
    void Import(const std::vector<engines::LexiconEntry>& entries);
    // The file as OK writes it: every line the dialog did not change as it was read, byte for
    // byte and in its place; changed rows in their place; new rows at the end. False with a
    // message naming the first row that is not an entry.
    bool Compose(engines::Lexicon& out, QString& error) const;

private:
    bool Changed(const TRow& row) const;
    bool Usable(std::size_t row) const;
    // The notes of entries for one word, after rows were added, removed or changed: all of
    // them, or those of the words a row had and has now.
    void Recheck();
    void Recheck(std::size_t row);
    void NoteGroup(const QString& key);

    std::vector<engines::LexiconLine> FLines;
    std::vector<TRow> FRows;
    std::vector<QString> FKeys; // an entry's word as matched (case-folded); empty for no entry
    QHash<QString, std::vector<std::size_t>> FGroups; // the rows of each key, in order
    std::vector<QString> FGroupNotes;                 // which entry of a key wins
    std::vector<bool> FGroupWarns;
};

class TFormLexicon : public TKoForm {
    Q_OBJECT
public:
    // Edits `lexicon` (as read from `path`); OK writes it to `path` and makes it the engine's.
    TFormLexicon(QWidget* parent, const engines::Lexicon& lexicon, const QString& path,
                 engines::LexiconListen listen);

    QLabel* LabelEntries = nullptr;
    QLabel* LabelNote = nullptr; // the current row's note, whole
    QLabel* LabelProblems = nullptr;
    QTableView* ListEntries = nullptr;
    TLexiconModel* Model = nullptr;
    QPushButton* ButtonAdd = nullptr;
    QPushButton* ButtonRemove = nullptr;
    QPushButton* ButtonListen = nullptr;
    QPushButton* ButtonImport = nullptr;
    QPushButton* ButtonExport = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

    // The file as OK would write it; false with a message naming the first row that is not
    // an entry. Rows left wholly empty are no entries and no fault.
    bool Collect(engines::Lexicon& out, QString& error) const;
    void AddEntry(const engines::LexiconEntry& entry);
    // Import and export without the file dialogs; false after telling the user why.
    bool ImportFile(const QString& path);
    bool ExportFile(const QString& path);
    // OK: saved and taken over by the engine.
    bool Saved() const { return FSaved; }

    void ButtonAddClick();
    void ButtonRemoveClick();
    void ButtonImportClick();
    void ButtonExportClick();
    void ButtonOKClick();
    void ButtonListenClick();

protected:
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowProblems();
    void ShowNote();

    QString FPath;
    engines::LexiconListen FListen;
    QByteArray FReadBytes; // the file as it was read, to tell a change made meanwhile
    bool FSaved = false;
};

// The dialog as the engine opens it: modal to `parent` (a QWidget*), on the lexicon file as
// it is now.
speech::HRESULT ShowLexiconDialog(speech::HWND parent, const char* title,
                                  engines::LexiconListen listen);
