#pragma once
// The delay every answered call pays, and a count of calls of each kind.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

namespace latencyfs {

enum class Call {
    Lookup, Getattr, Setattr, Readlink, Mknod, Mkdir, Symlink, Link, Unlink, Rmdir, Rename, Statfs,
    Opendir, Readdir, Readdirplus, Fsyncdir, Open, Create, Read, Write, Fsync, Count
};

class Latency {
public:
    explicit Latency(long delayMicros) : delayNanos_(delayMicros * 1000) {}

    // Counts the call and sleeps for the delay. Calls that only close or
    // forget something (forget, flush, release, releasedir) are answered
    // without it, as a network client answers them locally or sends them
    // without waiting.
    void charge(Call call);

    // "lookup 1234" lines, one per kind of call that happened.
    std::string report() const;

private:
    long delayNanos_;
    std::array<std::atomic<uint64_t>, size_t(Call::Count)> counts_{};
};

} // namespace latencyfs
