#include "commandsteps.h"

namespace tandara {

std::optional<SelectionSizes> sizeSelection(const ResultList &list, const std::function<bool()> &afterRow)
{
    SelectionSizes sizes;
    for (size_t pos = list.count(); pos-- > 0;) {
        if (!list.isSelected(pos))
            continue;
        const int64_t size = list.row(pos).size;
        ++sizes.selected;
        sizes.total += double(size);
        sizes.required += uint64_t(size) + kCopyOverhead;
        if (!afterRow())
            return std::nullopt;
    }
    return sizes;
}

} // namespace tandara
