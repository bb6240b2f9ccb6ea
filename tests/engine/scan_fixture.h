#pragma once
// Scans two real temporary trees with the engine and keeps the four lists.

#include "engine/scan.h"
#include "support/temptree.h"

#include <array>
#include <string>
#include <vector>

namespace tandara::test {

struct ScanResult {
    std::array<ResultList, kListCount> lists{ResultList(IconKey::NuovoO), ResultList(IconKey::NuovoD),
                                             ResultList(IconKey::AggiornatoO),
                                             ResultList(IconKey::AggiornatoD)};
    ScanState state;
    bool completed = false;

    ResultLists pointers() { return {&lists[0], &lists[1], &lists[2], &lists[3]}; }

    // Relative keys of list k in list order.
    std::vector<std::string> keys(int k) const
    {
        std::vector<std::string> out;
        for (size_t pos = 0; pos < lists[k].count(); ++pos) {
            const ResultRow r = lists[k].row(pos);
            out.push_back(std::string(r.folder) + std::string(r.name));
        }
        return out;
    }
};

inline void scanTrees(ScanResult &result, const std::string &origin, const std::string &dest,
                      WalkHooks hooks = {})
{
    result.state.m_sDirRadice[0] = normalizeRoot(origin);
    result.state.m_sDirRadice[1] = normalizeRoot(dest);
    result.completed = runScan(result.state, result.pointers(), hooks);
}

} // namespace tandara::test
