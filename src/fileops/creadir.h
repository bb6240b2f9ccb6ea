#pragma once
// modCreaDir: telling whether a folder exists and creating a chain of
// folders, as the copy of one file needs before it writes into the other
// side's tree.

#include "engine/fd.h"

#include <string>
#include <string_view>
#include <vector>

namespace tandara {

// True when path is a folder (after following links).
bool EsisteDir(const std::string &path);

// What CreaDir reached and made.
struct MadeFolders {
    fs::Fd folder;                   // the folder asked for (O_PATH), closed when not reached
    std::vector<std::string> levels; // the levels made, parents first; "/" is the root itself
};

// Creates the relative folder `folder` ("/a/b/") below targetRoot and
// every missing level above it, parents first. Each level made takes the
// permission bits of the same level below sourceRoot (and its owner, when
// running as root), set through the new folder's descriptor; without root
// the owner keeps the right to fill it (its rwx bits are added). The
// levels are reached from the root without following a link: where a
// level is a link, nothing is made there. A root that no longer exists
// (removed when it became empty) is made first. Failures are not reported
// here; a level that could not be made shows up later, when the copy into
// it fails.
MadeFolders CreaDir(const std::string &sourceRoot, const std::string &targetRoot, std::string_view folder);
// The same below the two roots, open already (a copy command keeps them);
// the target root must exist.
MadeFolders CreaDir(int sourceRoot, int targetRoot, std::string_view folder);

} // namespace tandara
