#pragma once

#include "charts/ChartPages.h"
#include "views/PageControl.h"

class QString;

namespace quorvane::gui {

class TTuForm;
class TViewContext;

// Page indices of the common chart pages named by the menu "图表分析(&F)" (page 0) and the jump
// buttons of the shrink pages.
inline constexpr int kRedTrendPage = 0;       // "红球走势图"
inline constexpr int kZoneSplitPage = 1;      // "区域分布图"
inline constexpr int kTailTrendPage = 2;      // "尾号走势图"
inline constexpr int kRedFrequencyPage = 7;   // "红球统计图"
inline constexpr int kBlueTrendPage = 9;      // "蓝球走势图"
inline constexpr int kBlueFrequencyPage = 10; // "蓝球统计图"

// A page control of chart pages (GridPctl, ChartPCtr or fxPCtr) with the pages of that control in
// the order of the chart page table, each holding its chart page view.
TPageControl* NewChartPageControl(TViewContext& context, ChartPageControl control, QWidget* parent);

// The page control GridPctl of the common charts.
TPageControl* NewGridPctl(TViewContext& context, QWidget* parent);

// The chart page that a chart button of the shrink pages shows in its window ("间距走势图",
// "按位分析图", "间距分析图"), or nullptr for another name.
const ChartPage* ChartWindowPage(const QString& buttonName);

// A chart window for the button: its trend grid with the chart menu, "查询" rebuilding the button's
// chart. The window is not shown.
TTuForm* NewChartWindow(TViewContext& context, const QString& buttonName, QWidget* owner);

// Builds the window's chart for the button's page from the window's number of draws; a refused
// number shows the message and keeps the chart.
void BuildChartWindow(TViewContext& context, TTuForm& window, const QString& buttonName);

} // namespace quorvane::gui
