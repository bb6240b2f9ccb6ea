#pragma once
// modCreaDir: telling whether a folder exists and creating a chain of
// folders, as the copy of one file needs before it writes into the other
// side's tree.

#include <string>
#include <string_view>

namespace tandara {

// True when path is a folder (after following links).
bool EsisteDir(const std::string &path);

// Creates the relative folder `folder` ("/a/b/") below root and every
// missing level above it, parents first. The levels are reached from the
// root without following a link: where a level is a link, nothing is made
// there. A root that no longer exists (removed when it became empty) is
// made first. Failures are ignored; a level that could not be made shows
// up later, when the copy into it fails.
void CreaDir(const std::string &root, std::string_view folder);

} // namespace tandara
