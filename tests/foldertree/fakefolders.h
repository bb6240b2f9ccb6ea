#pragma once
// Folder-tree sources for tests: a tree declared by names, and the real
// file system seen from one folder.

#include "foldertree/folderlisting.h"
#include "foldertree/folderview.h"
#include "foldertree/foldersource.h"

#include <QFile>
#include <map>

namespace tandara::test {

// Entries named in a map from a parent's name to its children's names;
// the top is the desktop. Counts how often children are asked for.
struct NamedFolders : FolderSource {
    std::map<QString, QStringList> below;
    mutable int listings = 0;

    FolderEntry top() const override { return {QStringLiteral("Desktop"), "Desktop", FolderKind::Desktop}; }
    std::vector<FolderEntry> children(const FolderEntry &parent, bool) const override
    {
        ++listings;
        std::vector<FolderEntry> entries;
        for (const QString &name : below.count(parent.displayName) ? below.at(parent.displayName) : QStringList())
            entries.push_back({name, "/fake/" + name.toUtf8(), FolderKind::Folder});
        return entries;
    }
};

// The file system below one real folder, which is the top entry.
struct FolderAt : SystemFolderSource {
    explicit FolderAt(std::string path) : path(std::move(path)) {}
    std::string path;
    mutable int listings = 0;

    FolderEntry top() const override
    {
        return {QStringLiteral("top"), QByteArray::fromStdString(path), FolderKind::Folder};
    }
    std::vector<FolderEntry> children(const FolderEntry &parent, bool withFiles) const override
    {
        ++listings;
        return SystemFolderSource::children(parent, withFiles);
    }
};

// The display names of the entries directly below parent, in order.
inline QStringList childNames(const FolderItem &parent)
{
    QStringList names;
    for (FolderItem item = parent.FirstChild(); !item.isNull(); item = item.NextSibling())
        names.append(item.DisplayName());
    return names;
}

} // namespace tandara::test
