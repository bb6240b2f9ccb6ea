#include "deltree.h"

#include "engine/fsservices.h"

namespace tandara {

void Deltree(const std::string &path)
{
    if (!fs::folderExists(path))
        return;
    for (const std::string &sub : fs::subFolders(path))
        Deltree(sub);
    // Refused when something is left inside, or for a root or busy folder:
    // either way the folder simply stays.
    (void)fs::removeFolder(path);
}

} // namespace tandara
