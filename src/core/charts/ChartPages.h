#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "charts/BarChartModel.h"
#include "charts/ChartCommon.h"
#include "charts/TitledTableModel.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

// The 35 chart pages of the three page controls, in page order, with the builder of each: the one
// table the command-line program, the desktop program and the tests all use.

namespace quorvane {

// N of a page's spin edit at start; also the rotation chart's first number.
inline constexpr int kDefaultChartN = 30;
inline constexpr int kDefaultRotationStart = 1;

enum class ChartPageControl
{
    GridPctl,  // the common chart pages "图表分析"
    ChartPCtr, // the zone ratio and zone-sum trend pages "常用图表"
    FxPCtr,    // the zone-sum frequency and omission pages "数据分析" (fxPCtr)
};

// The widget that shows a page's model.
enum class ChartSurface
{
    TH2Net, // the trend grid, Grid
    TH3Net, // the trend grid with horizontal scrolling, Grid
    TB0Net, // titled tables in the page's scroll box, Tables
    TG2Net, // the bar chart, Bars
};

// The models of one page; a builder fills the one its page's surface shows.
struct ChartModels
{
    TTrendGridModel Grid;
    std::vector<TTitledTableModel> Tables;
    TBarChartModel Bars;
};

// Builds a page from the last n draws; start is the rotation chart's first number (others ignore it).
using ChartPageBuilder = BuildResult (*)(ChartModels& models, const DrawHistory& history, int n, int start);

struct ChartPage
{
    const char* ObjectName; // "ExTabSheet1"
    const char* Caption;    // "红球走势图"
    const char* Alias;      // "red-trend"
    ChartPageControl Control;
    ChartSurface Surface;
    const char* SpinEditName;  // the page's N: "ExTabSheet1Se", "SpinEdit30"
    const char* ButtonName;    // its "查询" button: "ExTabSheet1GoBt", "Button30"
    const char* ScrollBoxName; // the scroll box holding its tables or chart, "" when none
    ChartPageBuilder Build;
};

inline constexpr std::size_t kChartPageCount = 35;

// Every page: GridPctl's 25 in page order, then ChartPCtr's 4 and fxPCtr's 6.
const std::array<ChartPage, kChartPageCount>& ChartPages();

// The page with this object name or alias, or nullptr.
const ChartPage* FindChartPage(std::string_view nameOrAlias);

} // namespace quorvane
