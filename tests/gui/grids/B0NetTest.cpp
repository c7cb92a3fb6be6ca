#include "grids/B0Net.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "GridTestSupport.h"

using quorvane::RGB;
using quorvane::gui::TB0Net;
using quorvane::test::HasPixel;

namespace {

// Three columns of 30 pixels and ten rows of 20, under a title.
void FillTable(TB0Net& table, const std::string& title)
{
    auto& m = table.Model();
    m.SetGrid(3, 10, {30, 30, 30});
    m.FTitle = title;
    for (int r = 0; r < 10; ++r) {
        m.SetValue(0, r, std::to_string(r + 1));
    }
}

} // namespace

TEST(B0Net, LayoutShrinksTheTableToItsRows)
{
    QWidget page;
    auto* table = new TB0Net(&page);
    EXPECT_EQ(table->geometry(), QRect(0, 0, 400, 300));
    EXPECT_EQ(table->Model().FTitle, "我的标题");
    FillTable(*table, "遗漏");
    int changes = 0;
    QObject::connect(table, &TB0Net::OnChange, table, [&](TB0Net*) { ++changes; });

    // A generous height shows every row; the table then fits them exactly.
    table->setGeometry(15, 40, 400, 1000);
    table->Relayout();
    EXPECT_EQ(table->FVisRows(), 10);
    EXPECT_EQ(table->FTitleHeight(), 30);
    EXPECT_EQ(table->geometry(), QRect(15, 40, 1 + 3 * 31 - 1 - 1 + 3, 9 * 21 + 30 + 20 + 2));
    EXPECT_GE(changes, 1);
    // Laying out again keeps what it has.
    table->Relayout();
    EXPECT_EQ(table->FVisRows(), 10);
    EXPECT_EQ(table->height(), 241);

    // Without a title the table starts at its top edge and is 30 pixels shorter.
    table->Model().FTitle.clear();
    table->resize(400, 1000);
    table->Relayout();
    EXPECT_EQ(table->FTitleHeight(), 0);
    EXPECT_EQ(table->height(), 211);

    // Too small a height shows the rows that fit: (100 - 6) div 21 = 4.
    table->Model().FTitle = "遗漏";
    table->resize(400, 100);
    table->Relayout();
    EXPECT_EQ(table->FVisRows(), 4);
    EXPECT_EQ(table->height(), 3 * 21 + 30 + 20 + 2);
    page.show();
    table->Relayout();
    EXPECT_EQ(table->FVisRows(), 4);
}

TEST(B0Net, PaintsCellColoursAndNothingWithoutRows)
{
    QWidget page;
    auto* table = new TB0Net(&page);
    FillTable(*table, "遗漏");
    table->Model().SetCellColor(1, 2, RGB(255, 128, 0));
    table->Model().FLineColor = RGB(0, 0, 255);
    table->resize(400, 1000);
    page.show();
    table->Relayout();
    QImage image = table->grab().toImage();
    const QRect cell = table->CellRect(1, 2);
    EXPECT_EQ(image.pixelColor(cell.left() + 1, cell.top() + 1), QColor(255, 128, 0));
    EXPECT_EQ(image.pixelColor(table->CellRect(0, 2).left() + 1, cell.top() + 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(cell.left() - 1, cell.top() + 5), QColor(0, 0, 255));

    table->Model().SetGrid(3, 0, {30, 30, 30});
    table->Relayout();
    image = table->grab().toImage();
    EXPECT_FALSE(HasPixel(image, QColor(0, 0, 255)));
    EXPECT_FALSE(HasPixel(image, QColor(Qt::black)));
}
