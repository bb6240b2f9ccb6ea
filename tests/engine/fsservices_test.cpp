// File-system services on real files.

#include "engine/fsservices.h"
#include "engine/scanstate.h"
#include "support/temptree.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tandara::test {
namespace {

TEST(Paths, ParentFolderNameAndRoots)
{
    EXPECT_EQ(fs::parentFolderName("/a/b/c"), "/a/b");
    EXPECT_EQ(fs::parentFolderName("/a/b/c/"), "/a/b");
    EXPECT_EQ(fs::parentFolderName("/a"), "/");
    EXPECT_EQ(fs::parentFolderName("/"), "");
    EXPECT_EQ(normalizeRoot("/data/"), "/data");
    EXPECT_EQ(normalizeRoot("/"), "/");
    EXPECT_EQ(normalizeRoot("//"), "/");
    // The file-system root joins without doubling the separator, so its
    // keys line up with an ordinary folder's.
    EXPECT_EQ(fullPath("/", "/Foto/", "a.jpg"), "/Foto/a.jpg");
    EXPECT_EQ(fullPath("/data", "/Foto/", "a.jpg"), "/data/Foto/a.jpg");
}

TEST(CopyFile, CarriesContentsTimeAndPermissionsOverAnOldTarget)
{
    TempDir dir;
    writeFile(dir / "src", 10000, 1600000000);
    chmod((dir / "src").c_str(), 0640);
    writeFile(dir / "dst", 3, 1500000000);
    ASSERT_FALSE(fs::copyFile(dir / "src", dir / "dst"));
    struct stat st;
    ASSERT_EQ(stat((dir / "dst").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 10000);
    EXPECT_EQ(st.st_mtim.tv_sec, 1600000000);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readFile(dir / "dst"), readFile(dir / "src"));
}

TEST(CopyFile, ReadOnlyTargetIsRefusedAndKept)
{
    TempDir dir;
    writeFile(dir / "src", 10, 1600000000);
    writeFile(dir / "dst", 3, 1500000000);
    chmod((dir / "dst").c_str(), 0444);
    const fs::FsError error = fs::copyFile(dir / "src", dir / "dst");
    EXPECT_EQ(error.code, EACCES);
    EXPECT_FALSE(error.description.empty());
    EXPECT_EQ(readFile(dir / "dst"), "xxx");
    ASSERT_FALSE(fs::clearAttributes(dir / "dst"));
    EXPECT_FALSE(fs::copyFile(dir / "src", dir / "dst"));
}

TEST(CopyFile, MissingSourceLeavesTargetAndNoTemporaryFile)
{
    TempDir dir;
    writeFile(dir / "dst", 3, 1500000000);
    EXPECT_EQ(fs::copyFile(dir / "gone", dir / "dst").code, ENOENT);
    EXPECT_EQ(readFile(dir / "dst"), "xxx");
    EXPECT_EQ(fs::subFolders(dir.path()).size(), 0u);
}

TEST(FolderServices, SubfoldersSkipLinksAndFreeSpaceClimbsToAnExistingFolder)
{
    TempDir dir;
    makeTree(dir.path(), {{"a/"}, {".b/"}, {"f"}});
    ASSERT_EQ(symlink((dir / "a").c_str(), (dir / "link").c_str()), 0);
    auto subs = fs::subFolders(dir.path());
    std::sort(subs.begin(), subs.end());
    EXPECT_EQ(subs, (std::vector<std::string>{dir / ".b", dir / "a"}));
    EXPECT_TRUE(fs::folderExists(dir / "link"));
    EXPECT_TRUE(fs::freeSpace(dir / "not/yet/there").has_value());
    EXPECT_FALSE(fs::makeFolder(dir / "new"));
    EXPECT_TRUE(fs::makeFolder(dir / "new"));
    EXPECT_FALSE(fs::removeFolder(dir / "new"));
}

} // namespace
} // namespace tandara::test
