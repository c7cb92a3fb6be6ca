#pragma once

#include "charts/ChartCommon.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

// The gap and position charts (font 11, on the horizontally scrolling grid). A gap is the difference
// of two neighbouring reds in ascending order. Footer totals are written only where above 0.

namespace quorvane {

// "间距走势图": per draw, how many of its five gaps have each size 2..11 (18 columns); the footer
// counts the draws with at least one gap of the size.
BuildResult BuildGapTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n);

// "按位分析图": each position's red by parity, by the size of its last digit and by its last digit
// mod 3 (50 columns).
BuildResult BuildPositionChart(TTrendGridModel& grid, const DrawHistory& history, int n);

// "间距分析图": each of the five gaps by parity, then head-tail gap, largest gap and head-tail sum
// (21 columns).
BuildResult BuildGapAnalysisChart(TTrendGridModel& grid, const DrawHistory& history, int n);

} // namespace quorvane
