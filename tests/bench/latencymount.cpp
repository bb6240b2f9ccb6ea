#include "latencymount.h"

#include "support/temptree.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <csignal>
#include <sys/mount.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tandara::test {

namespace {

constexpr long kFuseMagic = 0x65735546;

// Polls test every 10 ms for up to 5 s.
template <typename Test>
bool waitFor(Test test)
{
    for (int tries = 0; tries < 500; ++tries) {
        if (test())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace

LatencyMount::LatencyMount(std::string backing, std::string mountPoint, std::string statsFile,
                           std::vector<std::string> options)
    : mountPoint_(std::move(mountPoint)), statsFile_(std::move(statsFile))
{
    if (access("/dev/fuse", R_OK | W_OK) != 0) {
        failure_ = "/dev/fuse is not available";
        return;
    }
    std::vector<std::string> words{TANDARA_LATENCYFS, backing, mountPoint_, "--foreground", "--stats", statsFile_};
    words.insert(words.end(), options.begin(), options.end());
    child_ = fork();
    if (child_ == 0) {
        std::vector<char *> argv;
        for (std::string &word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    bool ended = false;
    waitFor([&] {
        int status = 0;
        ended = waitpid(child_, &status, WNOHANG) == child_;
        return ended || mounted();
    });
    if (ended)
        child_ = -1;
    if (ended || !mounted()) {
        failure_ = "tandara-latencyfs could not mount (is mounting allowed here?)";
        stop();
    }
}

LatencyMount::~LatencyMount()
{
    stop();
}

bool LatencyMount::mounted() const
{
    struct statfs figures;
    return statfs(mountPoint_.c_str(), &figures) == 0 && figures.f_type == kFuseMagic;
}

// Also undoes a mount whose file system is gone; one that is not there is
// left alone.
void LatencyMount::unmount()
{
    if (umount2(mountPoint_.c_str(), 0) == 0 || umount2(mountPoint_.c_str(), MNT_DETACH) == 0 || errno != EPERM)
        return;
    const std::string command = "fusermount3 -u '" + mountPoint_ + "' 2>/dev/null";
    [[maybe_unused]] const int ignored = std::system(command.c_str());
}

std::string LatencyMount::stop()
{
    unmount();
    if (child_ <= 0)
        return {};
    int status = 0;
    if (!waitFor([&] { return waitpid(child_, &status, WNOHANG) == child_; })) {
        kill(child_, SIGKILL);
        waitpid(child_, &status, 0);
    }
    child_ = -1;
    return readFile(statsFile_);
}

} // namespace tandara::test
