#pragma once
// The depth-first walk of one folder tree, as both scan walks use it.
//
// Order: entries in the file system's own order; a subfolder is walked as
// soon as it is met. Folders whose name begins with a dot are skipped with
// all they hold.
//
// What becomes a row: regular files and links, dot-files included. Links
// are never followed: a link (to a file, to a folder, dangling) is an entry
// of its own with the link's size and time, and the walk never goes into a
// linked folder. Pipes, sockets and device nodes are left out. The kernel's
// pseudo file systems (proc, sysfs, …) mounted inside a tree are not
// entered; nor is a folder already on the way down (a bind mount of an
// ancestor) or the folder the config says to avoid (the other tree).
//
// One status query per file: its size and time come from the same
// fstatat that tells what it is. A folder is read whole before its
// subfolders (by the read-ahead, readahead.h, or on the walk's own
// thread), so no folder needs to stay open while the walk is below it,
// and a tree deeper than the limit of open files is read to the bottom.
//
// A folder that cannot be opened or read to its end is reported through
// folderFailed, never skipped in silence, so the comparison can hold back
// what the other side has there.
//
// After each subfolder the walk calls afterSubfolder() and then asks
// cancelled(); when it answers true the walk unwinds, calling both once
// more at each level above, without reading more.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tandara {

struct WalkHooks {
    // Called with each folder's path (ending in '/') before it is read.
    std::function<void(std::string_view folder)> showFolder;
    // Called after each subfolder has been walked: the place to let the
    // user interface handle its events.
    std::function<void()> afterSubfolder;
    // Called for a folder that could not be read (whole or in part), with
    // its relative folder ("/a/b/") and the system's error number.
    std::function<void(std::string_view folder, int error)> folderFailed;
    // Called about every 20 ms while the walk waits for a folder that the
    // read-ahead has not read yet; the walk then asks cancelled() and, when
    // it answers true, ends at once without further calls.
    std::function<void()> waiting;
};

struct WalkedFile {
    std::string_view name;   // bytes as listed
    std::string_view folder; // relative folder: the folder path less the root
    int64_t size;
    int64_t mtime;           // seconds since the epoch, rounded down
};

// A folder's identity on the machine.
struct FolderId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FolderId &) const = default;
};

struct WalkConfig {
    std::string root;
    // How many leading bytes of each folder path the relative folder
    // leaves out.
    size_t cut = 0;
    // A folder never to enter (the other tree's root), if any.
    std::optional<FolderId> avoid;
};

// The identity of the folder at path (following links), if it is one.
std::optional<FolderId> folderIdOf(const std::string &path);

class ReadAhead;

// Walks the root and everything below it, reading each folder on this
// thread when the walk gets there.
void walkTree(const WalkConfig &config, const WalkHooks &hooks, const std::function<bool()> &cancelled,
              const std::function<void(const WalkedFile &)> &onFile);

// Walks tree `tree` of reads (whose config is config) from what the
// read-ahead has read, making the same calls as walkTree.
void replayTree(ReadAhead &reads, int tree, const WalkConfig &config, const WalkHooks &hooks,
                const std::function<bool()> &cancelled, const std::function<void(const WalkedFile &)> &onFile);

} // namespace tandara
