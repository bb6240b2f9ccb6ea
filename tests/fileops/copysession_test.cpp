// A copy command's folders: made after the source's permission bits, and
// given the source's times once the command is over.

#include "fileops/copysession.h"
#include "support/nobody.h"
#include "sync_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tandara::test {
namespace {

const int64_t T = 1600000000;

struct stat statOf(const std::string &path)
{
    struct stat st {};
    lstat(path.c_str(), &st);
    return st;
}

// Sets umask for the life of the object.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : old_(umask(mask)) {}
    ~ScopedUmask() { umask(old_); }

private:
    mode_t old_;
};

// Regression: folders made by a copy got 0777 minus the umask, so a
// private folder became readable by every user, and kept the time of
// their making, so a tree synced in full still differed in folder times.
TEST(CopySession, FoldersTakeTheSourcesBitsOwnerAndTimes)
{
    const ScopedUmask umask022(022);
    SyncTrees t;
    makeTree(t.origin, {{"private/deep/a.txt", 1, T}, {"open/b.txt", 2, T}, {"old/new.txt", 3, T},
                        {"untouched/same.txt", 4, T}});
    makeTree(t.dest, {{"old/kept.txt", 5, T}, {"untouched/same.txt", 4, T}});
    chmod((t.origin + "/private").c_str(), 0700);
    chmod((t.origin + "/private/deep").c_str(), 0750);
    chmod((t.origin + "/open").c_str(), 0777);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown((t.origin + "/private/deep").c_str(), 65534, 65534), 0);
    }
    const std::vector<std::pair<std::string, int64_t>> times{
        {"", T + 10}, {"/private", T + 11}, {"/private/deep", T + 12}, {"/open", T + 13}, {"/old", T + 14}};
    for (const auto &[folder, time] : times)
        setTime(t.origin + folder, time);
    setTime(t.dest + "/untouched", T + 99);
    t.scan();
    ASSERT_EQ(t.rows(0), 3u);

    for (int row = 2; row >= 0; --row)
        ASSERT_EQ(t.copy(0, row), 0);
    EXPECT_EQ(statOf(t.dest + "/private").st_mode & 07777, 0700u) << "already while the command runs";
    t.session.finish();

    EXPECT_EQ(statOf(t.dest + "/private").st_mode & 07777, 0700u);
    EXPECT_EQ(statOf(t.dest + "/private/deep").st_mode & 07777, 0750u);
    EXPECT_EQ(statOf(t.dest + "/open").st_mode & 07777, 0777u) << "the umask does not cut the source's bits";
    if (root) {
        EXPECT_EQ(statOf(t.dest + "/private/deep").st_uid, 65534u);
    }
    // Every folder written into, made or not, takes the source's time; the
    // root received new folders. A folder left alone keeps its own.
    for (const auto &[folder, time] : times)
        EXPECT_EQ(statOf(t.dest + folder).st_mtim.tv_sec, time) << "folder '" << folder << "'";
    EXPECT_EQ(statOf(t.dest + "/untouched").st_mtim.tv_sec, T + 99);
}

// A destination root removed when it became empty is made again, after
// the origin's root.
TEST(CopySession, AMissingDestinationRootIsMadeAfterTheOrigin)
{
    TempDir base;
    const std::string origin = base.folder("origin"), dest = base / "gone/dest";
    writeFile(origin + "/a.txt", 3, T);
    chmod(origin.c_str(), 0750);
    setTime(origin, T + 5);
    const TreeFile source{origin, "/", "a.txt"}, target{dest, "/", "a.txt"};
    CopySession session;
    const OpenFolders folders = session.enterFolder(source, target);
    fs::CopyControl control;
    control.sourceFolder = folders.source;
    control.targetFolder = folders.target;
    ASSERT_FALSE(fs::copyFile(source, target, control));
    session.finish();
    EXPECT_EQ(readFile(dest + "/a.txt"), "xxx");
    EXPECT_EQ(statOf(dest).st_mode & 07777, 0750u);
    EXPECT_EQ(statOf(dest).st_mtim.tv_sec, T + 5);
}

// Without root, a folder made after a read-only source folder stays open
// to its owner until the command's files are in it.
TEST(CopySession, AReadOnlySourceFolderIsFilledFirstWithoutRoot)
{
    TempDir base;
    chmod(base.path().c_str(), 0777);
    const NobodyRun run = runAsNobody([&] {
        const std::string origin = base.folder("origin"), dest = base.folder("dest");
        writeFile(origin + "/ro/a.txt", 7, T);
        chmod((origin + "/ro").c_str(), 0555);
        const TreeFile source{origin, "/ro/", "a.txt"}, target{dest, "/ro/", "a.txt"};
        CopySession session;
        session.enterFolder(source, target);
        if (const fs::FsError error = fs::copyFile(source, target))
            return error.code;
        session.finish();
        return statOf(dest + "/ro/a.txt").st_size == 7 ? int(statOf(dest + "/ro").st_mode & 07777) : -1;
    });
    TANDARA_SKIP_UNLESS_OK(run);
    EXPECT_EQ(run.result, 0555);
}

} // namespace
} // namespace tandara::test
