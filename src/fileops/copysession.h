#pragma once
// What one copy command keeps across its rows: the folders it wrote into
// and the file systems it wrote to, so that at its end the destination
// looks like the source down to folder times and is on the disk.

#include "engine/fd.h"
#include "engine/treepath.h"

#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

namespace tandara {

class CopySession {
public:
    // Before a copy from source to target: makes target's folder and the
    // missing levels above it after the source's (CreaDir), and notes as
    // written into by this command that folder, the levels made and the
    // folder that received the first of them, and the file system the
    // folder is on. Cheap for the folder entered last.
    void enterFolder(const TreeFile &source, const TreeFile &target);

    // Ends the command, also after a cancel: the folders it made get the
    // exact permission bits of their source folders (a run without root
    // kept the owner's rwx bits on them meanwhile), every folder it wrote
    // into takes its source folder's last-write time, and each file system
    // written to is flushed once (syncfs), so that a command reported done
    // is on the disk. Failures are passed over: no file depends on them.
    // The session is then empty, ready for another command.
    void finish();

private:
    struct Folder {
        std::string sourceRoot;
        std::string targetRoot;
        std::string folder; // relative, "/a/b/"
        bool made = false;
    };

    void note(const TreeFile &source, const TreeFile &target, std::string folder, bool made);
    void noteFileSystem(const fs::Fd &folder);
    void settle(const Folder &folder);
    // The root opened once for finish(); -1 when it cannot be.
    int rootFd(const std::string &root);

    std::vector<Folder> folders_;
    std::unordered_map<std::string, size_t> index_; // target root, NUL, folder → folders_
    std::string lastRoot_, lastFolder_;             // the folder entered last
    std::unordered_map<dev_t, fs::Fd> fileSystems_; // a folder open on each one written to
    std::unordered_map<std::string, fs::Fd> roots_;
};

} // namespace tandara
