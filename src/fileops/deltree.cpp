#include "deltree.h"

#include "engine/fd.h"
#include "engine/folderread.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandara {

namespace {

using fs::Fd;

// True when the open folder fd is where a file system is mounted.
bool isMountRoot(int fd)
{
    struct statx stx;
    return statx(fd, "", AT_EMPTY_PATH, 0, &stx) == 0 && (stx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT)
        && (stx.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

// Removes the empty folders below the open folder fd, bottom up. Only the
// subfolders the listing shows (no dot folders, no links) are entered.
void removeEmptyBelow(int fd, dev_t device)
{
    FolderListing listing;
    readFolder(fd, listing);
    for (const ListingEntry &entry : listing.entries) {
        if (entry.kind != EntryKind::Folder)
            continue;
        const std::string name(listing.name(entry));
        Fd child(openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st;
        if (!child || fstat(child.get(), &st) != 0 || st.st_dev != device || isMountRoot(child.get()))
            continue;
        removeEmptyBelow(child.get(), device);
        child.reset();
        // Refused when something is left inside, or for a busy folder:
        // either way the folder simply stays.
        unlinkat(fd, name.c_str(), AT_REMOVEDIR);
    }
}

} // namespace

void Deltree(const std::string &path)
{
    Fd top(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (!top || fstat(top.get(), &st) != 0)
        return;
    removeEmptyBelow(top.get(), st.st_dev);
    top.reset();
    rmdir(path.c_str());
}

} // namespace tandara
