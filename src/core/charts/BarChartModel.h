#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "charts/Color.h"
#include "charts/IndexErrorHook.h"
#include "charts/Placement.h"

namespace quorvane {

inline constexpr const char* kBarSetValueColError = "SetValue x>=FDynColCount ";
inline constexpr const char* kBarSetValueRowError = "SetValue x>=FDynRowCount ";
inline constexpr const char* kBarGetValueColError = "GetValue x>=FDynColCount ";
inline constexpr const char* kBarGetValueRowError = "GetValue x>=FDynRowCount ";

struct TPoint
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// The content of a vertical bar chart (TG2Net paints it): FDynColCount labelled groups along the x
// axis, one bar per series in each group, a y axis with a value scale. Values are held as texts in a
// small table: column 0 and row 0 are the labels' places, so groups are columns 1 .. FDynColCount
// and series rows 1 .. FDynRowCount; row 0 holds each group's x label.
//
// Geometry (the widget's layout pass): plot width = (FDynRowCount x FBarWidth + 2 x FGap) x
// FDynColCount + 2 x FGap, plot height = FGridStep x FGridCount, placed at FMargin; a bar of value v
// is ceil(v / FScale) pixels high, and the y label of grid line k is k x FGridStep x FScale rounded.
//
// A column or row outside the table (negative included) reports its message through OnIndexError
// and the call does nothing; a read then returns "".
class TBarChartModel final
{
public:
    TBarChartModel() = default;

    // Number of groups (x positions).
    std::int32_t FDynColCount = 0;
    // Number of series (bars per group).
    std::int32_t FDynRowCount = 0;
    // (FDynColCount + 1) x (FDynRowCount + 1) texts at col + row x (FDynColCount + 1): row 0 = x
    // labels, rows >= 1 = bar values as decimal integers; "0" everywhere after SetBars.
    std::vector<std::string> FValues;
    // Fill colour of each row's bars, FDynRowCount + 1 entries (entry 0 belongs to the label row and
    // is not drawn).
    std::vector<TColor> FSeriesColor;
    // Width of one bar in pixels.
    std::int32_t FBarWidth = 10;
    // Space in pixels before and after each group.
    std::int32_t FGap = 10;
    // Pixels between two horizontal grid lines.
    std::int32_t FGridStep = 10;
    // Number of grid steps; the plot is FGridStep x FGridCount pixels high.
    std::int32_t FGridCount = 6;
    // Value units per pixel (above 0 after every builder).
    float FScale = 0.2f;
    // Draw the plot frame and the grid lines.
    bool FShowGrid = true;
    // Draw each bar's value above it.
    bool FShowValues = true;
    // Left and top margin of the plot in pixels.
    TPoint FMargin{30, 30};
    // Title above the plot; "" for none.
    std::string FTitle;
    // Point size of the labels.
    std::int32_t FFontSize = 11;
    // Where the page puts the chart.
    TPlacement FPlacement;

    // Where index errors go (see IndexErrorHook).
    IndexErrorHook OnIndexError;

    // Empties the values and colours and sets both counts to 0.
    void Clear();

    // cols and rows include the label column 0 and label row 0: FDynColCount = cols - 1 and
    // FDynRowCount = rows - 1 (never below 0). Every value becomes "0"; row i's colour is colours[i]
    // where given, else one of a built-in table.
    void SetBars(std::int32_t cols, std::int32_t rows, const std::vector<TColor>& colours);

    void SetValue(std::int32_t col, std::int32_t row, std::string text);
    std::string GetValue(std::int32_t col, std::int32_t row) const;

private:
    std::int64_t IndexOf(std::int32_t col, std::int32_t row, const char* colError,
                         const char* rowError) const;
};

} // namespace quorvane
