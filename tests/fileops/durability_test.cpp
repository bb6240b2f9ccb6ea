// What reaches the disk before a copy is called done: this program puts
// its own fsync, renameat and syncfs in front of the C library's, records
// each call and passes it on, so the order of the calls can be checked.

#include "sync_fixture.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

std::mutex callsLock;
std::vector<std::string> calls;

void record(std::string call)
{
    const std::lock_guard<std::mutex> lock(callsLock);
    calls.push_back(std::move(call));
}

std::string nameOf(int fd)
{
    char path[PATH_MAX];
    const ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path);
    const std::string full(path, size_t(std::max<ssize_t>(n, 0)));
    return full.substr(full.rfind('/') + 1);
}

} // namespace

extern "C" int fsync(int fd)
{
    record("fsync " + nameOf(fd));
    return int(syscall(SYS_fsync, fd));
}

extern "C" int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    record(std::string("rename ") + from + " " + to);
    return int(syscall(SYS_renameat2, fromDir, from, toDir, to, 0));
}

extern "C" int syncfs(int fd)
{
    record("syncfs");
    return int(syscall(SYS_syncfs, fd));
}

namespace tandara::test {
namespace {

std::vector<std::string> takeCalls()
{
    const std::lock_guard<std::mutex> lock(callsLock);
    return std::exchange(calls, {});
}

// Regression: a new file replaced its old target by a rename without being
// flushed first, so a power cut could leave the target empty; and a copy
// command ended with its files still in memory only.
TEST(Durability, AReplacedTargetIsFlushedBeforeTheRenameAndTheCommandEndsWithOneSyncfs)
{
    SyncTrees t;
    makeTree(t.origin, {{"a/changed.txt", 10, 1600000000}, {"b/new.txt", 5, 1600000000}});
    makeTree(t.dest, {{"a/changed.txt", 3, 1500000000}});
    t.scan();
    ASSERT_EQ(t.rows(0), 1u);
    ASSERT_EQ(t.rows(2), 1u);
    takeCalls();

    ASSERT_TRUE(t.copy(2, 0));
    const std::vector<std::string> replacing = takeCalls();
    ASSERT_EQ(replacing.size(), 2u);
    const std::string temporary = replacing[0].substr(std::string("fsync ").size());
    EXPECT_TRUE(temporary.starts_with(".tandara-")) << replacing[0];
    EXPECT_EQ(replacing[1], "rename " + temporary + " changed.txt");

    ASSERT_TRUE(t.copy(0, 0));
    t.session.finish();
    const std::vector<std::string> ending = takeCalls();
    ASSERT_FALSE(ending.empty());
    EXPECT_TRUE(ending[0].starts_with("rename ") && ending[0].ends_with(" new.txt")) << ending[0];
    EXPECT_EQ(std::count(ending.begin(), ending.end(), "syncfs"), 1) << "one file system written to";
    EXPECT_EQ(ending.back(), "syncfs");
}

} // namespace
} // namespace tandara::test
