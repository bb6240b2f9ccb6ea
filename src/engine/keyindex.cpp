#include "keyindex.h"

#include <bit>
#include <stdexcept>

namespace tandara {

void KeyIndex::clear()
{
    std::vector<Entry>().swap(entries_);
    list_ = nullptr;
    mask_ = 0;
}

void KeyIndex::build(const ResultList &list)
{
    list_ = &list;
    const size_t slots = list.slotCount();
    if (slots >= UINT32_MAX)
        throw std::length_error("too many rows for the key index");
    const size_t capacity = std::bit_ceil(std::max<size_t>(16, slots * 2));
    entries_.assign(capacity, Entry{0, 0});
    mask_ = capacity - 1;

    // Rows of one folder follow each other, so the folder's hash is kept
    // and only the name is hashed per row.
    uint32_t lastFolder = UINT32_MAX;
    KeyHash folderHash;
    for (size_t slot = 0; slot < slots; ++slot) {
        if (!list.slotAlive(slot))
            continue;
        const ResultRow row = list.rowOfSlot(slot);
        if (!row.tagged)
            continue;
        if (list.folderIdOfSlot(slot) != lastFolder) {
            lastFolder = list.folderIdOfSlot(slot);
            folderHash = KeyHash();
            folderHash.add(row.folder);
        }
        KeyHash hash = folderHash;
        hash.add(row.name);
        uint64_t at = hash.value() & mask_;
        while (entries_[at].slotPlusOne != 0)
            at = (at + 1) & mask_;
        entries_[at] = Entry{uint32_t(slot + 1), uint32_t(hash.value() >> 32)};
    }
}

std::optional<size_t> KeyIndex::findFirst(const KeyHash &folderHash, std::string_view folder,
                                          std::string_view name) const
{
    if (!list_ || entries_.empty())
        return std::nullopt;
    KeyHash hash = folderHash;
    hash.add(name);
    const uint32_t high = uint32_t(hash.value() >> 32);
    std::optional<size_t> first;
    for (uint64_t at = hash.value() & mask_; entries_[at].slotPlusOne != 0; at = (at + 1) & mask_) {
        const Entry &e = entries_[at];
        const size_t slot = e.slotPlusOne - 1;
        if (e.hashHigh != high || !list_->slotAlive(slot) || (first && slot > *first))
            continue;
        const ResultRow row = list_->rowOfSlot(slot);
        if (row.name == name && row.folder == folder)
            first = slot;
    }
    return first;
}

} // namespace tandara
