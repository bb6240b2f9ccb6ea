// The RLE8 decoder on hand-made frames: every kind of code, and data that
// must be refused without drawing outside the picture.

#include "animation/rle8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tandara {
namespace {

// A 4 x 3 canvas filled with 9, as text: one line per row, top first.
QImage canvas()
{
    QImage picture(4, 3, QImage::Format_Indexed8);
    picture.setColorCount(256);
    picture.fill(9);
    return picture;
}

std::string rows(const QImage &picture)
{
    std::string text;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            text += char('0' + picture.pixelIndex(x, y));
        text += y + 1 < picture.height() ? "|" : "";
    }
    return text;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray data;
    for (int value : values)
        data.append(char(value));
    return data;
}

struct Case {
    const char *name;
    QByteArray data;
    const char *picture; // top row first
};

TEST(Rle8, DecodesEveryKindOfCode)
{
    const std::vector<Case> cases = {
        {"runs fill rows from the bottom",
         bytes({4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 4, 4, 0, 1}), "4444|2233|1111"},
        {"absolute with its pad byte", bytes({0, 3, 5, 6, 7, 0, 1, 8, 0, 1}), "9999|9999|5678"},
        {"absolute of even length has no pad", bytes({0, 4, 1, 2, 3, 4, 0, 1}), "9999|9999|1234"},
        {"delta skips right and up", bytes({1, 1, 0, 2, 2, 1, 1, 3, 0, 1}), "9999|9993|1999"},
        {"end of line leaves the rest of the row", bytes({2, 1, 0, 0, 1, 2, 0, 1}), "9999|2999|1199"},
        {"end of bitmap stops early", bytes({1, 1, 0, 1, 3, 3}), "9999|9999|1999"},
        {"data may end without end of bitmap", bytes({4, 1}), "9999|9999|1111"},
        {"empty data changes nothing", bytes({}), "9999|9999|9999"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QImage picture = canvas();
        EXPECT_TRUE(decodeRle8(c.data, picture));
        EXPECT_EQ(rows(picture), c.picture);
    }
}

TEST(Rle8, RefusesDataThatLeavesThePictureOrIsCutShort)
{
    const std::vector<Case> cases = {
        {"run longer than the row", bytes({5, 1}), nullptr},
        {"run after the top row", bytes({0, 0, 0, 0, 0, 0, 1, 1}), nullptr},
        {"delta past the right edge", bytes({0, 2, 5, 0}), nullptr},
        {"delta past the top", bytes({0, 2, 0, 4}), nullptr},
        {"delta cut short", bytes({0, 2, 1}), nullptr},
        {"absolute longer than the row", bytes({0, 5, 1, 1, 1, 1, 1, 0}), nullptr},
        {"absolute cut short", bytes({0, 4, 1, 2}), nullptr},
        {"a lone byte", bytes({2, 1, 3}), nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QImage picture = canvas();
        EXPECT_FALSE(decodeRle8(c.data, picture));
    }
}

} // namespace
} // namespace tandara
