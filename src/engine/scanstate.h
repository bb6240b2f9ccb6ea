#pragma once
// The data kept beside the four result lists, indexed 0 to 3 like them:
// 0 only in the origin, 1 only in the destination, 2 and 3 the origin and
// destination sides of files that differ.

#include "lists/resultlist.h"

#include <array>
#include <cstdint>
#include <string>

namespace tandara {

constexpr int kListCount = 4;

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

    void clearTotals() { dTotaleLv.fill(0.0); }
};

// The four lists the engine fills; the caller owns them.
using ResultLists = std::array<ResultList *, kListCount>;

// The text that joins a root to a relative folder ("/Foto/2003/"): the root
// itself, or nothing for the file-system root, so that "/" + "/a/" never
// doubles the separator and both sides' keys line up.
inline std::string_view joinBase(std::string_view root)
{
    return root == "/" ? std::string_view() : root;
}

// Writes a root the way the lists keep it: no final separator, except "/".
std::string normalizeRoot(std::string root);

// Full path of a row's file on the side with the given root.
std::string fullPath(std::string_view root, std::string_view folder, std::string_view name);

} // namespace tandara
