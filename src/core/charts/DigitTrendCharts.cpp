#include "charts/DigitTrendCharts.h"

#include <array>

#include "measures/Layouts.h"
#include "measures/Measures.h"

namespace quorvane {

namespace {

// One position chart: its letters, its classes and its colours.
struct PositionChart
{
    const char* First;      // letter of the first class
    const char* Second;     // letter of the second class
    const char* CountTitle; // span over the count columns 22-29
    bool (*RedIsFirst)(int red);
    bool (*BlueIsFirst)(int blue);
    int (*Count)(const TCodeRedArr& reds);
    // Backgrounds of the pairs at columns 8-9, 10-11, ..., 20-21, then of columns 23-29.
    std::array<TColor, 8> Colors;
};

constexpr int kCountCol = 22;
constexpr TColor kCountColColor = RGB(85, 209, 239);
constexpr TColor kCountValueColor = RGB(131, 228, 197);

const PositionChart kOddEven = {
    "J",
    "O",
    "奇数个数",
    [](int red) { return red % 2 != 0; },
    BlueIsOdd,
    OddNumOfCodeArr,
    {RGB(85, 209, 239), RGB(196, 163, 222), RGB(99, 228, 181), RGB(85, 209, 239), RGB(193, 149, 244),
     RGB(131, 228, 197), RGB(229, 89, 239), RGB(196, 163, 222)},
};

const PositionChart kTailBigSmall = {
    "D",
    "X",
    "大数个数",
    [](int red) { return red % 10 >= 5; },
    [](int blue) { return blue % 10 >= 5; },
    BigTailNumOfCodeArr,
    kOddEven.Colors,
};

const PositionChart kBigSmall = {
    "D",
    "X",
    "大数个数",
    [](int red) { return red > 17; },
    [](int blue) { return blue > 8; },
    BigNumOfCodeArr,
    {RGB(229, 89, 239), RGB(131, 228, 197), RGB(193, 149, 244), RGB(85, 209, 239), RGB(99, 228, 181),
     RGB(196, 163, 222), RGB(85, 209, 239), RGB(99, 228, 181)},
};

BuildResult BuildPositionChart(const PositionChart& chart, TTrendGridModel& grid, const DrawHistory& history,
                               int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 66}, {6, 20}, {1, 32}, {14, 22}, {8, 24}});
    BeginTableChart(grid, 11, widths, n);
    grid.SetHeadCount(11);
    SetCommonSpans(grid);
    for (int p = 1; p <= 6; ++p) {
        SetSpan(grid, 2 + p, "第" + IntText(p) + "位", 2 * p + 6, 0, 2 * p + 7, 0);
    }
    SetSpan(grid, 9, "蓝球", 20, 0, 21, 0);
    SetSpan(grid, 10, chart.CountTitle, kCountCol, 0, 29, 0);
    for (int col = 8; col <= 20; col += 2) {
        grid.SetValue(1, col, chart.First);
        grid.SetValue(1, col + 1, chart.Second);
    }
    grid.SetValue(1, kCountCol, "数");
    for (int k = 0; k <= 6; ++k) {
        grid.SetValue(1, 23 + k, IntText(k));
    }

    std::array<int, 30> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        for (int pair = 0; pair < 7; ++pair) {
            grid.SetCellColor(row, 8 + 2 * pair, chart.Colors[static_cast<std::size_t>(pair)]);
            grid.SetCellColor(row, 9 + 2 * pair, chart.Colors[static_cast<std::size_t>(pair)]);
        }
        grid.SetCellColor(row, kCountCol, kCountColColor);
        for (int col = 23; col <= 29; ++col) {
            grid.SetCellColor(row, col, chart.Colors[7]);
        }
        const auto mark = [&](int firstCol, bool first) {
            const int col = first ? firstCol : firstCol + 1;
            grid.SetValue(row, col, first ? chart.First : chart.Second);
            ++totals[static_cast<std::size_t>(col)];
        };
        for (int p = 1; p <= 6; ++p) {
            mark(2 * p + 6, chart.RedIsFirst(draw.Reds[static_cast<std::size_t>(p - 1)]));
        }
        mark(20, chart.BlueIsFirst(draw.Blue));
        const int count = chart.Count(draw.Reds);
        grid.SetValue(row, kCountCol, IntText(count));
        totals[kCountCol] += count;
        if (count >= 0 && count <= 6) {
            grid.SetValue(row, 23 + count, IntText(count));
            grid.SetCellColor(row, 23 + count, kCountValueColor);
            ++totals[static_cast<std::size_t>(23 + count)];
        }
    }
    WriteFooter(grid);
    for (int col = 8; col <= 29; ++col) {
        grid.SetValue(FooterRow(grid), col, IntText(totals[static_cast<std::size_t>(col)]));
    }
    return {};
}

} // namespace

BuildResult BuildTailTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 66}, {6, 28}, {1, 32}, {10, 28}});
    BeginTableChart(grid, 11, widths, n);
    grid.SetHeadCount(4);
    SetCommonSpans(grid);
    SetSpan(grid, 3, "尾数分布", 8, 0, 17, 0);
    for (int t = 0; t <= 9; ++t) {
        grid.SetValue(1, 8 + t, IntText(t));
    }

    std::array<int, 10> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        const auto hist = TailHistOfCodeArr(draw.Reds);
        for (int t = 0; t <= 9; ++t) {
            const int c = hist[static_cast<std::size_t>(t)];
            if (c > 0) {
                grid.SetValue(row, 8 + t, IntText(c));
                // A count of 4 stays uncoloured.
                if (c <= 3) {
                    grid.SetCellColor(row, 8 + t, kCountColors[static_cast<std::size_t>(c - 1)]);
                }
                totals[static_cast<std::size_t>(t)] += c;
            }
        }
    }
    WriteFooter(grid);
    for (int t = 0; t <= 9; ++t) {
        grid.SetValue(FooterRow(grid), 8 + t, IntText(totals[static_cast<std::size_t>(t)]));
    }
    return {};
}

BuildResult BuildOddEvenChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildPositionChart(kOddEven, grid, history, n);
}

BuildResult BuildTailBigSmallChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildPositionChart(kTailBigSmall, grid, history, n);
}

BuildResult BuildBigSmallChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildPositionChart(kBigSmall, grid, history, n);
}

} // namespace quorvane
