#include "grids/H2Net.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "GridTestSupport.h"
#include "ScriptedDialogs.h"
#include "app/ErrorReport.h"
#include "grids/GridPaint.h"

using quorvane::NoColor;
using quorvane::RGB;
using quorvane::TTrendGridModel;
using quorvane::gui::TH2Net;
using quorvane::gui::ToQColor;
using quorvane::test::HasPixel;
using quorvane::test::RecordIndexErrors;

namespace {

// Three columns (30, 40, 50 pixels), two header rows and `bodyRows` body rows of 20 pixels; body
// row i (grid row 2 + i) holds the text of i.
void FillChart(TTrendGridModel& m, int bodyRows)
{
    m.FFontSize = 9;
    m.SetGrid(3, bodyRows, {30, 40, 50}, 2);
    m.SetValue(0, 0, "期号");
    m.SetValue(1, 1, "红\r\n球");
    for (int i = 0; i < bodyRows; ++i) {
        m.SetValue(2 + i, 0, std::to_string(i));
    }
}

// Shows the grid with a client area of the given height.
void ShowWithClientHeight(TH2Net& grid, int clientHeight)
{
    grid.resize(300, clientHeight + 2 * grid.frameWidth());
    grid.show();
    grid.Relayout();
    ASSERT_EQ(grid.viewport()->height(), clientHeight);
}

QImage Client(TH2Net& grid)
{
    return grid.viewport()->grab().toImage();
}

} // namespace

TEST(H2Net, VisibleRowsAndScrollRangeFollowTheClientHeight)
{
    TH2Net grid;
    FillChart(grid.Model(), 50);
    // (height div 21) - 2 header rows; the range lets the last row come into view.
    struct Case
    {
        int height, visRows, rangeMax;
    };
    for (const Case c : {Case{210, 8, 42}, Case{1000, 45, 5}, Case{2000, 93, 0}, Case{21, 0, 50},
                         Case{20, 0, 50}, Case{50, 0, 50}}) {
        ShowWithClientHeight(grid, c.height);
        EXPECT_EQ(grid.FVisRows(), c.visRows) << "height " << c.height;
        EXPECT_EQ(grid.verticalScrollBar()->maximum(), c.rangeMax) << "height " << c.height;
        EXPECT_EQ(grid.verticalScrollBar()->minimum(), 0);
    }
    ShowWithClientHeight(grid, 210);
    EXPECT_EQ(grid.verticalScrollBar()->pageStep(), 8);
    EXPECT_EQ(grid.GridExtent(), QRect(QPoint(1, 1), QPoint(122, 209)));
    EXPECT_EQ(grid.HeaderExtent(), QRect(QPoint(1, 1), QPoint(122, 20)));
}

TEST(H2Net, CellGeometryAndScrolledRows)
{
    TH2Net grid;
    FillChart(grid.Model(), 50);
    ShowWithClientHeight(grid, 210);
    EXPECT_EQ(grid.ColLeft(0), 1);
    EXPECT_EQ(grid.ColLeft(2), 1 + 31 + 41);
    EXPECT_EQ(grid.RowTop(3), 3 * 21 + 1);
    EXPECT_EQ(grid.RectOfCell(5, 1, false), QRect(32, 106, 40, 20));

    grid.verticalScrollBar()->setValue(4);
    EXPECT_EQ(grid.FTopRow(), 4);
    // Body row 5 now shows at screen row 1 (above the header: off screen); header rows never move.
    EXPECT_EQ(grid.RectOfCell(6, 1, true).top(), 2 * 21 + 1);
    EXPECT_EQ(grid.RectOfCell(1, 1, true).top(), 21 + 1);
    EXPECT_EQ(grid.RectOfCell(6, 1, false).top(), 6 * 21 + 1);

    // A range cut short by a taller window pulls the position back.
    ShowWithClientHeight(grid, 1000);
    EXPECT_EQ(grid.FTopRow(), 4);
    ShowWithClientHeight(grid, 2000);
    EXPECT_EQ(grid.FTopRow(), 0);
}

TEST(H2Net, IndexErrorsAreReportedAndIgnored)
{
    TH2Net grid;
    std::vector<std::string> messages;
    RecordIndexErrors(grid.Model(), messages);
    FillChart(grid.Model(), 3);
    grid.Model().SetValue(0, 3, "x");
    grid.Model().SetValue(5, 0, "x");
    EXPECT_EQ(grid.Model().GetValue(5, 2), "");
    EXPECT_EQ(grid.RectOfCell(0, 3, false), QRect());
    EXPECT_EQ(grid.ColLeft(4), 0);
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "SetValue x>=FColsCount ", "SetValue y>=FDynRows+FFixRowCount ",
                            "GetValue y>=FDynRows+FFixRowCount ", "RectOfCell ACol>Length(FColWidthArr)",
                            "ACol>Length(FColWidthArr)"}));
    // Clearing and replacing the content keep the host's hook.
    grid.Clear();
    messages.clear();
    grid.Model().SetValue(0, 0, "x");
    TTrendGridModel built;
    FillChart(built, 2);
    grid.SetModel(std::move(built));
    grid.Model().GetValue(4, 0);
    EXPECT_EQ(messages,
              (std::vector<std::string>{"SetValue x>=FColsCount ", "GetValue y>=FDynRows+FFixRowCount "}));
}

TEST(H2Net, IndexErrorsShowInAMessageBoxOfTheDialogService)
{
    quorvane::gui::test::TScriptedDialogs dialogs;
    quorvane::gui::SetErrorDialogs(&dialogs);
    dialogs.ExpectMessage(QStringLiteral("SetValue x>=FColsCount "));
    TH2Net grid;
    FillChart(grid.Model(), 3);
    grid.Model().SetValue(0, 3, "x");
    quorvane::gui::SetErrorDialogs(nullptr);
}

TEST(H2Net, PaintsCellColoursHeaderAndLines)
{
    TH2Net grid;
    TTrendGridModel& m = grid.Model();
    FillChart(m, 50);
    m.SetCellColor(3, 1, RGB(255, 0, 0)); // body row 1, middle column
    m.SetCellColor(0, 2, RGB(0, 255, 0)); // header cell: the header colour wins
    ShowWithClientHeight(grid, 210);
    QImage image = Client(grid);

    const QRect red = grid.RectOfCell(3, 1, true);
    EXPECT_EQ(image.pixelColor(red.left() + 1, red.top() + 1), QColor(255, 0, 0));
    const QRect header = grid.RectOfCell(0, 2, true);
    EXPECT_EQ(image.pixelColor(header.left() + 1, header.top() + 1), ToQColor(m.FFixColor));
    const QRect plain = grid.RectOfCell(4, 1, true);
    EXPECT_EQ(image.pixelColor(plain.left() + 1, plain.top() + 1), grid.palette().color(QPalette::Base));
    // Lines lie one pixel before each column and row.
    EXPECT_EQ(image.pixelColor(red.left() - 1, red.top() + 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(red.left() + 5, red.top() - 1), QColor(Qt::black));
    // Right of the grid: background.
    EXPECT_EQ(image.pixelColor(200, 50), grid.palette().color(QPalette::Base));

    // Scrolled by 2 rows the red cell moves up two rows, under the header it never covers.
    grid.verticalScrollBar()->setValue(2);
    image = Client(grid);
    EXPECT_EQ(image.pixelColor(red.left() + 1, red.top() + 1), grid.palette().color(QPalette::Base));
    const QRect moved = grid.RectOfCell(3, 1, true);
    EXPECT_EQ(moved.top(), red.top() - 2 * 21);
    // That place belongs to the header now, which keeps its colour.
    EXPECT_EQ(image.pixelColor(moved.left() + 1, moved.top() + 1), ToQColor(m.FFixColor));
    grid.verticalScrollBar()->setValue(1);
    image = Client(grid);
    const QRect firstBody = grid.RectOfCell(2, 1, false);
    EXPECT_EQ(image.pixelColor(firstBody.left() + 1, firstBody.top() + 1), QColor(255, 0, 0));
}

TEST(H2Net, HeaderSpansCoverLinesAndCells)
{
    TH2Net grid;
    TTrendGridModel& m = grid.Model();
    FillChart(m, 10);
    m.SetHeadCount(3);
    // A span over both header rows of columns 0..1 without colour: the window colour hides the lines.
    m.SetHeadCell(0, true, NoColor, "", 0, 0, 1, 1);
    // A coloured span over column 2 of row 0; an invisible span is skipped.
    m.SetHeadCell(1, true, RGB(0, 0, 255), "蓝", 2, 0, 2, 0);
    m.SetHeadCell(2, false, RGB(255, 0, 0), "", 0, 5, 2, 6);
    ShowWithClientHeight(grid, 210);
    const QImage image = Client(grid);
    const QColor window = grid.palette().color(QPalette::Base);
    const int lineBetweenColumns = grid.ColLeft(1) - 1;
    const int lineBetweenRows = grid.RowTop(1) - 1;
    EXPECT_EQ(image.pixelColor(lineBetweenColumns, 5), window);
    EXPECT_EQ(image.pixelColor(10, lineBetweenRows), window);
    EXPECT_EQ(image.pixelColor(grid.ColLeft(2) + 1, 3), QColor(0, 0, 255));
    // Row 1 of column 2 keeps the header colour; the invisible span leaves body rows alone.
    EXPECT_EQ(image.pixelColor(grid.ColLeft(2) + 1, grid.RowTop(1) + 1), ToQColor(m.FFixColor));
    EXPECT_FALSE(HasPixel(image, QColor(255, 0, 0)));
}

TEST(H2Net, AGridWithoutBodyRowsPaintsOnlyTheBackground)
{
    TH2Net grid;
    grid.Model().SetGrid(3, 0, {30, 40, 50}, 2);
    grid.Model().SetValue(0, 0, "期号");
    ShowWithClientHeight(grid, 210);
    const QImage image = Client(grid);
    EXPECT_FALSE(HasPixel(image, Qt::black));
    EXPECT_FALSE(HasPixel(image, ToQColor(grid.Model().FFixColor)));
}

TEST(H2Net, LayoutPassesAreAnnouncedAndScrollingTakesTheFocus)
{
    TH2Net grid;
    int changes = 0;
    QObject::connect(&grid, &TH2Net::OnChange, &grid, [&](TH2Net* sender) {
        EXPECT_EQ(sender, &grid);
        ++changes;
    });
    FillChart(grid.Model(), 50);
    ShowWithClientHeight(grid, 210);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    changes = 0;
    grid.Relayout();
    EXPECT_EQ(changes, 1);

    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    grid.clearFocus();
    grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(grid.FTopRow(), 8);
    EXPECT_TRUE(grid.hasFocus());
    grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(grid.FTopRow(), 42);
    grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid.FTopRow(), 42);
}
