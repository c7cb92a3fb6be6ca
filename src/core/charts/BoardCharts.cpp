#include "charts/BoardCharts.h"

#include <array>

#include "measures/Layouts.h"

namespace quorvane {

namespace {

// A board of number lines: the numbers (or digits) stand in a rows x cols block at the top left,
// the count of drawn reds of each board row in column `cols`, of each board column in row `rows`.
struct LineBoard
{
    int Rows;  // board rows holding numbers
    int Cols;  // board columns holding numbers
    int Width; // pixels per column
    int RowHeight;
    // Text of the number cell (col, row), "" for a blank cell.
    std::string (*LabelAt)(int col, int row);
    // Board column and row of a red 1..33.
    int (*ColOf)(int red);
    int (*RowOf)(int red);
};

std::string SixLabel(int col, int row)
{
    const int n = row * 6 + col + 1;
    return n <= 33 ? IntText(n) : std::string();
}

std::string Tail3DLabel(int col, int row)
{
    const int tail = row * 3 + col;
    return tail <= 9 ? IntText(tail) : std::string();
}

std::string TailLabel(int col, int row)
{
    const int n = TailLayoutNumberAt(row, col);
    return n > 0 ? IntText(n) : std::string();
}

constexpr LineBoard kSixBoard = {6, 6, 20, 20, SixLabel, SixColOf, SixRowOf};
constexpr LineBoard k3DBoard = {4, 3, 34, 30, Tail3DLabel, Tail3DColOf, Tail3DRowOf};
constexpr LineBoard kTailBoard = {6, 6, 20, 20, TailLabel, TailColOf, TailRowOf};

// Sets the title and the place of the board of the i-th newest draw: requested bounds 200 x 200,
// four boards per line.
void PlaceBoard(TTitledTableModel& b, const TBeenCodesRec& draw, int i)
{
    b.FTitle = ChartIssueText(draw) + "期";
    b.FPlacement.Left = (i % 4) * 200 + 10;
    b.FPlacement.Top = (i / 4) * 200;
    b.FPlacement.Width = 200;
    b.FPlacement.Height = 200;
}

// A board with its grid, blue lines and the number labels, all cells white: every board of a page
// starts as a copy of it.
TTitledTableModel BlankBoard(int cols, int rows, int width, int rowHeight, std::string (*labelAt)(int, int),
                             int labelCols, int labelRows)
{
    TTitledTableModel b;
    b.SetGrid(cols, rows, std::vector<std::int32_t>(static_cast<std::size_t>(cols), width));
    b.FRowHeight = rowHeight;
    b.FLineColor = kBoardLineColor;
    for (int r = 0; r < labelRows; ++r) {
        for (int c = 0; c < labelCols; ++c) {
            b.SetValue(c, r, labelAt(c, r));
        }
    }
    return b;
}

BuildResult BuildLineBoards(const LineBoard& layout, std::vector<TTitledTableModel>& boards,
                            const DrawHistory& history, int n)
{
    boards.clear();
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    boards.reserve(static_cast<std::size_t>(n));
    const TTitledTableModel blank = BlankBoard(layout.Cols + 1, layout.Rows + 1, layout.Width,
                                               layout.RowHeight, layout.LabelAt, layout.Cols, layout.Rows);
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        TTitledTableModel& b = boards.emplace_back(blank);
        PlaceBoard(b, draw, i);
        std::array<int, 6> rowCounts{};
        std::array<int, 6> colCounts{};
        for (const int red : draw.Reds) {
            if (IsRedNumber(red)) {
                const int c = layout.ColOf(red);
                const int r = layout.RowOf(red);
                b.SetCellColor(c, r, kBoardDrawnColor);
                ++rowCounts[static_cast<std::size_t>(r)];
                ++colCounts[static_cast<std::size_t>(c)];
            }
        }
        for (int r = 0; r < layout.Rows; ++r) {
            b.SetValue(layout.Cols, r, IntText(rowCounts[static_cast<std::size_t>(r)]));
            b.SetCellColor(layout.Cols, r, kBoardRowCountColor);
            if (rowCounts[static_cast<std::size_t>(r)] == 0) {
                for (int c = 0; c < layout.Cols; ++c) {
                    b.SetCellColor(c, r, kBoardEmptyLineColor);
                }
            }
        }
        for (int c = 0; c < layout.Cols; ++c) {
            b.SetValue(c, layout.Rows, IntText(colCounts[static_cast<std::size_t>(c)]));
            b.SetCellColor(c, layout.Rows, kBoardColCountColor);
            if (colCounts[static_cast<std::size_t>(c)] == 0) {
                for (int r = 0; r < layout.Rows; ++r) {
                    b.SetCellColor(c, r, kBoardEmptyLineColor);
                }
            }
        }
    }
    return {};
}

// The Gann square: 1 at the centre, spiralling outwards; 0 marks the three blank cells.
constexpr std::array<std::array<int, 6>, 6> kGannSquare = {{
    {31, 32, 33, 0, 0, 0},
    {30, 13, 14, 15, 16, 17},
    {29, 12, 3, 4, 5, 18},
    {28, 11, 2, 1, 6, 19},
    {27, 10, 9, 8, 7, 20},
    {26, 25, 24, 23, 22, 21},
}};

// Column and row of each number 1..33 on the Gann square.
struct GannCells
{
    std::array<int, 34> Col{};
    std::array<int, 34> Row{};
    constexpr GannCells()
    {
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 6; ++c) {
                const int v = kGannSquare[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                Col[static_cast<std::size_t>(v)] = c;
                Row[static_cast<std::size_t>(v)] = r;
            }
        }
    }
};
constexpr GannCells kGannCells;

std::string GannLabel(int col, int row)
{
    const int v = kGannSquare[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    return v > 0 ? IntText(v) : std::string();
}

} // namespace

BuildResult BuildEmptyRowsBoards(std::vector<TTitledTableModel>& boards, const DrawHistory& history, int n)
{
    return BuildLineBoards(kSixBoard, boards, history, n);
}

BuildResult Build3DBoards(std::vector<TTitledTableModel>& boards, const DrawHistory& history, int n)
{
    return BuildLineBoards(k3DBoard, boards, history, n);
}

BuildResult BuildTailBoards(std::vector<TTitledTableModel>& boards, const DrawHistory& history, int n)
{
    return BuildLineBoards(kTailBoard, boards, history, n);
}

BuildResult BuildGannBoards(std::vector<TTitledTableModel>& boards, const DrawHistory& history, int n)
{
    boards.clear();
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    boards.reserve(static_cast<std::size_t>(n));
    const TTitledTableModel blank = BlankBoard(6, 6, 24, 20, GannLabel, 6, 6);
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        TTitledTableModel& b = boards.emplace_back(blank);
        PlaceBoard(b, draw, i);
        // Weight of each cell: 1 for a red, 2 for the blue (painted over a red of the same number),
        // 0 for the others.
        std::array<std::array<int, 6>, 6> weight{};
        for (const int red : draw.Reds) {
            if (IsRedNumber(red)) {
                const auto v = static_cast<std::size_t>(red);
                weight[static_cast<std::size_t>(kGannCells.Row[v])]
                      [static_cast<std::size_t>(kGannCells.Col[v])] = 1;
            }
        }
        if (IsRedNumber(draw.Blue)) {
            const auto v = static_cast<std::size_t>(draw.Blue);
            weight[static_cast<std::size_t>(kGannCells.Row[v])][static_cast<std::size_t>(kGannCells.Col[v])] =
                2;
        }
        // A line whose weights add up to more than 1 turns its other cells grey: rows first, then
        // columns on what the rows left (a grey cell weighs nothing).
        std::array<std::array<bool, 6>, 6> grey{};
        for (std::size_t r = 0; r < 6; ++r) {
            const int sum =
                weight[r][0] + weight[r][1] + weight[r][2] + weight[r][3] + weight[r][4] + weight[r][5];
            for (std::size_t c = 0; sum > 1 && c < 6; ++c) {
                grey[r][c] = weight[r][c] == 0;
            }
        }
        for (std::size_t c = 0; c < 6; ++c) {
            int sum = 0;
            for (std::size_t r = 0; r < 6; ++r) {
                sum += weight[r][c];
            }
            for (std::size_t r = 0; sum > 1 && r < 6; ++r) {
                grey[r][c] = grey[r][c] || weight[r][c] == 0;
            }
        }
        for (std::size_t r = 0; r < 6; ++r) {
            for (std::size_t c = 0; c < 6; ++c) {
                const TColor color = weight[r][c] == 1   ? kBoardDrawnColor
                                     : weight[r][c] == 2 ? kGannBlueColor
                                     : grey[r][c]        ? kBoardEmptyLineColor
                                                         : kWhite;
                if (color != kWhite) {
                    b.SetCellColor(static_cast<int>(c), static_cast<int>(r), color);
                }
            }
        }
    }
    return {};
}

} // namespace quorvane
