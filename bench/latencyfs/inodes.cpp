#include "inodes.h"

#include <unistd.h>

namespace latencyfs {

InodeTable::InodeTable(int rootFd)
{
    root_.fd = rootFd;
}

InodeTable::~InodeTable()
{
    for (auto &[inode, key] : keyOf_) {
        close(inode->fd);
        delete inode;
    }
    close(root_.fd);
}

int InodeTable::fd(fuse_ino_t ino) const
{
    if (ino == FUSE_ROOT_ID)
        return root_.fd;
    return reinterpret_cast<const Inode *>(ino)->fd;
}

fuse_ino_t InodeTable::remember(int fd, const struct stat &st)
{
    const Key key{st.st_dev, st.st_ino};
    std::lock_guard lock(mutex_);
    auto [it, added] = byKey_.try_emplace(key, nullptr);
    if (added) {
        it->second = new Inode{fd, 0};
        keyOf_.emplace(it->second, key);
    } else {
        close(fd);
    }
    ++it->second->lookups;
    return reinterpret_cast<fuse_ino_t>(it->second);
}

void InodeTable::forget(fuse_ino_t ino, uint64_t count)
{
    if (ino == FUSE_ROOT_ID)
        return;
    Inode *inode = reinterpret_cast<Inode *>(ino);
    std::lock_guard lock(mutex_);
    inode->lookups -= std::min(count, inode->lookups);
    if (inode->lookups)
        return;
    const auto key = keyOf_.find(inode);
    byKey_.erase(key->second);
    keyOf_.erase(key);
    close(inode->fd);
    delete inode;
}

} // namespace latencyfs
