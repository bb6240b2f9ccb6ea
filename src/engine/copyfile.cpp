// Copying one file without ever exposing a half-written target: the data go
// into a temporary file in the target's folder, which is renamed over the
// target only when contents, permission bits and time are all in place.

#include "fsservices.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tandara::fs {

namespace {

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    // Closes now and reports a failed close (a delayed write error).
    int reset()
    {
        int result = 0;
        if (fd_ >= 0)
            result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// Copies all bytes; returns 0 or an errno value.
int copyContents(int from, int to, off_t size)
{
    off_t done = 0;
    while (done < size) {
        const ssize_t n = copy_file_range(from, nullptr, to, nullptr, size_t(size - done), 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)
                break; // fall back to plain reads and writes from where we are
            return errno;
        }
        if (n == 0)
            break; // the source shrank; read on until its true end
        done += n;
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = pread(from, buffer, sizeof buffer, done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        for (ssize_t put = 0; put < got;) {
            const ssize_t n = pwrite(to, buffer + put, size_t(got - put), done + put);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            put += n;
        }
        done += got;
    }
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int writeTemporary(int source, const struct stat &st, int target)
{
    if (const int error = copyContents(source, target, st.st_size))
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

} // namespace

FsError copyFile(const std::string &source, const std::string &target)
{
    Fd from(open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (from.get() < 0)
        return FsError::fromErrno(errno);
    struct stat st;
    if (fstat(from.get(), &st) != 0)
        return FsError::fromErrno(errno);
    if (S_ISDIR(st.st_mode))
        return FsError::fromErrno(EISDIR);

    struct stat old;
    if (lstat(target.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode))
            return FsError::fromErrno(EISDIR);
        if (!S_ISLNK(old.st_mode) && !(old.st_mode & S_IWUSR))
            return FsError::fromErrno(EACCES);
    } else if (errno != ENOENT) {
        return FsError::fromErrno(errno);
    }

    std::string temporary = folderOf(target) + "/.tandara-XXXXXX";
    Fd to(mkostemp(temporary.data(), O_CLOEXEC));
    if (to.get() < 0)
        return FsError::fromErrno(errno);

    int error = writeTemporary(from.get(), st, to.get());
    if (to.reset() != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return FsError::fromErrno(error);
    }
    return {};
}

} // namespace tandara::fs
