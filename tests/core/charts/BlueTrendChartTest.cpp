#include "charts/BlueTrendChart.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::MakeDraw;
using test::Text;

TEST(BlueTrendChartTest, MarksTheBlueWithItsParityRemainderAndZones)
{
    const DrawHistory h = {MakeDraw(2010001, {1, 2, 3, 4, 5, 6}, 16),
                           MakeDraw(2010002, {1, 2, 3, 4, 5, 6}, 9),
                           MakeDraw(2010003, {1, 2, 3, 4, 5, 6}, 0)};
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildBlueTrendChart(g, h, 3).Ok());
    EXPECT_EQ(g.FFontSize, 10);
    EXPECT_EQ(g.FColsCount, 29);
    EXPECT_EQ(g.FColWidthArr[1], 32);
    EXPECT_EQ(g.FColWidthArr[17], 20);
    EXPECT_EQ(g.FColWidthArr[22], 22);
    EXPECT_EQ(g.FColWidthArr[23], 32);
    EXPECT_EQ(test::Spans(g),
              (std::vector<std::string>{"0,0-0,1 期号", "1,0-1,1 蓝球", "2,0-17,0 蓝球分布", "18,0-18,1 奇",
                                        "19,0-19,1 偶", "20,0-20,1 0", "21,0-21,1 1", "22,0-22,1 2",
                                        "23,0-24,0 2分区", "25,0-28,0 4分区"}));
    EXPECT_EQ(test::RowTexts(g, 1, 23, 28),
              (std::vector<std::string>{"1-8", "9-16", "1-4", "5-8", "9-12", ">=13"}));

    // Row 2: blue 0 leaves every blue column empty, with the background colours.
    EXPECT_EQ(Text(g, 2, 0), "2010003");
    for (int c = 1; c < 29; ++c) {
        EXPECT_EQ(Text(g, 2, c), "") << c;
    }
    EXPECT_EQ(Color(g, 2, 1), NoColor);
    EXPECT_EQ(Color(g, 2, 2), RGB(85, 209, 239));
    EXPECT_EQ(Color(g, 2, 18), RGB(196, 163, 222));
    EXPECT_EQ(Color(g, 2, 21), RGB(99, 228, 181));
    EXPECT_EQ(Color(g, 2, 24), RGB(85, 209, 239));
    EXPECT_EQ(Color(g, 2, 25), RGB(193, 149, 244));

    // Row 3: blue 09 marks columns 10, 18, 20, 24 and 27.
    EXPECT_EQ(Text(g, 3, 1), "09");
    EXPECT_EQ(Text(g, 3, 10), "09");
    EXPECT_EQ(Color(g, 3, 10), RGB(249, 255, 176));
    EXPECT_EQ(Color(g, 3, 11), RGB(85, 209, 239));
    EXPECT_EQ(test::RowTexts(g, 3, 18, 28),
              (std::vector<std::string>{"J", "", "▲", "", "", "", "▲", "", "", "▲", ""}));
    // Row 4: blue 16 marks columns 17, 19, 21, 24 and 28.
    EXPECT_EQ(Text(g, 4, 17), "16");
    EXPECT_EQ(test::RowTexts(g, 4, 18, 28),
              (std::vector<std::string>{"", "O", "", "▲", "", "", "▲", "", "", "", "▲"}));

    // Footer: columns 2-28 show their totals (0 too), column 1 none.
    EXPECT_EQ(Text(g, 5, 0), "合计");
    EXPECT_EQ(Text(g, 5, 1), "");
    EXPECT_EQ(Color(g, 5, 1), RGB(128, 128, 128));
    EXPECT_EQ(Text(g, 5, 2), "0");
    EXPECT_EQ(Text(g, 5, 10), "1");
    EXPECT_EQ(test::RowTexts(g, 5, 18, 28),
              (std::vector<std::string>{"1", "1", "1", "1", "0", "0", "2", "0", "0", "1", "1"}));
}

TEST(BlueTrendChartTest, ChecksN)
{
    const DrawHistory h = {MakeDraw(2010001, {1, 2, 3, 4, 5, 6}, 16)};
    auto g = test::StrictModel<TTrendGridModel>();
    EXPECT_FALSE(BuildBlueTrendChart(g, h, 2).Ok());
    EXPECT_EQ(g.FColsCount, 0);
    ASSERT_TRUE(BuildBlueTrendChart(g, h, 0).Ok());
    EXPECT_EQ(g.FDynRows, 1);
    EXPECT_EQ(Text(g, 2, 17), "0");
}

} // namespace
} // namespace quorvane
