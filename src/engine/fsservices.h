#pragma once
// The file-system services every part of the program goes through. Paths are
// byte strings as the system takes them; nothing here keeps state between
// calls. Failures come back as an FsError carrying the system's number and
// its description, for the callers to show.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandara::fs {

struct FsError {
    int code = 0;            // errno; 0 means success
    std::string description; // strerror text, in the user's locale

    static FsError fromErrno(int code);
    explicit operator bool() const { return code != 0; }
};

// True when path is a folder (after following links).
bool folderExists(const std::string &path);

// The folder above path; a final separator does not count as a level.
// "" at the top ("/" and "" have no parent).
std::string parentFolderName(std::string_view path);

// Full paths of the immediate subfolders, in listing order. Links to folders
// are not subfolders: a walk over this never leaves the tree.
std::vector<std::string> subFolders(const std::string &path);

// Makes a read-only file writable (adds the owner's write bit, keeps the
// rest). Links are left alone.
FsError clearAttributes(const std::string &path);

// Removes a file, or a link itself (never what it points to).
FsError deleteFile(const std::string &path);

// Copies source over target, carrying contents, last-write time and the
// permission bits. The new file is written beside the target under a
// temporary name and renamed over it only once whole, so a failure leaves
// any old target as it was. A target without the owner's write bit is not
// replaced (EACCES), as the file's read-only mark asks.
FsError copyFile(const std::string &source, const std::string &target);

FsError makeFolder(const std::string &path);
FsError removeFolder(const std::string &path);

// Bytes available to this user on the volume that holds path, measured at
// the nearest existing folder at or above it; nullopt when that fails.
std::optional<uint64_t> freeSpace(const std::string &path);

} // namespace tandara::fs
