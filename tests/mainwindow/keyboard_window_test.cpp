// The window from the keyboard: the Tab order, Space and Enter on the
// buttons, where the focus goes while a scan runs, and buttons that lose
// their active look when they are disabled.

#include "mainwindow_fixture.h"

#include "foldertree/folderview.h"
#include "widgets/cpvbutton.h"
#include "widgets/resultlistview.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QTest>
#include <QTimer>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;

void pointerEnters(QWidget *w)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w, &event);
}

TEST_F(MainWindowTest, TabVisitsTreesBoxCommandsTabsListsAndTitleButtons)
{
    makeTree(origin.path(), {{"a", 1, T}});
    makeTree(dest.path(), {{"b", 1, T}});
    scan(origin.path(), dest.path());
    activate();
    frmMain &w = *window;
    w.flvList[0]->setFocus(Qt::TabFocusReason);
    const std::vector<QWidget *> expected = {
        w.flvList[1], w.chkFile, w.cpvScansione, w.cpvInfo, w.cpvEsci, w.cpvTabStrip[0], w.cpvTabStrip[1],
        w.lvFiles[0], w.cpvCopia[0], w.cpvCopia[1], w.lvFiles[1], w.cpvMinimizza, w.cpvMassimizza, w.cpvChiudi,
        w.flvList[0]};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
    }
}

TEST_F(MainWindowTest, SpaceAndEnterPressTheFocusedButton)
{
    activate();
    window->cpvEsci->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(window->cpvEsci->showsFocus());
    messages.answers = {MsgAnswer::No, MsgAnswer::No};
    QTest::keyClick(window->cpvEsci, Qt::Key_Space);
    QTest::keyClick(window->cpvEsci, Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "Sei sicuro di voler uscire?");
    QTest::keyClick(window->cpvInfo, Qt::Key_Enter);
    int about = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        about += top->isVisible() && top->objectName() == QLatin1String("frmInfo");
    EXPECT_EQ(about, 1);
}

TEST_F(MainWindowTest, AScanStartedFromTheKeyboardHandsTheFocusToAnnullaAndBack)
{
    makeTree(origin.path(), {{"sub/a", 1, T}, {"sub2/b", 1, T}});
    selectFolder(0, origin.path());
    selectFolder(1, dest.path());
    activate();
    window->cpvScansione->setFocus(Qt::TabFocusReason);
    QWidget *focusDuringScan = nullptr;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (window->isScanning() && !focusDuringScan)
            focusDuringScan = QApplication::focusWidget();
    });
    probe.start(0);
    QTest::keyClick(window->cpvScansione, Qt::Key_Space);
    EXPECT_EQ(focusDuringScan, window->cpvAnnulla);
    EXPECT_EQ(QApplication::focusWidget(), window->cpvScansione);
    EXPECT_EQ(names(0).size(), 2u);
}

TEST_F(MainWindowTest, ADisabledButtonDropsItsActiveLook)
{
    makeTree(origin.path(), {{"sub/a", 1, T}});
    scan(origin.path(), dest.path());
    pointerEnters(window->cpvScansione);
    EXPECT_TRUE(activeLook(window->cpvScansione));
    bool idleWhileScanning = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (window->isScanning())
            idleWhileScanning = idleLook(window->cpvScansione);
    });
    probe.start(0);
    window->cpvScansione_Click();
    EXPECT_TRUE(idleWhileScanning) << "no green on the disabled \"Scansione\"";

    // The copy that empties its list disables its button under the pointer.
    pointerEnters(window->cpvCopia[0]);
    EXPECT_TRUE(activeLook(window->cpvCopia[0]));
    window->lvFiles[0]->selectAllRows();
    window->Copia(0);
    EXPECT_FALSE(window->cpvCopia[0]->isEnabled());
    EXPECT_TRUE(idleLook(window->cpvCopia[0]));
}

TEST_F(MainWindowTest, SpaceOnTheShowFilesBoxDoesWhatAClickDoes)
{
    activate();
    const auto treeState = [&] {
        std::vector<QString> out;
        for (FolderView *tree : window->flvList)
            out.push_back(tree->SelectedFolder().FolderPath() + (tree->ShowFiles() ? "+files" : ""));
        return out;
    };
    selectFolder(0, origin.path());
    selectFolder(1, dest.path());
    QTest::mouseClick(window->chkFile, Qt::LeftButton);
    const std::vector<QString> clicked = treeState();
    QTest::mouseClick(window->chkFile, Qt::LeftButton);

    selectFolder(0, origin.path());
    selectFolder(1, dest.path());
    window->chkFile->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->chkFile, Qt::Key_Space);
    EXPECT_TRUE(window->chkFile->isChecked());
    EXPECT_EQ(treeState(), clicked);
}

} // namespace
} // namespace tandara::test
