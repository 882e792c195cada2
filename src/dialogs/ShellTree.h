// SPDX-License-Identifier: GPL-3.0-or-later
// The folder picker: a tree of the machine's folders from the root folder down, opened on the
// home folder and the mounted volumes; OK gives the selected folder: one that went away since it
// was listed is refused with a word, one the user cannot write to is taken only when the user
// says so.
#pragma once

#include "KoForm.h"

class TFolderModel;
class QLineEdit;
class QPushButton;
class QTreeView;

class TFormShellTree : public TKoForm {
    Q_OBJECT
public:
    explicit TFormShellTree(QWidget* parent = nullptr);

    // The selected folder's path, or empty while nothing with a real path is selected.
    QString SelectedPath() const;
    // True once the window was closed with OK.
    bool Accepted() const { return FAccepted; }

    TFolderModel* FileSystem = nullptr;
    QTreeView* ShellTreeView1 = nullptr;
    QLineEdit* EditPath = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

    void ShellTreeView1Change();

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ButtonOKClick();
    void ShowCurrentRow();
    bool FAccepted = false;
};

// Shows the folder picker modally with the caption " " + `prompt`; returns the chosen folder,
// or empty when the user cancelled or closed it. The root folder comes back as "/".
QString SelectFolder(const QString& prompt, QWidget* owner = nullptr);
