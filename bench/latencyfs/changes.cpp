// Calls that change the tree: status changes, new names, removals, renames.

#include "context.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace latencyfs {

namespace {

int changeTimes(int fd, const struct stat &attr, int toSet, fuse_file_info *fi)
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
    return fi ? futimens(int(fi->fh), times) : utimensat(fd, "", times, AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW);
}

// Applies the parts of attr that toSet names to ino's backing file, through
// the open file when there is one. Returns 0 or an errno value.
int changeStatus(Context &ctx, fuse_ino_t ino, const struct stat &attr, int toSet, fuse_file_info *fi)
{
    const int fd = ctx.inodes.fd(ino);
    if ((toSet & FUSE_SET_ATTR_MODE)
        && (fi ? fchmod(int(fi->fh), attr.st_mode) : chmod(procPath(fd).c_str(), attr.st_mode)) == -1)
        return errno;
    if (toSet & (FUSE_SET_ATTR_UID | FUSE_SET_ATTR_GID)) {
        const uid_t uid = (toSet & FUSE_SET_ATTR_UID) ? attr.st_uid : uid_t(-1);
        const gid_t gid = (toSet & FUSE_SET_ATTR_GID) ? attr.st_gid : gid_t(-1);
        if (fchownat(fd, "", uid, gid, AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW) == -1)
            return errno;
    }
    if ((toSet & FUSE_SET_ATTR_SIZE)
        && (fi ? ftruncate(int(fi->fh), attr.st_size) : truncate(procPath(fd).c_str(), attr.st_size)) == -1)
        return errno;
    const int timeBits = FUSE_SET_ATTR_ATIME | FUSE_SET_ATTR_MTIME | FUSE_SET_ATTR_ATIME_NOW | FUSE_SET_ATTR_MTIME_NOW;
    if ((toSet & timeBits) && changeTimes(fd, attr, toSet, fi) == -1)
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
    replyNewEntry(req, mknodat(ctx.inodes.fd(parent), name, mode, rdev), parent, name);
}

void mkdir(fuse_req_t req, fuse_ino_t parent, const char *name, mode_t mode)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Mkdir);
    replyNewEntry(req, mkdirat(ctx.inodes.fd(parent), name, mode), parent, name);
}

void symlink(fuse_req_t req, const char *target, fuse_ino_t parent, const char *name)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Symlink);
    replyNewEntry(req, symlinkat(target, ctx.inodes.fd(parent), name), parent, name);
}

void link(fuse_req_t req, fuse_ino_t ino, fuse_ino_t parent, const char *name)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Link);
    const int rc = linkat(ctx.inodes.fd(ino), "", ctx.inodes.fd(parent), name, AT_EMPTY_PATH);
    replyNewEntry(req, rc, parent, name);
}

void unlink(fuse_req_t req, fuse_ino_t parent, const char *name)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Unlink);
    replyCall(req, unlinkat(ctx.inodes.fd(parent), name, 0));
}

void rmdir(fuse_req_t req, fuse_ino_t parent, const char *name)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Rmdir);
    replyCall(req, unlinkat(ctx.inodes.fd(parent), name, AT_REMOVEDIR));
}

void rename(fuse_req_t req, fuse_ino_t parent, const char *name, fuse_ino_t newParent, const char *newName,
            unsigned flags)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Rename);
    replyCall(req, renameat2(ctx.inodes.fd(parent), name, ctx.inodes.fd(newParent), newName, flags));
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
