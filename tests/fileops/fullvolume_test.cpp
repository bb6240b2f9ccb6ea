// Copies onto a small volume that fills up part-way through a file.

#include "fileops/spaziosudisco.h"
#include "support/mounts.h"
#include "sync_fixture.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <gtest/gtest.h>

namespace tandara::test {
namespace {

std::set<std::string> entriesOf(const std::string &folder)
{
    std::set<std::string> names;
    if (DIR *d = opendir(folder.c_str())) {
        while (dirent *e = readdir(d))
            names.insert(e->d_name);
        closedir(d);
    }
    return names;
}

class FullVolume : public ::testing::Test {
protected:
    void SetUp() override { TANDARA_SKIP_UNLESS_OK(volume); }

    SyncTrees t;
    ScopedMount volume{FileSystem::Tmpfs, 1 << 20};
    const std::string &small = volume.path();
};

TEST_F(FullVolume, FreeSpaceIsMeasuredAtTheNearestExistingFolder)
{
    uint64_t free = 12345;
    SpazioSuDisco(small + "/not/made/yet", free);
    EXPECT_GT(free, 0u);
    EXPECT_LE(free, 1u << 20);
}

// On a path over 255 bytes, which shows the system's own error as any
// other path does.
TEST_F(FullVolume, ACopyThatFailsPartWayLeavesTheOldTargetByteIdentical)
{
    SyncTrees onSmall(t.origin, small);
    const std::string folder = std::string(150, 'f');
    const std::string name = std::string(150, 'b');
    makeTree(t.origin, {{folder + "/" + name, 2 << 20, 1600000000}});
    makeTree(small, {{folder + "/" + name, 1000, 1500000000}});
    onSmall.scan();
    ASSERT_EQ(onSmall.rows(2), 1u);

    EXPECT_EQ(onSmall.copy(2, 0), std::nullopt);
    EXPECT_EQ(onSmall.messages,
              QStringList{QString::number(ENOSPC) + " " + QString::fromLocal8Bit(strerror(ENOSPC))});
    EXPECT_EQ(readFile(small + "/" + folder + "/" + name), std::string(1000, 'x'));
    EXPECT_EQ(entriesOf(small + "/" + folder), (std::set<std::string>{".", "..", name}));
    EXPECT_EQ(onSmall.rows(2), 1u);
    EXPECT_EQ(onSmall.rows(3), 1u);
    EXPECT_EQ(onSmall.state.dTotaleLv[2], double(2 << 20));
    EXPECT_EQ(onSmall.state.dTotaleLv[3], 1000.0);
    EXPECT_EQ(onSmall.done, 0.0);
}

} // namespace
} // namespace tandara::test
