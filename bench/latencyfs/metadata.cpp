// Look-ups, status, links' targets and file-system figures.

#include "context.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace latencyfs {

void replyCall(fuse_req_t req, int rc)
{
    fuse_reply_err(req, rc == -1 ? errno : 0);
}

int statusOf(Context &ctx, fuse_ino_t ino, struct stat &st)
{
    const int rc = fstatat(ctx.inodes.rootFd(), ctx.inodes.path(ino).c_str(), &st, AT_SYMLINK_NOFOLLOW);
    return rc == -1 ? errno : 0;
}

int lookupEntry(Context &ctx, fuse_ino_t parent, const char *name, fuse_entry_param &entry)
{
    entry = fuse_entry_param{};
    const std::string path = ctx.inodes.path(parent, name);
    if (fstatat(ctx.inodes.rootFd(), path.c_str(), &entry.attr, AT_SYMLINK_NOFOLLOW) == -1)
        return errno;
    entry.ino = ctx.inodes.remember(parent, name, entry.attr);
    entry.attr_timeout = ctx.options.attrTimeout;
    entry.entry_timeout = ctx.options.entryTimeout;
    return 0;
}

namespace {

void lookup(fuse_req_t req, fuse_ino_t parent, const char *name)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Lookup);
    fuse_entry_param entry;
    if (const int error = lookupEntry(ctx, parent, name, entry))
        fuse_reply_err(req, error);
    else
        fuse_reply_entry(req, &entry);
}

void forget(fuse_req_t req, fuse_ino_t ino, uint64_t count)
{
    context(req).inodes.forget(ino, count);
    fuse_reply_none(req);
}

void forgetMany(fuse_req_t req, size_t count, fuse_forget_data *forgets)
{
    for (size_t i = 0; i < count; ++i)
        context(req).inodes.forget(forgets[i].ino, forgets[i].nlookup);
    fuse_reply_none(req);
}

// Through the open file when there is one (the kernel passes it only for
// regular files), so an open file renamed over or deleted still answers.
void getattr(fuse_req_t req, fuse_ino_t ino, fuse_file_info *fi)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Getattr);
    struct stat st;
    const int error = fi ? (fstat(int(fi->fh), &st) == -1 ? errno : 0) : statusOf(ctx, ino, st);
    if (error)
        fuse_reply_err(req, error);
    else
        fuse_reply_attr(req, &st, ctx.options.attrTimeout);
}

void readlink(fuse_req_t req, fuse_ino_t ino)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Readlink);
    char target[PATH_MAX + 1];
    const ssize_t length = readlinkat(ctx.inodes.rootFd(), ctx.inodes.path(ino).c_str(), target, PATH_MAX);
    if (length == -1) {
        fuse_reply_err(req, errno);
        return;
    }
    target[length] = '\0';
    fuse_reply_readlink(req, target);
}

void statfs(fuse_req_t req, fuse_ino_t)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Statfs);
    struct statvfs figures;
    if (fstatvfs(ctx.inodes.rootFd(), &figures) == -1)
        fuse_reply_err(req, errno);
    else
        fuse_reply_statfs(req, &figures);
}

} // namespace

void addMetadataCalls(fuse_lowlevel_ops &ops)
{
    ops.lookup = lookup;
    ops.forget = forget;
    ops.forget_multi = forgetMany;
    ops.getattr = getattr;
    ops.readlink = readlink;
    ops.statfs = statfs;
}

} // namespace latencyfs
