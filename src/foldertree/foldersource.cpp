#include "foldersource.h"

#include "folderlisting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tandara {
namespace {

std::vector<FolderEntry> computerChildren()
{
    const QByteArray home = homeFolderPath();
    const QString homeName = QFileInfo(QFile::decodeName(home)).fileName();
    std::vector<FolderEntry> entries = {
        {QStringLiteral("/"), QByteArrayLiteral("/"), FolderKind::Drive},
        {homeName.isEmpty() ? QFile::decodeName(home) : homeName, home, FolderKind::Home},
    };
    for (FolderEntry &volume : usableVolumes(mountedVolumes(), home))
        entries.push_back(std::move(volume));
    return entries;
}

} // namespace

QByteArray homeFolderPath()
{
    return QFile::encodeName(QDir::homePath());
}

FolderEntry SystemFolderSource::top() const
{
    return {QStringLiteral("Desktop"), QByteArrayLiteral("Desktop"), FolderKind::Desktop};
}

std::vector<FolderEntry> SystemFolderSource::children(const FolderEntry &parent, bool withFiles) const
{
    switch (parent.kind) {
    case FolderKind::Desktop:
        return {{kComputerName, QByteArray(), FolderKind::Computer}};
    case FolderKind::Computer:
        return computerChildren();
    case FolderKind::File:
        return {};
    default:
        return listFolder(parent.path, withFiles);
    }
}

bool SystemFolderSource::hasChildren(const FolderEntry &parent, bool withFiles) const
{
    switch (parent.kind) {
    case FolderKind::Desktop:
    case FolderKind::Computer:
        return true;
    case FolderKind::File:
        return false;
    default:
        return folderHasEntries(parent.path, withFiles);
    }
}

} // namespace tandara
