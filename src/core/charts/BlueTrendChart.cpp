#include "charts/BlueTrendChart.h"

#include <array>

#include "measures/Layouts.h"

namespace quorvane {

namespace {

constexpr TColor kDistributionColor = RGB(85, 209, 239);
constexpr TColor kParityColor = RGB(196, 163, 222);
constexpr TColor kRemainderColor = RGB(99, 228, 181);
constexpr TColor kHalfColor = RGB(85, 209, 239);
constexpr TColor kQuarterColor = RGB(193, 149, 244);
constexpr TColor kDrawnBlueColor = RGB(249, 255, 176);
constexpr const char* kMark = "▲";

constexpr int kOddCol = 18;
constexpr int kEvenCol = 19;
constexpr int kRemainderCol = 20;
constexpr int kHalfCol = 23;
constexpr int kQuarterCol = 25;
constexpr int kCols = 29;

} // namespace

BuildResult BuildBlueTrendChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 66}, {1, 32}, {16, 20}, {5, 22}, {6, 32}});
    grid.FFontSize = 10;
    grid.SetGrid(kCols, n + 1, widths, 2);

    grid.SetHeadCount(10);
    SetSpan(grid, 0, "期号", 0, 0, 0, 1);
    SetSpan(grid, 1, "蓝球", 1, 0, 1, 1);
    SetSpan(grid, 2, "蓝球分布", 2, 0, 17, 0);
    SetSpan(grid, 3, "奇", kOddCol, 0, kOddCol, 1);
    SetSpan(grid, 4, "偶", kEvenCol, 0, kEvenCol, 1);
    for (int r = 0; r < 3; ++r) {
        SetSpan(grid, 5 + r, IntText(r), kRemainderCol + r, 0, kRemainderCol + r, 1);
    }
    SetSpan(grid, 8, "2分区", kHalfCol, 0, kHalfCol + 1, 0);
    SetSpan(grid, 9, "4分区", kQuarterCol, 0, kQuarterCol + 3, 0);
    for (int b = 1; b <= 16; ++b) {
        grid.SetValue(1, b + 1, IntText(b));
    }
    const std::array<const char*, 6> partHeads = {"1-8", "9-16", "1-4", "5-8", "9-12", ">=13"};
    for (int k = 0; k < 6; ++k) {
        grid.SetValue(1, kHalfCol + k, partHeads[static_cast<std::size_t>(k)]);
    }

    std::array<int, kCols> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        grid.SetValue(row, 0, ChartIssueText(draw));
        for (int col = 2; col < kCols; ++col) {
            const TColor color = col <= 17           ? kDistributionColor
                                 : col <= kEvenCol   ? kParityColor
                                 : col < kHalfCol    ? kRemainderColor
                                 : col < kQuarterCol ? kHalfColor
                                                     : kQuarterColor;
            grid.SetCellColor(row, col, color);
        }
        const int b = draw.Blue;
        if (b < 1 || b > 16) {
            continue;
        }
        const auto mark = [&](int col, const std::string& text) {
            grid.SetValue(row, col, text);
            ++totals[static_cast<std::size_t>(col)];
        };
        grid.SetValue(row, 1, TwoDigitText(b));
        mark(b + 1, TwoDigitText(b));
        grid.SetCellColor(row, b + 1, kDrawnBlueColor);
        if (BlueIsOdd(b)) {
            mark(kOddCol, "J");
        } else {
            mark(kEvenCol, "O");
        }
        mark(kRemainderCol + BlueMod3(b), kMark);
        mark(kHalfCol + BlueHalfOf(b), kMark);
        mark(kQuarterCol + BlueQuarterOf(b), kMark);
    }
    WriteFooter(grid);
    for (int col = 2; col < kCols; ++col) {
        grid.SetValue(FooterRow(grid), col, IntText(totals[static_cast<std::size_t>(col)]));
    }
    return {};
}

} // namespace quorvane
