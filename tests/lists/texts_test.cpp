// Number and date-time texts in the Italian locale.

#include "lists/texts.h"

#include <gtest/gtest.h>

namespace tandara::test {
namespace {

TEST(NumberTexts, GroupedWithAtLeastTwoDigits)
{
    EXPECT_EQ(formatGrouped2(0), "00");
    EXPECT_EQ(formatGrouped2(7), "07");
    EXPECT_EQ(formatGrouped2(10), "10");
    EXPECT_EQ(formatGrouped2(1234), "1.234");
    EXPECT_EQ(formatGrouped2(5368709120LL), "5.368.709.120");
    EXPECT_EQ(formatGrouped(0), "0");
    EXPECT_EQ(formatGrouped(1234567), "1.234.567");
}

TEST(NumberTexts, KilobytesRoundHalvesAwayFromZero)
{
    EXPECT_EQ(formatKb(0), "00");
    EXPECT_EQ(formatKb(499), "00");
    EXPECT_EQ(formatKb(500), "01");
    EXPECT_EQ(formatKb(1536000), "1.536");
    EXPECT_EQ(formatKb(2499), "02");
}

TEST(DateTimeTexts, FourDigitYearAndSecondsReadBackToTheSameSecond)
{
    EXPECT_EQ(dateTimeFormat(), "dd/MM/yyyy HH:mm:ss");
    for (const int64_t t : {int64_t(0), int64_t(1700000123), int64_t(1798761599), int64_t(4102444799)}) {
        const QString text = formatDateTime(t);
        EXPECT_EQ(parseDateTime(text), t) << text.toStdString();
    }
    EXPECT_EQ(formatDateTime(1798761599).size(), 19);
    EXPECT_EQ(parseDateTime("not a date"), std::nullopt);
}

} // namespace
} // namespace tandara::test
