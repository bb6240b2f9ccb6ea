#pragma once
// How a file of one tree is named: the tree's root, the relative folder
// ("/Foto/2003/", always starting and ending with '/') and the name. The
// full path is the three joined; the operations never use it to reach the
// file, only to show it.

#include <string>
#include <string_view>

namespace tandara {

// The text that joins a root to a relative folder: the root itself, or
// nothing for the file-system root, so that "/" + "/a/" never doubles the
// separator and both sides' keys line up.
inline std::string_view joinBase(std::string_view root)
{
    return root == "/" ? std::string_view() : root;
}

// Writes a root the way the lists keep it: no final separator, except "/".
std::string normalizeRoot(std::string root);

// Full path of a row's file on the side with the given root.
std::string fullPath(std::string_view root, std::string_view folder, std::string_view name);

// One file (or link) of a tree, reached from its root.
struct TreeFile {
    std::string root;
    std::string folder;
    std::string name;

    std::string full() const { return fullPath(root, folder, name); }
};

} // namespace tandara
