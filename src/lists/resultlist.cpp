#include "resultlist.h"

#include <algorithm>

namespace tandara {

const char *iconKeyName(IconKey key)
{
    switch (key) {
    case IconKey::NuovoO: return "NuovoO";
    case IconKey::NuovoD: return "NuovoD";
    case IconKey::AggiornatoO: return "AggiornatoO";
    case IconKey::AggiornatoD: return "AggiornatoD";
    }
    return "";
}

uint32_t ResultList::internFolder(std::string_view folder)
{
    // Rows arrive folder by folder, so comparing with the last folder shares
    // the text among all files of one folder without a lookup table.
    if (!folders_.empty() && folders_.back() == folder)
        return uint32_t(folders_.size() - 1);
    folders_.emplace_back(folder);
    return uint32_t(folders_.size() - 1);
}

void ResultList::append(std::string_view name, std::string_view folder, int64_t size,
                        std::optional<int64_t> mtime, bool tagged)
{
    Slot s{};
    s.nameOffset = names_.size();
    s.nameLength = uint32_t(name.size());
    s.folderId = internFolder(folder);
    s.size = size;
    s.mtime = mtime.value_or(0);
    s.hasTime = mtime.has_value();
    s.tagged = tagged;
    names_.append(name);
    slots_.push_back(s);
}

void ResultList::clear()
{
    std::string().swap(names_);
    std::vector<std::string>().swap(folders_);
    std::vector<Slot>().swap(slots_);
    dead_ = 0;
}

ResultRow ResultList::rowOfSlot(size_t slot) const
{
    const Slot &s = slots_[slot];
    ResultRow r;
    r.name = std::string_view(names_).substr(s.nameOffset, s.nameLength);
    r.folder = folders_[s.folderId];
    r.size = s.size;
    if (s.hasTime)
        r.mtime = s.mtime;
    r.tagged = s.tagged;
    return r;
}

std::string ResultList::tag(size_t pos) const
{
    const ResultRow r = row(pos);
    if (!r.tagged)
        return {};
    std::string key(r.folder);
    key.append(r.name);
    return key;
}

void ResultList::compact() const
{
    if (dead_ == 0)
        return;
    std::erase_if(slots_, [](const Slot &s) { return s.dead; });
    dead_ = 0;
}

size_t ResultList::slotOf(size_t pos) const
{
    compact();
    return pos;
}

void ResultList::removeAt(size_t pos)
{
    compact();
    slots_.erase(slots_.begin() + std::ptrdiff_t(pos));
}

void ResultList::removeSlot(size_t slot)
{
    if (!slots_[slot].dead) {
        slots_[slot].dead = true;
        ++dead_;
    }
}

void ResultList::reorder(const std::vector<uint32_t> &order)
{
    compact();
    std::vector<Slot> next;
    next.reserve(order.size());
    for (const uint32_t pos : order)
        next.push_back(slots_[pos]);
    slots_.swap(next);
}

void ResultList::setAllSelected(bool on)
{
    for (Slot &s : slots_)
        s.selected = on;
}

size_t ResultList::selectedCount() const
{
    return size_t(std::count_if(slots_.begin(), slots_.end(),
                                [](const Slot &s) { return s.selected && !s.dead; }));
}

std::optional<size_t> ResultList::findByTag(std::string_view key) const
{
    compact();
    for (size_t pos = 0; pos < slots_.size(); ++pos) {
        const ResultRow r = rowOfSlot(pos);
        if (r.tagged && key.size() == r.folder.size() + r.name.size()
            && key.substr(0, r.folder.size()) == r.folder && key.substr(r.folder.size()) == r.name)
            return pos;
    }
    return std::nullopt;
}

} // namespace tandara
