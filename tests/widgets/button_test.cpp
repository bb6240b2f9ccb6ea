// The button: hover reports, when a click counts, and what it looks like.
#include "widgets/cpvbutton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using tandara::cpvButton;

namespace {

void sendMouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void press(QWidget *w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, at, button, button);
}

void release(QWidget *w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void enter(QWidget *w)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w, &event);
}

void leave(QWidget *w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of the grabbed button that are clearly of the given hue family.
int countPixels(const QImage &image, const std::function<bool(QColor)> &test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

bool isRed(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }

struct ButtonTest : ::testing::Test {
    ButtonTest()
    {
        button.resize(100, 30);
        button.show();
    }
    cpvButton button;
    QSignalSpy clicks{&button, &cpvButton::clicked};
    QSignalSpy entered{&button, &cpvButton::mouseEntered};
    QSignalSpy left{&button, &cpvButton::mouseLeft};
};

TEST_F(ButtonTest, HoverIsReportedOncePerVisitAndAlwaysEnds)
{
    enter(&button);
    enter(&button);
    leave(&button);
    leave(&button);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);

    // A disabled button reports no visit, but one begun before still ends
    // (the scan disables the button under the pointer).
    button.setEnabled(false);
    enter(&button);
    leave(&button);
    EXPECT_EQ(entered.count(), 1);
    button.setEnabled(true);
    enter(&button);
    button.setEnabled(false);
    leave(&button);
    EXPECT_EQ(entered.count(), 2);
    EXPECT_EQ(left.count(), 2);

    // Hiding the button under the pointer ends the visit, once.
    button.setEnabled(true);
    enter(&button);
    button.hide();
    leave(&button);
    EXPECT_EQ(left.count(), 3);
}

TEST_F(ButtonTest, ClickFiresOnReleaseInsideOnly)
{
    press(&button, {10, 10});
    EXPECT_TRUE(button.isDown());
    EXPECT_EQ(clicks.count(), 0);
    release(&button, {12, 12});
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button.isDown());

    press(&button, {10, 10});
    sendMouse(&button, QEvent::MouseMove, {150, 10}, Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(button.isDown());
    release(&button, {150, 10});
    EXPECT_EQ(clicks.count(), 1);

    // Leaving and coming back before letting go still clicks.
    press(&button, {10, 10});
    sendMouse(&button, QEvent::MouseMove, {150, 10}, Qt::NoButton, Qt::LeftButton);
    sendMouse(&button, QEvent::MouseMove, {20, 10}, Qt::NoButton, Qt::LeftButton);
    release(&button, {20, 10});
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ButtonTest, NoClickFromOtherButtonsOrWhenDisabled)
{
    press(&button, {10, 10}, Qt::RightButton);
    release(&button, {10, 10}, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 0);

    button.setEnabled(false);
    press(&button, {10, 10});
    release(&button, {10, 10});
    EXPECT_EQ(clicks.count(), 0);

    // Disabled between press and release.
    button.setEnabled(true);
    press(&button, {10, 10});
    button.setEnabled(false);
    button.setEnabled(true);
    release(&button, {10, 10});
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ButtonTest, LooksFollowColoursPressFlatnessAndEnabling)
{
    EXPECT_TRUE(near(button.grab().toImage().pixelColor(4, 15), QColor(200, 213, 255), 20));
    button.setButtoncolor(QColor(21, 183, 73));
    const QImage raised = button.grab().toImage();
    EXPECT_TRUE(near(raised.pixelColor(4, 15), QColor(21, 183, 73), 20));
    press(&button, {10, 10});
    EXPECT_LT(button.grab().toImage().pixelColor(50, 4).lightness(), raised.pixelColor(50, 4).lightness() - 10)
        << "darker while held down";
    release(&button, {10, 10});

    button.setButtoncolor(QColor(255, 0, 0));
    button.setFlat(true);
    EXPECT_EQ(countPixels(button.grab().toImage(), isRed), 0) << "a flat button draws no face";
    button.setFlat(false);
    button.setButtoncolor(QColor(200, 213, 255));

    // Caption and picture take their colours, and lose them when disabled.
    QPixmap red(16, 16);
    red.fill(QColor(230, 0, 0));
    button.setPicture(red);
    button.setCaption(QStringLiteral("Scansione"));
    button.setFontcolor(QColor(255, 0, 0));
    button.setFontBold(true);
    EXPECT_GT(countPixels(button.grab().toImage(), isRed), 200);
    button.setEnabled(false);
    const QImage greyed = button.grab().toImage();
    EXPECT_EQ(countPixels(greyed, [](QColor c) { return c.red() > c.blue() + 20; }), 0);
}

} // namespace

namespace {

QImage keyed(cpvButton &button, int key, QEvent::Type type, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(&button, &event);
    return button.grab().toImage();
}

bool isGreen(QColor c) { return c.green() > 140 && c.red() < 110 && c.blue() < 130; }
bool greenish(QColor c) { return c.green() > c.red() + 60 && c.green() > c.blue() + 40; }

TEST_F(ButtonTest, TabReachesItSpaceAndEnterPressItAndTheFocusShowsTheActiveLook)
{
    EXPECT_EQ(button.focusPolicy(), Qt::TabFocus) << "a click gives no focus";
    button.setCaption(QStringLiteral("Esci"));
    button.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&button));
    button.clearFocus();
    EXPECT_EQ(countPixels(button.grab().toImage(), greenish), 0);
    button.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button.showsFocus());
    EXPECT_GT(countPixels(button.grab().toImage(), isGreen), 1500) << "green face, as under the pointer";
    EXPECT_EQ(button.buttoncolor(), QColor(200, 213, 255)) << "the owner's colours are left alone";

    keyed(button, Qt::Key_Space, QEvent::KeyPress);
    EXPECT_TRUE(button.isDown());
    keyed(button, Qt::Key_Space, QEvent::KeyRelease, true);
    keyed(button, Qt::Key_Space, QEvent::KeyPress, true);
    EXPECT_EQ(clicks.count(), 0) << "Space clicks on release, auto-repeat does nothing";
    keyed(button, Qt::Key_Space, QEvent::KeyRelease);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button.isDown());
    keyed(button, Qt::Key_Return, QEvent::KeyPress);
    keyed(button, Qt::Key_Enter, QEvent::KeyPress);
    keyed(button, Qt::Key_Enter, QEvent::KeyPress, true);
    EXPECT_EQ(clicks.count(), 3);

    button.setFlat(true);
    EXPECT_GT(countPixels(button.grab().toImage(), greenish), 1500) << "a flat button is tinted green";
    button.clearFocus();
    EXPECT_EQ(countPixels(button.grab().toImage(), greenish), 0);
}

TEST_F(ButtonTest, DisablingEndsTheVisitAndEnablingUnderThePointerStartsOne)
{
    enter(&button);
    button.setEnabled(false);
    EXPECT_EQ(left.count(), 1) << "the look set on entering goes with the button's use";
    button.setAttribute(Qt::WA_UnderMouse);
    button.setEnabled(true);
    EXPECT_EQ(entered.count(), 2);
    leave(&button);
    EXPECT_EQ(left.count(), 2);
}

TEST_F(ButtonTest, ABoldCaptionBesideThePictureKeepsClearOfTheEdge)
{
    // The main window's "Scansione": 89 x 33 pixels, a 24-pixel picture.
    button.resize(89, 33);
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    button.setPicture(picture);
    button.setCaption(QStringLiteral("Scansione"));
    button.setFontcolor(QColor(255, 0, 0));
    button.setFontBold(true);
    const QImage image = button.grab().toImage();
    int rightmost = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (isRed(image.pixelColor(x, y)))
                rightmost = std::max(rightmost, x);
    ASSERT_GE(rightmost, 0);
    EXPECT_LT(rightmost, image.width() - 4) << "the caption stays inside the face's margin";
}

} // namespace
