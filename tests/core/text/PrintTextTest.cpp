#include "text/PrintText.h"

#include <gtest/gtest.h>

#include "text/DateTimeText.h"

namespace quorvane {
namespace {

std::tm SampleTime()
{
    std::tm t{};
    t.tm_year = 2010 - 1900;
    t.tm_mon = 9;
    t.tm_mday = 5;
    t.tm_hour = 9;
    t.tm_min = 8;
    t.tm_sec = 7;
    return t;
}

TEST(PrintText, TimeStampLineThenTheLines)
{
    EXPECT_EQ(FormatDateTime(SampleTime()), "2010.10.05 09:08:07");
    const std::vector<std::string> printed =
        PrintTextLines({"第2005013期,开奖号:03 08 14 21 27 30 09", ""}, SampleTime());
    ASSERT_EQ(printed.size(), 3u);
    EXPECT_EQ(printed[0], " 打印，时间:2010.10.05 09:08:07");
    EXPECT_EQ(printed[1], "第2005013期,开奖号:03 08 14 21 27 30 09");
    EXPECT_EQ(printed[2], "");
    EXPECT_EQ(PrintTextLines({}, SampleTime()).size(), 1u);
}

} // namespace
} // namespace quorvane
