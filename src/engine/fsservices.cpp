#include "fsservices.h"

#include "engine/beneath.h"

#include <cerrno>
#include <cstring>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>

namespace tandara::fs {

FsError FsError::fromErrno(int code)
{
    char buffer[256];
    return FsError{code, strerror_r(code, buffer, sizeof buffer)};
}

FsError FsError::because(FsCause cause)
{
    // A number that fits, so that callers testing the code see a failure.
    int code = EIO;
    switch (cause) {
    case FsCause::System: break;
    case FsCause::LinkOnPath: code = ELOOP; break;
    case FsCause::NotRegular: code = EINVAL; break;
    case FsCause::Changed: code = EAGAIN; break;
    case FsCause::Cancelled: code = ECANCELED; break;
    }
    FsError error = fromErrno(code);
    error.cause = cause;
    return error;
}

bool folderExists(const std::string &path)
{
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string parentFolderName(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const size_t slash = path.rfind('/');
    if (path.empty() || path == "/" || slash == std::string_view::npos)
        return {};
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}

FsError deleteFile(const TreeFile &file)
{
    Fd folder;
    if (FsError error = openFolderOf(file, folder))
        return error;
    const char *name = file.name.c_str();
    struct stat st;
    if (fstatat(folder.get(), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return FsError::fromErrno(errno);
    // Removing a name needs write access to its folder, not to the file;
    // the mark is cleared so that a read-only file goes like any other.
    const bool cleared = S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR)
        && fchmodat(folder.get(), name, (st.st_mode & 07777) | S_IWUSR, AT_SYMLINK_NOFOLLOW) == 0;
    if (unlinkat(folder.get(), name, 0) != 0) {
        const FsError error = FsError::fromErrno(errno);
        if (cleared)
            fchmodat(folder.get(), name, st.st_mode & 07777, AT_SYMLINK_NOFOLLOW);
        return error;
    }
    return {};
}

bool renameMayChangeTime(int dir)
{
    struct statfs fs;
    return fstatfs(dir, &fs) != 0 || fs.f_type == FUSE_SUPER_MAGIC;
}

std::optional<uint64_t> freeSpace(const std::string &path)
{
    std::string probe = path.empty() ? std::string("/") : path;
    while (!folderExists(probe)) {
        probe = parentFolderName(probe);
        if (probe.empty())
            return std::nullopt;
    }
    struct statvfs vfs;
    if (statvfs(probe.c_str(), &vfs) != 0)
        return std::nullopt;
    return uint64_t(vfs.f_bavail) * uint64_t(vfs.f_frsize);
}

} // namespace tandara::fs
