// Tabs, selection, the right-click menu and the copy buttons' state.

#include "mainwindow_fixture.h"

#include "mainwindow/frmserv.h"
#include "widgets/cpvbutton.h"
#include "widgets/resultlistview.h"

#include <QLabel>
#include <QMenu>
#include <QTest>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;

TEST_F(MainWindowTest, TabsShowTheirListsAndEnableExactlyTheCopyButtonsWithRows)
{
    // Rows in lists 0, 2 and 3 only.
    makeTree(origin.path(), {{"a", 1, T}, {"b", 1, T}});
    makeTree(dest.path(), {{"b", 2, T}});
    scan(origin.path(), dest.path());

    window->cpvTabStrip_Click(1);
    EXPECT_FALSE(window->lvFiles[0]->isVisible());
    EXPECT_FALSE(window->lvFiles[1]->isVisible());
    EXPECT_TRUE(window->lvFiles[2]->isVisible());
    EXPECT_TRUE(window->lvFiles[3]->isVisible());
    EXPECT_TRUE(window->cpvCopia[2]->isVisible() && window->cpvCopia[2]->isEnabled());
    EXPECT_TRUE(window->cpvCopia[3]->isVisible() && window->cpvCopia[3]->isEnabled());
    EXPECT_FALSE(window->cpvCopia[0]->isVisible());
    EXPECT_TRUE(activeLook(window->cpvTabStrip[1]));
    EXPECT_TRUE(idleLook(window->cpvTabStrip[0]));
    EXPECT_EQ(window->lblStBar[0]->text(), " 01 file/ 00 kb");

    window->cpvTabStrip_Click(0);
    EXPECT_TRUE(window->cpvCopia[0]->isEnabled());
    EXPECT_FALSE(window->cpvCopia[1]->isEnabled()) << "list 1 is empty";
    EXPECT_EQ(window->state.m_lNumItems[0], 1);
    EXPECT_EQ(window->state.m_lNumItems[1], 0);
    EXPECT_TRUE(activeLook(window->cpvTabStrip[0]));

    // Restoring with tab 1 active keeps tab 1.
    window->cpvTabStrip_Click(1);
    window->Ripristina();
    EXPECT_TRUE(window->lvFiles[2]->isVisible());
    EXPECT_TRUE(activeLook(window->cpvTabStrip[1]));

    // Clearing the lists with tab 1 active keeps its lists shown and writes
    // the first tab's figures.
    window->PulisciListview();
    EXPECT_TRUE(window->lvFiles[2]->isVisible());
    EXPECT_EQ(window->lblStBar[0]->text(), " 00 file/ 00 kb");
}

TEST_F(MainWindowTest, DoubleClickSelectsEveryRowAndNeverClears)
{
    makeTree(origin.path(), {{"a", 1, T}, {"b", 1, T}, {"c", 1, T}});
    scan(origin.path(), dest.path());
    ResultListView *view = window->lvFiles[0];
    view->selectRow(1);
    EXPECT_EQ(window->models[0]->list().selectedCount(), 1u);
    const QPoint inside = view->visualRect(view->model()->index(0, 0)).center();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(window->models[0]->list().selectedCount(), 3u);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(window->models[0]->list().selectedCount(), 3u);
    // An empty list: nothing happens.
    QTest::mouseDClick(window->lvFiles[1]->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(window->models[1]->list().selectedCount(), 0u);
}

TEST_F(MainWindowTest, RightClickSetsTheCurrentListAndOpensTheMenuOnlyWithRows)
{
    makeTree(origin.path(), {{"a", 1, T}});
    scan(origin.path(), dest.path());
    QMenu *menu = window->serv->mnuMenu();
    EXPECT_EQ(window->serv->mnuElimina()->text(), "Elimina");

    QTest::mouseRelease(window->lvFiles[1]->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(window->m_iLvCorrente, 1);
    EXPECT_FALSE(menu->isVisible());

    QTest::mouseRelease(window->lvFiles[0]->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(window->m_iLvCorrente, 0);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(window->models[0]->list().selectedCount(), 0u) << "a right click selects nothing";
    menu->hide();
}

TEST_F(MainWindowTest, HoverLooksFollowThePointerOnCommandButtonsOnly)
{
    cpvButton *scan = window->cpvScansione;
    cpvButton *copy = window->cpvCopia[1];
    emit scan->mouseEntered();
    EXPECT_TRUE(activeLook(scan));
    emit scan->mouseLeft();
    emit copy->mouseEntered();
    EXPECT_TRUE(idleLook(scan));
    EXPECT_TRUE(activeLook(copy));
    emit copy->mouseLeft();
    EXPECT_TRUE(idleLook(copy));
    // A tab keeps the look its click gave it.
    emit window->cpvTabStrip[0]->mouseLeft();
    EXPECT_TRUE(activeLook(window->cpvTabStrip[0]));
}

} // namespace
} // namespace tandara::test
