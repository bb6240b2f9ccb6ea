// Running part of a test as the user nobody.

#include "nobody.h"
#include "temptree.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tandara::test {
namespace {

TEST(RunAsNobody, DropsUserGroupAndSupplementaryGroups)
{
    const NobodyRun run = runAsNobody([] {
        gid_t groups[8];
        const int count = getgroups(8, groups);
        return int(getuid() != 65534) | int(geteuid() != 65534) << 1 | int(getgid() != 65534) << 2
            | int(getegid() != 65534) << 3 | int(count != 0) << 4;
    });
    TANDARA_SKIP_UNLESS_OK(run);
    EXPECT_EQ(run.result, 0) << "bits: uid, euid, gid, egid, supplementary groups";
}

TEST(RunAsNobody, GivesBackTheValueOrMinusOneWhenTheFunctionThrows)
{
    TempDir dir;
    const std::string locked = dir.folder("locked");
    chmod(dir.path().c_str(), 0755);
    chmod(locked.c_str(), 0700);
    const NobodyRun refused = runAsNobody([&] { return access(locked.c_str(), R_OK) == 0 ? 0 : errno; });
    TANDARA_SKIP_UNLESS_OK(refused);
    EXPECT_EQ(refused.result, EACCES);
    EXPECT_EQ(runAsNobody([]() -> int { throw std::runtime_error("failed"); }).result, -1);
}

} // namespace
} // namespace tandara::test
