#include "ShellTree.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

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
    setWindowTitle(QStringLiteral(" Select the disk/folder you want to catalog"));
    SetBorderIcons(koframe::biSystemMenu);
    // A client area of 410 x 294 inside the frame.
    resize(410 + 10 + 13, 294 + 49 + 12);

    FileSystem = new QFileSystemModel(this);
    FileSystem->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    FileSystem->setOption(QFileSystemModel::DontWatchForChanges);
    FileSystem->setRootPath(QStringLiteral("/"));

    ShellTreeView1 = new QTreeView;
    ShellTreeView1->setObjectName(QStringLiteral("ShellTreeView1"));
    ShellTreeView1->setModel(FileSystem);
    for (int column = 1; column < FileSystem->columnCount(); ++column)
        ShellTreeView1->hideColumn(column);
    ShellTreeView1->header()->hide();
    ShellTreeView1->setIndentation(19);
    ShellTreeView1->setContextMenuPolicy(Qt::NoContextMenu);
    ShellTreeView1->setSortingEnabled(true);
    ShellTreeView1->sortByColumn(0, Qt::AscendingOrder);
    // The root folder on top, opened down to each place so that all of them are in sight.
    ShellTreeView1->expand(FileSystem->index(QStringLiteral("/")));
    for (const QString& place : Places())
        for (QModelIndex i = FileSystem->index(place).parent(); i.isValid(); i = i.parent())
            ShellTreeView1->expand(i);

    EditPath = new QLineEdit;
    EditPath->setObjectName(QStringLiteral("EditPath"));
    EditPath->setReadOnly(true);
    EditPath->setFrame(false);
    QPalette palette = EditPath->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    EditPath->setPalette(palette);

    ButtonOK = new QPushButton(QStringLiteral("OK"));
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setDefault(true);
    ButtonOK->setEnabled(false);
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"));
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
    const QModelIndex current = ShellTreeView1->currentIndex();
    if (!current.isValid())
        return {};
    const QString path = FileSystem->filePath(current);
    const QFileInfo info(path);
    return info.isAbsolute() && info.isDir() ? path : QString();
}

void TFormShellTree::ShellTreeView1Change() {
    const QString path = SelectedPath();
    ButtonOK->setEnabled(!path.isEmpty());
    EditPath->setText(path);
}

void TFormShellTree::ButtonOKClick() {
    if (SelectedPath().isEmpty())
        return;
    FAccepted = true;
    close();
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
