#pragma once
// modDeltree: removal of the empty folders of a tree, bottom up.

#include <string>

namespace tandara {

// Removes every folder below path that holds nothing at all (hidden
// entries count), deepest first, and then path itself when it has become
// empty. A folder that still holds anything stays, and so do all folders
// above it. The removal stays where a scan looks: it never goes into a
// folder whose name begins with a dot, a link, or a folder where another
// file system is mounted, and never removes one; so those, and the folders
// above them, stay. Failures are silent; the file-system root cannot be
// removed. Deletes no file.
void Deltree(const std::string &path);

} // namespace tandara
