// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's find and replace dialog, and the search it remembers for "Find Next".
#pragma once

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

struct TSearch {
    QString Text;
    bool MatchCase = false;
    bool WholeWord = false;
    bool Down = true;

    QTextDocument::FindFlags Flags() const;
    // Finds the next occurrence from the editor's cursor (or from the start when `fromStart`)
    // and selects it; false when there is none.
    bool FindIn(QPlainTextEdit* editor, bool fromStart = false) const;
};

class TFindDialog : public QDialog {
    Q_OBJECT
public:
    TFindDialog(QPlainTextEdit* editor, bool replace, QWidget* parent);

    void SetReplaceMode(bool replace);
    TSearch Search() const;
    void SetSearch(const TSearch& search);

    QLineEdit* EditFind = nullptr;
    QLineEdit* EditReplace = nullptr;
    QCheckBox* CheckMatchCase = nullptr;
    QCheckBox* CheckWholeWord = nullptr;
    QRadioButton* RadioUp = nullptr;
    QRadioButton* RadioDown = nullptr;
    QPushButton* ButtonFindNext = nullptr;
    QPushButton* ButtonReplace = nullptr;
    QPushButton* ButtonReplaceAll = nullptr;

signals:
    // A search was run: the main window keeps it for "Find Next".
    void Searched(const TSearch& search, bool found);

private:
    void FindNext();
    void Replace();
    void ReplaceAll();
    void NotFound();

    QPlainTextEdit* FEditor;
    QLabel* FFindLabel = nullptr;
    QLabel* FReplaceLabel = nullptr;
};
