#include "charts/ZoneDistributionChart.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::HistoryOf;
using test::Text;

TEST(ZoneDistributionChartTest, CountsAndColoursEveryPartition)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 5, 6}, {1, 12, 13, 23, 24, 25}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildZoneDistributionChart(g, h, 2).Ok());
    EXPECT_EQ(g.FColsCount, 37);
    EXPECT_EQ(g.FFontSize, 11);
    EXPECT_EQ(g.FColWidthArr[7], 28);
    EXPECT_EQ(g.FColWidthArr[36], 22);
    EXPECT_EQ(test::Spans(g),
              (std::vector<std::string>{"0,0-0,1 期号", "1,0-6,0 红球号码", "7,0-7,1 蓝球", "8,0-10,0 3分区",
                                        "11,0-14,0 4分区", "15,0-19,0 5分区", "20,0-25,0 6分区",
                                        "26,0-36,0 11分区"}));
    EXPECT_EQ(Text(g, 1, 26), "1");
    EXPECT_EQ(Text(g, 1, 36), "11");

    // Row 3 (older draw): 01 02 03 04 05 06.
    EXPECT_EQ(Text(g, 3, 8), "6");
    EXPECT_EQ(Color(g, 3, 8), RGB(241, 134, 100));
    EXPECT_EQ(Text(g, 3, 9), "");
    EXPECT_EQ(Color(g, 3, 9), RGB(209, 229, 244)); // an empty zone keeps the base colour
    EXPECT_EQ(Text(g, 3, 11), "6");
    EXPECT_EQ(Color(g, 3, 11), RGB(100, 241, 134));
    EXPECT_EQ(Text(g, 3, 15), "6");
    EXPECT_EQ(Color(g, 3, 15), RGB(241, 134, 100));
    EXPECT_EQ(Text(g, 3, 20), "6");
    EXPECT_EQ(Color(g, 3, 20), RGB(225, 166, 132));
    EXPECT_EQ(Color(g, 3, 21), RGB(209, 229, 164));
    EXPECT_EQ(Text(g, 3, 26), "3");
    EXPECT_EQ(Color(g, 3, 26), RGB(255, 70, 52));
    EXPECT_EQ(Text(g, 3, 27), "3");
    EXPECT_EQ(Text(g, 3, 28), "");
    EXPECT_EQ(Color(g, 3, 28), NoColor);

    // Row 2 (newest): 01 12 13 23 24 25. 3 zones: 1, 2, 3.
    EXPECT_EQ(test::RowTexts(g, 2, 8, 10), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Color(g, 2, 8), RGB(209, 229, 244)); // one red keeps the base colour
    EXPECT_EQ(Color(g, 2, 9), RGB(161, 166, 244));
    EXPECT_EQ(Color(g, 2, 10), RGB(161, 166, 244));
    // 4 zones: 01 | 12 13 | 23 24 | 25.
    EXPECT_EQ(test::RowTexts(g, 2, 11, 14), (std::vector<std::string>{"1", "2", "2", "1"}));
    EXPECT_EQ(Color(g, 2, 11), RGB(244, 209, 229));
    EXPECT_EQ(Color(g, 2, 12), RGB(166, 241, 240));
    // 5 zones: 01 | 12 13 | - | 23 24 25 | -.
    EXPECT_EQ(test::RowTexts(g, 2, 15, 19), (std::vector<std::string>{"1", "2", "", "3", ""}));
    // 6 zones: 01 | 12 | 13 | 23 24 | 25 | -.
    EXPECT_EQ(test::RowTexts(g, 2, 20, 25), (std::vector<std::string>{"1", "1", "1", "2", "1", ""}));
    EXPECT_EQ(Color(g, 2, 23), RGB(241, 182, 244));
    // 11 zones: 01 in 1, 12 in 4, 13 in 5, 23 24 in 8, 25 in 9.
    EXPECT_EQ(Text(g, 2, 26), "1");
    EXPECT_EQ(Color(g, 2, 26), RGB(193, 149, 244));
    EXPECT_EQ(Text(g, 2, 33), "2");
    EXPECT_EQ(Color(g, 2, 33), RGB(225, 134, 100));

    // Footer: columns 8-21 always show their totals, later ones only above 0.
    EXPECT_EQ(Text(g, 4, 0), "合计");
    EXPECT_EQ(Color(g, 4, 30), RGB(128, 128, 128));
    EXPECT_EQ(Text(g, 4, 8), "7");
    EXPECT_EQ(Text(g, 4, 19), "0");
    EXPECT_EQ(Text(g, 4, 21), "1");
    EXPECT_EQ(Text(g, 4, 25), "");
    EXPECT_EQ(Text(g, 4, 26), "4");
    EXPECT_EQ(Text(g, 4, 36), "");
}

TEST(ZoneDistributionChartTest, ZeroTotalsOfThreeZoneColumnsShowAndElevenZoneColumnsStayEmpty)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 5, 6}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildZoneDistributionChart(g, h, 1).Ok());
    EXPECT_EQ(Text(g, 3, 10), "0");
    EXPECT_EQ(Text(g, 3, 20), "6");
    EXPECT_EQ(Text(g, 3, 21), "0");
    EXPECT_EQ(Text(g, 3, 22), "");
    EXPECT_EQ(Text(g, 3, 30), "");

    ASSERT_TRUE(BuildZoneDistributionChart(g, h, 0).Ok());
    EXPECT_EQ(Text(g, 2, 8), "0");
    EXPECT_EQ(Text(g, 2, 26), "");
    EXPECT_FALSE(BuildZoneDistributionChart(g, h, 2).Ok());
}

} // namespace
} // namespace quorvane
