#pragma once

#include "charts/ChartCommon.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

// The zone charts of the three red zones 01-11, 12-22, 23-33 (font 11, footer in RGB 204, 204, 204).

namespace quorvane {

inline constexpr TColor kZoneFooterColor = RGB(204, 204, 204);

// "三区比例图": how many reds of each draw fall in each zone (11 columns), coloured by count.
BuildResult BuildZoneRatioChart(TTrendGridModel& grid, const DrawHistory& history, int n);

// "一区和值图", "二区和值图", "三区和值图" (zone 1..3): the zone's red sum with its parity and the
// size of its last digit (13 columns).
BuildResult BuildZoneSumChart(TTrendGridModel& grid, const DrawHistory& history, int n, int zone);

} // namespace quorvane
