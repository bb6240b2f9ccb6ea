// The key index: first live row in list order, removals honoured.

#include "engine/keyindex.h"

#include <gtest/gtest.h>

namespace tandara::test {
namespace {

std::optional<size_t> find(const KeyIndex &index, std::string_view folder, std::string_view name)
{
    KeyHash folderHash;
    folderHash.add(folder);
    return index.findFirst(folderHash, folder, name);
}

TEST(KeyIndex, FindsTheFirstLiveRowWithTheKey)
{
    ResultList list(IconKey::NuovoO);
    list.append("a", "/x/", 1, 0, true);  // slot 0
    list.append("b", "/x/", 1, 0, true);  // slot 1
    list.append("a", "/x/", 2, 0, true);  // slot 2, same key as slot 0
    list.append("xa", "/", 1, 0, true);   // slot 3: "/xa" is not "/x/a"
    list.append("a", "/y/", 1, 0, false); // slot 4: no tag, never found
    KeyIndex index;
    index.build(list);

    EXPECT_EQ(find(index, "/x/", "a"), 0u);
    list.removeSlot(0);
    EXPECT_EQ(find(index, "/x/", "a"), 2u);
    list.removeSlot(2);
    EXPECT_EQ(find(index, "/x/", "a"), std::nullopt);
    EXPECT_EQ(find(index, "/", "xa"), 3u);
    EXPECT_EQ(find(index, "/", "x/a"), std::nullopt);
    EXPECT_EQ(find(index, "/y/", "a"), std::nullopt);
    EXPECT_EQ(find(index, "/x/", "B"), std::nullopt);

    ResultList empty(IconKey::NuovoO);
    index.build(empty);
    EXPECT_EQ(find(index, "/", "a"), std::nullopt);
}

TEST(ResultListPositions, RemovalsBySlotAreSqueezedOutBeforePositionsAreUsed)
{
    ResultList list(IconKey::NuovoO);
    for (const char *name : {"a", "b", "c", "d"})
        list.append(name, "/", 1, 0, true);
    list.removeSlot(1);
    list.removeSlot(3);
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(list.row(0).name, "a");
    EXPECT_EQ(list.row(1).name, "c");
    EXPECT_EQ(list.findByTag("/c"), 1u);
    list.removeAt(0);
    EXPECT_EQ(list.row(0).name, "c");
    EXPECT_EQ(list.tag(0), "/c");
}

} // namespace
} // namespace tandara::test
