#include "about/slidescroll.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tandara::about;

namespace {

struct Cycle {
    std::vector<int> copies; // offsets copied, in order
    std::vector<int> pauses; // offsets at which a pause began
};

// Runs ticks until the offset has gone back to the viewport's height.
Cycle runCycle(SlideScroll &scroll, int viewportHeight)
{
    Cycle cycle;
    do {
        cycle.copies.push_back(scroll.posY());
        if (scroll.advance())
            cycle.pauses.push_back(scroll.posY());
    } while (scroll.posY() != viewportHeight && cycle.copies.size() < 100000);
    return cycle;
}

} // namespace

TEST(SlideScroll, FirstPauseComesAfterTheTextRisesToMinus38)
{
    SlideScroll scroll(65, 1012, 325);
    EXPECT_EQ(scroll.posY(), 65);
    for (int tick = 1; tick < 103; ++tick)
        ASSERT_FALSE(scroll.advance()) << "tick " << tick;
    EXPECT_TRUE(scroll.advance());
    EXPECT_EQ(scroll.posY(), -38);
    // After the pause the scroll goes on from that offset.
    EXPECT_FALSE(scroll.advance());
    EXPECT_EQ(scroll.posY(), -39);
}

TEST(SlideScroll, OneCyclePausesTwelveTimesAndWrapsBelowTheViewport)
{
    SlideScroll scroll(65, 1012, 325);
    const Cycle first = runCycle(scroll, 65);
    EXPECT_EQ(first.pauses, std::vector<int>(kPausePositions.begin(), kPausePositions.end()));
    ASSERT_EQ(first.copies.size(), size_t(65 + 1012 + 1));
    EXPECT_EQ(first.copies.front(), 65);
    EXPECT_EQ(first.copies.back(), -1012);
    EXPECT_EQ(scroll.posX(), 0);

    // The next cycle is the same again.
    const Cycle second = runCycle(scroll, 65);
    EXPECT_EQ(second.copies, first.copies);
    EXPECT_EQ(second.pauses, first.pauses);
}

TEST(SlideScroll, ShortTextWrapsBeforeTheLaterPauses)
{
    SlideScroll scroll(40, 300, 200);
    const Cycle cycle = runCycle(scroll, 40);
    EXPECT_EQ(cycle.pauses, (std::vector<int>{-38, -128, -212}));
    EXPECT_EQ(cycle.copies.back(), -300);
}
