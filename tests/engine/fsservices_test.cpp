// File-system services on real files: copy and delete of one file or link,
// always reached from its root without following a link on the way.

#include "engine/fsservices.h"
#include "engine/scanstate.h"
#include "support/nobody.h"
#include "support/temptree.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>

namespace tandara::test {
namespace {

namespace fsys = std::filesystem;

TreeFile at(const TempDir &dir, const std::string &name, const std::string &folder = "/")
{
    return TreeFile{dir.path(), folder, name};
}

std::vector<std::string> namesIn(const std::string &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fsys::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Paths, ParentFolderNameAndRoots)
{
    EXPECT_EQ(fs::parentFolderName("/a/b/c"), "/a/b");
    EXPECT_EQ(fs::parentFolderName("/a/b/c/"), "/a/b");
    EXPECT_EQ(fs::parentFolderName("/a"), "/");
    EXPECT_EQ(fs::parentFolderName("/"), "");
    EXPECT_EQ(normalizeRoot("/data/"), "/data");
    EXPECT_EQ(normalizeRoot("/"), "/");
    EXPECT_EQ(normalizeRoot("//"), "/");
    // The file-system root joins without doubling the separator, so its
    // keys line up with an ordinary folder's.
    EXPECT_EQ(fullPath("/", "/Foto/", "a.jpg"), "/Foto/a.jpg");
    EXPECT_EQ(fullPath("/data", "/Foto/", "a.jpg"), "/data/Foto/a.jpg");
}

TEST(CopyFile, CarriesContentsTimeAndPermissionsOverAnOldTarget)
{
    TempDir dir;
    writeFile(dir / "src", 10000, 1600000000);
    chmod((dir / "src").c_str(), 0640);
    writeFile(dir / "dst", 3, 1500000000);
    ASSERT_FALSE(fs::copyFile(at(dir, "src"), at(dir, "dst")));
    struct stat st;
    ASSERT_EQ(stat((dir / "dst").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 10000);
    EXPECT_EQ(st.st_mtim.tv_sec, 1600000000);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readFile(dir / "dst"), readFile(dir / "src"));
}

TEST(CopyFile, ReadOnlyTargetIsRefusedAndKeptUnlessReplacingIsAllowed)
{
    TempDir dir;
    writeFile(dir / "src", 10, 1600000000);
    writeFile(dir / "dst", 3, 1500000000);
    chmod((dir / "dst").c_str(), 0444);
    const fs::FsError error = fs::copyFile(at(dir, "src"), at(dir, "dst"));
    EXPECT_EQ(error.code, EACCES);
    EXPECT_FALSE(error.description.empty());
    EXPECT_EQ(readFile(dir / "dst"), "xxx");
    fs::CopyControl replace;
    replace.replaceReadOnly = true;
    EXPECT_FALSE(fs::copyFile(at(dir, "src"), at(dir, "dst"), replace));
    EXPECT_EQ(readFile(dir / "dst"), std::string(10, 'x'));
}

TEST(CopyFile, MissingSourceLeavesTargetAndNoTemporaryFile)
{
    TempDir dir;
    writeFile(dir / "dst", 3, 1500000000);
    EXPECT_EQ(fs::copyFile(at(dir, "gone"), at(dir, "dst")).code, ENOENT);
    EXPECT_EQ(readFile(dir / "dst"), "xxx");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"dst"});
}

TEST(CopyFile, ALinkIsCopiedAsALinkWithItsOwnTime)
{
    TempDir dir, outside;
    writeFile(outside / "target.txt", 5, 1500000000);
    const std::string folder = dir.folder("o");
    ASSERT_EQ(symlink((outside / "target.txt").c_str(), (dir / "o/to-file").c_str()), 0);
    ASSERT_EQ(symlink("../nowhere", (dir / "o/dangling").c_str()), 0);
    setTime(dir / "o/to-file", 1600000042);
    writeFile(dir / "d/to-file", 9, 1400000000); // a plain file the link replaces
    for (const char *name : {"to-file", "dangling"}) {
        ASSERT_FALSE(fs::copyFile(at(dir, name, "/o/"), at(dir, name, "/d/"))) << name;
        struct stat st;
        ASSERT_EQ(lstat((dir / (std::string("d/") + name)).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode)) << name;
        EXPECT_EQ(fsys::read_symlink(dir / (std::string("d/") + name)),
                  fsys::read_symlink(dir / (std::string("o/") + name)));
    }
    struct stat st;
    ASSERT_EQ(lstat((dir / "d/to-file").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1600000042);
    EXPECT_EQ(readFile(outside / "target.txt"), "xxxxx") << "what the link points to is untouched";
    EXPECT_EQ(namesIn(dir / "d"), (std::vector<std::string>{"dangling", "to-file"}));
}

// Regression: a named pipe hung the copy for ever in open(), and a device
// node was read until the disk was full.
TEST(CopyFile, PipesAndDevicesAreRefusedAtOnce)
{
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0644), 0);
    std::vector<std::string> names{"pipe"};
    if (mknod((dir / "zero").c_str(), S_IFCHR | 0644, makedev(1, 5)) == 0)
        names.push_back("zero");
    if (mknod((dir / "disk").c_str(), S_IFBLK | 0644, makedev(7, 0)) == 0)
        names.push_back("disk");
    for (const std::string &name : names) {
        const fs::FsError error = fs::copyFile(at(dir, name), at(dir, name + ".copy"));
        EXPECT_EQ(error.cause, fs::FsCause::NotRegular) << name;
    }
    if (names.size() < 3)
        GTEST_SKIP() << "pipe checked; device nodes need the right to make them";
}

TEST(CopyFile, StopFlagEndsTheCopyAndKeepsTheOldTarget)
{
    TempDir dir;
    writeFile(dir / "big", 64 << 20, 1600000000);
    writeFile(dir / "dst", 3, 1500000000);
    std::atomic<bool> stop{true};
    fs::CopyControl control;
    control.stop = &stop;
    EXPECT_EQ(fs::copyFile(at(dir, "big"), at(dir, "dst"), control).cause, fs::FsCause::Cancelled);
    EXPECT_EQ(readFile(dir / "dst"), "xxx");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"big", "dst"}));
}

// Regression: a folder of the destination swapped for a link after the
// scan let a copy overwrite, and a delete remove, files outside the tree.
TEST(TreeOperations, AFolderOnTheWayThatIsALinkIsNeverFollowed)
{
    TempDir tree, outside;
    writeFile(outside / "f", 4, 1500000000);
    writeFile(tree / "src", 9, 1600000000);
    tree.folder("real");
    ASSERT_EQ(symlink(outside.path().c_str(), (tree / "w").c_str()), 0);
    ASSERT_EQ(symlink(outside.path().c_str(), (tree / "real/deeper").c_str()), 0);
    for (const std::string folder : {"/w/", "/real/deeper/"}) {
        EXPECT_EQ(fs::copyFile(at(tree, "src"), at(tree, "f", folder)).cause, fs::FsCause::LinkOnPath) << folder;
        EXPECT_EQ(fs::deleteFile(at(tree, "f", folder)).cause, fs::FsCause::LinkOnPath) << folder;
    }
    EXPECT_EQ(readFile(outside / "f"), "xxxx");
    EXPECT_EQ(namesIn(outside.path()), std::vector<std::string>{"f"});
}

TEST(DeleteFile, ReadOnlyFilesGoAndLinksGoAsLinks)
{
    TempDir tree, outside;
    writeFile(outside / "kept", 1, 1500000000);
    writeFile(tree / "ro", 1, 1500000000);
    chmod((tree / "ro").c_str(), 0444);
    ASSERT_EQ(symlink((outside / "kept").c_str(), (tree / "link").c_str()), 0);
    EXPECT_FALSE(fs::deleteFile(at(tree, "ro")));
    EXPECT_FALSE(fs::deleteFile(at(tree, "link")));
    EXPECT_TRUE(namesIn(tree.path()).empty());
    EXPECT_TRUE(fsys::exists(outside / "kept"));
    EXPECT_EQ(fs::deleteFile(at(tree, "gone")).code, ENOENT);
}

// Regression: a delete that failed after clearing the read-only mark left
// the file without it.
TEST(DeleteFile, AFailedDeletePutsTheReadOnlyMarkBack)
{
    TempDir tree;
    writeFile(tree / "ro", 1, 1500000000);
    chmod((tree / "ro").c_str(), 0444);
    // nobody owns the file, so may clear its mark, but cannot write the
    // folder, so cannot remove it.
    chmod(tree.path().c_str(), 0755);
    if (chown((tree / "ro").c_str(), 65534, 65534) != 0)
        GTEST_SKIP() << "giving the file to nobody needs root: " << strerror(errno);
    const NobodyRun run = runAsNobody([&] { return fs::deleteFile(at(tree, "ro")).code; });
    TANDARA_SKIP_UNLESS_OK(run);
    EXPECT_EQ(run.result, EACCES);
    struct stat st;
    ASSERT_EQ(stat((tree / "ro").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST(FolderServices, FreeSpaceClimbsToAnExistingFolder)
{
    TempDir dir;
    EXPECT_TRUE(fs::folderExists(dir.path()));
    EXPECT_FALSE(fs::folderExists(dir / "not"));
    EXPECT_TRUE(fs::freeSpace(dir / "not/yet/there").has_value());
}

} // namespace
} // namespace tandara::test

#include "engine/beneath.h"

namespace tandara::test {
namespace {

// The kernel's one-call resolution and the level-by-level one that stands
// in where it is missing give the same answers.
TEST(Beneath, BothWaysRefuseLinksAndClimbingAndFindRealFolders)
{
    TempDir tree, outside;
    tree.folder("a/b/c");
    ASSERT_EQ(symlink(outside.path().c_str(), (tree / "a/link").c_str()), 0);
    fs::Fd root;
    ASSERT_FALSE(fs::openRoot(tree.path(), root));
    struct Case {
        const char *relative;
        int code;
        fs::FsCause cause;
    };
    const Case cases[] = {
        {"/a/b/c/", 0, fs::FsCause::System},
        {"", 0, fs::FsCause::System},
        {"/a/link/", ELOOP, fs::FsCause::LinkOnPath},
        {"/a/link/deeper/", ELOOP, fs::FsCause::LinkOnPath},
        {"/a/../../", EXDEV, fs::FsCause::System},
        {"/a/missing/", ENOENT, fs::FsCause::System},
    };
    for (const Case &c : cases) {
        fs::Fd one, levels;
        const fs::FsError byKernel = fs::openBeneath(root.get(), c.relative, one);
        const fs::FsError byLevels = fs::openBeneathByLevels(root.get(), c.relative, levels);
        EXPECT_EQ(byKernel.code, c.code) << c.relative;
        EXPECT_EQ(byLevels.code, c.code) << c.relative;
        EXPECT_EQ(byKernel.cause, c.cause) << c.relative;
        EXPECT_EQ(byLevels.cause, c.cause) << c.relative;
    }
    fs::Fd made;
    EXPECT_EQ(fs::makeBeneath(root.get(), "/a/link/new/", [](int, std::string_view) {}, made).cause,
              fs::FsCause::LinkOnPath);
    EXPECT_FALSE(std::filesystem::exists(outside / "new"));
}

} // namespace
} // namespace tandara::test
