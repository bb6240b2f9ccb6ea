// Copying one file or link without ever exposing a half-written target:
// the data go into a temporary file in the target's folder, which is
// renamed over the target only when contents and time are in place and
// the source is seen unchanged. Both folders are reached beneath their
// roots, and the names in them are never followed if they are links.

#include "fsservices.h"

#include "engine/beneath.h"
#include "engine/copydata.h"

#include <cerrno>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tandara::fs {

namespace {

// A name beside the target that nobody else uses.
std::string temporaryName()
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".tandara-";
    for (int i = 0; i < 8; ++i)
        name.push_back(kLetters[random() % (sizeof kLetters - 1)]);
    return name;
}

// Makes a new entry under a temporary name with make(name), which gives
// 0 or an errno; tries other names while the name is taken.
template <typename Make>
int makeTemporary(std::string &name, Make make)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName();
        const int error = make(name);
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

// Sets `exists` when there is a target to replace.
FsError checkTarget(int dir, const char *name, const CopyControl &control, bool &exists)
{
    struct stat old;
    exists = fstatat(dir, name, &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists)
        return errno == ENOENT ? FsError{} : FsError::fromErrno(errno);
    if (S_ISDIR(old.st_mode))
        return FsError::fromErrno(EISDIR);
    if (S_ISREG(old.st_mode) && !(old.st_mode & S_IWUSR) && !control.replaceReadOnly)
        return FsError::fromErrno(EACCES);
    return {};
}

// Some file systems (FAT through fusefat) stamp a renamed file with the
// time of the rename: then the source's time is set again on the target.
// A second either way is FAT's own rounding to 2-second steps.
FsError keepTime(int dir, const char *target, const struct stat &source)
{
    struct stat now;
    if (fstatat(dir, target, &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_mtim.tv_sec - source.st_mtim.tv_sec <= 1
        && source.st_mtim.tv_sec - now.st_mtim.tv_sec <= 1)
        return {};
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    return utimensat(dir, target, times, AT_SYMLINK_NOFOLLOW) == 0 ? FsError{} : FsError::fromErrno(errno);
}

// Puts a finished temporary entry with the source's status in place of
// the target, or removes it.
FsError settle(int dir, const std::string &temporary, const char *target, const struct stat &source,
               FsError error, const CopyControl &control)
{
    if (!error && renameat(dir, temporary.c_str(), dir, target) != 0)
        error = FsError::fromErrno(errno);
    if (error) {
        unlinkat(dir, temporary.c_str(), 0);
        return error;
    }
    return control.checkTimeAfterRename ? keepTime(dir, target, source) : FsError{};
}

// The copy's failure for an errno; ECANCELED is the user's stop.
FsError failure(int code)
{
    return code == ECANCELED ? FsError::because(FsCause::Cancelled) : FsError::fromErrno(code);
}

// The result of setting an owner or permission bits: a refusal by a file
// system that cannot hold them does not count as a failure.
int unlessRefused(int result)
{
    if (result == 0 || errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP || errno == ENOSYS
        || errno == EINVAL)
        return 0;
    return errno;
}

int writeTemporary(int source, const struct stat &st, int target, const CopyControl &control)
{
    if (const int error = copyData(source, target, st, control))
        return error;
    // The new file is ours; only root can give it another owner.
    if (geteuid() == 0 && (st.st_uid != geteuid() || st.st_gid != getegid()))
        if (const int error = unlessRefused(fchown(target, st.st_uid, st.st_gid)))
            return error;
    if (const int error = unlessRefused(fchmod(target, st.st_mode & 07777)))
        return error;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    return futimens(target, times) == 0 ? 0 : errno;
}

bool sameTime(const struct timespec &a, const struct timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// True when the open source still has the size and times seen at its
// opening: nobody wrote to it while it was copied.
bool unchanged(int source, const struct stat &seen)
{
    struct stat now;
    return fstat(source, &now) == 0 && now.st_size == seen.st_size && sameTime(now.st_mtim, seen.st_mtim)
        && sameTime(now.st_ctim, seen.st_ctim);
}

FsError copyRegular(int sourceDir, const char *sourceName, int targetDir, const char *targetName,
                    bool replacing, const CopyControl &control)
{
    // O_NONBLOCK: should a pipe have been swapped in since the check, the
    // open returns at once instead of waiting for a writer.
    Fd from(openat(sourceDir, sourceName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!from)
        return errno == ELOOP ? FsError::because(FsCause::Changed) : FsError::fromErrno(errno);
    struct stat st;
    if (fstat(from.get(), &st) != 0)
        return FsError::fromErrno(errno);
    if (!S_ISREG(st.st_mode))
        return FsError::because(FsCause::NotRegular);
    std::string temporary;
    Fd to;
    const int created = makeTemporary(temporary, [&](const std::string &name) {
        to.reset(openat(targetDir, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        return to ? 0 : errno;
    });
    if (created != 0)
        return FsError::fromErrno(created);
    FsError error;
    if (const int code = writeTemporary(from.get(), st, to.get(), control))
        error = failure(code);
    else if (!unchanged(from.get(), st))
        error = FsError::because(FsCause::Changed);
    // An old target is replaced only by a new file that is on the disk,
    // so that a power cut cannot leave an empty file in its place.
    if (!error && replacing && fsync(to.get()) != 0)
        error = FsError::fromErrno(errno);
    if (to.reset() != 0 && !error)
        error = FsError::fromErrno(errno);
    return settle(targetDir, temporary, targetName, st, error, control);
}

FsError copyLink(int sourceDir, const char *sourceName, const struct stat &st, int targetDir,
                 const char *targetName, const CopyControl &control)
{
    std::string text(size_t(st.st_size) + 1, '\0');
    for (;;) {
        const ssize_t n = readlinkat(sourceDir, sourceName, text.data(), text.size());
        if (n < 0)
            return FsError::fromErrno(errno);
        if (size_t(n) < text.size()) {
            text.resize(size_t(n));
            break;
        }
        text.resize(text.size() * 2); // the link grew since its status was read
    }
    std::string temporary;
    const int created = makeTemporary(temporary, [&](const std::string &name) {
        return symlinkat(text.c_str(), targetDir, name.c_str()) == 0 ? 0 : errno;
    });
    if (created != 0)
        return FsError::fromErrno(created);
    if (geteuid() == 0)
        (void)fchownat(targetDir, temporary.c_str(), st.st_uid, st.st_gid, AT_SYMLINK_NOFOLLOW);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    FsError error;
    if (utimensat(targetDir, temporary.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        error = FsError::fromErrno(errno);
    return settle(targetDir, temporary, targetName, st, error, control);
}

// The folder of `file`: the one the caller keeps open (given), or one
// opened here beneath the root into `opened`.
FsError folderOf(const TreeFile &file, int given, Fd &opened, int &folder)
{
    folder = given;
    if (given >= 0)
        return {};
    FsError error = openFolderOf(file, opened);
    folder = opened.get();
    return error;
}

} // namespace

FsError copyFile(const TreeFile &source, const TreeFile &target, const CopyControl &control)
{
    Fd openedSource, openedTarget;
    int sourceDir = -1, targetDir = -1;
    if (FsError error = folderOf(source, control.sourceFolder, openedSource, sourceDir))
        return error;
    if (FsError error = folderOf(target, control.targetFolder, openedTarget, targetDir))
        return error;
    const char *sourceName = source.name.c_str();
    const char *targetName = target.name.c_str();
    struct stat st;
    if (fstatat(sourceDir, sourceName, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return FsError::fromErrno(errno);
    if (S_ISDIR(st.st_mode))
        return FsError::fromErrno(EISDIR);
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return FsError::because(FsCause::NotRegular);
    bool replacing = false;
    if (FsError error = checkTarget(targetDir, targetName, control, replacing))
        return error;
    if (S_ISLNK(st.st_mode))
        return copyLink(sourceDir, sourceName, st, targetDir, targetName, control);
    return copyRegular(sourceDir, sourceName, targetDir, targetName, replacing, control);
}

} // namespace tandara::fs
