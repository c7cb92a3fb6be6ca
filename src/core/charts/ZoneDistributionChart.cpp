#include "charts/ZoneDistributionChart.h"

#include <array>

#include "measures/Layouts.h"

namespace quorvane {

const char* const kZoneDistributionNote = "1、3分区：11个号码为1个分区。2、4分区：(1-8),(9-16),(17-24),(25-"
                                          "33)。5分区：(1-7)、(8-14)、(15-21)、(22-28)"
                                          "\r、(29-33)。6分区：(1-6)、(7-12)、(13-18)、(19-24)、(25-30)、(31-"
                                          "33)。2、11分区：3个号码为1个区，共11个区。";

namespace {

struct Partition
{
    int Parts;
    int FirstCol;
    const char* Caption;
    // Cell colour for a zone count of 0 or 1, of 2 or 3, and of 4 or more.
    std::array<TColor, 3> Colors;
};

constexpr std::array<Partition, 4> kPartitions = {{
    {3, 8, "3分区", {RGB(209, 229, 244), RGB(161, 166, 244), RGB(241, 134, 100)}},
    {4, 11, "4分区", {RGB(244, 209, 229), RGB(166, 241, 240), RGB(100, 241, 134)}},
    {5, 15, "5分区", {RGB(209, 229, 244), RGB(161, 166, 244), RGB(241, 134, 100)}},
    {6, 20, "6分区", {RGB(209, 229, 164), RGB(241, 182, 244), RGB(225, 166, 132)}},
}};

constexpr int kElevenFirstCol = 26;

// Footer totals of columns up to this one are written even when 0; later columns only above 0.
constexpr int kLastAlwaysTotalCol = 21;

} // namespace

BuildResult BuildZoneDistributionChart(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 66}, {6, 22}, {1, 28}, {29, 22}});
    BeginTableChart(grid, 11, widths, n);
    grid.SetHeadCount(8);
    SetCommonSpans(grid);
    for (std::size_t k = 0; k < kPartitions.size(); ++k) {
        const Partition& p = kPartitions[k];
        SetSpan(grid, static_cast<int>(3 + k), p.Caption, p.FirstCol, 0, p.FirstCol + p.Parts - 1, 0);
        for (int z = 1; z <= p.Parts; ++z) {
            grid.SetValue(1, p.FirstCol + z - 1, IntText(z));
        }
    }
    SetSpan(grid, 7, "11分区", kElevenFirstCol, 0, kElevenFirstCol + 10, 0);
    for (int z = 1; z <= 11; ++z) {
        grid.SetValue(1, kElevenFirstCol + z - 1, IntText(z));
    }

    std::array<int, 37> totals{};
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        // Zone counts of the draw, by partition: counts[k][z] for kPartitions[k], counts[4][z] for
        // the eleven zones.
        std::array<std::array<int, 12>, 5> counts{};
        for (const int red : draw.Reds) {
            for (std::size_t k = 0; k < kPartitions.size(); ++k) {
                const int z = ZoneOf(kPartitions[k].Parts, red);
                if (z >= 1 && z <= kPartitions[k].Parts) {
                    ++counts[k][static_cast<std::size_t>(z)];
                }
            }
            const int z = ZoneOf(11, red);
            if (z >= 1 && z <= 11) {
                ++counts[4][static_cast<std::size_t>(z)];
            }
        }
        for (std::size_t k = 0; k < kPartitions.size(); ++k) {
            const Partition& p = kPartitions[k];
            for (int z = 1; z <= p.Parts; ++z) {
                const int c = counts[k][static_cast<std::size_t>(z)];
                const int col = p.FirstCol + z - 1;
                grid.SetCellColor(row, col, p.Colors[c <= 1 ? 0 : c <= 3 ? 1 : 2]);
                if (c > 0) {
                    grid.SetValue(row, col, IntText(c));
                    totals[static_cast<std::size_t>(col)] += c;
                }
            }
        }
        for (int z = 1; z <= 11; ++z) {
            const int c = counts[4][static_cast<std::size_t>(z)];
            const int col = kElevenFirstCol + z - 1;
            if (c > 0) {
                grid.SetValue(row, col, IntText(c));
                grid.SetCellColor(row, col, kCountColors[static_cast<std::size_t>(c > 3 ? 2 : c - 1)]);
                totals[static_cast<std::size_t>(col)] += c;
            }
        }
    }
    WriteFooter(grid);
    for (int col = 8; col < 37; ++col) {
        const int total = totals[static_cast<std::size_t>(col)];
        if (col <= kLastAlwaysTotalCol || total > 0) {
            grid.SetValue(FooterRow(grid), col, IntText(total));
        }
    }
    return {};
}

} // namespace quorvane
