#include "charts/BoardCharts.h"

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

namespace quorvane {
namespace {

using test::Color;
using test::HistoryOf;
using test::MakeDraw;
using test::Text;

constexpr TColor kRed = RGB(255, 0, 0);
constexpr TColor kGrey = RGB(169, 169, 168);
constexpr TColor kRowCount = RGB(193, 149, 244);
constexpr TColor kColCount = RGB(85, 209, 239);

// Row counts (column `col`, rows 0..n-1) of a board.
std::vector<std::string> CountsDown(const TTitledTableModel& b, int col, int n)
{
    std::vector<std::string> out;
    for (int r = 0; r < n; ++r) {
        out.push_back(Text(b, col, r));
        EXPECT_EQ(Color(b, col, r), kRowCount);
    }
    return out;
}

std::vector<std::string> CountsAcross(const TTitledTableModel& b, int row, int n)
{
    std::vector<std::string> out;
    for (int c = 0; c < n; ++c) {
        out.push_back(Text(b, c, row));
        EXPECT_EQ(Color(b, c, row), kColCount);
    }
    return out;
}

TEST(EmptyRowsBoardsTest, FirstRowFullGreysTheOtherRows)
{
    DrawHistory h = HistoryOf({{1, 7, 13, 19, 25, 31}, {1, 2, 3, 4, 5, 6}});
    h[1].Year = 999; // issues are zero-padded
    std::vector<TTitledTableModel> boards;
    ASSERT_TRUE(BuildEmptyRowsBoards(boards, h, 2).Ok());
    ASSERT_EQ(boards.size(), 2u);
    const TTitledTableModel& b = boards[0]; // the newest draw first
    EXPECT_EQ(b.FTitle, "0999002期");
    EXPECT_EQ(b.FColsCount, 7);
    EXPECT_EQ(b.FRowCount, 7);
    EXPECT_EQ(b.FColWidthArr, std::vector<std::int32_t>(7, 20));
    EXPECT_EQ(b.FRowHeight, 20);
    EXPECT_EQ(b.FLineColor, RGB(0, 0, 255));
    EXPECT_EQ(Text(b, 0, 0), "1");
    EXPECT_EQ(Text(b, 5, 4), "30");
    EXPECT_EQ(Text(b, 2, 5), "33");
    EXPECT_EQ(Text(b, 3, 5), "");
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(Color(b, c, 0), kRed) << c;
        for (int r = 1; r < 6; ++r) {
            EXPECT_EQ(Color(b, c, r), kGrey) << c << "," << r;
        }
    }
    EXPECT_EQ(CountsDown(b, 6, 6), (std::vector<std::string>{"6", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(CountsAcross(b, 6, 6), (std::vector<std::string>{"1", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(Text(b, 6, 6), "");
    EXPECT_EQ(Color(b, 6, 6), kWhite);
    EXPECT_EQ(b.FPlacement.Left, 10);
    EXPECT_EQ(b.FPlacement.Top, 0);
    EXPECT_EQ(b.FPlacement.Width, 200);
    EXPECT_EQ(b.FPlacement.Height, 200);

    // 01 07 13 19 25 31: column 0 full, columns 1-5 grey, no row grey.
    const TTitledTableModel& older = boards[1];
    EXPECT_EQ(older.FTitle, "2010001期");
    EXPECT_EQ(older.FPlacement.Left, 210);
    EXPECT_EQ(Color(older, 0, 5), kRed);
    EXPECT_EQ(Color(older, 1, 0), kGrey);
    EXPECT_EQ(Color(older, 4, 5), kGrey); // blank cell after 33 in a grey column
    EXPECT_EQ(CountsDown(older, 6, 6), (std::vector<std::string>{"1", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(CountsAcross(older, 6, 6), (std::vector<std::string>{"6", "0", "0", "0", "0", "0"}));
}

TEST(EmptyRowsBoardsTest, NoNumberAboveThirtyGreysRowFiveAndItsBlanks)
{
    const DrawHistory h = HistoryOf({{1, 8, 15, 22, 29, 30}});
    std::vector<TTitledTableModel> boards;
    ASSERT_TRUE(BuildEmptyRowsBoards(boards, h, 1).Ok());
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(Color(boards[0], c, 5), kGrey) << c;
    }
    EXPECT_EQ(Color(boards[0], 0, 0), kRed);
    EXPECT_EQ(Color(boards[0], 1, 0), kWhite);
    EXPECT_EQ(Color(boards[0], 0, 1), kWhite);
}

TEST(BoardPagesTest, PlaceFourPerLineAndEmptyThePageWhenNIsRefused)
{
    DrawHistory h;
    for (int i = 1; i <= 9; ++i) {
        h.push_back(MakeDraw(2010000 + i, {1, 2, 3, 4, 5, 6}, 1));
    }
    using Builder = BuildResult (*)(std::vector<TTitledTableModel>&, const DrawHistory&, int);
    for (const Builder build : {Builder{BuildEmptyRowsBoards}, Builder{Build3DBoards},
                                Builder{BuildTailBoards}, Builder{BuildGannBoards}}) {
        std::vector<TTitledTableModel> boards;
        ASSERT_TRUE(build(boards, h, 9).Ok());
        ASSERT_EQ(boards.size(), 9u);
        EXPECT_EQ(boards[0].FTitle, "2010009期");
        EXPECT_EQ(boards[8].FTitle, "2010001期");
        EXPECT_EQ(boards[3].FPlacement.Left, 610);
        EXPECT_EQ(boards[4].FPlacement.Left, 10);
        EXPECT_EQ(boards[4].FPlacement.Top, 200);
        EXPECT_EQ(boards[8].FPlacement.Top, 400);

        EXPECT_EQ(build(boards, h, 10).Message, "设置的查询期数超过总期数!!");
        EXPECT_TRUE(boards.empty());
        ASSERT_TRUE(build(boards, h, 0).Ok());
        EXPECT_TRUE(boards.empty());
        ASSERT_TRUE(build(boards, h, -1).Ok());
        EXPECT_TRUE(boards.empty());
    }
}

TEST(ThreeDBoardsTest, TailsThreeAndFourFillRowOne)
{
    const DrawHistory h = HistoryOf({{3, 13, 23, 4, 14, 24}});
    std::vector<TTitledTableModel> boards;
    ASSERT_TRUE(Build3DBoards(boards, h, 1).Ok());
    const TTitledTableModel& b = boards[0];
    EXPECT_EQ(b.FColsCount, 4);
    EXPECT_EQ(b.FRowCount, 5);
    EXPECT_EQ(b.FColWidthArr, std::vector<std::int32_t>(4, 34));
    EXPECT_EQ(b.FRowHeight, 30);
    EXPECT_EQ(Text(b, 0, 0), "0");
    EXPECT_EQ(Text(b, 2, 2), "8");
    EXPECT_EQ(Text(b, 0, 3), "9");
    EXPECT_EQ(Text(b, 1, 3), "");
    EXPECT_EQ(Color(b, 0, 1), kRed);  // tail 3
    EXPECT_EQ(Color(b, 1, 1), kRed);  // tail 4
    EXPECT_EQ(Color(b, 2, 1), kGrey); // tail 5, column 2 is empty
    EXPECT_EQ(CountsDown(b, 3, 4), (std::vector<std::string>{"0", "6", "0", "0"}));
    EXPECT_EQ(CountsAcross(b, 4, 3), (std::vector<std::string>{"3", "3", "0"}));
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(Color(b, c, 0), kGrey);
        EXPECT_EQ(Color(b, c, 2), kGrey);
        EXPECT_EQ(Color(b, c, 3), kGrey); // row 3: one digit and two blanks
    }
    EXPECT_EQ(Color(b, 2, 1), kGrey);
    EXPECT_EQ(Color(b, 3, 4), kWhite);
    EXPECT_EQ(Text(b, 3, 4), "");
}

TEST(TailBoardsTest, TailRowZeroFullGreysTheOtherRows)
{
    const DrawHistory h = HistoryOf({{1, 11, 21, 2, 12, 22}});
    std::vector<TTitledTableModel> boards;
    ASSERT_TRUE(BuildTailBoards(boards, h, 1).Ok());
    const TTitledTableModel& b = boards[0];
    EXPECT_EQ(b.FColsCount, 7);
    EXPECT_EQ(Text(b, 1, 0), "11");
    EXPECT_EQ(Text(b, 3, 4), "10");
    EXPECT_EQ(Text(b, 2, 5), "33");
    EXPECT_EQ(Text(b, 3, 5), "");
    EXPECT_EQ(CountsDown(b, 6, 6), (std::vector<std::string>{"6", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(CountsAcross(b, 6, 6), (std::vector<std::string>{"1", "1", "1", "1", "1", "1"}));
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(Color(b, c, 0), kRed);
        for (int r = 1; r < 6; ++r) {
            EXPECT_EQ(Color(b, c, r), kGrey);
        }
    }
}

TEST(GannBoardsTest, TwoRedsInARowGreyTheRest)
{
    // 02 and 11 share board row 3; 21 stands alone in column 5.
    const DrawHistory h = {MakeDraw(2010001, {2, 11, 15, 21, 26, 32}, 9)};
    std::vector<TTitledTableModel> boards;
    ASSERT_TRUE(BuildGannBoards(boards, h, 1).Ok());
    const TTitledTableModel& b = boards[0];
    EXPECT_EQ(b.FColsCount, 6);
    EXPECT_EQ(b.FRowCount, 6);
    EXPECT_EQ(b.FColWidthArr, std::vector<std::int32_t>(6, 24));
    EXPECT_EQ(b.FLineColor, RGB(0, 0, 255));
    EXPECT_EQ(Text(b, 3, 3), "1");
    EXPECT_EQ(Text(b, 0, 0), "31");
    EXPECT_EQ(Text(b, 3, 0), "");
    EXPECT_EQ(Color(b, 2, 3), kRed);              // 2
    EXPECT_EQ(Color(b, 1, 3), kRed);              // 11
    EXPECT_EQ(Color(b, 2, 4), RGB(88, 118, 240)); // blue 9
    // Row 3 (28 11 2 1 6 19): two reds grey the other four.
    EXPECT_EQ(Color(b, 0, 3), kGrey);
    EXPECT_EQ(Color(b, 3, 3), kGrey);
    EXPECT_EQ(Color(b, 5, 3), kGrey);
    // Row 4 holds the blue: its other cells grey.
    EXPECT_EQ(Color(b, 0, 4), kGrey);
    EXPECT_EQ(Color(b, 5, 4), kGrey);
    // Row 1 (30 13 14 15 16 17) holds one red only; column 3 then holds 15 alone (row 3's 1 is grey).
    EXPECT_EQ(Color(b, 3, 1), kRed);
    EXPECT_EQ(Color(b, 4, 1), kWhite);
    EXPECT_EQ(Color(b, 3, 0), kWhite);
    // Column 2 holds the red 2 and the blue 9: the rest of it turns grey, 33 included.
    EXPECT_EQ(Color(b, 2, 0), kGrey);
    EXPECT_EQ(Color(b, 2, 2), kGrey);
    // Row 0 (31 32 33 and three blanks) holds 32: one red, and column 1 holds 11 and 32.
    EXPECT_EQ(Color(b, 1, 0), kRed);
    EXPECT_EQ(Color(b, 1, 1), kGrey);
    EXPECT_EQ(Color(b, 4, 0), kWhite);
}

TEST(GannBoardsTest, BlueOneOverRedOneAndNoBlue)
{
    DrawHistory h = {MakeDraw(2010001, {1, 8, 14, 20, 27, 33}, 1),
                     MakeDraw(2010002, {1, 8, 14, 20, 27, 33}, 0)};
    std::vector<TTitledTableModel> boards;
    ASSERT_TRUE(BuildGannBoards(boards, h, 2).Ok());
    EXPECT_EQ(Color(boards[1], 3, 3), RGB(88, 118, 240)); // the centre turns blue
    EXPECT_EQ(Color(boards[1], 0, 3), kGrey);             // the blue weighs 2: its row goes grey
    EXPECT_EQ(Color(boards[0], 3, 3), kRed);              // blue 0 marks nothing
    EXPECT_EQ(Color(boards[0], 0, 3), kWhite);
}

} // namespace
} // namespace quorvane
