#pragma once
// The two roots of a scan, resolved and checked before anything is walked.
// Roots that overlap would make one tree's files look like the other's
// missing files: with the destination above the origin, deleting the
// destination's extra files would delete the origin; with one inside the
// other, every copy would nest the tree into itself.

#include <string>

namespace tandara {

enum class RootsOverlap { None, Same, Nested };

// Writes each root back as its real path (links and ".." resolved, no
// final separator) where it can be resolved, and tells whether the two are
// the same folder or one lies inside the other.
RootsOverlap resolveRoots(std::string &origin, std::string &destination);

} // namespace tandara
