#include "charts/ChartPages.h"

#include "charts/BlueTrendChart.h"
#include "charts/BoardCharts.h"
#include "charts/DigitTrendCharts.h"
#include "charts/FrequencyCharts.h"
#include "charts/GapCharts.h"
#include "charts/LayoutCountCharts.h"
#include "charts/OmissionTables.h"
#include "charts/RedTrendCharts.h"
#include "charts/StatisticsTable.h"
#include "charts/ZoneDistributionChart.h"
#include "charts/ZoneSumCharts.h"

namespace quorvane {

namespace {

// Adapters from the builders' own signatures to ChartPageBuilder.
template <BuildResult (*F)(TTrendGridModel&, const DrawHistory&, int)>
BuildResult OnGrid(ChartModels& m, const DrawHistory& h, int n, int /*start*/)
{
    return F(m.Grid, h, n);
}

template <BuildResult (*F)(std::vector<TTitledTableModel>&, const DrawHistory&, int)>
BuildResult OnTables(ChartModels& m, const DrawHistory& h, int n, int /*start*/)
{
    return F(m.Tables, h, n);
}

template <BuildResult (*F)(TBarChartModel&, const DrawHistory&, int)>
BuildResult OnBars(ChartModels& m, const DrawHistory& h, int n, int /*start*/)
{
    return F(m.Bars, h, n);
}

BuildResult Rotation(ChartModels& m, const DrawHistory& h, int n, int start)
{
    return BuildRotationChart(m.Grid, h, n, start);
}

template <int Zone> BuildResult ZoneSum(ChartModels& m, const DrawHistory& h, int n, int /*start*/)
{
    return BuildZoneSumChart(m.Grid, h, n, Zone);
}

template <int Zone> BuildResult ZoneSumFrequency(ChartModels& m, const DrawHistory& h, int n, int /*start*/)
{
    return BuildZoneSumFrequencyChart(m.Bars, h, n, Zone);
}

template <int Zone> BuildResult ZoneSumOmission(ChartModels& m, const DrawHistory& h, int n, int /*start*/)
{
    return BuildZoneSumOmissionTable(m.Tables, h, n, Zone);
}

using C = ChartPageControl;
using S = ChartSurface;

const std::array<ChartPage, kChartPageCount> kPages = {{
    {"ExTabSheet1", "红球走势图", "red-trend", C::GridPctl, S::TH2Net, "ExTabSheet1Se", "ExTabSheet1GoBt", "",
     OnGrid<BuildRedTrendChart>},
    {"ExTabSheet2", "区域分布图", "zone-distribution", C::GridPctl, S::TH3Net, "ExTabSheet2Se",
     "ExTabSheet2GoBt", "", OnGrid<BuildZoneDistributionChart>},
    {"ExTabSheet3", "尾号走势图", "tail-trend", C::GridPctl, S::TH2Net, "ExTabSheet3Se", "ExTabSheet3GoBt",
     "", OnGrid<BuildTailTrendChart>},
    {"ExTabSheet4", "奇偶走势图", "odd-even", C::GridPctl, S::TH2Net, "ExTabSheet4Se", "ExTabSheet4GoBt", "",
     OnGrid<BuildOddEvenChart>},
    {"ExTabSheet5", "尾数大小走势图", "tail-big-small", C::GridPctl, S::TH2Net, "ExTabSheet5Se",
     "ExTabSheet5GoBt", "", OnGrid<BuildTailBigSmallChart>},
    {"ExTabSheet22", "大小走势图", "big-small", C::GridPctl, S::TH2Net, "ExTabSheet22Se", "ExTabSheet22GoBt",
     "", OnGrid<BuildBigSmallChart>},
    {"ExTabSheet6", "空行空列图", "empty-rows", C::GridPctl, S::TB0Net, "ExTabSheet6Se", "ExTabSheet6GoBt",
     "ExTabSheet6ScrollBox", OnTables<BuildEmptyRowsBoards>},
    {"ExTabSheet7", "红球统计图", "red-frequency", C::GridPctl, S::TG2Net, "ExTabSheet7Se", "ExTabSheet7GoBt",
     "", OnBars<BuildRedFrequencyChart>},
    {"ExTabSheet8", "旋转图", "rotation", C::GridPctl, S::TH2Net, "ExTabSheet8Se", "ExTabSheet8GoBt", "",
     Rotation},
    {"ExTabSheet9", "蓝球走势图", "blue-trend", C::GridPctl, S::TH2Net, "ExTabSheet9Se", "ExTabSheet9GoBt",
     "", OnGrid<BuildBlueTrendChart>},
    {"ExTabSheet10", "蓝球统计图", "blue-frequency", C::GridPctl, S::TG2Net, "ExTabSheet10Se",
     "ExTabSheet10GoBt", "", OnBars<BuildBlueFrequencyChart>},
    {"ExTabSheet11", "遗漏统计图", "omission", C::GridPctl, S::TB0Net, "ExTabSheet11Se", "ExTabSheet11GoBt",
     "ExTabSheet11ScrollBox", OnTables<BuildOmissionTables>},
    {"ExTabSheet12", "江恩图", "gann", C::GridPctl, S::TB0Net, "ExTabSheet12Se", "ExTabSheet12GoBt",
     "ExTabSheet12ScrollBox", OnTables<BuildGannBoards>},
    {"ExTabSheet13", "统计分析表", "statistics", C::GridPctl, S::TH2Net, "ExTabSheet13Se", "ExTabSheet13GoBt",
     "", OnGrid<BuildStatisticsTable>},
    {"ExTabSheet14", "各行出球走势图", "row-trend", C::GridPctl, S::TH2Net, "ExTabSheet14Se",
     "ExTabSheet14GoBt", "", OnGrid<BuildRowTrendChart>},
    {"ExTabSheet15", "各列出球走势图", "column-trend", C::GridPctl, S::TH2Net, "ExTabSheet15Se",
     "ExTabSheet15GoBt", "", OnGrid<BuildColTrendChart>},
    {"ExTabSheet16", "3D各行出球", "3d-rows", C::GridPctl, S::TH2Net, "ExTabSheet16Se", "ExTabSheet16GoBt",
     "", OnGrid<Build3DRowChart>},
    {"ExTabSheet17", "3D各列出球", "3d-columns", C::GridPctl, S::TH2Net, "ExTabSheet17Se", "ExTabSheet17GoBt",
     "", OnGrid<Build3DColChart>},
    {"ExTabSheet18", "3D空行空列", "3d-boards", C::GridPctl, S::TB0Net, "ExTabSheet18Se", "ExTabSheet18GoBt",
     "TabSheet18ScrollBox", OnTables<Build3DBoards>},
    {"ExTabSheet19", "尾数行列各行出球", "tail-rows", C::GridPctl, S::TH2Net, "ExTabSheet19Se",
     "ExTabSheet19GoBt", "", OnGrid<BuildTailRowChart>},
    {"ExTabSheet20", "尾数行列各列出球", "tail-columns", C::GridPctl, S::TH2Net, "ExTabSheet20Se",
     "ExTabSheet20GoBt", "", OnGrid<BuildTailColChart>},
    {"ExTabSheet21", "尾数行列空行空列", "tail-boards", C::GridPctl, S::TB0Net, "ExTabSheet21Se",
     "ExTabSheet21GoBt", "TabSheet21ScrollBox", OnTables<BuildTailBoards>},
    {"ExTabSheet23", "间距走势图", "gap-trend", C::GridPctl, S::TH3Net, "ExTabSheet23Se", "ExTabSheet23GoBt",
     "", OnGrid<BuildGapTrendChart>},
    {"ExTabSheet24", "按位分析图", "position", C::GridPctl, S::TH3Net, "ExTabSheet24Se", "ExTabSheet24GoBt",
     "", OnGrid<BuildPositionChart>},
    {"ExTabSheet25", "间距分析图", "gap-analysis", C::GridPctl, S::TH3Net, "ExTabSheet25Se",
     "ExTabSheet25GoBt", "", OnGrid<BuildGapAnalysisChart>},
    {"TabSheet30", "三区比例图", "zone-ratio", C::ChartPCtr, S::TH2Net, "SpinEdit30", "Button30", "",
     OnGrid<BuildZoneRatioChart>},
    {"TabSheet31", "一区和值图", "zone1-sum", C::ChartPCtr, S::TH2Net, "SpinEdit31", "Button31", "",
     ZoneSum<1>},
    {"TabSheet32", "二区和值图", "zone2-sum", C::ChartPCtr, S::TH2Net, "SpinEdit32", "Button32", "",
     ZoneSum<2>},
    {"TabSheet33", "三区和值图", "zone3-sum", C::ChartPCtr, S::TH2Net, "SpinEdit33", "Button33", "",
     ZoneSum<3>},
    {"TabSheet81", "一区和值频率图", "zone1-frequency", C::FxPCtr, S::TG2Net, "SpinEdit81", "Button81", "",
     ZoneSumFrequency<1>},
    {"TabSheet82", "一区和值遗漏图", "zone1-omission", C::FxPCtr, S::TB0Net, "SpinEdit82", "Button82",
     "Sheet82ScrollBox", ZoneSumOmission<1>},
    {"TabSheet83", "二区和值频率图", "zone2-frequency", C::FxPCtr, S::TG2Net, "SpinEdit83", "Button83",
     "Sheet83ScrollBox", ZoneSumFrequency<2>},
    {"TabSheet84", "二区和值遗漏图", "zone2-omission", C::FxPCtr, S::TB0Net, "SpinEdit84", "Button84",
     "Sheet84ScrollBox", ZoneSumOmission<2>},
    {"TabSheet85", "三区和值频率图", "zone3-frequency", C::FxPCtr, S::TG2Net, "SpinEdit85", "Button85",
     "Sheet85ScrollBox", ZoneSumFrequency<3>},
    {"TabSheet86", "三区和值遗漏图", "zone3-omission", C::FxPCtr, S::TB0Net, "SpinEdit86", "Button86",
     "Sheet86ScrollBox", ZoneSumOmission<3>},
}};

} // namespace

const std::array<ChartPage, kChartPageCount>& ChartPages()
{
    return kPages;
}

const ChartPage* FindChartPage(std::string_view nameOrAlias)
{
    for (const ChartPage& p : kPages) {
        if (nameOrAlias == p.ObjectName || nameOrAlias == p.Alias) {
            return &p;
        }
    }
    return nullptr;
}

} // namespace quorvane
