#pragma once
// What the per-row file operations (CopiaFile, CancellaFile) share: the
// four result lists they keep in step, and the hooks through which they
// reach the window without knowing it.

#include "engine/fsservices.h"
#include "engine/scanstate.h"
#include "lists/resultlistmodel.h"

#include <QString>
#include <array>
#include <functional>
#include <string>

namespace tandara {

// The four result lists as the views see them, indexed like ScanState.
// Rows leave and join only through the models, so views stay consistent.
using ResultModels = std::array<ResultListModel *, kListCount>;

using CopyRunner = std::function<fs::FsError(const TreeFile &source, const TreeFile &target, fs::CopyControl control)>;
using DeleteRunner = std::function<fs::FsError(const TreeFile &file)>;

struct FileOpHooks {
    // Shows the failure of one file to the user (OK button only, no icon,
    // the program's title). Must be set.
    std::function<void(const QString &message)> report;
    // Copy one file over any target, and delete one file; the window hands
    // in runners that do the work on a thread of their own and keep the
    // window served meanwhile (see fileworker.h).
    CopyRunner copy = [](const TreeFile &source, const TreeFile &target, fs::CopyControl control) {
        return fs::copyFile(source, target, control);
    };
    DeleteRunner remove = [](const TreeFile &file) { return fs::deleteFile(file); };
};

// The tab of the status panel that shows list k: 0 "File Mancanti" for
// lists 0 and 1, 1 "File Modificati" for lists 2 and 3.
constexpr int panelTabOf(int k)
{
    return k / 2;
}

} // namespace tandara
