#pragma once
// A folder outside both trees, and links to it planted in the trees, to
// prove that no operation ever acts outside the trees it was given.

#include <map>
#include <string>

namespace tandara::test {

// Every entry below root (never following links): its type, permission
// bits, size, time and contents or link text, by relative path.
using Snapshot = std::map<std::string, std::string>;
Snapshot snapshot(const std::string &root);

// Plants in root and in each of its folders (dot folders aside) links to
// outside: one to the folder itself, one to a folder inside it, one to a
// file and one dangling.
void plantLinks(const std::string &root, const std::string &outside);

// Replaces the folder at path by a link to target, keeping the folder's
// contents aside in a dot folder beside it, as someone could do between a
// scan and a copy.
void swapForLink(const std::string &path, const std::string &target);

} // namespace tandara::test
