// The exit question, the window's rounded shape and the windows' icon.

#include "mainwindow_fixture.h"

#include "widgets/cpvbutton.h"
#include "widgets/programicon.h"
#include "widgets/windowshape.h"

#include <QApplication>

namespace tandara::test {
namespace {

TEST_F(MainWindowTest, ExitQuestionAnsweredNoKeepsTheWindow)
{
    messages.answers = {MsgAnswer::No};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    const MessageRequest &q = messages.shown[0];
    EXPECT_EQ(q.text, "Sei sicuro di voler uscire?");
    EXPECT_EQ(q.title, "Tandara");
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(q.icon, MsgIcon::Question);
    EXPECT_EQ(q.defaultButton, MsgAnswer::No);
    EXPECT_FALSE(window->mask().isEmpty()) << "the shape stays";
}

TEST_F(MainWindowTest, ExitQuestionAnsweredYesClosesEveryOtherWindowToo)
{
    QWidget other;
    other.setObjectName("frmInfo");
    other.show();
    messages.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(other.isVisible());
    EXPECT_TRUE(window->mask().isEmpty()) << "the shape is taken off before closing";
}

TEST(WindowShape, EdgesForFifteenAndTwelveTwipsPerPixel)
{
    EXPECT_EQ(roundEdges(10080, 8130, 15, 15), (RoundEdges{2, 2, 672, 540}));
    EXPECT_EQ(roundEdges(10080, 8130, 12, 12), (RoundEdges{2, 2, 840, 676}));
    const QRegion region = roundRectRegion(RoundEdges{2, 2, 672, 540}, 58, 58);
    EXPECT_EQ(region.boundingRect(), QRect(QPoint(2, 2), QPoint(671, 539)));
    EXPECT_FALSE(region.contains(QPoint(3, 3))) << "rounded corner";
    EXPECT_TRUE(region.contains(QPoint(336, 3)));
    EXPECT_FALSE(region.contains(QPoint(336, 540))) << "bottom is exclusive";
}

} // namespace
} // namespace tandara::test

namespace tandara::test {
namespace {

int visibleWindowsNamed(const char *name)
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->isVisible() && w->objectName() == QLatin1String(name);
    return count;
}

TEST_F(MainWindowTest, AuthorButtonOpensOneAboutWindowThatTheExitClosesToo)
{
    emit window->cpvInfo->clicked();
    emit window->cpvInfo->clicked();
    EXPECT_EQ(visibleWindowsNamed("frmInfo"), 1);
    messages.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(visibleWindowsNamed("frmInfo"), 0);
}

TEST_F(MainWindowTest, MainAndAboutWindowsCarryTheWholeIconSet)
{
    const QList<QSize> sizes = programIcon().availableSizes();
    ASSERT_EQ(sizes.size(), qsizetype(std::size(kProgramIconSizes)));
    EXPECT_EQ(window->windowIcon().availableSizes(), sizes);
    emit window->cpvInfo->clicked();
    ASSERT_EQ(visibleWindowsNamed("frmInfo"), 1);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String("frmInfo")) {
            EXPECT_EQ(w->windowIcon().availableSizes(), sizes);
        }
}

} // namespace
} // namespace tandara::test
