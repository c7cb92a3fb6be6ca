#include "grids/DataNet.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "GridTestSupport.h"

using quorvane::RGB;
using quorvane::gui::TDataViewNet;

namespace {

// The backdrop of a condition panel: 8 columns of 48 pixels, 8 body rows of 42 pixels, no header.
void FillPanel(TDataViewNet& grid)
{
    auto& m = grid.Model();
    m.SetGrid(8, 8, std::vector<int>(8, 48), 0);
    m.FRowHeight = 42;
    for (int i = 1; i < 8; ++i) {
        m.SetValue(0, i, "第" + std::to_string(i) + "列");
        m.SetValue(i, 0, "第" + std::to_string(i) + "行");
    }
}

} // namespace

TEST(DataViewNet, CountsRowsByItsOwnRuleAndOnlyWhenParented)
{
    QWidget box;
    auto* grid = new TDataViewNet(&box);
    FillPanel(*grid);
    int changes = 0;
    QObject::connect(grid, &TDataViewNet::OnChange, grid, [&](TDataViewNet*) { ++changes; });
    grid->setGeometry(0, 0, 400, 200 + 2 * grid->frameWidth());
    box.show();
    grid->Relayout();
    // h = 200 - 5 = 195; ceil((195 - 6) / 43) = 5.
    EXPECT_EQ(grid->FVisRows(), 5);
    EXPECT_GE(changes, 1);
    // Never more than the body rows.
    grid->resize(400, 800);
    EXPECT_EQ(grid->FVisRows(), 8);

    TDataViewNet loose;
    FillPanel(loose);
    changes = 0;
    QObject::connect(&loose, &TDataViewNet::OnChange, &loose, [&](TDataViewNet*) { ++changes; });
    loose.Relayout();
    EXPECT_EQ(loose.FVisRows(), 0);
    EXPECT_EQ(changes, 0);
}

TEST(DataViewNet, OriginShiftsTheWholeGrid)
{
    QWidget box;
    auto* grid = new TDataViewNet(&box);
    FillPanel(*grid);
    grid->Model().SetCellColor(1, 1, RGB(255, 255, 0));
    grid->SetFOrigin(QPoint(10, 20));
    grid->setGeometry(0, 0, 420, 400);
    box.show();
    grid->Relayout();
    EXPECT_EQ(grid->ColLeft(1), 10 + 1 + 49);
    EXPECT_EQ(grid->RowTop(1), 43 + 20 + 1);
    const QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->RectOfCell(1, 1, true);
    EXPECT_EQ(image.pixelColor(cell.left() + 1, cell.top() + 1), QColor(255, 255, 0));
    // Lines start at the origin: nothing above it or left of the first column is drawn.
    EXPECT_EQ(image.pixelColor(5, 30), grid->palette().color(QPalette::Base));
    EXPECT_EQ(image.pixelColor(30, 10), grid->palette().color(QPalette::Base));
    EXPECT_EQ(image.pixelColor(cell.left() - 1, cell.top() + 3), QColor(Qt::black));
}
