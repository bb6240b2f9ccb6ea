#pragma once
// tandara-latencyfs mounted for one test: started in the foreground as a
// child process, and always unmounted and waited for when the object goes.

#include <string>
#include <sys/types.h>
#include <vector>

namespace tandara::test {

class LatencyMount {
public:
    // Shows backing at mountPoint with the given extra options; the call
    // counts go to statsFile when the file system stops.
    LatencyMount(std::string backing, std::string mountPoint, std::string statsFile,
                 std::vector<std::string> options);
    ~LatencyMount();
    LatencyMount(const LatencyMount &) = delete;
    LatencyMount &operator=(const LatencyMount &) = delete;

    // Empty once the mount answers; otherwise why it could not be made
    // (the test is then skipped).
    const std::string &failure() const { return failure_; }

    // Unmounts, waits for the file system to stop, and returns its call
    // counts ("lookup 12" lines); empty when it had not started.
    std::string stop();

private:
    bool mounted() const;
    void unmount();

    std::string mountPoint_;
    std::string statsFile_;
    pid_t child_ = -1;
    std::string failure_;
};

} // namespace tandara::test
