#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "charts/BarChartModel.h"
#include "charts/TitledTableModel.h"
#include "charts/TrendGridModel.h"

namespace quorvane {
namespace {

TEST(ColorTest, PacksBgrAndPrintsRgb)
{
    EXPECT_EQ(RGB(255, 134, 132), 0x008486FFu);
    EXPECT_EQ(ColorText(RGB(255, 134, 132)), "#FF8684");
    EXPECT_EQ(ColorText(RGB(0, 0, 255)), "#0000FF");
    EXPECT_EQ(ColorText(NoColor), "-");
    EXPECT_NE(NoColor, kWhite);
    EXPECT_NE(NoColor, kBlack);
}

TEST(TrendGridModelTest, SetGridAllocatesEmptyUncolouredCellsAndCopiesWidths)
{
    TTrendGridModel g;
    g.SetValue(0, 0, "x"); // an empty grid has no cell
    g.SetGrid(3, 4, {66, 16}, 2);
    EXPECT_EQ(g.FColsCount, 3);
    EXPECT_EQ(g.FDynRows, 4);
    EXPECT_EQ(g.FFixRowCount, 2);
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.FColWidthArr, (std::vector<std::int32_t>{66, 16, 0}));
    ASSERT_EQ(g.FCellText.size(), 18u);
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(g.GetValue(r, c), "");
            EXPECT_EQ(g.GetCellColor(r, c), NoColor);
        }
    }
    // Rows count from the top header row; cells are row-major.
    g.SetValue(2, 1, "07");
    g.SetCellColor(2, 1, RGB(1, 2, 3));
    EXPECT_EQ(g.FCellText[2 * 3 + 1], "07");
    EXPECT_EQ(g.FCellColor[2 * 3 + 1], RGB(1, 2, 3));
    g.SetValue(2, 1, "");
    EXPECT_EQ(g.GetValue(2, 1), "");
    // A rebuild discards the old content.
    g.SetHeadCount(1);
    g.SetGrid(3, 4, {1, 2, 3, 4}, 2);
    EXPECT_EQ(g.GetCellColor(2, 1), NoColor);
    EXPECT_TRUE(g.FHeadCells.empty());
    EXPECT_EQ(g.FColWidthArr, (std::vector<std::int32_t>{1, 2, 3}));
}

TEST(TrendGridModelTest, IndexErrorsReportTheirMessageAndChangeNothing)
{
    TTrendGridModel g;
    std::vector<std::string> messages;
    g.OnIndexError = [&](const std::string& m) { messages.push_back(m); };
    g.SetGrid(2, 1, {10, 10}, 2);

    g.SetValue(0, 2, "a");
    g.SetValue(3, 0, "b");
    g.SetValue(-1, 0, "c");
    g.SetValue(0, -1, "d");
    EXPECT_EQ(g.GetValue(0, 2), "");
    EXPECT_EQ(g.GetValue(3, 0), "");
    g.SetCellColor(3, 0, kBlack);
    EXPECT_EQ(g.GetCellColor(0, 9), NoColor);
    g.SetHeadCell(0, true, kBlack, "x", 0, 0, 0, 0);
    EXPECT_EQ(messages,
              (std::vector<std::string>{
                  "SetValue x>=FColsCount ", "SetValue y>=FDynRows+FFixRowCount ",
                  "SetValue y>=FDynRows+FFixRowCount ", "SetValue x>=FColsCount ", "GetValue x>=FColsCount ",
                  "GetValue y>=FDynRows+FFixRowCount ", "SetCellColor y>=FDynRows+FFixRowCount ",
                  "GetCellColor x>=FColsCount ", "SetHeadCell Index>=Length(FHeadCells) "}));
    for (const std::string& t : g.FCellText) {
        EXPECT_EQ(t, "");
    }
    for (const TColor c : g.FCellColor) {
        EXPECT_EQ(c, NoColor);
    }

    // Counts changed by hand past the arrays are caught too.
    messages.clear();
    g.FDynRows = 100;
    g.SetValue(50, 0, "x");
    EXPECT_EQ(messages, std::vector<std::string>{"SetValue y>=FDynRows+FFixRowCount "});
}

TEST(TrendGridModelTest, HeadCellsAndClear)
{
    TTrendGridModel g;
    int reports = 0;
    g.OnIndexError = [&](const std::string&) { ++reports; };
    g.FFontSize = 9;
    g.FRowHeight = 30;
    g.SetGrid(8, 2, {}, 2);
    g.SetHeadCount(2);
    EXPECT_FALSE(g.FHeadCells[0].Visible);
    EXPECT_EQ(g.FHeadCells[1].Color, NoColor);
    g.SetHeadCell(1, true, g.FFixColor, "红球号码", 1, 0, 6, 0);
    const THeadCell& h = g.FHeadCells[1];
    EXPECT_TRUE(h.Visible);
    EXPECT_EQ(h.Text, "红球号码");
    EXPECT_EQ(h.FirstCol, 1);
    EXPECT_EQ(h.LastCol, 6);
    EXPECT_EQ(h.Color, RGB(228, 224, 243));

    g.Clear();
    EXPECT_EQ(g.FColsCount, 0);
    EXPECT_EQ(g.FFontSize, 11);
    EXPECT_EQ(g.FRowHeight, 20);
    EXPECT_EQ(g.FLineWidth, 1);
    EXPECT_TRUE(g.FHeadCells.empty());
    EXPECT_TRUE(g.FCellText.empty());
    g.SetValue(0, 0, "x"); // the hook survives Clear
    EXPECT_EQ(reports, 1);
}

TEST(TitledTableModelTest, CellsAreColumnFirstAndStartWhite)
{
    TTitledTableModel t;
    EXPECT_EQ(t.FTitle, "我的标题");
    std::vector<std::string> messages;
    t.OnIndexError = [&](const std::string& m) { messages.push_back(m); };
    t.SetGrid(3, 2, {20, 20, 20});
    EXPECT_EQ(t.GetCellColor(2, 1), kWhite);
    t.SetValue(2, 1, "33");
    t.SetCellColor(2, 1, RGB(255, 0, 0));
    EXPECT_EQ(t.FCellText[1 * 3 + 2], "33");
    EXPECT_EQ(t.FCellColor[1 * 3 + 2], RGB(255, 0, 0));

    t.SetValue(3, 0, "x");
    t.SetValue(0, 2, "x");
    EXPECT_EQ(t.GetValue(-1, 0), "");
    EXPECT_EQ(t.GetCellColor(0, 5), kWhite);
    EXPECT_EQ(messages, (std::vector<std::string>{"SetValue x>=FColsCount ", "SetValue y>=FRowCount ",
                                                  "GetValue x>=FColsCount ", "GetCellColor y>=FRowCount "}));

    t.FTitle = "2005013期";
    t.FRowHeight = 32;
    t.FLineColor = RGB(0, 0, 255);
    t.Clear();
    EXPECT_EQ(t.FColsCount, 0);
    EXPECT_EQ(t.FRowCount, 0);
    EXPECT_EQ(t.FRowHeight, 20);
    EXPECT_TRUE(t.FColWidthArr.empty());
    EXPECT_EQ(t.FTitle, "2005013期");
    EXPECT_EQ(t.FLineColor, RGB(0, 0, 255));
}

TEST(BarChartModelTest, SetBarsCountsExcludeTheLabelRowAndColumn)
{
    TBarChartModel b;
    std::vector<std::string> messages;
    b.OnIndexError = [&](const std::string& m) { messages.push_back(m); };
    b.SetBars(34, 3, {RGB(0, 0, 255), RGB(255, 98, 84)});
    EXPECT_EQ(b.FDynColCount, 33);
    EXPECT_EQ(b.FDynRowCount, 2);
    ASSERT_EQ(b.FValues.size(), 34u * 3u);
    EXPECT_EQ(b.GetValue(33, 2), "0");
    ASSERT_EQ(b.FSeriesColor.size(), 3u);
    EXPECT_EQ(b.FSeriesColor[1], RGB(255, 98, 84));
    EXPECT_NE(b.FSeriesColor[2], NoColor); // a built-in colour for the row without one

    b.SetValue(5, 1, "9");
    EXPECT_EQ(b.FValues[5 + 1 * 34], "9");
    b.SetValue(34, 1, "x");
    b.SetValue(1, 3, "x");
    EXPECT_EQ(b.GetValue(-1, 0), "");
    EXPECT_EQ(b.GetValue(0, 9), "");
    EXPECT_EQ(messages, (std::vector<std::string>{"SetValue x>=FDynColCount ", "SetValue x>=FDynRowCount ",
                                                  "GetValue x>=FDynColCount ", "GetValue x>=FDynRowCount "}));

    b.Clear();
    EXPECT_EQ(b.FDynColCount, 0);
    EXPECT_EQ(b.FDynRowCount, 0);
    EXPECT_TRUE(b.FValues.empty());
    EXPECT_TRUE(b.FSeriesColor.empty());
    b.SetBars(0, -4, {});
    EXPECT_EQ(b.FDynColCount, 0);
    EXPECT_EQ(b.FValues.size(), 1u);
}

} // namespace
} // namespace quorvane
