#include "charts/LayoutCountCharts.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::HistoryOf;
using test::MakeDraw;
using test::Text;

constexpr TColor kOne = RGB(193, 149, 244);

TEST(RowColumnTrendChartsTest, CountTheSixBySixLayout)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 8, 33}, {1, 7, 13, 19, 25, 31}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildRowTrendChart(g, h, 2).Ok());
    EXPECT_EQ(g.FColsCount, 14);
    EXPECT_EQ(g.FColWidthArr,
              (std::vector<std::int32_t>{66, 28, 28, 28, 28, 28, 28, 32, 48, 48, 48, 48, 48, 48}));
    EXPECT_EQ(test::Spans(g).back(), "8,0-13,0 各行出球走势图");
    EXPECT_EQ(test::RowTexts(g, 1, 8, 13),
              (std::vector<std::string>{"第1行", "第2行", "第3行", "第4行", "第5行", "第6行"}));
    EXPECT_EQ(test::RowTexts(g, 2, 8, 13), (std::vector<std::string>{"1", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(Color(g, 2, 8), kOne);
    // Four reds in 01-06: 4 without colour; 0 without colour.
    EXPECT_EQ(test::RowTexts(g, 3, 8, 13), (std::vector<std::string>{"4", "1", "0", "0", "0", "1"}));
    EXPECT_EQ(Color(g, 3, 8), NoColor);
    EXPECT_EQ(Color(g, 3, 10), NoColor);
    EXPECT_EQ(test::RowTexts(g, 4, 8, 13), (std::vector<std::string>{"5", "2", "1", "1", "1", "2"}));
    EXPECT_EQ(Color(g, 4, 8), RGB(128, 128, 128));
    EXPECT_EQ(Text(g, 2, 1), "01"); // zero-padded reds

    ASSERT_TRUE(BuildColTrendChart(g, h, 2).Ok());
    EXPECT_EQ(test::Spans(g).back(), "8,0-13,0 各列出球走势图");
    EXPECT_EQ(Text(g, 1, 13), "第6列");
    EXPECT_EQ(test::RowTexts(g, 2, 8, 13), (std::vector<std::string>{"6", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Color(g, 2, 8), NoColor);
    // 01 02 03 04 08 33: columns 0, 1 (02, 08), 2 (03, 33), 3.
    EXPECT_EQ(test::RowTexts(g, 3, 8, 13), (std::vector<std::string>{"1", "2", "2", "1", "0", "0"}));
    EXPECT_EQ(Color(g, 3, 9), RGB(225, 134, 100));
}

TEST(TailLayoutCountChartsTest, ThreeDRowsAndColumns)
{
    const DrawHistory h = {MakeDraw(2010001, {3, 13, 23, 4, 14, 24}, 5),
                           MakeDraw(2010002, {10, 20, 30, 1, 11, 33}, 12)};
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(Build3DRowChart(g, h, 2).Ok());
    EXPECT_EQ(g.FColsCount, 12);
    EXPECT_EQ(g.FColWidthArr, (std::vector<std::int32_t>{70, 32, 32, 32, 32, 32, 32, 40, 48, 48, 48, 48}));
    EXPECT_EQ(test::Spans(g).back(), "8,0-11,0 各行出球数目");
    EXPECT_EQ(test::RowTexts(g, 1, 8, 11), (std::vector<std::string>{"第1行", "第2行", "第3行", "第4行"}));
    // Reds and blue padded with a space, the issue with zeros.
    EXPECT_EQ(test::RowTexts(g, 3, 0, 7),
              (std::vector<std::string>{"2010001", " 3", " 4", "13", "14", "23", "24", " 5"}));
    EXPECT_EQ(test::RowTexts(g, 3, 8, 11), (std::vector<std::string>{"0", "6", "0", "0"}));
    EXPECT_EQ(Color(g, 3, 9), RGB(255, 70, 52)); // 3 or more keeps the deepest colour
    EXPECT_EQ(Color(g, 3, 8), NoColor);
    // 01 10 11 20 30 33: tails 1, 0, 1, 0, 0, 3 - row 0 holds five, row 1 one.
    EXPECT_EQ(test::RowTexts(g, 2, 8, 11), (std::vector<std::string>{"5", "1", "0", "0"}));
    EXPECT_EQ(Color(g, 2, 9), kOne);
    EXPECT_EQ(test::RowTexts(g, 4, 8, 11), (std::vector<std::string>{"5", "7", "0", "0"}));
    EXPECT_EQ(Color(g, 4, 0), RGB(170, 170, 170));

    ASSERT_TRUE(Build3DColChart(g, h, 2).Ok());
    EXPECT_EQ(g.FColsCount, 11);
    EXPECT_EQ(test::Spans(g).back(), "8,0-10,0 各列出球数目");
    EXPECT_EQ(test::RowTexts(g, 3, 8, 10), (std::vector<std::string>{"3", "3", "0"}));
    // Tails 1, 0, 1, 0, 0, 3: column 0 holds 0, 0, 0, 3; column 1 holds 1, 1.
    EXPECT_EQ(test::RowTexts(g, 2, 8, 10), (std::vector<std::string>{"4", "2", "0"}));
    EXPECT_EQ(Color(g, 2, 9), RGB(241, 166, 116));
}

TEST(TailLayoutCountChartsTest, TailRowsAndColumns)
{
    const DrawHistory h = HistoryOf({{1, 11, 21, 2, 12, 22}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildTailRowChart(g, h, 1).Ok());
    EXPECT_EQ(g.FColsCount, 14);
    EXPECT_EQ(test::RowTexts(g, 2, 8, 13), (std::vector<std::string>{"6", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Color(g, 2, 8), RGB(255, 70, 52));
    ASSERT_TRUE(BuildTailColChart(g, h, 1).Ok());
    EXPECT_EQ(test::RowTexts(g, 2, 8, 13), (std::vector<std::string>{"1", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(Text(g, 1, 8), "第1列");
    EXPECT_EQ(Text(g, 3, 13), "1");
    EXPECT_EQ(BuildTailColChart(g, h, 2).Message, "设置的查询期数超过总期数!!");
    EXPECT_EQ(g.FDynRows, 2);
}

} // namespace
} // namespace quorvane
