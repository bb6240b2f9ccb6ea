#pragma once
// An index of the rows of list 0 by their relative key (folder + name), so
// the comparison finds an origin file in O(1) instead of searching the list.
//
// It indexes slots (see ResultList). A lookup gives the first row in list
// order whose key matches and that is still in the list: among several
// matches it takes the lowest live slot, and removed slots never match.
// Built once after the origin walk; rows appended to the list later are not
// indexed (the comparison never adds rows to list 0).

#include "lists/resultlist.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tandara {

// FNV-1a, fed piece by piece so that folder and name need not be joined.
class KeyHash {
public:
    void add(std::string_view bytes)
    {
        for (const unsigned char c : bytes)
            value_ = (value_ ^ c) * 0x100000001b3ULL;
    }
    uint64_t value() const { return value_; }

private:
    uint64_t value_ = 0xcbf29ce484222325ULL;
};

class KeyIndex {
public:
    void build(const ResultList &list);
    void clear();

    // folderHash is a KeyHash fed with folder only; the lookup adds name.
    std::optional<size_t> findFirst(const KeyHash &folderHash, std::string_view folder,
                                    std::string_view name) const;

private:
    struct Entry {
        uint32_t slotPlusOne; // 0: empty
        uint32_t hashHigh;    // upper hash bits, to skip most key comparisons
    };

    const ResultList *list_ = nullptr;
    std::vector<Entry> entries_;
    uint64_t mask_ = 0;
};

} // namespace tandara
