// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTree.h"

#include "FolderModel.h"
#include "KoUtils.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsFolder(const QString& path) {
    struct stat st {};
    return ::stat(KoUtils::EncodeFileName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Why the user cannot make files in the folder; empty when they can.
QString WriteProblem(const QString& path) {
    if (::access(KoUtils::EncodeFileName(path).constData(), W_OK | X_OK) == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The folders the tree opens on: the home folder and the volumes mounted from a device (not
// the system's own pseudo file systems).
QStringList Places() {
    QStringList places{QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && root != QLatin1String("/") &&
            volume.device().startsWith("/dev/") && !root.startsWith(QLatin1String("/snap/")) &&
            QFileInfo(root).isDir())
            places << root;
    }
    return places;
}

} // namespace

TFormShellTree::TFormShellTree(QWidget* parent) : TKoForm(parent) {
    setObjectName(QStringLiteral("FormShellTree"));
    //: Window title (keep the leading space)
    setWindowTitle(tr(" Select the disk/folder you want to catalog"));
    SetBorderIcons(koframe::biSystemMenu);
    // A client area of 410 x 294 inside the frame.
    resize(410 + 10 + 13, 294 + 49 + 12);

    FileSystem = new TFolderModel(this);

    ShellTreeView1 = new QTreeView;
    ShellTreeView1->setObjectName(QStringLiteral("ShellTreeView1"));
    ShellTreeView1->setModel(FileSystem);
    ShellTreeView1->header()->hide();
    ShellTreeView1->setIndentation(19);
    ShellTreeView1->setContextMenuPolicy(Qt::NoContextMenu);
    // Deep folders run off to the right: the tree scrolls rather than cutting their names.
    ShellTreeView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ShellTreeView1->header()->setStretchLastSection(false);
    // Scrolled by whole rows, the view would show the current row cut at its lower edge
    // whenever its height is not a number of rows.
    ShellTreeView1->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    ShellTreeView1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The column is never narrower than the view, so that a selected row is marked across it.
    ShellTreeView1->viewport()->installEventFilter(this);
    // The root folder on top, opened down to each place so that all of them are in sight.
    ShellTreeView1->expand(FileSystem->index(0, 0));
    for (const QString& place : Places())
        for (QModelIndex i = FileSystem->Index(place).parent(); i.isValid(); i = i.parent())
            ShellTreeView1->expand(i);

    EditPath = new QLineEdit;
    EditPath->setObjectName(QStringLiteral("EditPath"));
    EditPath->setReadOnly(true);
    EditPath->setFrame(false);
    QPalette palette = EditPath->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    EditPath->setPalette(palette);

    ButtonOK = new QPushButton(tr("OK"));
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setDefault(true);
    ButtonOK->setEnabled(false);
    ButtonCancel = new QPushButton(tr("Cancel"));
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(PanelKoClient);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->addWidget(ShellTreeView1, 1);
    layout->addWidget(EditPath);
    layout->addLayout(buttons);

    connect(ShellTreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TFormShellTree::ShellTreeView1Change);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormShellTree::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QWidget::close);
    ShellTreeView1->setFocus();
}

QString TFormShellTree::SelectedPath() const {
    const QString path = FileSystem->FilePath(ShellTreeView1->currentIndex());
    return path.startsWith(QLatin1Char('/')) && IsFolder(path) ? path : QString();
}

void TFormShellTree::ShellTreeView1Change() {
    const QString path = SelectedPath();
    ButtonOK->setEnabled(!path.isEmpty());
    EditPath->setText(TFolderModel::DisplayName(path));
    // Once the view has laid out what the move opened (a wider column brings the sideways
    // scroll bar, which covers the lowest row).
    QTimer::singleShot(0, this, &TFormShellTree::ShowCurrentRow);
}

// The whole row in sight, and its name, however deep it lies: the view alone scrolls sideways
// to the column, not to the row's indentation, and may leave the row's lowest pixels under the
// sideways scroll bar that the column's new width brought.
void TFormShellTree::ShowCurrentRow() {
    const QModelIndex current = ShellTreeView1->currentIndex();
    if (!current.isValid())
        return;
    ShellTreeView1->scrollTo(current);
    const QRect row = ShellTreeView1->visualRect(current);
    const QRect view = ShellTreeView1->viewport()->rect();
    QScrollBar* down = ShellTreeView1->verticalScrollBar();
    if (row.bottom() > view.bottom())
        down->setValue(down->value() + row.bottom() - view.bottom());
    else if (row.top() < view.top())
        down->setValue(down->value() + row.top() - view.top());
    if (row.left() >= view.left() && row.right() <= view.right())
        return;
    QScrollBar* sideways = ShellTreeView1->horizontalScrollBar();
    // One step of indentation stays in sight on the left, for the parent's line.
    sideways->setValue(sideways->value() + row.left() - ShellTreeView1->indentation());
}

void TFormShellTree::ButtonOKClick() {
    const QModelIndex current = ShellTreeView1->currentIndex();
    const QString path = FileSystem->FilePath(current);
    if (path.isEmpty())
        return;
    if (!IsFolder(path)) {
        // Gone since it was listed: said, and the tree shows what is there now.
        KoUtils::ShowMessageBox(
            tr("The folder %1 is not there any more.").arg(TFolderModel::DisplayName(path)),
            KoUtils::MB_ICONWARNING);
        const QModelIndex parent = current.parent();
        FileSystem->Refresh(parent);
        ShellTreeView1->setCurrentIndex(parent);
        return;
    }
    if (const QString why = WriteProblem(path); !why.isEmpty()) {
        //: %2 is the system's reason
        const QString question = tr("You can not write to the folder %1 (%2): no file can be saved "
                                    "there.\n\nUse it all the same?")
                                     .arg(TFolderModel::DisplayName(path), why);
        if (!KoUtils::ConfirmBox(question))
            return;
    }
    FAccepted = true;
    close();
}

bool TFormShellTree::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ShellTreeView1->viewport() && event->type() == QEvent::Resize)
        ShellTreeView1->header()->setMinimumSectionSize(ShellTreeView1->viewport()->width());
    return TKoForm::eventFilter(watched, event);
}

void TFormShellTree::FormShow() {
    TKoForm::FormShow();
    SetSizeable(false);
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
}

void TFormShellTree::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Escape) {
            ButtonCancel->click();
            return;
        }
        // Enter presses the button that has the focus, else the default one.
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            auto* focused = qobject_cast<QPushButton*>(focusWidget());
            (focused ? focused : ButtonOK)->click();
            return;
        }
    }
    TKoForm::keyPressEvent(event);
}

QString SelectFolder(const QString& prompt, QWidget* owner) {
    TFormShellTree dialog(owner ? owner : QApplication::activeWindow());
    dialog.setWindowTitle(QLatin1Char(' ') + prompt);
    dialog.ShowModal();
    return dialog.Accepted() ? dialog.SelectedPath() : QString();
}
