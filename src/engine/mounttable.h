#pragma once
// Which file system a folder lies on, from the mount table of this process
// (/proc/self/mountinfo), and which file systems are the kernel's own
// pseudo file systems that a walk never enters.

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace tandara {

struct MountEntry {
    dev_t device = 0;       // st_dev of the files on it
    std::string mountPoint; // as an absolute path
    std::string type;       // "ext4", "vfat", "fuse.fusefat", "devtmpfs", …
};

// The entries of a text in the form of /proc/self/mountinfo; lines that do
// not parse are left out.
std::vector<MountEntry> parseMountInfo(std::string_view text);
// The mount table of this process; empty when it cannot be read.
std::vector<MountEntry> readMountTable();

// The type of the file system with the given device ("" when unknown).
// With several mounts of one device, the last one counts, as the kernel
// shows the last mount on top.
std::string mountTypeOf(dev_t device, const std::vector<MountEntry> &table);

// True when the open folder fd, whose st_dev is device, lies on one of the
// kernel's pseudo file systems (proc, sysfs, devtmpfs, devpts, cgroup,
// debugfs, tracefs, securityfs, bpf, pstore, mqueue, configfs, fusectl,
// hugetlbfs, autofs, binfmt_misc): their files are no user data, and some
// (/proc/<pid>/cwd) lead back into the trees without end.
bool isKernelPseudoFs(int fd, dev_t device);

} // namespace tandara
