#include "charts/LayoutCountCharts.h"

#include <array>

#include "measures/Layouts.h"

namespace quorvane {

namespace {

// The line (0 .. Lines - 1) of a red number 1..33 in one layout.
using LineOfFn = int (*)(int red);

// The look of one family of count charts.
struct CountStyle
{
    std::int32_t IssueWidth;
    std::int32_t RedWidth;
    std::int32_t BlueWidth;
    bool SpacePadded;
    // Colours of the counts 1, 2 and 3; counts 4 and above take the last entry when HighKeepsColor,
    // else no colour.
    std::array<TColor, 3> CountColors;
    bool HighKeepsColor;
    TColor FooterColor;
};

constexpr CountStyle kSixStyle = {
    66, 28, 32, false, kCountColors, false, kFooterGrey,
};
constexpr CountStyle kTailLayoutStyle = {
    70, 32, 40, true, {RGB(193, 149, 244), RGB(241, 166, 116), RGB(255, 70, 52)}, true, RGB(170, 170, 170),
};

// One count chart: its layout, the word of the heads ("行" or "列") and the span over the counts.
BuildResult BuildCountChart(const CountStyle& style, int lines, LineOfFn lineOf, const char* word,
                            const char* spanText, TTrendGridModel& grid, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths =
        WidthRuns({{1, style.IssueWidth}, {6, style.RedWidth}, {1, style.BlueWidth}, {lines, 48}});
    BeginTableChart(grid, 11, widths, n);
    grid.SetHeadCount(4);
    SetCommonSpans(grid);
    SetSpan(grid, 3, spanText, 8, 0, 7 + lines, 0);
    for (int k = 0; k < lines; ++k) {
        grid.SetValue(1, 8 + k, "第" + IntText(k + 1) + word);
    }

    std::array<int, 6> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw, style.SpacePadded);
        std::array<int, 6> counts{};
        for (const int red : draw.Reds) {
            if (IsRedNumber(red)) {
                ++counts[static_cast<std::size_t>(lineOf(red))];
            }
        }
        for (int k = 0; k < lines; ++k) {
            const int c = counts[static_cast<std::size_t>(k)];
            grid.SetValue(row, 8 + k, IntText(c));
            if (c >= 1 && (c <= 3 || style.HighKeepsColor)) {
                grid.SetCellColor(row, 8 + k, style.CountColors[static_cast<std::size_t>(c > 3 ? 2 : c - 1)]);
            }
            totals[static_cast<std::size_t>(k)] += c;
        }
    }
    WriteFooter(grid, style.FooterColor);
    for (int k = 0; k < lines; ++k) {
        grid.SetValue(FooterRow(grid), 8 + k, IntText(totals[static_cast<std::size_t>(k)]));
    }
    return {};
}

} // namespace

BuildResult BuildRowTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildCountChart(kSixStyle, 6, SixRowOf, "行", "各行出球走势图", grid, history, n);
}

BuildResult BuildColTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildCountChart(kSixStyle, 6, SixColOf, "列", "各列出球走势图", grid, history, n);
}

BuildResult Build3DRowChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildCountChart(kTailLayoutStyle, 4, Tail3DRowOf, "行", "各行出球数目", grid, history, n);
}

BuildResult Build3DColChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildCountChart(kTailLayoutStyle, 3, Tail3DColOf, "列", "各列出球数目", grid, history, n);
}

BuildResult BuildTailRowChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildCountChart(kTailLayoutStyle, 6, TailRowOf, "行", "各行出球数目", grid, history, n);
}

BuildResult BuildTailColChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    return BuildCountChart(kTailLayoutStyle, 6, TailColOf, "列", "各列出球数目", grid, history, n);
}

} // namespace quorvane
