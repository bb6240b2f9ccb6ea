#include "prefetch.h"

namespace tandara {

namespace {
constexpr size_t kBatchEvents = 4096;
}

TreePrefetch::TreePrefetch(WalkConfig config)
    : thread_([this, config = std::move(config)] { walk(config); })
{
}

TreePrefetch::~TreePrefetch()
{
    stop_ = true;
    thread_.join();
}

void TreePrefetch::walk(const WalkConfig &config)
{
    WalkHooks hooks;
    hooks.showFolder = [this](std::string_view folder) {
        push(Event{Kind::Folder, addText(folder), uint32_t(folder.size()), 0, 0, 0, 0});
    };
    hooks.afterSubfolder = [this] { push(Event{Kind::SubfolderDone, 0, 0, 0, 0, 0, 0}); };
    hooks.folderFailed = [this](std::string_view folder, int error) {
        push(Event{Kind::Failure, addText(folder), uint32_t(folder.size()), 0, 0, error, 0});
    };
    walkTree(config, hooks, [this] { return stop_.load(std::memory_order_relaxed); },
             [this](const WalkedFile &file) {
                 // Files of one folder share one copy of its text per batch.
                 if (!folderInBatch_ || file.folder != lastFolder_) {
                     lastFolder_.assign(file.folder);
                     lastFolderOffset_ = addText(file.folder);
                     folderInBatch_ = true;
                 }
                 push(Event{Kind::File, addText(file.name), uint32_t(file.name.size()), lastFolderOffset_,
                            uint32_t(lastFolder_.size()), file.size, file.mtime});
             });
    flush();
    std::lock_guard lock(mutex_);
    finished_ = true;
    ready_.notify_one();
}

uint32_t TreePrefetch::addText(std::string_view text)
{
    const uint32_t offset = uint32_t(filling_.text.size());
    filling_.text.append(text);
    return offset;
}

void TreePrefetch::push(Event event)
{
    filling_.events.push_back(event);
    if (filling_.events.size() >= kBatchEvents)
        flush();
}

void TreePrefetch::flush()
{
    if (filling_.events.empty())
        return;
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(filling_));
        ready_.notify_one();
    }
    filling_ = Batch();
    folderInBatch_ = false;
}

bool TreePrefetch::nextBatch(Batch &batch)
{
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return !queue_.empty() || finished_; });
    if (queue_.empty())
        return false;
    batch = std::move(queue_.front());
    queue_.pop_front();
    return true;
}

bool TreePrefetch::replayBatch(const Batch &batch, const WalkHooks &hooks,
                               const std::function<bool()> &cancelled,
                               const std::function<void(const WalkedFile &)> &onFile)
{
    const std::string_view text = batch.text;
    for (const Event &e : batch.events) {
        switch (e.kind) {
        case Kind::Folder:
            ++openFolders_;
            if (hooks.showFolder)
                hooks.showFolder(text.substr(e.textOffset, e.textLength));
            break;
        case Kind::SubfolderDone:
            --openFolders_;
            if (hooks.afterSubfolder)
                hooks.afterSubfolder();
            if (cancelled()) {
                // A direct walk unwinds through each open level above,
                // yielding and testing once more at each.
                for (int level = 1; level < openFolders_; ++level) {
                    if (hooks.afterSubfolder)
                        hooks.afterSubfolder();
                    cancelled();
                }
                return false;
            }
            break;
        case Kind::Failure:
            if (hooks.folderFailed)
                hooks.folderFailed(text.substr(e.textOffset, e.textLength), int(e.size));
            break;
        case Kind::File:
            onFile(WalkedFile{text.substr(e.textOffset, e.textLength),
                              text.substr(e.folderOffset, e.folderLength), e.size, e.mtime});
            break;
        }
    }
    return true;
}

void TreePrefetch::replay(const WalkHooks &hooks, const std::function<bool()> &cancelled,
                          const std::function<void(const WalkedFile &)> &onFile)
{
    Batch batch;
    while (nextBatch(batch))
        if (!replayBatch(batch, hooks, cancelled, onFile)) {
            stop_ = true;
            return;
        }
}

} // namespace tandara
