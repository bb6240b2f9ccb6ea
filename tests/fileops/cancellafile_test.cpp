// Deleting result rows' files, with the list bookkeeping.

#include "sync_fixture.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandara::test {
namespace {

bool exists(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

TEST(CancellaFile, DeletesReadOnlyAndHiddenFilesAndLowersTheTotal)
{
    SyncTrees t;
    makeTree(t.origin, {{"ro.txt", 10, 1600000000}, {"sub/.hidden", 5, 1600000000}, {"keep.txt", 1}});
    chmod((t.origin + "/ro.txt").c_str(), 0444);
    chmod((t.origin + "/sub/.hidden").c_str(), 0400);
    t.scan();
    ASSERT_EQ(t.rows(0), 3u);

    EXPECT_EQ(t.remove(0, t.find(0, "/ro.txt")), 0);
    EXPECT_EQ(t.remove(0, t.find(0, "/sub/.hidden")), 0);
    EXPECT_FALSE(exists(t.origin + "/ro.txt"));
    EXPECT_FALSE(exists(t.origin + "/sub/.hidden"));
    EXPECT_EQ(t.keys(0), std::set<std::string>{"/keep.txt"});
    EXPECT_EQ(t.state.dTotaleLv[0], 1.0);
    EXPECT_EQ(t.done, 15.0);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(CancellaFile, AFileGoneMeanwhileIsReportedAndKeepsItsRow)
{
    SyncTrees t;
    makeTree(t.dest, {{"a.txt", 4}, {"b.txt", 6}});
    t.scan();
    ASSERT_EQ(t.rows(1), 2u);
    unlink((t.dest + "/a.txt").c_str());

    EXPECT_EQ(t.remove(1, t.find(1, "/a.txt")), std::nullopt);
    EXPECT_EQ(t.messages, QStringList{QString::fromLocal8Bit(strerror(ENOENT))});
    EXPECT_EQ(t.rows(1), 2u);
    EXPECT_EQ(t.state.dTotaleLv[1], 10.0);
    EXPECT_EQ(t.done, 0.0);

    EXPECT_EQ(t.remove(1, t.find(1, "/b.txt")), 0);
    EXPECT_EQ(t.keys(1), std::set<std::string>{"/a.txt"});
}

TEST(CancellaFile, ALinkIsDeletedAsALink)
{
    SyncTrees t;
    const std::string outside = t.dir.folder("outside");
    writeFile(outside + "/target.txt", 3, 1600000000);
    ASSERT_EQ(symlink((outside + "/target.txt").c_str(), (t.origin + "/link").c_str()), 0);
    t.scan();
    ASSERT_EQ(t.keys(0), std::set<std::string>{"/link"});

    EXPECT_EQ(t.remove(0, 0), 0);
    EXPECT_FALSE(exists(t.origin + "/link"));
    EXPECT_EQ(readFile(outside + "/target.txt"), "xxx");

    // A link to a folder is walked, never listed; handed over all the same,
    // the link goes and the folder with its file stays.
    ASSERT_EQ(symlink(outside.c_str(), (t.origin + "/folderlink").c_str()), 0);
    t.l0.appendRow(ResultRow{"folderlink", "/", 0, 1600000000, true});
    EXPECT_EQ(t.remove(0, 0), 0);
    EXPECT_FALSE(exists(t.origin + "/folderlink"));
    EXPECT_EQ(readFile(outside + "/target.txt"), "xxx");
}

// Deleting one side of a modified pair leaves a file on the other side
// alone: its row must become a missing file, so the lists say what a new
// scan would say and lists 2 and 3 stay paired.
TEST(CancellaFile, DeletingOneSideOfAPairMovesTheOtherSideToMissingFiles)
{
    SyncTrees t;
    makeTree(t.origin, {{"d/a.txt", 10}, {"d/b.txt", 20}, {"d/c.txt", 30}});
    makeTree(t.dest, {{"d/a.txt", 11}, {"d/b.txt", 22}, {"d/c.txt", 33}});
    t.scan();
    ASSERT_EQ(t.rows(2), 3u);

    EXPECT_EQ(t.remove(3, t.find(3, "/d/a.txt")), 1);
    EXPECT_EQ(t.keys(0), std::set<std::string>{"/d/a.txt"});
    EXPECT_EQ(t.list(0).tag(0), "/d/a.txt");
    EXPECT_EQ(t.rows(3), 2u);

    EXPECT_EQ(t.remove(2, t.find(2, "/d/b.txt")), 1);
    EXPECT_EQ(t.keys(1), std::set<std::string>{"/d/b.txt"});
    EXPECT_EQ(t.list(1).tag(0), "");

    ASSERT_EQ(t.rows(2), 1u);
    ASSERT_EQ(t.rows(3), 1u);
    EXPECT_EQ(t.find(2, "/d/c.txt"), 0);
    EXPECT_EQ(t.find(3, "/d/c.txt"), 0);
    EXPECT_EQ(t.done, 11.0 + 20.0);
    const auto totals = t.state.dTotaleLv;
    EXPECT_EQ(totals[0], 10.0);
    EXPECT_EQ(totals[1], 22.0);
    EXPECT_EQ(totals[2], 30.0);
    EXPECT_EQ(totals[3], 33.0);

    // The pair that is left still copies as a pair.
    EXPECT_EQ(t.copy(2, 0), 1);

    t.scan();
    EXPECT_EQ(t.keys(0), std::set<std::string>{"/d/a.txt"});
    EXPECT_EQ(t.keys(1), std::set<std::string>{"/d/b.txt"});
    EXPECT_EQ(t.rows(2) + t.rows(3), 0u);
    EXPECT_EQ(t.state.dTotaleLv[0], 10.0);
    EXPECT_EQ(t.state.dTotaleLv[1], 22.0);
}

} // namespace
} // namespace tandara::test
