// tandara-plainwalk ROOT... [--threads N]
//
// Walks the trees with N threads (16 by default) sharing one queue of
// folders and prints what it found and how long it took:
//   files: N
//   bytes: B
//   folders: F
//   walk: T ms

#include "plainwalk.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    std::vector<std::string> roots;
    unsigned threads = 16;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--threads") && i + 1 < argc)
            threads = unsigned(std::atoi(argv[++i]));
        else
            roots.emplace_back(argv[i]);
    }
    if (roots.empty() || threads == 0) {
        std::fprintf(stderr, "usage: tandara-plainwalk ROOT... [--threads N]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const plainwalk::WalkCount count = plainwalk::walk(roots, threads);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("files: %llu\nbytes: %llu\nfolders: %llu\nwalk: %lld ms\n",
                static_cast<unsigned long long>(count.files), static_cast<unsigned long long>(count.bytes),
                static_cast<unsigned long long>(count.folders),
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
    return 0;
}
