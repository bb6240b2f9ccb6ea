// The image list and the program's icon set.
#include "widgets/imagelist.h"
#include "widgets/programicon.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace tandara;

namespace {

TEST(ImageList, ImlIcoHoldsTheSevenPicturesInOrder)
{
    const ImageList list = imlIco();
    const QStringList keys = {"NuovoO", "AggiornatoO", "NuovoD", "AggiornatoD", "FrecciaDx", "FrecciaSx", "Annulla"};
    EXPECT_EQ(list.keys(), keys);
    for (const QString &key : keys) {
        const QPixmap picture = list.ListImages(key);
        EXPECT_FALSE(picture.isNull()) << key.toStdString();
        EXPECT_EQ(picture.size(), QSize(16, 16)) << key.toStdString();
    }
    EXPECT_TRUE(list.ListImages(QStringLiteral("nuovoo")).isNull());
}

// Mean difference of two pictures of one size, per channel, from 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))
                   + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

TEST(ProgramIcon, EverySizeIsTheSameDrawingAtItsOwnSize)
{
    const QIcon icon = programIcon();
    QList<QSize> sizes;
    for (int size : kProgramIconSizes)
        sizes << QSize(size, size);
    EXPECT_EQ(icon.availableSizes(), sizes);
    // Every size brought down to 16 pixels matches the largest brought down
    // too (another picture differs by 60 or more): one drawing, each file
    // in its place.
    const auto smallest = [](const QImage &image) {
        return image.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage large = icon.pixmap(QSize(256, 256)).toImage();
    ASSERT_EQ(large.size(), QSize(256, 256));
    for (int size : kProgramIconSizes) {
        const QImage picture = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(picture.size(), QSize(size, size)) << size;
        EXPECT_LT(meanDifference(smallest(picture), smallest(large)), 30.0) << size;
    }
    // Drawn at its size, not enlarged: the 256-pixel picture differs from
    // the 32-pixel one blown up (about 16; a picture blown up from 128
    // pixels differs by less than 4).
    const QImage enlarged = icon.pixmap(QSize(32, 32)).toImage().scaled(256, 256, Qt::IgnoreAspectRatio,
                                                                        Qt::SmoothTransformation);
    EXPECT_GT(meanDifference(large, enlarged), 8.0);
}

} // namespace
