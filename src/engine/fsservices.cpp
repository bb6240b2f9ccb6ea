#include "fsservices.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tandara::fs {

FsError FsError::fromErrno(int code)
{
    char buffer[256];
    return FsError{code, strerror_r(code, buffer, sizeof buffer)};
}

static FsError lastError()
{
    return FsError::fromErrno(errno);
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

std::vector<std::string> subFolders(const std::string &path)
{
    std::vector<std::string> result;
    DIR *dir = opendir(path.c_str());
    if (!dir)
        return result;
    const std::string base = path.ends_with('/') ? path : path + '/';
    while (dirent *entry = readdir(dir)) {
        if (!strcmp(entry->d_name, ".") || !strcmp(entry->d_name, ".."))
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat st;
            isFolder = fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0
                && S_ISDIR(st.st_mode);
        }
        if (isFolder)
            result.push_back(base + entry->d_name);
    }
    closedir(dir);
    return result;
}

FsError clearAttributes(const std::string &path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return lastError();
    if (S_ISLNK(st.st_mode) || (st.st_mode & S_IWUSR))
        return {};
    if (chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) != 0)
        return lastError();
    return {};
}

FsError deleteFile(const std::string &path)
{
    if (unlink(path.c_str()) != 0)
        return lastError();
    return {};
}

FsError makeFolder(const std::string &path)
{
    if (mkdir(path.c_str(), 0777) != 0)
        return lastError();
    return {};
}

FsError removeFolder(const std::string &path)
{
    if (rmdir(path.c_str()) != 0)
        return lastError();
    return {};
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
