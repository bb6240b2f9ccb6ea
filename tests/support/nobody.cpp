#include "nobody.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tandara::test {
namespace {

constexpr uid_t kNobody = 65534;

bool readInt(int fd, int &value)
{
    ssize_t n;
    while ((n = read(fd, &value, sizeof value)) < 0 && errno == EINTR) {
    }
    return n == ssize_t(sizeof value);
}

// The child writes two numbers to the parent: the errno of becoming nobody
// (0 when it did), then the function's value.
[[noreturn]] void runChild(int out, const std::function<int()> &body)
{
    int error = 0;
    if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
        error = errno;
    (void)!write(out, &error, sizeof error);
    if (error == 0) {
        int value = -1;
        try {
            value = body();
        } catch (...) {
        }
        (void)!write(out, &value, sizeof value);
    }
    _exit(0); // no exit handlers: they belong to the parent's test program
}

} // namespace

NobodyRun runAsNobody(const std::function<int()> &body)
{
    NobodyRun run;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        run.failure = std::string("pipe: ") + strerror(errno);
        return run;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        runChild(fds[1], body);
    }
    close(fds[1]);
    if (child < 0) {
        run.failure = std::string("fork: ") + strerror(errno);
        close(fds[0]);
        return run;
    }
    int error = 0;
    if (!readInt(fds[0], error))
        run.failure = "the child ended before becoming nobody";
    else if (error != 0)
        run.failure = std::string("cannot become the user nobody: ") + strerror(error);
    else
        run.switched = true;
    if (run.switched && !readInt(fds[0], run.result))
        run.result = -1;
    close(fds[0]);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    return run;
}

} // namespace tandara::test
