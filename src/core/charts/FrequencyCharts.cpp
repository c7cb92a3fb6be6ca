#include "charts/FrequencyCharts.h"

#include <algorithm>
#include <vector>

#include "measures/Measures.h"

namespace quorvane {

namespace {

constexpr TColor kRedSeriesColor = RGB(255, 98, 84);
constexpr TColor kBlueSeriesColor = RGB(0, 0, 255);

// Lays out a one-series chart of the groups 1 .. counts.size() - 1 (font 11, the given series
// colours), labels group v "v", gives it the bar counts[v] and returns the largest count.
int WriteCountBars(TBarChartModel& bars, const std::vector<int>& counts, const std::vector<TColor>& colours)
{
    const int groups = static_cast<int>(counts.size()) - 1;
    bars.FFontSize = 11;
    bars.SetBars(groups + 1, 2, colours);
    int largest = 0;
    for (int v = 1; v <= groups; ++v) {
        bars.SetValue(v, 0, IntText(v));
        bars.SetValue(v, 1, IntText(counts[static_cast<std::size_t>(v)]));
        largest = std::max(largest, counts[static_cast<std::size_t>(v)]);
    }
    return largest;
}

// Fills a one-series chart with counts[1 .. counts.size() - 1], labelled 1 .. , and sets its scale
// so that the largest count fills FGridStep x FGridCount pixels.
void FillCountBars(TBarChartModel& bars, const std::vector<int>& counts, TColor series, int barWidth, int gap,
                   int minGridCount)
{
    const int largest = WriteCountBars(bars, counts, {series, series});
    bars.FBarWidth = barWidth;
    bars.FGap = gap;
    bars.FGridStep = 20;
    bars.FGridCount = std::min(20, std::max(minGridCount, largest / 3));
    bars.FShowGrid = true;
    // With every count 0 the plot stays empty: no bars, no value labels, and the axis labelled
    // 0 .. FGridCount in steps of 1 instead of a scale of 0.
    bars.FShowValues = largest > 0;
    const int top = largest > 0 ? largest : bars.FGridCount;
    bars.FScale = static_cast<float>(top) / static_cast<float>(bars.FGridStep * bars.FGridCount);
    bars.FPlacement = TPlacement{};
    bars.FPlacement.Top = 30;
    bars.FPlacement.Width = 400;
    bars.FPlacement.Height = 330;
}

} // namespace

BuildResult BuildRedFrequencyChart(TBarChartModel& bars, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    std::vector<int> counts(34, 0);
    for (int i = 0; i < n; ++i) {
        for (const int red : NewestDraw(history, i).Reds) {
            if (IsRedNumber(red)) {
                ++counts[static_cast<std::size_t>(red)];
            }
        }
    }
    FillCountBars(bars, counts, kRedSeriesColor, 12, 5, 10);
    return {};
}

BuildResult BuildBlueFrequencyChart(TBarChartModel& bars, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    std::vector<int> counts(17, 0);
    for (int i = 0; i < n; ++i) {
        const int blue = NewestDraw(history, i).Blue;
        if (blue >= 1 && blue <= 16) {
            ++counts[static_cast<std::size_t>(blue)];
        }
    }
    FillCountBars(bars, counts, kBlueSeriesColor, 20, 10, 6);
    return {};
}

int ZoneSumValueCount(int zone)
{
    return zone == 1 ? 53 : zone == 2 ? 119 : 185;
}

BuildResult BuildZoneSumFrequencyChart(TBarChartModel& bars, const DrawHistory& history, int n, int zone)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const int values = ZoneSumValueCount(zone);
    std::vector<int> counts(static_cast<std::size_t>(values), 0);
    for (int i = 0; i < n; ++i) {
        const int sum = ZoneSumOfCodeArr(NewestDraw(history, i).Reds, zone);
        if (sum >= 0 && sum < values) {
            ++counts[static_cast<std::size_t>(sum)];
        }
    }
    const int largest = WriteCountBars(bars, counts, {kBlueSeriesColor, kRedSeriesColor});
    const int top = (std::max(10, largest) + 9) / 10 * 10;
    bars.FBarWidth = 8;
    bars.FGap = 4;
    bars.FGridStep = 20;
    bars.FGridCount = 10;
    bars.FScale = static_cast<float>(top) / 200.0f;
    bars.FShowGrid = true;
    bars.FShowValues = true;
    bars.FPlacement = TPlacement{};
    if (zone == 1) {
        bars.FPlacement.FillsPage = true;
    } else {
        bars.FPlacement.Top = zone == 2 ? 30 : 0;
    }
    return {};
}

} // namespace quorvane
