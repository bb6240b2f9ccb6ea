#pragma once
// The file-system services every part of the program goes through. Paths are
// byte strings as the system takes them; nothing here keeps state between
// calls. Failures come back as an FsError carrying the system's number and
// its description, or a cause of our own, for the callers to show.
//
// Files of the two trees are named as TreeFile (root, relative folder,
// name) and reached from their root with no link on the way (beneath.h):
// an operation never acts outside its tree.

#include "engine/treepath.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tandara::fs {

// Why an operation failed, when the system's error number alone would not
// tell the user.
enum class FsCause : uint8_t {
    System,     // see code and description
    LinkOnPath, // a folder on the way is a link, which is never followed
    NotRegular, // a pipe, socket or device: only files and links are copied
    Changed,    // the file changed while it was being copied
    Cancelled,  // the user stopped the operation
};

struct FsError {
    int code = 0;            // errno; 0 means success
    std::string description; // strerror text, in the user's locale
    FsCause cause = FsCause::System;

    static FsError fromErrno(int code);
    static FsError because(FsCause cause);
    explicit operator bool() const { return code != 0; }
};

// True when path is a folder (after following links).
bool folderExists(const std::string &path);

// The folder above path; a final separator does not count as a level.
// "" at the top ("/" and "" have no parent).
std::string parentFolderName(std::string_view path);

// Removes a file or a link (never what a link points to). A read-only
// mark is cleared first, and put back if the file then cannot go.
FsError deleteFile(const TreeFile &file);

struct CopyControl {
    // A target without its owner's write bit is normally refused (EACCES),
    // as its read-only mark asks; this lets the copy replace it.
    bool replaceReadOnly = false;
    // Set from another thread to stop a copy between two blocks; the copy
    // then fails with FsCause::Cancelled and the target stays as it was.
    const std::atomic<bool> *stop = nullptr;
    // Called on the copying thread after each block (a whole clone counts
    // as one) with the bytes copied so far. Tests change the source here
    // to meet a file that is rewritten while it is copied.
    std::function<void(int64_t copied)> afterBlock;
    // The folders of source and target, open beneath their roots, where
    // the caller keeps them open across the files of one folder (a copy
    // command does); -1 has the copy open them itself.
    int sourceFolder = -1;
    int targetFolder = -1;
    // Whether the target's file system may stamp a renamed file with the
    // time of the rename (FAT through FUSE does), so that the time is read
    // back after the rename and set again. A caller that knows the target's
    // file system does not (see renameMayChangeTime) spares that call.
    bool checkTimeAfterRename = true;
};

// True when a file renamed in the open folder dir may take the time of
// the rename: on file systems served through FUSE.
bool renameMayChangeTime(int dir);

// Copies a regular file or a link over target, carrying contents (or the
// link's text) and last-write time, which must both arrive, and owner (as
// root) and permission bits where the target's file system accepts them:
// a refusal by one that cannot hold them (FAT, NTFS through FUSE, CIFS,
// sshfs) does not fail the copy. The new file is written beside the
// target under a temporary name and renamed over it only once whole, and
// flushed to disk first when it replaces an old target, so neither a
// failure nor a power cut leaves any old target damaged.
//
// The contents copied are the size seen when the source was opened; holes
// of a sparse file stay holes, and a file system that can share extents
// (btrfs, XFS) shares them. Should the source's size, last-write or
// change time differ afterwards from what they were at its opening, the
// copy is torn: it fails with FsCause::Changed and the old target stays.
//
// The target's folder must exist. Anything but a regular file or a link
// is refused (FsCause::NotRegular), also when it was swapped in since the
// scan, so a pipe cannot hang the copy nor a device fill the disk.
FsError copyFile(const TreeFile &source, const TreeFile &target, const CopyControl &control = {});

// Bytes available to this user on the volume that holds path, measured at
// the nearest existing folder at or above it; nullopt when that fails.
std::optional<uint64_t> freeSpace(const std::string &path);

} // namespace tandara::fs
