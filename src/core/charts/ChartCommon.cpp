#include "charts/ChartCommon.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "text/FormatNumbers.h"

namespace quorvane {

std::string CheckN(int n, const DrawHistory& history)
{
    return static_cast<std::size_t>(ClampedN(n)) > history.size() ? kTooManyIssuesMessage : std::string();
}

std::string ChartIssueText(const TBeenCodesRec& draw)
{
    const int year = draw.Year;
    const int number = draw.Number;
    if (year < 0 || year > 9999 || number < 0 || number > 999) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%04d%03d", year, number);
        return buf;
    }
    std::string s(7, '0');
    const int digits[7] = {year / 1000,  year / 100 % 10,  year / 10 % 10, year % 10,
                           number / 100, number / 10 % 10, number % 10};
    for (std::size_t i = 0; i < 7; ++i) {
        s[i] = static_cast<char>('0' + digits[i]);
    }
    return s;
}

std::string TwoDigitText(int v)
{
    static const std::array<std::string, 100> kTexts = [] {
        std::array<std::string, 100> t;
        for (int i = 0; i < 100; ++i) {
            t[static_cast<std::size_t>(i)] = Pad2(i);
        }
        return t;
    }();
    return v >= 0 && v < 100 ? kTexts[static_cast<std::size_t>(v)] : Pad2(v);
}

std::string IntText(int v)
{
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string SpacePad2(int v)
{
    std::string s = IntText(v);
    return s.size() < 2 ? " " + s : s;
}

void BeginTableChart(TTrendGridModel& grid, int fontSize, const std::vector<std::int32_t>& widths, int n)
{
    grid.FFontSize = fontSize;
    grid.SetGrid(static_cast<std::int32_t>(widths.size()), n + 1, widths, 2);
    for (int p = 1; p <= 6; ++p) {
        grid.SetValue(1, p, IntText(p));
    }
}

void SetSpan(TTrendGridModel& grid, int index, const std::string& text, int firstCol, int firstRow,
             int lastCol, int lastRow)
{
    grid.SetHeadCell(index, true, grid.FFixColor, text, firstCol, firstRow, lastCol, lastRow);
}

void SetCommonSpans(TTrendGridModel& grid)
{
    SetSpan(grid, 0, "期号", 0, 0, 0, 1);
    SetSpan(grid, 1, "红球号码", 1, 0, 6, 0);
    SetSpan(grid, 2, "蓝球", 7, 0, 7, 1);
}

void WriteDrawColumns(TTrendGridModel& grid, int row, const TBeenCodesRec& draw, bool spacePadded)
{
    grid.SetValue(row, 0, ChartIssueText(draw));
    for (int p = 0; p < 6; ++p) {
        const int red = draw.Reds[static_cast<std::size_t>(p)];
        grid.SetValue(row, p + 1, spacePadded ? SpacePad2(red) : TwoDigitText(red));
    }
    grid.SetValue(row, 7, spacePadded ? SpacePad2(draw.Blue) : TwoDigitText(draw.Blue));
}

void WriteFooter(TTrendGridModel& grid, TColor color)
{
    const int row = FooterRow(grid);
    grid.SetValue(row, 0, kFooterCaption);
    for (int c = 0; c < grid.FColsCount; ++c) {
        grid.SetCellColor(row, c, color);
    }
}

std::vector<std::int32_t> WidthRuns(std::initializer_list<WidthRun> runs)
{
    std::vector<std::int32_t> widths;
    for (const WidthRun& r : runs) {
        widths.insert(widths.end(), static_cast<std::size_t>(r.Count), r.Width);
    }
    return widths;
}

} // namespace quorvane
