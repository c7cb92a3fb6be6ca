#include "charts/RedTrendCharts.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::HistoryOf;
using test::MakeDraw;
using test::Text;

constexpr TColor kDrawn = RGB(255, 134, 132);
constexpr TColor kGrey = RGB(128, 128, 128);

TEST(RedTrendChartTest, LaysOutHeaderBodyNewestFirstAndFooter)
{
    DrawHistory h = {MakeDraw(2005013, {3, 8, 14, 21, 27, 30}, 9),
                     MakeDraw(2005014, {1, 2, 3, 31, 32, 33}, 16)};
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildRedTrendChart(g, h, 2).Ok());

    EXPECT_EQ(g.FFontSize, 10);
    EXPECT_EQ(g.FColsCount, 41);
    EXPECT_EQ(g.FFixRowCount, 2);
    EXPECT_EQ(g.FDynRows, 3);
    std::vector<std::int32_t> widths{66, 16, 16, 16, 16, 16, 16, 32};
    widths.insert(widths.end(), 33, 16);
    EXPECT_EQ(g.FColWidthArr, widths);
    EXPECT_EQ(test::Spans(g), (std::vector<std::string>{"0,0-0,1 期号", "1,0-6,0 红球号码", "7,0-7,1 蓝球",
                                                        "8,0-40,0 红球分布"}));
    EXPECT_EQ(test::RowTexts(g, 1, 1, 6), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(Text(g, 1, 8), "1");
    EXPECT_EQ(Text(g, 1, 40), "33");

    // The newest draw first.
    EXPECT_EQ(test::RowTexts(g, 2, 0, 7),
              (std::vector<std::string>{"2005014", "01", "02", "03", "31", "32", "33", "16"}));
    EXPECT_EQ(test::RowTexts(g, 3, 0, 7),
              (std::vector<std::string>{"2005013", "03", "08", "14", "21", "27", "30", "09"}));
    for (int m = 1; m <= 33; ++m) {
        const bool drawn = m == 3 || m == 8 || m == 14 || m == 21 || m == 27 || m == 30;
        EXPECT_EQ(Text(g, 3, m + 7), drawn ? (m < 10 ? "0" : "") + std::to_string(m) : "") << m;
        EXPECT_EQ(Color(g, 3, m + 7), drawn ? kDrawn : NoColor) << m;
    }
    // Common columns are uncoloured.
    EXPECT_EQ(Color(g, 2, 0), NoColor);
    EXPECT_EQ(Color(g, 2, 7), NoColor);

    // Footer: "合计", grey everywhere, per-number counts including 0.
    EXPECT_EQ(Text(g, 4, 0), "合计");
    for (int c = 0; c < 41; ++c) {
        EXPECT_EQ(Color(g, 4, c), kGrey) << c;
    }
    EXPECT_EQ(Text(g, 4, 3 + 7), "2");
    EXPECT_EQ(Text(g, 4, 8 + 7), "1");
    EXPECT_EQ(Text(g, 4, 4 + 7), "0");
    EXPECT_EQ(Text(g, 4, 7), "");
}

TEST(RedTrendChartTest, ChecksNAgainstTheHistory)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 5, 6}, {1, 7, 13, 19, 25, 31}, {1, 2, 3, 4, 5, 33}});
    auto g = test::StrictModel<TTrendGridModel>();

    // N = length shows every draw; a number drawn in every draw totals N.
    ASSERT_TRUE(BuildRedTrendChart(g, h, 3).Ok());
    EXPECT_EQ(g.FDynRows, 4);
    EXPECT_EQ(Text(g, 4, 0), "2010001");
    EXPECT_EQ(Text(g, 5, 1 + 7), "3");

    // N = length + 1 refuses and leaves the chart as it was.
    const auto before = g.FCellText;
    const BuildResult refused = BuildRedTrendChart(g, h, 4);
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.Message, "设置的查询期数超过总期数!!");
    EXPECT_EQ(g.FCellText, before);
    EXPECT_EQ(g.FDynRows, 4);

    // N = 0, and a negative N, give the header and a footer of zeros.
    for (const int n : {0, -5}) {
        ASSERT_TRUE(BuildRedTrendChart(g, h, n).Ok());
        EXPECT_EQ(g.FDynRows, 1);
        EXPECT_EQ(Text(g, 2, 0), "合计");
        EXPECT_EQ(Text(g, 2, 8), "0");
        EXPECT_EQ(Text(g, 2, 40), "0");
    }
    EXPECT_TRUE(BuildRedTrendChart(g, DrawHistory{}, 0).Ok());
    EXPECT_FALSE(BuildRedTrendChart(g, DrawHistory{}, 1).Ok());
}

TEST(RotationChartTest, StartThirtyThreePutsThirtyThreeFirst)
{
    const DrawHistory h = HistoryOf({{1, 2, 17, 31, 32, 33}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildRotationChart(g, h, 1, 33).Ok());
    EXPECT_EQ(test::RowTexts(g, 1, 8, 11), (std::vector<std::string>{"33", "1", "2", "3"}));
    EXPECT_EQ(Text(g, 1, 40), "32");
    EXPECT_EQ(Text(g, 2, 8), "33");
    EXPECT_EQ(Color(g, 2, 8), kDrawn);
    EXPECT_EQ(Text(g, 2, 9), "01");
    EXPECT_EQ(Text(g, 2, 10), "02");
    EXPECT_EQ(Text(g, 2, 11), "");
    EXPECT_EQ(Color(g, 2, 11), NoColor);
    EXPECT_EQ(Text(g, 2, 8 + 17), "17");
    EXPECT_EQ(Text(g, 2, 39), "31");
    EXPECT_EQ(Text(g, 2, 40), "32");
    EXPECT_EQ(Text(g, 3, 8), "1"); // footer under 33
    EXPECT_EQ(Text(g, 3, 11), "0");
    // Columns 0-7 are not rotated.
    EXPECT_EQ(Text(g, 2, 1), "01");

    ASSERT_TRUE(BuildRotationChart(g, h, 1, 12).Ok());
    EXPECT_EQ(test::RowTexts(g, 1, 8, 9), (std::vector<std::string>{"12", "13"}));
    EXPECT_EQ(Text(g, 1, 30), "1");
    EXPECT_EQ(Text(g, 2, 30), "01");
}

TEST(RotationChartTest, StartOneEqualsTheRedTrendChartAndStartIsClamped)
{
    const DrawHistory h = HistoryOf({{1, 2, 17, 31, 32, 33}, {4, 9, 10, 11, 20, 29}});
    auto trend = test::StrictModel<TTrendGridModel>();
    auto rotated = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildRedTrendChart(trend, h, 2).Ok());
    ASSERT_TRUE(BuildRotationChart(rotated, h, 2, 1).Ok());
    EXPECT_EQ(rotated.FCellText, trend.FCellText);
    EXPECT_EQ(rotated.FCellColor, trend.FCellColor);
    ASSERT_TRUE(BuildRotationChart(rotated, h, 2, -3).Ok());
    EXPECT_EQ(rotated.FCellText, trend.FCellText);
    ASSERT_TRUE(BuildRotationChart(rotated, h, 2, 40).Ok());
    EXPECT_EQ(Text(rotated, 1, 8), "33");
}

} // namespace
} // namespace quorvane
