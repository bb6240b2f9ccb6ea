#include "creadir.h"

#include "engine/fsservices.h"

namespace tandara {

bool EsisteDir(const std::string &path)
{
    return fs::folderExists(path);
}

void CreaDir(const std::string &path)
{
    const std::string parent = fs::parentFolderName(path);
    if (!parent.empty())
        CreaDir(parent);
    // Ignored on purpose: the level may exist already or be refused; the
    // copy that follows reports what really matters.
    (void)fs::makeFolder(path);
}

} // namespace tandara
