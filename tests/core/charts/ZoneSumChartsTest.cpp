#include "charts/ZoneSumCharts.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::HistoryOf;
using test::Text;

TEST(ZoneSumChartTest, SumParityAndLastDigitSize)
{
    const DrawHistory h = HistoryOf({{28, 29, 30, 31, 32, 33}, {1, 2, 12, 13, 23, 25}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildZoneSumChart(g, h, 2, 3).Ok());
    EXPECT_EQ(g.FColsCount, 13);
    EXPECT_EQ(g.FColWidthArr,
              (std::vector<std::int32_t>{86, 30, 30, 30, 30, 30, 30, 42, 62, 52, 52, 52, 52}));
    EXPECT_EQ(test::Spans(g),
              (std::vector<std::string>{"0,0-0,1 期号", "1,0-6,0 红球号码", "7,0-7,1 蓝球",
                                        "8,0-8,1 三区\r\n和值", "9,0-10,0 和值尾数", "11,0-12,0 和值尾数"}));
    EXPECT_EQ(test::RowTexts(g, 1, 9, 12), (std::vector<std::string>{"奇数", "偶数", "大数", "小数"}));
    // 23 + 25 = 48: even, last digit 8 big.
    EXPECT_EQ(test::RowTexts(g, 2, 8, 12), (std::vector<std::string>{"48", "", "偶", "大", ""}));
    EXPECT_EQ(Color(g, 2, 9), NoColor);
    EXPECT_EQ(Color(g, 2, 10), RGB(85, 209, 239));
    EXPECT_EQ(Color(g, 2, 11), RGB(229, 89, 239));
    EXPECT_EQ(Color(g, 2, 12), NoColor);
    // 28 + ... + 33 = 183: odd, last digit 3 small.
    EXPECT_EQ(test::RowTexts(g, 3, 8, 12), (std::vector<std::string>{"183", "奇", "", "", "小"}));
    EXPECT_EQ(Color(g, 3, 9), RGB(99, 228, 181));
    EXPECT_EQ(Color(g, 3, 12), RGB(193, 149, 244));
    // Footer: counts of the four classes, nothing under the sum.
    EXPECT_EQ(test::RowTexts(g, 4, 8, 12), (std::vector<std::string>{"", "1", "1", "1", "1"}));
    EXPECT_EQ(Color(g, 4, 0), RGB(204, 204, 204));

    // No red in zone 1: sum 0, even and small.
    ASSERT_TRUE(BuildZoneSumChart(g, h, 2, 1).Ok());
    EXPECT_EQ(test::Spans(g)[3], "8,0-8,1 一区\r\n和值");
    EXPECT_EQ(test::RowTexts(g, 3, 8, 12), (std::vector<std::string>{"0", "", "偶", "", "小"}));
    EXPECT_EQ(Text(g, 2, 8), "3");
    ASSERT_TRUE(BuildZoneSumChart(g, h, 0, 2).Ok());
    EXPECT_EQ(test::Spans(g)[3], "8,0-8,1 二区\r\n和值");
    EXPECT_EQ(test::RowTexts(g, 2, 8, 12), (std::vector<std::string>{"", "0", "0", "0", "0"}));
}

TEST(ZoneRatioChartTest, CountsEachZoneAndTotalsSixPerDraw)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 5, 6}, {1, 12, 13, 23, 24, 25}, {7, 8, 14, 15, 16, 17}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildZoneRatioChart(g, h, 3).Ok());
    EXPECT_EQ(g.FColsCount, 11);
    EXPECT_EQ(g.FColWidthArr, (std::vector<std::int32_t>{86, 30, 30, 30, 30, 30, 30, 62, 72, 72, 72}));
    EXPECT_EQ(test::Spans(g), (std::vector<std::string>{"0,0-0,1 期号", "1,0-6,0 红球号码", "7,0-7,1 蓝球",
                                                        "8,0-8,1 一区\r\n个数", "9,0-9,1 二区\r\n个数",
                                                        "10,0-10,1 三区\r\n个数"}));
    EXPECT_EQ(test::RowTexts(g, 2, 8, 10), (std::vector<std::string>{"2", "4", "0"}));
    EXPECT_EQ(Color(g, 2, 8), RGB(227, 212, 133));
    EXPECT_EQ(Color(g, 2, 9), RGB(241, 117, 100));
    EXPECT_EQ(Color(g, 2, 10), RGB(245, 225, 239));
    EXPECT_EQ(test::RowTexts(g, 3, 8, 10), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Color(g, 3, 8), RGB(228, 227, 254));
    EXPECT_EQ(Color(g, 3, 10), RGB(229, 161, 127));
    EXPECT_EQ(test::RowTexts(g, 4, 8, 10), (std::vector<std::string>{"6", "0", "0"}));
    EXPECT_EQ(Color(g, 4, 8), RGB(255, 21, 20));
    EXPECT_EQ(test::RowTexts(g, 5, 8, 10), (std::vector<std::string>{"9", "6", "3"}));
    EXPECT_EQ(Color(g, 5, 5), RGB(204, 204, 204));
    EXPECT_EQ(Text(g, 5, 0), "合计");
}

} // namespace
} // namespace quorvane
