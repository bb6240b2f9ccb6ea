#pragma once
// The steps of the copy and delete commands that need no window: which
// list is the other side, how much the selection weighs, whether it fits.

#include "lists/resultlist.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace tandara {

// The list of the other side: pairs 0 with 1 and 2 with 3. A copy from
// list i goes from the root of list i to the root of partner(i).
constexpr int partner(int i)
{
    const int d = (i ^ 2) - 3;
    return d < 0 ? -d : d;
}

// Each file copied needs this many bytes more than its size.
constexpr uint64_t kCopyOverhead = 64;

struct SelectionSizes {
    size_t selected = 0;   // selected rows
    double total = 0;      // their sizes added up (m_dTotCopia, m_dTotElimina)
    uint64_t required = 0; // the room a copy of them needs: each size + 64
};

// The sizing pass: walks list from the last row to the first and adds up
// the selected rows. afterRow runs after each selected row (the window
// yields there and tests its cancel flag); when it returns false the pass
// stops and gives nullopt.
std::optional<SelectionSizes> sizeSelection(const ResultList &list, const std::function<bool()> &afterRow);

// A copy goes ahead when the free bytes are at least the required ones.
constexpr bool enoughSpace(uint64_t free, uint64_t required)
{
    return free >= required;
}

} // namespace tandara
