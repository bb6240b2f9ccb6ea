// Calls that change the tree: status changes, new names, removals, renames.

#include "context.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace latencyfs {

namespace {

int changeTimes(int rootFd, const std::string &path, const struct stat &attr, int toSet, fuse_file_info *fi)
{
    timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_OMIT}};
    if (toSet & FUSE_SET_ATTR_ATIME_NOW)
        times[0].tv_nsec = UTIME_NOW;
    else if (toSet & FUSE_SET_ATTR_ATIME)
        times[0] = attr.st_atim;
    if (toSet & FUSE_SET_ATTR_MTIME_NOW)
        times[1].tv_nsec = UTIME_NOW;
    else if (toSet & FUSE_SET_ATTR_MTIME)
        times[1] = attr.st_mtim;
    return fi ? futimens(int(fi->fh), times) : utimensat(rootFd, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

// Cuts the file at path (relative to rootFd) to size.
int truncateAt(int rootFd, const std::string &path, off_t size)
{
    const int fd = openat(rootFd, path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd == -1)
        return -1;
    const int rc = ftruncate(fd, size);
    close(fd);
    return rc;
}

// Applies the parts of attr that toSet names to ino's backing file, through
// the open file when there is one. Returns 0 or an errno value.
int changeStatus(Context &ctx, fuse_ino_t ino, const struct stat &attr, int toSet, fuse_file_info *fi)
{
    const int root = ctx.inodes.rootFd();
    const std::string path = ctx.inodes.path(ino);
    if ((toSet & FUSE_SET_ATTR_MODE)
        && (fi ? fchmod(int(fi->fh), attr.st_mode) : fchmodat(root, path.c_str(), attr.st_mode, AT_SYMLINK_NOFOLLOW))
            == -1)
        return errno;
    if (toSet & (FUSE_SET_ATTR_UID | FUSE_SET_ATTR_GID)) {
        const uid_t uid = (toSet & FUSE_SET_ATTR_UID) ? attr.st_uid : uid_t(-1);
        const gid_t gid = (toSet & FUSE_SET_ATTR_GID) ? attr.st_gid : gid_t(-1);
        if (fchownat(root, path.c_str(), uid, gid, AT_SYMLINK_NOFOLLOW) == -1)
            return errno;
    }
    if ((toSet & FUSE_SET_ATTR_SIZE)
        && (fi ? ftruncate(int(fi->fh), attr.st_size) : truncateAt(root, path, attr.st_size)) == -1)
        return errno;
    const int timeBits = FUSE_SET_ATTR_ATIME | FUSE_SET_ATTR_MTIME | FUSE_SET_ATTR_ATIME_NOW | FUSE_SET_ATTR_MTIME_NOW;
    if ((toSet & timeBits) && changeTimes(root, path, attr, toSet, fi) == -1)
        return errno;
    return 0;
}

void setattr(fuse_req_t req, fuse_ino_t ino, struct stat *attr, int toSet, fuse_file_info *fi)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Setattr);
    struct stat st;
    int error = changeStatus(ctx, ino, *attr, toSet, fi);
    if (!error)
        error = statusOf(ctx, ino, st);
    if (error)
        fuse_reply_err(req, error);
    else
        fuse_reply_attr(req, &st, ctx.options.attrTimeout);
}

// Answers a call that made name in parent (rc from the system call) with
// the new entry.
void replyNewEntry(fuse_req_t req, int rc, fuse_ino_t parent, const char *name)
{
    if (rc == -1) {
        fuse_reply_err(req, errno);
        return;
    }
    fuse_entry_param entry;
    if (const int error = lookupEntry(context(req), parent, name, entry))
        fuse_reply_err(req, error);
    else
        fuse_reply_entry(req, &entry);
}

void mknod(fuse_req_t req, fuse_ino_t parent, const char *name, mode_t mode, dev_t rdev)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Mknod);
    const int rc = mknodat(ctx.inodes.rootFd(), ctx.inodes.path(parent, name).c_str(), mode, rdev);
    replyNewEntry(req, rc, parent, name);
}

void mkdir(fuse_req_t req, fuse_ino_t parent, const char *name, mode_t mode)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Mkdir);
    const int rc = mkdirat(ctx.inodes.rootFd(), ctx.inodes.path(parent, name).c_str(), mode);
    replyNewEntry(req, rc, parent, name);
}

void symlink(fuse_req_t req, const char *target, fuse_ino_t parent, const char *name)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Symlink);
    const int rc = symlinkat(target, ctx.inodes.rootFd(), ctx.inodes.path(parent, name).c_str());
    replyNewEntry(req, rc, parent, name);
}

void link(fuse_req_t req, fuse_ino_t ino, fuse_ino_t parent, const char *name)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Link);
    const int root = ctx.inodes.rootFd();
    const int rc = linkat(root, ctx.inodes.path(ino).c_str(), root, ctx.inodes.path(parent, name).c_str(), 0);
    replyNewEntry(req, rc, parent, name);
}

void unlink(fuse_req_t req, fuse_ino_t parent, const char *name)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Unlink);
    replyCall(req, unlinkat(ctx.inodes.rootFd(), ctx.inodes.path(parent, name).c_str(), 0));
}

void rmdir(fuse_req_t req, fuse_ino_t parent, const char *name)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Rmdir);
    replyCall(req, unlinkat(ctx.inodes.rootFd(), ctx.inodes.path(parent, name).c_str(), AT_REMOVEDIR));
}

// Tells the table that whatever is now at name in parent lives there.
void noteMove(Context &ctx, fuse_ino_t parent, const char *name)
{
    struct stat st;
    if (fstatat(ctx.inodes.rootFd(), ctx.inodes.path(parent, name).c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        ctx.inodes.moved(parent, name, st);
}

void rename(fuse_req_t req, fuse_ino_t parent, const char *name, fuse_ino_t newParent, const char *newName,
            unsigned flags)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Rename);
    const int root = ctx.inodes.rootFd();
    const std::string from = ctx.inodes.path(parent, name), to = ctx.inodes.path(newParent, newName);
    if (renameat2(root, from.c_str(), root, to.c_str(), flags) == -1) {
        fuse_reply_err(req, errno);
        return;
    }
    noteMove(ctx, newParent, newName);
    if (flags & RENAME_EXCHANGE)
        noteMove(ctx, parent, name);
    fuse_reply_err(req, 0);
}

} // namespace

void addChangeCalls(fuse_lowlevel_ops &ops)
{
    ops.setattr = setattr;
    ops.mknod = mknod;
    ops.mkdir = mkdir;
    ops.symlink = symlink;
    ops.link = link;
    ops.unlink = unlink;
    ops.rmdir = rmdir;
    ops.rename = rename;
}

} // namespace latencyfs
