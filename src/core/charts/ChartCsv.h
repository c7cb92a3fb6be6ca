#pragma once

#include <string>
#include <vector>

#include "charts/BarChartModel.h"
#include "charts/ChartPages.h"
#include "charts/TitledTableModel.h"
#include "charts/TrendGridModel.h"

// A chart's cells as a table file for spreadsheets: comma-separated values in UTF-8 with a byte-order
// mark (so spreadsheet programs take the Chinese texts for what they are), CR LF line ends, one line
// per row of the chart. A text's own line breaks are dropped ("一区\r\n个数" becomes "一区个数"); a
// field holding a comma or a quote is quoted. The colours are not written.

namespace quorvane {

// The byte-order mark that starts every table file.
inline constexpr const char* kCsvByteOrderMark = "\xEF\xBB\xBF";

// One line per grid row, header rows included. In the header rows every cell under a visible header
// span is blank except the span's first cell, which holds the span's text: the table reads as the
// chart's header looks.
std::string TrendGridCsv(const TTrendGridModel& grid);

// Each table in order: its title on a line of its own (when it has one), then its rows; an empty
// line between two tables.
std::string TitledTablesCsv(const std::vector<TTitledTableModel>& tables);

// The x labels on the first line, then one line of values per series.
std::string BarChartCsv(const TBarChartModel& bars);

// The table file of the model a page's surface shows.
std::string ChartPageCsv(const ChartPage& page, const ChartModels& models);

// Writes a table file through the atomic write (the old file survives a failed write); throws
// UserError with the file's write message on failure.
void WriteChartCsv(const std::string& path, const std::string& csv);

} // namespace quorvane
