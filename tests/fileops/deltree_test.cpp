// Folder creation and empty-folder removal on real trees.

#include "fileops/creadir.h"
#include "fileops/deltree.h"
#include "support/temptree.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace tandara::test {
namespace {

TEST(CreaDir, MakesEveryMissingLevelAndPassesExistingOnes)
{
    TempDir dir;
    const std::string chain = dir / "a/b/c/";
    EXPECT_FALSE(EsisteDir(chain));
    CreaDir(chain);
    EXPECT_TRUE(EsisteDir(dir / "a/b/c"));
    CreaDir(dir / "a/b/c/d"); // the levels above exist already
    EXPECT_TRUE(EsisteDir(dir / "a/b/c/d"));
    writeFile(dir / "file", 1, 1600000000);
    CreaDir(dir / "file/x"); // refused silently
    EXPECT_FALSE(EsisteDir(dir / "file/x"));
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
