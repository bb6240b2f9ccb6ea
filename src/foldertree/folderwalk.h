#pragma once
// The two walks the main window runs over a folder tree.

#include <QByteArray>

namespace tandara {

class FolderView;

// From the entry selected at load, moves down one level and then along
// that level until "Risorse del computer" is found; selects and opens the
// second entry below it (the home folder), or the first when it has only
// one. Without that entry among those visited (at most ItemCount + 1 of
// them) the tree stays on the last entry visited.
void startupWalk(FolderView &tree);

// After ShowFiles has been written: selects the first entry below the
// selection and opens the first entry below that one.
void showFilesRefresh(FolderView &tree);

// Selects the folder at path (absolute, bytes) by opening the tree from
// the file-system root down; a level not among the entries listed is
// looked for again on the disk. False, and the selection unchanged, when a
// level is not there.
bool selectFolderPath(FolderView &tree, QByteArray path);

} // namespace tandara
