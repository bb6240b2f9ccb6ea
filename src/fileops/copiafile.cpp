#include "copiafile.h"

#include "fileops/optexts.h"

namespace tandara {

namespace {

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
                             CopySession &session, const FileOpHooks &hooks)
{
    const ResultRow entry = lists[m_iNumLv]->list().row(size_t(row));
    const TreeFile source{sDirPart, std::string(entry.folder), std::string(entry.name)};
    const TreeFile target{sDirPart2, source.folder, source.name};

    const OpenFolders folders = session.enterFolder(source, target);
    // A modified file's old copy may carry a read-only mark: for lists 2
    // and 3 the copy replaces it all the same. The mark is not cleared
    // beforehand, so a copy that fails leaves the old copy as it was.
    fs::CopyControl control;
    control.replaceReadOnly = m_iNumLv >= 2;
    control.sourceFolder = folders.source;
    control.targetFolder = folders.target;
    control.checkTimeAfterRename = folders.renameMayChangeTime;
    if (const fs::FsError error = hooks.copy(source, target, control)) {
        if (error.cause != fs::FsCause::Cancelled)
            hooks.report(copyFailureText(error, source.full(), target.full()));
        return std::nullopt;
    }

    if (m_iNumLv >= 2)
        settlePair(m_iNumLv, lists, row, state, m_dCopiati);
    else
        settleSingle(m_iNumLv, lists, row, state, m_dCopiati);
    return panelTabOf(m_iNumLv);
}

} // namespace tandara
