// Folder creation and empty-folder removal on real trees.

#include "fileops/creadir.h"
#include "fileops/deltree.h"
#include "support/mounts.h"
#include "support/temptree.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandara::test {
namespace {

TEST(CreaDir, MakesEveryMissingLevelAndPassesExistingOnes)
{
    TempDir source, dir;
    using Levels = std::vector<std::string>;
    EXPECT_FALSE(EsisteDir(dir / "a/b/c/"));
    MadeFolders made = CreaDir(source.path(), dir.path(), "/a/b/c/");
    EXPECT_TRUE(made.folder);
    EXPECT_EQ(made.levels, (Levels{"/a/", "/a/b/", "/a/b/c/"}));
    EXPECT_TRUE(EsisteDir(dir / "a/b/c"));
    // The levels above exist already.
    EXPECT_EQ(CreaDir(source.path(), dir.path(), "/a/b/c/d/").levels, Levels{"/a/b/c/d/"});
    EXPECT_TRUE(EsisteDir(dir / "a/b/c/d"));
    writeFile(dir / "file", 1, 1600000000);
    made = CreaDir(source.path(), dir.path(), "/file/x/"); // refused silently
    EXPECT_FALSE(made.folder);
    EXPECT_TRUE(made.levels.empty());
    EXPECT_FALSE(EsisteDir(dir / "file/x"));
    // A root removed when it became empty is made again first.
    EXPECT_EQ(CreaDir(source.path(), dir / "gone/root", "/x/").levels, (Levels{"/", "/x/"}));
    EXPECT_TRUE(EsisteDir(dir / "gone/root/x"));
}

TEST(CreaDir, NeverMakesAFolderThroughALink)
{
    TempDir dir, outside;
    ASSERT_EQ(symlink(outside.path().c_str(), (dir / "w").c_str()), 0);
    CreaDir(dir.path(), dir.path(), "/w/new/");
    EXPECT_FALSE(EsisteDir(outside / "new"));
}

TEST(Deltree, EmptyChainsGoBottomUpWithTheTopFolder)
{
    TempDir dir;
    const std::string top = dir.folder("top");
    makeTree(top, {{"a/b/c/"}, {"a/d/"}, {"e/"}});
    Deltree(top);
    EXPECT_FALSE(EsisteDir(top));
    EXPECT_TRUE(EsisteDir(dir.path()));
    Deltree(top); // a missing top is no error
}

TEST(Deltree, AnythingLeftKeepsItsFolderAndTheAncestors)
{
    TempDir dir;
    const std::string top = dir.folder("top");
    makeTree(top, {{"x/y/file.txt", 1}, {"x/empty/"}, {"z/"}, {"h/.hidden", 0}});
    Deltree(top);
    EXPECT_TRUE(EsisteDir(top + "/x/y"));
    EXPECT_FALSE(EsisteDir(top + "/x/empty"));
    EXPECT_FALSE(EsisteDir(top + "/z"));
    EXPECT_TRUE(EsisteDir(top + "/h"));
}

// Regression: removing empty folders went into dot folders the lists never
// show; after one unrelated delete a git repository lost its refs.
TEST(Deltree, StaysWhereTheScanLooks)
{
    TempDir dir;
    const std::string top = dir.folder("top");
    makeTree(top, {{"repo/.git/refs/heads/"}, {"repo/.git/objects/"}, {"repo/.git/HEAD", 5}, {"other/"}});
    const std::string mounted = dir.folder("top/mnt");
    const ScopedSystemMount other("tmpfs", mounted, "tmpfs", 0, "size=64k");
    if (other.ok())
        mkdir((mounted + "/inner").c_str(), 0755);
    Deltree(top);
    if (other.ok())
        EXPECT_TRUE(EsisteDir(mounted + "/inner")) << "another file system is left alone";
    EXPECT_TRUE(EsisteDir(top + "/repo/.git/refs/heads"));
    EXPECT_TRUE(EsisteDir(top + "/repo/.git/objects"));
    EXPECT_FALSE(EsisteDir(top + "/other"));
    if (!other.ok())
        GTEST_SKIP() << "dot folders checked; " << other.reason();
}

TEST(Deltree, ALinkToAFolderOutsideIsNotFollowed)
{
    TempDir dir;
    const std::string top = dir.folder("top");
    const std::string outside = dir.folder("outside/inner/deeper");
    makeTree(top, {{"holder/"}, {"other/"}});
    ASSERT_EQ(symlink((dir / "outside").c_str(), (top + "/holder/link").c_str()), 0);
    Deltree(top);
    EXPECT_TRUE(EsisteDir(outside));
    EXPECT_TRUE(EsisteDir(top + "/holder"));
    EXPECT_FALSE(EsisteDir(top + "/other"));
}

} // namespace
} // namespace tandara::test
