#include "treepath.h"

namespace tandara {

std::string normalizeRoot(std::string root)
{
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    return root;
}

std::string fullPath(std::string_view root, std::string_view folder, std::string_view name)
{
    std::string path(joinBase(root));
    path.append(folder).append(name);
    return path;
}

} // namespace tandara
