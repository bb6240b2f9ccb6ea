#include "backgroundcopy.h"

#include <atomic>
#include <chrono>
#include <future>

namespace tandara {

CopyRunner backgroundCopy(std::function<void()> whileWaiting, std::function<bool()> stopRequested)
{
    return [whileWaiting = std::move(whileWaiting), stopRequested = std::move(stopRequested)](
               const TreeFile &source, const TreeFile &target, fs::CopyControl control) {
        std::atomic<bool> stop{false};
        control.stop = &stop;
        // Waiting on the future (also when it is dropped) blocks until the
        // copy has finished, so a copy is never left running unseen.
        std::future<fs::FsError> copy = std::async(std::launch::async, [&] {
            return fs::copyFile(source, target, control);
        });
        while (copy.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
            whileWaiting();
            if (stopRequested())
                stop = true;
        }
        return copy.get();
    };
}

} // namespace tandara
