#include "charts/DigitTrendCharts.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::MakeDraw;
using test::Text;

TEST(TailTrendChartTest, CountsTailsWithColoursUpToThree)
{
    const DrawHistory h = {MakeDraw(2010001, {3, 13, 23, 33, 4, 5}, 1),
                           MakeDraw(2010002, {1, 11, 2, 12, 22, 9}, 2)};
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildTailTrendChart(g, h, 2).Ok());
    EXPECT_EQ(g.FColsCount, 18);
    EXPECT_EQ(test::Spans(g).back(), "8,0-17,0 尾数分布");
    EXPECT_EQ(test::RowTexts(g, 1, 8, 17),
              (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));

    // Older draw (row 3): 03 04 05 13 23 33.
    EXPECT_EQ(Text(g, 3, 11), "4");
    EXPECT_EQ(Color(g, 3, 11), NoColor);
    EXPECT_EQ(Text(g, 3, 12), "1");
    EXPECT_EQ(Color(g, 3, 12), RGB(193, 149, 244));
    EXPECT_EQ(Text(g, 3, 13), "1");
    EXPECT_EQ(Text(g, 3, 8), "");
    EXPECT_EQ(Color(g, 3, 8), NoColor);
    // Newest draw (row 2): 01 02 09 11 12 22 - tails 1 x2, 2 x3, 9 x1.
    EXPECT_EQ(Color(g, 2, 9), RGB(225, 134, 100));
    EXPECT_EQ(Text(g, 2, 10), "3");
    EXPECT_EQ(Color(g, 2, 10), RGB(255, 70, 52));
    // Footer totals per digit, 0 included.
    EXPECT_EQ(test::RowTexts(g, 4, 8, 17),
              (std::vector<std::string>{"0", "2", "3", "4", "1", "1", "0", "0", "0", "1"}));
}

TEST(PositionChartsTest, BigSmallClassesRedsAndBlue)
{
    const DrawHistory h = {MakeDraw(2010001, {1, 2, 3, 17, 18, 33}, 8),
                           MakeDraw(2010002, {1, 2, 3, 4, 5, 18}, 9)};
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildBigSmallChart(g, h, 2).Ok());
    EXPECT_EQ(g.FColsCount, 30);
    EXPECT_EQ(test::Spans(g), (std::vector<std::string>{
                                  "0,0-0,1 期号", "1,0-6,0 红球号码", "7,0-7,1 蓝球", "8,0-9,0 第1位",
                                  "10,0-11,0 第2位", "12,0-13,0 第3位", "14,0-15,0 第4位", "16,0-17,0 第5位",
                                  "18,0-19,0 第6位", "20,0-21,0 蓝球", "22,0-29,0 大数个数"}));
    EXPECT_EQ(test::RowTexts(g, 1, 8, 9), (std::vector<std::string>{"D", "X"}));
    EXPECT_EQ(Text(g, 1, 22), "数");
    EXPECT_EQ(Text(g, 1, 29), "6");

    // Older draw (row 3): 17 in position 4 is small, 18 in position 5 big; blue 08 small.
    EXPECT_EQ(Text(g, 3, 14), "");
    EXPECT_EQ(Text(g, 3, 15), "X");
    EXPECT_EQ(Text(g, 3, 16), "D");
    EXPECT_EQ(Text(g, 3, 17), "");
    EXPECT_EQ(Text(g, 3, 21), "X");
    EXPECT_EQ(Text(g, 3, 20), "");
    EXPECT_EQ(Text(g, 3, 22), "2");
    EXPECT_EQ(Text(g, 3, 25), "2");
    EXPECT_EQ(Color(g, 3, 25), RGB(131, 228, 197));
    // Newest draw: blue 09 is big.
    EXPECT_EQ(Text(g, 2, 20), "D");
    EXPECT_EQ(Text(g, 2, 22), "1");
    EXPECT_EQ(Text(g, 2, 24), "1");

    // Background colours of the big/small chart, body rows only.
    EXPECT_EQ(Color(g, 2, 8), RGB(229, 89, 239));
    EXPECT_EQ(Color(g, 2, 11), RGB(131, 228, 197));
    EXPECT_EQ(Color(g, 2, 17), RGB(99, 228, 181));
    EXPECT_EQ(Color(g, 2, 21), RGB(85, 209, 239));
    EXPECT_EQ(Color(g, 2, 22), RGB(85, 209, 239));
    EXPECT_EQ(Color(g, 2, 23), RGB(99, 228, 181));
    EXPECT_EQ(Color(g, 4, 23), RGB(128, 128, 128));

    // Footer: letters counted per column, the count column summed, the count columns by draws.
    EXPECT_EQ(Text(g, 4, 8), "0");
    EXPECT_EQ(Text(g, 4, 9), "2");
    EXPECT_EQ(Text(g, 4, 18), "2");
    EXPECT_EQ(Text(g, 4, 20), "1");
    EXPECT_EQ(Text(g, 4, 21), "1");
    EXPECT_EQ(Text(g, 4, 22), "3");
    EXPECT_EQ(test::RowTexts(g, 4, 23, 29), (std::vector<std::string>{"0", "1", "1", "0", "0", "0", "0"}));
}

TEST(PositionChartsTest, OddEvenAndTailBigSmall)
{
    const DrawHistory h = {MakeDraw(2010001, {1, 3, 5, 7, 9, 25}, 15),
                           MakeDraw(2010002, {2, 4, 6, 8, 10, 24}, 16)};
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildOddEvenChart(g, h, 2).Ok());
    EXPECT_EQ(test::Spans(g).back(), "22,0-29,0 奇数个数");
    EXPECT_EQ(test::RowTexts(g, 1, 8, 9), (std::vector<std::string>{"J", "O"}));
    // Six odd reds: 6 in column 22 and in column 29.
    EXPECT_EQ(test::RowTexts(g, 3, 8, 9), (std::vector<std::string>{"J", ""}));
    EXPECT_EQ(Text(g, 3, 22), "6");
    EXPECT_EQ(Text(g, 3, 29), "6");
    EXPECT_EQ(Color(g, 3, 29), RGB(131, 228, 197));
    EXPECT_EQ(Text(g, 3, 20), "J");
    EXPECT_EQ(Text(g, 2, 23), "0");
    EXPECT_EQ(Text(g, 2, 21), "O");
    EXPECT_EQ(Color(g, 2, 8), RGB(85, 209, 239));
    EXPECT_EQ(Color(g, 2, 10), RGB(196, 163, 222));
    EXPECT_EQ(Color(g, 2, 20), RGB(229, 89, 239));
    EXPECT_EQ(Color(g, 2, 24), RGB(196, 163, 222));

    ASSERT_TRUE(BuildTailBigSmallChart(g, h, 2).Ok());
    EXPECT_EQ(test::RowTexts(g, 1, 8, 9), (std::vector<std::string>{"D", "X"}));
    // Older draw 01 03 05 07 09 25, blue 15: tails 1 3 | 5 7 9 5, blue tail 5.
    EXPECT_EQ(test::RowTexts(g, 3, 8, 21),
              (std::vector<std::string>{"", "X", "", "X", "D", "", "D", "", "D", "", "D", "", "D", ""}));
    EXPECT_EQ(Text(g, 3, 22), "4");
    EXPECT_EQ(Text(g, 3, 27), "4");
    // Newest draw 02 04 06 08 10 24, blue 16: the red 24 and 10 are "X".
    EXPECT_EQ(Text(g, 2, 19), "X");
    EXPECT_EQ(Text(g, 2, 20), "D");
    EXPECT_EQ(Text(g, 2, 22), "2");
}

} // namespace
} // namespace quorvane
