// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderModel.h"

#include "KoUtils.h"

#include <QApplication>
#include <QCollator>
#include <QStyle>

#include <algorithm>
#include <dirent.h>
#include <set>
#include <sys/stat.h>

struct TFolderModel::TNode {
    QByteArray Name;
    QByteArray Path; // the whole path's bytes
    TNode* Parent = nullptr;
    int Row = 0;
    bool Listed = false;
    std::vector<std::unique_ptr<TNode>> Children;

    void Renumber() {
        for (std::size_t i = 0; i < Children.size(); ++i)
            Children[i]->Row = int(i);
    }
    std::unique_ptr<TNode> Child(const QByteArray& name) {
        auto node = std::make_unique<TNode>();
        node->Name = name;
        node->Path = Path.endsWith('/') ? Path + name : Path + '/' + name;
        node->Parent = this;
        return node;
    }
};

namespace {

bool IsFolder(const QByteArray& path) {
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The order the tree shows: as a person reads the names (letter case aside, numbers by their
// value), the bytes where two names read the same.
bool ShownBefore(const QByteArray& a, const QByteArray& b) {
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    const int order = collator.compare(TFolderModel::DisplayName(KoUtils::DecodeFileName(a)),
                                       TFolderModel::DisplayName(KoUtils::DecodeFileName(b)));
    return order != 0 ? order < 0 : a < b;
}

} // namespace

TFolderModel::TFolderModel(QObject* parent)
    : QAbstractItemModel(parent), FRoot(std::make_unique<TNode>()),
      FIcon(QApplication::style()->standardIcon(QStyle::SP_DirIcon)) {
    FRoot->Listed = true;
    auto top = std::make_unique<TNode>();
    top->Name = top->Path = "/";
    top->Parent = FRoot.get();
    FRoot->Children.push_back(std::move(top));
}

TFolderModel::~TFolderModel() = default;

QString TFolderModel::DisplayName(const QString& name) {
    QString shown;
    shown.reserve(name.size());
    for (QChar c : name) {
        // DecodeFileName keeps a byte that is no part of a UTF-8 character as U+DC80..U+DCFF.
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF)
            shown += QStringLiteral("\\x") +
                     QString::number(c.unicode() - 0xDC00, 16).toUpper().rightJustified(2, u'0');
        else
            shown += c;
    }
    return shown;
}

TFolderModel::TNode* TFolderModel::Node(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TNode*>(index.internalPointer()) : FRoot.get();
}

QModelIndex TFolderModel::IndexOf(TNode* node) const {
    return node == FRoot.get() ? QModelIndex() : createIndex(node->Row, 0, node);
}

QModelIndex TFolderModel::index(int row, int column, const QModelIndex& parent) const {
    const TNode* node = Node(parent);
    if (column != 0 || row < 0 || row >= int(node->Children.size()))
        return {};
    return createIndex(row, 0, node->Children[std::size_t(row)].get());
}

QModelIndex TFolderModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    return IndexOf(Node(child)->Parent);
}

int TFolderModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return int(Node(parent)->Children.size());
}

int TFolderModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TFolderModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const TNode* node = Node(index);
    switch (role) {
    case Qt::DisplayRole:
        return DisplayName(KoUtils::DecodeFileName(node->Name));
    case Qt::ToolTipRole:
        return DisplayName(KoUtils::DecodeFileName(node->Path));
    case Qt::DecorationRole:
        return FIcon;
    default:
        return {};
    }
}

bool TFolderModel::hasChildren(const QModelIndex& parent) const {
    const TNode* node = Node(parent);
    // A folder not listed yet may hold folders: it shows its expander until it is opened.
    return !node->Listed || !node->Children.empty();
}

bool TFolderModel::canFetchMore(const QModelIndex& parent) const {
    return !Node(parent)->Listed;
}

void TFolderModel::fetchMore(const QModelIndex& parent) {
    TNode* node = Node(parent);
    if (node->Listed)
        return;
    node->Listed = true;
    const std::vector<QByteArray> names = List(node->Path);
    if (names.empty()) {
        // No rows come, but the expander must go.
        emit dataChanged(parent, parent);
        return;
    }
    beginInsertRows(parent, 0, int(names.size()) - 1);
    for (const QByteArray& name : names)
        node->Children.push_back(node->Child(name));
    node->Renumber();
    endInsertRows();
}

std::vector<QByteArray> TFolderModel::List(const QByteArray& path) {
    std::vector<QByteArray> names;
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.')) // ".", ".." and the hidden folders
            continue;
        const bool folder = entry->d_type == DT_DIR ||
                            ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                             IsFolder(path.endsWith('/') ? path + name : path + '/' + name));
        if (folder)
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), ShownBefore);
    return names;
}

QString TFolderModel::FilePath(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    return KoUtils::DecodeFileName(Node(index)->Path);
}

QModelIndex TFolderModel::Index(const QString& path) {
    const QByteArray bytes = KoUtils::EncodeFileName(path);
    if (!bytes.startsWith('/'))
        return {};
    TNode* node = FRoot->Children.front().get();
    for (const QByteArray& name : bytes.split('/')) {
        if (name.isEmpty() || name == ".")
            continue;
        if (!node->Listed)
            fetchMore(IndexOf(node));
        auto next = std::find_if(node->Children.begin(), node->Children.end(),
                                 [&](const std::unique_ptr<TNode>& c) { return c->Name == name; });
        if (next == node->Children.end())
            return {};
        node = next->get();
    }
    return IndexOf(node);
}

void TFolderModel::Refresh(const QModelIndex& index) {
    TNode* node = Node(index);
    if (node == FRoot.get())
        return;
    if (!node->Listed) {
        fetchMore(index);
        return;
    }
    const std::vector<QByteArray> names = List(node->Path);
    const std::set<QByteArray> now(names.begin(), names.end());
    for (int row = int(node->Children.size()) - 1; row >= 0; --row) {
        if (now.count(node->Children[std::size_t(row)]->Name))
            continue;
        beginRemoveRows(index, row, row);
        node->Children.erase(node->Children.begin() + row);
        node->Renumber();
        endRemoveRows();
    }
    // Both lists are in the tree's order, and what is left is part of the new one.
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i < node->Children.size() && node->Children[i]->Name == names[i])
            continue;
        beginInsertRows(index, int(i), int(i));
        node->Children.insert(node->Children.begin() + std::ptrdiff_t(i), node->Child(names[i]));
        node->Renumber();
        endInsertRows();
    }
    emit dataChanged(index, index);
}
