#include "copysession.h"

#include "engine/beneath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandara {

namespace {

// The level above a relative folder: "/a/" for "/a/b/", "/" for "/a/".
std::string levelAbove(const std::string &folder)
{
    const size_t slash = folder.rfind('/', folder.size() - 2);
    return folder.substr(0, slash + 1);
}

// How the session finds a target folder: its root, a NUL, the folder.
std::string keyOf(const std::string &root, std::string_view folder)
{
    std::string key;
    key.reserve(root.size() + 1 + folder.size());
    key.append(root).push_back('\0');
    key.append(folder);
    return key;
}

} // namespace

OpenFolders CopySession::enterFolder(const TreeFile &source, const TreeFile &target)
{
    if (target.folder != lastFolder_ || target.root != lastTargetRoot_ || source.root != lastSourceRoot_) {
        lastSourceRoot_ = source.root;
        lastTargetRoot_ = target.root;
        lastFolder_ = target.folder;
        sourceFolder_.reset();
        targetFolder_.reset();
        const int targetRoot = targetRootFd(source, target);
        const int sourceRoot = rootFd(source.root);
        if (targetRoot >= 0 && sourceRoot >= 0 && !index_.contains(keyOf(target.root, target.folder))) {
            MadeFolders made = CreaDir(sourceRoot, targetRoot, target.folder);
            noteMade(source, target, made);
            note(source, target, target.folder, false);
            noteFileSystem(made.folder.get());
            targetFolder_ = std::move(made.folder);
        } else if (targetRoot >= 0) {
            (void)fs::openBeneath(targetRoot, target.folder, targetFolder_);
        }
        if (sourceRoot >= 0)
            (void)fs::openBeneath(sourceRoot, source.folder, sourceFolder_);
        renameMayChangeTime_ = !targetFolder_ || fs::renameMayChangeTime(targetFolder_.get());
    }
    return OpenFolders{sourceFolder_.get(), targetFolder_.get(), renameMayChangeTime_};
}

void CopySession::noteMade(const TreeFile &source, const TreeFile &target, const MadeFolders &made)
{
    // The folder that received the first new level changed too; above the
    // root there is nothing of ours.
    if (!made.levels.empty() && made.levels.front() != "/")
        note(source, target, levelAbove(made.levels.front()), false);
    for (const std::string &level : made.levels)
        note(source, target, level, true);
}

void CopySession::note(const TreeFile &source, const TreeFile &target, std::string folder, bool made)
{
    const auto [at, added] = index_.try_emplace(keyOf(target.root, folder), folders_.size());
    if (added)
        folders_.push_back(Folder{source.root, target.root, std::move(folder), made});
    else
        folders_[at->second].made |= made;
}

void CopySession::noteFileSystem(int folder)
{
    struct stat st;
    if (folder < 0 || fstat(folder, &st) != 0 || fileSystems_.contains(st.st_dev))
        return;
    // syncfs needs a descriptor opened for reading, not a path one.
    fs::Fd readable(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (readable)
        fileSystems_.emplace(st.st_dev, std::move(readable));
}

int CopySession::rootFd(const std::string &root)
{
    const auto [at, added] = roots_.try_emplace(root);
    if (added && fs::openRoot(root, at->second))
        at->second.reset();
    return at->second.get();
}

int CopySession::targetRootFd(const TreeFile &source, const TreeFile &target)
{
    if (!roots_.contains(target.root) && !fs::folderExists(target.root))
        noteMade(source, target, CreaDir(source.root, target.root, "/"));
    return rootFd(target.root);
}

void CopySession::settle(const Folder &folder)
{
    fs::Fd source, target;
    struct stat st;
    const int sourceRoot = rootFd(folder.sourceRoot);
    const int targetRoot = rootFd(folder.targetRoot);
    if (sourceRoot < 0 || targetRoot < 0 || fs::openBeneath(sourceRoot, folder.folder, source)
        || fstat(source.get(), &st) != 0 || fs::openBeneath(targetRoot, folder.folder, target, O_RDONLY))
        return;
    if (folder.made)
        (void)fchmod(target.get(), st.st_mode & 07777);
    const struct timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
    (void)futimens(target.get(), times);
}

void CopySession::finish()
{
    for (const Folder &folder : folders_)
        settle(folder);
    for (const auto &[device, folder] : fileSystems_)
        (void)syncfs(folder.get());
    *this = CopySession();
}

} // namespace tandara
