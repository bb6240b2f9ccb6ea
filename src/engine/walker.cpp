#include "walker.h"

#include "sincro.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tandara {

namespace {

class TreeWalk {
public:
    TreeWalk(size_t cut, const WalkHooks &hooks, const std::function<bool()> &cancelled,
             const std::function<void(const WalkedFile &)> &onFile)
        : cut_(cut), hooks_(hooks), cancelled_(cancelled), onFile_(onFile)
    {
    }

    void run(const std::string &root)
    {
        path_ = root;
        if (path_.empty() || path_.back() != '/')
            path_.push_back('/');
        folder(AT_FDCWD, path_.c_str());
    }

private:
    // Reads the folder whose path is path_ (ending in '/'); name is how to
    // open it from parentFd.
    void folder(int parentFd, const char *name)
    {
        if (hooks_.showFolder)
            hooks_.showFolder(path_);
        const int fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        struct stat st;
        if (fstat(fd, &st) != 0 || isOnTheWay(st)) {
            close(fd);
            return;
        }
        DIR *dir = fdopendir(fd);
        if (!dir) {
            close(fd);
            return;
        }
        onTheWay_.emplace_back(st.st_dev, st.st_ino);
        readEntries(dir);
        onTheWay_.pop_back();
        closedir(dir);
    }

    bool isOnTheWay(const struct stat &st) const
    {
        for (const auto &[dev, ino] : onTheWay_)
            if (dev == st.st_dev && ino == st.st_ino)
                return true;
        return false;
    }

    void readEntries(DIR *dir)
    {
        const int fd = dirfd(dir);
        while (const dirent *entry = readdir(dir)) {
            const std::string_view name = TogliNull(entry->d_name);
            if (name == "." || name == "..")
                continue;
            struct stat st;
            bool haveStatus = false;
            bool isFolder = entry->d_type == DT_DIR;
            if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
                haveStatus = fstatat(fd, entry->d_name, &st, 0) == 0;
                isFolder = haveStatus && S_ISDIR(st.st_mode);
            }
            if (isFolder) {
                if (name.front() == '.')
                    continue;
                const size_t length = path_.size();
                path_.append(name).push_back('/');
                folder(fd, entry->d_name);
                path_.resize(length);
                if (hooks_.afterSubfolder)
                    hooks_.afterSubfolder();
                if (cancelled_())
                    return;
                continue;
            }
            if (!haveStatus && fstatat(fd, entry->d_name, &st, 0) != 0
                && fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone since it was listed
            onFile_(WalkedFile{name, std::string_view(path_).substr(cut_), int64_t(st.st_size),
                               int64_t(st.st_mtim.tv_sec)});
        }
    }

    size_t cut_;
    const WalkHooks &hooks_;
    const std::function<bool()> &cancelled_;
    const std::function<void(const WalkedFile &)> &onFile_;
    std::string path_;
    std::vector<std::pair<dev_t, ino_t>> onTheWay_;
};

} // namespace

void walkTree(const std::string &root, size_t cut, const WalkHooks &hooks,
              const std::function<bool()> &cancelled, const std::function<void(const WalkedFile &)> &onFile)
{
    TreeWalk(cut, hooks, cancelled, onFile).run(root);
}

} // namespace tandara
