#pragma once
// One entry of a folder tree as its source describes it.

#include <QByteArray>
#include <QString>

namespace tandara {

enum class FolderKind { Desktop, Computer, Drive, Home, Folder, File };

struct FolderEntry {
    QString displayName;
    // The entry's path in native bytes: "Desktop" for the desktop, empty
    // for the computer, the absolute path otherwise.
    QByteArray path;
    FolderKind kind = FolderKind::Folder;
};

} // namespace tandara
