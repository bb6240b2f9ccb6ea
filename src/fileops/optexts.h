#pragma once
// The user-visible texts of the copy and delete commands.

#include "engine/fsservices.h"

#include <QString>
#include <cstdint>
#include <string>

namespace tandara {

// The message for a file that could not be copied: "Nome troppo lungo,
// impossibile copiarlo." when the system found a name too long
// (ENAMETOOLONG; paths of any length up to the system's limit are
// ordinary); a text of ours naming the file when it was not a regular
// file or a link, a folder on its way was a link, or it changed while it
// was copied; otherwise the error number, a blank and the system's
// description.
QString copyFailureText(const fs::FsError &error, const std::string &source, const std::string &target);

// The message for a file that could not be deleted: the description alone,
// or our text naming the file when a folder on its way was a link.
QString deleteFailureText(const fs::FsError &error, const std::string &path);

// The refusal of a copy for lack of room, with the required bytes plus 100
// and the free bytes written "#,#0".
QString spaceMessage(uint64_t required, uint64_t free);

enum class Operation { Copy, Delete };

// The progress heading: a blank, the whole part of done / total * 100 and
// "% di File Copiati" or "% di File Eliminati". total must be above 0.
QString percentLine(double done, double total, Operation operation);

} // namespace tandara
