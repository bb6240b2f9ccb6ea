// Copying result rows to the other side, with the list bookkeeping.

#include "fileops/fileworker.h"
#include "sync_fixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tandara::test {
namespace {

mode_t modeOf(const std::string &path)
{
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(CopiaFile, CreatesEveryMissingLevelAndSettlesTheRow)
{
    SyncTrees t;
    makeTree(t.origin, {{"a/b/c/deep.txt", 1234, 1600000000}, {"top.txt", 7, 1600000001}});
    t.scan();
    ASSERT_EQ(t.rows(0), 2u);

    const int deep = t.find(0, "/a/b/c/deep.txt");
    EXPECT_EQ(t.copy(0, deep), 0);
    EXPECT_EQ(readFile(t.dest + "/a/b/c/deep.txt"), std::string(1234, 'x'));
    EXPECT_EQ(t.rows(0), 1u);
    EXPECT_EQ(t.state.dTotaleLv[0], 7.0);
    EXPECT_EQ(t.done, 1234.0);

    // A file straight in the root joins root, "/" and name.
    EXPECT_EQ(t.copy(0, 0), 0);
    EXPECT_EQ(readFile(t.dest + "/top.txt"), "xxxxxxx");
    EXPECT_EQ(t.rows(0), 0u);
    EXPECT_EQ(t.state.dTotaleLv[0], 0.0);
    EXPECT_EQ(t.done, 1241.0);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(CopiaFile, ModifiedPairLeavesBothListsAndEachTotalDropsByItsOwnSize)
{
    SyncTrees t;
    makeTree(t.origin, {{"p/one.txt", 10, 1600000000}, {"p/two.txt", 40, 1600000000}});
    makeTree(t.dest, {{"p/one.txt", 3, 1600000000}, {"p/two.txt", 44, 1500000000}});
    chmod((t.dest + "/p/one.txt").c_str(), 0444);
    t.scan();
    ASSERT_EQ(t.rows(2), 2u);
    ASSERT_EQ(t.state.dTotaleLv[2], 50.0);
    ASSERT_EQ(t.state.dTotaleLv[3], 47.0);

    // Origin to destination over a read-only older copy.
    const int one = t.find(2, "/p/one.txt");
    EXPECT_EQ(t.copy(2, one), 1);
    EXPECT_EQ(readFile(t.dest + "/p/one.txt"), std::string(10, 'x'));
    EXPECT_EQ(t.rows(2), 1u);
    EXPECT_EQ(t.rows(3), 1u);
    EXPECT_EQ(t.state.dTotaleLv[2], 40.0);
    EXPECT_EQ(t.state.dTotaleLv[3], 44.0);
    EXPECT_EQ(t.done, 10.0);
    EXPECT_EQ(t.find(3, "/p/two.txt"), t.find(2, "/p/two.txt"));

    // Destination to origin: the copied side's size counts as copied.
    EXPECT_EQ(t.copy(3, 0), 1);
    EXPECT_EQ(readFile(t.origin + "/p/two.txt"), std::string(44, 'x'));
    EXPECT_EQ(t.rows(2) + t.rows(3), 0u);
    EXPECT_EQ(t.state.dTotaleLv[2] + t.state.dTotaleLv[3], 0.0);
    EXPECT_EQ(t.done, 54.0);
    EXPECT_TRUE(t.messages.isEmpty());

    t.scan();
    for (int k = 0; k < kListCount; ++k)
        EXPECT_EQ(t.rows(k), 0u) << "list " << k;
}

// Regression: the read-only mark of a modified file's old copy was cleared
// before the copy and stayed cleared when the copy then failed.
TEST(CopiaFile, AFailedCopyOverAReadOnlyTargetLeavesItAsItWas)
{
    SyncTrees t;
    makeTree(t.origin, {{"m.txt", 10, 1600000000}});
    makeTree(t.dest, {{"m.txt", 3, 1500000000}});
    chmod((t.dest + "/m.txt").c_str(), 0444);
    t.scan();
    ASSERT_EQ(t.rows(2), 1u);
    unlink((t.origin + "/m.txt").c_str());

    EXPECT_EQ(t.copy(2, 0), std::nullopt);
    EXPECT_EQ(t.messages.size(), 1);
    EXPECT_EQ(readFile(t.dest + "/m.txt"), "xxx");
    EXPECT_EQ(modeOf(t.dest + "/m.txt"), 0444u);
    EXPECT_EQ(t.rows(2), 1u);
}

// A file written to while it is copied is reported by name and keeps its
// row; the old copy stays.
TEST(CopiaFile, ASourceChangedDuringTheCopyIsReportedAndKeepsItsRow)
{
    SyncTrees t;
    makeTree(t.origin, {{"log/app.log", 20 << 20, 1600000000}});
    makeTree(t.dest, {{"log/app.log", 5, 1500000000}});
    t.scan();
    ASSERT_EQ(t.rows(2), 1u);
    const std::string source = t.origin + "/log/app.log";
    t.hooks.copy = [&](const TreeFile &from, const TreeFile &to, fs::CopyControl control) {
        control.afterBlock = [&](int64_t) { setTime(source, 1600000100); };
        return fs::copyFile(from, to, control);
    };

    EXPECT_EQ(t.copy(2, 0), std::nullopt);
    EXPECT_EQ(t.messages, QStringList{"Il file è cambiato durante la copia: " + QString::fromStdString(source)});
    EXPECT_EQ(readFile(t.dest + "/log/app.log"), "xxxxx");
    EXPECT_EQ(t.rows(2), 1u);
    EXPECT_EQ(t.rows(3), 1u);
    EXPECT_EQ(t.done, 0.0);
}

TEST(CopiaFile, ReadOnlyTargetOfAMissingFileFailsAndKeepsTheRow)
{
    SyncTrees t;
    makeTree(t.origin, {{"new.txt", 10, 1600000000}});
    t.scan();
    // Meanwhile a read-only file of that name turns up on the other side;
    // only modified files get their target's mark cleared.
    writeFile(t.dest + "/new.txt", 3, 1500000000);
    chmod((t.dest + "/new.txt").c_str(), 0444);

    EXPECT_EQ(t.copy(0, 0), std::nullopt);
    ASSERT_EQ(t.messages.size(), 1);
    EXPECT_EQ(t.messages[0], QString::number(EACCES) + " " + QString::fromLocal8Bit(strerror(EACCES)));
    EXPECT_EQ(readFile(t.dest + "/new.txt"), "xxx");
    EXPECT_EQ(modeOf(t.dest + "/new.txt"), 0444u);
    EXPECT_EQ(t.rows(0), 1u);
    EXPECT_EQ(t.state.dTotaleLv[0], 10.0);
    EXPECT_EQ(t.done, 0.0);
}

// Regression: any failure on a path over 255 bytes was shown as "name too
// long"; such paths are ordinary here.
TEST(CopiaFile, ALongPathShowsTheSystemsOwnError)
{
    SyncTrees t;
    const std::string key = std::string(200, 'd') + "/" + std::string(200, 'n');
    makeTree(t.origin, {{key, 5, 1600000000}});
    t.scan();
    writeFile(t.dest + "/" + key, 1, 1600000000);
    chmod((t.dest + "/" + key).c_str(), 0444);
    ASSERT_GT((t.dest + "/" + key).size(), 400u);

    EXPECT_EQ(t.copy(0, 0), std::nullopt);
    EXPECT_EQ(t.messages, QStringList{QString::number(EACCES) + " " + QString::fromLocal8Bit(strerror(EACCES))});
    EXPECT_EQ(t.rows(0), 1u);
}

TEST(CopiaFile, CopyingEveryDifferenceLeavesIdenticalTrees)
{
    SyncTrees t;
    makeTree(t.origin, {{"same.txt", 5, 1600000000},
                        {"x/only-origin.txt", 9, 1600000000},
                        {"x/y/z/changed.txt", 100, 1600000000},
                        {".hidden/skipped.txt", 1, 1600000000}});
    makeTree(t.dest, {{"same.txt", 5, 1600000000},
                      {"x/y/z/changed.txt", 100, 1600000500},
                      {"only-dest.txt", 2, 1600000000}});
    t.scan();
    for (int k : {0, 2})
        for (int row = int(t.rows(k)) - 1; row >= 0; --row)
            ASSERT_TRUE(t.copy(k, row).has_value());
    EXPECT_EQ(t.state.dTotaleLv[0] + t.state.dTotaleLv[2] + t.state.dTotaleLv[3], 0.0);

    t.scan();
    EXPECT_EQ(t.rows(0) + t.rows(2) + t.rows(3), 0u);
    EXPECT_EQ(t.keys(1), std::set<std::string>{"/only-dest.txt"});
}

TEST(CopiaFile, RunsOnTheFileWorkerAndReportsItsFailure)
{
    SyncTrees t;
    makeTree(t.origin, {{"big.bin", 3 << 20, 1600000000}, {"gone.txt", 1, 1600000000}});
    t.scan();
    FileWorker worker;
    t.hooks.copy = workerCopy(worker, {}, {});

    const int big = t.find(0, "/big.bin");
    EXPECT_EQ(t.copy(0, big), 0);
    EXPECT_EQ(readFile(t.dest + "/big.bin"), readFile(t.origin + "/big.bin"));

    unlink((t.origin + "/gone.txt").c_str());
    EXPECT_EQ(t.copy(0, 0), std::nullopt);
    EXPECT_EQ(t.messages.value(0), QString::number(ENOENT) + " " + QString::fromLocal8Bit(strerror(ENOENT)));
    EXPECT_EQ(t.rows(0), 1u);
}

// "Annulla" during a long file stops that file: no message, the row stays,
// no temporary file is left and the old target is as it was.
TEST(CopiaFile, StoppedOnTheWorkerLeavesTheTargetAndTheRow)
{
    SyncTrees t;
    makeTree(t.origin, {{"big.bin", 256 << 20, 1600000000}});
    makeTree(t.dest, {{"big.bin", 3, 1500000000}});
    t.scan();
    FileWorker worker;
    int waits = 0;
    t.hooks.copy = workerCopy(worker, [&] { ++waits; }, [&] { return waits >= 1; });
    EXPECT_EQ(t.copy(2, 0), std::nullopt);
    EXPECT_TRUE(t.messages.isEmpty());
    EXPECT_EQ(t.rows(2), 1u);
    EXPECT_EQ(readFile(t.dest + "/big.bin"), "xxx");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.dest), {}), 1);
}

} // namespace
} // namespace tandara::test
