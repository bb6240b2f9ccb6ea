// Each kind of scoped mount is the file system it claims, goes away with
// the object (also when the test throws), and treats owners, modes, times
// and cloning as tests/support/README.md lists: the facts the copy code
// has to live with on each destination.

#include "mountinfo.h"
#include "mounts.h"
#include "nobody.h"

#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fsys = std::filesystem;

namespace tandara::test {
namespace {

// What a file system does, as observed on Debian 12. Errno 0: the call
// succeeded.
struct Behaviour {
    FileSystem kind;
    const char *type;               // as /proc/self/mountinfo names it
    bool readsBackThroughTheWriter; // pread on the descriptor that wrote
    mode_t newFileMode;             // a file created with mode 0644
    int chownErrno;                 // fchown to another user
    uid_t ownerAfterChown;
    int chmodErrno;                 // fchmod to 0600
    mode_t modeAfterChmod;
    int nobodyWriteErrno;           // nobody opening that file for writing
    int64_t mtimeNsAfterSet;        // after futimens to 1700000001.123456789
    int cloneErrno;                 // FICLONE of a whole file
    int copyRangeErrno;             // copy_file_range of a whole file
};

void PrintTo(const Behaviour &b, std::ostream *out)
{
    *out << nameOf(b.kind);
}

constexpr int64_t kOddTimeNs = 1700000001'123456789;
constexpr uid_t kOtherUser = 4321;

int errnoOf(int result)
{
    return result == 0 ? 0 : errno;
}

class MountKinds : public ::testing::TestWithParam<Behaviour> {};

TEST_P(MountKinds, OwnersModesTimesAndCloningBehaveAsListed)
{
    const Behaviour &expected = GetParam();
    ScopedMount m(expected.kind);
    TANDARA_SKIP_UNLESS_OK(m);
    const std::optional<MountEntry> entry = mountAt(m.path());
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->type, expected.type);

    const std::string file = m / "a.txt";
    const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << strerror(errno);
    ASSERT_EQ(write(fd, "content", 7), 7);
    char back[8] = {};
    ASSERT_EQ(pread(fd, back, 7, 0), 7);
    EXPECT_EQ(back == std::string("content"), expected.readsBackThroughTheWriter) << back;
    struct stat st {};
    ASSERT_EQ(fstat(fd, &st), 0);
    EXPECT_EQ(st.st_mode & 07777, expected.newFileMode);

    EXPECT_EQ(errnoOf(fchown(fd, kOtherUser, kOtherUser)), expected.chownErrno);
    EXPECT_EQ(errnoOf(fchmod(fd, 0600)), expected.chmodErrno);
    const struct timespec times[2] = {{kOddTimeNs / 1000000000, kOddTimeNs % 1000000000},
                                      {kOddTimeNs / 1000000000, kOddTimeNs % 1000000000}};
    EXPECT_EQ(errnoOf(futimens(fd, times)), 0);
    EXPECT_EQ(errnoOf(fsync(fd)), 0);
    EXPECT_EQ(errnoOf(syncfs(fd)), 0);
    ASSERT_EQ(fstat(fd, &st), 0);
    EXPECT_EQ(st.st_uid, expected.ownerAfterChown);
    EXPECT_EQ(st.st_mode & 07777, expected.modeAfterChmod);
    EXPECT_EQ(st.st_mtim.tv_sec * 1000000000 + st.st_mtim.tv_nsec, expected.mtimeNsAfterSet);
    close(fd);

    const int source = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    const int clone = open((m / "clone.txt").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    const int copy = open((m / "copy.txt").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(source, 0);
    ASSERT_GE(clone, 0);
    ASSERT_GE(copy, 0);
    EXPECT_EQ(errnoOf(ioctl(clone, FICLONE, source)), expected.cloneErrno);
    loff_t from = 0;
    const ssize_t copied = copy_file_range(source, &from, copy, nullptr, 7, 0);
    EXPECT_EQ(copied < 0 ? errno : 0, expected.copyRangeErrno);
    close(copy);
    close(clone);
    close(source);
    if (expected.cloneErrno == 0) {
        EXPECT_EQ(readFile(m / "clone.txt"), "content");
    }
    if (expected.copyRangeErrno == 0) {
        EXPECT_EQ(copied, 7);
        EXPECT_EQ(readFile(m / "copy.txt"), "content");
    }

    const NobodyRun asNobody = runAsNobody([&] {
        const int w = open(file.c_str(), O_WRONLY | O_CLOEXEC);
        if (w < 0)
            return errno;
        close(w);
        return 0;
    });
    TANDARA_SKIP_UNLESS_OK(asNobody);
    EXPECT_EQ(asNobody.result, expected.nobodyWriteErrno);
}

// The loop device that holds the image, when there is one ("/dev/loop3").
std::string loopDeviceOf(const std::string &mountPoint)
{
    const std::optional<MountEntry> entry = mountAt(mountPoint);
    return entry && entry->source.starts_with("/dev/loop") ? entry->source : std::string();
}

// The file a loop device reads, empty once it is detached.
std::string backingFileOf(const std::string &loopDevice)
{
    std::ifstream in("/sys/block/" + fsys::path(loopDevice).filename().string() + "/loop/backing_file");
    std::string file;
    std::getline(in, file);
    return file;
}

void expectAllGone(const std::string &mountPoint, const std::string &loopDevice)
{
    EXPECT_FALSE(mountAt(mountPoint)) << mountPoint;
    const std::string base = fsys::path(mountPoint).parent_path().string();
    EXPECT_FALSE(fsys::exists(base)) << "the image and its folder are removed";
    if (!loopDevice.empty()) {
        EXPECT_FALSE(backingFileOf(loopDevice).starts_with(base + "/")) << loopDevice << " is detached";
    }
}

TEST_P(MountKinds, GoesAwayWithTheObjectAlsoWhenTheTestThrows)
{
    std::string mountPoint, loopDevice;
    {
        ScopedMount m(GetParam().kind);
        TANDARA_SKIP_UNLESS_OK(m);
        mountPoint = m.path();
        loopDevice = loopDeviceOf(mountPoint);
        writeFile(m / "kept/a.txt", 100, 1700000000);
        EXPECT_EQ(readFile(m / "kept/a.txt"), std::string(100, 'x'));
    }
    expectAllGone(mountPoint, loopDevice);

    EXPECT_THROW(
        {
            ScopedMount m(GetParam().kind);
            mountPoint = m.path();
            loopDevice = loopDeviceOf(mountPoint);
            throw std::runtime_error("the test failed");
        },
        std::runtime_error);
    expectAllGone(mountPoint, loopDevice);
}

constexpr int64_t kOddTimeOn2Seconds = 1700000000'000000000;
constexpr int64_t kOddTimeOn100Ns = 1700000001'123456700;

INSTANTIATE_TEST_SUITE_P(
    Kinds, MountKinds,
    ::testing::Values(
        Behaviour{FileSystem::FatFuse, "fuse.fusefat", false, 0700, ENOSYS, 0, ENOSYS, 0700, 0, kOddTimeOn2Seconds,
                  EOPNOTSUPP, 0},
        // Not seen here (this kernel has no vfat): what its fat driver does.
        Behaviour{FileSystem::FatKernel, "vfat", true, 0755, EPERM, 0, 0, 0755, EACCES, kOddTimeOn2Seconds,
                  EOPNOTSUPP, 0},
        Behaviour{FileSystem::Ntfs, "fuseblk", true, 0777, 0, 0, 0, 0777, 0, kOddTimeOn100Ns, EOPNOTSUPP, 0},
        Behaviour{FileSystem::Btrfs, "btrfs", true, 0644, 0, kOtherUser, 0, 0600, EACCES, kOddTimeNs, 0, 0},
        Behaviour{FileSystem::Tmpfs, "tmpfs", true, 0644, 0, kOtherUser, 0, 0600, EACCES, kOddTimeNs, EOPNOTSUPP, 0}),
    [](const ::testing::TestParamInfo<Behaviour> &info) {
        std::string name = nameOf(info.param.kind);
        for (char &ch : name)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(TmpfsMount, TakesTheSizeAskedAndFillsUp)
{
    ScopedMount m(FileSystem::Tmpfs, 1 << 20);
    TANDARA_SKIP_UNLESS_OK(m);
    const int fd = open((m / "big").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    const std::string chunk(64 << 10, 'x');
    int error = 0;
    for (int i = 0; i < 32 && error == 0; ++i)
        if (write(fd, chunk.data(), chunk.size()) < 0)
            error = errno;
    close(fd);
    EXPECT_EQ(error, ENOSPC);
    EXPECT_EQ(fsys::file_size(m / "big"), uint64_t(1 << 20));
}

TEST(BtrfsMount, AFileLeftOpenDoesNotKeepTheMount)
{
    std::string mountPoint, loopDevice;
    int open_fd = -1;
    {
        ScopedMount m(FileSystem::Btrfs);
        TANDARA_SKIP_UNLESS_OK(m);
        mountPoint = m.path();
        loopDevice = loopDeviceOf(mountPoint);
        open_fd = open((m / "open.txt").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_GE(open_fd, 0);
    }
    EXPECT_FALSE(mountAt(mountPoint)) << "unmounted lazily at once";
    close(open_fd);
    expectAllGone(mountPoint, loopDevice);
}

} // namespace
} // namespace tandara::test
