#include "inodes.h"

#include <algorithm>
#include <unistd.h>

namespace latencyfs {

InodeTable::InodeTable(int rootFd) : rootFd_(rootFd)
{
}

InodeTable::~InodeTable()
{
    for (auto &[key, inode] : byKey_)
        delete inode;
    close(rootFd_);
}

Inode *InodeTable::inode(fuse_ino_t ino) const
{
    return ino == FUSE_ROOT_ID ? const_cast<Inode *>(&root_) : reinterpret_cast<Inode *>(ino);
}

void InodeTable::appendPath(std::string &out, const Inode *inode) const
{
    if (inode->parent != &root_)
        appendPath(out, inode->parent);
    if (!out.empty())
        out.push_back('/');
    out += inode->name;
}

std::string InodeTable::path(fuse_ino_t ino) const
{
    const Inode *node = inode(ino);
    if (node == &root_)
        return ".";
    std::string out;
    std::lock_guard lock(mutex_);
    appendPath(out, node);
    return out;
}

std::string InodeTable::path(fuse_ino_t parent, const char *name) const
{
    const Inode *folder = inode(parent);
    if (folder == &root_)
        return name;
    std::string out;
    {
        std::lock_guard lock(mutex_);
        appendPath(out, folder);
    }
    return out + '/' + name;
}

// Gives inode its new place; the old parent may go if that was its last
// living child. Called with the lock held.
void InodeTable::place(Inode *inode, Inode *parent, const char *name)
{
    inode->name = name;
    if (inode->parent == parent)
        return;
    Inode *old = inode->parent;
    inode->parent = parent;
    ++parent->children;
    if (old) {
        --old->children;
        release(old);
    }
}

fuse_ino_t InodeTable::remember(fuse_ino_t parent, const char *name, const struct stat &st)
{
    const Key key{st.st_dev, st.st_ino};
    std::lock_guard lock(mutex_);
    auto [it, added] = byKey_.try_emplace(key, nullptr);
    if (added)
        it->second = new Inode{nullptr, {}, key, 0, 0};
    Inode *node = it->second;
    ++node->lookups;
    place(node, inode(parent), name);
    return reinterpret_cast<fuse_ino_t>(node);
}

void InodeTable::moved(fuse_ino_t parent, const char *name, const struct stat &st)
{
    std::lock_guard lock(mutex_);
    const auto it = byKey_.find({st.st_dev, st.st_ino});
    if (it != byKey_.end())
        place(it->second, inode(parent), name);
}

void InodeTable::forget(fuse_ino_t ino, uint64_t count)
{
    Inode *node = inode(ino);
    if (node == &root_)
        return;
    std::lock_guard lock(mutex_);
    node->lookups -= std::min(count, node->lookups);
    release(node);
}

// Deletes inode, and then parents, while nothing keeps them. Called with
// the lock held.
void InodeTable::release(Inode *inode)
{
    while (inode != &root_ && inode->lookups == 0 && inode->children == 0) {
        Inode *parent = inode->parent;
        byKey_.erase(inode->key);
        delete inode;
        --parent->children;
        inode = parent;
    }
}

} // namespace latencyfs
