// Listing one folder for the trees, and choosing the volumes to show.
#include "foldertree/folderlisting.h"
#include "support/temptree.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tandara;
using tandara::test::TempDir;

namespace {

QStringList names(const std::vector<FolderEntry> &entries)
{
    QStringList all;
    for (const FolderEntry &e : entries)
        all.append(e.displayName);
    return all;
}

TEST(FolderListing, FoldersSortedByNameWithoutCaseFilesAfterThemOnlyOnRequest)
{
    TempDir dir;
    test::makeTree(dir.path(), {{"beta/"}, {"Alpha/"}, {"gamma/x.txt"}, {"a.txt"}, {"Zeta.txt"}, {".hidden/"}, {".dot.txt"}});
    EXPECT_EQ(names(listFolder(QByteArray::fromStdString(dir.path()), false)),
              QStringList({"Alpha", "beta", "gamma"}));
    const auto all = listFolder(QByteArray::fromStdString(dir.path()), true);
    EXPECT_EQ(names(all), QStringList({"Alpha", "beta", "gamma", "a.txt", "Zeta.txt"}));
    EXPECT_EQ(all[0].path, QByteArray::fromStdString(dir / "Alpha"));
    EXPECT_EQ(all[0].kind, FolderKind::Folder);
    EXPECT_EQ(all[3].kind, FolderKind::File);
}

TEST(FolderListing, LinksCountByWhatTheyPointAt)
{
    TempDir dir;
    test::makeTree(dir.path(), {{"real/"}, {"file.txt"}});
    ASSERT_EQ(::symlink((dir / "real").c_str(), (dir / "linkdir").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "missing").c_str(), (dir / "dangling").c_str()), 0);
    EXPECT_EQ(names(listFolder(QByteArray::fromStdString(dir.path()), false)), QStringList({"linkdir", "real"}));
    EXPECT_EQ(names(listFolder(QByteArray::fromStdString(dir.path()), true)),
              QStringList({"linkdir", "real", "dangling", "file.txt"}));
}

TEST(FolderListing, NameThatIsNotUtf8KeepsItsBytes)
{
    TempDir dir;
    const std::string odd = dir / "caf\xe9";
    ASSERT_EQ(::mkdir(odd.c_str(), 0755), 0);
    const auto entries = listFolder(QByteArray::fromStdString(dir.path()), false);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].path, QByteArray::fromStdString(odd));
    struct stat info {};
    EXPECT_EQ(::stat(entries[0].path.constData(), &info), 0);
    EXPECT_FALSE(entries[0].displayName.isEmpty());
}

TEST(FolderListing, HasEntriesAnswersLikeTheListing)
{
    TempDir dir;
    test::makeTree(dir.path(), {{"empty/"}, {"files/a.txt"}, {"sub/inner/"}, {"hidden/.x/"}});
    const auto has = [&](const char *name, bool withFiles) {
        return folderHasEntries(QByteArray::fromStdString(dir / name), withFiles);
    };
    EXPECT_FALSE(has("empty", true));
    EXPECT_FALSE(has("files", false));
    EXPECT_TRUE(has("files", true));
    EXPECT_TRUE(has("sub", false));
    EXPECT_FALSE(has("hidden", true));
    EXPECT_FALSE(has("no-such-folder", true));
}

TEST(FolderListing, UsableVolumesLeaveOutSystemPlacesAndRepeats)
{
    const std::vector<MountedVolume> mounted = {
        {"/", "ext4", {}},
        {"/proc", "proc", {}},
        {"/run/user/1000", "tmpfs", {}},
        {"/run/media/anna/USB", "vfat", QStringLiteral("USB")},
        {"/dev/shm", "tmpfs", {}},
        {"/sys/fs/cgroup", "cgroup2", {}},
        {"/snap/core/1", "squashfs", {}},
        {"/home/anna", "ext4", {}},
        {"/data", "ext4", {}},
        {"/data", "ext4", {}},
        {"/tmp", "tmpfs", {}},
        {"/media/anna/DISCO", "ntfs3", QStringLiteral("DISCO")},
    };
    const auto volumes = usableVolumes(mounted, "/home/anna");
    EXPECT_EQ(names(volumes), QStringList({"USB (/run/media/anna/USB)", "/data", "/tmp", "DISCO (/media/anna/DISCO)"}));
    EXPECT_EQ(volumes[1].path, QByteArray("/data"));
    EXPECT_EQ(volumes[1].kind, FolderKind::Drive);
}

} // namespace
