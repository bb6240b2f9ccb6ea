#pragma once
// A plain parallel walk that counts files: the yardstick the scan is
// measured against. Threads share one queue of folders; each takes a
// folder, lists it, reads the status (fstatat) of every entry that is not
// a folder, and queues the subfolders. Links are not followed; folders
// whose names start with '.' are skipped, as the scan skips them.

#include <cstdint>
#include <string>
#include <vector>

namespace plainwalk {

struct WalkCount {
    uint64_t files = 0;   // entries that are not folders (links included)
    uint64_t bytes = 0;   // their sizes added up
    uint64_t folders = 0; // folders listed, the roots included
};

WalkCount walk(const std::vector<std::string> &roots, unsigned threads);

} // namespace plainwalk
