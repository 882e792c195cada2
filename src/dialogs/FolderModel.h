// SPDX-License-Identifier: GPL-3.0-or-later
// The folders of the file system as a tree from the root folder down, each folder listed when
// it is first opened. Names are the system's bytes: a name that is not UTF-8 is listed all the
// same, shown with its odd bytes as \xNN, and its path keeps them (KoUtils::DecodeFileName).
// Nothing limits the depth.
#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QIcon>

#include <memory>
#include <vector>

class TFolderModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TFolderModel(QObject* parent = nullptr);
    ~TFolderModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // The folder's path as the program keeps file names (every byte kept); empty for none.
    QString FilePath(const QModelIndex& index) const;
    // The row of the folder at the absolute `path`, listing the folders on the way; invalid
    // when the tree has no such folder (missing, hidden, not a folder).
    QModelIndex Index(const QString& path);
    // Lists the folder again: folders that went away leave it, new ones come.
    void Refresh(const QModelIndex& index);

    // What the tree shows of a name or a path: bytes that are not UTF-8 as \xNN.
    static QString DisplayName(const QString& name);

private:
    struct TNode;
    TNode* Node(const QModelIndex& index) const;
    QModelIndex IndexOf(TNode* node) const;
    // The child folders' names of `path`, sorted as the tree shows them.
    static std::vector<QByteArray> List(const QByteArray& path);

    std::unique_ptr<TNode> FRoot; // holds the root folder "/" as its only child
    QIcon FIcon;
};
