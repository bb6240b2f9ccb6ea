#pragma once
// The engine half of the scan command: the two walks in order, with the
// cancel flag and the totals. The window does the checks before it and the
// restore step after it.

#include "engine/scanstate.h"
#include "engine/readahead.h"
#include "engine/walker.h"

namespace tandara {

// Runs the origin walk into list 0, then the destination walk, from the
// roots m_sDirRadice[0] and [1] (which must be set). The roots are first
// resolved to their real paths (resolveRoots); roots that overlap are
// refused before anything is walked. Times are compared under the rule
// the roots' file systems call for (timerule.h). Sets the roots of lists
// 2 and 3, clears the cancel flag first and, after a complete scan, holds
// back the rows under folders the other side could not read
// (unreadFolders lists those folders) and stores the row counts in
// m_lNumItems.
// Returns false when cancelled or refused: then the totals are zero and
// all four lists are empty. The lists are assumed empty and the totals
// zero on entry.
// Both trees are read ahead of their walks on the threads of `reading`.
bool runScan(ScanState &state, ResultLists lists, const WalkHooks &hooks, ReadAheadOptions reading = {});

} // namespace tandara
