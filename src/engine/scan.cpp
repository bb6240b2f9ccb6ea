#include "scan.h"

#include "engine/sincro.h"

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

bool runScan(ScanState &state, ResultLists lists, const WalkHooks &hooks)
{
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
