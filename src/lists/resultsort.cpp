#include "resultsort.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

namespace tandara {
namespace {

unsigned char foldedByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u;
}

// Sorts the positions by keys[position], stably, and returns them.
template <typename Key, typename Less>
std::vector<uint32_t> orderByKeys(const std::vector<Key> &keys, Less less, bool descending)
{
    std::vector<std::pair<Key, uint32_t>> entries;
    entries.reserve(keys.size());
    for (size_t pos = 0; pos < keys.size(); ++pos)
        entries.emplace_back(keys[pos], uint32_t(pos));
    if (descending)
        std::stable_sort(entries.begin(), entries.end(),
                         [&](const auto &a, const auto &b) { return less(b.first, a.first); });
    else
        std::stable_sort(entries.begin(), entries.end(),
                         [&](const auto &a, const auto &b) { return less(a.first, b.first); });
    std::vector<uint32_t> order;
    order.reserve(entries.size());
    for (const auto &entry : entries)
        order.push_back(entry.second);
    return order;
}

// Each folder id's rank among the folder texts; ids of equal texts share a
// rank, so rows compare by folder as two integers.
std::vector<uint32_t> folderRanks(const ResultList &list)
{
    std::vector<uint32_t> ids(list.folderCount());
    std::iota(ids.begin(), ids.end(), 0u);
    std::sort(ids.begin(), ids.end(), [&](uint32_t a, uint32_t b) {
        return compareFolded(list.folderText(a), list.folderText(b)) < 0;
    });
    std::vector<uint32_t> rank(ids.size());
    uint32_t current = 0;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i > 0 && compareFolded(list.folderText(ids[i - 1]), list.folderText(ids[i])) != 0)
            ++current;
        rank[ids[i]] = current;
    }
    return rank;
}

template <typename Key, typename Get>
std::vector<Key> gather(const ResultList &list, Get get)
{
    std::vector<Key> keys;
    keys.reserve(list.count());
    for (size_t pos = 0; pos < list.count(); ++pos)
        keys.push_back(get(pos));
    return keys;
}

} // namespace

int compareFolded(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = foldedByte(a[i]);
        const unsigned char y = foldedByte(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::vector<uint32_t> sortOrder(const ResultList &list, SortKey key, bool descending)
{
    const auto less = [](const auto &a, const auto &b) { return a < b; };
    switch (key) {
    case SortKey::Name: {
        // The names folded once into one buffer compare as plain bytes.
        std::string folded;
        std::vector<std::pair<size_t, size_t>> spans;
        spans.reserve(list.count());
        for (size_t pos = 0; pos < list.count(); ++pos) {
            const std::string_view name = list.row(pos).name;
            spans.emplace_back(folded.size(), name.size());
            for (const char c : name)
                folded.push_back(char(foldedByte(c)));
        }
        const auto names = gather<std::string_view>(
            list, [&](size_t pos) { return std::string_view(folded).substr(spans[pos].first, spans[pos].second); });
        return orderByKeys(names, less, descending);
    }
    case SortKey::Folder: {
        const std::vector<uint32_t> rank = folderRanks(list);
        return orderByKeys(gather<uint32_t>(list, [&](size_t pos) { return rank[list.folderId(pos)]; }), less,
                           descending);
    }
    case SortKey::Size:
        return orderByKeys(gather<int64_t>(list, [&](size_t pos) { return list.row(pos).size; }), less,
                           descending);
    case SortKey::Time:
        return orderByKeys(gather<int64_t>(list,
                                           [&](size_t pos) {
                                               return list.row(pos).mtime.value_or(
                                                   std::numeric_limits<int64_t>::min());
                                           }),
                           less, descending);
    }
    return {};
}

} // namespace tandara
