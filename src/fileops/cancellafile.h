#pragma once
// CancellaFile: the deletion of one result row's file, with the
// bookkeeping of the lists and byte totals.

#include "fileops/rowop.h"

#include <optional>
#include <string>

namespace tandara {

// Deletes sNomeFile, the file of row `row` (0-based) of list m_iNumLv,
// reached from its root without following a link on the way: a read-only
// mark is cleared first (and put back should the file not go), a link is
// deleted as a link. Then the
// row leaves its list, total m_iNumLv drops by its size and m_dEliminati
// rises by it.
//
// Deleting one side of a modified pair leaves the other side's file alone
// in its tree, so its row moves to the missing files of its side, keeping
// lists 2 and 3 paired: after a row of list 2 the list-3 row at the same
// position goes to the end of list 1; after a row of list 3 the list-2 row
// goes to the end of list 0 with its key as tag. Its size moves from the
// one total to the other. Gives the status-panel tab to rewrite.
//
// On failure the message goes to hooks.report, nothing changes and the
// result is nullopt.
std::optional<int> CancellaFile(int m_iNumLv, const TreeFile &sNomeFile, const ResultModels &lists, int row,
                                ScanState &state, double &m_dEliminati, const FileOpHooks &hooks);

} // namespace tandara
