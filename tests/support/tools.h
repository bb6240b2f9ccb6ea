#pragma once
// External programs for tests (mkfs, mount, losetup…), started with
// posix_spawn and an argument list, so a path is never parsed by a shell.

#include <string>
#include <sys/types.h>
#include <vector>

namespace tandara::test {

// The full path of a program, looked for in PATH and then in the sbin and
// bin folders (a CI user's PATH may lack /usr/sbin); empty when absent.
std::string findTool(const std::string &name);

// What a finished program gave.
struct ToolResult {
    bool started = false; // false: the program could not be started
    int status = -1;      // exit status, or -1 when killed by a signal
    std::string output;   // standard output and standard error together

    bool ok() const { return started && status == 0; }
};

// Runs argv (argv[0] a full path) to its end, with its output collected.
ToolResult runTool(const std::vector<std::string> &argv);

// Starts argv in the background with its output written to logPath; the
// process id, or -1 with errorText set.
pid_t startTool(const std::vector<std::string> &argv, const std::string &logPath, std::string &errorText);

// Waits up to timeoutMs for a child started by startTool, then ends it
// (SIGTERM, then SIGKILL), so that it never outlives its test.
void stopTool(pid_t pid, int timeoutMs);

} // namespace tandara::test
