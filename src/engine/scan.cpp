#include "scan.h"

#include "engine/sincro.h"

#include <sys/resource.h>

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

static bool cancelled(ScanState &state, ResultLists lists)
{
    if (!state.bAnnulla)
        return false;
    state.clearTotals();
    for (ResultList *list : lists)
        list->clear();
    return true;
}

// Each walk keeps one folder open per level it is down, and two walks run
// at once; the usual soft limit of 1024 open files would cut a very deep
// tree short, so take what the hard limit allows.
static void raiseOpenFileLimit()
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

bool runScan(ScanState &state, ResultLists lists, const WalkHooks &hooks)
{
    raiseOpenFileLimit();
    state.m_sDirRadice[2] = state.m_sDirRadice[0];
    state.m_sDirRadice[3] = state.m_sDirRadice[1];
    state.bAnnulla = false;
    Sincro sincro(lists, state, hooks);
    sincro.startDestinationWalk(state.m_sDirRadice[1], state.m_sDirRadice[1]);
    sincro.ScansioneOrigine(state.m_sDirRadice[0], *lists[0], state.m_sDirRadice[0]);
    if (cancelled(state, lists))
        return false;
    sincro.ScansioneDestinazione(state.m_sDirRadice[1], state.m_sDirRadice[1]);
    if (cancelled(state, lists))
        return false;
    for (int k = 0; k < kListCount; ++k)
        state.m_lNumItems[k] = int32_t(lists[k]->count());
    return true;
}

} // namespace tandara
