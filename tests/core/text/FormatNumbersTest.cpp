#include <gtest/gtest.h>

#include "text/FormatNumbers.h"

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
