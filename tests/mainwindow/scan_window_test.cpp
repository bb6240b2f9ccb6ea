// The scan command from the window: checks, the scanning state, cancel,
// and the lists and status panel it leaves.

#include "mainwindow_fixture.h"

#include "foldertree/folderview.h"
#include "widgets/cpvbutton.h"
#include "widgets/resultlistview.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <filesystem>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;

void makeSampleTrees(const std::string &origin, const std::string &dest)
{
    makeTree(origin, {{"only-o.txt", 1500, T}, {"sub/same.txt", 10, T}, {"sub/diff.txt", 2000, T}});
    makeTree(dest, {{"only-d.txt", 700, T}, {"sub/same.txt", 10, T}, {"sub/diff.txt", 2001, T}});
}

TEST_F(MainWindowTest, ScanFillsTheFourListsAndTheStatusPanel)
{
    makeSampleTrees(origin.path(), dest.path());
    scan(origin.path(), dest.path());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(names(0), std::vector<std::string>{"only-o.txt"});
    EXPECT_EQ(names(1), std::vector<std::string>{"only-d.txt"});
    EXPECT_EQ(names(2), std::vector<std::string>{"diff.txt"});
    EXPECT_EQ(names(3), std::vector<std::string>{"diff.txt"});
    EXPECT_EQ(window->lblStBar[0]->text(), " 01 file/ 02 kb");
    EXPECT_EQ(window->lblStBar[1]->text(), " 01 file/ 01 kb   ");
    EXPECT_TRUE(window->lvFiles[0]->isVisible());
    EXPECT_TRUE(window->lvFiles[1]->isVisible());
    EXPECT_FALSE(window->lvFiles[2]->isVisible());
    EXPECT_FALSE(window->lvFiles[3]->isVisible());
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(window->cpvCopia[k]->isEnabled()) << k;
    EXPECT_TRUE(window->cpvEsci->isVisible());
    EXPECT_FALSE(window->cpvAnnulla->isVisible());
    EXPECT_TRUE(window->cpvScansione->isEnabled());
    EXPECT_EQ(window->state.m_sDirRadice[2], origin.path());
    EXPECT_EQ(window->state.m_sDirRadice[3], dest.path());
}

TEST_F(MainWindowTest, MissingFolderGivesTheMessageAndClearsTheLists)
{
    makeSampleTrees(origin.path(), dest.path());
    scan(origin.path(), dest.path());
    ASSERT_EQ(names(0).size(), 1u);
    const std::string gone = origin.folder("gone");

    struct Case {
        const char *what;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        {"desktop entry", [&] { selectDesktop(0); }},
        {"folder that is gone", [&] {
             selectFolder(0, gone);
             std::filesystem::remove(gone);
         }},
    };
    for (const Case &c : cases) {
        scan(origin.path(), dest.path());
        messages.shown.clear();
        c.prepare();
        selectFolder(1, dest.path());
        window->cpvScansione_Click();
        ASSERT_EQ(messages.shown.size(), 1u) << c.what;
        EXPECT_EQ(messages.shown[0].text, "Devi selezionare una Directory Origine ed una Destinazione.");
        EXPECT_EQ(messages.shown[0].title, "Tandara");
        EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(window->models[k]->rowCount(), 0) << c.what << " list " << k;
        EXPECT_EQ(window->lblStBar[0]->text(), " 00 file/ 00 kb") << c.what;
    }
}

TEST_F(MainWindowTest, CancelDuringTheOriginWalkLeavesEmptyListsAndTheIdleState)
{
    makeTree(origin.path(), {{"a/1", 5, T}, {"b/2", 5, T}, {"c/3", 5, T}});
    makeTree(dest.path(), {{"x", 5, T}});
    bool sawScanningState = false;
    QTimer::singleShot(0, window.get(), [&] {
        sawScanningState = window->cpvAnnulla->isVisible() && !window->cpvEsci->isVisible()
            && !window->cpvScansione->isEnabled() && !window->lvFiles[0]->isVisible()
            && !window->flvList[0]->isEnabled() && !window->chkFile->isEnabled();
        window->Annulla();
    });
    scan(origin.path(), dest.path());
    EXPECT_TRUE(sawScanningState);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(window->models[k]->rowCount(), 0) << k;
        EXPECT_EQ(window->state.dTotaleLv[k], 0.0) << k;
        EXPECT_FALSE(window->cpvCopia[k]->isEnabled()) << k;
    }
    EXPECT_EQ(window->lblStBar[0]->text(), " 00 file/ 00 kb");
    EXPECT_TRUE(window->cpvEsci->isVisible());
    EXPECT_FALSE(window->cpvAnnulla->isVisible());
    EXPECT_TRUE(window->cpvScansione->isEnabled());
    EXPECT_TRUE(window->flvList[0]->isEnabled());
}

TEST_F(MainWindowTest, ClosingDuringAScanStopsItBeforeAsking)
{
    makeTree(origin.path(), {{"a/1", 5, T}, {"b/2", 5, T}});
    bool scanningWhenAsked = true;
    messages.onShow = [&] { scanningWhenAsked = window->state.bAnnulla == false; };
    messages.answers = {MsgAnswer::No};
    QTimer::singleShot(0, window.get(), [&] { window->close(); });
    scan(origin.path(), dest.path());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Sei sicuro di voler uscire?");
    EXPECT_FALSE(scanningWhenAsked);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->models[0]->rowCount(), 0);
}

} // namespace
} // namespace tandara::test
