#include "foldermodel.h"

#include "foldermodelnode.h"

#include "widgets/resources.h"

#include <QFile>

namespace tandara {

FolderModel::FolderModel(std::unique_ptr<FolderSource> source, QObject *parent)
    : QAbstractItemModel(parent), source_(std::move(source))
{
    initWidgetResources();
    // In the order of FolderKind.
    for (const char *path : {res::kTreeDesktop, res::kTreeComputer, res::kTreeDrive, res::kTreeHome,
                             res::kTreeFolder, res::kTreeFile})
        icons_.push_back(QIcon(QString::fromLatin1(path)));
    rebuild();
}

FolderModel::~FolderModel() = default;

void FolderModel::rebuild()
{
    root_ = std::make_unique<Node>();
    root_->listed = true;
    root_->add(source_->top());
}

void FolderModel::setShowFiles(bool show)
{
    if (show == showFiles_)
        return;
    beginResetModel();
    showFiles_ = show;
    rebuild();
    endResetModel();
}

FolderModel::Node *FolderModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : root_.get();
}

QModelIndex FolderModel::topIndex() const
{
    return createIndex(0, 0, root_->children.front().get());
}

const FolderEntry &FolderModel::entry(const QModelIndex &index) const
{
    return nodeOf(index)->entry;
}

void FolderModel::ensureListed(const QModelIndex &index)
{
    Node *node = nodeOf(index);
    if (node->listed)
        return;
    node->listed = true;
    insertChildren(index, node, 0, source_->children(node->entry, showFiles_));
}

QModelIndex FolderModel::index(int row, int column, const QModelIndex &parent) const
{
    const Node *node = nodeOf(parent);
    if (column != 0 || row < 0 || row >= int(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[row].get());
}

QModelIndex FolderModel::parent(const QModelIndex &child) const
{
    const Node *up = child.isValid() ? nodeOf(child)->parent : nullptr;
    if (!up || up == root_.get())
        return {};
    return createIndex(up->row, 0, up);
}

int FolderModel::rowCount(const QModelIndex &parent) const
{
    return parent.column() > 0 ? 0 : int(nodeOf(parent)->children.size());
}

int FolderModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant FolderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const FolderEntry &e = nodeOf(index)->entry;
    switch (role) {
    case Qt::DisplayRole:
        return e.displayName;
    case Qt::DecorationRole:
        return icons_[int(e.kind)];
    case Qt::ToolTipRole:
        // The desktop and the computer have no path: their name stands.
        return e.path.startsWith('/') ? QFile::decodeName(e.path) : e.displayName;
    default:
        return {};
    }
}

bool FolderModel::hasChildren(const QModelIndex &parent) const
{
    const Node *node = nodeOf(parent);
    if (!node->children.empty())
        return true;
    if (node->probed < 0)
        node->probed = source_->hasChildren(node->entry, showFiles_) ? 1 : 0;
    return node->probed == 1;
}

bool FolderModel::canFetchMore(const QModelIndex &parent) const
{
    return !nodeOf(parent)->listed;
}

// The view fetches an entry's children as it opens it, just before it
// reports the opening: that opening needs no second listing.
void FolderModel::fetchMore(const QModelIndex &parent)
{
    Node *node = nodeOf(parent);
    if (node->listed)
        return;
    ensureListed(parent);
    node->unseen = true;
}

} // namespace tandara
