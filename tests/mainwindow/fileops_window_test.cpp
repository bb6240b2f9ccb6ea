// Copy and delete run from the window: selection checks, the progress
// dialog, cancel, the questions and the lists they leave.

#include "mainwindow_fixture.h"
#include "support/mounts.h"

#include "fileops/ui/frmanimate.h"
#include "widgets/cpvbutton.h"
#include "widgets/programicon.h"
#include "widgets/resultlistview.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <filesystem>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;
namespace fsys = std::filesystem;

TEST_F(MainWindowTest, CopyWithNothingSelectedShowsTheMessageAndRestores)
{
    makeTree(origin.path(), {{"a", 1, T}});
    scan(origin.path(), dest.path());
    window->Copia(0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Per copiare un file, devi prima selezionarlo.");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);
    EXPECT_TRUE(window->cpvEsci->isVisible());
    EXPECT_EQ(window->progressDialog(), nullptr);
    EXPECT_FALSE(fsys::exists(dest / "a"));
}

TEST_F(MainWindowTest, CopyOfEveryRowEmptiesTheListAndDisablesItsButton)
{
    makeTree(origin.path(), {{"a", 3, T}, {"deep/er/b", 5, T}});
    scan(origin.path(), dest.path());
    window->lvFiles[0]->selectAllRows();
    bool dialogSeen = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (frmAnimate *dialog = window->progressDialog())
            dialogSeen = dialog->isVisible() && !window->isEnabled();
    });
    probe.start(0);
    window->Copia(0);
    probe.stop();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(readFile(dest / "deep/er/b"), "xxxxx");
    EXPECT_EQ(window->models[0]->rowCount(), 0);
    EXPECT_FALSE(window->cpvCopia[0]->isEnabled());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->state.bAnnulla) << "every run ends with the flag set";
    QTest::qWait(0);
    EXPECT_EQ(window->progressDialog(), nullptr);
}

TEST_F(MainWindowTest, CancelFromTheDialogFinishesTheFileInHandAndStops)
{
    makeTree(origin.path(), {{"1", 1, T}, {"2", 1, T}, {"3", 1, T}, {"4", 1, T}});
    scan(origin.path(), dest.path());
    window->lvFiles[0]->selectAllRows();
    cancelOnceTheDialogIsUp();
    window->Copia(0);
    EXPECT_EQ(window->models[0]->rowCount(), 3) << "one file copied, then the run stops";
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->cpvEsci->isVisible());
}

// The copy command ends as a whole also when cancelled: the folders it
// wrote into take the origin's times.
TEST_F(MainWindowTest, ACancelledCopyStillEndsTheCommand)
{
    makeTree(origin.path(), {{"f/1", 1, T}, {"f/2", 1, T}, {"f/3", 1, T}});
    setTime(origin / "f", T + 7);
    scan(origin.path(), dest.path());
    window->lvFiles[0]->selectAllRows();
    cancelOnceTheDialogIsUp();
    window->Copia(0);
    ASSERT_EQ(window->models[0]->rowCount(), 2);
    EXPECT_EQ(fsys::last_write_time(dest / "f").time_since_epoch(),
              fsys::last_write_time(origin / "f").time_since_epoch());
}

TEST_F(MainWindowTest, CopyOfAModifiedFileSettlesThePair)
{
    makeTree(origin.path(), {{"m", 4, T}});
    makeTree(dest.path(), {{"m", 2, T - 5}});
    scan(origin.path(), dest.path());
    window->cpvTabStrip_Click(1);
    window->lvFiles[3]->selectAllRows();
    window->Copia(3);
    EXPECT_EQ(window->models[2]->rowCount(), 0);
    EXPECT_EQ(window->models[3]->rowCount(), 0);
    EXPECT_EQ(readFile(origin / "m"), "xx");
    scan(origin.path(), dest.path());
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(window->models[k]->rowCount(), 0) << "a rescan finds the pair identical";
}

TEST_F(MainWindowTest, DeleteAnsweredNoKeepsTheFilesAndAsksNothingMore)
{
    makeTree(origin.path(), {{"a", 1, T}});
    scan(origin.path(), dest.path());
    window->lvFiles[0]->selectAllRows();
    messages.answers = {MsgAnswer::No};
    window->m_iLvCorrente = 0;
    window->Elimina();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Eliminare il/i file selezionato/i ?");
    EXPECT_TRUE(fsys::exists(origin / "a"));
    EXPECT_EQ(window->models[0]->rowCount(), 1);
    EXPECT_TRUE(window->cpvEsci->isVisible());
}

TEST_F(MainWindowTest, DeleteThenRemoveEmptyFoldersWithTheRoot)
{
    makeTree(origin.path(), {{"x/y/a", 1, T}, {"b", 1, T}});
    scan(origin.path(), dest.path());
    window->lvFiles[0]->selectAllRows();
    messages.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    QTest::keyClick(window->lvFiles[0], Qt::Key_Delete, Qt::ShiftModifier);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "Vuoi cancellare le eventuali Directory vuote?");
    EXPECT_EQ(window->m_iLvCorrente, 0);
    EXPECT_FALSE(fsys::exists(origin.path())) << "the emptied root goes too";
    EXPECT_EQ(window->models[0]->rowCount(), 0);
    EXPECT_FALSE(window->cpvCopia[0]->isEnabled());
    EXPECT_TRUE(window->isEnabled());
    fsys::create_directories(origin.path()); // for the fixture's clean-up
}

TEST_F(MainWindowTest, TooLittleSpaceGivesTheErrorMessage)
{
    ScopedMount small(FileSystem::Tmpfs, 1 << 20);
    TANDARA_SKIP_UNLESS_OK(small);
    makeTree(origin.path(), {{"big", 3 << 20, T}});
    scan(origin.path(), small.path());
    window->lvFiles[0]->selectAllRows();
    window->Copia(0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Errore");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages.shown[0].text.startsWith("Lo spazio per copiare i file prescelti è insufficiente."));
    EXPECT_TRUE(messages.shown[0].text.contains("Occorrono almeno 3.145.892 byte liberi"));
    EXPECT_EQ(window->models[0]->rowCount(), 1);
}

} // namespace
} // namespace tandara::test

namespace tandara::test {
namespace {

// Regression: a delete started right after a copy, before the copy's closed
// dialog was deleted, reused that dialog and lost it half-way.
TEST_F(MainWindowTest, ADeleteRightAfterACopyGetsAFreshDialog)
{
    makeTree(origin.path(), {{"a", 1, T}});
    makeTree(dest.path(), {{"b", 1, T}, {"c", 1, T}});
    scan(origin.path(), dest.path());
    window->lvFiles[0]->selectAllRows();
    window->Copia(0);
    window->lvFiles[1]->selectAllRows();
    window->m_iLvCorrente = 1;
    messages.answers = {MsgAnswer::Yes, MsgAnswer::No};
    int rowsWithoutDialog = 0;
    int rowsSeen = 0;
    QObject::connect(window->models[1], &QAbstractItemModel::rowsRemoved, [&] {
        if (!window->progressDialog() || !window->progressDialog()->isVisible())
            ++rowsWithoutDialog;
        ++rowsSeen;
    });
    window->Elimina();
    EXPECT_EQ(rowsSeen, 2);
    EXPECT_EQ(rowsWithoutDialog, 0);
}

} // namespace
} // namespace tandara::test

#include "animation/animationwidget.h"
#include "animation/canimate.h"

namespace tandara::test {
namespace {

TEST_F(MainWindowTest, ProgressDialogPlaysItsClipAndAnyCloseCancels)
{
    makeTree(origin.path(), {{"1", 1, T}, {"2", 1, T}, {"3", 1, T}});
    scan(origin.path(), dest.path());
    window->lvFiles[0]->selectAllRows();
    int clip = 0;
    QRect clipPlace;
    qsizetype iconSizes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        frmAnimate *dialog = window->progressDialog();
        if (!dialog)
            return;
        clip = dialog->animation()->ResourceID();
        iconSizes = dialog->windowIcon().availableSizes().size();
        if (AnimationWidget *player = dialog->findChild<AnimationWidget *>())
            clipPlace = player->geometry();
        closer.stop();
        dialog->close(); // as the window system's close would
    });
    closer.start(0);
    window->Copia(0);
    EXPECT_EQ(clip, 101);
    EXPECT_EQ(clipPlace, QRect(15, 35, 260, 40));
    EXPECT_EQ(iconSizes, qsizetype(std::size(kProgramIconSizes))) << "the program's icon set";
    EXPECT_EQ(window->models[0]->rowCount(), 2) << "the file in hand is copied, then the run stops";
    EXPECT_TRUE(window->state.bAnnulla);
    EXPECT_TRUE(window->isEnabled());
}

} // namespace
} // namespace tandara::test

namespace tandara::test {
namespace {

// Within a pass the status panel is written at the yields, not after every
// file; a pass that ends, also by a cancel, still leaves the panel of its
// last file, as writing it after every file would.
TEST_F(MainWindowTest, APassEndsWithThePanelOfItsLastFile)
{
    makeTree(origin.path(), {{"m1", 4, T}, {"m2", 4, T}, {"m3", 4, T}});
    makeTree(dest.path(), {{"m1", 2, T}, {"m2", 2, T}, {"m3", 2, T}});
    scan(origin.path(), dest.path());
    window->lvFiles[2]->selectAllRows();
    window->m_iLvCorrente = 2;
    QObject::connect(window->models[2], &QAbstractItemModel::rowsRemoved, window.get(), [&] {
        if (frmAnimate *dialog = window->progressDialog(); dialog && !dialog->isClosing())
            emit dialog->cpvAnnulla->clicked();
    });
    window->Elimina();
    EXPECT_EQ(window->models[2]->rowCount(), 2);
    EXPECT_EQ(window->lblStBar[0]->text(), " 02 file/ 00 kb") << "list 2's figures, written after the file";
    EXPECT_EQ(window->lblStBar[1]->text(), " 02 file/ 00 kb   ");
}

} // namespace
} // namespace tandara::test
