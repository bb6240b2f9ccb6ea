#include "fileworker.h"

#include <chrono>

namespace tandara {

namespace {

// Waits up to `limit` for ready() without sleeping; true when it came.
template <typename Ready>
bool spinFor(std::chrono::microseconds limit, Ready ready)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    for (int round = 0;; ++round) {
        if (ready())
            return true;
        if (round % 64 == 63 && std::chrono::steady_clock::now() >= until)
            return false;
    }
}

constexpr std::chrono::microseconds kCallerSpin{100};
constexpr std::chrono::microseconds kWorkerSpin{300};

} // namespace

FileWorker::FileWorker() : thread_([this] { loop(); }) {}

FileWorker::~FileWorker()
{
    setState(Quit);
    thread_.join();
}

void FileWorker::setState(State state)
{
    {
        std::lock_guard lock(mutex_);
        state_.store(state, std::memory_order_release);
    }
    (state == Done ? done_ : posted_).notify_one();
}

void FileWorker::loop()
{
    const auto hasWork = [this] {
        const State state = state_.load(std::memory_order_acquire);
        return state == Posted || state == Quit;
    };
    for (;;) {
        if (!spinFor(kWorkerSpin, hasWork)) {
            std::unique_lock lock(mutex_);
            posted_.wait(lock, hasWork);
        }
        if (state_.load(std::memory_order_acquire) == Quit)
            return;
        result_ = (*job_)(stop_);
        setState(Done);
    }
}

fs::FsError FileWorker::run(const std::function<fs::FsError(const std::atomic<bool> &stop)> &job,
                            const std::function<void()> &whileWaiting, const std::function<bool()> &stopRequested)
{
    job_ = &job;
    stop_ = false;
    setState(Posted);
    const auto isDone = [this] { return state_.load(std::memory_order_acquire) == Done; };
    if (!spinFor(kCallerSpin, isDone)) {
        std::unique_lock lock(mutex_);
        while (!done_.wait_for(lock, std::chrono::milliseconds(20), isDone)) {
            lock.unlock();
            if (whileWaiting)
                whileWaiting();
            if (stopRequested && stopRequested())
                stop_ = true;
            lock.lock();
        }
    }
    state_.store(Idle, std::memory_order_relaxed);
    return std::move(result_);
}

CopyRunner workerCopy(FileWorker &worker, std::function<void()> whileWaiting, std::function<bool()> stopRequested)
{
    return [&worker, whileWaiting = std::move(whileWaiting), stopRequested = std::move(stopRequested)](
               const TreeFile &source, const TreeFile &target, fs::CopyControl control) {
        return worker.run(
            [&](const std::atomic<bool> &stop) {
                control.stop = &stop;
                return fs::copyFile(source, target, control);
            },
            whileWaiting, stopRequested);
    };
}

DeleteRunner workerDelete(FileWorker &worker, std::function<void()> whileWaiting)
{
    return [&worker, whileWaiting = std::move(whileWaiting)](const TreeFile &file) {
        return worker.run([&](const std::atomic<bool> &) { return fs::deleteFile(file); }, whileWaiting, {});
    };
}

} // namespace tandara
