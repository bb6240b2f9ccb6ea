#include "plainwalk.h"

#include <condition_variable>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace plainwalk {

namespace {

// The folders still to list. A thread that takes one owes an answer
// (finish), and the walk ends when none is queued or being listed.
class FolderQueue {
public:
    explicit FolderQueue(const std::vector<std::string> &roots) : folders_(roots), open_(roots.size()) {}

    // Takes a folder to list; false once there is no more work.
    bool take(std::string &folder)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !folders_.empty() || open_ == 0; });
        if (folders_.empty())
            return false;
        folder = std::move(folders_.back());
        folders_.pop_back();
        return true;
    }

    // The folder taken last is listed; found are its subfolders.
    void finish(std::vector<std::string> &found)
    {
        std::lock_guard lock(mutex_);
        open_ += found.size();
        --open_;
        for (std::string &folder : found)
            folders_.push_back(std::move(folder));
        found.clear();
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> folders_;
    size_t open_;
};

bool isDotOrDotDot(const char *name)
{
    return !std::strcmp(name, ".") || !std::strcmp(name, "..");
}

// Lists one folder into count, adding its subfolders to found.
void list(const std::string &path, WalkCount &count, std::vector<std::string> &found)
{
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = fd == -1 ? nullptr : fdopendir(fd);
    if (!dir) {
        if (fd != -1)
            close(fd);
        return;
    }
    ++count.folders;
    while (const dirent *entry = readdir(dir)) {
        if (isDotOrDotDot(entry->d_name))
            continue;
        struct stat st;
        bool haveStatus = false;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            haveStatus = fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0;
            isFolder = haveStatus && S_ISDIR(st.st_mode);
        }
        if (isFolder) {
            if (entry->d_name[0] != '.')
                found.push_back(path + '/' + entry->d_name);
        } else if (haveStatus || fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            ++count.files;
            count.bytes += uint64_t(st.st_size);
        }
    }
    closedir(dir);
}

} // namespace

WalkCount walk(const std::vector<std::string> &roots, unsigned threads)
{
    FolderQueue queue(roots);
    std::vector<WalkCount> counts(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back([&queue, &count = counts[t]] {
            std::string folder;
            std::vector<std::string> found;
            while (queue.take(folder)) {
                list(folder, count, found);
                queue.finish(found);
            }
        });
    WalkCount total;
    for (unsigned t = 0; t < threads; ++t) {
        workers[t].join();
        total.files += counts[t].files;
        total.bytes += counts[t].bytes;
        total.folders += counts[t].folders;
    }
    return total;
}

} // namespace plainwalk
