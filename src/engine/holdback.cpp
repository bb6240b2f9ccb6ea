#include "holdback.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace tandara {

void holdBack(ResultList &list, int side, ScanState &state)
{
    std::vector<std::string_view> unread;
    for (const UnreadFolder &folder : state.unreadFolders)
        if (folder.side != side)
            unread.push_back(folder.folder);
    if (unread.empty())
        return;
    // Rows of one folder share its text, so each folder is judged once.
    uint32_t judgedFolder = UINT32_MAX;
    bool under = false;
    for (size_t slot = 0; slot < list.slotCount(); ++slot) {
        if (!list.slotAlive(slot))
            continue;
        if (list.folderIdOfSlot(slot) != judgedFolder) {
            judgedFolder = list.folderIdOfSlot(slot);
            const std::string_view folder = list.rowOfSlot(slot).folder;
            under = std::any_of(unread.begin(), unread.end(),
                                [&](std::string_view u) { return folder.starts_with(u); });
        }
        if (under) {
            state.dTotaleLv[side] -= double(list.rowOfSlot(slot).size);
            list.removeSlot(slot);
        }
    }
}

} // namespace tandara
