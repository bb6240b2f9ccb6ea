#pragma once
// When two last-write times count as the same. FAT keeps times in steps of
// 2 seconds, rounded down, so a file copied there with an odd second reads
// back one second earlier; compared exactly it would look modified after
// every copy. The rule is decided once per scan from the file systems of
// the two roots and then costs one subtraction per file.

#include "engine/mounttable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tandara {

struct TimeRule {
    // The largest difference in seconds that still counts as equal.
    int64_t window = 0;

    bool same(int64_t a, int64_t b) const { return a - b <= window && b - a <= window; }
};

// True for the file systems that keep times in 2-second steps: the
// kernel's vfat and msdos, and FAT served by fusefat.
bool keepsTwoSecondTimes(std::string_view mountType);

// The rule for a scan of the two roots: a window of 1 second when either
// lies on a file system that keeps 2-second times, according to the mount
// table (readMountTable(), or one a test makes); exact otherwise, also for
// a root that cannot be reached.
TimeRule timeRuleFor(const std::string &origin, const std::string &destination,
                     const std::vector<MountEntry> &mounts);

} // namespace tandara
