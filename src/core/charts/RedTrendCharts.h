#pragma once

#include "charts/ChartCommon.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

namespace quorvane {

// "红球走势图": the last n draws with their reds marked in 33 number columns (font 10, 41 columns),
// the footer counting how many draws held each number.
BuildResult BuildRedTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n);

// "旋转图": the red trend chart with its number columns rotated so that `start` (1..33, clamped)
// comes first, followed by start + 1 .. 33 and 1 .. start - 1. With start 1 it equals the red
// trend chart.
BuildResult BuildRotationChart(TTrendGridModel& grid, const DrawHistory& history, int n, int start);

} // namespace quorvane
