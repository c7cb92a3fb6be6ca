#pragma once

#include <string>

#include "charts/BarChartModel.h"
#include "charts/ChartPages.h"
#include "charts/TitledTableModel.h"
#include "charts/TrendGridModel.h"

// Text dumps of the chart models, for inspecting and comparing charts without a window. Lines end
// in "\n", fields are separated by one TAB, colours are "#RRGGBB" (or "-" for NoColor), and a CR LF
// inside a text is written as the two characters "\n".

namespace quorvane {

// "grid COLS BODYROWS FIXROWS FONTSIZE", "widths ...", a "span C0 R0 C1 R1 COLOUR TEXT" line per
// visible header span in index order, then "cell ROW COL COLOUR TEXT" row-major for every cell with
// a text or a colour.
std::string DumpTrendGrid(const TTrendGridModel& grid);

// "table COLS ROWS ROWHEIGHT LINECOLOUR TITLE", "widths ...", then "cell ROW COL COLOUR TEXT" for
// every cell with a text or a colour other than white.
std::string DumpTitledTable(const TTitledTableModel& table);

// "bars GROUPS SERIES BARWIDTH GAP GRIDSTEP GRIDCOUNT SCALE" (SCALE with six decimals), then
// "bar COL LABEL VALUE..." for every group, one value per series.
std::string DumpBarChart(const TBarChartModel& bars);

// The model a page's surface shows: its grid, each of its tables in order, or its bar chart.
std::string DumpChartPage(const ChartPage& page, const ChartModels& models);

} // namespace quorvane
