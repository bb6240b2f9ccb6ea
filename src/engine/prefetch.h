#pragma once
// A tree walk that runs ahead on a thread of its own and is replayed later
// on the calling thread. The scan reads the destination tree this way while
// it reads the origin tree, so the two walks share the two processor cores
// and the file system's waits overlap.
//
// The replay makes exactly the calls a direct walkTree() would make, in the
// same order: showFolder for each folder, afterSubfolder after each
// subfolder followed by the cancel test, one onFile per file and one
// folderFailed per folder that could not be read. So the
// comparison sees the destination's files in walk order, and the window
// is served and can cancel at the same points.
//
// The walker thread is stopped and joined when the object goes; it never
// touches anything but its own queue.

#include "engine/walker.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tandara {

class TreePrefetch {
public:
    // Starts walking config.root.
    explicit TreePrefetch(WalkConfig config);
    ~TreePrefetch();
    TreePrefetch(const TreePrefetch &) = delete;
    TreePrefetch &operator=(const TreePrefetch &) = delete;

    // Replays the walk; may wait for the walker to get ahead. Returns early
    // when cancelled() answers true after a subfolder.
    void replay(const WalkHooks &hooks, const std::function<bool()> &cancelled,
                const std::function<void(const WalkedFile &)> &onFile);

private:
    enum class Kind : uint8_t { Folder, SubfolderDone, File, Failure };
    struct Event {
        Kind kind;
        uint32_t textOffset; // Folder: the path; File: the name; Failure: the folder
        uint32_t textLength;
        uint32_t folderOffset; // File: its relative folder
        uint32_t folderLength;
        int64_t size;  // Failure: the error number
        int64_t mtime;
    };
    // Events travel in batches, to take the lock once per few thousand.
    struct Batch {
        std::vector<Event> events;
        std::string text;
    };

    void walk(const WalkConfig &config);
    uint32_t addText(std::string_view text);
    void push(Event event);
    void flush();
    bool nextBatch(Batch &batch);
    bool replayBatch(const Batch &batch, const WalkHooks &hooks, const std::function<bool()> &cancelled,
                     const std::function<void(const WalkedFile &)> &onFile);

    // Walker side.
    Batch filling_;
    std::string lastFolder_;
    uint32_t lastFolderOffset_ = 0;
    bool folderInBatch_ = false;

    // Replay side: folders begun and not yet done, the root included.
    int openFolders_ = 0;

    // Shared.
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Batch> queue_;
    bool finished_ = false;
    std::atomic<bool> stop_{false};

    std::thread thread_;
};

} // namespace tandara
