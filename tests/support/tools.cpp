#include "tools.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace tandara::test {
namespace {

std::vector<char *> argvOf(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// Spawns with standard input from /dev/null and both outputs to outFd.
pid_t spawnWithOutput(const std::vector<std::string> &args, int outFd, int closeFd, std::string &errorText)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    posix_spawn_file_actions_adddup2(&actions, outFd, 2);
    if (closeFd >= 0)
        posix_spawn_file_actions_addclose(&actions, closeFd);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, args.at(0).c_str(), &actions, nullptr, argvOf(args).data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        errorText = "cannot start " + args.at(0) + ": " + strerror(error);
        return -1;
    }
    return pid;
}

int exitStatusOf(int waitStatus)
{
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
}

} // namespace

std::string findTool(const std::string &name)
{
    const char *path = getenv("PATH");
    std::istringstream folders(std::string(path ? path : "") + ":/usr/sbin:/sbin:/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (folder.empty())
            continue;
        const std::string full = folder + "/" + name;
        if (access(full.c_str(), X_OK) == 0)
            return full;
    }
    return {};
}

ToolResult runTool(const std::vector<std::string> &argv)
{
    ToolResult result;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        result.output = std::string("pipe: ") + strerror(errno);
        return result;
    }
    const pid_t pid = spawnWithOutput(argv, fds[1], fds[0], result.output);
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return result;
    }
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            result.output.append(buffer, size_t(n));
        else if (errno != EINTR)
            break;
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.started = true;
    result.status = exitStatusOf(status);
    return result;
}

pid_t startTool(const std::vector<std::string> &argv, const std::string &logPath, std::string &errorText)
{
    const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (log < 0) {
        errorText = "cannot write " + logPath + ": " + strerror(errno);
        return -1;
    }
    const pid_t pid = spawnWithOutput(argv, log, -1, errorText);
    close(log);
    return pid;
}

void stopTool(pid_t pid, int timeoutMs)
{
    using namespace std::chrono;
    auto endedWithin = [pid](int ms) {
        const auto deadline = steady_clock::now() + milliseconds(ms);
        do {
            if (waitpid(pid, nullptr, WNOHANG) != 0)
                return true; // reaped, or not our child any more
            std::this_thread::sleep_for(milliseconds(10));
        } while (steady_clock::now() < deadline);
        return false;
    };
    if (endedWithin(timeoutMs))
        return;
    kill(pid, SIGTERM);
    if (endedWithin(2000))
        return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace tandara::test
