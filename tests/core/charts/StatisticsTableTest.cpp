#include "charts/StatisticsTable.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::HistoryOf;
using test::Text;

TEST(StatisticsTableTest, WritesEveryMeasureAndTheRelationsToThePreviousDraw)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}, {10, 12, 15, 16, 17, 30}});
    auto g = test::StrictModel<TTrendGridModel>();
    ASSERT_TRUE(BuildStatisticsTable(g, h, 3).Ok());
    EXPECT_EQ(g.FFontSize, 9);
    EXPECT_EQ(g.FColsCount, 29);
    std::vector<std::int32_t> widths{56, 18, 18, 18, 18, 18, 18, 24, 32, 32};
    widths.insert(widths.end(), 19, 25);
    EXPECT_EQ(g.FColWidthArr, widths);
    const auto spans = test::Spans(g);
    ASSERT_EQ(spans.size(), 24u);
    EXPECT_EQ(spans[3], "8,0-8,1 和值");
    EXPECT_EQ(spans[4], "9,0-9,1 平均\r\n值");
    EXPECT_EQ(spans[23], "28,0-28,1 斜号\r\n个数");

    // Newest (row 2): 10 12 15 16 17 30 after 02 03 04 05 06 07. Sum 100, average 16.
    EXPECT_EQ(test::RowTexts(g, 2, 8, 28),
              (std::vector<std::string>{"100", "16", "20", "02", "04", "02", "00", "01", "01", "05", "04",
                                        "05",  "07", "01", "03", "01", "20", "13", "00", "00", "00"}));
    // 02 03 04 05 06 07 after 01 02 03 04 05 06: same position 0, repeats 5, diagonal 6.
    EXPECT_EQ(test::RowTexts(g, 3, 8, 28),
              (std::vector<std::string>{"27", "4",  "27", "03", "03", "00", "00", "00", "00", "06", "06",
                                        "06", "00", "04", "06", "01", "05", "01", "00", "05", "06"}));
    // The oldest draw of the history has no relations.
    EXPECT_EQ(test::RowTexts(g, 4, 26, 28), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(Text(g, 4, 9), "3");
    EXPECT_EQ(Color(g, 4, 9), NoColor);

    // Footer: plain sums, the averages as truncated, the empty relations as 0.
    EXPECT_EQ(Text(g, 5, 0), "合计");
    EXPECT_EQ(Color(g, 5, 28), RGB(128, 128, 128));
    EXPECT_EQ(Text(g, 5, 8), "148");
    EXPECT_EQ(Text(g, 5, 9), "23");
    EXPECT_EQ(Text(g, 5, 26), "0");
    EXPECT_EQ(Text(g, 5, 27), "5");
    EXPECT_EQ(Text(g, 5, 28), "6");

    // With N below the length, the oldest shown draw still has its previous draw.
    ASSERT_TRUE(BuildStatisticsTable(g, h, 2).Ok());
    EXPECT_EQ(Text(g, 3, 27), "05");
    EXPECT_FALSE(BuildStatisticsTable(g, h, 4).Ok());
    EXPECT_EQ(g.FDynRows, 3);
}

TEST(StatisticsTableTest, ExplanationLines)
{
    const auto& lines = StatisticsExplanationLines();
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "说明：");
    EXPECT_EQ(lines[4], "奇号个数：红球中号码为奇数的个数；   ");
    EXPECT_EQ(lines[8], "偶号连续：前后两个号间隔为2，且号码都是偶数，这样的号码的组数，例如：02，04，08，10"
                        "，12，20则偶号连续"
                        "为3，即02-04，08-10，10-12。");
    EXPECT_EQ(lines[18], "重号个数：本期红球中出现上期红球的个数；    ");
    EXPECT_EQ(lines[19], "斜号个数：本期红球与上期红球号码斜连的个数。");
}

} // namespace
} // namespace quorvane
