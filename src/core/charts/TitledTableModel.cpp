#include "charts/TitledTableModel.h"

#include <algorithm>
#include <utility>

namespace quorvane {

void TTitledTableModel::Clear()
{
    FColWidthArr.clear();
    FCellText.clear();
    FCellColor.clear();
    FColsCount = 0;
    FRowCount = 0;
    FRowHeight = 20;
    FLineWidth = 1;
}

void TTitledTableModel::SetGrid(std::int32_t cols, std::int32_t rows, const std::vector<std::int32_t>& widths)
{
    FColsCount = cols > 0 ? cols : 0;
    FRowCount = rows > 0 ? rows : 0;
    const auto cells = static_cast<std::size_t>(FColsCount) * static_cast<std::size_t>(FRowCount);
    FCellText.assign(cells, std::string());
    FCellColor.assign(cells, kWhite);
    FColWidthArr.assign(static_cast<std::size_t>(FColsCount), 0);
    for (std::size_t c = 0; c < FColWidthArr.size() && c < widths.size(); ++c) {
        FColWidthArr[c] = widths[c];
    }
}

std::int64_t TTitledTableModel::IndexOf(std::int32_t col, std::int32_t row, const char* colError,
                                        const char* rowError) const
{
    return CheckedCellIndex(OnIndexError, col, FColsCount, row, FRowCount,
                            static_cast<std::int64_t>(row) * FColsCount + col,
                            std::min(FCellText.size(), FCellColor.size()), colError, rowError);
}

void TTitledTableModel::SetValue(std::int32_t col, std::int32_t row, std::string text)
{
    const std::int64_t i = IndexOf(col, row, kTableSetValueColError, kTableSetValueRowError);
    if (i >= 0) {
        FCellText[static_cast<std::size_t>(i)] = std::move(text);
    }
}

std::string TTitledTableModel::GetValue(std::int32_t col, std::int32_t row) const
{
    const std::int64_t i = IndexOf(col, row, kTableGetValueColError, kTableGetValueRowError);
    return i >= 0 ? FCellText[static_cast<std::size_t>(i)] : std::string();
}

void TTitledTableModel::SetCellColor(std::int32_t col, std::int32_t row, TColor color)
{
    const std::int64_t i = IndexOf(col, row, kTableSetCellColorColError, kTableSetCellColorRowError);
    if (i >= 0) {
        FCellColor[static_cast<std::size_t>(i)] = color;
    }
}

TColor TTitledTableModel::GetCellColor(std::int32_t col, std::int32_t row) const
{
    const std::int64_t i = IndexOf(col, row, kTableGetCellColorColError, kTableGetCellColorRowError);
    return i >= 0 ? FCellColor[static_cast<std::size_t>(i)] : kWhite;
}

} // namespace quorvane
