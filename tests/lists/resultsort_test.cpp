// Sorting a result list and a pair of them: the order, its stability, and
// what travels with the rows (selection, persistent indexes, the partner).

#include "lists/resultlistmodel.h"
#include "lists/resultsort.h"

#include <QAbstractItemModelTester>
#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <gtest/gtest.h>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;

std::vector<std::string> names(const ResultList &list)
{
    std::vector<std::string> out;
    for (size_t pos = 0; pos < list.count(); ++pos)
        out.emplace_back(list.row(pos).name);
    return out;
}

void sortList(ResultList &list, SortKey key, bool descending = false)
{
    list.reorder(sortOrder(list, key, descending));
}

TEST(ResultSort, EachKeyOrdersItsColumnAndTiesKeepTheirOrder)
{
    ResultList list(IconKey::NuovoO);
    list.append("b.txt", "/Z/", 30, T + 2, true);
    list.append("A.txt", "/a/", 10, std::nullopt, true);
    list.append("c.txt", "/z/", 20, T + 1, true);
    list.append("a.txt", "/B/", 10, T, true);

    sortList(list, SortKey::Name);
    EXPECT_EQ(names(list), (std::vector<std::string>{"A.txt", "a.txt", "b.txt", "c.txt"}))
        << "letters compare without case; equal names keep their order";
    sortList(list, SortKey::Name, true);
    EXPECT_EQ(names(list), (std::vector<std::string>{"c.txt", "b.txt", "A.txt", "a.txt"}))
        << "the other way, ties still in their order";

    sortList(list, SortKey::Size);
    EXPECT_EQ(names(list), (std::vector<std::string>{"A.txt", "a.txt", "c.txt", "b.txt"}));
    sortList(list, SortKey::Time);
    EXPECT_EQ(names(list), (std::vector<std::string>{"A.txt", "a.txt", "c.txt", "b.txt"}))
        << "a row without a time comes first";
    sortList(list, SortKey::Time, true);
    EXPECT_EQ(list.row(3).name, "A.txt");

    // "/Z/" and "/z/" are one folder to the sort: b and c keep their order.
    sortList(list, SortKey::Name);
    sortList(list, SortKey::Folder);
    EXPECT_EQ(names(list), (std::vector<std::string>{"A.txt", "a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(list.row(0).folder, "/a/");
}

TEST(ResultSort, RowsKeepTheirDataSelectionAndTagAndRemovalsAreSqueezedFirst)
{
    ResultList list(IconKey::NuovoO);
    for (int i = 0; i < 6; ++i)
        list.append(std::string(1, char('f' - i)), "/d" + std::to_string(i % 2) + "/", i, T + i, true);
    list.removeSlot(1); // "e" goes, as the comparison removes matched rows
    list.setSelected(0, true); // "f"
    list.setSelected(3, true); // "b"
    sortList(list, SortKey::Name);
    EXPECT_EQ(names(list), (std::vector<std::string>{"a", "b", "c", "d", "f"}));
    EXPECT_EQ(list.selectedCount(), 2u);
    EXPECT_TRUE(list.isSelected(1));
    EXPECT_TRUE(list.isSelected(4));
    EXPECT_EQ(list.row(4).size, 0);
    EXPECT_EQ(list.row(4).mtime, T);
    EXPECT_EQ(list.tag(4), "/d0/f");
    EXPECT_EQ(list.findByTag("/d0/b"), 1u);
}

struct PairTest : ::testing::Test {
    PairTest()
    {
        ResultListModel::pair(origin, destination);
        // Three modified files; the destination's sizes run the other way.
        const char *files[] = {"x", "y", "z"};
        for (int i = 0; i < 3; ++i) {
            origin.appendRow(ResultRow{files[i], "/", 10 + i, T + i, false});
            destination.appendRow(ResultRow{files[i], "/", 30 - i, T, false});
        }
    }
    ResultListModel origin{IconKey::AggiornatoO};
    ResultListModel destination{IconKey::AggiornatoD};
    QAbstractItemModelTester originTester{&origin, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester destinationTester{&destination, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(PairTest, SortingOneSideReordersBothAndPersistentIndexesFollow)
{
    const QPersistentModelIndex zOrigin = origin.index(2, 1);
    const QPersistentModelIndex zDestination = destination.index(2, 0);
    origin.list().setSelected(2, true);

    destination.sort(ResultListModel::Dimensione, Qt::AscendingOrder);
    EXPECT_EQ(names(destination.list()), (std::vector<std::string>{"z", "y", "x"}));
    EXPECT_EQ(names(origin.list()), names(destination.list())) << "the pairs stay side by side";
    EXPECT_EQ(zOrigin.row(), 0);
    EXPECT_EQ(zOrigin.column(), 1);
    EXPECT_EQ(zDestination.row(), 0);
    EXPECT_TRUE(origin.list().isSelected(0));
    EXPECT_EQ(destination.sortColumn(), ResultListModel::Dimensione);
    EXPECT_EQ(origin.sortColumn(), -1) << "the partner's rows are not in its own order";

    origin.sort(ResultListModel::Dimensione, Qt::DescendingOrder);
    EXPECT_EQ(names(origin.list()), (std::vector<std::string>{"z", "y", "x"}));
    EXPECT_EQ(destination.sortColumn(), -1);

    origin.sort(ResultListModel::Nome, Qt::AscendingOrder);
    origin.clear();
    EXPECT_EQ(origin.sortColumn(), -1) << "a cleared list has no order";
}

TEST_F(PairTest, TooltipsGiveThePathAndBothSidesAndTheNewerTimeIsBold)
{
    origin.setPathBase("/home/anna");
    destination.setPathBase("");
    const auto when = [](int64_t t) {
        return QLocale().toString(QDateTime::fromSecsSinceEpoch(t), "dd/MM/yyyy HH:mm:ss");
    };
    EXPECT_EQ(origin.index(1, 0).data(Qt::ToolTipRole).toString(),
              "/home/anna/y\nOrigine: 11 byte, " + when(T + 1) + " (più recente)\nDestinazione: 29 byte, " + when(T));
    EXPECT_TRUE(destination.index(1, 0).data(Qt::ToolTipRole).toString().startsWith("/y\n"))
        << "the file-system root joins as nothing";

    const auto bold = [](const ResultListModel &m, int row, int column) {
        return m.index(row, column).data(Qt::FontRole).value<QFont>().bold();
    };
    EXPECT_TRUE(bold(origin, 1, ResultListModel::Modificato));
    EXPECT_FALSE(bold(destination, 1, ResultListModel::Modificato));
    EXPECT_FALSE(bold(origin, 1, ResultListModel::Nome)) << "only the time is bold";
    EXPECT_FALSE(bold(origin, 0, ResultListModel::Modificato)) << "equal times: neither side is newer";
    EXPECT_FALSE(origin.index(0, 0).data(Qt::ToolTipRole).toString().contains("più recente"));
    origin.appendRow(ResultRow{"w", "/", 1, std::nullopt, false});
    destination.list().append("w", "/", 1, T + 9, false);
    EXPECT_FALSE(bold(destination, 3, ResultListModel::Modificato)) << "without both times neither side is newer";
    destination.list().append("v", "/", 1, T + 9, false);
    EXPECT_FALSE(bold(destination, 4, ResultListModel::Modificato)) << "a row without a partner";
}

} // namespace
} // namespace tandara::test
