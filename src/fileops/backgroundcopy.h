#pragma once
// One file copy off the interface thread, so the window can keep painting
// and animating while a large file is written.

#include "engine/fsservices.h"
#include "fileops/rowop.h"

#include <functional>
#include <future>
#include <string>

namespace tandara {

// Starts fs::copyFile(source, target) on a thread of its own. The future
// gives its result; waiting on it (or dropping it) blocks until the copy
// has finished, so a copy is never left running unseen.
std::future<fs::FsError> startCopy(std::string source, std::string target);

// A CopyRunner for CopiaFile that copies through startCopy and, until the
// copy is done, calls whileWaiting on the calling thread about every
// 20 ms (the window handles its paint and timer events there).
CopyRunner backgroundCopy(std::function<void()> whileWaiting);

} // namespace tandara
