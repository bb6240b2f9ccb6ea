// Folder listings, with or without each entry's status (readdirplus).

#include "context.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace latencyfs {

namespace {

// An open listing. The kernel reads one listing one call at a time, so the
// position needs no lock.
struct Listing {
    DIR *dir = nullptr;
    off_t offset = 0;           // where the next entry read comes from
    dirent *pending = nullptr;  // read but not sent: it did not fit
};

Listing &listingOf(fuse_file_info *fi)
{
    return *reinterpret_cast<Listing *>(fi->fh);
}

bool isDotOrDotDot(const char *name)
{
    return !std::strcmp(name, ".") || !std::strcmp(name, "..");
}

void opendir(fuse_req_t req, fuse_ino_t ino, fuse_file_info *fi)
{
    Context &ctx = context(req);
    ctx.latency.charge(Call::Opendir);
    const int fd = openat(ctx.inodes.rootFd(), ctx.inodes.path(ino).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = fd == -1 ? nullptr : fdopendir(fd);
    if (!dir) {
        const int error = errno;
        if (fd != -1)
            close(fd);
        fuse_reply_err(req, error);
        return;
    }
    fi->fh = reinterpret_cast<uint64_t>(new Listing{dir});
    fuse_reply_open(req, fi);
}

// Adds entry of the folder ino to buffer (at most room bytes); returns the
// bytes it needs, more than room when it did not fit. With status, the
// entry is looked up (one look-up the kernel will forget) unless it is "."
// or "..", which carry only their number and kind, as the kernel ignores
// them; an entry gone since it was listed is skipped (0 bytes).
size_t addEntry(fuse_req_t req, fuse_ino_t ino, bool withStatus, const dirent *entry, char *buffer,
                size_t room)
{
    fuse_entry_param param{};
    param.attr.st_ino = entry->d_ino;
    param.attr.st_mode = mode_t(entry->d_type) << 12;
    if (!withStatus)
        return fuse_add_direntry(req, buffer, room, entry->d_name, &param.attr, entry->d_off);
    Context &ctx = context(req);
    if (!isDotOrDotDot(entry->d_name) && lookupEntry(ctx, ino, entry->d_name, param) != 0)
        return 0;
    const size_t size = fuse_add_direntry_plus(req, buffer, room, entry->d_name, &param, entry->d_off);
    if (size > room && param.ino)
        ctx.inodes.forget(param.ino, 1);
    return size;
}

void list(fuse_req_t req, fuse_ino_t ino, size_t size, off_t offset, fuse_file_info *fi, bool withStatus)
{
    Context &ctx = context(req);
    ctx.latency.charge(withStatus ? Call::Readdirplus : Call::Readdir);
    Listing &listing = listingOf(fi);
    if (offset != listing.offset) {
        seekdir(listing.dir, offset);
        listing.offset = offset;
        listing.pending = nullptr;
    }
    std::vector<char> buffer(size);
    size_t used = 0;
    while (true) {
        errno = 0;
        dirent *entry = listing.pending ? listing.pending : readdir(listing.dir);
        if (!entry) {
            if (errno && used == 0) {
                fuse_reply_err(req, errno);
                return;
            }
            break;
        }
        const size_t needed = addEntry(req, ino, withStatus, entry, buffer.data() + used, size - used);
        if (needed > size - used) {
            listing.pending = entry;
            break;
        }
        used += needed;
        listing.offset = entry->d_off;
        listing.pending = nullptr;
    }
    fuse_reply_buf(req, buffer.data(), used);
}

void readdir(fuse_req_t req, fuse_ino_t ino, size_t size, off_t offset, fuse_file_info *fi)
{
    list(req, ino, size, offset, fi, false);
}

void readdirplus(fuse_req_t req, fuse_ino_t ino, size_t size, off_t offset, fuse_file_info *fi)
{
    list(req, ino, size, offset, fi, true);
}

void releasedir(fuse_req_t req, fuse_ino_t, fuse_file_info *fi)
{
    closedir(listingOf(fi).dir);
    delete &listingOf(fi);
    fuse_reply_err(req, 0);
}

void fsyncdir(fuse_req_t req, fuse_ino_t, int dataOnly, fuse_file_info *fi)
{
    context(req).latency.charge(Call::Fsyncdir);
    const int fd = dirfd(listingOf(fi).dir);
    replyCall(req, dataOnly ? fdatasync(fd) : fsync(fd));
}

} // namespace

void addFolderCalls(fuse_lowlevel_ops &ops)
{
    ops.opendir = opendir;
    ops.readdir = readdir;
    ops.readdirplus = readdirplus;
    ops.releasedir = releasedir;
    ops.fsyncdir = fsyncdir;
}

} // namespace latencyfs
