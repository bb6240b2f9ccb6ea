// The window system's part: the platform the program starts on, dialogs
// tied to their owner on native Wayland, and the rounded shape drawn
// where a mask does not cut the window.
#include "widgets/picturebar.h"
#include "widgets/windowshape.h"
#include "widgets/windowsystem.h"

#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using namespace tandara;

namespace {

TEST(WindowSystem, XIsChosenOnlyWhenTheSessionOffersBothAndTheUserChoseNothing)
{
    EXPECT_EQ(startPlatform({true, true, false}), "xcb;wayland");
    EXPECT_EQ(startPlatform({true, true, true}), "") << "QT_QPA_PLATFORM or -platform given";
    EXPECT_EQ(startPlatform({true, false, false}), "") << "Wayland alone";
    EXPECT_EQ(startPlatform({false, true, false}), "") << "X alone";
    EXPECT_TRUE(isWaylandPlatform(u"wayland"));
    EXPECT_TRUE(isWaylandPlatform(u"wayland-egl"));
    EXPECT_FALSE(isWaylandPlatform(u"xcb"));
    EXPECT_FALSE(isWaylandPlatform(u"offscreen"));
}

TEST(WindowSystem, ADialogIsTiedToItsOwnerOnNativeWaylandOnly)
{
    QWidget owner;
    QWidget dialog(nullptr, Qt::Tool);
    tieToOwner(&dialog, &owner, false);
    EXPECT_EQ(dialog.windowHandle(), nullptr) << "elsewhere nothing is asked of the window system";
    tieToOwner(&dialog, &owner, true);
    ASSERT_NE(dialog.windowHandle(), nullptr);
    EXPECT_EQ(dialog.windowHandle()->transientParent(), owner.windowHandle());
}

TEST(WindowShape, TheDrawnShapeClearsTheCornersAndKeepsTheMask)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(300, 200);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(192, 192, 255));
    window.setPalette(colours);
    window.setAutoFillBackground(true);
    // A bar across the top paints into both top corners.
    PictureBar bar(&window);
    bar.setGeometry(0, 0, 300, 25);
    bar.setAutoFillBackground(true);
    Arrotonda(&window, &bar, true);
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_FALSE(window.mask().isEmpty()) << "input is still trimmed by the mask";
    window.show();
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(3, 3).rgb() & 0xffffff, 0u) << "a top corner is cleared";
    EXPECT_EQ(image.pixelColor(296, 196).rgb() & 0xffffff, 0u) << "a bottom corner is cleared";
    EXPECT_EQ(image.pixelColor(150, 100), QColor(192, 192, 255)) << "the inside is painted";

    QWidget masked(nullptr, Qt::FramelessWindowHint);
    masked.resize(300, 200);
    Arrotonda(&masked, nullptr, false);
    EXPECT_FALSE(masked.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(masked.findChild<QWidget *>(QStringLiteral("cornerEraser")), nullptr);
}

} // namespace
