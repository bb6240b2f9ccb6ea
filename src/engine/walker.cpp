#include "walker.h"

#include "engine/readahead.h"

#include <sys/stat.h>

namespace tandara {

namespace {

class TreeReplay {
public:
    TreeReplay(ReadAhead &reads, const WalkConfig &config, const WalkHooks &hooks,
               const std::function<bool()> &cancelled, const std::function<void(const WalkedFile &)> &onFile)
        : reads_(reads), config_(config), hooks_(hooks), cancelled_(cancelled), onFile_(onFile)
    {
    }

    void run(FolderNode &root)
    {
        if (enter(root) == Ended::Normally)
            reads_.release(root);
        else
            reads_.abandon(root.tree);
    }

private:
    // How the walk of a folder ended: all of it, by a cancel after a
    // subfolder (the levels above still yield and ask once more), or by a
    // cancel while it waited for a folder (nothing more is called).
    enum class Ended { Normally, Cancelled, Abandoned };

    std::string_view relative(const FolderNode &node) const { return std::string_view(node.path).substr(config_.cut); }

    void fail(const FolderNode &node, int error)
    {
        if (hooks_.folderFailed)
            hooks_.folderFailed(relative(node), error);
    }

    // Shows the folder, waits until it is read and walks it.
    Ended enter(FolderNode &node)
    {
        if (hooks_.showFolder)
            hooks_.showFolder(node.path);
        if (!reads_.await(node, hooks_.waiting, cancelled_))
            return Ended::Abandoned;
        switch (node.outcome) {
        case FolderNode::Outcome::Failed:
            fail(node, node.error);
            return Ended::Normally;
        case FolderNode::Outcome::Gone:
        case FolderNode::Outcome::NotEntered:
            return Ended::Normally;
        case FolderNode::Outcome::Listed:
            break;
        }
        return walk(node);
    }

    Ended walk(FolderNode &node)
    {
        if (node.listing.error != 0)
            fail(node, node.listing.error);
        size_t child = 0;
        for (const ListingEntry &entry : node.listing.entries) {
            if (entry.kind != EntryKind::Folder) {
                onFile_(WalkedFile{node.listing.name(entry), relative(node), entry.size, entry.mtime});
                continue;
            }
            FolderNode &sub = *node.children[child++];
            const Ended ended = enter(sub);
            if (ended == Ended::Abandoned)
                return ended;
            if (ended == Ended::Normally)
                reads_.release(sub);
            if (hooks_.afterSubfolder)
                hooks_.afterSubfolder();
            if (ended == Ended::Cancelled || cancelled_())
                return Ended::Cancelled;
        }
        return Ended::Normally;
    }

    ReadAhead &reads_;
    const WalkConfig &config_;
    const WalkHooks &hooks_;
    const std::function<bool()> &cancelled_;
    const std::function<void(const WalkedFile &)> &onFile_;
};

} // namespace

std::optional<FolderId> folderIdOf(const std::string &path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return FolderId{st.st_dev, st.st_ino};
}

void replayTree(ReadAhead &reads, int tree, const WalkConfig &config, const WalkHooks &hooks,
                const std::function<bool()> &cancelled, const std::function<void(const WalkedFile &)> &onFile)
{
    TreeReplay(reads, config, hooks, cancelled, onFile).run(reads.root(tree));
}

void walkTree(const WalkConfig &config, const WalkHooks &hooks, const std::function<bool()> &cancelled,
              const std::function<void(const WalkedFile &)> &onFile)
{
    ReadAhead reads({config}, ReadAheadOptions{0, 0});
    replayTree(reads, 0, config, hooks, cancelled, onFile);
}

} // namespace tandara
