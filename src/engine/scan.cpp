#include "scan.h"

#include "engine/holdback.h"
#include "engine/roots.h"
#include "engine/sincro.h"
#include "engine/timerule.h"

#include <sys/resource.h>

namespace tandara {

static bool cancelled(ScanState &state, ResultLists lists)
{
    if (!state.bAnnulla)
        return false;
    state.clearTotals();
    state.unreadFolders.clear();
    for (ResultList *list : lists)
        list->clear();
    return true;
}

// Each walk keeps a folder open per level down to a share of the open-file
// limit, and two walks run at once; the more they may keep, the fewer
// folders a very deep tree has them open again, so take what the hard
// limit allows.
static void raiseOpenFileLimit()
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

bool runScan(ScanState &state, ResultLists lists, const WalkHooks &hooks, ReadAheadOptions reading)
{
    raiseOpenFileLimit();
    state.unreadFolders.clear();
    if (resolveRoots(state.m_sDirRadice[0], state.m_sDirRadice[1]) != RootsOverlap::None)
        return false;
    state.m_sDirRadice[2] = state.m_sDirRadice[0];
    state.m_sDirRadice[3] = state.m_sDirRadice[1];
    state.bAnnulla = false;
    Sincro sincro(lists, state, hooks,
                  timeRuleFor(state.m_sDirRadice[0], state.m_sDirRadice[1], readMountTable()));
    sincro.startReading(state.m_sDirRadice[0], state.m_sDirRadice[1], reading);
    sincro.ScansioneOrigine(state.m_sDirRadice[0], *lists[0], state.m_sDirRadice[0]);
    if (cancelled(state, lists))
        return false;
    sincro.ScansioneDestinazione(state.m_sDirRadice[1], state.m_sDirRadice[1]);
    if (cancelled(state, lists))
        return false;
    holdBack(*lists[0], 0, state);
    holdBack(*lists[1], 1, state);
    for (int k = 0; k < kListCount; ++k)
        state.m_lNumItems[k] = int32_t(lists[k]->count());
    return true;
}

} // namespace tandara
