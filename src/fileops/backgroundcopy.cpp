#include "backgroundcopy.h"

#include <chrono>

namespace tandara {

std::future<fs::FsError> startCopy(std::string source, std::string target)
{
    return std::async(std::launch::async, [source = std::move(source), target = std::move(target)] {
        return fs::copyFile(source, target);
    });
}

CopyRunner backgroundCopy(std::function<void()> whileWaiting)
{
    return [whileWaiting = std::move(whileWaiting)](const std::string &source, const std::string &target) {
        std::future<fs::FsError> copy = startCopy(source, target);
        while (copy.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
            whileWaiting();
        return copy.get();
    };
}

} // namespace tandara
