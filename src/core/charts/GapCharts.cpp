#include "charts/GapCharts.h"

#include <array>

#include "measures/Measures.h"

namespace quorvane {

namespace {

// Colour of position k (index k - 1), also of the gap between positions k and k + 1.
constexpr std::array<TColor, 6> kPositionColors = {RGB(196, 163, 222), RGB(99, 228, 181),  RGB(85, 209, 239),
                                                   RGB(193, 149, 244), RGB(131, 228, 197), RGB(229, 89, 239)};
constexpr TColor kRemainderBlockColor = RGB(241, 165, 244);
// Gap-size colours, taken cyclically: size s gets entry (s - 1) mod 5.
constexpr std::array<TColor, 5> kGapSizeColors = {RGB(85, 209, 239), RGB(196, 163, 222), RGB(99, 228, 181),
                                                  RGB(85, 209, 239), RGB(193, 149, 244)};
constexpr const char* kMark = "▲";

std::string PositionSpan(int k)
{
    return "第" + IntText(k) + "位";
}

// Footer of these charts: every total above 0 under its column, zero totals left empty.
template <std::size_t N> void WriteNonZeroTotals(TTrendGridModel& grid, const std::array<int, N>& totals)
{
    WriteFooter(grid);
    for (std::size_t col = 8; col < N; ++col) {
        if (totals[col] > 0) {
            grid.SetValue(FooterRow(grid), static_cast<int>(col), IntText(totals[col]));
        }
    }
}

} // namespace

BuildResult BuildGapTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 66}, {6, 22}, {1, 42}, {10, 48}});
    BeginTableChart(grid, 11, widths, n);
    grid.SetHeadCount(13);
    SetCommonSpans(grid);
    for (int s = 2; s <= 11; ++s) {
        SetSpan(grid, s + 1, "间距" + IntText(s), s + 6, 0, s + 6, 1);
    }

    std::array<int, 18> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        const auto sizes = GapHistOfCodeArr(draw.Reds);
        for (int s = 2; s <= 11; ++s) {
            const int c = sizes[static_cast<std::size_t>(s)];
            if (c > 0) {
                grid.SetValue(row, s + 6, IntText(c));
                grid.SetCellColor(row, s + 6, kGapSizeColors[static_cast<std::size_t>((s - 1) % 5)]);
                ++totals[static_cast<std::size_t>(s + 6)];
            }
        }
    }
    WriteNonZeroTotals(grid, totals);
    return {};
}

BuildResult BuildPositionChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 66}, {6, 22}, {1, 36}, {42, 30}});
    BeginTableChart(grid, 11, widths, n);
    grid.SetHeadCount(21);
    SetCommonSpans(grid);
    for (int k = 1; k <= 6; ++k) {
        SetSpan(grid, 2 + k, PositionSpan(k), 2 * k + 6, 0, 2 * k + 7, 0);
        SetSpan(grid, 8 + k, PositionSpan(k), 2 * k + 18, 0, 2 * k + 19, 0);
        SetSpan(grid, 14 + k, PositionSpan(k), 3 * k + 29, 0, 3 * k + 31, 0);
        grid.SetValue(1, 2 * k + 6, "奇");
        grid.SetValue(1, 2 * k + 7, "偶");
        grid.SetValue(1, 2 * k + 18, "高");
        grid.SetValue(1, 2 * k + 19, "低");
        for (int r = 0; r < 3; ++r) {
            grid.SetValue(1, 3 * k + 29 + r, IntText(r));
        }
    }

    std::array<int, 50> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        for (int k = 1; k <= 6; ++k) {
            const int red = draw.Reds[static_cast<std::size_t>(k - 1)];
            const TColor color = kPositionColors[static_cast<std::size_t>(k - 1)];
            const auto mark = [&](int col, const std::string& text) {
                grid.SetValue(row, col, text);
                ++totals[static_cast<std::size_t>(col)];
            };
            grid.SetCellColor(row, 2 * k + 6, color);
            grid.SetCellColor(row, 2 * k + 7, color);
            mark(red % 2 != 0 ? 2 * k + 6 : 2 * k + 7, IntText(red));
            grid.SetCellColor(row, 2 * k + 18, color);
            grid.SetCellColor(row, 2 * k + 19, color);
            mark(red % 10 >= 5 ? 2 * k + 18 : 2 * k + 19, IntText(red));
            if (k % 2 != 0) {
                for (int r = 0; r < 3; ++r) {
                    grid.SetCellColor(row, 3 * k + 29 + r, kRemainderBlockColor);
                }
            }
            mark(3 * k + 29 + red % 10 % 3, kMark);
        }
    }
    WriteNonZeroTotals(grid, totals);
    return {};
}

BuildResult BuildGapAnalysisChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 66}, {6, 22}, {1, 42}, {10, 38}, {3, 68}});
    BeginTableChart(grid, 11, widths, n);
    grid.SetHeadCount(11);
    SetCommonSpans(grid);
    for (int k = 1; k <= 5; ++k) {
        SetSpan(grid, 2 + k, IntText(k) + "位与" + IntText(k + 1) + "位", 2 * k + 6, 0, 2 * k + 7, 0);
        grid.SetValue(1, 2 * k + 6, "奇");
        grid.SetValue(1, 2 * k + 7, "偶");
    }
    SetSpan(grid, 8, "首尾间距", 18, 0, 18, 1);
    SetSpan(grid, 9, "最大间距", 19, 0, 19, 1);
    SetSpan(grid, 10, "首尾和值", 20, 0, 20, 1);

    std::array<int, 18> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        const auto gaps = GapVectorOfCodeArr(draw.Reds);
        for (int k = 1; k <= 5; ++k) {
            const int gap = gaps[static_cast<std::size_t>(k - 1)];
            const int col = gap % 2 != 0 ? 2 * k + 6 : 2 * k + 7;
            grid.SetCellColor(row, 2 * k + 6, kPositionColors[static_cast<std::size_t>(k - 1)]);
            grid.SetCellColor(row, 2 * k + 7, kPositionColors[static_cast<std::size_t>(k - 1)]);
            grid.SetValue(row, col, IntText(gap));
            ++totals[static_cast<std::size_t>(col)];
        }
        grid.SetValue(row, 18, IntText(gaps[5]));
        grid.SetValue(row, 19, IntText(gaps[6]));
        grid.SetValue(row, 20, IntText(gaps[7]));
    }
    WriteNonZeroTotals(grid, totals);
    return {};
}

} // namespace quorvane
