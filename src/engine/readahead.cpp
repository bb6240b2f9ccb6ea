#include "readahead.h"

#include "engine/beneath.h"
#include "engine/treepath.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <queue>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <thread>

namespace tandara {

namespace {

// How much lower the readers' priority is than the walk's.
constexpr int kReaderNice = 10;

// Descriptors kept open for folders whose children are still to be
// opened: a share of the open-file limit.
int fdBudget()
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 64;
    return int(std::clamp<rlim_t>(limit.rlim_cur / 4, 8, 4096));
}

struct LaterInWalk {
    bool operator()(const FolderNode *a, const FolderNode *b) const { return b->before(*a); }
};

std::unique_ptr<TreeReading> startTree(WalkConfig config, std::atomic<int> &keptFds, int tree,
                                       std::unique_ptr<FolderNode> &root)
{
    auto reading = std::make_unique<TreeReading>();
    reading->config = std::move(config);
    std::string path = reading->config.root;
    if (path.empty() || path.back() != '/')
        path.push_back('/');
    reading->rootLength = path.size();
    (void)fs::openRoot(normalizeRoot(reading->config.root), reading->root);
    reading->keptFds = &keptFds;
    reading->fdBudget = fdBudget();
    root = std::make_unique<FolderNode>();
    root->tree = tree;
    root->path = std::move(path);
    return reading;
}

} // namespace

struct ReadAhead::Shared {
    ReadAheadOptions options;
    std::vector<std::unique_ptr<TreeReading>> trees;
    std::vector<std::unique_ptr<FolderNode>> roots;
    std::atomic<int> keptFds{0};

    std::mutex mutex;
    std::condition_variable work;  // readers wait here
    std::condition_variable ready; // the walk and the closing wait here
    std::priority_queue<FolderNode *, std::vector<FolderNode *>, LaterInWalk> queue;
    const FolderNode *wanted = nullptr;
    size_t buffered = 0; // entries read and not yet released
    bool stop = false;
    int running = 0;

    std::vector<bool> abandoned; // trees whose walk ended early: their folders are not read

    bool mayTake()
    {
        while (!queue.empty() && abandoned[size_t(queue.top()->tree)])
            queue.pop();
        return !queue.empty() && (buffered < options.budget || queue.top() == wanted);
    }

    // Reads node with the lock released; gives it to the walk and its
    // children to the readers with the lock held again.
    void read(FolderNode &node, std::unique_lock<std::mutex> &lock)
    {
        lock.unlock();
        readNode(node, *trees[size_t(node.tree)]);
        lock.lock();
        node.isRead = true;
        buffered += node.listing.entries.size();
        if (options.threads <= 0)
            return;
        for (const auto &child : node.children)
            queue.push(child.get());
        for (size_t i = 0; i < node.children.size() && i < size_t(options.threads); ++i)
            work.notify_one();
        if (wanted == &node)
            ready.notify_all();
    }

    void readerLoop()
    {
        // Readers are many, for a share's latency; on a warm cache they are
        // busy with the processor instead, and must not take it from the
        // walk and the window (nor from the window system drawing it).
        setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), kReaderNice);
        std::unique_lock lock(mutex);
        for (;;) {
            work.wait(lock, [this] { return stop || mayTake(); });
            if (stop)
                break;
            FolderNode *node = queue.top();
            queue.pop();
            read(*node, lock);
        }
        --running;
        ready.notify_all();
    }
};

ReadAhead::ReadAhead(std::vector<WalkConfig> trees, ReadAheadOptions options) : shared_(std::make_shared<Shared>())
{
    Shared &s = *shared_;
    s.options = options;
    s.roots.resize(trees.size());
    s.abandoned.assign(trees.size(), false);
    for (size_t i = 0; i < trees.size(); ++i)
        s.trees.push_back(startTree(std::move(trees[i]), s.keptFds, int(i), s.roots[i]));
    if (options.threads <= 0)
        return;
    for (const auto &root : s.roots)
        s.queue.push(root.get());
    s.running = options.threads;
    for (int i = 0; i < options.threads; ++i)
        threads_.emplace_back([shared = shared_] { shared->readerLoop(); });
}

ReadAhead::~ReadAhead()
{
    Shared &s = *shared_;
    std::unique_lock lock(s.mutex);
    s.stop = true;
    s.work.notify_all();
    // A reader stuck in a slow call is not waited for: it keeps the shared
    // state alive and ends on its own once the call returns.
    const bool ended = s.ready.wait_for(lock, std::chrono::milliseconds(200), [&] { return s.running == 0; });
    lock.unlock();
    for (std::thread &thread : threads_)
        ended ? thread.join() : thread.detach();
}

FolderNode &ReadAhead::root(int tree)
{
    return *shared_->roots[size_t(tree)];
}

bool ReadAhead::await(FolderNode &node, const std::function<void()> &waiting, const std::function<bool()> &giveUp)
{
    Shared &s = *shared_;
    std::unique_lock lock(s.mutex);
    if (node.isRead)
        return true;
    if (threads_.empty()) {
        s.read(node, lock);
        return true;
    }
    s.wanted = &node;
    s.work.notify_one(); // a reader held back by the budget may take it now
    const auto isRead = [&] { return node.isRead; };
    while (!node.isRead) {
        if (!waiting) {
            s.ready.wait(lock, isRead);
            break;
        }
        if (s.ready.wait_for(lock, std::chrono::milliseconds(20), isRead))
            break;
        lock.unlock();
        waiting();
        const bool quit = giveUp && giveUp();
        lock.lock();
        if (quit && !node.isRead) {
            s.wanted = nullptr;
            return false;
        }
    }
    s.wanted = nullptr;
    return true;
}

void ReadAhead::abandon(int tree)
{
    Shared &s = *shared_;
    std::lock_guard lock(s.mutex);
    s.abandoned[size_t(tree)] = true;
    s.work.notify_all();
}

void ReadAhead::release(FolderNode &node)
{
    Shared &s = *shared_;
    std::unique_ptr<FolderNode> gone;
    std::lock_guard lock(s.mutex);
    const bool wasOver = s.buffered >= s.options.budget;
    s.buffered -= node.listing.entries.size();
    if (wasOver && s.buffered < s.options.budget)
        s.work.notify_all();
    if (node.parent)
        gone = std::move(node.parent->children[node.order.back()]);
    else
        node.listing = FolderListing(), node.children.clear();
}

} // namespace tandara
