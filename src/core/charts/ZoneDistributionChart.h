#pragma once

#include "charts/ChartCommon.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

namespace quorvane {

// The caption of the label under the zone distribution chart that explains the partitions.
extern const char* const kZoneDistributionNote;

// "区域分布图": how the reds of each of the last n draws spread over the 3-, 4-, 5-, 6- and 11-zone
// partitions (font 11, 37 columns, shown on the horizontally scrolling grid).
BuildResult BuildZoneDistributionChart(TTrendGridModel& grid, const DrawHistory& history, int n);

} // namespace quorvane
