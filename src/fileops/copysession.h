#pragma once
// What one copy command keeps across its rows: the folders it wrote into
// and the file systems it wrote to, so that at its end the destination
// looks like the source down to folder times and is on the disk; and the
// two folders of the rows being copied, open, so that a folder's files are
// copied without reaching the folder again for each one.

#include "engine/fd.h"
#include "engine/treepath.h"
#include "fileops/creadir.h"

#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

namespace tandara {

// The folders of a row's source and target, open beneath their roots;
// -1 where one could not be reached (the copy then finds out why).
struct OpenFolders {
    int source = -1;
    int target = -1;
    bool renameMayChangeTime = true; // see fs::renameMayChangeTime
};

class CopySession {
public:
    // Before a copy from source to target: makes target's folder and the
    // missing levels above it after the source's (CreaDir), and notes as
    // written into by this command that folder, the levels made and the
    // folder that received the first of them, and the file system the
    // folder is on. Gives the two folders, open until the next call or
    // finish(). Cheap for the folders entered last.
    OpenFolders enterFolder(const TreeFile &source, const TreeFile &target);

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

    void noteMade(const TreeFile &source, const TreeFile &target, const MadeFolders &made);
    void note(const TreeFile &source, const TreeFile &target, std::string folder, bool made);
    void noteFileSystem(int folder);
    // The root opened once for the command; -1 when it cannot be.
    int rootFd(const std::string &root);
    // The target root, made first (after the source root) when missing.
    int targetRootFd(const TreeFile &source, const TreeFile &target);
    void settle(const Folder &folder);

    std::vector<Folder> folders_;
    std::unordered_map<std::string, size_t> index_; // target root, NUL, folder → folders_
    std::unordered_map<dev_t, fs::Fd> fileSystems_; // a folder open on each one written to
    std::unordered_map<std::string, fs::Fd> roots_;
    // The rows' folders entered last, and the two of them open.
    std::string lastSourceRoot_, lastTargetRoot_, lastFolder_;
    fs::Fd sourceFolder_, targetFolder_;
    bool renameMayChangeTime_ = true;
};

} // namespace tandara
