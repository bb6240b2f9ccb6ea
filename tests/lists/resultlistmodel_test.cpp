// The result-list model stays consistent through every kind of change and
// formats each column as the lists show it.

#include "lists/resultlistmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;

TEST(ResultListModel, StaysConsistentThroughAppendsRemovalsAndBulkChanges)
{
    ResultListModel model(IconKey::NuovoO);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const std::string names[] = {"a", "b", "c", "d", "e"};
    for (int i = 0; i < 5; ++i)
        model.appendRow(ResultRow{names[i], "/", i, T, true});
    model.removeRowAt(4);
    model.removeRowAt(0);
    EXPECT_EQ(model.rowCount(), 3);

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    model.beginBulkChange();
    for (int i = 0; i < 1000; ++i)
        model.list().append("g", "/a/", i, T, true);
    model.list().removeSlot(0);
    model.endBulkChange();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserts.count(), 0) << "a bulk change signals once, not per row";
    EXPECT_EQ(model.rowCount(), 1002);

    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(ResultListModel, ColumnsShowNameFolderSizeAndTimeTexts)
{
    ResultListModel model(IconKey::AggiornatoD);
    model.appendRow(ResultRow{"mare.jpg", "/Foto/2003/", 1234, T, false});
    model.appendRow(ResultRow{"\xe9t\xe9", "/", 5, std::nullopt, false});
    auto text = [&](int row, int column) { return model.index(row, column).data().toString(); };

    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Nome");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Percorso");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "Dimensione");
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "Modificato");
    EXPECT_EQ(text(0, 0), "mare.jpg");
    EXPECT_EQ(text(0, 1), "/Foto/2003/");
    EXPECT_EQ(text(0, 2), "1.234");
    EXPECT_EQ(text(0, 3), QLocale().toString(QDateTime::fromSecsSinceEpoch(T), "dd/MM/yyyy HH:mm:ss"));
    EXPECT_EQ(text(1, 2), "05");
    EXPECT_EQ(text(1, 3), "") << "a row without a time shows none";
    EXPECT_FALSE(text(1, 0).isEmpty()) << "a name that is not UTF-8 is still shown";
    EXPECT_EQ(model.index(0, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(model.index(0, 0).data(ResultListModel::IconKeyRole).toString(), "AggiornatoD");
    // The bytes behind the display text are untouched.
    EXPECT_EQ(model.list().row(1).name, "\xe9t\xe9");
}

TEST(ResultListModel, SelectionFollowsRowsThroughRemovals)
{
    ResultListModel model(IconKey::NuovoO);
    for (const char *name : {"a", "b", "c"})
        model.appendRow(ResultRow{name, "/", 1, T, true});
    model.list().setSelected(0, true);
    model.list().setSelected(2, true);
    model.removeRowAt(1);
    EXPECT_TRUE(model.list().isSelected(0));
    EXPECT_TRUE(model.list().isSelected(1));
    EXPECT_EQ(model.list().selectedCount(), 2u);
    model.list().setAllSelected(false);
    EXPECT_EQ(model.list().selectedCount(), 0u);
}

} // namespace
} // namespace tandara::test
