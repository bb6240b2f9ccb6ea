#pragma once
// Real folder trees for tests, declared as data.

#include <cstdint>
#include <string>
#include <vector>

namespace tandara::test {

// One entry of a declared tree, relative to the tree's folder.
struct Entry {
    std::string path;     // "a/b/c.txt"; a final '/' makes a folder
    int64_t size = 0;     // bytes of content ('x' repeated)
    int64_t mtime = 1700000000; // seconds since the epoch
};

// A temporary folder removed with all it holds when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string operator/(const std::string &relative) const { return path_ + "/" + relative; }

    // Makes a subfolder and returns its path.
    std::string folder(const std::string &relative) const;

private:
    std::string path_;
};

// Creates each entry under root, with the folders it needs.
void makeTree(const std::string &root, const std::vector<Entry> &entries);
void writeFile(const std::string &path, int64_t size, int64_t mtime);
std::string readFile(const std::string &path);
void setTime(const std::string &path, int64_t mtime);

// True when the process can be refused access (not root with overrides).
bool permissionsApply();

} // namespace tandara::test
