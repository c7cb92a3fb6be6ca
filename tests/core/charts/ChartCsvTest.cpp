#include "charts/ChartCsv.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"
#include "TestSupport.h"
#include "charts/FrequencyCharts.h"
#include "charts/RedTrendCharts.h"
#include "charts/ZoneSumCharts.h"
#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane::test {
namespace {

std::string Bom(const std::string& body)
{
    return std::string(kCsvByteOrderMark) + body;
}

TEST(ChartCsvTest, TrendGridWritesSpanTextsInTheirFirstCellAndTheBodyAsIs)
{
    TTrendGridModel grid;
    grid.SetGrid(3, 1, {10, 10, 10}, 2);
    grid.SetValue(1, 1, "under"); // covered by the span below: blank in the file
    grid.SetValue(1, 2, "b");
    grid.SetValue(2, 0, "x,y");
    grid.SetValue(2, 1, "say \"hi\"");
    grid.SetValue(2, 2, "two\r\nlines");
    grid.SetHeadCount(3);
    grid.SetHeadCell(0, true, kDefaultFixColor, "期号", 0, 0, 0, 1);
    grid.SetHeadCell(1, true, kDefaultFixColor, "一区\r\n和值", 1, 0, 1, 1);
    grid.SetHeadCell(2, false, kDefaultFixColor, "hidden", 2, 0, 2, 0);

    EXPECT_EQ(TrendGridCsv(grid), Bom("期号,一区和值,\r\n"
                                      ",,b\r\n"
                                      "\"x,y\",\"say \"\"hi\"\"\",twolines\r\n"));
}

TEST(ChartCsvTest, RedTrendChartHasOneLinePerGridRow)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 33}});
    TTrendGridModel grid;
    ASSERT_TRUE(BuildRedTrendChart(grid, h, 2).Ok());
    const std::string csv = TrendGridCsv(grid);
    // Two header rows, two draws, the footer; every line has the grid's 41 fields.
    const auto lines = SplitLines(csv.substr(3));
    ASSERT_EQ(lines.size(), 5U);
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 40) << line;
    }
    EXPECT_EQ(lines[0].rfind("期号,红球号码,,,,,,蓝球,红球分布,,", 0), 0U) << lines[0];
    EXPECT_EQ(lines[1].rfind(",1,2,3,4,5,6,,1,2,3,", 0), 0U) << lines[1];
    EXPECT_EQ(lines[2].rfind("2010002,07,08,09,10,11,33,01,,,,,,,07,", 0), 0U) << lines[2];
    EXPECT_EQ(lines[4].rfind("合计,,,,,,,,1,1,1,1,1,1,1,", 0), 0U) << lines[4];
}

TEST(ChartCsvTest, TablesAreWrittenOneAfterTheOtherUnderTheirTitles)
{
    std::vector<TTitledTableModel> tables(2);
    tables[0].FTitle = "红球";
    tables[0].SetGrid(2, 2, {10, 10});
    tables[0].SetValue(0, 0, "号码");
    tables[0].SetValue(1, 1, "20期出\r\n现次数");
    tables[1].FTitle = "";
    tables[1].SetGrid(1, 1, {10});
    tables[1].SetValue(0, 0, "7");

    EXPECT_EQ(TitledTablesCsv(tables), Bom("红球\r\n号码,\r\n,20期出现次数\r\n\r\n7\r\n"));
    EXPECT_EQ(TitledTablesCsv({}), Bom(""));
}

TEST(ChartCsvTest, BarChartWritesLabelsThenValues)
{
    const DrawHistory h = HistoryOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}});
    TBarChartModel bars;
    ASSERT_TRUE(BuildZoneSumFrequencyChart(bars, h, 2, 1).Ok());
    const auto lines = SplitLines(BarChartCsv(bars).substr(3));
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].substr(0, 6), "1,2,3,");
    // Sums 21 and 22, one draw each, in the 21st and 22nd field.
    std::vector<std::string> values;
    std::string field;
    for (const char ch : lines[1] + ",") {
        if (ch == ',') {
            values.push_back(field);
            field.clear();
        } else {
            field += ch;
        }
    }
    ASSERT_EQ(values.size(), 52U);
    EXPECT_EQ(values[20], "1");
    EXPECT_EQ(values[21], "1");
    EXPECT_EQ(values[0], "0");
    TBarChartModel empty;
    EXPECT_EQ(BarChartCsv(empty), Bom(""));
}

TEST(ChartCsvTest, WriteReplacesTheFileWholeAndReportsAnUnwritableFolder)
{
    TempDir dir;
    const std::string path = dir.File("chart.csv");
    WriteBytes(path, "old content that is longer than the new one");
    WriteChartCsv(path, Bom("a,b\r\n"));
    EXPECT_EQ(ReadBytes(path), Bom("a,b\r\n"));
    EXPECT_THROW(WriteChartCsv(dir.File("missing/chart.csv"), "x"), UserError);
}

} // namespace
} // namespace quorvane::test
