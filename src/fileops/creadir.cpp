#include "creadir.h"

#include "engine/beneath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandara {

namespace {

// Makes path and the levels above it that are missing, parents first.
void makeChain(const std::string &path)
{
    const std::string parent = fs::parentFolderName(path);
    if (!parent.empty() && !fs::folderExists(parent))
        makeChain(parent);
    mkdir(path.c_str(), 0777);
}

// Gives the new folder `made` the bits (and, as root, the owner) of the
// source folder at levelPath below sourceRoot. Refusals (FAT has no
// owners or bits) leave the folder as the file system made it.
void takeAfterSource(int sourceRoot, std::string_view levelPath, int made)
{
    fs::Fd source;
    struct stat st;
    if (fs::openBeneath(sourceRoot, levelPath, source) || fstat(source.get(), &st) != 0)
        return;
    const bool root = geteuid() == 0;
    if (root)
        (void)fchown(made, st.st_uid, st.st_gid);
    (void)fchmod(made, (st.st_mode & 07777) | (root ? 0 : S_IRWXU));
}

} // namespace

bool EsisteDir(const std::string &path)
{
    return fs::folderExists(path);
}

MadeFolders CreaDir(const std::string &sourceRoot, const std::string &targetRoot, std::string_view folder)
{
    fs::Fd sourceFd, targetFd;
    const bool rootMissing = !fs::folderExists(targetRoot);
    if (rootMissing)
        makeChain(targetRoot);
    if (fs::openRoot(sourceRoot, sourceFd) || fs::openRoot(targetRoot, targetFd))
        return MadeFolders();
    std::vector<std::string> rootMade;
    if (rootMissing) {
        const fs::Fd readable(openat(targetFd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (readable) {
            takeAfterSource(sourceFd.get(), "/", readable.get());
            rootMade.emplace_back("/");
        }
    }
    MadeFolders result = CreaDir(sourceFd.get(), targetFd.get(), folder);
    result.levels.insert(result.levels.begin(), rootMade.begin(), rootMade.end());
    return result;
}

MadeFolders CreaDir(int sourceRoot, int targetRoot, std::string_view folder)
{
    MadeFolders result;
    // Ignored on purpose: the copy that follows reports what matters.
    (void)fs::makeBeneath(targetRoot, folder, [&](int made, std::string_view levelPath) {
        takeAfterSource(sourceRoot, levelPath, made);
        result.levels.emplace_back(levelPath);
    }, result.folder);
    return result;
}

} // namespace tandara
