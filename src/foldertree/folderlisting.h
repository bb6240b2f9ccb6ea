#pragma once
// Reading the file system for the folder trees: the entries of one folder
// and the mounted volumes worth showing. Names and paths stay bytes.
//
// Entries whose names start with a dot are hidden, as on every Linux
// desktop; the scan leaves such folders out below the root as well.

#include "folderentry.h"

#include <vector>

namespace tandara {

// The subfolders of folder (with withFiles also its other entries, after
// the folders), each group sorted by name without regard to case. A
// folder is anything that is a directory after following links. An
// unreadable folder gives no entries.
std::vector<FolderEntry> listFolder(const QByteArray &folder, bool withFiles);

// True when listFolder would give at least one entry; stops at the first.
bool folderHasEntries(const QByteArray &folder, bool withFiles);

// A mounted file system as the system reports it.
struct MountedVolume {
    QByteArray root;
    QByteArray type;
    QString label;
};

// The volumes a user may pick: no pseudo or system file systems, nothing
// under /proc, /sys, /dev or /run (except removable media under
// /run/media), not "/" or the home folder (listed on their own), each
// mount point once, in the given order.
std::vector<FolderEntry> usableVolumes(const std::vector<MountedVolume> &mounted, const QByteArray &home);

// The system's mounted, ready volumes whose mount point is a folder.
std::vector<MountedVolume> mountedVolumes();

} // namespace tandara
