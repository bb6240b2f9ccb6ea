#include "temptree.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fsys = std::filesystem;

namespace tandara::test {

TempDir::TempDir()
{
    std::string pattern = (fsys::temp_directory_path() / "tandara-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    // Give back write and search rights that a test took away, then remove.
    std::error_code ignored;
    for (auto it = fsys::recursive_directory_iterator(path_, fsys::directory_options::skip_permission_denied, ignored);
         it != fsys::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            chmod(it->path().c_str(), 0700);
    }
    chmod(path_.c_str(), 0700);
    fsys::remove_all(path_, ignored);
}

std::string TempDir::folder(const std::string &relative) const
{
    const std::string full = *this / relative;
    fsys::create_directories(full);
    return full;
}

void writeFile(const std::string &path, int64_t size, int64_t mtime)
{
    fsys::create_directories(fsys::path(path).parent_path());
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out)
            throw std::runtime_error("cannot write " + path);
        const std::string chunk(4096, 'x');
        for (int64_t left = size; left > 0; left -= int64_t(chunk.size()))
            out.write(chunk.data(), std::streamsize(std::min<int64_t>(left, int64_t(chunk.size()))));
    }
    setTime(path, mtime);
}

void setTime(const std::string &path, int64_t mtime)
{
    const struct timespec times[2] = {{mtime, 0}, {mtime, 0}};
    if (utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("cannot set time of " + path);
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void makeTree(const std::string &root, const std::vector<Entry> &entries)
{
    for (const Entry &e : entries) {
        const std::string full = root + "/" + e.path;
        if (e.path.ends_with('/'))
            fsys::create_directories(full);
        else
            writeFile(full, e.size, e.mtime);
    }
}

bool permissionsApply()
{
    TempDir probe;
    const std::string locked = probe.folder("locked");
    chmod(locked.c_str(), 0);
    const bool refused = access(locked.c_str(), R_OK) != 0;
    chmod(locked.c_str(), 0700);
    return refused;
}

} // namespace tandara::test
