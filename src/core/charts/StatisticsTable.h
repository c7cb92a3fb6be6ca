#pragma once

#include <string>
#include <vector>

#include "charts/ChartCommon.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

namespace quorvane {

// "统计分析表": the 21 red-number measures of each of the last n draws, three of them against the
// draw before it in the history (empty for the history's first draw), with the column sums in the
// footer (font 9, 29 columns). Values are written with at least two digits, the average without
// padding.
BuildResult BuildStatisticsTable(TTrendGridModel& grid, const DrawHistory& history, int n);

// Title and lines of the explanation window that the page's "说明" button shows.
inline constexpr const char* kStatisticsExplanationTitle = "统计分析表 图表说明";
const std::vector<std::string>& StatisticsExplanationLines();

} // namespace quorvane
