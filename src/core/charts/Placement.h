#pragma once

#include <cstdint>

namespace quorvane {

// Where a chart page puts a titled table or a bar chart, in pixels inside the page's scroll box
// (or the page itself). Width and Height are the bounds requested before the widget's layout pass,
// which then fits the widget to its content: a titled table shows as many rows as the requested
// height allows, so a builder that wants every row visible requests a generous height.
struct TPlacement
{
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 400;
    std::int32_t Height = 300;
    // Left is (client width of the scroll box - Width) div 2 instead of the value above.
    bool CentreHorizontally = false;
    // At least 0: Top is the bottom of the page's previous table after its layout pass plus this
    // many pixels, instead of the value above.
    std::int32_t GapBelowPrevious = -1;
    // The widget fills its page under the top strip; the other fields are then ignored.
    bool FillsPage = false;
};

} // namespace quorvane
