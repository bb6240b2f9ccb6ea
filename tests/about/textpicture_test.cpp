#include "about/frminfo.h"
#include "about/infotext.h"
#include "about/slidescroll.h"
#include "about/textpicture.h"

#include "widgets/looks.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace tandara;
using namespace tandara::about;

namespace {

const QColor kNavyInk(0, 0, 128);

// Bounding box of the pixels that satisfy `keep`, in the rows [top, bottom).
template <typename Keep>
QRect inkBox(const QImage &image, int top, int bottom, Keep keep)
{
    QRect box;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (keep(QColor(image.pixel(x, y))))
                box |= QRect(x, y, 1, 1);
    return box;
}

QRect navyBox(const QImage &image, int top, int bottom)
{
    return inkBox(image, top, bottom, [](const QColor &c) { return c == kNavyInk; });
}

QRect anyInkBox(const QImage &image, int top, int bottom)
{
    return inkBox(image, top, bottom, [](const QColor &c) { return c != kWindowBackground; });
}

} // namespace

TEST(TextPicture, HeightIsFiftySevenTextHeightsPlusAHundred)
{
    const QFont font = frmInfo::textFont();
    TextPicture picture(325, font, kWindowBackground, int(infoLines().size()));
    EXPECT_EQ(picture.textHeight(), QFontMetrics(font).height());
    EXPECT_EQ(picture.image().height(), picture.textHeight() * 57 + 100);
    EXPECT_EQ(picture.image().width(), 325);
    EXPECT_EQ(QColor(picture.image().pixel(10, picture.image().height() - 1)), kWindowBackground);
}

TEST(TextPicture, LineIsCentredWithALightShadowUpAndLeft)
{
    TextPicture picture(325, frmInfo::textFont(), kWindowBackground, 3);
    picture.PrintText(QStringLiteral("HHHH"));
    const int lineBottom = picture.textHeight() + 2;
    const QRect navy = navyBox(picture.image(), 0, lineBottom);
    const QRect ink = anyInkBox(picture.image(), 0, lineBottom);
    ASSERT_FALSE(navy.isEmpty());
    // Two light copies at +0 and +1, the navy one at +2.
    EXPECT_EQ(ink.left(), navy.left() - 2);
    EXPECT_EQ(ink.top(), navy.top() - 2);
    EXPECT_EQ(ink.right(), navy.right());
    EXPECT_EQ(ink.bottom(), navy.bottom());
    EXPECT_EQ(QColor(picture.image().pixel(ink.left(), navy.top())), QColor(193, 212, 255));
    // Centred: the light copy's middle sits on the picture's middle.
    EXPECT_NEAR((ink.left() + navy.right() - 2) / 2.0, 325 / 2.0, 2.0);
}

TEST(TextPicture, EachLineAdvancesByTextHeightPlusTwo)
{
    TextPicture picture(325, frmInfo::textFont(), kWindowBackground, 4);
    picture.PrintText(QStringLiteral("H"));
    picture.PrintText(QString());
    picture.PrintText(QStringLiteral("H"));
    const int pitch = picture.textHeight() + 2;
    const QRect first = navyBox(picture.image(), 0, pitch);
    const QRect blank = anyInkBox(picture.image(), pitch + 2, 2 * pitch);
    const QRect third = navyBox(picture.image(), 2 * pitch, 3 * pitch);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_TRUE(blank.isEmpty());
    EXPECT_EQ(third.top() - first.top(), 2 * pitch);
    EXPECT_EQ(third.left(), first.left());
}

TEST(TextPicture, EachPauseHoldsAWholeParagraphLineAtTheTop)
{
    const QStringList lines = infoLines();
    TextPicture picture(325, frmInfo::textFont(), kWindowBackground, int(lines.size()));
    for (const QString &line : lines)
        picture.PrintText(line);
    const QImage &image = picture.image();
    // No line runs off either side.
    const QRect all = anyInkBox(image, 0, image.height());
    EXPECT_GT(all.left(), 0);
    EXPECT_LT(all.right(), image.width() - 1);

    // During a pause the viewport (65 px) shows the picture copied one
    // pixel below the pause offset; the navy text of the paragraph's first
    // line must be wholly in view.
    const int pitch = picture.textHeight() + 2;
    const int starts[] = {3, 8, 13, 18, 23, 28, 32, 39, 44, 48, 52, 56};
    for (size_t i = 0; i < kPausePositions.size(); ++i) {
        const int lineTop = (starts[i] - 1) * pitch;
        const QRect ink = navyBox(image, lineTop, lineTop + pitch);
        ASSERT_FALSE(ink.isEmpty()) << "line " << starts[i];
        const int shownTop = ink.top() + kPausePositions[i] + 1;
        const int shownBottom = ink.bottom() + kPausePositions[i] + 1;
        EXPECT_GE(shownTop, 0) << "line " << starts[i];
        EXPECT_LT(shownBottom, 65) << "line " << starts[i];
    }
}
