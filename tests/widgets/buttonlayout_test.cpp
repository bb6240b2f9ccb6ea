// Where picture and caption go for the placement settings the window uses.
#include "widgets/buttonlayout.h"

#include <gtest/gtest.h>

using tandara::layoutButton;

namespace {

const QRect kFace(0, 0, 89, 33);
const QSize kPicture(16, 16);
const QSize kCaption(30, 13);

TEST(ButtonLayout, PictureBesideOrAboveTheCaptionAndBothInsideTheFace)
{
    for (int tab : {2, 4})
        for (int align : {1, 2, 3, 4}) {
            SCOPED_TRACE(testing::Message() << "picturetab " << tab << " captionalign " << align);
            const auto layout = layoutButton(kFace, kPicture, kCaption, tab, align);
            EXPECT_TRUE(kFace.contains(layout.picture));
            EXPECT_TRUE(kFace.contains(layout.caption));
            if (tab == 2) {
                EXPECT_LE(layout.picture.right(), layout.caption.left());
                EXPECT_LE(std::abs(layout.picture.center().y() - layout.caption.center().y()), 1);
            } else {
                EXPECT_LE(layout.picture.bottom(), layout.caption.top());
            }
        }
}

TEST(ButtonLayout, CaptionalignThreeCentresTheBlockFourHoldsThePictureAtTheEdge)
{
    const auto centred = layoutButton(kFace, kPicture, kCaption, 2, 3);
    const int leftGap = centred.picture.left() - kFace.left();
    const int rightGap = kFace.right() - centred.caption.right();
    EXPECT_LE(std::abs(leftGap - rightGap), 1);

    const auto edge = layoutButton(kFace, kPicture, kCaption, 2, 4);
    EXPECT_EQ(edge.picture.left(), tandara::kButtonMargin);
    EXPECT_GT(centred.picture.left(), edge.picture.left());

    const auto stacked = layoutButton(kFace, kPicture, kCaption, 4, 3);
    EXPECT_LE(std::abs(stacked.picture.center().x() - stacked.caption.center().x()), 1);
}

TEST(ButtonLayout, MissingPartsGiveEmptyPlacesAndTheOtherIsCentred)
{
    const auto pictureOnly = layoutButton(QRect(0, 0, 21, 20), QSize(21, 20), QSize(), 2, 4);
    EXPECT_TRUE(pictureOnly.caption.isNull());
    EXPECT_EQ(pictureOnly.picture, QRect(0, 0, 21, 20));

    const auto captionOnly = layoutButton(kFace, QSize(), kCaption, 2, 4);
    EXPECT_TRUE(captionOnly.picture.isNull());
    EXPECT_LE(std::abs(captionOnly.caption.center().x() - kFace.center().x()), 1);
}

} // namespace
