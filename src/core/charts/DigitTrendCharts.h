#pragma once

#include "charts/ChartCommon.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

namespace quorvane {

// "尾号走势图": how many reds of each draw end in each digit 0-9 (font 11, 18 columns).
BuildResult BuildTailTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n);

// The three position charts (font 11, 30 columns): for each red position and the blue, a pair of
// letter columns telling the number's class, then the draw's count of the first class.
// "奇偶走势图": odd "J" / even "O"; count OddNumOfCodeArr.
BuildResult BuildOddEvenChart(TTrendGridModel& grid, const DrawHistory& history, int n);
// "尾数大小走势图": last digit 5-9 "D" / 0-4 "X"; count BigTailNumOfCodeArr.
BuildResult BuildTailBigSmallChart(TTrendGridModel& grid, const DrawHistory& history, int n);
// "大小走势图": red 18-33 (blue 9-16) "D" / red 01-17 (blue 1-8) "X"; count BigNumOfCodeArr.
BuildResult BuildBigSmallChart(TTrendGridModel& grid, const DrawHistory& history, int n);

} // namespace quorvane
