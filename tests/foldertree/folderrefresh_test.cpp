// The tree follows the disk: entries listed afresh when opened and on F5,
// the selection kept where it still exists, and every entry's full path
// as its tooltip.
#include "fakefolders.h"
#include "foldertree/foldermodel.h"
#include "foldertree/folderview.h"
#include "foldertree/folderwalk.h"
#include "support/temptree.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using namespace tandara;
using tandara::test::TempDir;
using tandara::test::childNames;
namespace fsys = std::filesystem;

namespace {

FolderItem childNamed(const FolderItem &parent, const QString &name)
{
    for (FolderItem item = parent.FirstChild(); !item.isNull(); item = item.NextSibling())
        if (item.DisplayName() == name)
            return item;
    return {};
}

struct RefreshTest : ::testing::Test {
    RefreshTest()
    {
        test::makeTree(dir.path(), {{"a/keep/inner/"}, {"b/"}, {"d/"}});
        auto source = std::make_unique<test::FolderAt>(dir.path());
        counted = source.get();
        tree = std::make_unique<FolderView>(std::move(source));
        tree->resize(300, 400);
        tree->show();
    }
    FolderItem top() const { return tree->topFolder(); }
    QModelIndex indexOf(const FolderItem &item) const
    {
        tree->setSelectedFolder(item);
        return tree->currentIndex();
    }

    TempDir dir;
    test::FolderAt *counted = nullptr;
    std::unique_ptr<FolderView> tree;
};

TEST_F(RefreshTest, OpeningAnEntryAgainListsItAfreshAndKeepsWhatStayed)
{
    const FolderItem a = childNamed(top(), "a");
    const QModelIndex aIndex = indexOf(a);
    const int before = counted->listings;
    tree->expand(aIndex);
    EXPECT_EQ(counted->listings, before + 1) << "the first opening lists once";
    const FolderItem keep = childNamed(a, "keep");
    keep.Expand();
    tree->setSelectedFolder(keep);

    fsys::create_directory(dir / "a/new");
    fsys::create_directory(dir / "c");
    tree->collapse(aIndex);
    tree->expand(aIndex);
    EXPECT_EQ(childNames(a), QStringList({"keep", "new"}));
    EXPECT_EQ(tree->SelectedFolder(), keep) << "the selection stays on an entry still there";
    EXPECT_TRUE(tree->isExpanded(indexOf(keep))) << "and what was open below stays open";
    EXPECT_EQ(childNames(top()), QStringList({"a", "b", "d"})) << "only the opened entry is listed again";
}

TEST_F(RefreshTest, F5ListsTheSelectedLevelAndBelowAndASelectionGoneMovesUp)
{
    const FolderItem b = childNamed(top(), "b");
    tree->setSelectedFolder(b);
    fsys::create_directory(dir / "b/sub");
    fsys::create_directory(dir / "c");
    fsys::remove(dir / "d");
    QTest::keyClick(tree.get(), Qt::Key_F5);
    EXPECT_EQ(childNames(top()), QStringList({"a", "b", "c"}));
    EXPECT_EQ(tree->SelectedFolder(), b);
    EXPECT_EQ(childNames(b), QStringList({"sub"}));
    EXPECT_TRUE(tree->model()->hasChildren(indexOf(b))) << "an entry that gained a folder can be opened";

    const FolderItem sub = childNamed(b, "sub");
    tree->setSelectedFolder(sub);
    fsys::remove(dir / "b/sub");
    QTest::keyClick(tree.get(), Qt::Key_F5);
    EXPECT_TRUE(sub.isNull());
    EXPECT_EQ(tree->SelectedFolder(), b) << "the entry listed afresh takes the selection";
}

TEST_F(RefreshTest, AModelListedAfreshStaysConsistent)
{
    FolderModel model(std::make_unique<test::FolderAt>(dir.path()));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.ensureListed(model.topIndex());
    const QModelIndex a = model.index(0, 0, model.topIndex());
    model.ensureListed(a);
    fsys::remove_all(dir / "b");
    fsys::create_directory(dir / "0");
    fsys::create_directory(dir / "c");
    fsys::create_directory(dir / "e");
    model.refresh(model.topIndex());
    QStringList names;
    for (int row = 0; row < model.rowCount(model.topIndex()); ++row)
        names << model.index(row, 0, model.topIndex()).data().toString();
    EXPECT_EQ(names, QStringList({"0", "a", "c", "d", "e"}));
    EXPECT_EQ(model.rowCount(model.index(1, 0, model.topIndex())), 1) << "a's listing is kept";
}

TEST(FolderTips, EveryEntryShowsItsFullPath)
{
    TempDir dir;
    test::makeTree(dir.path(), {{"una cartella con un nome lungo/"}});
    FolderView tree(std::make_unique<test::FolderAt>(dir.path()));
    const FolderItem entry = tree.topFolder().FirstChild();
    tree.setSelectedFolder(entry);
    EXPECT_EQ(tree.currentIndex().data(Qt::ToolTipRole).toString(),
              QString::fromStdString(dir / "una cartella con un nome lungo"));

    FolderView system;
    EXPECT_EQ(system.currentIndex().data(Qt::ToolTipRole).toString(), "Desktop");
    ASSERT_TRUE(selectFolderPath(system, QByteArray::fromStdString(dir.path())));
    EXPECT_EQ(system.currentIndex().data(Qt::ToolTipRole).toString(), QString::fromStdString(dir.path()));
}

TEST(SelectFolderPath, FindsAFolderMadeAfterItsParentWasListed)
{
    TempDir dir;
    FolderView tree;
    ASSERT_TRUE(selectFolderPath(tree, QByteArray::fromStdString(dir.path())));
    tree.SelectedFolder().ItemCount();
    fsys::create_directories(dir / "nuova/sotto");
    EXPECT_TRUE(selectFolderPath(tree, QByteArray::fromStdString(dir / "nuova/sotto")));
    EXPECT_EQ(tree.SelectedFolder().DisplayName(), "sotto");
}

} // namespace
