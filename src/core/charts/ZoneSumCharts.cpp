#include "charts/ZoneSumCharts.h"

#include <array>

#include "measures/Measures.h"

namespace quorvane {

namespace {

constexpr TColor kOddColor = RGB(99, 228, 181);
constexpr TColor kEvenColor = RGB(85, 209, 239);
constexpr TColor kBigColor = RGB(229, 89, 239);
constexpr TColor kSmallColor = RGB(193, 149, 244);
// Colour of a zone count 0..6, pale to deep red.
constexpr std::array<TColor, 7> kZoneCountColors = {
    RGB(245, 225, 239), RGB(228, 227, 254), RGB(227, 212, 133), RGB(229, 161, 127),
    RGB(241, 117, 100), RGB(241, 37, 52),   RGB(255, 21, 20)};

constexpr int kOddCol = 9;
constexpr int kEvenCol = 10;
constexpr int kBigCol = 11;
constexpr int kSmallCol = 12;

} // namespace

BuildResult BuildZoneRatioChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 86}, {6, 30}, {1, 62}, {3, 72}});
    BeginTableChart(grid, 11, widths, n);
    grid.SetHeadCount(6);
    SetCommonSpans(grid);
    SetSpan(grid, 3, "一区\r\n个数", 8, 0, 8, 1);
    SetSpan(grid, 4, "二区\r\n个数", 9, 0, 9, 1);
    SetSpan(grid, 5, "三区\r\n个数", 10, 0, 10, 1);

    std::array<int, 3> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        for (int z = 1; z <= 3; ++z) {
            const int m = ZoneNumOfCodeArr(draw.Reds, z);
            grid.SetValue(row, 7 + z, IntText(m));
            grid.SetCellColor(row, 7 + z, kZoneCountColors[static_cast<std::size_t>(m)]);
            totals[static_cast<std::size_t>(z - 1)] += m;
        }
    }
    WriteFooter(grid, kZoneFooterColor);
    for (int z = 1; z <= 3; ++z) {
        grid.SetValue(FooterRow(grid), 7 + z, IntText(totals[static_cast<std::size_t>(z - 1)]));
    }
    return {};
}

BuildResult BuildZoneSumChart(TTrendGridModel& grid, const DrawHistory& history, int n, int zone)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 86}, {6, 30}, {1, 42}, {1, 62}, {4, 52}});
    BeginTableChart(grid, 11, widths, n);
    grid.SetValue(1, kOddCol, "奇数");
    grid.SetValue(1, kEvenCol, "偶数");
    grid.SetValue(1, kBigCol, "大数");
    grid.SetValue(1, kSmallCol, "小数");
    static constexpr std::array<const char*, 3> kZoneCaptions = {"一区\r\n和值", "二区\r\n和值",
                                                                 "三区\r\n和值"};
    grid.SetHeadCount(6);
    SetCommonSpans(grid);
    SetSpan(grid, 3, kZoneCaptions[static_cast<std::size_t>(zone == 1 ? 0 : zone == 2 ? 1 : 2)], 8, 0, 8, 1);
    SetSpan(grid, 4, "和值尾数", kOddCol, 0, kEvenCol, 0);
    SetSpan(grid, 5, "和值尾数", kBigCol, 0, kSmallCol, 0);

    std::array<int, 13> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        const int s = ZoneSumOfCodeArr(draw.Reds, zone);
        grid.SetValue(row, 8, IntText(s));
        const auto mark = [&](int col, const char* text, TColor color) {
            grid.SetValue(row, col, text);
            grid.SetCellColor(row, col, color);
            ++totals[static_cast<std::size_t>(col)];
        };
        if (s % 2 != 0) {
            mark(kOddCol, "奇", kOddColor);
        } else {
            mark(kEvenCol, "偶", kEvenColor);
        }
        if (s % 10 < 5) {
            mark(kSmallCol, "小", kSmallColor);
        } else {
            mark(kBigCol, "大", kBigColor);
        }
    }
    WriteFooter(grid, kZoneFooterColor);
    for (int col = kOddCol; col <= kSmallCol; ++col) {
        grid.SetValue(FooterRow(grid), col, IntText(totals[static_cast<std::size_t>(col)]));
    }
    return {};
}

} // namespace quorvane
