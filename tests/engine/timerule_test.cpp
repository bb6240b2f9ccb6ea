// Time windows: FAT keeps times in 2-second steps, so where either root
// lies on FAT two times a second apart are the same.

#include "engine/sincro.h"
#include "engine/timerule.h"
#include "support/temptree.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tandara::test {
namespace {

const int64_t T = 1700000000; // an even second

dev_t deviceOf(const std::string &path)
{
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_dev;
}

TEST(TimeRule, DecidedByTheFileSystemOfEitherRoot)
{
    for (const char *type : {"vfat", "msdos", "fuse.fusefat"})
        EXPECT_TRUE(keepsTwoSecondTimes(type)) << type;
    for (const char *type : {"ext4", "tmpfs", "btrfs", "fuseblk", "exfat", "ntfs3", ""})
        EXPECT_FALSE(keepsTwoSecondTimes(type)) << type;

    // A folder and /proc lie on two different file systems; the table
    // says which of them is FAT.
    TempDir local;
    const std::string other = "/proc";
    const auto fatAt = [](const std::string &path, const char *type) {
        return std::vector<MountEntry>{{deviceOf(path), path, type}};
    };
    EXPECT_EQ(timeRuleFor(local.path(), other, fatAt(local.path(), "vfat")).window, 1);
    EXPECT_EQ(timeRuleFor(local.path(), other, fatAt(other, "fuse.fusefat")).window, 1);
    EXPECT_EQ(timeRuleFor(local.path(), other, fatAt(local.path(), "ext4")).window, 0);
    EXPECT_EQ(timeRuleFor(local.path(), other, {}).window, 0);
    EXPECT_EQ(timeRuleFor(local / "missing", other, fatAt(local.path(), "vfat")).window, 0);
}

// Regression: on FAT every file with an odd second looked modified after
// every copy, as FAT gives it back one second earlier.
TEST(TimeRule, ComparisonUnderTheFatWindow)
{
    ResultList l0(IconKey::NuovoO), l1(IconKey::NuovoD), l2(IconKey::AggiornatoO), l3(IconKey::AggiornatoD);
    for (const char *name : {"odd", "even", "older", "newer"})
        l0.append(name, "/", 10, T + 1, true);
    ScanState state;
    Sincro sincro({&l0, &l1, &l2, &l3}, state, {}, TimeRule{1});
    sincro.beginComparison();
    sincro.ConfrontaFile("odd", "/", 10, T);       // FAT's copy of T + 1
    sincro.ConfrontaFile("even", "/", 10, T + 2);  // a second later
    sincro.ConfrontaFile("older", "/", 10, T - 1); // two seconds older
    sincro.ConfrontaFile("newer", "/", 10, T + 3); // two seconds newer
    sincro.endComparison();
    EXPECT_EQ(l0.count() + l1.count(), 0u);
    ASSERT_EQ(l2.count(), 2u);
    EXPECT_EQ(l2.row(0).name, "older");
    EXPECT_EQ(l2.row(1).name, "newer");
}

} // namespace
} // namespace tandara::test
