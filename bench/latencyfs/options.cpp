#include "options.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace latencyfs {

const char *const kUsage =
    "usage: tandara-latencyfs BACKING MOUNTPOINT [options]\n"
    "  --delay-us N        microseconds added to each call (default 500)\n"
    "  --entry-timeout S   seconds the kernel keeps a name look-up (default 0)\n"
    "  --attr-timeout S    seconds the kernel keeps a file's status (default 0)\n"
    "  --readdirplus       answer folder listings with each entry's status\n"
    "  --threads N         most calls served at once (default 64)\n"
    "  --stats FILE        write the number of calls of each kind on exit\n"
    "  -o OPTIONS          extra mount options\n"
    "  --foreground        stay in the foreground; --debug also traces calls\n";

namespace {

bool parseNumber(const char *text, double &value)
{
    char *end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value >= 0;
}

// Reads the value of the option at argv[i] (advancing i); false if missing
// or not a number.
bool takeNumber(int argc, char *argv[], int &i, double &value)
{
    return i + 1 < argc && parseNumber(argv[++i], value);
}

bool takeOption(int argc, char *argv[], int &i, Options &o)
{
    const std::string_view arg = argv[i];
    double number = 0;
    if (arg == "--delay-us" && takeNumber(argc, argv, i, number))
        o.delayMicros = long(number);
    else if (arg == "--entry-timeout" && takeNumber(argc, argv, i, number))
        o.entryTimeout = number;
    else if (arg == "--attr-timeout" && takeNumber(argc, argv, i, number))
        o.attrTimeout = number;
    else if (arg == "--threads" && takeNumber(argc, argv, i, number) && number >= 1)
        o.threads = unsigned(number);
    else if (arg == "--stats" && i + 1 < argc)
        o.statsFile = std::filesystem::absolute(argv[++i]).string();
    else if (arg == "-o" && i + 1 < argc)
        o.fuseOptions = argv[++i];
    else if (arg == "--readdirplus")
        o.readdirPlus = true;
    else if (arg == "--foreground" || arg == "-f")
        o.foreground = true;
    else if (arg == "--debug" || arg == "-d")
        o.foreground = o.debug = true;
    else
        return false;
    return true;
}

} // namespace

std::optional<Options> parseOptions(int argc, char *argv[])
{
    Options o;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') {
            (positional++ == 0 ? o.backing : o.mountPoint) = argv[i];
            continue;
        }
        if (!takeOption(argc, argv, i, o)) {
            std::fprintf(stderr, "tandara-latencyfs: bad option %s\n%s", argv[i], kUsage);
            return std::nullopt;
        }
    }
    if (positional != 2) {
        std::fputs(kUsage, stderr);
        return std::nullopt;
    }
    return o;
}

} // namespace latencyfs
