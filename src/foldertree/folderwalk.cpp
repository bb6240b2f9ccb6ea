#include "folderwalk.h"

#include "folderview.h"

namespace tandara {
namespace {

void openComputer(FolderView &tree, const FolderItem &computer)
{
    const FolderItem first = computer.FirstChild();
    const FolderItem second = first.NextSibling();
    const FolderItem target = second.isNull() ? first : second;
    tree.setSelectedFolder(target);
    target.Expand();
}

} // namespace

void startupWalk(FolderView &tree)
{
    FolderItem selected = tree.SelectedFolder().FirstChild();
    tree.setSelectedFolder(selected);
    const int bound = selected.ItemCount() + 1;
    for (int step = 0; step < bound && !selected.isNull(); ++step) {
        if (selected.DisplayName() == kComputerName) {
            openComputer(tree, selected);
            return;
        }
        selected = selected.NextSibling();
        tree.setSelectedFolder(selected);
    }
}

void showFilesRefresh(FolderView &tree)
{
    const FolderItem below = tree.SelectedFolder().FirstChild();
    tree.setSelectedFolder(below);
    below.FirstChild().Expand();
}

namespace {

FolderItem listedChildWithPath(const FolderItem &parent, const QByteArray &path)
{
    for (FolderItem child = parent.FirstChild(); !child.isNull(); child = child.NextSibling())
        if (child.folderPathBytes() == path)
            return child;
    return {};
}

// A folder made since parent was listed is found after listing it afresh.
FolderItem childWithPath(FolderView &tree, const FolderItem &parent, const QByteArray &path)
{
    if (FolderItem child = listedChildWithPath(parent, path); !child.isNull())
        return child;
    tree.refresh(parent);
    return listedChildWithPath(parent, path);
}

} // namespace

bool selectFolderPath(FolderView &tree, QByteArray path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    FolderItem computer = tree.topFolder().FirstChild();
    while (!computer.isNull() && computer.DisplayName() != kComputerName)
        computer = computer.NextSibling();
    if (computer.isNull() || !path.startsWith('/'))
        return false;
    FolderItem item = childWithPath(tree, computer, QByteArrayLiteral("/"));
    for (qsizetype end = path.indexOf('/', 1); !item.isNull(); end = path.indexOf('/', end + 1)) {
        const QByteArray prefix = end < 0 ? path : path.left(end);
        if (prefix.size() > 1)
            item = childWithPath(tree, item, prefix);
        if (end < 0 || item.isNull())
            break;
    }
    if (item.isNull())
        return false;
    tree.setSelectedFolder(item);
    return true;
}

} // namespace tandara
