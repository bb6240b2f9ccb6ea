// The folder model's refresh: the children read again and merged into the
// ones already shown, so that entries still there keep their state.

#include "foldermodel.h"
#include "foldermodelnode.h"

#include <set>

namespace tandara {
namespace {

using EntryKey = std::pair<QByteArray, FolderKind>;

EntryKey keyOf(const FolderEntry &entry)
{
    return {entry.path, entry.kind};
}

} // namespace

void FolderModel::refreshOnOpen(const QModelIndex &index)
{
    Node *node = nodeOf(index);
    if (node->unseen)
        node->unseen = false;
    else
        refresh(index);
}

void FolderModel::refresh(const QModelIndex &index)
{
    Node *node = nodeOf(index);
    node->probed = -1;
    node->unseen = false;
    if (!node->listed)
        return;
    std::vector<FolderEntry> fresh = source_->children(node->entry, showFiles_);
    dropVanished(index, node, fresh);
    addNew(index, node, fresh);
    for (const std::unique_ptr<Node> &child : node->children) {
        child->probed = -1;
        child->unseen = false;
    }
}

// Removes the children that the fresh listing no longer has, a run of
// neighbours at a time.
void FolderModel::dropVanished(const QModelIndex &parent, Node *node, const std::vector<FolderEntry> &fresh)
{
    std::set<EntryKey> present;
    for (const FolderEntry &entry : fresh)
        present.insert(keyOf(entry));
    for (int last = int(node->children.size()) - 1; last >= 0; --last) {
        if (present.count(keyOf(node->children[size_t(last)]->entry)))
            continue;
        int first = last;
        while (first > 0 && !present.count(keyOf(node->children[size_t(first - 1)]->entry)))
            --first;
        removeChildren(parent, node, first, last);
        last = first;
    }
}

// Walks the fresh listing beside the children that stayed: a child that
// comes next keeps its place (its text brought up to date), the entries
// before it are inserted. Children the listing has in another order are
// taken out and come back as new entries.
void FolderModel::addNew(const QModelIndex &parent, Node *node, std::vector<FolderEntry> &fresh)
{
    size_t at = 0;
    const auto childMatches = [&](size_t i) {
        return at < node->children.size() && keyOf(node->children[at]->entry) == keyOf(fresh[i]);
    };
    for (size_t i = 0; i < fresh.size();) {
        if (childMatches(i)) {
            Node *kept = node->children[at].get();
            if (kept->entry.displayName != fresh[i].displayName) {
                kept->entry.displayName = fresh[i].displayName;
                const QModelIndex changed = createIndex(kept->row, 0, kept);
                emit dataChanged(changed, changed);
            }
            ++at;
            ++i;
            continue;
        }
        size_t end = i + 1;
        while (end < fresh.size() && !childMatches(end))
            ++end;
        std::vector<FolderEntry> run(std::make_move_iterator(fresh.begin() + std::ptrdiff_t(i)),
                                     std::make_move_iterator(fresh.begin() + std::ptrdiff_t(end)));
        insertChildren(parent, node, int(at), std::move(run));
        at += end - i;
        i = end;
    }
    if (at < node->children.size())
        removeChildren(parent, node, int(at), int(node->children.size()) - 1);
}

void FolderModel::insertChildren(const QModelIndex &parent, Node *node, int at, std::vector<FolderEntry> entries)
{
    if (entries.empty())
        return;
    beginInsertRows(parent, at, at + int(entries.size()) - 1);
    std::vector<std::unique_ptr<Node>> added;
    for (FolderEntry &entry : entries) {
        auto child = std::make_unique<Node>();
        child->entry = std::move(entry);
        child->parent = node;
        added.push_back(std::move(child));
    }
    node->children.insert(node->children.begin() + at, std::make_move_iterator(added.begin()),
                          std::make_move_iterator(added.end()));
    node->renumber();
    endInsertRows();
}

void FolderModel::removeChildren(const QModelIndex &parent, Node *node, int first, int last)
{
    beginRemoveRows(parent, first, last);
    node->children.erase(node->children.begin() + first, node->children.begin() + last + 1);
    node->renumber();
    endRemoveRows();
}

} // namespace tandara
