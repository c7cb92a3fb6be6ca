#include "charts/RedTrendCharts.h"

#include <array>

namespace quorvane {

namespace {
constexpr TColor kDrawnRed = RGB(255, 134, 132);
} // namespace

BuildResult BuildRedTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildRotationChart(grid, history, n, 1);
}

BuildResult BuildRotationChart(TTrendGridModel& grid, const DrawHistory& history, int n, int start)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    start = start < 1 ? 1 : start > 33 ? 33 : start;
    // Column of number m: 7 + p with p = 1 for the start number.
    const auto columnOf = [start](int m) { return 7 + (m >= start ? m - start + 1 : m - start + 34); };

    const std::vector<std::int32_t> widths = WidthRuns({{1, 66}, {6, 16}, {1, 32}, {33, 16}});
    BeginTableChart(grid, 10, widths, n);
    grid.SetHeadCount(4);
    SetCommonSpans(grid);
    SetSpan(grid, 3, "红球分布", 8, 0, 40, 0);
    for (int m = 1; m <= 33; ++m) {
        grid.SetValue(1, columnOf(m), IntText(m));
    }

    std::array<int, 34> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        for (const int red : draw.Reds) {
            if (IsRedNumber(red)) {
                grid.SetValue(row, columnOf(red), TwoDigitText(red));
                grid.SetCellColor(row, columnOf(red), kDrawnRed);
                ++totals[static_cast<std::size_t>(red)];
            }
        }
    }
    WriteFooter(grid);
    for (int m = 1; m <= 33; ++m) {
        grid.SetValue(FooterRow(grid), columnOf(m), IntText(totals[static_cast<std::size_t>(m)]));
    }
    return {};
}

} // namespace quorvane
