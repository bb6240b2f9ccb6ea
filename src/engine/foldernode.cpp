#include "foldernode.h"

#include "engine/beneath.h"
#include "engine/mounttable.h"
#include "engine/treepath.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace tandara {

namespace {

using fs::Fd;

constexpr int kReadFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Opens node from its parent's descriptor, or beneath the root when the
// parent no longer keeps one; never through a link. Gives 0 or an errno.
int openNode(FolderNode &node, TreeReading &tree, Fd &fd)
{
    if (!node.parent) {
        // The root as given, its last level not a link (the scan resolves
        // roots to their real paths; a trailing '/' would follow a link).
        fd.reset(open(normalizeRoot(tree.config.root).c_str(), kReadFlags | O_NOFOLLOW));
        return fd ? 0 : errno;
    }
    FolderNode &parent = *node.parent;
    int error = 0;
    if (parent.fd) {
        fd.reset(openat(parent.fd.get(), std::string(node.name()).c_str(), kReadFlags | O_NOFOLLOW));
        error = fd ? 0 : errno;
    } else {
        const std::string_view relative = std::string_view(node.path).substr(tree.rootLength);
        const fs::FsError failure = fs::openBeneath(tree.root.get(), relative, fd, O_RDONLY);
        error = failure.cause == fs::FsCause::LinkOnPath ? ELOOP : failure.code;
    }
    // The last child opened lets the parent's descriptor go.
    if (parent.unopenedChildren.fetch_sub(1) == 1 && parent.fd) {
        parent.fd.reset();
        tree.keptFds->fetch_sub(1);
    }
    return error;
}

bool onTheWay(const FolderNode &node, const FolderId &id)
{
    for (const FolderNode *above = node.parent; above; above = above->parent)
        if (above->id == id)
            return true;
    return false;
}

void makeChildren(FolderNode &node)
{
    for (const ListingEntry &entry : node.listing.entries) {
        if (entry.kind != EntryKind::Folder)
            continue;
        auto child = std::make_unique<FolderNode>();
        child->parent = &node;
        child->tree = node.tree;
        child->path.reserve(node.path.size() + entry.nameLength + 1);
        child->path.append(node.path).append(node.listing.name(entry)).push_back('/');
        child->order = node.order;
        child->order.push_back(uint32_t(node.children.size()));
        node.children.push_back(std::move(child));
    }
}

} // namespace

std::string_view FolderNode::name() const
{
    const std::string_view p(path);
    const size_t slash = p.rfind('/', p.size() - 2);
    return p.substr(slash + 1, p.size() - slash - 2);
}

bool FolderNode::before(const FolderNode &other) const
{
    if (tree != other.tree)
        return tree < other.tree;
    return std::lexicographical_compare(order.begin(), order.end(), other.order.begin(), other.order.end());
}

void readNode(FolderNode &node, TreeReading &tree)
{
    Fd fd;
    if (const int error = openNode(node, tree, fd)) {
        node.outcome = error == ENOENT ? FolderNode::Outcome::Gone : FolderNode::Outcome::Failed;
        node.error = error;
        return;
    }
    struct stat st;
    if (fstat(fd.get(), &st) != 0) {
        node.outcome = FolderNode::Outcome::Failed;
        node.error = errno;
        return;
    }
    node.id = FolderId{st.st_dev, st.st_ino};
    if ((!node.parent || st.st_dev != node.parent->id.device) && isKernelPseudoFs(fd.get(), st.st_dev)) {
        node.outcome = FolderNode::Outcome::NotEntered;
        return;
    }
    if (onTheWay(node, node.id) || node.id == tree.config.avoid) {
        node.outcome = FolderNode::Outcome::Failed;
        node.error = ELOOP;
        return;
    }
    readFolder(fd.get(), node.listing);
    node.outcome = FolderNode::Outcome::Listed;
    makeChildren(node);
    node.unopenedChildren = int(node.children.size());
    if (!node.children.empty() && tree.keptFds->fetch_add(1) < tree.fdBudget)
        node.fd = std::move(fd);
    else if (!node.children.empty())
        tree.keptFds->fetch_sub(1);
}

} // namespace tandara
