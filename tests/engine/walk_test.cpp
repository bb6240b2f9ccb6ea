// The origin walk: what is listed, with which relative folder, key and size,
// and how it stops.

#include "scan_fixture.h"

#include "engine/walker.h"
#include "lists/texts.h"
#include "support/nobody.h"

#include <algorithm>
#include <fcntl.h>
#include <map>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace tandara::test {
namespace {

std::vector<std::string> sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// Only an origin side: the destination is an empty folder.
std::vector<std::string> originKeys(const std::string &origin)
{
    TempDir empty;
    ScanResult result;
    scanTrees(result, origin, empty.path());
    return sorted(result.keys(0));
}

TEST(OriginWalk, ListsFilesOfEveryLevelButNotFoldersOrDotFolders)
{
    TempDir tree;
    makeTree(tree.path(), {{"a.txt"}, {".profile"}, {"X/Y/b.txt"}, {"only/folders/"},
                           {".cache/inside.txt"}, {"X/.git/config"}, {"X/.hidden.txt"}});
    EXPECT_EQ(originKeys(tree.path()),
              (std::vector<std::string>{"/.profile", "/X/.hidden.txt", "/X/Y/b.txt", "/a.txt"}));
}

TEST(OriginWalk, EmptyTreesAndMissingRootsGiveNoRows)
{
    TempDir tree;
    makeTree(tree.path(), {{"a/b/c/"}, {"d/"}});
    EXPECT_TRUE(originKeys(tree.path()).empty());
    EXPECT_TRUE(originKeys(tree / "does-not-exist").empty());
}

TEST(OriginWalk, RootWithOrWithoutFinalSeparatorGivesTheSameKeys)
{
    TempDir tree;
    makeTree(tree.path(), {{"a.txt"}, {"X/Y/b.txt"}});
    const std::vector<std::string> expected{"/X/Y/b.txt", "/a.txt"};
    EXPECT_EQ(originKeys(tree.path()), expected);
    EXPECT_EQ(originKeys(tree.path() + "/"), expected);
    EXPECT_EQ(originKeys(tree.path() + "//"), expected);
}

TEST(OriginWalk, RowsCarryFolderSizeTimeAndTag)
{
    TempDir tree, empty;
    makeTree(tree.path(), {{"X/Y/b.txt", 1234, 1700000123}});
    ScanResult result;
    scanTrees(result, tree.path(), empty.path());
    ASSERT_EQ(result.lists[0].count(), 1u);
    const ResultRow row = result.lists[0].row(0);
    EXPECT_EQ(row.name, "b.txt");
    EXPECT_EQ(row.folder, "/X/Y/");
    EXPECT_EQ(row.size, 1234);
    EXPECT_EQ(row.mtime, 1700000123);
    EXPECT_EQ(result.lists[0].tag(0), "/X/Y/b.txt");
    EXPECT_EQ(result.state.dTotaleLv[0], 1234.0);
}

TEST(OriginWalk, SizeTextsKeepTwoDigitsAndTheFullSize)
{
    TempDir tree, empty;
    makeTree(tree.path(), {{"zero"}, {"five", 5}});
    const std::string big = tree / "big";
    const int fd = open(big.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 5LL << 30), 0); // sparse: takes no disk space
    close(fd);

    ScanResult result;
    scanTrees(result, tree.path(), empty.path());
    std::map<std::string, QString> texts;
    for (size_t pos = 0; pos < result.lists[0].count(); ++pos) {
        const ResultRow r = result.lists[0].row(pos);
        texts[std::string(r.name)] = formatGrouped2(r.size);
    }
    EXPECT_EQ(texts["zero"], "00");
    EXPECT_EQ(texts["five"], "05");
    EXPECT_EQ(texts["big"], "5.368.709.120");
    EXPECT_EQ(result.state.dTotaleLv[0], 5368709120.0 + 5);
}

TEST(OriginWalk, NameThatIsNotUtf8KeepsItsBytes)
{
    TempDir tree;
    const std::string name = "caf\xe9-\xff.txt";
    writeFile(tree / name, 3, 1700000000);
    EXPECT_EQ(originKeys(tree.path()), std::vector<std::string>{"/" + name});
}

// Regression: links to folders were walked, so rows ran through them and
// deleting or copying them reached outside the tree.
TEST(OriginWalk, LinksAreRowsOfTheirOwnAndNeverFollowed)
{
    TempDir tree, outside;
    makeTree(tree.path(), {{"a/f.txt"}});
    makeTree(outside.path(), {{"g.txt"}, {"sub/h.txt"}});
    ASSERT_EQ(symlink(tree.path().c_str(), (tree / "a/back-to-root").c_str()), 0);
    ASSERT_EQ(symlink("..", (tree / "a/up").c_str()), 0);
    ASSERT_EQ(symlink(outside.path().c_str(), (tree / "ext").c_str()), 0);
    ASSERT_EQ(symlink("missing", (tree / "dangling").c_str()), 0);
    ASSERT_EQ(symlink((outside / "g.txt").c_str(), (tree / "to-file").c_str()), 0);
    TempDir empty;
    ScanResult result;
    scanTrees(result, tree.path(), empty.path());
    EXPECT_EQ(sorted(result.keys(0)),
              (std::vector<std::string>{"/a/back-to-root", "/a/f.txt", "/a/up", "/dangling", "/ext", "/to-file"}));
    for (size_t pos = 0; pos < result.lists[0].count(); ++pos)
        if (result.lists[0].row(pos).name == "dangling")
            EXPECT_EQ(result.lists[0].row(pos).size, 7) << "a link's own size: the length of its text";
}

TEST(OriginWalk, PipesSocketsAndDevicesAreLeftOut)
{
    TempDir tree;
    makeTree(tree.path(), {{"plain.txt", 3}});
    ASSERT_EQ(mkfifo((tree / "pipe").c_str(), 0644), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = tree / "socket";
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    mknod((tree / "zero").c_str(), S_IFCHR | 0644, makedev(1, 5)); // where we may
    EXPECT_EQ(originKeys(tree.path()), std::vector<std::string>{"/plain.txt"});
    close(sock);
}

TEST(OriginWalk, UnreadableFolderIsLeftOutWithoutEndingTheScan)
{
    TempDir tree;
    makeTree(tree.path(), {{"open/a.txt"}, {"closed/b.txt"}});
    chmod((tree / "closed").c_str(), 0);
    chmod(tree.path().c_str(), 0755);
    if (permissionsApply()) {
        EXPECT_EQ(originKeys(tree.path()), std::vector<std::string>{"/open/a.txt"});
        return;
    }
    // Root reads every folder: walk as the user nobody in a child process.
    chmod((tree / "open").c_str(), 0755);
    chmod((tree / "open/a.txt").c_str(), 0644);
    const NobodyRun run = runAsNobody([&] {
        std::vector<std::string> keys;
        bool cancel = false;
        walkTree(WalkConfig{tree.path(), tree.path().size(), {}}, {}, [&] { return cancel; }, [&](const WalkedFile &f) {
            keys.push_back(std::string(f.folder) + std::string(f.name));
        });
        return keys == std::vector<std::string>{"/open/a.txt"} ? 0 : 1;
    });
    TANDARA_SKIP_UNLESS_OK(run);
    EXPECT_EQ(run.result, 0);
}

TEST(OriginWalk, CancelStopsAtTheNextSubfolderBoundary)
{
    // Forty sibling folders, each with one file, and a deep chain inside
    // the first one read: once the flag is set after a subfolder, no other
    // folder is read and no further file listed, while each level still
    // yields on the way up.
    TempDir tree;
    for (int i = 0; i < 40; ++i)
        writeFile(tree / ("d" + std::to_string(i) + "/x/f.txt"), 1, 1700000000);
    bool cancel = false;
    int boundaries = 0;
    int foldersShown = 0;
    int files = 0;
    WalkHooks hooks;
    hooks.showFolder = [&](std::string_view) { ++foldersShown; };
    hooks.afterSubfolder = [&] {
        if (++boundaries == 3)
            cancel = true;
    };
    walkTree(WalkConfig{tree.path(), tree.path().size(), {}}, hooks, [&] { return cancel; }, [&](const WalkedFile &) { ++files; });
    // root, d?, d?/x, d?, d?/x: the flag set after the second d? stops it.
    EXPECT_EQ(foldersShown, 5);
    EXPECT_EQ(boundaries, 4) << "the inner boundary, then the outer one";
    EXPECT_EQ(files, 2);
}

TEST(ScanCommand, CancelDuringTheOriginWalkLeavesEmptyListsAndZeroTotals)
{
    TempDir origin, dest;
    makeTree(origin.path(), {{"a/1.txt", 10}, {"b/2.txt", 20}, {"3.txt", 30}});
    makeTree(dest.path(), {{"4.txt", 40}});
    ScanResult result;
    WalkHooks hooks;
    hooks.afterSubfolder = [&] { result.state.bAnnulla = true; };
    scanTrees(result, origin.path(), dest.path(), hooks);
    EXPECT_FALSE(result.completed);
    for (int k = 0; k < kListCount; ++k) {
        EXPECT_EQ(result.lists[k].count(), 0u) << "list " << k;
        EXPECT_EQ(result.state.dTotaleLv[k], 0.0) << "list " << k;
    }
}

TEST(ScanCommand, StatusHookSeesEveryFolderWithAFinalSeparator)
{
    TempDir origin, dest;
    makeTree(origin.path(), {{"a/b/1.txt"}});
    std::vector<std::string> shown;
    WalkHooks hooks;
    hooks.showFolder = [&](std::string_view f) { shown.emplace_back(f); };
    ScanResult result;
    scanTrees(result, origin.path(), dest.path(), hooks);
    EXPECT_EQ(shown, (std::vector<std::string>{origin.path() + "/", origin.path() + "/a/",
                                               origin.path() + "/a/b/", dest.path() + "/"}));
}

} // namespace
} // namespace tandara::test

#include "engine/readahead.h"

namespace tandara::test {
namespace {

// The calls a scan's walks make, as text, for both trees, up to a cancel
// after `cancelAt` subfolders (0: never), with the folders read ahead by
// `threads` readers (0: each walk reads its own folders).
std::vector<std::string> trace(const std::string &origin, const std::string &dest, int cancelAt, int threads)
{
    std::vector<std::string> calls;
    int boundaries = 0;
    WalkHooks hooks;
    hooks.showFolder = [&](std::string_view f) { calls.push_back("folder " + std::string(f)); };
    hooks.afterSubfolder = [&] {
        ++boundaries;
        calls.push_back("done");
    };
    hooks.folderFailed = [&](std::string_view f, int error) {
        calls.push_back("failed " + std::string(f) + " " + std::to_string(error));
    };
    const auto cancelled = [&] { return cancelAt > 0 && boundaries >= cancelAt; };
    const auto onFile = [&](const WalkedFile &f) {
        calls.push_back("file " + std::string(f.folder) + std::string(f.name) + " " + std::to_string(f.size)
                        + " " + std::to_string(f.mtime));
    };
    const std::vector<WalkConfig> configs{{origin, origin.size(), {}}, {dest, dest.size(), {}}};
    ReadAhead reads(configs, ReadAheadOptions{threads, 64});
    for (int tree = 0; tree < 2; ++tree) {
        replayTree(reads, tree, configs[size_t(tree)], hooks, cancelled, onFile);
        calls.push_back("end of tree");
    }
    return calls;
}

void makeBushyTree(const std::string &root, int folders)
{
    std::vector<Entry> entries;
    for (int folder = 0; folder < folders; ++folder)
        for (int file = 0; file < 20; ++file)
            entries.push_back({"f" + std::to_string(folder % 10) + "/g" + std::to_string(folder) + "/n" + std::to_string(file),
                               file, 1700000000 + folder});
    entries.push_back({"top.txt", 3});
    makeTree(root, entries);
}

TEST(ReadAhead, WalksReplayTheDirectWalksCallForCallForBothTrees)
{
    TempDir origin, dest;
    makeBushyTree(origin.path(), 250);
    makeBushyTree(dest.path(), 120);
    ASSERT_EQ(symlink("g3", (dest / "f3/link").c_str()), 0);
    // The budget of 64 entries makes the readers wait for the walk.
    const std::vector<std::string> direct = trace(origin.path(), dest.path(), 0, 0);
    EXPECT_GT(direct.size(), 7000u);
    EXPECT_EQ(trace(origin.path(), dest.path(), 0, 16), direct);
    EXPECT_EQ(trace(origin.path(), dest.path(), 7, 16), trace(origin.path(), dest.path(), 7, 0));
    EXPECT_EQ(trace(origin.path(), dest.path(), 300, 3), trace(origin.path(), dest.path(), 300, 0));
}

TEST(ReadAhead, FailuresAreReplayedInTheirPlace)
{
    TempDir origin, dest;
    makeTree(origin.path(), {{"a/1"}, {"locked/in/2"}, {"z/3"}});
    makeTree(dest.path(), {{"b/4"}});
    chmod((origin / "locked/in").c_str(), 0);
    for (const std::string &path : {origin.path(), dest.path(), origin / "locked"})
        chmod(path.c_str(), 0755);
    const NobodyRun run = runAsNobody([&] {
        const std::vector<std::string> direct = trace(origin.path(), dest.path(), 0, 0);
        const bool failed = std::count(direct.begin(), direct.end(), "failed /locked/in/ 13") == 1;
        return failed && trace(origin.path(), dest.path(), 0, 16) == direct ? 0 : 1;
    });
    TANDARA_SKIP_UNLESS_OK(run);
    EXPECT_EQ(run.result, 0);
}

TEST(ReadAhead, DroppedBeforeItsWalksStopsItsReaders)
{
    TempDir tree;
    makeTree(tree.path(), {{"a/b/c/d"}});
    { ReadAhead unused({{tree.path(), tree.path().size(), {}}}, ReadAheadOptions{}); }
    SUCCEED();
}

} // namespace
} // namespace tandara::test

namespace tandara::test {
namespace {

// Regression: a tree deeper than the default limit of open files (one open
// folder per level and walk) lost everything below that depth.
TEST(ScanCommand, TreeDeeperThanTheOpenFileLimitIsReadToTheBottom)
{
    TempDir origin, dest;
    std::string deep;
    for (int level = 0; level < 1100; ++level) { // 2,200 bytes: within PATH_MAX
        deep += "d/";
        ASSERT_EQ(mkdir((origin / deep).c_str(), 0755), 0);
        ASSERT_EQ(mkdir((dest / deep).c_str(), 0755), 0);
    }
    writeFile(origin / (deep + "bottom.txt"), 1, 1700000000);
    writeFile(dest / (deep + "other.txt"), 1, 1700000000);
    ScanResult result;
    scanTrees(result, origin.path(), dest.path());
    EXPECT_EQ(result.keys(0), std::vector<std::string>{"/" + deep + "bottom.txt"});
    EXPECT_EQ(result.keys(1), std::vector<std::string>{"/" + deep + "other.txt"});
}

} // namespace
} // namespace tandara::test
