#include "charts/TrendGridModel.h"

#include <algorithm>
#include <utility>

namespace quorvane {

void TTrendGridModel::Clear()
{
    IndexErrorHook hook = std::move(OnIndexError);
    *this = TTrendGridModel();
    OnIndexError = std::move(hook);
}

void TTrendGridModel::SetGrid(std::int32_t cols, std::int32_t dynRows,
                              const std::vector<std::int32_t>& widths, std::int32_t fixRows)
{
    FColsCount = cols > 0 ? cols : 0;
    FDynRows = dynRows > 0 ? dynRows : 0;
    FFixRowCount = fixRows > 0 ? fixRows : 0;
    const auto cells = static_cast<std::size_t>(FColsCount) * static_cast<std::size_t>(RowCount());
    // assign() keeps the capacity, so a rebuild of the same size allocates nothing new.
    FCellText.assign(cells, std::string());
    FCellColor.assign(cells, NoColor);
    FColWidthArr.assign(static_cast<std::size_t>(FColsCount), 0);
    for (std::size_t c = 0; c < FColWidthArr.size() && c < widths.size(); ++c) {
        FColWidthArr[c] = widths[c];
    }
    FHeadCells.clear();
}

void TTrendGridModel::Report(const char* message) const
{
    if (OnIndexError) {
        OnIndexError(message);
    }
}

std::int64_t TTrendGridModel::IndexOf(std::int32_t row, std::int32_t col, const char* colError,
                                      const char* rowError) const
{
    return CheckedCellIndex(OnIndexError, col, FColsCount, row, RowCount(),
                            static_cast<std::int64_t>(row) * FColsCount + col,
                            std::min(FCellText.size(), FCellColor.size()), colError, rowError);
}

void TTrendGridModel::SetValue(std::int32_t row, std::int32_t col, std::string text)
{
    const std::int64_t i = IndexOf(row, col, kSetValueColError, kSetValueRowError);
    if (i >= 0) {
        FCellText[static_cast<std::size_t>(i)] = std::move(text);
    }
}

std::string TTrendGridModel::GetValue(std::int32_t row, std::int32_t col) const
{
    const std::int64_t i = IndexOf(row, col, kGetValueColError, kGetValueRowError);
    return i >= 0 ? FCellText[static_cast<std::size_t>(i)] : std::string();
}

void TTrendGridModel::SetCellColor(std::int32_t row, std::int32_t col, TColor color)
{
    const std::int64_t i = IndexOf(row, col, kSetCellColorColError, kSetCellColorRowError);
    if (i >= 0) {
        FCellColor[static_cast<std::size_t>(i)] = color;
    }
}

TColor TTrendGridModel::GetCellColor(std::int32_t row, std::int32_t col) const
{
    const std::int64_t i = IndexOf(row, col, kGetCellColorColError, kGetCellColorRowError);
    return i >= 0 ? FCellColor[static_cast<std::size_t>(i)] : NoColor;
}

void TTrendGridModel::SetHeadCount(std::int32_t n)
{
    FHeadCells.assign(static_cast<std::size_t>(n > 0 ? n : 0), THeadCell());
}

void TTrendGridModel::SetHeadCell(std::int32_t index, bool visible, TColor color, std::string text,
                                  std::int32_t firstCol, std::int32_t firstRow, std::int32_t lastCol,
                                  std::int32_t lastRow)
{
    if (index < 0 || static_cast<std::size_t>(index) >= FHeadCells.size()) {
        Report(kSetHeadCellError);
        return;
    }
    THeadCell& h = FHeadCells[static_cast<std::size_t>(index)];
    h.Visible = visible;
    h.Color = color;
    h.Text = std::move(text);
    h.FirstCol = firstCol;
    h.FirstRow = firstRow;
    h.LastCol = lastCol;
    h.LastRow = lastRow;
}

} // namespace quorvane
