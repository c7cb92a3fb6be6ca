#include "charts/ChartPages.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

#include "ChartTestSupport.h"
#include "charts/ChartDump.h"
#include "history/DemoHistory.h"

namespace quorvane {
namespace {

using test::MakeDraw;

ChartModels StrictModels()
{
    ChartModels m;
    m.Grid = test::StrictModel<TTrendGridModel>();
    m.Bars = test::StrictModel<TBarChartModel>();
    return m;
}

// The history the demo generator makes (random draws, fixed seed).
DrawHistory DemoHistory(int draws)
{
    ParseResult parsed = ParseDrawText(MakeDemoHistoryLines(draws, 7));
    EXPECT_TRUE(parsed.Ok) << parsed.Message;
    return parsed.History;
}

TEST(ChartPagesTest, ListsTheThirtyFivePagesInPageOrder)
{
    const auto& pages = ChartPages();
    ASSERT_EQ(pages.size(), 35u);
    std::vector<std::string> grid;
    std::set<std::string> names;
    std::set<std::string> aliases;
    for (const ChartPage& p : pages) {
        EXPECT_TRUE(names.insert(p.ObjectName).second) << p.ObjectName;
        EXPECT_TRUE(aliases.insert(p.Alias).second) << p.Alias;
        EXPECT_EQ(FindChartPage(p.ObjectName), &p);
        EXPECT_EQ(FindChartPage(p.Alias), &p);
        if (p.Control == ChartPageControl::GridPctl) {
            grid.push_back(p.ObjectName);
            EXPECT_EQ(std::string(p.SpinEditName), std::string(p.ObjectName) + "Se");
            EXPECT_EQ(std::string(p.ButtonName), std::string(p.ObjectName) + "GoBt");
        }
    }
    EXPECT_EQ(grid, (std::vector<std::string>{
                        "ExTabSheet1",  "ExTabSheet2",  "ExTabSheet3",  "ExTabSheet4",  "ExTabSheet5",
                        "ExTabSheet22", "ExTabSheet6",  "ExTabSheet7",  "ExTabSheet8",  "ExTabSheet9",
                        "ExTabSheet10", "ExTabSheet11", "ExTabSheet12", "ExTabSheet13", "ExTabSheet14",
                        "ExTabSheet15", "ExTabSheet16", "ExTabSheet17", "ExTabSheet18", "ExTabSheet19",
                        "ExTabSheet20", "ExTabSheet21", "ExTabSheet23", "ExTabSheet24", "ExTabSheet25"}));
    EXPECT_STREQ(pages[0].Caption, "红球走势图");
    EXPECT_STREQ(pages[5].Caption, "大小走势图");
    EXPECT_STREQ(pages[8].Caption, "旋转图");
    EXPECT_STREQ(pages[25].ObjectName, "TabSheet30");
    EXPECT_EQ(pages[25].Control, ChartPageControl::ChartPCtr);
    EXPECT_STREQ(pages[34].ObjectName, "TabSheet86");
    EXPECT_STREQ(pages[34].Caption, "三区和值遗漏图");
    EXPECT_EQ(pages[34].Control, ChartPageControl::FxPCtr);
    EXPECT_STREQ(pages[34].ScrollBoxName, "Sheet86ScrollBox");
    EXPECT_EQ(FindChartPage("red-trend"), &pages[0]);
    EXPECT_EQ(FindChartPage("nothing"), nullptr);
}

TEST(ChartPagesTest, EveryPageBuildsItsSurfaceFromNZeroToTheHistoryLength)
{
    const DrawHistory h = DemoHistory(120);
    for (const ChartPage& p : ChartPages()) {
        SCOPED_TRACE(p.ObjectName);
        for (const int n : {0, 1, 30, 120}) {
            ChartModels m = StrictModels();
            ASSERT_TRUE(p.Build(m, h, n, 33).Ok());
            switch (p.Surface) {
            case ChartSurface::TH2Net:
            case ChartSurface::TH3Net:
                EXPECT_EQ(m.Grid.FDynRows, n + 1);
                EXPECT_EQ(m.Grid.FFixRowCount, 2);
                break;
            case ChartSurface::TB0Net:
                EXPECT_FALSE(m.Tables.empty() && n > 0);
                break;
            case ChartSurface::TG2Net:
                EXPECT_GT(m.Bars.FDynColCount, 0);
                EXPECT_GT(m.Bars.FScale, 0.0f);
                break;
            }
        }
        ChartModels empty = StrictModels();
        EXPECT_TRUE(p.Build(empty, DrawHistory{}, 0, 1).Ok());
        EXPECT_TRUE(p.Build(empty, DrawHistory{}, -3, 1).Ok());
    }
}

TEST(ChartPagesTest, EveryPageRefusesMoreDrawsThanTheHistoryHolds)
{
    const DrawHistory h = DemoHistory(40);
    for (const ChartPage& p : ChartPages()) {
        SCOPED_TRACE(p.ObjectName);
        ChartModels m = StrictModels();
        ASSERT_TRUE(p.Build(m, h, 40, 1).Ok());
        const std::string before = DumpChartPage(p, m);
        const BuildResult refused = p.Build(m, h, 41, 1);
        EXPECT_EQ(refused.Message, "设置的查询期数超过总期数!!");
        // Board pages are emptied first; every other page keeps its chart.
        const bool boardPage =
            std::set<std::string>{"ExTabSheet6", "ExTabSheet12", "ExTabSheet18", "ExTabSheet21"}.count(
                p.ObjectName) != 0;
        if (boardPage) {
            EXPECT_TRUE(m.Tables.empty());
        } else {
            EXPECT_EQ(DumpChartPage(p, m), before);
        }
    }
}

TEST(ChartPagesTest, BluesOutsideOneToSixteenStayInsideEveryChart)
{
    DrawHistory h = DemoHistory(10);
    h.push_back(MakeDraw(2020001, {1, 2, 3, 31, 32, 33}, 0));
    h.push_back(MakeDraw(2020002, {1, 2, 3, 31, 32, 33}, 17));
    h.push_back(MakeDraw(2020003, {1, 2, 3, 31, 32, 33}, 99));
    for (const ChartPage& p : ChartPages()) {
        SCOPED_TRACE(p.ObjectName);
        ChartModels m = StrictModels();
        EXPECT_TRUE(p.Build(m, h, 13, 5).Ok());
    }
}

TEST(ChartDumpTest, WritesTabSeparatedFieldsColoursAndLineBreaks)
{
    TTrendGridModel g;
    g.FFontSize = 9;
    g.SetGrid(2, 1, {56, 18}, 1);
    g.SetHeadCount(2);
    g.SetHeadCell(0, true, g.FFixColor, "平均\r\n值", 0, 0, 1, 0);
    g.SetValue(1, 1, "07");
    g.SetCellColor(1, 0, RGB(255, 134, 132));
    EXPECT_EQ(DumpTrendGrid(g), "grid\t2\t1\t1\t9\n"
                                "widths\t56\t18\n"
                                "span\t0\t0\t1\t0\t#E4E0F3\t平均\\n值\n"
                                "cell\t1\t0\t#FF8684\t\n"
                                "cell\t1\t1\t-\t07\n");

    TTitledTableModel t;
    t.FTitle = "2010001期";
    t.FLineColor = RGB(0, 0, 255);
    t.SetGrid(2, 2, {20, 20});
    t.SetValue(1, 0, "2");
    t.SetCellColor(0, 1, RGB(169, 169, 168));
    EXPECT_EQ(DumpTitledTable(t), "table\t2\t2\t20\t#0000FF\t2010001期\n"
                                  "widths\t20\t20\n"
                                  "cell\t0\t1\t#FFFFFF\t2\n"
                                  "cell\t1\t0\t#A9A9A8\t\n");

    TBarChartModel b;
    b.SetBars(3, 2, {});
    b.SetValue(1, 0, "1");
    b.SetValue(2, 0, "2");
    b.SetValue(2, 1, "9");
    b.FScale = 0.045f;
    EXPECT_EQ(DumpBarChart(b), "bars\t2\t1\t10\t10\t10\t6\t0.045000\n"
                               "bar\t1\t1\t0\n"
                               "bar\t2\t2\t9\n");
}

} // namespace
} // namespace quorvane
