// tandara-sync onto the destinations users have: a FAT stick (through FUSE
// and through the kernel), an NTFS disk and btrfs, then a scan of the same
// pair, which must find nothing left; and back again from there.

#include "support/mounts.h"
#include "sync_fixture.h"

#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tandara::test {
namespace {

const int64_t T = 1700000001; // odd, as FAT cannot keep it

struct SyncRun {
    int status = -1;
    std::string output;
};

SyncRun runSync(const std::string &origin, const std::string &dest)
{
    SyncRun run;
    const std::string command = std::string(TANDARA_SYNC) + " '" + origin + "' '" + dest + "' 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

void makeSparse(const std::string &path, int64_t size)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, size), 0);
    ASSERT_EQ(pwrite(fd, "data", 4, size / 2), 4);
    close(fd);
    setTime(path, T + 8);
}

void expectNothingLeft(const std::string &origin, const std::string &dest, const char *what)
{
    SyncTrees t(origin, dest);
    t.scan();
    for (int k = 0; k < kListCount; ++k)
        EXPECT_EQ(t.rows(k), 0u) << what << ", list " << k;
}

class OntoRealFileSystems : public ::testing::TestWithParam<FileSystem> {};

TEST_P(OntoRealFileSystems, EveryFileIsCopiedAndAScanFindsNothingLeft)
{
    ScopedMount volume(GetParam());
    TANDARA_SKIP_UNLESS_OK(volume);
    TempDir local;
    const std::string origin = local.folder("origin");
    makeTree(origin, {{"a.txt", 10, T}, {"Foto/2003/img.jpg", 3 << 20, T + 2}, {"Foto/empty.txt", 0, T + 4},
                      {"private/p.txt", 5, T + 6}});
    chmod((origin + "/private").c_str(), 0700);
    makeSparse(origin + "/sparse.bin", 16 << 20);
    const std::string onVolume = volume / "copy";
    ASSERT_EQ(mkdir(onVolume.c_str(), 0755), 0);

    SyncRun run = runSync(origin, onVolume);
    EXPECT_EQ(run.status, 0) << run.output;
    for (int k = 0; k < kListCount; ++k)
        EXPECT_NE(run.output.find("list " + std::to_string(k) + ": 0 rows"), std::string::npos) << run.output;
    expectNothingLeft(origin, onVolume, "after the first copy");
    EXPECT_TRUE(readFile(onVolume + "/Foto/2003/img.jpg") == readFile(origin + "/Foto/2003/img.jpg"));

    // A modified file replaces its old copy there.
    writeFile(origin + "/a.txt", 20, T + 10);
    run = runSync(origin, onVolume);
    EXPECT_EQ(run.status, 0) << run.output;
    expectNothingLeft(origin, onVolume, "after replacing a file");
    EXPECT_EQ(readFile(onVolume + "/a.txt"), std::string(20, 'x'));

    // And back, reading from that file system.
    const std::string back = local.folder("back");
    run = runSync(onVolume, back);
    EXPECT_EQ(run.status, 0) << run.output;
    expectNothingLeft(onVolume, back, "after copying back");
}

INSTANTIATE_TEST_SUITE_P(Kinds, OntoRealFileSystems,
                         ::testing::Values(FileSystem::FatFuse, FileSystem::FatKernel, FileSystem::Ntfs,
                                           FileSystem::Btrfs),
                         [](const auto &info) {
                             switch (info.param) {
                             case FileSystem::FatFuse: return "FatFuse";
                             case FileSystem::FatKernel: return "FatKernel";
                             case FileSystem::Ntfs: return "Ntfs";
                             case FileSystem::Btrfs: return "Btrfs";
                             case FileSystem::Tmpfs: break;
                             }
                             return "Tmpfs";
                         });

} // namespace
} // namespace tandara::test
