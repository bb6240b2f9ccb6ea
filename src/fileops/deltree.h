#pragma once
// modDeltree: removal of the empty folders of a tree, bottom up.

#include <string>

namespace tandara {

// Removes every folder below path that holds nothing at all (hidden
// entries count), deepest first, and then path itself when it has become
// empty. A folder that still holds anything stays, and so do all folders
// above it. Links are never followed: a link to a folder is an entry like
// any other, so its target is left alone and its parent stays. Failures
// are silent; the file-system root cannot be removed. Deletes no file.
void Deltree(const std::string &path);

} // namespace tandara
