#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "charts/Color.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

// What every chart builder shares: the N check, the issue and number texts, and the common frame
// of the table charts (two header rows, one body row per draw with the newest first, a footer).

namespace quorvane {

// Shown when a chart is asked for more draws than the history holds; the chart stays as it was.
inline constexpr const char* kTooManyIssuesMessage = "设置的查询期数超过总期数!!";

// Outcome of a chart builder.
struct BuildResult
{
    // Empty when the chart was built; otherwise the message the caller shows.
    std::string Message;

    bool Ok() const { return Message.empty(); }
};

// Background of a count of 1, 2 and 3 in the count columns of the tail trend, the eleven-zone
// columns of the zone distribution and the six-by-six row and column charts.
inline constexpr std::array<TColor, 3> kCountColors = {RGB(193, 149, 244), RGB(225, 134, 100),
                                                       RGB(255, 70, 52)};

// Text of the footer's first cell.
inline constexpr const char* kFooterCaption = "合计";
// Footer background of most table charts.
inline constexpr TColor kFooterGrey = RGB(128, 128, 128);

// N as the builders use it: a negative N counts as 0.
inline int ClampedN(int n)
{
    return n > 0 ? n : 0;
}

// kTooManyIssuesMessage when n exceeds the number of draws, else "".
std::string CheckN(int n, const DrawHistory& history);

// The i-th newest draw (i = 0 is the most recent); 0 <= i < history size.
inline const TBeenCodesRec& NewestDraw(const DrawHistory& history, int i)
{
    return history[history.size() - 1 - static_cast<std::size_t>(i)];
}

// True for a number that has a place in the red charts (1..33).
inline bool IsRedNumber(int v)
{
    return v >= 1 && v <= 33;
}

// The issue as the charts write it: the year as four digits and the number as three, both
// zero-padded ("2005013").
std::string ChartIssueText(const TBeenCodesRec& draw);
// A whole number in decimal without padding ("7", "183").
std::string IntText(int v);
// Pad2 of v ("07"), taken from a table for 0..99: the charts write thousands of them.
std::string TwoDigitText(int v);
// A number padded to two characters with a leading space (" 5", "12").
std::string SpacePad2(int v);

// Starts a table chart: font size, SetGrid with n + 1 body rows under two fixed rows, header row 1
// holding "1" .. "6" over the red columns 1-6.
void BeginTableChart(TTrendGridModel& grid, int fontSize, const std::vector<std::int32_t>& widths, int n);

// Header spans 0, 1 and 2: "期号" (column 0, rows 0-1), "红球号码" (columns 1-6, row 0) and "蓝球"
// (column 7, rows 0-1), in the grid's header colour.
void SetCommonSpans(TTrendGridModel& grid);

// Sets header span `index` in the grid's header colour.
void SetSpan(TTrendGridModel& grid, int index, const std::string& text, int firstCol, int firstRow,
             int lastCol, int lastRow);

// Columns 0-7 of a body row: the issue, the six reds and the blue, both as two digits with a
// leading zero (or, with spacePadded, with a leading space).
void WriteDrawColumns(TTrendGridModel& grid, int row, const TBeenCodesRec& draw, bool spacePadded = false);

// The footer row (the grid's last row): "合计" in column 0 and every cell in the given colour.
void WriteFooter(TTrendGridModel& grid, TColor color = kFooterGrey);

// Index of the footer row.
inline int FooterRow(const TTrendGridModel& grid)
{
    return grid.RowCount() - 1;
}

// Column widths given as runs of equal columns: {{1, 66}, {6, 22}} is 66 followed by six 22s.
struct WidthRun
{
    int Count;
    std::int32_t Width;
};
std::vector<std::int32_t> WidthRuns(std::initializer_list<WidthRun> runs);

} // namespace quorvane
