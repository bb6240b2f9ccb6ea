#pragma once
// Where a folder tree's entries come from. The tree asks its source for
// the top entry and, the first time an entry is opened or asked about, for
// that entry's children; the answers are given at once.

#include "folderentry.h"

#include <vector>

namespace tandara {

// The text of the computer entry, below the desktop.
inline const QString kComputerName = QStringLiteral("Risorse del computer");

class FolderSource {
public:
    virtual ~FolderSource() = default;
    // The entry at the top of the tree.
    virtual FolderEntry top() const = 0;
    // The entries below parent; files only when withFiles.
    virtual std::vector<FolderEntry> children(const FolderEntry &parent, bool withFiles) const = 0;
    // Whether children() would give anything; sources may answer cheaper.
    virtual bool hasChildren(const FolderEntry &parent, bool withFiles) const
    {
        return !children(parent, withFiles).empty();
    }
};

// The machine's own folders: the desktop, below it the computer, below
// that "/" first, the home folder second, then the mounted volumes; below
// those their folders (and files) from the file system.
class SystemFolderSource : public FolderSource {
public:
    FolderEntry top() const override;
    std::vector<FolderEntry> children(const FolderEntry &parent, bool withFiles) const override;
    bool hasChildren(const FolderEntry &parent, bool withFiles) const override;
};

// The home folder's path in native bytes.
QByteArray homeFolderPath();

} // namespace tandara
