// A folder outside both trees, reachable through links from both trees at
// every level and through folders swapped for links after the scan, stays
// byte-identical whatever is copied and deleted.

#include "fileops/deltree.h"
#include "support/outsidetree.h"
#include "sync_fixture.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;

// An outside folder holding files at the names the swapped folders lead
// to, so that any operation going through a link would hit a real file.
void makeOutside(const std::string &outside)
{
    makeTree(outside, {{"f", 4, T}, {"c.txt", 8, T}, {"sub/g", 2, T}, {"sub/deeper/h", 3, T}});
}

void makeTrees(SyncTrees &t)
{
    makeTree(t.origin, {{"a/b/c.txt", 5, T}, {"a/new.txt", 3, T}, {"top.txt", 1, T}, {"m.txt", 10, T},
                        {"dl/inside.txt", 2, T}});
    makeTree(t.dest, {{"a/b/c.txt", 6, T}, {"w/f", 1, T}, {"old/x.txt", 2, T}, {"m.txt", 11, T}});
}

// Both trees with links to outside at every level, and outside itself.
void makeLinkedTrees(SyncTrees &t, const std::string &outside)
{
    makeOutside(outside);
    makeTrees(t);
    plantLinks(t.origin, outside);
    plantLinks(t.dest, outside);
}

void copyEveryList(SyncTrees &t)
{
    for (int k : {0, 1, 2})
        for (int row = int(t.rows(k)) - 1; row >= 0; --row)
            t.copy(k, row);
}

void deleteEveryList(SyncTrees &t)
{
    for (int k : {0, 1, 2, 3})
        for (int row = int(t.rows(k)) - 1; row >= 0; --row)
            t.remove(k, row);
    Deltree(t.origin);
    Deltree(t.dest);
}

TEST(OutsideTheTrees, CopyAndDeleteOfEveryListNeverTouchIt)
{
    TempDir outside;
    SyncTrees t;
    makeLinkedTrees(t, outside.path());
    ASSERT_EQ(symlink(outside.path().c_str(), (t.dest + "/dl").c_str()), 0);
    const Snapshot before = snapshot(outside.path());

    t.scan();
    // Between the scan and the copy, folders of the destination that the
    // lists lead into become links to the outside folder.
    swapForLink(t.dest + "/w", outside.path());
    swapForLink(t.dest + "/a/b", outside.path());
    copyEveryList(t);
    EXPECT_EQ(snapshot(outside.path()), before);
    EXPECT_FALSE(t.messages.isEmpty()) << "the copies through the swapped folders are refused";

    t.scan();
    swapForLink(t.origin + "/a", outside.path());
    deleteEveryList(t);
    EXPECT_EQ(snapshot(outside.path()), before);
}

// tandara-sync --delete mirrors the origin onto the destination through
// the same per-row copy and delete as the window; a second run finds
// nothing left to do.
TEST(OutsideTheTrees, MirrorRunLeavesItAloneAndASecondRunChangesNothing)
{
    TempDir outside;
    SyncTrees t;
    makeLinkedTrees(t, outside.path());
    const Snapshot before = snapshot(outside.path());
    const std::string command = std::string(TANDARA_SYNC) + " --delete '" + t.origin + "' '" + t.dest + "'";

    EXPECT_EQ(WEXITSTATUS(std::system((command + " >/dev/null").c_str())), 0);
    EXPECT_EQ(snapshot(outside.path()), before);
    Snapshot mirrored = snapshot(t.dest);
    t.scan();
    for (int k = 0; k < kListCount; ++k)
        EXPECT_EQ(t.rows(k), 0u) << "list " << k;

    EXPECT_EQ(WEXITSTATUS(std::system((command + " >/dev/null").c_str())), 0);
    EXPECT_EQ(snapshot(t.dest), mirrored);
    EXPECT_EQ(snapshot(outside.path()), before);
}

TEST(OutsideTheTrees, MirrorRunRefusesOverlappingRoots)
{
    SyncTrees t;
    makeTree(t.origin, {{"a", 1, T}});
    const std::string command = std::string(TANDARA_SYNC) + " --delete '" + t.origin + "' '" + t.dir.path()
        + "' >/dev/null 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
    EXPECT_EQ(readFile(t.origin + "/a"), "x");
}

} // namespace
} // namespace tandara::test
