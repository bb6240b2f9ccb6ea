#pragma once
// The rows of one result list, held as plain data so the scan, the file
// operations and the benchmarks can use them without any window.
//
// Names and relative folders are kept as the bytes the file system gave, so
// a name that is not valid UTF-8 is matched, copied and deleted exactly.
// Size and time are kept as numbers and turned into text only on reading.
//
// Rows are addressed two ways:
//  * by position (0-based, list order), the way the commands and the views
//    see them;
//  * by slot, the row's place in the underlying storage. The comparison
//    removes matched rows by slot without moving the others, which keeps a
//    million removals cheap; the gaps are squeezed out the next time a
//    position is used. Slots are only meaningful until then.
//
// Cost: append is amortised O(1); count() is O(1); a positional access after
// slot removals costs one O(n) compaction, then O(1); reorder() is O(n).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandara {

// Keys of the row pictures, one per list.
enum class IconKey : uint8_t { NuovoO, NuovoD, AggiornatoO, AggiornatoD };
const char *iconKeyName(IconKey key);

// A row as seen from outside; the views stay valid until the list changes.
struct ResultRow {
    std::string_view name;   // "Nome": the file name, bytes as on disk
    std::string_view folder; // "Percorso": the relative folder, ends in '/' or is empty
    int64_t size = 0;        // "Dimensione" in bytes
    std::optional<int64_t> mtime; // "Modificato": seconds since the epoch, whole
    bool tagged = false;     // the row carries its relative key as tag (list 0)
};

class ResultList {
public:
    explicit ResultList(IconKey icon) : icon_(icon) {}

    IconKey smallIcon() const { return icon_; }

    // Appends a row at the end of the list.
    void append(std::string_view name, std::string_view folder, int64_t size,
                std::optional<int64_t> mtime, bool tagged);
    void append(const ResultRow &row) { append(row.name, row.folder, row.size, row.mtime, row.tagged); }

    size_t count() const { return slots_.size() - dead_; }
    bool empty() const { return count() == 0; }
    void clear();

    // Positional access, 0-based.
    ResultRow row(size_t pos) const { return rowOfSlot(slotOf(pos)); }
    std::string tag(size_t pos) const; // relative key, empty when the row has no tag
    // The id of the row's folder, for folderText().
    uint32_t folderId(size_t pos) const { return slots_[slotOf(pos)].folderId; }
    void removeAt(size_t pos);
    bool isSelected(size_t pos) const { return slots_[slotOf(pos)].selected; }
    void setSelected(size_t pos, bool on) { slots_[slotOf(pos)].selected = on; }
    void setAllSelected(bool on);
    size_t selectedCount() const;

    // Puts the rows in a new order: the row at position order[i] moves to
    // position i, with its selection. order is a permutation of the
    // positions 0 .. count() - 1.
    void reorder(const std::vector<uint32_t> &order);

    // The first row in list order whose tag equals key; a linear search,
    // meant for single look-ups (the scan keeps its own index).
    std::optional<size_t> findByTag(std::string_view key) const;

    // Slot access for bulk algorithms (see the top of this file).
    size_t slotCount() const { return slots_.size(); }
    bool slotAlive(size_t slot) const { return !slots_[slot].dead; }
    ResultRow rowOfSlot(size_t slot) const;
    uint32_t folderIdOfSlot(size_t slot) const { return slots_[slot].folderId; }
    // The relative folders by id; one folder text may stand under several ids.
    size_t folderCount() const { return folders_.size(); }
    std::string_view folderText(uint32_t id) const { return folders_[id]; }
    void removeSlot(size_t slot);

private:
    struct Slot {
        uint64_t nameOffset;
        uint32_t nameLength;
        uint32_t folderId;
        int64_t size;
        int64_t mtime;
        bool hasTime;
        bool tagged;
        bool selected;
        bool dead;
    };

    uint32_t internFolder(std::string_view folder);
    size_t slotOf(size_t pos) const;
    void compact() const;

    IconKey icon_;
    std::string names_;                // all names, end to end
    std::vector<std::string> folders_; // relative folders, shared by their rows
    mutable std::vector<Slot> slots_;
    mutable size_t dead_ = 0;
};

} // namespace tandara
