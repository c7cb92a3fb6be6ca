#pragma once

#include "charts/ChartCommon.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

namespace quorvane {

// "蓝球走势图": the blue number of each of the last n draws in 16 number columns, with its parity,
// its remainder mod 3, its half and its quarter (font 10, 29 columns). A blue outside 1..16
// (0 = no blue) leaves the draw's blue columns empty.
BuildResult BuildBlueTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n);

} // namespace quorvane
