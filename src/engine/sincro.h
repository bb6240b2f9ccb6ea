#pragma once
// The two scan walks and the comparison that sorts the destination's files
// against the origin's into the four result lists.
//
//  ScansioneOrigine      lists every origin file into list 0 (tagged with
//                        its relative key) and adds its size to total 0.
//  ScansioneDestinazione hands every destination file to ConfrontaFile.
//  ConfrontaFile         looks the file's key up among the rows still in
//                        list 0: no match goes to list 1; a match leaves
//                        list 0 and, when size or time differ, becomes a
//                        pair of rows in lists 2 and 3.
//
// Two files are the same when key and size in bytes are equal and their
// last-write times to the second are equal under the scan's TimeRule
// (exact, or within a second where a root lies on FAT); the values are
// compared, never their texts. Keys are compared byte for byte, so letter
// case counts.

#include "engine/keyindex.h"
#include "engine/readahead.h"
#include "engine/scanstate.h"
#include "engine/timerule.h"
#include "engine/walker.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tandara {

// The text up to, not including, its first NUL; the whole text without one.
std::string_view TogliNull(std::string_view text);

class Sincro {
public:
    Sincro(ResultLists lists, ScanState &state, WalkHooks hooks, TimeRule timeRule = {});

    // Starts reading both trees ahead of their walks (readahead.h), so that
    // the destination is read while the origin is walked, and a share's
    // round trips overlap. Without it, each walk reads its own folders.
    void startReading(const std::string &origin, const std::string &destination, ReadAheadOptions options);
    // Walks folder into list; root is only used to cut the relative folder.
    void ScansioneOrigine(const std::string &folder, ResultList &list, const std::string &root);
    // Walks folder, comparing each file against the rows left in list 0.
    void ScansioneDestinazione(const std::string &folder, const std::string &root);
    void ConfrontaFile(std::string_view name, std::string_view folder, int64_t size, int64_t mtime);

    // ScansioneDestinazione brackets its walk with these: the first indexes
    // the rows of list 0 by key, the second drops the index. ConfrontaFile
    // is only valid between them.
    void beginComparison();
    void endComparison();

private:
    WalkConfig walkConfig(const std::string &folder, const std::string &root, int side) const;
    // Walks side's tree from the read-ahead when it was started for that
    // folder, else on this thread.
    void walkSide(int side, const std::string &folder, const std::string &root,
                  const std::function<void(const WalkedFile &)> &onFile);
    // The window's hooks, with the folders that fail recorded for `side`.
    WalkHooks hooksFor(int side) const;
    void lookUpFolder(std::string_view folder);

    ResultLists lists_;
    ScanState &state_;
    WalkHooks hooks_;
    TimeRule timeRule_;
    KeyIndex index_;
    std::unique_ptr<ReadAhead> reads_;
    std::array<std::string, 2> readFolders_; // the folder each side's read-ahead starts from
    // The destination folder whose hash is cached.
    std::string hashedFolder_;
    KeyHash folderHash_;
};

} // namespace tandara
