#pragma once
// One folder of a tree as the read-ahead sees it: where it is, what
// reading it gave, and the subfolders found in it. Reading a node opens it
// (from its parent's descriptor, never through a link), checks that it may
// be entered and reads it whole (folderread.h).

#include "engine/fd.h"
#include "engine/folderread.h"
#include "engine/walker.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tandara {

struct FolderNode {
    enum class Outcome : uint8_t {
        Listed,     // read (listing.error set when only in part)
        Gone,       // removed since its parent was listed: nothing to say
        NotEntered, // a kernel pseudo file system
        Failed,     // could not be opened or entered: see error
    };

    // Where it is.
    FolderNode *parent = nullptr;
    int tree = 0;
    std::string path;            // full path, ending in '/'
    std::vector<uint32_t> order; // place in walk order: subfolder positions from the root

    // What reading it gave; valid once it is read.
    Outcome outcome = Outcome::Failed;
    int error = 0;
    FolderListing listing;
    // One per folder entry of the listing, in listing order.
    std::vector<std::unique_ptr<FolderNode>> children;

    // Set once the node has been read; guarded by the read-ahead's lock.
    bool isRead = false;

    // For opening the children: the folder's identity, and its descriptor
    // while some child is still to be opened (when the budget of open
    // descriptors allowed keeping it).
    FolderId id;
    fs::Fd fd;
    std::atomic<int> unopenedChildren{0};

    // The name of the folder in its parent (the last level of path).
    std::string_view name() const;
    // True when this node comes before other in walk order.
    bool before(const FolderNode &other) const;
};

// What the reading of a tree needs to know.
struct TreeReading {
    WalkConfig config;
    fs::Fd root;               // the tree's root, for opening a folder whose parent let its descriptor go
    size_t rootLength = 0;     // bytes of a node's path that are the root's own
    std::atomic<int> *keptFds; // descriptors kept open for children, all trees
    int fdBudget = 0;          // how many may be kept at once
};

// Reads node: opens it, checks that it may be entered (not a pseudo file
// system, not a folder already on the way down, not the folder to avoid),
// lists it and makes its children.
void readNode(FolderNode &node, TreeReading &tree);

} // namespace tandara
