#pragma once
// The depth-first walk of one folder tree, as both scan walks use it.
//
// Order: entries in the file system's own order; a subfolder is walked as
// soon as it is met. Folders whose name begins with a dot are skipped with
// all they hold; every other entry that is not a folder (after following
// links) is a file, dot-files included.
//
// One status query per entry: the size and time of a file come from the
// same fstatat that tells what it is. A link to a folder is walked as a
// folder, but a folder already on the way down (same device and inode) is
// never entered again, so a link back into the tree cannot loop. A file
// that vanished before its status could be read is left out; a dangling
// link is a file with the link's own size and time.
//
// After each subfolder the walk calls afterSubfolder() and then asks
// cancelled(); when it answers true the walk unwinds without reading more.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tandara {

struct WalkHooks {
    // Called with each folder's path (ending in '/') before it is read.
    std::function<void(std::string_view folder)> showFolder;
    // Called after each subfolder has been walked: the place to let the
    // user interface handle its events.
    std::function<void()> afterSubfolder;
};

struct WalkedFile {
    std::string_view name;   // bytes as listed
    std::string_view folder; // relative folder: the folder path less the root
    int64_t size;
    int64_t mtime;           // seconds since the epoch, rounded down
};

// Walks root and everything below it. cut is the number of leading bytes
// of each folder path that the relative folder leaves out.
void walkTree(const std::string &root, size_t cut, const WalkHooks &hooks,
              const std::function<bool()> &cancelled,
              const std::function<void(const WalkedFile &)> &onFile);

} // namespace tandara
