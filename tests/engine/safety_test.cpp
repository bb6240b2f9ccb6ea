// What a scan must never do on the trees people have: walk into the other
// tree, judge files it could not see, stop short in silence, or wander into
// the kernel's pseudo file systems.

#include "scan_fixture.h"

#include "engine/mounttable.h"
#include "engine/roots.h"
#include "support/mounts.h"
#include "support/nobody.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;

// Runs body in a child process and gives its exit status.
int inChild(const std::function<int()> &body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Roots, OverlappingRootsAreRefusedBeforeAnythingIsListed)
{
    TempDir base;
    const std::string origin = base.folder("data/origin");
    makeTree(origin, {{"a.txt", 1, T}, {"sub/b.txt", 1, T}});
    ASSERT_EQ(symlink(origin.c_str(), (base / "alias").c_str()), 0);
    struct Case {
        const char *what;
        std::string origin, dest;
        RootsOverlap expected;
    };
    const Case cases[] = {
        {"the same folder", origin, origin + "/", RootsOverlap::Same},
        {"the same folder through a link", origin, base / "alias", RootsOverlap::Same},
        {"destination above the origin", origin, base / "data", RootsOverlap::Nested},
        {"destination inside the origin", origin, origin + "/sub", RootsOverlap::Nested},
        {"the file-system root holds everything", "/", origin, RootsOverlap::Nested},
        {"siblings", origin, base.folder("data/originals"), RootsOverlap::None},
    };
    for (const Case &c : cases) {
        std::string o = c.origin, d = c.dest;
        EXPECT_EQ(resolveRoots(o, d), c.expected) << c.what;
        if (c.expected == RootsOverlap::None)
            continue;
        ScanResult result;
        scanTrees(result, c.origin, c.dest);
        EXPECT_FALSE(result.completed) << c.what;
        for (int k = 0; k < kListCount; ++k)
            EXPECT_EQ(result.lists[k].count(), 0u) << c.what << ", list " << k;
    }
}

// Regression: a link to ".." in the origin led the walk into the
// destination beside it, so every sync nested another copy.
TEST(Roots, ALinkUpwardsIsARowAndNotAWayIntoTheOtherTree)
{
    TempDir base;
    const std::string origin = base.folder("o");
    const std::string dest = base.folder("d");
    makeTree(origin, {{"f.txt", 1, T}});
    makeTree(dest, {{"x.txt", 1, T}});
    ASSERT_EQ(symlink("..", (origin + "/up").c_str()), 0);
    ScanResult result;
    scanTrees(result, origin, dest);
    std::vector<std::string> keys = result.keys(0);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"/f.txt", "/up"}));
    EXPECT_EQ(result.keys(1), std::vector<std::string>{"/x.txt"});
}

// Regression: an origin folder that could not be read made the
// destination's files there look missing; deleting them removed the only
// readable copy.
TEST(UnreadFolders, AreReportedAndTheOtherSidesFilesThereHeldBack)
{
    TempDir origin, dest;
    makeTree(origin.path(), {{"locked/s.txt", 1, T}, {"open/a.txt", 1, T}});
    makeTree(dest.path(), {{"locked/s.txt", 1, T}, {"locked/deeper/t.txt", 1, T}, {"extra.txt", 5, T}});
    chmod((origin / "locked").c_str(), 0);
    for (const std::string &path : {origin.path(), dest.path(), dest / "locked", dest / "locked/deeper"})
        chmod(path.c_str(), 0755);
    const NobodyRun run = runAsNobody([&] {
        ScanResult result;
        scanTrees(result, origin.path(), dest.path());
        const std::vector<UnreadFolder> &unread = result.state.unreadFolders;
        const bool reported = unread.size() == 1 && unread[0].side == 0 && unread[0].folder == "/locked/"
            && unread[0].error == EACCES;
        const bool heldBack = result.keys(1) == std::vector<std::string>{"/extra.txt"}
            && result.state.dTotaleLv[1] == 5.0;
        return result.completed && reported && heldBack ? 0 : 1;
    });
    TANDARA_SKIP_UNLESS_OK(run);
    EXPECT_EQ(run.result, 0);
}

// Regression: running out of descriptors on a very deep tree cut it short
// in silence, so two trees differing only at the bottom looked identical.
TEST(DeepTrees, AreReadToTheBottomUnderALowOpenFileLimit)
{
    TempDir origin, dest;
    std::string deep;
    for (int level = 0; level < 150; ++level)
        deep += "d/";
    makeTree(origin.path(), {{deep + "bottom.txt", 1, T}});
    makeTree(dest.path(), {{deep + "bottom.txt", 2, T}});
    const int status = inChild([&] {
        const struct rlimit low {32, 32};
        if (setrlimit(RLIMIT_NOFILE, &low) != 0)
            return 2;
        ScanResult result;
        scanTrees(result, origin.path(), dest.path());
        return result.keys(2) == std::vector<std::string>{"/" + deep + "bottom.txt"}
                && result.state.unreadFolders.empty()
            ? 0
            : 1;
    });
    EXPECT_EQ(status, 0);
}

// Regression: a scan of "/" went into /proc/<pid>/cwd and never ended.
TEST(PseudoFileSystems, AreNotEntered)
{
    TempDir origin, dest;
    makeTree(origin.path(), {{"a.txt", 1, T}});
    const ScopedSystemMount proc("proc", origin.folder("proc"), "proc");
    TANDARA_SKIP_UNLESS_OK(proc);
    ScanResult result;
    scanTrees(result, origin.path(), dest.path());
    EXPECT_EQ(result.keys(0), std::vector<std::string>{"/a.txt"});
    EXPECT_TRUE(result.state.unreadFolders.empty());
}

TEST(PseudoFileSystems, TheOtherTreeMountedInsideIsNotWalked)
{
    TempDir origin, dest;
    makeTree(origin.path(), {{"a.txt", 1, T}});
    makeTree(dest.path(), {{"b.txt", 1, T}});
    const ScopedSystemMount mirror(dest.path(), origin.folder("mirror"), nullptr, MS_BIND);
    TANDARA_SKIP_UNLESS_OK(mirror);
    ScanResult result;
    scanTrees(result, origin.path(), dest.path());
    EXPECT_EQ(result.keys(0), std::vector<std::string>{"/a.txt"});
    ASSERT_EQ(result.state.unreadFolders.size(), 1u);
    EXPECT_EQ(result.state.unreadFolders[0].folder, "/mirror/");
}

TEST(MountTable, ParsesTypesAndEscapedMountPoints)
{
    const std::vector<MountEntry> table = parseMountInfo(
        "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
        "36 35 98:0 /mnt1 /media/USB\\040STICK rw,noatime master:1 - vfat /dev/sdb1 rw\n"
        "not a mount line\n"
        "40 35 0:45 / /mnt/f rw - fuse.fusefat /dev/loop3 rw\n");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[1].mountPoint, "/media/USB STICK");
    EXPECT_EQ(mountTypeOf(makedev(98, 0), table), "vfat");
    EXPECT_EQ(mountTypeOf(makedev(0, 45), table), "fuse.fusefat");
    EXPECT_EQ(mountTypeOf(makedev(1, 1), table), "");
}

} // namespace
} // namespace tandara::test
