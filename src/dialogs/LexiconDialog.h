// The espeak-ng engine's lexicon dialog: the words the engine says differently, each with
// how to say it, whether it matches whole words only and whether the letter case must match.
#pragma once

#include "KoForm.h"
#include "Lexicon.h"

class QPushButton;
class QTableWidget;

class TFormLexicon : public TKoForm {
    Q_OBJECT
public:
    enum Column { ColWord, ColSay, ColWholeWord, ColMatchCase, ColListen };

    // Edits a copy of `lexicon`; OK writes it to `path` and makes it the engine's.
    TFormLexicon(QWidget* parent, const engines::Lexicon& lexicon, const QString& path,
                 engines::LexiconListen listen);

    QTableWidget* ListEntries = nullptr;
    QPushButton* ButtonAdd = nullptr;
    QPushButton* ButtonRemove = nullptr;
    QPushButton* ButtonImport = nullptr;
    QPushButton* ButtonExport = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

    // The entries as the list shows them; false with a message naming the first row that is
    // not an entry. Rows left wholly empty are no entries and no fault.
    bool Collect(engines::Lexicon& out, QString& error) const;
    // Adds a row, or updates the row of the same word and options.
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
    void ButtonListenClick(int row);

protected:
    void FormShow() override;

private:
    QStringList FKept;
    QString FPath;
    engines::LexiconListen FListen;
    bool FSaved = false;
};

// The dialog as the engine opens it: modal to `parent` (a QWidget*), on the current lexicon.
speech::HRESULT ShowLexiconDialog(speech::HWND parent, const char* title,
                                  engines::LexiconListen listen);
