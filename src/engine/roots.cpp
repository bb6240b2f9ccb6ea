#include "roots.h"

#include "engine/treepath.h"
#include "engine/walker.h"

#include <climits>
#include <cstdlib>
#include <memory>

namespace tandara {

namespace {

std::string realPath(const std::string &path)
{
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    return normalizeRoot(real ? std::string(real.get()) : path);
}

// True when inner lies below outer (both resolved, without final '/').
bool lies(const std::string &inner, const std::string &outer)
{
    if (outer == "/")
        return inner != "/";
    return inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0 && inner[outer.size()] == '/';
}

} // namespace

RootsOverlap resolveRoots(std::string &origin, std::string &destination)
{
    origin = realPath(origin);
    destination = realPath(destination);
    const std::optional<FolderId> a = folderIdOf(origin);
    if (origin == destination || (a && a == folderIdOf(destination)))
        return RootsOverlap::Same;
    if (lies(origin, destination) || lies(destination, origin))
        return RootsOverlap::Nested;
    return RootsOverlap::None;
}

} // namespace tandara
