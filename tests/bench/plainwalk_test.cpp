// The plain walker the scan is measured against must count what the scan
// would see: files at every depth, links as entries (never followed), no
// dot folders; and the same whatever the number of threads.

#include "plainwalk.h"
#include "support/temptree.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace tandara::test;

TEST(PlainWalk, CountsEveryFileOnceWithAnyNumberOfThreads)
{
    TempDir dir;
    makeTree(dir / "one", {{"a.txt", 10}, {"sub/b.txt", 20}, {"sub/deeper/c.txt", 30}, {".hidden/d.txt", 40},
                           {"sub/.e.txt", 50}, {"empty/"}});
    makeTree(dir / "two", {{"f.txt", 60}, {"g/h.txt", 70}});
    // Links count as one entry each: to a file, and to a folder not entered.
    ASSERT_EQ(symlink("a.txt", (dir / "one/link-to-file").c_str()), 0);
    ASSERT_EQ(symlink("../two", (dir / "one/link-to-folder").c_str()), 0);

    for (unsigned threads : {1u, 3u, 16u}) {
        SCOPED_TRACE(threads);
        const plainwalk::WalkCount count = plainwalk::walk({dir / "one", dir / "two"}, threads);
        EXPECT_EQ(count.files, 8u);
        EXPECT_EQ(count.bytes, 10u + 20 + 30 + 50 + 60 + 70 + 5 + 6); // links: their targets' lengths
        EXPECT_EQ(count.folders, 6u); // one, sub, deeper, empty, two, g
    }
}

TEST(PlainWalk, AMissingRootCountsNothing)
{
    TempDir dir;
    makeTree(dir / "here", {{"a.txt", 1}});
    const plainwalk::WalkCount count = plainwalk::walk({dir / "gone", dir / "here"}, 4);
    EXPECT_EQ(count.files, 1u);
    EXPECT_EQ(count.folders, 1u);
}
