#pragma once

#include "charts/ChartCommon.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

// Count charts over the lines of a number layout: for each of the last n draws, how many reds fall
// in each board row (or column), one count column per line (font 11).

namespace quorvane {

// "各行出球走势图" and "各列出球走势图": rows and columns of the six-by-six layout (14 columns).
BuildResult BuildRowTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n);
BuildResult BuildColTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n);

// "3D各行出球", "3D各列出球", "尾数行列各行出球", "尾数行列各列出球": rows and columns of the 3D
// and of the tail row-column layouts; reds and blue written with a leading space (" 5").
BuildResult Build3DRowChart(TTrendGridModel& grid, const DrawHistory& history, int n);
BuildResult Build3DColChart(TTrendGridModel& grid, const DrawHistory& history, int n);
BuildResult BuildTailRowChart(TTrendGridModel& grid, const DrawHistory& history, int n);
BuildResult BuildTailColChart(TTrendGridModel& grid, const DrawHistory& history, int n);

} // namespace quorvane
