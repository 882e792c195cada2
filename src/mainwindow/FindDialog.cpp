// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindDialog.h"

#include "KoUtils.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QVBoxLayout>

QTextDocument::FindFlags TSearch::Flags() const {
    QTextDocument::FindFlags f;
    if (MatchCase)
        f |= QTextDocument::FindCaseSensitively;
    if (WholeWord)
        f |= QTextDocument::FindWholeWords;
    if (!Down)
        f |= QTextDocument::FindBackward;
    return f;
}

bool TSearch::FindIn(QPlainTextEdit* editor, bool fromStart) const {
    if (Text.isEmpty())
        return false;
    QTextCursor from = editor->textCursor();
    if (fromStart) {
        from.movePosition(Down ? QTextCursor::Start : QTextCursor::End);
    }
    QTextCursor hit = editor->document()->find(Text, from, Flags());
    if (hit.isNull())
        return false;
    editor->setTextCursor(hit);
    return true;
}

TFindDialog::TFindDialog(QPlainTextEdit* editor, bool replace, QWidget* parent)
    : QDialog(parent), FEditor(editor) {
    // A find dialog is neither maximised nor minimised on its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* grid = new QGridLayout;
    // A label's & is a mnemonic only with a buddy to take the focus; without one it is shown.
    FFindLabel = new QLabel(tr("Fi&nd what:"));
    grid->addWidget(FFindLabel, 0, 0);
    EditFind = new QLineEdit;
    FFindLabel->setBuddy(EditFind);
    grid->addWidget(EditFind, 0, 1);
    FReplaceLabel = new QLabel(tr("Re&place with:"));
    grid->addWidget(FReplaceLabel, 1, 0);
    EditReplace = new QLineEdit;
    FReplaceLabel->setBuddy(EditReplace);
    grid->addWidget(EditReplace, 1, 1);
    CheckMatchCase = new QCheckBox(tr("Match &case"));
    CheckWholeWord = new QCheckBox(tr("Match &whole word only"));
    grid->addWidget(CheckWholeWord, 2, 0, 1, 2);
    grid->addWidget(CheckMatchCase, 3, 0, 1, 2);
    //: The direction of the search
    auto* direction = new QGroupBox(tr("Direction"));
    auto* dirLayout = new QHBoxLayout(direction);
    RadioUp = new QRadioButton(tr("&Up"));
    RadioDown = new QRadioButton(tr("&Down"));
    RadioDown->setChecked(true);
    dirLayout->addWidget(RadioUp);
    dirLayout->addWidget(RadioDown);
    grid->addWidget(direction, 4, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    ButtonFindNext = new QPushButton(tr("&Find Next"));
    ButtonFindNext->setDefault(true);
    ButtonReplace = new QPushButton(tr("&Replace"));
    ButtonReplaceAll = new QPushButton(tr("Replace &All"));
    auto* cancel = new QPushButton(tr("Cancel"));
    for (QPushButton* b : {ButtonFindNext, ButtonReplace, ButtonReplaceAll, cancel})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    // A fixed size that follows the shown rows, as a find dialog has: a resizable one gets the
    // window manager's resize handle drawn as a strip along its bottom.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ButtonFindNext, &QPushButton::clicked, this, &TFindDialog::FindNext);
    connect(ButtonReplace, &QPushButton::clicked, this, &TFindDialog::Replace);
    connect(ButtonReplaceAll, &QPushButton::clicked, this, &TFindDialog::ReplaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    auto enable = [this] {
        bool any = !EditFind->text().isEmpty();
        ButtonFindNext->setEnabled(any);
        ButtonReplace->setEnabled(any);
        ButtonReplaceAll->setEnabled(any);
    };
    connect(EditFind, &QLineEdit::textChanged, this, enable);
    enable();
    SetReplaceMode(replace);
}

void TFindDialog::SetReplaceMode(bool replace) {
    //: Title of the dialog
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    FReplaceLabel->setVisible(replace);
    EditReplace->setVisible(replace);
    ButtonReplace->setVisible(replace);
    ButtonReplaceAll->setVisible(replace);
}

TSearch TFindDialog::Search() const {
    return {EditFind->text(), CheckMatchCase->isChecked(), CheckWholeWord->isChecked(),
            RadioDown->isChecked()};
}

void TFindDialog::SetSearch(const TSearch& search) {
    EditFind->setText(search.Text);
    EditFind->selectAll();
    CheckMatchCase->setChecked(search.MatchCase);
    CheckWholeWord->setChecked(search.WholeWord);
    (search.Down ? RadioDown : RadioUp)->setChecked(true);
}

void TFindDialog::NotFound() {
    KoUtils::ShowMessageBox(tr("Cannot find \"%1\"").arg(EditFind->text()),
                            KoUtils::MB_ICONINFORMATION);
}

void TFindDialog::FindNext() {
    TSearch s = Search();
    bool found = s.FindIn(FEditor);
    emit Searched(s, found);
    if (!found)
        NotFound();
}

void TFindDialog::Replace() {
    TSearch s = Search();
    QTextCursor c = FEditor->textCursor();
    Qt::CaseSensitivity cs = s.MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Replace the selection when it is a match, then go on to the next one.
    if (c.hasSelection() && c.selectedText().compare(s.Text, cs) == 0)
        c.insertText(EditReplace->text());
    FindNext();
}

void TFindDialog::ReplaceAll() {
    TSearch s = Search();
    s.Down = true;
    QTextCursor edit(FEditor->document());
    edit.beginEditBlock(); // one undo step for all of them
    int count = 0;
    QTextCursor at(FEditor->document());
    for (;;) {
        at = FEditor->document()->find(s.Text, at, s.Flags());
        if (at.isNull())
            break;
        at.insertText(EditReplace->text());
        ++count;
    }
    edit.endEditBlock();
    emit Searched(s, count > 0);
    if (count == 0)
        NotFound();
}
