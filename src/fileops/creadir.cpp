#include "creadir.h"

#include "engine/beneath.h"

#include <sys/stat.h>

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

} // namespace

bool EsisteDir(const std::string &path)
{
    return fs::folderExists(path);
}

void CreaDir(const std::string &root, std::string_view folder)
{
    if (!fs::folderExists(root))
        makeChain(root);
    fs::Fd rootFd, made;
    if (fs::openRoot(root, rootFd))
        return;
    // Ignored on purpose: the copy that follows reports what matters.
    (void)fs::makeBeneath(rootFd.get(), folder, [](std::string_view) { return mode_t(0777); }, made);
}

} // namespace tandara
