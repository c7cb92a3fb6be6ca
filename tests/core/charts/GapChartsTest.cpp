#include "charts/GapCharts.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::HistoryOf;
using test::Text;

TEST(GapTrendChartTest, CountsGapSizesTwoToEleven)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 5, 6}, {1, 3, 5, 7, 9, 11}, {1, 4, 14, 20, 27, 33}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildGapTrendChart(g, h, 3).Ok());
    EXPECT_EQ(g.FColsCount, 18);
    EXPECT_EQ(g.FColWidthArr[7], 42);
    EXPECT_EQ(g.FColWidthArr[17], 48);
    const auto spans = test::Spans(g);
    ASSERT_EQ(spans.size(), 13u);
    EXPECT_EQ(spans[3], "8,0-8,1 间距2");
    EXPECT_EQ(spans[12], "17,0-17,1 间距11");

    // 01 04 14 20 27 33: gaps 3, 10, 6, 7, 6.
    EXPECT_EQ(test::RowTexts(g, 2, 8, 17),
              (std::vector<std::string>{"", "1", "", "", "2", "1", "", "", "1", ""}));
    EXPECT_EQ(Color(g, 2, 9), RGB(99, 228, 181));   // size 3
    EXPECT_EQ(Color(g, 2, 12), RGB(85, 209, 239));  // size 6
    EXPECT_EQ(Color(g, 2, 13), RGB(196, 163, 222)); // size 7
    EXPECT_EQ(Color(g, 2, 16), RGB(193, 149, 244)); // size 10
    EXPECT_EQ(Color(g, 2, 8), NoColor);
    // Five gaps of 2.
    EXPECT_EQ(Text(g, 3, 8), "5");
    EXPECT_EQ(Color(g, 3, 8), RGB(196, 163, 222));
    // Gaps of 1 are not shown.
    EXPECT_EQ(test::RowTexts(g, 4, 8, 17), std::vector<std::string>(10, ""));
    // Footer: draws with the size, zero totals empty.
    EXPECT_EQ(test::RowTexts(g, 5, 8, 17),
              (std::vector<std::string>{"1", "1", "", "", "1", "1", "", "", "1", ""}));
    EXPECT_EQ(Color(g, 5, 10), RGB(128, 128, 128));
}

TEST(PositionAnalysisChartTest, SortsEachPositionByParitySizeAndRemainder)
{
    const DrawHistory h = HistoryOf({{10, 11, 12, 13, 14, 29}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildPositionChart(g, h, 1).Ok());
    EXPECT_EQ(g.FColsCount, 50);
    EXPECT_EQ(g.FColWidthArr[7], 36);
    EXPECT_EQ(g.FColWidthArr[49], 30);
    const auto spans = test::Spans(g);
    ASSERT_EQ(spans.size(), 21u);
    EXPECT_EQ(spans[3], "8,0-9,0 第1位");
    EXPECT_EQ(spans[9], "20,0-21,0 第1位");
    EXPECT_EQ(spans[15], "32,0-34,0 第1位");
    EXPECT_EQ(spans[20], "47,0-49,0 第6位");
    EXPECT_EQ(test::RowTexts(g, 1, 8, 9), (std::vector<std::string>{"奇", "偶"}));
    EXPECT_EQ(test::RowTexts(g, 1, 20, 21), (std::vector<std::string>{"高", "低"}));
    EXPECT_EQ(test::RowTexts(g, 1, 32, 34), (std::vector<std::string>{"0", "1", "2"}));

    // Position 1, red 10: even, low, remainder 0.
    EXPECT_EQ(test::RowTexts(g, 2, 8, 9), (std::vector<std::string>{"", "10"}));
    EXPECT_EQ(test::RowTexts(g, 2, 20, 21), (std::vector<std::string>{"", "10"}));
    EXPECT_EQ(test::RowTexts(g, 2, 32, 34), (std::vector<std::string>{"▲", "", ""}));
    EXPECT_EQ(Color(g, 2, 8), RGB(196, 163, 222));
    EXPECT_EQ(Color(g, 2, 21), RGB(196, 163, 222));
    EXPECT_EQ(Color(g, 2, 33), RGB(241, 165, 244));
    // Position 2, red 11: even position, uncoloured remainder block; remainder 1.
    EXPECT_EQ(Color(g, 2, 10), RGB(99, 228, 181));
    EXPECT_EQ(Color(g, 2, 35), NoColor);
    EXPECT_EQ(test::RowTexts(g, 2, 35, 37), (std::vector<std::string>{"", "▲", ""}));
    // Position 6, red 29: odd, high, remainder 0 (9 mod 3).
    EXPECT_EQ(test::RowTexts(g, 2, 18, 19), (std::vector<std::string>{"29", ""}));
    EXPECT_EQ(test::RowTexts(g, 2, 30, 31), (std::vector<std::string>{"29", ""}));
    EXPECT_EQ(test::RowTexts(g, 2, 47, 49), (std::vector<std::string>{"▲", "", ""}));
    EXPECT_EQ(Color(g, 2, 18), RGB(229, 89, 239));
    // Position 5, red 14: low, remainder 1; its block is coloured.
    EXPECT_EQ(Color(g, 2, 44), RGB(241, 165, 244));

    // Footer: totals above 0 only.
    EXPECT_EQ(test::RowTexts(g, 3, 8, 9), (std::vector<std::string>{"", "1"}));
    EXPECT_EQ(test::RowTexts(g, 3, 32, 34), (std::vector<std::string>{"1", "", ""}));

    // A last digit of 5 is the first "高" one; 4 the last "低" one.
    ASSERT_TRUE(BuildPositionChart(g, HistoryOf({{5, 14, 15, 24, 25, 33}}), 1).Ok());
    EXPECT_EQ(test::RowTexts(g, 2, 20, 21), (std::vector<std::string>{"5", ""}));
    EXPECT_EQ(test::RowTexts(g, 2, 22, 23), (std::vector<std::string>{"", "14"}));
    EXPECT_EQ(test::RowTexts(g, 2, 24, 25), (std::vector<std::string>{"15", ""}));
    EXPECT_EQ(test::RowTexts(g, 2, 28, 29), (std::vector<std::string>{"25", ""}));
}

TEST(GapAnalysisChartTest, GapsByParityAndTheWholeSetSpans)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 5, 6}, {2, 6, 7, 19, 20, 33}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildGapAnalysisChart(g, h, 2).Ok());
    EXPECT_EQ(g.FColsCount, 21);
    EXPECT_EQ(g.FColWidthArr[8], 38);
    EXPECT_EQ(g.FColWidthArr[20], 68);
    EXPECT_EQ(test::Spans(g),
              (std::vector<std::string>{"0,0-0,1 期号", "1,0-6,0 红球号码", "7,0-7,1 蓝球",
                                        "8,0-9,0 1位与2位", "10,0-11,0 2位与3位", "12,0-13,0 3位与4位",
                                        "14,0-15,0 4位与5位", "16,0-17,0 5位与6位", "18,0-18,1 首尾间距",
                                        "19,0-19,1 最大间距", "20,0-20,1 首尾和值"}));
    // 01 02 03 04 05 06: five odd gaps of 1; 5, 1, 7.
    EXPECT_EQ(test::RowTexts(g, 3, 8, 20),
              (std::vector<std::string>{"1", "", "1", "", "1", "", "1", "", "1", "", "5", "1", "7"}));
    EXPECT_EQ(Color(g, 3, 9), RGB(196, 163, 222));
    EXPECT_EQ(Color(g, 3, 17), RGB(131, 228, 197));
    EXPECT_EQ(Color(g, 3, 18), NoColor);
    // 02 06 07 19 20 33: gaps 4, 1, 12, 1, 13.
    EXPECT_EQ(test::RowTexts(g, 2, 8, 20),
              (std::vector<std::string>{"", "4", "1", "", "", "12", "1", "", "13", "", "31", "13", "35"}));
    // Footer: the gap columns with totals, nothing under columns 18-20.
    EXPECT_EQ(test::RowTexts(g, 4, 8, 20),
              (std::vector<std::string>{"1", "1", "2", "", "1", "1", "2", "", "2", "", "", "", ""}));
}

} // namespace
} // namespace quorvane
