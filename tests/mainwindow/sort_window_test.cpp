// The result lists from the window: header clicks sort them, the modified
// files' lists sort together, the commands act on the selected rows in any
// order, a new scan comes in walk order; every row's tooltip names its file
// under the root the scan read.

#include "mainwindow_fixture.h"

#include "widgets/resultlistview.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <set>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;

void clickHeader(ResultListView *view, int column)
{
    QHeaderView *header = view->header();
    view->horizontalScrollBar()->setValue(column < 2 ? 0 : view->horizontalScrollBar()->maximum());
    const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void selectRowsNamed(ResultListView *view, const std::set<std::string> &wanted)
{
    const ResultList &list = view->resultModel()->list();
    for (size_t pos = 0; pos < list.count(); ++pos)
        if (wanted.count(std::string(list.row(pos).name)))
            view->selectionModel()->select(view->model()->index(int(pos), 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

std::set<std::string> selectedNames(const ResultListView *view)
{
    std::set<std::string> out;
    for (const QModelIndex &row : view->selectionModel()->selectedRows())
        out.insert(std::string(view->resultModel()->list().row(size_t(row.row())).name));
    return out;
}

TEST_F(MainWindowTest, SortedModifiedListsStayPairedAndTheCopyTakesTheSelectedRows)
{
    // Origin sizes 5 1 3 2, destination sizes 1 4 2 3.
    makeTree(origin.path(), {{"a", 5, T}, {"b", 1, T}, {"c", 3, T}, {"d", 2, T}});
    makeTree(dest.path(), {{"a", 1, T + 1}, {"b", 4, T + 1}, {"c", 2, T + 1}, {"d", 3, T + 1}});
    scan(origin.path(), dest.path());
    window->cpvTabStrip_Click(1);

    clickHeader(window->lvFiles[3], ResultListModel::Dimensione);
    EXPECT_EQ(names(3), (std::vector<std::string>{"a", "c", "d", "b"}));
    EXPECT_EQ(names(2), names(3)) << "the origin side follows the destination's order";
    EXPECT_EQ(window->lvFiles[3]->header()->sortIndicatorSection(), int(ResultListModel::Dimensione));
    EXPECT_EQ(window->lvFiles[2]->header()->sortIndicatorSection(), -1);
    clickHeader(window->lvFiles[3], ResultListModel::Dimensione);
    EXPECT_EQ(names(3), (std::vector<std::string>{"b", "d", "c", "a"})) << "a second click sorts the other way";

    selectRowsNamed(window->lvFiles[2], {"a", "d"});
    clickHeader(window->lvFiles[2], ResultListModel::Nome);
    EXPECT_EQ(names(2), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(names(3), names(2));
    EXPECT_EQ(selectedNames(window->lvFiles[2]), (std::set<std::string>{"a", "d"})) << "the selection follows its rows";
    EXPECT_TRUE(window->models[2]->list().isSelected(0) && window->models[2]->list().isSelected(3));
    EXPECT_EQ(window->models[2]->list().selectedCount(), 2u);

    window->Copia(2);
    EXPECT_EQ(readFile(dest / "a"), "xxxxx");
    EXPECT_EQ(readFile(dest / "d"), "xx");
    EXPECT_EQ(readFile(dest / "b"), "xxxx") << "an unselected row is left alone";
    EXPECT_EQ(names(2), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(names(3), names(2)) << "the pairs are still side by side";
    EXPECT_EQ(window->models[3]->list().row(0).size, 4);
    EXPECT_EQ(window->state.dTotaleLv[2], 1.0 + 3.0);
    EXPECT_EQ(window->state.dTotaleLv[3], 4.0 + 2.0);
}

TEST_F(MainWindowTest, ANewScanComesInWalkOrderWithoutASortMark)
{
    makeTree(origin.path(), {{"m", 1, T}, {"z", 1, T}, {"a", 1, T}, {"k/q", 1, T}});
    scan(origin.path(), dest.path());
    const std::vector<std::string> walked = names(0);
    clickHeader(window->lvFiles[0], ResultListModel::Nome);
    clickHeader(window->lvFiles[0], ResultListModel::Nome);
    EXPECT_EQ(names(0), (std::vector<std::string>{"z", "q", "m", "a"}));
    window->cpvScansione_Click();
    EXPECT_EQ(names(0), walked);
    EXPECT_EQ(window->lvFiles[0]->header()->sortIndicatorSection(), -1);
}

TEST_F(MainWindowTest, RowTooltipsNameTheFileUnderTheScannedRoot)
{
    makeTree(origin.path(), {{"sub/only.txt", 1, T}, {"m.txt", 4, T + 60}});
    makeTree(dest.path(), {{"m.txt", 2, T}});
    scan(origin.path(), dest.path());
    EXPECT_EQ(window->models[0]->index(0, 0).data(Qt::ToolTipRole).toString(),
              QString::fromStdString(origin / "sub/only.txt"));
    const QString destinationTip = window->models[3]->index(0, 0).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(destinationTip.startsWith(QString::fromStdString(dest / "m.txt") + "\nOrigine: 4 byte, "));
    EXPECT_TRUE(destinationTip.contains("(più recente)\nDestinazione: 2 byte, "));
}

} // namespace
} // namespace tandara::test
