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

} // namespace tandara
