#include "walker.h"

#include "engine/fd.h"
#include "engine/folderread.h"
#include "engine/mounttable.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace tandara {

namespace {

using fs::Fd;

FolderId idOf(const struct stat &st)
{
    return FolderId{st.st_dev, st.st_ino};
}

// How many levels keep their folder open: a share of the open-file limit,
// since the other walk and the rest of the program need descriptors too.
int heldLevels()
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 16;
    return int(std::clamp<rlim_t>(limit.rlim_cur / 16, 4, 512));
}

class TreeWalk {
public:
    TreeWalk(const WalkConfig &config, const WalkHooks &hooks, const std::function<bool()> &cancelled,
             const std::function<void(const WalkedFile &)> &onFile)
        : config_(config), hooks_(hooks), cancelled_(cancelled), onFile_(onFile), heldLevels_(heldLevels())
    {
    }

    void run()
    {
        path_ = config_.root;
        if (path_.empty() || path_.back() != '/')
            path_.push_back('/');
        if (hooks_.showFolder)
            hooks_.showFolder(path_);
        Fd root(open(config_.root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat st;
        if (!root || fstat(root.get(), &st) != 0) {
            fail(errno);
            return;
        }
        if (!isKernelPseudoFs(root.get(), st.st_dev))
            visit(root, st, 0);
    }

private:
    void fail(int error)
    {
        if (hooks_.folderFailed)
            hooks_.folderFailed(std::string_view(path_).substr(config_.cut), error);
    }

    // Walks the folder open as fd, whose path is path_.
    void visit(Fd &fd, const struct stat &st, int depth)
    {
        FolderListing listing;
        readFolder(fd.get(), listing);
        if (listing.error != 0)
            fail(listing.error);
        onTheWay_.push_back(idOf(st));
        for (const FolderEntry &entry : listing.entries) {
            const std::string_view name = listing.name(entry);
            if (entry.kind != EntryKind::Folder) {
                onFile_(WalkedFile{name, std::string_view(path_).substr(config_.cut), entry.size, entry.mtime});
                continue;
            }
            const size_t length = path_.size();
            path_.append(name).push_back('/');
            if (hooks_.showFolder)
                hooks_.showFolder(path_);
            const bool regained = enter(fd, st, std::string(name), depth);
            path_.resize(length);
            if (!regained)
                fail(ESTALE);
            if (hooks_.afterSubfolder)
                hooks_.afterSubfolder();
            if (cancelled_() || !regained)
                break;
        }
        onTheWay_.pop_back();
    }

    // Walks the subfolder `name` of the open folder fd. Gives false when
    // fd had to be closed meanwhile and could not be found again.
    bool enter(Fd &fd, const struct stat &st, const std::string &name, int depth)
    {
        Fd child(openat(fd.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat childSt;
        if (!child || fstat(child.get(), &childSt) != 0) {
            if (errno != ENOENT) // a folder removed since the listing is no failure
                fail(errno);
            return true;
        }
        if (childSt.st_dev != st.st_dev && isKernelPseudoFs(child.get(), childSt.st_dev))
            return true;
        const FolderId id = idOf(childSt);
        if (std::find(onTheWay_.begin(), onTheWay_.end(), id) != onTheWay_.end() || id == config_.avoid) {
            fail(ELOOP);
            return true;
        }
        const bool dropParent = depth + 1 >= heldLevels_;
        if (dropParent)
            fd.reset();
        visit(child, childSt, depth + 1);
        if (!dropParent)
            return true;
        fd.reset(openat(child.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat again;
        return fd && fstat(fd.get(), &again) == 0 && idOf(again) == idOf(st);
    }

    const WalkConfig &config_;
    const WalkHooks &hooks_;
    const std::function<bool()> &cancelled_;
    const std::function<void(const WalkedFile &)> &onFile_;
    const int heldLevels_;
    std::string path_;
    std::vector<FolderId> onTheWay_;
};

} // namespace

std::optional<FolderId> folderIdOf(const std::string &path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return idOf(st);
}

void walkTree(const WalkConfig &config, const WalkHooks &hooks, const std::function<bool()> &cancelled,
              const std::function<void(const WalkedFile &)> &onFile)
{
    TreeWalk(config, hooks, cancelled, onFile).run();
}

} // namespace tandara
