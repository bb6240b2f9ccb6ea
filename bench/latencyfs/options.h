#pragma once
// Command line of tandara-latencyfs.

#include <optional>
#include <string>

namespace latencyfs {

struct Options {
    std::string backing;       // folder whose contents are shown
    std::string mountPoint;    // where they are shown
    long delayMicros = 500;    // added to every answered call (see latency.h)
    double entryTimeout = 0;   // seconds the kernel may trust a name look-up
    double attrTimeout = 0;    // seconds the kernel may trust a file's status
    bool readdirPlus = false;  // list folders with each entry's status
    unsigned threads = 64;     // most calls served at once
    std::string statsFile;     // where to write the call counts on exit
    std::string fuseOptions;   // extra -o options for the mount
    bool foreground = false;
    bool debug = false;
};

extern const char *const kUsage;

// The options, or nothing (with a message on stderr) when the line is wrong.
std::optional<Options> parseOptions(int argc, char *argv[]);

} // namespace latencyfs
