#pragma once
// What /proc/self/mountinfo says is mounted at a folder.

#include <optional>
#include <string>

namespace tandara::test {

struct MountEntry {
    std::string type;   // "tmpfs", "btrfs", "fuseblk", "fuse.fusefat"…
    std::string source; // "/dev/loop3", "tmpfs", "fusefat"…
};

// The top-most mount whose mount point is exactly folder (an absolute
// path without symbolic links), or nothing when folder is no mount point.
std::optional<MountEntry> mountAt(const std::string &folder);

} // namespace tandara::test
