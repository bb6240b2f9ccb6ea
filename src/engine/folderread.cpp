#include "folderread.h"

#include "engine/sincro.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tandara {

namespace {

// The record getdents64 fills in.
struct RawEntry {
    uint64_t ino;
    int64_t offset;
    unsigned short length;
    unsigned char type;
    char name[];
};

void addEntry(FolderListing &out, std::string_view name, EntryKind kind, int64_t size, int64_t mtime)
{
    out.entries.push_back(ListingEntry{uint32_t(out.names.size()), uint32_t(name.size()), kind, size, mtime});
    out.names.append(name);
}

// One entry read in a listing; type is its d_type.
void takeEntry(int dirFd, const char *rawName, unsigned char type, FolderListing &out)
{
    const std::string_view name = TogliNull(rawName);
    if (name == "." || name == "..")
        return;
    if (type == DT_FIFO || type == DT_SOCK || type == DT_CHR || type == DT_BLK)
        return;
    if (type == DT_DIR) {
        if (name.front() != '.')
            addEntry(out, name, EntryKind::Folder, 0, 0);
        return;
    }
    struct stat st;
    if (fstatat(dirFd, rawName, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT && out.error == 0) // a vanished entry is no failure
            out.error = errno;
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        if (name.front() != '.')
            addEntry(out, name, EntryKind::Folder, 0, 0);
    } else if (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)) {
        addEntry(out, name, S_ISLNK(st.st_mode) ? EntryKind::Link : EntryKind::File, int64_t(st.st_size),
                 int64_t(st.st_mtim.tv_sec));
    }
}

} // namespace

void FolderListing::clear()
{
    entries.clear();
    names.clear();
    error = 0;
}

void readFolder(int dirFd, FolderListing &out)
{
    out.clear();
    alignas(RawEntry) char buffer[1 << 15];
    for (;;) {
        const long got = syscall(SYS_getdents64, dirFd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            out.error = errno;
            return;
        }
        if (got == 0)
            return;
        for (long at = 0; at < got;) {
            const auto *raw = reinterpret_cast<const RawEntry *>(buffer + at);
            takeEntry(dirFd, raw->name, raw->type, out);
            at += raw->length;
        }
    }
}

} // namespace tandara
