#include "cancellafile.h"

#include "fileops/optexts.h"

namespace tandara {

namespace {

// The other side's row of the pair at `row` joins the missing files of its
// side: list 3 goes to list 1, list 2 to list 0 (tagged with its key).
void movePartnerToMissing(int deletedFrom, const ResultModels &lists, int row, ScanState &state)
{
    const int from = deletedFrom == 2 ? 3 : 2;
    const int to = from - 2;
    ResultRow moved = lists[from]->list().row(size_t(row));
    moved.tagged = to == 0;
    lists[to]->appendRow(moved);
    state.dTotaleLv[from] -= double(moved.size);
    state.dTotaleLv[to] += double(moved.size);
    lists[from]->removeRowAt(row);
}

} // namespace

std::optional<int> CancellaFile(int m_iNumLv, const TreeFile &sNomeFile, const ResultModels &lists, int row,
                                ScanState &state, double &m_dEliminati, const FileOpHooks &hooks)
{
    if (const fs::FsError error = hooks.remove(sNomeFile)) {
        hooks.report(deleteFailureText(error, sNomeFile.full()));
        return std::nullopt;
    }

    const int64_t size = lists[m_iNumLv]->list().row(size_t(row)).size;
    state.dTotaleLv[m_iNumLv] -= double(size);
    m_dEliminati += double(size);
    lists[m_iNumLv]->removeRowAt(row);
    if (m_iNumLv >= 2)
        movePartnerToMissing(m_iNumLv, lists, row, state);
    return panelTabOf(m_iNumLv);
}

} // namespace tandara
