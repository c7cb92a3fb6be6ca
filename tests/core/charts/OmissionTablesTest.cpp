#include "charts/OmissionTables.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::MakeDraw;
using test::Text;

// Row texts of a titled table.
std::vector<std::string> Row(const TTitledTableModel& t, int row)
{
    std::vector<std::string> out;
    for (int c = 0; c < t.FColsCount; ++c) {
        out.push_back(Text(t, c, row));
    }
    return out;
}

TEST(OmissionTablesTest, RedAndBlueStatisticsOverTheWholeHistory)
{
    // Ten draws. 01 only in the oldest; 02 in the newest three; 03 in every draw but the sixth.
    DrawHistory h;
    for (int k = 0; k < 10; ++k) {
        std::array<int, 6> reds = {3, 20, 21, 22, 23, 24};
        if (k == 0) {
            reds[1] = 1;
        }
        if (k >= 7) {
            reds[1] = 2;
        }
        if (k == 5) {
            reds[0] = 4;
        }
        h.push_back(MakeDraw(2010001 + k, reds, k < 5 ? 16 : 7));
    }
    std::vector<TTitledTableModel> tables;
    ASSERT_TRUE(BuildOmissionTables(tables, h, 5).Ok());
    ASSERT_EQ(tables.size(), 2u);
    const TTitledTableModel& red = tables[0];
    EXPECT_EQ(red.FTitle, "红球分析表");
    EXPECT_EQ(red.FColsCount, 9);
    EXPECT_EQ(red.FRowCount, 34);
    EXPECT_EQ(red.FRowHeight, 32);
    EXPECT_EQ(red.FColWidthArr, std::vector<std::int32_t>(9, 64));
    EXPECT_EQ(red.FLineColor, kBlack);
    EXPECT_EQ(Row(red, 0),
              (std::vector<std::string>{"号码", "遗漏值", "最大间隔", "平均间隔", "最多连续", "出现总数",
                                        "20期出\r\n现次数", "50期出\r\n现次数", "100期出\r\n现次数"}));
    EXPECT_EQ(Color(red, 4, 0), RGB(202, 206, 186));
    EXPECT_EQ(Color(red, 4, 1), RGB(255, 238, 221));
    EXPECT_EQ(Row(red, 1), (std::vector<std::string>{"1", "9", "9", "10.00", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(Row(red, 2), (std::vector<std::string>{"2", "0", "7", "3.33", "3", "3", "3", "3", "3"}));
    EXPECT_EQ(Row(red, 3), (std::vector<std::string>{"3", "0", "1", "1.11", "5", "9", "9", "9", "9"}));
    EXPECT_EQ(Row(red, 4), (std::vector<std::string>{"4", "4", "5", "10.00", "1", "1", "1", "1", "1"}));
    // Never drawn: omission and its maximum equal the history length, no average.
    EXPECT_EQ(Row(red, 33), (std::vector<std::string>{"33", "10", "10", "-", "0", "0", "0", "0", "0"}));

    const TTitledTableModel& blue = tables[1];
    EXPECT_EQ(blue.FTitle, "蓝球分析表");
    EXPECT_EQ(blue.FRowCount, 17);
    EXPECT_EQ(Color(blue, 0, 1), RGB(186, 238, 255));
    EXPECT_EQ(Row(blue, 7), (std::vector<std::string>{"7", "0", "5", "2.00", "5", "5", "5", "5", "5"}));
    EXPECT_EQ(Row(blue, 16), (std::vector<std::string>{"16", "5", "5", "2.00", "5", "5", "5", "5", "5"}));

    // Placement: the red table centred at the top, the blue one 20 pixels below it.
    EXPECT_TRUE(red.FPlacement.CentreHorizontally);
    EXPECT_EQ(red.FPlacement.Width, 576);
    EXPECT_EQ(red.FPlacement.Height, 1152);
    EXPECT_TRUE(blue.FPlacement.CentreHorizontally);
    EXPECT_EQ(blue.FPlacement.GapBelowPrevious, 20);
    EXPECT_EQ(blue.FPlacement.Height, 800);

    // N only gates the build.
    std::vector<TTitledTableModel> same;
    ASSERT_TRUE(BuildOmissionTables(same, h, 10).Ok());
    EXPECT_EQ(same[0].FCellText, red.FCellText);
    EXPECT_EQ(BuildOmissionTables(tables, h, 11).Message, "设置的查询期数超过总期数!!");
    EXPECT_EQ(tables[0].FCellText, red.FCellText);
}

TEST(OmissionTablesTest, RecentCountsAndAverageIntervalOverAHundredDraws)
{
    DrawHistory h;
    for (int k = 0; k < 150; ++k) {
        // 07 in every fourth of the newest 100 draws (25 times), and in draw 0 only before them.
        const bool seven = (k >= 50 && k % 4 == 0) || k == 0;
        h.push_back(MakeDraw(2010001 + k, {1, 2, 3, 4, 5, seven ? 7 : 8}, 1));
    }
    std::vector<TTitledTableModel> tables;
    ASSERT_TRUE(BuildOmissionTables(tables, h, 0).Ok());
    // 26 appearances in 150 draws; 25 among the last 100, 13 among the last 50, 5 among the last 20.
    EXPECT_EQ(Row(tables[0], 7),
              (std::vector<std::string>{"7", "1", "51", "5.77", "1", "26", "5", "13", "25"}));
    EXPECT_EQ(Text(tables[0], 3, 8), "1.21"); // 150 / 124

    // 25 appearances in 100 draws: an average interval of 4.00.
    h.erase(h.begin(), h.begin() + 50);
    ASSERT_TRUE(BuildOmissionTables(tables, h, 0).Ok());
    EXPECT_EQ(Row(tables[0], 7),
              (std::vector<std::string>{"7", "1", "3", "4.00", "1", "25", "5", "13", "25"}));
}

TEST(OmissionTablesTest, TheRecentWindowsStartAtTheirFirstDraw)
{
    // 25 draws: 07 only in the 20th draw from the end (the first of the last 20), 09 only in the
    // 21st (just before them).
    DrawHistory h;
    for (int k = 0; k < 25; ++k) {
        h.push_back(MakeDraw(2010001 + k, {1, 2, 3, 4, 5, k == 5 ? 7 : k == 4 ? 9 : 8}, 1));
    }
    std::vector<TTitledTableModel> tables;
    ASSERT_TRUE(BuildOmissionTables(tables, h, 0).Ok());
    EXPECT_EQ(Row(tables[0], 7)[6], "1");
    EXPECT_EQ(Row(tables[0], 9)[6], "0");
    EXPECT_EQ(Row(tables[0], 9)[7], "1"); // the 50 and 100 windows hold the whole history
    EXPECT_EQ(Row(tables[0], 9)[8], "1");
}

TEST(ZoneSumOmissionTableTest, TracksEverySumValueAndItsFollower)
{
    // Zone-1 sums, oldest first: 21, 21, 0, 15, 21.
    const DrawHistory h = {
        MakeDraw(2010001, {1, 2, 3, 4, 11, 30}, 1), MakeDraw(2010002, {1, 2, 3, 4, 11, 31}, 1),
        MakeDraw(2010003, {12, 13, 14, 15, 16, 17}, 1), MakeDraw(2010004, {1, 3, 11, 20, 21, 22}, 1),
        MakeDraw(2010005, {2, 4, 5, 10, 12, 33}, 1)};
    std::vector<TTitledTableModel> tables;
    ASSERT_TRUE(BuildZoneSumOmissionTable(tables, h, 3, 1).Ok());
    ASSERT_EQ(tables.size(), 1u);
    const TTitledTableModel& t = tables[0];
    EXPECT_EQ(t.FTitle, "一区和值遗漏图");
    EXPECT_EQ(t.FColsCount, 10);
    EXPECT_EQ(t.FRowCount, 53);
    EXPECT_EQ(t.FRowHeight, 24);
    EXPECT_EQ(Row(t, 0), (std::vector<std::string>{"和值", "遗漏值", "最大间隔", "平均间隔", "最多连续",
                                                   "出现总数", "20期出\r\n现次数", "50期出\r\n现次数",
                                                   "100期出\r\n现次数", "后续和值"}));
    EXPECT_EQ(Color(t, 9, 0), RGB(202, 206, 186));
    EXPECT_EQ(Color(t, 9, 52), RGB(255, 238, 221));
    // Row v + 1 holds sum v.
    EXPECT_EQ(Row(t, 1), (std::vector<std::string>{"0", "2", "2", "5.00", "1", "1", "1", "1", "1", "15"}));
    EXPECT_EQ(Row(t, 16), (std::vector<std::string>{"15", "1", "3", "5.00", "1", "1", "1", "1", "1", "21"}));
    // 21 came twice in a row (max run 2) and in the newest draw (omission 0); its follower is the
    // one after its latest occurrence that has a following draw.
    EXPECT_EQ(Row(t, 22), (std::vector<std::string>{"21", "0", "2", "1.67", "2", "3", "3", "3", "3", "0"}));
    // Never seen: omission and maximum equal the history length.
    EXPECT_EQ(Row(t, 52), (std::vector<std::string>{"51", "5", "5", "-", "0", "0", "0", "0", "0", "-"}));
    EXPECT_TRUE(t.FPlacement.CentreHorizontally);
    EXPECT_GE(t.FPlacement.Height - 6, 53 * 25);

    ASSERT_TRUE(BuildZoneSumOmissionTable(tables, h, 0, 3).Ok());
    EXPECT_EQ(tables[0].FTitle, "三区和值遗漏图");
    EXPECT_EQ(tables[0].FRowCount, 185);
    EXPECT_EQ(Text(tables[0], 0, 184), "183");
    EXPECT_FALSE(tables[0].FPlacement.CentreHorizontally);
    // Zone-3 sum of the newest draw is 33 and nothing followed it.
    EXPECT_EQ(Text(tables[0], 1, 34), "0");
    EXPECT_EQ(Text(tables[0], 9, 34), "-");
    EXPECT_EQ(BuildZoneSumOmissionTable(tables, h, 6, 2).Message, "设置的查询期数超过总期数!!");
    EXPECT_EQ(tables[0].FTitle, "三区和值遗漏图");
}

TEST(ZoneSumOmissionTableTest, EmptyHistoryShowsZerosAndDashes)
{
    std::vector<TTitledTableModel> tables;
    ASSERT_TRUE(BuildZoneSumOmissionTable(tables, DrawHistory{}, 0, 2).Ok());
    EXPECT_EQ(tables[0].FTitle, "二区和值遗漏图");
    EXPECT_EQ(tables[0].FRowCount, 119);
    EXPECT_EQ(Row(tables[0], 60),
              (std::vector<std::string>{"59", "0", "0", "-", "0", "0", "0", "0", "0", "-"}));
}

} // namespace
} // namespace quorvane
