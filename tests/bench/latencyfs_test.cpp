// tandara-latencyfs mounted for real: what is done through it must land on
// the backing folder, listings must come back whole, and each look-up
// must reach it (no caching) or the benchmarks would measure the cache.

#include "latencymount.h"
#include "support/temptree.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace tandara::test;
namespace fsys = std::filesystem;

namespace {

class LatencyFs : public ::testing::Test {
protected:
    // Mounts dir/backing at dir/share; false, the test skipped, when that
    // cannot be.
    bool mount(std::vector<std::string> options = {})
    {
        share_.emplace(dir_.folder("backing"), dir_.folder("share"), dir_ / "stats", std::move(options));
        const std::string failure = share_->failure();
        if (failure.empty())
            return true;
        [&] { GTEST_SKIP() << failure; }();
        return false;
    }

    // Unmounts and returns how many calls of kind reached the file system.
    uint64_t stopAndCount(const std::string &kind)
    {
        std::istringstream lines(share_->stop());
        std::string name;
        uint64_t count = 0;
        while (lines >> name >> count)
            if (name == kind)
                return count;
        return 0;
    }

    std::set<std::string> names(const std::string &folder)
    {
        std::set<std::string> found;
        for (const auto &entry : fsys::directory_iterator(folder))
            found.insert(entry.path().filename().string());
        return found;
    }

    TempDir dir_;
    std::optional<LatencyMount> share_; // after dir_: unmounted before it goes
};

TEST_F(LatencyFs, ChangesMadeThroughItLandOnTheBackingFolder)
{
    if (!mount({"--delay-us", "100"}))
        return;
    const std::string share = dir_ / "share", backing = dir_ / "backing";

    ASSERT_EQ(mkdir((share + "/d").c_str(), 0755), 0);
    writeFile(share + "/d/a.txt", 5000, 1700000000);
    EXPECT_EQ(readFile(share + "/d/a.txt"), std::string(5000, 'x'));
    ASSERT_EQ(rename((share + "/d/a.txt").c_str(), (share + "/d/b.txt").c_str()), 0);
    ASSERT_EQ(symlink("b.txt", (share + "/d/link").c_str()), 0);
    ASSERT_EQ(chmod((share + "/d/b.txt").c_str(), 0600), 0);
    ASSERT_EQ(truncate((share + "/d/b.txt").c_str(), 3), 0);
    setTime(share + "/d/b.txt", 1600000000);
    EXPECT_EQ(names(share + "/d"), (std::set<std::string>{"b.txt", "link"}));

    struct stat st;
    ASSERT_EQ(stat((backing + "/d/b.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 3);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1600000000);
    EXPECT_EQ(fsys::read_symlink(backing + "/d/link"), "b.txt");

    // A folder held open while renamed: names inside it are found at its
    // new place.
    const int held = open((share + "/d").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(rename((share + "/d").c_str(), (share + "/e").c_str()), 0);
    EXPECT_EQ(fstatat(held, "b.txt", &st, 0), 0);
    EXPECT_EQ(st.st_size, 3);
    close(held);

    ASSERT_EQ(unlink((share + "/e/link").c_str()), 0);
    ASSERT_EQ(unlink((share + "/e/b.txt").c_str()), 0);
    ASSERT_EQ(rmdir((share + "/e").c_str()), 0);
    EXPECT_TRUE(fsys::is_empty(backing));
}

// 5000 entries take several listing calls, with or without each entry's
// status; none may be lost or repeated where one call's answer ends.
TEST_F(LatencyFs, ListsLargeFoldersWhole)
{
    std::set<std::string> expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string name = "a-rather-long-file-name-" + std::to_string(i) + ".dat";
        writeFile(dir_ / "backing/big/" + name, 0, 1700000000);
        expected.insert(name);
    }
    for (const bool plus : {false, true}) {
        SCOPED_TRACE(plus ? "readdirplus" : "readdir");
        if (!mount(plus ? std::vector<std::string>{"--readdirplus"} : std::vector<std::string>{}))
            return;
        EXPECT_EQ(names(dir_ / "share/big"), expected);
        EXPECT_GT(stopAndCount(plus ? "readdirplus" : "readdir"), 3u);
        share_.reset();
    }
}

TEST_F(LatencyFs, EveryLookUpReachesTheFileSystem)
{
    writeFile(dir_ / "backing/f.txt", 1, 1700000000);
    if (!mount())
        return;
    struct stat st;
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(stat((dir_ / "share/f.txt").c_str(), &st), 0);
    EXPECT_GE(stopAndCount("lookup"), 3u);
}

} // namespace
