#pragma once
// The contents part of a file copy: from an open source into an open, new
// and empty target, as cheaply as the two file systems allow.

#include "engine/fsservices.h"

#include <sys/stat.h>

namespace tandara::fs {

// Copies the first seen.st_size bytes of from (seen: its status when it
// was opened) into to, which is left exactly that long. Tries a clone
// first (FICLONE: shared extents, no data moved); otherwise copies only
// the source's data ranges (SEEK_DATA/SEEK_HOLE), so holes stay holes,
// with copy_file_range, falling back to reads and writes where that is
// not possible between the two file systems. Between blocks the stop flag
// is read and afterBlock called. Gives 0, ECANCELED when stopped, or the
// errno of the step that failed. A source that shrinks meanwhile is copied
// as far as it goes; the caller tells a changed source by its status.
int copyData(int from, int to, const struct stat &seen, const CopyControl &control);

} // namespace tandara::fs
