#pragma once
// The files the kernel knows by number, each found again by its path from
// the backing folder (the name it was last looked up or renamed under).
// Holding a descriptor per file instead would run out of descriptors on
// large trees, as the kernel keeps what it has looked up until memory runs
// short. A file lives as long as the kernel has looked it up more often
// than it has forgotten it, or a file below it still lives.

#define FUSE_USE_VERSION 314
#include <fuse_lowlevel.h>

#include <map>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace latencyfs {

struct Inode {
    Inode *parent = nullptr; // none for the backing folder itself
    std::string name;
    std::pair<dev_t, ino_t> key;
    uint64_t lookups = 0;  // by the kernel, less those it forgot
    uint64_t children = 0; // living inodes whose parent this is
};

class InodeTable {
public:
    explicit InodeTable(int rootFd);
    ~InodeTable();
    InodeTable(const InodeTable &) = delete;
    InodeTable &operator=(const InodeTable &) = delete;

    // The backing folder; every path below is relative to it.
    int rootFd() const { return rootFd_; }

    // ino's path ("." for the backing folder), or the path of name inside
    // the folder ino.
    std::string path(fuse_ino_t ino) const;
    std::string path(fuse_ino_t parent, const char *name) const;

    // The number of the file whose status is st, found as name in parent,
    // counting one more look-up; the file's path becomes that name.
    fuse_ino_t remember(fuse_ino_t parent, const char *name, const struct stat &st);

    // The file whose status is st is now name in parent (after a rename);
    // nothing happens when the kernel does not know it.
    void moved(fuse_ino_t parent, const char *name, const struct stat &st);

    // The kernel dropped count look-ups of ino.
    void forget(fuse_ino_t ino, uint64_t count);

private:
    using Key = std::pair<dev_t, ino_t>;
    Inode *inode(fuse_ino_t ino) const;
    void place(Inode *inode, Inode *parent, const char *name);
    void release(Inode *inode);
    void appendPath(std::string &out, const Inode *inode) const;

    int rootFd_;
    mutable std::mutex mutex_;
    Inode root_;
    std::map<Key, Inode *> byKey_;
};

} // namespace latencyfs
