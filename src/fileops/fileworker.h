#pragma once
// The thread that does the file work of the window's copy and delete
// commands, one file at a time, so that the window's thread never waits
// on the file system itself: it hands a file's copy or delete over, and
// serves its events while the work goes on (a large file, a slow share).
//
// One thread for the life of the object, not one per file. Handing a
// small file over must cost little next to the copy itself, so both sides
// first wait for each other a short while without sleeping (a run of small
// files goes back and forth without a context switch) and only then sleep.

#include "engine/fsservices.h"
#include "fileops/rowop.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tandara {

class FileWorker {
public:
    FileWorker();
    ~FileWorker();
    FileWorker(const FileWorker &) = delete;
    FileWorker &operator=(const FileWorker &) = delete;

    // Runs job on the worker and gives its result. Until it is done,
    // calls whileWaiting() on this thread about every 20 ms and then asks
    // stopRequested(); once that answers true, the job's stop flag is set.
    fs::FsError run(const std::function<fs::FsError(const std::atomic<bool> &stop)> &job,
                    const std::function<void()> &whileWaiting, const std::function<bool()> &stopRequested);

private:
    enum State { Idle, Posted, Done, Quit };
    void loop();
    void setState(State state);

    std::mutex mutex_;
    std::condition_variable posted_; // the worker sleeps here
    std::condition_variable done_;   // the caller sleeps here
    std::atomic<State> state_{Idle};
    const std::function<fs::FsError(const std::atomic<bool> &)> *job_ = nullptr;
    std::atomic<bool> stop_{false};
    fs::FsError result_;
    std::thread thread_;
};

// Runners for CopiaFile and CancellaFile that do their file work on the
// worker, serving the window meanwhile; "Annulla" stops a copy between
// two blocks (its temporary file goes, the target stays as it was).
CopyRunner workerCopy(FileWorker &worker, std::function<void()> whileWaiting, std::function<bool()> stopRequested);
DeleteRunner workerDelete(FileWorker &worker, std::function<void()> whileWaiting);

} // namespace tandara
