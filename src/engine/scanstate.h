#pragma once
// The data kept beside the four result lists, indexed 0 to 3 like them:
// 0 only in the origin, 1 only in the destination, 2 and 3 the origin and
// destination sides of files that differ.

#include "engine/treepath.h"
#include "lists/resultlist.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tandara {

constexpr int kListCount = 4;

// A folder that a walk could not open or read to its end.
struct UnreadFolder {
    int side = 0;       // 0 origin, 1 destination
    std::string folder; // relative folder, "/a/b/"
    int error = 0;      // the system's error number
};

struct ScanState {
    // Root folder of each list: 0 and 2 the origin, 1 and 3 the destination.
    // Written without a final separator, except the file-system root "/".
    std::array<std::string, kListCount> m_sDirRadice;
    // Byte total of each list: the sizes of the files that have a row in it.
    std::array<double, kListCount> dTotaleLv{};
    // Row count of each list as last stored by the scan or a tab switch.
    std::array<int32_t, kListCount> m_lNumItems{};
    // The program-wide cancel flag of scan, copy and delete.
    bool bAnnulla = false;
    // The folders the last scan could not read, both sides, in walk order.
    std::vector<UnreadFolder> unreadFolders;

    void clearTotals() { dTotaleLv.fill(0.0); }
};

// The four lists the engine fills; the caller owns them.
using ResultLists = std::array<ResultList *, kListCount>;

} // namespace tandara
