#pragma once

#include "charts/BarChartModel.h"
#include "charts/ChartCommon.h"
#include "history/DrawHistory.h"

// The frequency bar charts: one bar per number (or zone sum), its height how often it came in the
// last n draws.

namespace quorvane {

// "红球统计图": 33 groups, series colour RGB (255, 98, 84); the plot is 20 x FGridCount pixels high
// with FGridCount = min(20, max(10, M div 3)) for the largest count M, and the tallest bar reaches
// its top. With n = 0 (every count 0) the plot is empty: its axes run 0 .. FGridCount.
BuildResult BuildRedFrequencyChart(TBarChartModel& bars, const DrawHistory& history, int n);

// "蓝球统计图": 16 groups, series colour RGB (0, 0, 255), FGridCount = min(20, max(6, M div 3)).
BuildResult BuildBlueFrequencyChart(TBarChartModel& bars, const DrawHistory& history, int n);

// Number of zone-sum values a zone's tables keep: 53, 119 and 185 for zones 1, 2 and 3, covering the
// sums 0 .. S - 2 (the largest zone sums are 51, 117 and 183).
int ZoneSumValueCount(int zone);

// "一区和值频率图", "二区和值频率图", "三区和值频率图" (zone 1..3): S - 1 groups for the zone sums
// 1 .. S - 1 (a draw with no red in the zone has sum 0 and no bar); the axis runs from 0 to the
// smallest multiple of 10 that is at least max(10, largest count), in ten steps of 20 pixels.
BuildResult BuildZoneSumFrequencyChart(TBarChartModel& bars, const DrawHistory& history, int n, int zone);

} // namespace quorvane
