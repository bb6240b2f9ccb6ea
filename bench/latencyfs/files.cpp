// Opening, reading, writing and closing files. The open file's descriptor
// on the backing file is the handle the kernel passes back.

#include "context.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace latencyfs {

namespace {

int handleOf(const fuse_file_info *fi)
{
    return int(fi->fh);
}

void open(fuse_req_t req, fuse_ino_t ino, fuse_file_info *fi)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Open);
    const int fd = openat(ctx.inodes.rootFd(), ctx.inodes.path(ino).c_str(), fi->flags | O_NOFOLLOW | O_CLOEXEC);
    if (fd == -1) {
        fuse_reply_err(req, errno);
        return;
    }
    fi->fh = uint64_t(fd);
    fuse_reply_open(req, fi);
}

void create(fuse_req_t req, fuse_ino_t parent, const char *name, mode_t mode, fuse_file_info *fi)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Create);
    const int flags = fi->flags | O_CREAT | O_NOFOLLOW | O_CLOEXEC;
    const int fd = openat(ctx.inodes.rootFd(), ctx.inodes.path(parent, name).c_str(), flags, mode);
    if (fd == -1) {
        fuse_reply_err(req, errno);
        return;
    }
    fuse_entry_param entry;
    if (const int error = lookupEntry(ctx, parent, name, entry)) {
        close(fd);
        fuse_reply_err(req, error);
        return;
    }
    fi->fh = uint64_t(fd);
    fuse_reply_create(req, &entry, fi);
}

void read(fuse_req_t req, fuse_ino_t, size_t size, off_t offset, fuse_file_info *fi)
{
    context(req).latency.charge(Call::Read);
    fuse_bufvec data = FUSE_BUFVEC_INIT(size);
    data.buf[0].flags = fuse_buf_flags(FUSE_BUF_IS_FD | FUSE_BUF_FD_SEEK);
    data.buf[0].fd = handleOf(fi);
    data.buf[0].pos = offset;
    fuse_reply_data(req, &data, FUSE_BUF_NO_SPLICE);
}

void write(fuse_req_t req, fuse_ino_t, const char *bytes, size_t size, off_t offset, fuse_file_info *fi)
{
    context(req).latency.charge(Call::Write);
    const ssize_t written = pwrite(handleOf(fi), bytes, size, offset);
    if (written == -1)
        fuse_reply_err(req, errno);
    else
        fuse_reply_write(req, size_t(written));
}

// Called at each close of a descriptor: closing a duplicate reports the
// errors a close would, keeping the file open for other descriptors.
void flush(fuse_req_t req, fuse_ino_t, fuse_file_info *fi)
{
    replyCall(req, close(dup(handleOf(fi))));
}

void release(fuse_req_t req, fuse_ino_t, fuse_file_info *fi)
{
    close(handleOf(fi));
    fuse_reply_err(req, 0);
}

void fsync(fuse_req_t req, fuse_ino_t, int dataOnly, fuse_file_info *fi)
{
    context(req).latency.charge(Call::Fsync);
    replyCall(req, dataOnly ? fdatasync(handleOf(fi)) : ::fsync(handleOf(fi)));
}

} // namespace

void addFileCalls(fuse_lowlevel_ops &ops)
{
    ops.open = open;
    ops.create = create;
    ops.read = read;
    ops.write = write;
    ops.flush = flush;
    ops.release = release;
    ops.fsync = fsync;
}

} // namespace latencyfs
