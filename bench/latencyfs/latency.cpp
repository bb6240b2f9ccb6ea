#include "latency.h"

#include <cerrno>
#include <ctime>

namespace latencyfs {

namespace {

constexpr const char *kNames[] = {"lookup", "getattr", "setattr", "readlink", "mknod", "mkdir", "symlink",
                                  "link", "unlink", "rmdir", "rename", "statfs", "opendir", "readdir",
                                  "readdirplus", "fsyncdir", "open", "create", "read", "write", "fsync"};
static_assert(std::size(kNames) == size_t(Call::Count));

} // namespace

void Latency::charge(Call call)
{
    counts_[size_t(call)].fetch_add(1, std::memory_order_relaxed);
    if (delayNanos_ <= 0)
        return;
    // An absolute deadline, so a sleep cut short by a signal still ends on
    // time.
    timespec until;
    clock_gettime(CLOCK_MONOTONIC, &until);
    until.tv_nsec += delayNanos_;
    until.tv_sec += until.tv_nsec / 1'000'000'000;
    until.tv_nsec %= 1'000'000'000;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

std::string Latency::report() const
{
    std::string text;
    for (size_t i = 0; i < counts_.size(); ++i) {
        const uint64_t count = counts_[i].load();
        if (count)
            text += std::string(kNames[i]) + ' ' + std::to_string(count) + '\n';
    }
    return text;
}

} // namespace latencyfs
