// The real animation windows: CAnimate over the Qt window system, playing
// the program's clips inside a parent widget.

#include "animation/animationwidget.h"
#include "animation/canimate.h"
#include "animation/qtanimationsystem.h"
#include "animation/windowregistry.h"
#include "support/temptree.h"

#include <QFile>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <fstream>

namespace tandara {
namespace {

class AnimationWindow : public ::testing::Test {
protected:
    AnimationWindow()
    {
        parent.resize(371, 185);
        parent.setAutoFillBackground(true);
        QPalette colours = parent.palette();
        colours.setColor(QPalette::Window, QColor(255, 0, 0));
        parent.setPalette(colours);
        parent.show();
    }

    // The settings of the progress dialog, then the clip.
    void openLikeTheProgressDialog(int32_t clip)
    {
        anim.Parent(windowHandle(&parent));
        anim.Move(15, 35);
        anim.AutoPlay(true);
        anim.Center(false);
        anim.Transparent(true);
        anim.ResourceID(clip);
    }

    AnimationWidget *window() const
    {
        return qobject_cast<AnimationWidget *>(windowFromHandle(anim.hwnd()));
    }

    QWidget parent;
    CAnimate anim{animationSystem()};
};

TEST_F(AnimationWindow, CopyClipTakesItsSizeAndPlays)
{
    openLikeTheProgressDialog(101);
    AnimationWidget *widget = window();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), &parent);
    EXPECT_EQ(widget->geometry(), QRect(15, 35, 260, 40));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(anim.playing());
    EXPECT_TRUE(QTest::qWaitFor([&] { return widget->currentFrame() >= 2; }, 5000));
}

TEST_F(AnimationWindow, DeleteClipFromAFileWithAByteName)
{
    QFile resource(QStringLiteral(":/clips/102"));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const QByteArray clip = resource.readAll();
    test::TempDir dir;
    const std::string path = dir / "cestino\xff.avi"; // not valid UTF-8
    std::ofstream(path, std::ios::binary).write(clip.data(), clip.size());

    anim.Parent(windowHandle(&parent));
    anim.Center(false);
    anim.FileName(path);
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->size(), QSize(304, 60));
    EXPECT_TRUE(anim.playing());
}

TEST_F(AnimationWindow, StopAndPlayAgain)
{
    openLikeTheProgressDialog(101);
    anim.AniStop();
    EXPECT_FALSE(window()->isPlaying());
    EXPECT_FALSE(anim.playing());
    anim.AniPlay();
    EXPECT_TRUE(window()->isPlaying());
    EXPECT_TRUE(anim.playing());
}

TEST_F(AnimationWindow, MissingClipLeavesTheWindowEmpty)
{
    anim.Parent(windowHandle(&parent));
    anim.Center(false);
    anim.ResourceID(999);
    ASSERT_NE(window(), nullptr);
    EXPECT_FALSE(window()->clip());
    EXPECT_EQ(window()->size(), QSize(0, 0));
    EXPECT_FALSE(anim.playing());
}

TEST_F(AnimationWindow, CentredClipKeepsTheWindowsSize)
{
    anim.Parent(windowHandle(&parent));
    anim.Move(0, 0, 300, 100);
    anim.ResourceID(101);
    EXPECT_EQ(window()->size(), QSize(300, 100));
}

TEST_F(AnimationWindow, TransparentLeavesTheBackgroundColourOut)
{
    // Every frame has the background colour in its top-left corner.
    openLikeTheProgressDialog(101);
    EXPECT_EQ(parent.grab().toImage().pixelColor(15, 35), QColor(255, 0, 0));

    anim.Transparent(false); // re-created and played again, background drawn
    ASSERT_TRUE(window()->isPlaying());
    EXPECT_EQ(parent.grab().toImage().pixelColor(15, 35), QColor(192, 192, 255));
}

TEST_F(AnimationWindow, EndOfTheObjectRemovesTheWindow)
{
    {
        CAnimate local;
        local.Parent(windowHandle(&parent));
        local.ResourceID(101);
        EXPECT_EQ(parent.findChildren<AnimationWidget *>().size(), 1);
        const WindowHandle first = local.hwnd();
        local.Center(false); // re-creation replaces the window
        EXPECT_NE(local.hwnd(), first);
        EXPECT_EQ(windowFromHandle(first), nullptr);
        EXPECT_EQ(parent.findChildren<AnimationWidget *>().size(), 1);
    }
    EXPECT_TRUE(parent.findChildren<AnimationWidget *>().isEmpty());
}

} // namespace
} // namespace tandara
