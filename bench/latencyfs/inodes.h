#pragma once
// The files the kernel knows by number. Each is held open (O_PATH) on the
// backing folder, so calls reach the right file by descriptor whatever
// happens to its name, and lives as long as the kernel has looked it up
// more often than it has forgotten it.

#define FUSE_USE_VERSION 314
#include <fuse_lowlevel.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <utility>

namespace latencyfs {

struct Inode {
    int fd = -1;      // O_PATH descriptor on the backing file
    uint64_t lookups = 0;
};

class InodeTable {
public:
    explicit InodeTable(int rootFd);
    ~InodeTable();
    InodeTable(const InodeTable &) = delete;
    InodeTable &operator=(const InodeTable &) = delete;

    // The backing descriptor of the file the kernel calls ino.
    int fd(fuse_ino_t ino) const;

    // Takes fd (an O_PATH descriptor on the file whose status is st) and
    // returns the file's number, counting one more look-up; an already
    // known file keeps its descriptor and fd is closed.
    fuse_ino_t remember(int fd, const struct stat &st);

    // The kernel dropped count look-ups of ino; the file goes at zero.
    void forget(fuse_ino_t ino, uint64_t count);

private:
    using Key = std::pair<dev_t, ino_t>;
    std::mutex mutex_;
    Inode root_;
    std::map<Key, Inode *> byKey_;
    std::map<Inode *, Key> keyOf_;
};

} // namespace latencyfs
