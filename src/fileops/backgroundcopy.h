#pragma once
// One file copy off the interface thread, so the window can keep painting
// and animating, and take the user's cancel, while a large file is written.

#include "engine/fsservices.h"
#include "fileops/rowop.h"

#include <functional>

namespace tandara {

// A CopyRunner for CopiaFile that copies on a thread of its own and,
// until the copy is done, calls whileWaiting on the calling thread about
// every 20 ms (the window handles its events there). When stopRequested()
// answers true after that, the copy is stopped between two blocks: its
// temporary file goes and the target stays as it was.
CopyRunner backgroundCopy(std::function<void()> whileWaiting, std::function<bool()> stopRequested);

} // namespace tandara
