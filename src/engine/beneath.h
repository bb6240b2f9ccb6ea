#pragma once
// Reaching a folder of a tree from the tree's root without ever passing
// through a link. A link in the middle of a path (a folder swapped for a
// link to somewhere else) would let a copy or a delete act outside the two
// trees, so every operation opens its folder through here and then works
// on the final name relative to that folder, never following a link.
//
// The kernel does this in one call (openat2 with RESOLVE_BENEATH and
// RESOLVE_NO_SYMLINKS); where that call is missing, or the path is longer
// than it takes, the folders are opened one level at a time with
// O_NOFOLLOW. A link on the way fails with FsCause::LinkOnPath.

#include "engine/fd.h"
#include "engine/fsservices.h"

#include <fcntl.h>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tandara::fs {

// Opens the root folder of a tree. The root is the user's choice and its
// path may pass through links, but its last level must be a folder.
FsError openRoot(const std::string &root, Fd &out);

// Opens `relative` ("/a/b/", "a/b" or "" for the root itself) beneath the
// open folder rootFd. flags are added to O_DIRECTORY | O_CLOEXEC (O_PATH
// is enough for the *at() calls; a folder to be read needs O_RDONLY).
FsError openBeneath(int rootFd, std::string_view relative, Fd &out, int flags = O_PATH);
// The same, one level at a time; what openBeneath falls back on.
FsError openBeneathByLevels(int rootFd, std::string_view relative, Fd &out, int flags = O_PATH);

// Opens `relative` beneath rootFd, making each missing level on the way.
// A new level is made private (0700, whatever the umask lets through of
// it) and handed to made(levelFd, levelPath) open for reading and never
// through a link, so that its mode and owner are set through the
// descriptor; levelPath is its relative path ("/a/b/"). Levels that exist
// are passed.
FsError makeBeneath(int rootFd, std::string_view relative,
                    const std::function<void(int levelFd, std::string_view levelPath)> &made, Fd &out);

// Opens the folder that holds `file`, beneath its root.
FsError openFolderOf(const TreeFile &file, Fd &out, int flags = O_PATH);

} // namespace tandara::fs
