// The window never acts on what the user did not choose, nor outside the
// two trees: right press, a second scan inside the first, overlapping
// roots, unread folders; and the commands' edges that tests must pin.

#include "mainwindow_fixture.h"

#include "engine/scantexts.h"
#include "fileops/ui/frmanimate.h"
#include "widgets/resultlistview.h"
#include "widgets/cpvbutton.h"
#include "foldertree/folderview.h"
#include "mainwindow/frmserv.h"
#include "support/mounts.h"
#include "support/outsidetree.h"

#include <QAction>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <sys/mount.h>
#include <sys/statvfs.h>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;
namespace fsys = std::filesystem;

QPoint rowCentre(ResultListView *view, int row)
{
    return view->visualRect(view->model()->index(row, 0)).center();
}

void rightClick(ResultListView *view, QPoint at)
{
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, at);
}

// Regression: a right press never changed the selection, so "Elimina" on
// the row under the pointer deleted the row selected before.
TEST_F(MainWindowTest, RightPressSelectsTheRowUnderThePointerAndElsewhereClears)
{
    makeTree(origin.path(), {{"a", 1, T}, {"b", 1, T}, {"c", 1, T}});
    scan(origin.path(), dest.path());
    ResultListView *view = window->lvFiles[0];
    const ResultList &list = window->models[0]->list();
    const std::vector<std::string> rows = names(0);
    const int a = int(std::find(rows.begin(), rows.end(), "a") - rows.begin());
    const int b = int(std::find(rows.begin(), rows.end(), "b") - rows.begin());
    view->selectRow(b);

    rightClick(view, rowCentre(view, a));
    EXPECT_EQ(list.selectedCount(), 1u);
    EXPECT_TRUE(list.isSelected(size_t(a)));
    messages.answers = {MsgAnswer::Yes, MsgAnswer::No};
    window->serv->mnuElimina()->trigger();
    EXPECT_FALSE(fsys::exists(origin / "a"));
    EXPECT_TRUE(fsys::exists(origin / "b"));

    view->selectAllRows();
    rightClick(view, rowCentre(view, 0));
    EXPECT_EQ(list.selectedCount(), 2u) << "a press inside the selection keeps it";
    rightClick(view, QPoint(10, view->viewport()->height() - 5));
    EXPECT_EQ(list.selectedCount(), 0u) << "a press on blank space clears it";
}

// Regression: "Annulla" gives the scan button back while the cancelled
// walk unwinds, and a click then started a second scan inside the first.
TEST_F(MainWindowTest, ScanClickInsideARunningScanDoesNothing)
{
    for (int i = 0; i < 30; ++i)
        makeTree(origin.path(), {{"d" + std::to_string(i) + "/f", 1, T}});
    bool clicked = false;
    QTimer::singleShot(0, window.get(), [&] {
        window->Annulla();
        clicked = window->cpvScansione->isEnabled();
        QTest::mouseClick(window->cpvScansione, Qt::LeftButton);
    });
    scan(origin.path(), dest.path());
    EXPECT_TRUE(clicked) << "the button was given back and clicked";
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(window->models[k]->rowCount(), 0) << "the cancelled scan stays cancelled, list " << k;
    EXPECT_FALSE(window->isScanning());
}

TEST_F(MainWindowTest, OverlappingRootsAreRefusedWithAMessage)
{
    makeTree(origin.path(), {{"sub/a", 1, T}});
    scan(origin.path(), origin / "sub");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, rootsOverlapMessage());
    EXPECT_EQ(window->models[0]->rowCount(), 0);
    EXPECT_TRUE(window->cpvScansione->isEnabled());
    EXPECT_TRUE(window->cpvEsci->isVisible());
}

TEST_F(MainWindowTest, FoldersThatCouldNotBeReadAreNamedAfterTheScan)
{
    makeTree(origin.path(), {{"a", 1, T}});
    const ScopedSystemMount mirror(dest.path(), origin.folder("mirror"), nullptr, MS_BIND);
    TANDARA_SKIP_UNLESS_OK(mirror);
    scan(origin.path(), dest.path());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith("Non è stato possibile leggere una cartella."));
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromStdString(origin / "mirror/")));
    EXPECT_EQ(names(0), std::vector<std::string>{"a"});
}

TEST_F(MainWindowTest, ScanFallsBackToThePreviousRootWhenATreeGivesNoPath)
{
    makeTree(origin.path(), {{"a", 1, T}});
    scan(origin.path(), dest.path());
    ASSERT_EQ(names(0), std::vector<std::string>{"a"});
    FolderView &tree = *window->flvList[0];
    tree.setSelectedFolder(tree.topFolder().FirstChild()); // the computer: no path
    ASSERT_TRUE(tree.SelectedFolder().folderPathBytes().isEmpty());
    window->cpvScansione_Click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(names(0), std::vector<std::string>{"a"});
}

TEST_F(MainWindowTest, CancelDuringTheDeletePassStopsAfterTheFileInHandAndAsksNoMore)
{
    makeTree(origin.path(), {{"1", 1, T}, {"2", 1, T}, {"3", 1, T}, {"4", 1, T}});
    scan(origin.path(), dest.path());
    window->lvFiles[0]->selectAllRows();
    QObject::connect(window->models[0], &QAbstractItemModel::rowsRemoved, window.get(), [&] {
        if (frmAnimate *dialog = window->progressDialog(); dialog && !dialog->isClosing())
            emit dialog->cpvAnnulla->clicked();
    });
    window->m_iLvCorrente = 0;
    window->Elimina();
    EXPECT_EQ(window->models[0]->rowCount(), 3);
    ASSERT_EQ(messages.shown.size(), 1u) << "no question about empty folders after a cancel";
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MainWindowTest, DeleteWithNothingSelectedStillAsksAboutEmptyFolders)
{
    makeTree(origin.path(), {{"a", 1, T}, {"empty/"}});
    scan(origin.path(), dest.path());
    messages.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    window->m_iLvCorrente = 0;
    window->Elimina();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "Vuoi cancellare le eventuali Directory vuote?");
    EXPECT_TRUE(fsys::exists(origin / "a"));
    EXPECT_FALSE(fsys::exists(origin / "empty"));
}

TEST_F(MainWindowTest, CopyGoesAheadWhenTheFreeSpaceEqualsTheRequirement)
{
    ScopedMount small(FileSystem::Tmpfs, 1 << 20);
    TANDARA_SKIP_UNLESS_OK(small);
    struct statvfs vfs;
    ASSERT_EQ(statvfs(small.path().c_str(), &vfs), 0);
    const int64_t free = int64_t(vfs.f_bavail * vfs.f_frsize);
    for (const int64_t over : {1, 0}) {
        std::filesystem::remove(origin / "f");
        makeTree(origin.path(), {{"f", free - 64 + over, T}});
        messages.shown.clear();
        scan(origin.path(), small.path());
        window->lvFiles[0]->selectAllRows();
        window->Copia(0);
        const bool refused = !messages.shown.empty() && messages.shown[0].title == "Errore";
        EXPECT_EQ(refused, over == 1) << "required = free + " << over;
    }
}

// Copy and delete of every list from the window, with links to a folder
// outside both trees at every level and folders swapped for links after
// the scan: the outside folder stays as it was.
TEST_F(MainWindowTest, EveryListCopiedAndDeletedLeavesAFolderOutsideAlone)
{
    TempDir outside;
    makeTree(outside.path(), {{"f", 4, T}, {"c.txt", 8, T}, {"sub/g", 2, T}});
    makeTree(origin.path(), {{"a/b/c.txt", 5, T}, {"top.txt", 1, T}, {"m.txt", 10, T}});
    makeTree(dest.path(), {{"a/b/c.txt", 6, T}, {"w/f", 1, T}, {"m.txt", 11, T}});
    plantLinks(origin.path(), outside.path());
    plantLinks(dest.path(), outside.path());
    const Snapshot before = snapshot(outside.path());

    scan(origin.path(), dest.path());
    swapForLink(dest / "w", outside.path());
    swapForLink(dest / "a/b", outside.path());
    for (int k : {0, 1, 2}) {
        window->cpvTabStrip_Click(k / 2);
        window->lvFiles[k]->selectAllRows();
        window->Copia(k);
    }
    EXPECT_EQ(snapshot(outside.path()), before);

    scan(origin.path(), dest.path());
    swapForLink(origin / "a", outside.path());
    for (int k : {0, 1, 2, 3}) {
        window->cpvTabStrip_Click(k / 2);
        window->lvFiles[k]->selectAllRows();
        window->m_iLvCorrente = int16_t(k);
        messages.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        window->Elimina();
    }
    EXPECT_EQ(snapshot(outside.path()), before);
    fsys::create_directories(origin.path()); // for the fixture's clean-up
    fsys::create_directories(dest.path());
}

} // namespace
} // namespace tandara::test
