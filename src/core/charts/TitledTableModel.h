#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "charts/Color.h"
#include "charts/IndexErrorHook.h"
#include "charts/Placement.h"

namespace quorvane {

inline constexpr const char* kTableSetValueColError = "SetValue x>=FColsCount ";
inline constexpr const char* kTableSetValueRowError = "SetValue y>=FRowCount ";
inline constexpr const char* kTableGetValueColError = "GetValue x>=FColsCount ";
inline constexpr const char* kTableGetValueRowError = "GetValue y>=FRowCount ";
inline constexpr const char* kTableSetCellColorColError = "SetCellColor x>=FColsCount ";
inline constexpr const char* kTableSetCellColorRowError = "SetCellColor y>=FRowCount ";
inline constexpr const char* kTableGetCellColorColError = "GetCellColor x>=FColsCount ";
inline constexpr const char* kTableGetCellColorRowError = "GetCellColor y>=FRowCount ";

// The title a new table shows until a builder replaces it.
inline constexpr const char* kDefaultTableTitle = "我的标题";

// The content of a titled table (TB0Net paints it): a title line above a plain grid of cells with
// a text and a background, no fixed rows, no spans. The widget computes the title band (30 pixels
// when FTitle is not empty, else 0), the visible rows and its own size in its layout pass.
//
// Cells are addressed (col, row), both from 0 - the reverse of the trend grid. An index outside the
// table reports its message through OnIndexError and the call does nothing; a read then returns ""
// or kWhite.
class TTitledTableModel final
{
public:
    TTitledTableModel() = default;

    // Title drawn above the table (bold, 11 points); "" means no title band.
    std::string FTitle = kDefaultTableTitle;
    std::int32_t FColsCount = 0;
    std::int32_t FRowCount = 0;
    // Width of each column in pixels; always FColsCount entries after SetGrid.
    std::vector<std::int32_t> FColWidthArr;
    // Height of every row in pixels.
    std::int32_t FRowHeight = 20;
    // Width of the grid lines in pixels.
    std::int32_t FLineWidth = 1;
    // Colour of the grid lines.
    TColor FLineColor = kBlack;
    // Texts, FRowCount x FColsCount, row-major; may hold "\r\n".
    std::vector<std::string> FCellText;
    // Backgrounds, same shape; kWhite after SetGrid.
    std::vector<TColor> FCellColor;
    // Where the page puts the table.
    TPlacement FPlacement;

    // Where index errors go (see IndexErrorHook).
    IndexErrorHook OnIndexError;

    // Empties the widths, texts and colours, sets both counts to 0, FRowHeight to 20 and FLineWidth
    // to 1. The title, line colour, placement and hook are kept.
    void Clear();

    // Sets the counts, copies the widths (missing widths are 0, extra ones dropped) and allocates the
    // cells, every text empty and every colour white. Negative counts count as 0.
    void SetGrid(std::int32_t cols, std::int32_t rows, const std::vector<std::int32_t>& widths);

    void SetValue(std::int32_t col, std::int32_t row, std::string text);
    std::string GetValue(std::int32_t col, std::int32_t row) const;
    void SetCellColor(std::int32_t col, std::int32_t row, TColor color);
    TColor GetCellColor(std::int32_t col, std::int32_t row) const;

private:
    std::int64_t IndexOf(std::int32_t col, std::int32_t row, const char* colError,
                         const char* rowError) const;
};

} // namespace quorvane
