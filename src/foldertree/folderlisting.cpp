#include "folderlisting.h"

#include <QFile>
#include <QStorageInfo>
#include <algorithm>
#include <dirent.h>
#include <set>
#include <sys/stat.h>

namespace tandara {
namespace {

QByteArray joinPath(const QByteArray &folder, const char *name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

bool isDirectory(const QByteArray &path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isDirectoryEntry(const dirent *entry, const QByteArray &path)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN)
        return isDirectory(path);
    return false;
}

// Calls visit(entry) for every visible entry of folder until it returns
// false.
template <typename Visit>
void forEachEntry(const QByteArray &folder, Visit visit)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const QByteArray path = joinPath(folder, entry->d_name);
        const bool folderEntry = isDirectoryEntry(entry, path);
        FolderEntry item{QFile::decodeName(entry->d_name), path,
                         folderEntry ? FolderKind::Folder : FolderKind::File};
        if (!visit(std::move(item)))
            break;
    }
    ::closedir(dir);
}

bool byName(const FolderEntry &a, const FolderEntry &b)
{
    if (a.kind != b.kind)
        return a.kind == FolderKind::Folder;
    const int order = QString::compare(a.displayName, b.displayName, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.path < b.path;
}

bool isSystemType(const QByteArray &type)
{
    static const std::set<QByteArray> pseudo = {
        "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "pstore",
        "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "bpf", "autofs",
        "binfmt_misc", "nsfs", "efivarfs", "rpc_pipefs", "squashfs", "ramfs", "fuse.gvfsd-fuse",
        "fuse.portal"};
    return pseudo.count(type) > 0;
}

bool isSystemPlace(const QByteArray &root)
{
    if (root.startsWith("/run/media/"))
        return false;
    for (const char *place : {"/proc", "/sys", "/dev", "/run", "/snap"}) {
        if (root == place || root.startsWith(QByteArray(place) + '/'))
            return true;
    }
    return false;
}

} // namespace

std::vector<FolderEntry> listFolder(const QByteArray &folder, bool withFiles)
{
    std::vector<FolderEntry> entries;
    forEachEntry(folder, [&](FolderEntry entry) {
        if (withFiles || entry.kind == FolderKind::Folder)
            entries.push_back(std::move(entry));
        return true;
    });
    std::sort(entries.begin(), entries.end(), byName);
    return entries;
}

bool folderHasEntries(const QByteArray &folder, bool withFiles)
{
    bool found = false;
    forEachEntry(folder, [&](const FolderEntry &entry) {
        found = withFiles || entry.kind == FolderKind::Folder;
        return !found;
    });
    return found;
}

std::vector<FolderEntry> usableVolumes(const std::vector<MountedVolume> &mounted, const QByteArray &home)
{
    std::vector<FolderEntry> volumes;
    std::set<QByteArray> seen = {"/", home};
    for (const MountedVolume &volume : mounted) {
        if (isSystemType(volume.type) || isSystemPlace(volume.root) || !seen.insert(volume.root).second)
            continue;
        const QString where = QFile::decodeName(volume.root);
        const QString name = volume.label.isEmpty() ? where : volume.label + QStringLiteral(" (") + where + u')';
        volumes.push_back({name, volume.root, FolderKind::Drive});
    }
    return volumes;
}

std::vector<MountedVolume> mountedVolumes()
{
    std::vector<MountedVolume> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        const QByteArray root = QFile::encodeName(storage.rootPath());
        if (storage.isValid() && storage.isReady() && isDirectory(root))
            volumes.push_back({root, storage.fileSystemType(), storage.name()});
    }
    return volumes;
}

} // namespace tandara
