#include "copiafile.h"

#include "fileops/creadir.h"
#include "fileops/optexts.h"

#include <cerrno>

namespace tandara {

namespace {

// Makes a modified file's old copy writable so it can be replaced. A
// target that vanished meanwhile needs nothing: the copy recreates it.
fs::FsError clearTargetMark(const std::string &target)
{
    fs::FsError error = fs::clearAttributes(target);
    return error.code == ENOENT ? fs::FsError{} : error;
}

// The pair at `row` leaves lists 2 and 3, each total by its own size.
void settlePair(int m_iNumLv, const ResultModels &lists, int row, ScanState &state, double &m_dCopiati)
{
    const int64_t size2 = lists[2]->list().row(size_t(row)).size;
    const int64_t size3 = lists[3]->list().row(size_t(row)).size;
    state.dTotaleLv[2] -= double(size2);
    state.dTotaleLv[3] -= double(size3);
    m_dCopiati += double(m_iNumLv == 2 ? size2 : size3);
    lists[2]->removeRowAt(row);
    lists[3]->removeRowAt(row);
}

void settleSingle(int m_iNumLv, const ResultModels &lists, int row, ScanState &state, double &m_dCopiati)
{
    const int64_t size = lists[m_iNumLv]->list().row(size_t(row)).size;
    state.dTotaleLv[m_iNumLv] -= double(size);
    m_dCopiati += double(size);
    lists[m_iNumLv]->removeRowAt(row);
}

} // namespace

std::optional<int> CopiaFile(int m_iNumLv, const ResultModels &lists, int row, const std::string &sDirPart,
                             const std::string &sDirPart2, ScanState &state, double &m_dCopiati,
                             const FileOpHooks &hooks)
{
    const ResultRow entry = lists[m_iNumLv]->list().row(size_t(row));
    const std::string source = fullPath(sDirPart, entry.folder, entry.name);
    const std::string targetFolder = fullPath(sDirPart2, entry.folder, {});
    const std::string target = targetFolder + std::string(entry.name);

    if (!EsisteDir(targetFolder))
        CreaDir(targetFolder);
    fs::FsError error;
    if (m_iNumLv >= 2)
        error = clearTargetMark(target);
    if (!error)
        error = hooks.copy(source, target);
    if (error) {
        hooks.report(copyFailureText(error, source, target));
        return std::nullopt;
    }

    if (m_iNumLv >= 2)
        settlePair(m_iNumLv, lists, row, state, m_dCopiati);
    else
        settleSingle(m_iNumLv, lists, row, state, m_dCopiati);
    return panelTabOf(m_iNumLv);
}

} // namespace tandara
