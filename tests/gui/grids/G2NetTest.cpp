#include "grids/G2Net.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QVBoxLayout>
#include <QWidget>

#include "GridTestSupport.h"

using quorvane::RGB;
using quorvane::gui::TG2Net;
using quorvane::test::RecordIndexErrors;

namespace {

// Frequencies of four numbers, one series; the scale makes 12 reach the top of a 60-pixel plot.
void FillFrequencies(TG2Net& chart)
{
    auto& m = chart.Model();
    m.SetBars(5, 2, {RGB(0, 0, 0), RGB(255, 0, 0)});
    const char* values[] = {"12", "0", "7", "3"};
    for (int c = 1; c <= 4; ++c) {
        m.SetValue(c, 0, "0" + std::to_string(c));
        m.SetValue(c, 1, values[c - 1]);
    }
    m.FScale = 12.0f / 60.0f;
    m.FTitle = "红球出现次数";
}

} // namespace

TEST(G2Net, SizesItselfToThePlotAndScalesTheBars)
{
    TG2Net chart;
    FillFrequencies(chart);
    int changes = 0;
    QObject::connect(&chart, &TG2Net::OnChange, &chart, [&](TG2Net*) { ++changes; });
    chart.Relayout();
    EXPECT_EQ(changes, 1);
    // (1 x 10 + 20) x 4 + 20 = 140 wide, 10 x 6 = 60 high, at (30, 30).
    EXPECT_EQ(chart.FPlotRect(), QRect(30, 30, 140, 60));
    EXPECT_EQ(chart.size(), QSize(200, 120));

    // The tallest bar reaches the top grid line: 12 / 0.2 = 60 pixels up from one below the plot.
    EXPECT_EQ(chart.BarRect(1, 1), QRect(30 + 10 + 10, 91 - 60, 10, 60));
    EXPECT_EQ(chart.BarRect(2, 1).height(), 0);
    EXPECT_EQ(chart.BarRect(3, 1).height(), 35);
    EXPECT_EQ(chart.BarRect(4, 1).left(), 30 + 30 * 3 + 10 + 10);

    chart.show();
    const QImage image = chart.grab().toImage();
    const QRect bar = chart.BarRect(3, 1);
    EXPECT_EQ(image.pixelColor(bar.center()), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(bar.left(), bar.center().y()), QColor(50, 18, 52));
    // The plot frame.
    EXPECT_EQ(image.pixelColor(100, 30), QColor(128, 128, 0));
}

TEST(G2Net, KeepsItsSizeInsideALayout)
{
    QWidget page;
    auto* layout = new QVBoxLayout(&page);
    auto* chart = new TG2Net(&page);
    FillFrequencies(*chart);
    chart->Relayout();
    layout->addWidget(chart);
    page.resize(600, 400);
    page.show();
    EXPECT_EQ(chart->size(), QSize(200, 120));
}

TEST(G2Net, OutOfRangeWritesAreReportedAndIgnored)
{
    TG2Net chart;
    std::vector<std::string> messages;
    RecordIndexErrors(chart.Model(), messages);
    FillFrequencies(chart);
    chart.Model().SetValue(5, 1, "9");
    chart.Model().SetValue(1, 2, "9");
    EXPECT_EQ(chart.Model().GetValue(1, 1), "12");
    EXPECT_EQ(messages, (std::vector<std::string>{"SetValue x>=FDynColCount ", "SetValue x>=FDynRowCount "}));
}

TEST(G2Net, LeavesGroupsUnlabelledWhenTheLabelsAreWiderThanTheGroups)
{
    // Dark pixels in the label band under group c.
    const auto inkUnder = [](TG2Net& chart, int c) {
        const QImage image = chart.grab().toImage();
        const QRect bar = chart.BarRect(c, 1);
        int ink = 0;
        for (int y = bar.bottom() + 6; y < bar.bottom() + 18; ++y) {
            for (int x = bar.left(); x <= bar.right(); ++x) {
                ink += image.pixelColor(x, y).lightness() < 128;
            }
        }
        return ink;
    };
    for (const int barWidth : {30, 8}) {
        TG2Net chart;
        auto& m = chart.Model();
        m.SetBars(5, 2, {RGB(0, 0, 0), RGB(255, 0, 0)});
        for (int c = 1; c <= 4; ++c) {
            m.SetValue(c, 0, std::to_string(100 + c));
        }
        m.FBarWidth = barWidth;
        m.FGap = 4;
        chart.Relayout();
        chart.show();
        // A label leaves a good deal of ink; the edge of a neighbour's label a pixel or two.
        EXPECT_GT(inkUnder(chart, 1), 5) << barWidth;
        EXPECT_GT(std::max(inkUnder(chart, 3), inkUnder(chart, 4)), 5) << barWidth;
        if (barWidth == 30) {
            EXPECT_GT(inkUnder(chart, 2), 5);
        } else {
            EXPECT_LE(inkUnder(chart, 2), 2);
        }
    }
}
