#pragma once
// Reading one folder whole: every entry's name and kind and, for files and
// links, the size and time from a single status query that never follows
// a link. A walk reads a folder this way before it goes into the folder's
// subfolders, so while it is below, the folder's listing is in memory and
// its descriptor is only needed to open the next subfolder.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tandara {

enum class EntryKind : uint8_t { File, Link, Folder };

struct ListingEntry {
    uint32_t nameOffset;
    uint32_t nameLength;
    EntryKind kind;
    int64_t size;  // files and links: bytes (a link's own size)
    int64_t mtime; // files and links: seconds since the epoch, rounded down
};

struct FolderListing {
    std::vector<ListingEntry> entries; // in the file system's own order
    std::string names;                // all names, end to end
    int error = 0; // the system's error number when some of it could not be read

    std::string_view name(const ListingEntry &entry) const
    {
        return std::string_view(names).substr(entry.nameOffset, entry.nameLength);
    }
    void clear();
};

// Reads the folder open for reading as dirFd into out. Left out: "." and
// "..", folders whose name begins with a dot (with all they hold), pipes,
// sockets and device nodes, and entries that vanished before their status
// could be read. Any other failure sets out.error and the reading goes on
// with the entries it can still read.
void readFolder(int dirFd, FolderListing &out);

} // namespace tandara
