// The contents of a copy: a source that changes while it is copied, holes
// of sparse files, and extents shared where the file system can.

#include "engine/fsservices.h"
#include "support/mounts.h"
#include "support/temptree.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tandara::test {
namespace {

namespace fsys = std::filesystem;

constexpr int64_t MiB = 1 << 20;

TreeFile at(const std::string &folder, const std::string &name)
{
    return TreeFile{folder, "/", name};
}

void writeAt(const std::string &path, int64_t offset, const std::string &text)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(pwrite(fd, text.data(), text.size(), offset), ssize_t(text.size()));
    close(fd);
}

struct Change {
    const char *what;
    std::function<void(const std::string &source)> onFirstBlock; // or every block, see `everyBlock`
    bool everyBlock = false;
};

// Regression: a file rewritten at its head and tail while it was copied
// came out with the old head and the new tail, was reported as copied and
// carried the source's time, so later scans called the two identical.
TEST(CopyFile, ASourceThatChangesWhileCopiedFailsAndLeavesTheOldTarget)
{
    const std::vector<Change> changes{
        {"head and tail rewritten",
         [](const std::string &source) {
             writeAt(source, 0, "yyyy");
             writeAt(source, 24 * MiB - 4, "yyyy");
         }},
        {"rewritten and its time put back, which only the change time shows",
         [](const std::string &source) {
             writeAt(source, 0, "yyyy");
             setTime(source, 1600000000);
         }},
        {"growing without end, which is not chased",
         [](const std::string &source) {
             const int fd = open(source.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
             ASSERT_EQ(write(fd, std::string(MiB, 'z').data(), MiB), MiB);
             close(fd);
         },
         true},
    };
    for (const Change &change : changes) {
        TempDir dir;
        writeFile(dir / "src", 24 * MiB, 1600000000);
        writeFile(dir / "dst", 3, 1500000000);
        // Past the tick of the clock that stamps change times, so that a
        // change during the copy gets a later one.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        int blocks = 0;
        fs::CopyControl control;
        control.afterBlock = [&](int64_t) {
            if (blocks++ == 0 || change.everyBlock)
                change.onFirstBlock(dir / "src");
        };
        EXPECT_EQ(fs::copyFile(at(dir.path(), "src"), at(dir.path(), "dst"), control).cause,
                  fs::FsCause::Changed)
            << change.what;
        EXPECT_EQ(readFile(dir / "dst"), "xxx") << change.what;
        EXPECT_EQ(fsys::file_size(dir / "src") > uint64_t(24 * MiB), change.everyBlock) << change.what;
        EXPECT_LE(blocks, 24) << change.what;
        EXPECT_EQ(std::distance(fsys::directory_iterator(dir.path()), fsys::directory_iterator()), 2)
            << "no temporary file is left: " << change.what;
    }
}

// The data ranges of a file, as SEEK_DATA and SEEK_HOLE give them.
std::vector<std::pair<off_t, off_t>> dataRanges(const std::string &path)
{
    std::vector<std::pair<off_t, off_t>> ranges;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    for (off_t data = 0; (data = lseek(fd, data, SEEK_DATA)) >= 0;) {
        const off_t hole = lseek(fd, data, SEEK_HOLE);
        ranges.emplace_back(data, hole);
        data = hole;
    }
    close(fd);
    return ranges;
}

std::string bytesAt(const std::string &path, off_t offset, size_t length)
{
    std::string text(length, '\0');
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    text.resize(size_t(std::max<ssize_t>(pread(fd, text.data(), length, offset), 0)));
    close(fd);
    return text;
}

// Regression: a 5 GiB sparse file of 8 KiB on disk was copied as 5 GiB of
// zeros.
TEST(CopyFile, HolesOfASparseFileStayHoles)
{
    TempDir dir;
    const int64_t size = int64_t(1) << 30;
    const int fd = open((dir / "sparse").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, size), 0);
    close(fd);
    writeAt(dir / "sparse", 0, "head");
    writeAt(dir / "sparse", size / 2, "middle");
    setTime(dir / "sparse", 1600000000);

    ASSERT_FALSE(fs::copyFile(at(dir.path(), "sparse"), at(dir.path(), "copy")));
    struct stat st;
    ASSERT_EQ(stat((dir / "copy").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, size) << "the hole at the end counts in the size";
    EXPECT_LE(st.st_blocks * 512, 1 * MiB);
    EXPECT_EQ(dataRanges(dir / "copy"), dataRanges(dir / "sparse"));
    for (const auto &[data, hole] : dataRanges(dir / "sparse"))
        EXPECT_EQ(bytesAt(dir / "copy", data, size_t(hole - data)), bytesAt(dir / "sparse", data, size_t(hole - data)));
    EXPECT_EQ(bytesAt(dir / "copy", size / 2, 6), "middle");
}

// True when every extent of the file is shared with another file.
bool allExtentsShared(const std::string &path)
{
    constexpr unsigned kExtents = 64;
    std::vector<char> buffer(sizeof(fiemap) + kExtents * sizeof(fiemap_extent));
    auto *map = reinterpret_cast<fiemap *>(buffer.data());
    map->fm_length = FIEMAP_MAX_OFFSET;
    map->fm_flags = FIEMAP_FLAG_SYNC;
    map->fm_extent_count = kExtents;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool mapped = ioctl(fd, FS_IOC_FIEMAP, map) == 0;
    close(fd);
    if (!mapped || map->fm_mapped_extents == 0)
        return false;
    for (unsigned i = 0; i < map->fm_mapped_extents; ++i)
        if (!(map->fm_extents[i].fe_flags & FIEMAP_EXTENT_SHARED))
            return false;
    return true;
}

TEST(CopyFile, SharesExtentsOnAFileSystemThatCan)
{
    ScopedMount btrfs(FileSystem::Btrfs);
    TANDARA_SKIP_UNLESS_OK(btrfs);
    writeFile(btrfs / "big", 32 * MiB, 1600000000);
    ASSERT_FALSE(fs::copyFile(at(btrfs.path(), "big"), at(btrfs.path(), "copy")));
    EXPECT_TRUE(allExtentsShared(btrfs / "copy"));
    EXPECT_EQ(readFile(btrfs / "copy"), readFile(btrfs / "big"));
}

} // namespace
} // namespace tandara::test
