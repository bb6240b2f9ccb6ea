#include "outsidetree.h"

#include "temptree.h"

#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fsys = std::filesystem;

namespace tandara::test {

namespace {

std::string describe(const fsys::path &path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return "gone";
    std::string text = std::to_string(st.st_mode) + " " + std::to_string(st.st_mtim.tv_sec) + " ";
    if (S_ISLNK(st.st_mode))
        return text + "link " + fsys::read_symlink(path).string();
    if (S_ISREG(st.st_mode))
        return text + "file " + readFile(path);
    return text + "folder";
}

void link(const std::string &target, const std::string &at)
{
    if (symlink(target.c_str(), at.c_str()) != 0)
        throw std::runtime_error("cannot link " + at);
}

} // namespace

Snapshot snapshot(const std::string &root)
{
    Snapshot shot;
    for (auto it = fsys::recursive_directory_iterator(root); it != fsys::recursive_directory_iterator(); ++it)
        shot[it->path().lexically_relative(root).string()] = describe(it->path());
    return shot;
}

void plantLinks(const std::string &root, const std::string &outside)
{
    std::vector<std::string> folders{root};
    for (auto it = fsys::recursive_directory_iterator(root); it != fsys::recursive_directory_iterator(); ++it) {
        if (it->path().filename().string().starts_with('.'))
            it.disable_recursion_pending();
        else if (it->is_directory() && !it->is_symlink())
            folders.push_back(it->path());
    }
    for (const std::string &folder : folders) {
        link(outside, folder + "/to-outside");
        link(outside + "/sub", folder + "/to-outside-sub");
        link(outside + "/f", folder + "/to-outside-file");
        link(outside + "/missing", folder + "/dangling");
    }
}

void swapForLink(const std::string &path, const std::string &target)
{
    const fsys::path aside = fsys::path(path).parent_path() / ("." + fsys::path(path).filename().string() + "-aside");
    fsys::rename(path, aside);
    link(target, path);
}

} // namespace tandara::test
