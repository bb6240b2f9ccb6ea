// The start-up walk and the show-files refresh.
#include "fakefolders.h"
#include "foldertree/folderview.h"
#include "foldertree/folderwalk.h"

#include <gtest/gtest.h>

using namespace tandara;

namespace {

std::unique_ptr<test::NamedFolders> named(std::map<QString, QStringList> below)
{
    auto source = std::make_unique<test::NamedFolders>();
    source->below = std::move(below);
    return source;
}

TEST(StartupWalk, EndsOnTheHomeFolderOpened)
{
    FolderView tree;
    startupWalk(tree);
    EXPECT_EQ(tree.SelectedFolder().folderPathBytes(), homeFolderPath());
    EXPECT_TRUE(tree.isExpanded(tree.currentIndex()));
}

TEST(StartupWalk, FindsTheComputerFurtherAlongTheLevel)
{
    FolderView tree(named({{"Desktop", {"Documenti", "Risorse del computer", "Rete"}},
                           {"Documenti", {"x"}},
                           {"Risorse del computer", {"C:", "D:", "E:"}},
                           {"D:", {"dati"}}}));
    startupWalk(tree);
    EXPECT_EQ(tree.SelectedFolder().DisplayName(), QStringLiteral("D:"));
    EXPECT_TRUE(tree.isExpanded(tree.currentIndex()));
}

TEST(StartupWalk, WithoutTheComputerStaysOnTheLastEntryVisited)
{
    // Documenti has two entries, so up to three entries are visited.
    FolderView tree(named({{"Desktop", {"Documenti", "Rete", "Cestino"}}, {"Documenti", {"a", "b"}}}));
    startupWalk(tree);
    EXPECT_EQ(tree.SelectedFolder().DisplayName(), QStringLiteral("Cestino"));

    // An empty first entry bounds the walk to one step.
    FolderView short_(named({{"Desktop", {"Documenti", "Rete", "Risorse del computer"}},
                             {"Risorse del computer", {"C:", "D:"}}}));
    startupWalk(short_);
    EXPECT_EQ(short_.SelectedFolder().DisplayName(), QStringLiteral("Rete"));
}

TEST(StartupWalk, ComputerWithOneEntryOpensThatOneAndEmptyTreeStaysOnTop)
{
    FolderView one(named({{"Desktop", {"Risorse del computer"}}, {"Risorse del computer", {"C:"}}}));
    startupWalk(one);
    EXPECT_EQ(one.SelectedFolder().DisplayName(), QStringLiteral("C:"));

    FolderView empty(named({}));
    startupWalk(empty);
    EXPECT_EQ(empty.SelectedFolder(), empty.topFolder());
}

TEST(ShowFilesRefresh, SelectsTheComputerAndOpensItsFirstEntry)
{
    FolderView tree;
    startupWalk(tree);
    tree.setShowFiles(true);
    showFilesRefresh(tree);
    const FolderItem selected = tree.SelectedFolder();
    EXPECT_EQ(selected.DisplayName(), QStringLiteral("Risorse del computer"));
    EXPECT_TRUE(tree.isExpanded(tree.currentIndex().model()->index(0, 0, tree.currentIndex())));
}

} // namespace
