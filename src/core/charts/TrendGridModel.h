#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "charts/Color.h"
#include "charts/IndexErrorHook.h"

namespace quorvane {

// Index-error messages of the trend grid. The last three belong to the widgets' geometry and
// scrolling and are kept here so that every grid widget shows the same text.
inline constexpr const char* kSetValueColError = "SetValue x>=FColsCount ";
inline constexpr const char* kSetValueRowError = "SetValue y>=FDynRows+FFixRowCount ";
inline constexpr const char* kGetValueColError = "GetValue x>=FColsCount ";
inline constexpr const char* kGetValueRowError = "GetValue y>=FDynRows+FFixRowCount ";
inline constexpr const char* kSetCellColorColError = "SetCellColor x>=FColsCount ";
inline constexpr const char* kSetCellColorRowError = "SetCellColor y>=FDynRows+FFixRowCount ";
inline constexpr const char* kGetCellColorColError = "GetCellColor x>=FColsCount ";
inline constexpr const char* kGetCellColorRowError = "GetCellColor y>=FDynRows+FFixRowCount ";
inline constexpr const char* kSetHeadCellError = "SetHeadCell Index>=Length(FHeadCells) ";
inline constexpr const char* kRectOfCellError = "RectOfCell ACol>Length(FColWidthArr)";
inline constexpr const char* kColLeftError = "ACol>Length(FColWidthArr)";
inline constexpr const char* kVScrollError = "VScroll Error";

// Background of the fixed rows and the colour the builders give header spans.
inline constexpr TColor kDefaultFixColor = RGB(228, 224, 243);

// A merged header cell: the rectangle from (FirstCol, FirstRow) to (LastCol, LastRow), both
// corners included, is filled with Color and Text is drawn centred in it, over the grid lines
// and cell texts beneath. Spans whose Visible flag is clear are skipped.
struct THeadCell
{
    bool Visible = false;
    std::int32_t FirstCol = 0;
    std::int32_t FirstRow = 0;
    std::int32_t LastCol = 0;
    std::int32_t LastRow = 0;
    std::string Text; // may hold "\r\n" line breaks
    TColor Color = NoColor;
};

// The content of a trend grid (TH2Net, TH3Net and TDataViewNet paint it): cells with a text and a
// background colour under FFixRowCount fixed header rows, plus merged header spans.
//
// Cells are addressed (row, col), both from 0; row 0 is the top header row, so the first body row
// is row FFixRowCount. The scroll position (FTopRow, FHOffset), the number of visible rows and
// every pixel computation belong to the widget; this model holds only what the builders write.
//
// An index outside the grid (negative included) reports its message through OnIndexError and
// the call does nothing; a read then returns "" or NoColor.
class TTrendGridModel final
{
public:
    TTrendGridModel() = default;

    // Number of columns.
    std::int32_t FColsCount = 0;
    // Number of fixed header rows at the top (painted in FFixColor, never scrolled).
    std::int32_t FFixRowCount = 0;
    // Number of body rows under the header.
    std::int32_t FDynRows = 0;
    // Width of each column in pixels; always FColsCount entries after SetGrid.
    std::vector<std::int32_t> FColWidthArr;
    // Height of every row in pixels.
    std::int32_t FRowHeight = 20;
    // Width of the grid lines in pixels.
    std::int32_t FLineWidth = 1;
    // Background of the fixed rows and the builders' header-span colour.
    TColor FFixColor = kDefaultFixColor;
    // Point size of all cell text (drawn bold); the builders set 9, 10 or 11.
    std::int32_t FFontSize = 11;
    // Texts, (FFixRowCount + FDynRows) x FColsCount, row-major; "" draws nothing; may hold "\r\n".
    std::vector<std::string> FCellText;
    // Backgrounds, same shape; NoColor = not filled. Ignored in the fixed rows (FFixColor wins).
    std::vector<TColor> FCellColor;
    // Merged header cells, painted last in index order.
    std::vector<THeadCell> FHeadCells;

    // Where index errors go (see IndexErrorHook).
    IndexErrorHook OnIndexError;

    // Restores every default above and empties all arrays (the hook is kept).
    void Clear();

    // Sets the counts, allocates every cell with an empty text and NoColor, and copies the widths
    // (missing widths are 0, extra ones dropped). Earlier content and header spans are discarded.
    // Negative counts count as 0.
    void SetGrid(std::int32_t cols, std::int32_t dynRows, const std::vector<std::int32_t>& widths,
                 std::int32_t fixRows);

    // Total rows: FFixRowCount + FDynRows.
    std::int32_t RowCount() const { return FFixRowCount + FDynRows; }

    // Stores a cell text; "" clears it.
    void SetValue(std::int32_t row, std::int32_t col, std::string text);
    std::string GetValue(std::int32_t row, std::int32_t col) const;

    void SetCellColor(std::int32_t row, std::int32_t col, TColor color);
    TColor GetCellColor(std::int32_t row, std::int32_t col) const;

    // Allocates n header spans, each invisible, empty, corners (0, 0), NoColor. Negative n counts
    // as 0.
    void SetHeadCount(std::int32_t n);
    // Fills header span `index` (0 .. FHeadCells.size() - 1).
    void SetHeadCell(std::int32_t index, bool visible, TColor color, std::string text, std::int32_t firstCol,
                     std::int32_t firstRow, std::int32_t lastCol, std::int32_t lastRow);

private:
    // Cell index, or -1 after reporting colError or rowError.
    std::int64_t IndexOf(std::int32_t row, std::int32_t col, const char* colError,
                         const char* rowError) const;
    void Report(const char* message) const;
};

} // namespace quorvane
