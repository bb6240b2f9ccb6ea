// The folder tree: its fixed top levels, lazy listing, paths as bytes,
// and what ShowFiles changes.
#include "fakefolders.h"
#include "foldertree/folderview.h"
#include "support/temptree.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tandara;
using tandara::test::TempDir;
using tandara::test::childNames;

namespace {

TEST(FolderView, DesktopOnTopSelectedThenComputerThenRootAndHome)
{
    FolderView tree;
    const FolderItem desktop = tree.SelectedFolder();
    ASSERT_FALSE(desktop.isNull());
    EXPECT_EQ(desktop, tree.topFolder());
    EXPECT_EQ(desktop.DisplayName(), QStringLiteral("Desktop"));
    EXPECT_EQ(desktop.FolderPath(), QStringLiteral("Desktop"));
    EXPECT_TRUE(desktop.NextSibling().isNull());

    const FolderItem computer = desktop.FirstChild();
    EXPECT_EQ(computer.DisplayName(), QStringLiteral("Risorse del computer"));
    EXPECT_TRUE(computer.FolderPath().isEmpty());
    EXPECT_EQ(desktop.ItemCount(), 1);

    const FolderItem root = computer.FirstChild();
    const FolderItem home = root.NextSibling();
    EXPECT_EQ(root.folderPathBytes(), QByteArray("/"));
    EXPECT_EQ(home.folderPathBytes(), homeFolderPath());
    EXPECT_EQ(home.FolderPath(), QDir::homePath());
    EXPECT_EQ(home.DisplayName(), QDir(QDir::homePath()).dirName());
    EXPECT_GE(computer.ItemCount(), 2);
    for (FolderItem v = home.NextSibling(); !v.isNull(); v = v.NextSibling()) {
        EXPECT_NE(v.folderPathBytes(), QByteArray("/"));
        EXPECT_FALSE(v.folderPathBytes().startsWith("/proc"));
        EXPECT_EQ(v.kind(), FolderKind::Drive);
    }
}

TEST(FolderView, ChildrenAreListedOnceWhenFirstAskedAndSorted)
{
    TempDir dir;
    test::makeTree(dir.path(), {{"b/deep/"}, {"C/"}, {"a/"}, {"file.txt"}});
    auto source = std::make_unique<test::FolderAt>(dir.path());
    test::FolderAt *counted = source.get();
    FolderView tree(std::move(source));
    EXPECT_EQ(counted->listings, 0);

    const FolderItem top = tree.topFolder();
    EXPECT_EQ(childNames(top), QStringList({"a", "b", "C"}));
    EXPECT_EQ(top.ItemCount(), 3);
    EXPECT_EQ(counted->listings, 1);

    const FolderItem b = top.FirstChild().NextSibling();
    EXPECT_EQ(b.folderPathBytes(), QByteArray::fromStdString(dir / "b"));
    EXPECT_EQ(b.FirstChild().DisplayName(), QStringLiteral("deep"));
    EXPECT_EQ(counted->listings, 2);
    b.FirstChild();
    EXPECT_EQ(counted->listings, 2);
}

TEST(FolderView, FolderPathBytesAreExactForNamesThatAreNotUtf8)
{
    TempDir dir;
    const std::string odd = dir / "\xff\xfe-dati";
    ASSERT_EQ(::mkdir(odd.c_str(), 0755), 0);
    FolderView tree(std::make_unique<test::FolderAt>(dir.path()));
    const FolderItem item = tree.topFolder().FirstChild();
    ASSERT_FALSE(item.isNull());
    EXPECT_EQ(item.folderPathBytes(), QByteArray::fromStdString(odd));
    EXPECT_FALSE(item.FolderPath().isEmpty());
}

TEST(FolderView, ShowFilesListsFilesAndStartsAgainFromTheDesktop)
{
    TempDir dir;
    test::makeTree(dir.path(), {{"sub/"}, {"z.txt"}});
    FolderView tree(std::make_unique<test::FolderAt>(dir.path()));
    const FolderItem sub = tree.topFolder().FirstChild();
    tree.setSelectedFolder(sub);
    EXPECT_EQ(childNames(tree.topFolder()), QStringList({"sub"}));

    tree.setShowFiles(true);
    EXPECT_TRUE(tree.ShowFiles());
    EXPECT_TRUE(sub.isNull());
    EXPECT_EQ(tree.SelectedFolder(), tree.topFolder());
    EXPECT_EQ(childNames(tree.topFolder()), QStringList({"sub", "z.txt"}));
    EXPECT_EQ(tree.topFolder().FirstChild().NextSibling().kind(), FolderKind::File);

    tree.setShowFiles(false);
    EXPECT_EQ(childNames(tree.topFolder()), QStringList({"sub"}));
}

TEST(FolderView, SelectingAndExpandingOpenTheWayDown)
{
    TempDir dir;
    test::makeTree(dir.path(), {{"a/b/c/"}});
    FolderView tree(std::make_unique<test::FolderAt>(dir.path()));
    const FolderItem b = tree.topFolder().FirstChild().FirstChild();
    tree.setSelectedFolder(b);
    EXPECT_EQ(tree.SelectedFolder(), b);
    EXPECT_TRUE(tree.isExpanded(tree.currentIndex().parent()));
    EXPECT_FALSE(tree.isExpanded(tree.currentIndex()));
    b.Expand();
    EXPECT_TRUE(tree.isExpanded(tree.currentIndex()));

    tree.setSelectedFolder(FolderItem());
    EXPECT_EQ(tree.SelectedFolder(), b);
    FolderView other;
    tree.setSelectedFolder(other.topFolder());
    EXPECT_EQ(tree.SelectedFolder(), b);
}

} // namespace
