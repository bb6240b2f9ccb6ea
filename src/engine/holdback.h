#pragma once
// Holding back what a scan cannot judge. When a folder of one side could
// not be read, the other side's files under the same relative folder may
// well exist there too: listing them as missing would offer to copy them
// over, or to delete the only readable copy. So they leave the lists.

#include "engine/scanstate.h"

namespace tandara {

// Removes from list `side` (0: the origin's missing files, 1: the
// destination's) every row that lies under a folder the other side could
// not read, and lowers the list's total by their sizes.
void holdBack(ResultList &list, int side, ScanState &state);

} // namespace tandara
