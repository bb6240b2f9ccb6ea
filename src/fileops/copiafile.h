#pragma once
// CopiaFile: the copy of one result row to the other side's tree, with the
// bookkeeping of the lists and byte totals.

#include "fileops/copysession.h"
#include "fileops/rowop.h"

#include <optional>
#include <string>

namespace tandara {

// Copies the file of row `row` (0-based) of list m_iNumLv from root
// sDirPart to the same relative place under sDirPart2, as one row of the
// copy command `session`:
//  * creates the missing folders on the way after the source's
//    (session.enterFolder, which notes them for session.finish());
//  * for lists 2 and 3, where the target exists, replaces it even when it
//    carries a read-only mark; lists 0 and 1 leave an unexpected read-only
//    target alone, so that copy fails;
//  * copies through hooks.copy (contents and time, owner and permission
//    bits where the target's file system holds them; the old target is
//    replaced only by a whole new file, and a source that changed while it
//    was copied fails the copy). Both files are reached from their roots
//    without following a link on the way.
// A copy stopped by the user is no failure to report; the row stays.
// Then the row leaves its list: for lists 2 and 3 the pair leaves both
// lists at that position and each total drops by its own row's size; for
// 0 and 1 only that row and that total. m_dCopiati rises by the copied
// row's size. Gives the status-panel tab to rewrite.
//
// On failure the message goes to hooks.report, nothing changes and the
// result is nullopt.
std::optional<int> CopiaFile(int m_iNumLv, const ResultModels &lists, int row, const std::string &sDirPart,
                             const std::string &sDirPart2, ScanState &state, double &m_dCopiati,
                             CopySession &session, const FileOpHooks &hooks);

} // namespace tandara
