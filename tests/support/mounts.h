#pragma once
// Real file systems mounted for one test, so that copying and scanning can
// be tried on the destinations users have: a FAT stick (through FUSE and
// through the kernel), an NTFS disk, btrfs, and a small tmpfs to fill up.
// What each one does with owners, modes, times and cloning is listed in
// tests/support/README.md.
//
//     ScopedMount fat(FileSystem::FatFuse);
//     TANDARA_SKIP_UNLESS_OK(fat);
//     writeFile(fat / "a.txt", 10, 1700000001);

#include "skip.h"
#include "temptree.h"

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tandara::test {

enum class FileSystem {
    FatFuse,   // mkfs.vfat image served by fusefat, read-write
    FatKernel, // mkfs.vfat image on a loop device, kernel vfat driver
    Ntfs,      // mkntfs image on a loop device, served by ntfs-3g
    Btrfs,     // mkfs.btrfs image on a loop device
    Tmpfs,     // memory only, of the size asked
};

const char *nameOf(FileSystem kind);

// One file system mounted on a folder of its own temporary folder, which
// also holds the image. The mount needs root; when it cannot be made (not
// root, a tool or /dev/fuse missing, the kernel refusing) ok() is false
// and reason() says why. The destructor unmounts (lazily when a file is
// still open), ends the FUSE server, detaches the loop device and removes
// the image, also when the test failed or threw. The folder holding the
// mount is open to everyone, so a run as nobody can reach it.
class ScopedMount {
public:
    // bytes: the size of the image or tmpfs; 0 takes a default for the kind.
    explicit ScopedMount(FileSystem kind, int64_t bytes = 0);
    ~ScopedMount();
    ScopedMount(const ScopedMount &) = delete;
    ScopedMount &operator=(const ScopedMount &) = delete;

    bool ok() const { return reason_.empty(); }
    const std::string &reason() const { return reason_; }
    FileSystem kind() const { return kind_; }

    // The mounted root, an absolute path without symbolic links.
    const std::string &path() const { return path_; }
    std::string operator/(const std::string &relative) const { return path_ + "/" + relative; }

private:
    std::string mount(int64_t bytes);
    std::string makeImage(int64_t bytes, const std::vector<std::string> &mkfs);
    std::string mountWithTool(const std::vector<std::string> &options, const std::string &source);
    std::string attachLoop();
    std::string startFuse(const std::vector<std::string> &argv);
    void unmount();

    FileSystem kind_;
    TempDir base_;
    std::string path_;
    std::string image_;
    std::string loopDevice_; // attached here, detached by the destructor
    pid_t server_ = -1;      // the FUSE server, run in the foreground as a child
    std::string reason_;
};

// A mount a test makes at a folder inside its own tree, with mount(2)
// itself: proc, a bind mount of another folder, a small tmpfs. Unmounted
// (lazily) when the object goes, also when the test failed or threw.
class ScopedSystemMount {
public:
    ScopedSystemMount(const std::string &source, const std::string &target, const char *type,
                      unsigned long flags = 0, const char *options = nullptr);
    ~ScopedSystemMount();
    ScopedSystemMount(const ScopedSystemMount &) = delete;
    ScopedSystemMount &operator=(const ScopedSystemMount &) = delete;

    bool ok() const { return reason_.empty(); }
    const std::string &reason() const { return reason_; }

private:
    std::string target_;
    std::string reason_;
};

} // namespace tandara::test
