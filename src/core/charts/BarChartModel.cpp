#include "charts/BarChartModel.h"

#include <array>
#include <utility>

namespace quorvane {

namespace {
// Colours of series rows for which SetBars is given none.
constexpr std::array<TColor, 6> kDefaultSeriesColors = {
    RGB(255, 98, 84),   RGB(0, 0, 255),    RGB(99, 228, 181),
    RGB(193, 149, 244), RGB(85, 209, 239), RGB(229, 89, 239),
};
} // namespace

void TBarChartModel::Clear()
{
    FValues.clear();
    FSeriesColor.clear();
    FDynColCount = 0;
    FDynRowCount = 0;
}

void TBarChartModel::SetBars(std::int32_t cols, std::int32_t rows, const std::vector<TColor>& colours)
{
    FDynColCount = cols > 1 ? cols - 1 : 0;
    FDynRowCount = rows > 1 ? rows - 1 : 0;
    const auto width = static_cast<std::size_t>(FDynColCount) + 1;
    const auto height = static_cast<std::size_t>(FDynRowCount) + 1;
    FValues.assign(width * height, "0");
    FSeriesColor.resize(height);
    for (std::size_t i = 0; i < height; ++i) {
        FSeriesColor[i] =
            i < colours.size() ? colours[i] : kDefaultSeriesColors[i % kDefaultSeriesColors.size()];
    }
}

std::int64_t TBarChartModel::IndexOf(std::int32_t col, std::int32_t row, const char* colError,
                                     const char* rowError) const
{
    return CheckedCellIndex(OnIndexError, col, FDynColCount + 1, row, FDynRowCount + 1,
                            col + static_cast<std::int64_t>(row) * (FDynColCount + 1), FValues.size(),
                            colError, rowError);
}

void TBarChartModel::SetValue(std::int32_t col, std::int32_t row, std::string text)
{
    const std::int64_t i = IndexOf(col, row, kBarSetValueColError, kBarSetValueRowError);
    if (i >= 0) {
        FValues[static_cast<std::size_t>(i)] = std::move(text);
    }
}

std::string TBarChartModel::GetValue(std::int32_t col, std::int32_t row) const
{
    const std::int64_t i = IndexOf(col, row, kBarGetValueColError, kBarGetValueRowError);
    return i >= 0 ? FValues[static_cast<std::size_t>(i)] : std::string();
}

} // namespace quorvane
