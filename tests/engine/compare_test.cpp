// The comparison: which list each file ends in, the byte totals, and the
// order of rows against the plain search of list 0.

#include "scan_fixture.h"

#include "engine/sincro.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <random>

namespace tandara::test {
namespace {

struct CompareCase {
    const char *what;
    std::vector<Entry> origin, dest;
    std::vector<std::string> list0, list1, list2, list3;
};

class Classification : public ::testing::TestWithParam<CompareCase> {};

TEST_P(Classification, SortsEachFileIntoItsList)
{
    const CompareCase &c = GetParam();
    TempDir origin, dest;
    makeTree(origin.path(), c.origin);
    makeTree(dest.path(), c.dest);
    ScanResult result;
    scanTrees(result, origin.path(), dest.path());
    ASSERT_TRUE(result.completed);
    // Rows follow the file system's listing order, which differs from one
    // file system to another: compare them as sets.
    const auto sorted = [](std::vector<std::string> keys) {
        std::sort(keys.begin(), keys.end());
        return keys;
    };
    EXPECT_EQ(sorted(result.keys(0)), c.list0);
    EXPECT_EQ(sorted(result.keys(1)), c.list1);
    EXPECT_EQ(sorted(result.keys(2)), c.list2);
    EXPECT_EQ(sorted(result.keys(3)), c.list3);
    for (int k = 0; k < kListCount; ++k) {
        double sum = 0;
        for (size_t pos = 0; pos < result.lists[k].count(); ++pos)
            sum += double(result.lists[k].row(pos).size);
        EXPECT_EQ(result.state.dTotaleLv[k], sum) << "total of list " << k;
        EXPECT_EQ(result.state.m_lNumItems[k], int32_t(result.lists[k].count()));
    }
}

const int64_t T = 1700000000;

INSTANTIATE_TEST_SUITE_P(
    Cases, Classification,
    ::testing::Values(
        CompareCase{"identical", {{"a.txt", 10, T}}, {{"a.txt", 10, T}}, {}, {}, {}, {}},
        CompareCase{"one byte more", {{"s/a.txt", 1000, T}}, {{"s/a.txt", 1001, T}}, {}, {}, {"/s/a.txt"}, {"/s/a.txt"}},
        CompareCase{"one second older", {{"a.txt", 5, T}}, {{"a.txt", 5, T - 1}}, {}, {}, {"/a.txt"}, {"/a.txt"}},
        CompareCase{"one second newer", {{"a.txt", 5, T}}, {{"a.txt", 5, T + 1}}, {}, {}, {"/a.txt"}, {"/a.txt"}},
        CompareCase{"moved to a subfolder", {{"a.txt", 5, T}}, {{"Sub/a.txt", 5, T}}, {"/a.txt"}, {"/Sub/a.txt"}, {}, {}},
        CompareCase{"empty origin", {}, {{"x", 1, T}, {"y/z", 2, T}}, {}, {"/x", "/y/z"}, {}, {}},
        CompareCase{"empty destination", {{"x", 1, T}}, {}, {"/x"}, {}, {}, {}},
        CompareCase{"letter case counts", {{"A.txt", 1, T}}, {{"a.txt", 1, T}}, {"/A.txt"}, {"/a.txt"}, {}, {}},
        CompareCase{"dot folders are never compared", {{".git/x", 1, T}}, {{".git/x", 2, T}}, {}, {}, {}, {}},
        CompareCase{"not utf-8", {{"\xe9t\xe9", 1, T}}, {{"\xe9t\xe9", 1, T}, {"\xe9t\xe8", 1, T}}, {}, {"/\xe9t\xe8"}, {}, {}}),
    [](const auto &info) {
        std::string name = info.param.what;
        for (char &ch : name)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(Comparison, ModifiedPairShowsEachSidesOwnSizeAndTime)
{
    TempDir origin, dest;
    makeTree(origin.path(), {{"a.txt", 1000, T}});
    makeTree(dest.path(), {{"a.txt", 1001, T - 60}});
    ScanResult result;
    scanTrees(result, origin.path(), dest.path());
    ASSERT_EQ(result.lists[2].count(), 1u);
    ASSERT_EQ(result.lists[3].count(), 1u);
    EXPECT_EQ(result.lists[2].row(0).size, 1000);
    EXPECT_EQ(result.lists[2].row(0).mtime, T);
    EXPECT_EQ(result.lists[3].row(0).size, 1001);
    EXPECT_EQ(result.lists[3].row(0).mtime, T - 60);
    EXPECT_EQ(result.lists[2].tag(0), "") << "only rows of list 0 carry a tag";
}

// Regression: an hour that occurs twice when the clocks go back must not
// make identical files look modified (times are compared as values).
TEST(Comparison, RepeatedHourAtTheEndOfSummerTimeStaysIdentical)
{
    const char *old = getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "Europe/Rome", 1);
    tzset();
    TempDir origin, dest;
    const int64_t secondTwoThirty = 1698539400; // 2023-10-29 02:30 CET (after the change)
    makeTree(origin.path(), {{"a", 1, secondTwoThirty}, {"b", 1, secondTwoThirty - 3600}});
    makeTree(dest.path(), {{"a", 1, secondTwoThirty}, {"b", 1, secondTwoThirty}});
    ScanResult result;
    scanTrees(result, origin.path(), dest.path());
    EXPECT_EQ(result.keys(2), std::vector<std::string>{"/b"});
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

// The plain algorithm: list 0 searched row by row for the first row with
// the key, as the comparison was first written.
void plainCompare(ResultList &list0, ResultList &list1, ResultList &list2, ResultList &list3,
                  const std::vector<std::tuple<std::string, std::string, int64_t, int64_t>> &destFiles)
{
    for (const auto &[name, folder, size, mtime] : destFiles) {
        const std::optional<size_t> found = list0.findByTag(folder + name);
        if (!found) {
            list1.append(name, folder, size, mtime, false);
            continue;
        }
        const ResultRow origin = list0.row(*found);
        const int64_t originSize = origin.size;
        const std::optional<int64_t> originTime = origin.mtime;
        list0.removeAt(*found);
        if (originSize != size || originTime != mtime) {
            list2.append(name, folder, originSize, originTime, false);
            list3.append(name, folder, size, mtime, false);
        }
    }
}

TEST(Comparison, IndexedLookupGivesTheRowsOfThePlainSearchInTheSameOrder)
{
    std::mt19937 random(20261208);
    for (int round = 0; round < 20; ++round) {
        ResultList fast0(IconKey::NuovoO), fast1(IconKey::NuovoD), fast2(IconKey::AggiornatoO),
            fast3(IconKey::AggiornatoD);
        ResultList slow0(IconKey::NuovoO), slow1(IconKey::NuovoD), slow2(IconKey::AggiornatoO),
            slow3(IconKey::AggiornatoD);
        // Few distinct keys, so duplicates in list 0 and repeated look-ups
        // both occur.
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        for (int i = 0; i < 60; ++i) {
            const std::string folder = "/f" + std::to_string(pick(3)) + "/";
            const std::string name = "n" + std::to_string(pick(8));
            fast0.append(name, folder, pick(3), T + pick(2), true);
            slow0.append(name, folder, fast0.row(fast0.count() - 1).size, *fast0.row(fast0.count() - 1).mtime, true);
        }
        std::vector<std::tuple<std::string, std::string, int64_t, int64_t>> destFiles;
        for (int i = 0; i < 80; ++i)
            destFiles.emplace_back("n" + std::to_string(pick(9)), "/f" + std::to_string(pick(4)) + "/",
                                   pick(3), T + pick(2));

        ScanState state;
        Sincro feeder({&fast0, &fast1, &fast2, &fast3}, state, {});
        feeder.beginComparison();
        for (const auto &[name, folder, size, mtime] : destFiles)
            feeder.ConfrontaFile(name, folder, size, mtime);
        feeder.endComparison();
        plainCompare(slow0, slow1, slow2, slow3, destFiles);

        for (auto [fast, slow] : {std::pair{&fast0, &slow0}, {&fast1, &slow1}, {&fast2, &slow2}, {&fast3, &slow3}}) {
            ASSERT_EQ(fast->count(), slow->count()) << "round " << round;
            for (size_t pos = 0; pos < fast->count(); ++pos) {
                EXPECT_EQ(fast->row(pos).folder, slow->row(pos).folder);
                EXPECT_EQ(fast->row(pos).name, slow->row(pos).name);
                EXPECT_EQ(fast->row(pos).size, slow->row(pos).size);
                EXPECT_EQ(fast->row(pos).mtime, slow->row(pos).mtime);
            }
        }
    }
}

} // namespace
} // namespace tandara::test
