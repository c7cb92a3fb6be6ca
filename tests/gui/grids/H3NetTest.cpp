#include "grids/H3Net.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include "GridTestSupport.h"

using quorvane::RGB;
using quorvane::gui::TH3Net;

TEST(H3Net, ScrollsSidewaysOverTheWholeWidth)
{
    TH3Net grid;
    auto& m = grid.Model();
    // 40 columns of 30 pixels: 1 + 40 * 31 = 1241 pixels of grid.
    m.SetGrid(40, 20, std::vector<int>(40, 30), 1);
    m.SetCellColor(1, 39, RGB(0, 128, 255));
    grid.resize(400, 300);
    grid.show();
    grid.Relayout();
    QApplication::processEvents(); // the scroll bars show up
    const int client = grid.viewport()->width();
    QScrollBar* h = grid.horizontalScrollBar();
    EXPECT_TRUE(h->isVisible());
    EXPECT_EQ(h->maximum(), 1241 - client);
    EXPECT_EQ(h->pageStep(), 30);
    EXPECT_EQ(grid.FHPage(), 30);
    // The horizontal bar takes client height: rows are counted in what is left.
    EXPECT_EQ(grid.FVisRows(), grid.viewport()->height() / 21 - 1);

    h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid.FHOffset(), -1);
    h->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(grid.FHOffset(), -31);
    EXPECT_EQ(grid.ColLeft(1), 1 + 31 - 31);

    // At the far right the last column ends just inside the client area.
    h->triggerAction(QAbstractSlider::SliderToMaximum);
    const QRect last = grid.RectOfCell(1, 39, true);
    EXPECT_EQ(last.left() + last.width() + 1, client);
    const QImage image = grid.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(last.left() + 1, last.top() + 1), QColor(0, 128, 255));

    // A chart narrower than the window does not scroll.
    grid.Clear();
    grid.Model().SetGrid(3, 5, {30, 30, 30}, 1);
    grid.Relayout();
    EXPECT_EQ(h->maximum(), 0);
    EXPECT_EQ(grid.FHOffset(), 0);
}
