#include "text/FormatNumbers.h"

#include <gtest/gtest.h>

using namespace quorvane;

TEST(FormatNumbers, TwoDigitsIssuesAndTickets)
{
    EXPECT_EQ(Pad2(7), "07");
    EXPECT_EQ(Pad2(16), "16");
    EXPECT_EQ(Pad2(0), "00");
    EXPECT_EQ(Pad2(123), "123");
    EXPECT_EQ(FormatIssue(2009, 7), "2009007");
    EXPECT_EQ(FormatIssue(2005, 13), "2005013");
    EXPECT_EQ(FormatIssue(5, 13), "   5013");
    EXPECT_EQ(FormatTicket({1, 2, 3, 4, 5, 6}), "01 02 03 04 05 06");
    EXPECT_EQ(FormatTicket({3, 8, 14, 21, 27, 33}), "03 08 14 21 27 33");
}

TEST(FormatNumbers, PercentWithOneDecimalRoundedHalfUp)
{
    EXPECT_EQ(FormatPercent(812, 1000), "81.2%");
    EXPECT_EQ(FormatPercent(7, 8), "87.5%");
    EXPECT_EQ(FormatPercent(1, 3), "33.3%");
    EXPECT_EQ(FormatPercent(2, 3), "66.7%");
    EXPECT_EQ(FormatPercent(1, 2000), "0.1%"); // 0.05 rounds up
    EXPECT_EQ(FormatPercent(0, 5), "0.0%");
    EXPECT_EQ(FormatPercent(5, 5), "100.0%");
    EXPECT_EQ(FormatPercent(3, 0), "-");
}
