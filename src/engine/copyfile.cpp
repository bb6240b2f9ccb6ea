// Copying one file or link without ever exposing a half-written target:
// the data go into a temporary file in the target's folder, which is
// renamed over the target only when contents, permission bits and time are
// all in place. Both folders are reached beneath their roots, and the
// names in them are never followed if they are links.

#include "fsservices.h"

#include "engine/beneath.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tandara::fs {

namespace {

// Between two blocks the copy looks at the stop flag.
constexpr size_t kBlock = size_t(8) << 20;

bool stopped(const CopyControl &control)
{
    return control.stop && control.stop->load(std::memory_order_relaxed);
}

// Plain reads and writes from offset `done` up to `size`; 0 or an errno.
int copyByReading(int from, int to, off_t done, off_t size, const CopyControl &control)
{
    constexpr size_t kBuffer = size_t(1) << 20;
    static thread_local const std::unique_ptr<char[]> buffer(new char[kBuffer]);
    while (done < size) {
        if (stopped(control))
            return ECANCELED;
        const ssize_t got = pread(from, buffer.get(), size_t(std::min<off_t>(size - done, off_t(kBuffer))), done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0; // the source shrank
        for (ssize_t put = 0; put < got;) {
            const ssize_t n = pwrite(to, buffer.get() + put, size_t(got - put), done + put);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno;
            put += n;
        }
        done += got;
    }
    return 0;
}

// Copies the first `size` bytes (the size seen when the source was
// opened, so a file that keeps growing is not chased); 0 or an errno.
int copyContents(int from, int to, off_t size, const CopyControl &control)
{
    loff_t done = 0;
    while (done < size) {
        if (stopped(control))
            return ECANCELED;
        loff_t in = done, out = done;
        const ssize_t n = copy_file_range(from, &in, to, &out, size_t(std::min<off_t>(size - done, off_t(kBlock))), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
            return copyByReading(from, to, done, size, control);
        if (n < 0)
            return errno;
        if (n == 0)
            return 0; // the source shrank
        done += n;
    }
    return 0;
}

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

FsError checkTarget(int dir, const char *name, const CopyControl &control)
{
    struct stat old;
    if (fstatat(dir, name, &old, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? FsError{} : FsError::fromErrno(errno);
    if (S_ISDIR(old.st_mode))
        return FsError::fromErrno(EISDIR);
    if (S_ISREG(old.st_mode) && !(old.st_mode & S_IWUSR) && !control.replaceReadOnly)
        return FsError::fromErrno(EACCES);
    return {};
}

// Puts a finished temporary entry in place of the target, or removes it.
FsError settle(int dir, const std::string &temporary, const char *target, int error)
{
    if (error == 0 && renameat(dir, temporary.c_str(), dir, target) != 0)
        error = errno;
    if (error == 0)
        return {};
    unlinkat(dir, temporary.c_str(), 0);
    return error == ECANCELED ? FsError::because(FsCause::Cancelled) : FsError::fromErrno(error);
}

int writeTemporary(int source, const struct stat &st, int target, const CopyControl &control)
{
    if (const int error = copyContents(source, target, st.st_size, control))
        return error;
    if (geteuid() == 0 && fchown(target, st.st_uid, st.st_gid) != 0) {
        // Keeping the owner is a courtesy; the copy stands without it.
    }
    if (fchmod(target, st.st_mode & 07777) != 0)
        return errno;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (futimens(target, times) != 0)
        return errno;
    return 0;
}

FsError copyRegular(int sourceDir, const char *sourceName, int targetDir, const char *targetName,
                    const CopyControl &control)
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
    int error = writeTemporary(from.get(), st, to.get(), control);
    if (to.reset() != 0 && error == 0)
        error = errno;
    return settle(targetDir, temporary, targetName, error);
}

FsError copyLink(int sourceDir, const char *sourceName, const struct stat &st, int targetDir,
                 const char *targetName)
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
    const int error = utimensat(targetDir, temporary.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
    return settle(targetDir, temporary, targetName, error);
}

} // namespace

FsError copyFile(const TreeFile &source, const TreeFile &target, const CopyControl &control)
{
    Fd sourceDir, targetDir;
    if (FsError error = openFolderOf(source, sourceDir))
        return error;
    if (FsError error = openFolderOf(target, targetDir))
        return error;
    const char *sourceName = source.name.c_str();
    const char *targetName = target.name.c_str();
    struct stat st;
    if (fstatat(sourceDir.get(), sourceName, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return FsError::fromErrno(errno);
    if (S_ISDIR(st.st_mode))
        return FsError::fromErrno(EISDIR);
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return FsError::because(FsCause::NotRegular);
    if (FsError error = checkTarget(targetDir.get(), targetName, control))
        return error;
    if (S_ISLNK(st.st_mode))
        return copyLink(sourceDir.get(), sourceName, st, targetDir.get(), targetName);
    return copyRegular(sourceDir.get(), sourceName, targetDir.get(), targetName, control);
}

} // namespace tandara::fs
