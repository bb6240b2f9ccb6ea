#include "beneath.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>

namespace tandara::fs {

namespace {

std::atomic<bool> openat2Missing{false};

// Calls f(name) for each level of a relative path, empty levels skipped;
// stops at the first failure and gives it.
template <typename F>
FsError forEachLevel(std::string_view relative, F f)
{
    while (!relative.empty()) {
        const size_t slash = relative.find('/');
        const std::string_view level = relative.substr(0, slash);
        relative = slash == std::string_view::npos ? std::string_view() : relative.substr(slash + 1);
        if (level.empty() || level == ".")
            continue;
        if (level == "..")
            return FsError::fromErrno(EXDEV); // never above the root
        if (FsError error = f(std::string(level)))
            return error;
    }
    return {};
}

// A level that could not be opened: a link there is refused as such.
FsError levelError(int dirFd, const std::string &name, int code)
{
    struct stat st;
    if ((code == ENOTDIR || code == ELOOP) && fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISLNK(st.st_mode))
        return FsError::because(FsCause::LinkOnPath);
    return FsError::fromErrno(code);
}

FsError reopen(int dirFd, int flags, Fd &out)
{
    out.reset(openat(dirFd, ".", flags | O_DIRECTORY | O_CLOEXEC));
    return out ? FsError{} : FsError::fromErrno(errno);
}

} // namespace

FsError openRoot(const std::string &root, Fd &out)
{
    out.reset(open(root.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (out)
        return {};
    const int code = errno;
    struct stat st;
    if (code == ENOTDIR && lstat(root.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
        return FsError::because(FsCause::LinkOnPath);
    return FsError::fromErrno(code);
}

namespace {

// Opens relative one level at a time from rootFd, each level with
// openLevel(parentFd, name, levelPath), which gives a descriptor or -1 with
// errno set; current ends on the last level.
FsError walkLevels(int rootFd, std::string_view relative,
                   const std::function<int(int parent, const std::string &name, const std::string &levelPath)> &openLevel,
                   Fd &current)
{
    if (FsError error = reopen(rootFd, O_PATH, current))
        return error;
    std::string levelPath = "/";
    return forEachLevel(relative, [&](const std::string &name) {
        levelPath.append(name).push_back('/');
        const int fd = openLevel(current.get(), name, levelPath);
        if (fd < 0)
            return levelError(current.get(), name, errno);
        current.reset(fd);
        return FsError{};
    });
}

int openLevel(int parent, const std::string &name)
{
    return openat(parent, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

FsError openBeneathByLevels(int rootFd, std::string_view relative, Fd &out, int flags)
{
    Fd current;
    if (FsError error = walkLevels(rootFd, relative,
                                   [](int parent, const std::string &name, const std::string &) {
                                       return openLevel(parent, name);
                                   },
                                   current))
        return error;
    if (flags == O_PATH) {
        out = std::move(current);
        return {};
    }
    return reopen(current.get(), flags, out);
}

FsError openBeneath(int rootFd, std::string_view relative, Fd &out, int flags)
{
    while (!relative.empty() && relative.front() == '/')
        relative.remove_prefix(1);
    const std::string path = relative.empty() ? std::string(".") : std::string(relative);
    if (!openat2Missing.load(std::memory_order_relaxed) && path.size() < PATH_MAX) {
        open_how how{};
        how.flags = uint64_t(flags | O_DIRECTORY | O_CLOEXEC);
        how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
        const long fd = syscall(SYS_openat2, rootFd, path.c_str(), &how, sizeof how);
        if (fd >= 0) {
            out.reset(int(fd));
            return {};
        }
        if (errno == ELOOP)
            return FsError::because(FsCause::LinkOnPath);
        if (errno == ENOSYS)
            openat2Missing = true;
        else if (errno != EAGAIN && errno != EXDEV)
            return FsError::fromErrno(errno);
        // EAGAIN: a rename raced the lookup; EXDEV: tell ".." apart below.
    }
    return openBeneathByLevels(rootFd, relative, out, flags);
}

FsError makeBeneath(int rootFd, std::string_view relative,
                    const std::function<void(int levelFd, std::string_view levelPath)> &made, Fd &out)
{
    const FsError existing = openBeneath(rootFd, relative, out);
    if (!existing || existing.cause != FsCause::System || existing.code != ENOENT)
        return existing;
    Fd current;
    FsError error = walkLevels(rootFd, relative, [&](int parent, const std::string &name, const std::string &levelPath) {
        int fd = openLevel(parent, name);
        if (fd >= 0 || errno != ENOENT)
            return fd;
        if (mkdirat(parent, name.c_str(), 0700) != 0)
            return errno == EEXIST ? openLevel(parent, name) : -1;
        fd = openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0)
            made(fd, levelPath);
        return fd;
    }, current);
    if (error)
        return error;
    out = std::move(current);
    return {};
}

FsError openFolderOf(const TreeFile &file, Fd &out, int flags)
{
    Fd root;
    if (FsError error = openRoot(file.root, root))
        return error;
    return openBeneath(root.get(), file.folder, out, flags);
}

} // namespace tandara::fs
