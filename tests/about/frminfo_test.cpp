#include "about/frminfo.h"
#include "about/linkopener.h"
#include "about/slideview.h"

#include "widgets/picturebar.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

using tandara::frmInfo;
using tandara::about::SlideView;

namespace {

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button)
                                                                   : Qt::MouseButtons();
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void click(QWidget *target, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(target, QEvent::MouseButtonPress, button);
    sendMouse(target, QEvent::MouseButtonRelease, button);
}

void hover(QWidget *target)
{
    sendMouse(target, QEvent::MouseMove, Qt::NoButton);
}

bool looksHot(const QLabel *link)
{
    const QColor colour = link->palette().color(QPalette::WindowText);
    if (colour == QColor(255, 0, 0) && link->font().underline())
        return true;
    EXPECT_EQ(colour, QColor(0, 0, 128));
    EXPECT_FALSE(link->font().underline());
    return false;
}

bool onlyColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) != colour)
                return false;
    return true;
}

struct Opened {
    QWidget *owner;
    QString url;
};

class FrmInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tandara::about::setLinkOpener(
            [this](QWidget *owner, const QString &url) { opened.push_back({owner, url}); });
        window = frmInfo::showInfo();
    }

    void TearDown() override
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmInfo"))
                top->close();
        flushDeletes();
        tandara::about::setLinkOpener({});
    }

    template <typename T>
    T *control(const char *name)
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    bool closedAndGone()
    {
        flushDeletes();
        return window.isNull();
    }

    std::vector<Opened> opened;
    QPointer<frmInfo> window;
};

} // namespace

TEST_F(FrmInfoTest, CaptionIsPrintedIntoTheTopBar)
{
    const QString caption = QStringLiteral("Tandara 2.0.0 - Informazioni sull'autore");
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_EQ(window->objectName(), QStringLiteral("frmInfo"));
    EXPECT_EQ(control<tandara::PictureBar>("picBarra0")->printedText(),
              caption + QStringLiteral("          "));
    EXPECT_TRUE(control<tandara::PictureBar>("picBarra1")->printedText().isEmpty());
}

TEST_F(FrmInfoTest, ViewportStartsEmptyAndTheTextRisesFromBelow)
{
    auto *viewport = control<SlideView>("picsfondo");
    EXPECT_EQ(viewport->copiedAt(), QPoint(0, viewport->height()));
    EXPECT_TRUE(onlyColour(viewport->grab().toImage(), QColor(192, 192, 255)));

    for (int tick = 0; tick < 30; ++tick)
        window->tmrSlider_Timer();
    EXPECT_EQ(viewport->copiedAt(), QPoint(0, viewport->height() - 29));
    EXPECT_FALSE(onlyColour(viewport->grab().toImage(), QColor(192, 192, 255)));
}

TEST_F(FrmInfoTest, OpeningAgainOnlyRaisesTheOpenWindow)
{
    auto *viewport = control<SlideView>("picsfondo");
    for (int tick = 0; tick < 5; ++tick)
        window->tmrSlider_Timer();
    const QPoint reached = viewport->copiedAt();
    EXPECT_EQ(frmInfo::showInfo(), window.data());
    EXPECT_EQ(viewport->copiedAt(), reached);
    window->tmrSlider_Timer();
    EXPECT_EQ(viewport->copiedAt(), reached - QPoint(0, 1));
}

TEST_F(FrmInfoTest, LogoShowsFramesOneTwoThreeZero)
{
    auto *logo = control<QLabel>("imgAnim0");
    const auto frame = [](int n) {
        return QImage(QStringLiteral(":/about/logo%1.png").arg(n))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const auto shown = [&] {
        return logo->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    ASSERT_FALSE(frame(0).isNull());
    EXPECT_EQ(shown(), frame(0));
    for (int expected : {1, 2, 3, 0, 1}) {
        window->tmrImage_Timer();
        EXPECT_EQ(shown(), frame(expected)) << "frame " << expected;
    }
}

TEST_F(FrmInfoTest, LinkClicksOpenTheirAddressAndClose)
{
    click(control<QLabel>("lblWeb0"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].url, QStringLiteral("http://tandara.example.org"));
    EXPECT_TRUE(closedAndGone());

    window = frmInfo::showInfo();
    click(control<QLabel>("lblWeb1"));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].url, QStringLiteral("mailto:info@tandara.example.org"));
    EXPECT_TRUE(closedAndGone());
}

TEST_F(FrmInfoTest, LinksLightUpUntilTheMouseIsOverThePanel)
{
    auto *web = control<QLabel>("lblWeb0");
    auto *mail = control<QLabel>("lblWeb1");
    hover(mail);
    EXPECT_TRUE(looksHot(mail));
    EXPECT_FALSE(looksHot(web));
    hover(control<QWidget>("picContainer"));
    EXPECT_FALSE(looksHot(mail));

    // Over the viewport, the heading or an icon the link stays lit.
    hover(web);
    hover(control<QWidget>("picsfondo"));
    hover(control<QLabel>("lblInt2"));
    hover(control<QLabel>("imgWeb1"));
    EXPECT_TRUE(looksHot(web));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(FrmInfoTest, ClicksCloseExceptOnTheBarsOrWithOtherButtons)
{
    click(control<QWidget>("picBarra1"));
    click(control<QWidget>("picsfondo"), Qt::RightButton);
    EXPECT_FALSE(closedAndGone());

    for (const char *name : {"lblInt0", "lblInt2", "imgAnim0", "imgWeb2", "picsfondo",
                             "picContainer"}) {
        window = frmInfo::showInfo();
        click(control<QWidget>(name));
        EXPECT_TRUE(closedAndGone()) << name;
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(FrmInfoTest, CloseDuringAPauseEndsItAndDeletesTheWindowAfterTheTick)
{
    auto *viewport = control<SlideView>("picsfondo");
    // 102 ticks bring the next offset to just above the first pause (-38).
    for (int tick = 0; tick < 102; ++tick)
        window->tmrSlider_Timer();

    bool aliveDuringPause = false;
    QTimer::singleShot(0, [&] {
        click(viewport);
        flushDeletes();
        aliveDuringPause = !window.isNull();
    });
    window->tmrSlider_Timer(); // pauses at -38; the click above ends the pause

    EXPECT_TRUE(aliveDuringPause);
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(viewport->copiedAt(), QPoint(0, -37));
    EXPECT_TRUE(closedAndGone());
}
