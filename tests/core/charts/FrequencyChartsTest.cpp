#include "charts/FrequencyCharts.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::MakeDraw;

// n draws, the first `hits` of them (newest first) containing red 5, blue 7 and zone-1 sum 21.
DrawHistory RepeatedHistory(int n, int hits)
{
    DrawHistory h;
    for (int i = 0; i < n; ++i) {
        const bool hit = n - 1 - i < hits;
        h.push_back(hit ? MakeDraw(2010001 + i, {1, 2, 5, 6, 7, 30}, 7)
                        : MakeDraw(2010001 + i, {12, 13, 20, 25, 31, 33}, 3));
    }
    return h;
}

TEST(RedFrequencyChartTest, ScalesTheTallestBarToThePlotHeight)
{
    auto b = test::StrictModel<TBarChartModel>();
    const DrawHistory h = RepeatedHistory(30, 9);
    ASSERT_TRUE(BuildRedFrequencyChart(b, h, 30).Ok());
    EXPECT_EQ(b.FDynColCount, 33);
    EXPECT_EQ(b.FDynRowCount, 1);
    EXPECT_EQ(b.FSeriesColor[1], RGB(255, 98, 84));
    EXPECT_EQ(b.GetValue(1, 0), "1");
    EXPECT_EQ(b.GetValue(33, 0), "33");
    EXPECT_EQ(b.GetValue(5, 1), "9");
    EXPECT_EQ(b.GetValue(12, 1), "21");
    EXPECT_EQ(b.GetValue(3, 1), "0");
    EXPECT_EQ(b.FBarWidth, 12);
    EXPECT_EQ(b.FGap, 5);
    EXPECT_EQ(b.FGridStep, 20);
    EXPECT_EQ(b.FGridCount, 10); // M = 21: 21 div 3 = 7, raised to the lower bound 10
    EXPECT_FLOAT_EQ(b.FScale, 21.0f / 200.0f);
    EXPECT_TRUE(b.FShowGrid);
    EXPECT_EQ(b.FPlacement.Top, 30);

    // Only the last N draws count: the newest nine all hold 5, so M = 9 and the scale is 0.045.
    ASSERT_TRUE(BuildRedFrequencyChart(b, h, 9).Ok());
    EXPECT_EQ(b.GetValue(5, 1), "9");
    EXPECT_EQ(b.GetValue(12, 1), "0");
    EXPECT_EQ(b.FGridCount, 10);
    EXPECT_FLOAT_EQ(b.FScale, 0.045f);

    ASSERT_TRUE(BuildRedFrequencyChart(b, RepeatedHistory(80, 75), 80).Ok());
    EXPECT_EQ(b.FGridCount, 20);
    ASSERT_TRUE(BuildRedFrequencyChart(b, RepeatedHistory(40, 39), 40).Ok());
    EXPECT_EQ(b.FGridCount, 13);
}

TEST(RedFrequencyChartTest, NZeroGivesAnEmptyPlotWithItsAxes)
{
    auto b = test::StrictModel<TBarChartModel>();
    ASSERT_TRUE(BuildRedFrequencyChart(b, DrawHistory{}, 0).Ok());
    EXPECT_EQ(b.FDynColCount, 33);
    EXPECT_EQ(b.GetValue(7, 1), "0");
    EXPECT_EQ(b.FGridCount, 10);
    EXPECT_GT(b.FScale, 0.0f);
    EXPECT_FLOAT_EQ(b.FScale * static_cast<float>(b.FGridStep * b.FGridCount), 10.0f);
    EXPECT_FALSE(b.FShowValues);
    EXPECT_EQ(BuildRedFrequencyChart(b, DrawHistory{}, 1).Message, "设置的查询期数超过总期数!!");
}

TEST(BlueFrequencyChartTest, CountsBluesWithItsOwnBounds)
{
    auto b = test::StrictModel<TBarChartModel>();
    DrawHistory h = RepeatedHistory(12, 2);
    h.push_back(MakeDraw(2011001, {1, 2, 3, 4, 5, 6}, 0)); // no blue: counted nowhere
    ASSERT_TRUE(BuildBlueFrequencyChart(b, h, 13).Ok());
    EXPECT_EQ(b.FDynColCount, 16);
    EXPECT_EQ(b.FSeriesColor[1], RGB(0, 0, 255));
    EXPECT_EQ(b.FBarWidth, 20);
    EXPECT_EQ(b.FGap, 10);
    EXPECT_EQ(b.GetValue(3, 1), "10");
    EXPECT_EQ(b.GetValue(7, 1), "2");
    EXPECT_EQ(b.FGridCount, 6);
    EXPECT_FLOAT_EQ(b.FScale, 10.0f / 120.0f);
    EXPECT_TRUE(b.FShowValues);
    ASSERT_TRUE(BuildBlueFrequencyChart(b, h, 0).Ok());
    EXPECT_EQ(b.FGridCount, 6);
    EXPECT_GT(b.FScale, 0.0f);
}

TEST(ZoneSumFrequencyChartTest, RoundsTheAxisTopToTens)
{
    auto b = test::StrictModel<TBarChartModel>();
    // Zone-1 sum of 01 02 05 06 07 is 21; the other draws have 0 in zone 1.
    ASSERT_TRUE(BuildZoneSumFrequencyChart(b, RepeatedHistory(30, 7), 30, 1).Ok());
    EXPECT_EQ(b.FDynColCount, 52);
    EXPECT_EQ(b.FDynRowCount, 1);
    EXPECT_EQ(b.GetValue(52, 0), "52");
    EXPECT_EQ(b.GetValue(21, 1), "7");
    EXPECT_EQ(b.GetValue(1, 1), "0");
    EXPECT_EQ(b.FSeriesColor, (std::vector<TColor>{RGB(0, 0, 255), RGB(255, 98, 84)}));
    EXPECT_EQ(b.FBarWidth, 8);
    EXPECT_EQ(b.FGap, 4);
    EXPECT_EQ(b.FGridStep, 20);
    EXPECT_EQ(b.FGridCount, 10);
    EXPECT_FLOAT_EQ(b.FScale, 10.0f / 200.0f); // the 23 sums of 0 have no bar
    EXPECT_TRUE(b.FPlacement.FillsPage);

    ASSERT_TRUE(BuildZoneSumFrequencyChart(b, RepeatedHistory(30, 23), 30, 1).Ok());
    EXPECT_FLOAT_EQ(b.FScale, 30.0f / 200.0f);
    ASSERT_TRUE(BuildZoneSumFrequencyChart(b, RepeatedHistory(40, 40), 40, 1).Ok());
    EXPECT_FLOAT_EQ(b.FScale, 40.0f / 200.0f);

    // Zones 2 and 3 keep 118 and 184 bars.
    ASSERT_TRUE(BuildZoneSumFrequencyChart(b, RepeatedHistory(4, 0), 4, 2).Ok());
    EXPECT_EQ(b.FDynColCount, 118);
    EXPECT_EQ(b.GetValue(45, 1), "4"); // 12 + 13 + 20
    EXPECT_EQ(b.FPlacement.Top, 30);
    ASSERT_TRUE(BuildZoneSumFrequencyChart(b, RepeatedHistory(4, 0), 0, 3).Ok());
    EXPECT_EQ(b.FDynColCount, 184);
    EXPECT_FLOAT_EQ(b.FScale, 10.0f / 200.0f);
    EXPECT_EQ(b.FPlacement.Top, 0);
    EXPECT_FALSE(b.FPlacement.FillsPage);
}

} // namespace
} // namespace quorvane
