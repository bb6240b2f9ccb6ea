#pragma once
// Reading folder trees ahead of their walks, on a pool of threads.
//
// A walk over a share with latency is one round trip after another when
// each folder is read only when the walk gets there. Here a pool of reader
// threads (16 by default: sized for latency, not for processor cores)
// reads folders and the status of their entries ahead, in walk order, for
// every tree given; the walk then replays them (walker.h) and makes
// exactly the calls it would make reading each folder itself.
//
// Readers take the folder that comes first in walk order among those not
// yet read, so they stay just ahead of the walk. Memory stays bounded:
// once the folders read and not yet walked hold `budget` entries, readers
// only read the folder the walk is waiting for. Each folder is opened from
// its parent's descriptor, which is kept while a child remains to be
// opened, up to a share of the open-file limit; beyond that a folder is
// opened beneath its root by its relative path.
//
// With no threads, a folder is read on the walk's own thread when the walk
// gets there: the plain depth-first walk.
//
// The readers stop when the object goes; one stuck in a slow call is left
// to finish it on its own, so the walk's thread never waits for it.

#include "engine/foldernode.h"

#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace tandara {

struct ReadAheadOptions {
    int threads = 16;
    size_t budget = size_t(1) << 18; // entries read ahead and not yet walked
};

class ReadAhead {
public:
    ReadAhead(std::vector<WalkConfig> trees, ReadAheadOptions options);
    ~ReadAhead();
    ReadAhead(const ReadAhead &) = delete;
    ReadAhead &operator=(const ReadAhead &) = delete;

    FolderNode &root(int tree);

    // Waits until node has been read; with no threads, reads it now. While
    // it waits, calls waiting() (when set) about every 20 ms and then asks
    // giveUp(): true ends the wait, and the result is false.
    bool await(FolderNode &node, const std::function<void()> &waiting, const std::function<bool()> &giveUp);

    // The walk is done with node and everything below it: they go.
    void release(FolderNode &node);
    // The walk of tree ended early (cancelled): what is left of it is not
    // read any more.
    void abandon(int tree);

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::vector<std::thread> threads_;
};

} // namespace tandara
