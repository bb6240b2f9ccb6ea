#pragma once
// The messages a scan leaves for the user.

#include "engine/scanstate.h"

#include <QString>

namespace tandara {

// The refusal of two roots that are the same folder or lie one inside the
// other.
QString rootsOverlapMessage();

// The folders a scan could not read, the first few named with the
// system's description, and what became of the other side's files there.
// Empty when every folder was read.
QString unreadFoldersMessage(const ScanState &state);

} // namespace tandara
