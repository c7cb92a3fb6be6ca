// widget-gallery OUTDIR
//
// Renders each chart grid and selection control in a few representative states (empty, filled,
// scrolled, with checked cells and focus) to PNG files in OUTDIR, offscreen, so that their drawing
// can be looked at without running the program.

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>

#include "app/QtText.h"
#include "controls/ColorChk.h"
#include "controls/InterfaceFont.h"
#include "controls/MultiChk.h"
#include "controls/MultiRadio.h"
#include "controls/MultiSe.h"
#include "grids/B0Net.h"
#include "grids/DataNet.h"
#include "grids/G2Net.h"
#include "grids/H2Net.h"
#include "grids/H3Net.h"
#include "text/FormatNumbers.h"

using namespace quorvane;
using namespace quorvane::gui;

namespace {

QString g_outDir;
int g_written = 0;

// Shows the widget, lets it settle, optionally gives `focus` the keyboard focus, and saves it.
bool Save(QWidget& widget, const QString& name, QWidget* focus = nullptr)
{
    widget.show();
    QApplication::processEvents();
    if (focus != nullptr) {
        widget.activateWindow();
        QApplication::setActiveWindow(&widget);
        focus->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    const QString path = QDir(g_outDir).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
        return false;
    }
    ++g_written;
    widget.hide();
    return true;
}

// A page with a caption line above the widget, as the program lays them out.
struct TPage
{
    QWidget Window;
    QVBoxLayout* Layout;
    explicit TPage(const char* caption)
        : Layout(new QVBoxLayout(&Window))
    {
        Layout->addWidget(new QLabel(ToQ(caption), &Window));
    }
};

// A red trend chart: issue column, 33 number columns, header spans, drawn numbers coloured.
void FillRedTrend(TTrendGridModel& m, int draws)
{
    std::vector<std::int32_t> widths(34, 22);
    widths[0] = 60;
    m.FFontSize = 9;
    m.SetGrid(34, draws + 1, widths, 2);
    m.SetHeadCount(3);
    m.SetHeadCell(0, true, m.FFixColor, "期\r\n号", 0, 0, 0, 1);
    m.SetHeadCell(1, true, RGB(255, 200, 200), "一区 (01-11)", 1, 0, 11, 0);
    m.SetHeadCell(2, true, NoColor, "二区与三区", 12, 0, 33, 0);
    for (int n = 1; n <= 33; ++n) {
        m.SetValue(1, n, Pad2(n));
    }
    std::uint32_t state = 12345;
    for (int d = 0; d < draws; ++d) {
        const int row = 2 + d;
        m.SetValue(row, 0, FormatIssue(2009, 120 - d));
        for (int k = 0; k < 6; ++k) {
            state = state * 1103515245u + 12345u;
            const int n = 1 + static_cast<int>((state >> 16) % 33);
            m.SetValue(row, n, Pad2(n));
            m.SetCellColor(row, n, RGB(255, 0, 0));
        }
    }
    m.SetValue(2 + draws, 0, "合计");
    m.SetCellColor(2 + draws, 0, RGB(200, 255, 200));
}

void TrendGrids()
{
    {
        TH2Net grid;
        grid.resize(500, 200);
        grid.Relayout();
        Save(grid, "TH2Net-empty");
    }
    {
        TH2Net grid;
        FillRedTrend(grid.Model(), 40);
        grid.resize(820, 400);
        grid.Relayout();
        Save(grid, "TH2Net-filled");
        grid.verticalScrollBar()->setValue(25);
        Save(grid, "TH2Net-scrolled", &grid);
    }
    {
        TH3Net grid;
        FillRedTrend(grid.Model(), 12);
        grid.resize(420, 300);
        grid.Relayout();
        Save(grid, "TH3Net-filled");
        grid.horizontalScrollBar()->setValue(300);
        Save(grid, "TH3Net-scrolled");
    }
    {
        QGroupBox box(ToQ("号码分布"));
        box.resize(460, 420);
        auto* grid = new TDataViewNet(&box);
        auto& m = grid->Model();
        m.SetGrid(8, 8, std::vector<std::int32_t>(8, 48), 0);
        m.FRowHeight = 42;
        m.FFontSize = 9;
        for (int i = 1; i < 8; ++i) {
            m.SetValue(0, i, "第" + std::to_string(i) + "列");
            m.SetValue(i, 0, "第" + std::to_string(i) + "行");
        }
        m.SetValue(3, 4, "12");
        m.SetCellColor(3, 4, RGB(255, 255, 160));
        m.SetValue(7, 7, "合计\r\n33");
        grid->setGeometry(10, 24, 8 * 49 + 6, 8 * 43 + 10);
        grid->Relayout();
        Save(box, "TDataViewNet-panel");
    }
}

void TitledTablesAndBars()
{
    TPage page("遗漏统计");
    auto* holder = new QWidget(&page.Window);
    holder->setMinimumSize(560, 300);
    page.Layout->addWidget(holder);
    auto* titled = new TB0Net(holder);
    {
        auto& m = titled->Model();
        m.SetGrid(4, 8, {40, 64, 64, 64});
        m.FTitle = "一区和值遗漏图";
        const char* heads[] = {"和值", "次数", "当前遗漏", "最大遗漏"};
        for (int c = 0; c < 4; ++c) {
            m.SetValue(c, 0, heads[c]);
            m.SetCellColor(c, 0, RGB(228, 224, 243));
        }
        for (int r = 1; r < 8; ++r) {
            m.SetValue(0, r, std::to_string(20 + r));
            m.SetValue(1, r, std::to_string(r * 3));
            m.SetValue(2, r, std::to_string(8 - r));
            m.SetValue(3, r, std::to_string(r + 10));
        }
        m.SetCellColor(2, 3, RGB(255, 200, 0));
        titled->setGeometry(10, 10, 400, 1000);
        titled->Relayout();
    }
    // A board of the Gann chart: blue lines, requested too short for its seven rows.
    auto* board = new TB0Net(holder);
    {
        auto& m = board->Model();
        m.SetGrid(7, 7, std::vector<std::int32_t>(7, 20));
        m.FTitle = "2009120期";
        m.FLineColor = RGB(0, 0, 255);
        for (int i = 0; i < 33; ++i) {
            m.SetValue(i % 7, i / 7, std::to_string(i + 1));
        }
        for (int n : {3, 9, 17, 21, 30}) {
            m.SetCellColor((n - 1) % 7, (n - 1) / 7, RGB(255, 0, 0));
        }
        board->setGeometry(titled->geometry().right() + 20, 10, 200, 140);
        board->Relayout(); // shows the rows that fit in 140 pixels
    }
    page.Window.resize(640, 320);
    Save(page.Window, "TB0Net-tables");

    TPage barPage("红球出现次数");
    auto* chart = new TG2Net(&barPage.Window);
    {
        auto& m = chart->Model();
        m.SetBars(17, 2, {RGB(0, 0, 0), RGB(255, 98, 84)});
        int highest = 0;
        for (int c = 1; c <= 16; ++c) {
            const int value = (c * 7) % 13;
            highest = std::max(highest, value);
            m.SetValue(c, 0, Pad2(c));
            m.SetValue(c, 1, std::to_string(value));
        }
        m.FBarWidth = 14;
        m.FGap = 6;
        m.FGridStep = 20;
        m.FGridCount = 6;
        m.FScale = static_cast<float>(highest) / 120.0f;
        m.FTitle = "蓝球出现次数";
        chart->Relayout();
    }
    barPage.Layout->addWidget(chart);
    Save(barPage.Window, "TG2Net-frequencies");
}

// A number picker of the selection page: squares "01" .. count of 30 x 20 pixels, 6 apart.
TColorMChk* MakeNumberPicker(QWidget* parent, int count, int cols, const QColor& checkColor)
{
    auto* picker = new TColorMChk(parent);
    for (int n = 1; n <= count; ++n) {
        picker->AddItem(Pad2(n));
    }
    picker->SetCellWidth(30);
    picker->SetCellHeight(20);
    picker->SetSpacing(6);
    picker->SetCheckColor(checkColor);
    picker->SetCols(cols);
    return picker;
}

void Pickers()
{
    {
        TPage page("选号范围");
        auto* red = MakeNumberPicker(&page.Window, 33, 10, QColor(255, 153, 204));
        auto* label = new QLabel(&page.Window);
        QObject::connect(red, &TColorMChk::OnChange, label, [label](TColorMChk* sender) {
            label->setText(ToQ("已经选中" + std::to_string(sender->CheckedCount()) + "个红球：" +
                               sender->GetCheckedText(",")));
        });
        page.Layout->addWidget(red);
        page.Layout->addWidget(label);
        Save(page.Window, "TColorMChk-red-empty");
        red->SetCheckedText(",", "01,05,12,23,33");
        red->SetCheck(17, true);
        Save(page.Window, "TColorMChk-red-checked", red);
    }
    {
        TPage page("蓝球设定");
        auto* blue = MakeNumberPicker(&page.Window, 16, 8, QColor(102, 255, 255));
        blue->SetCheckedText(",", "03,16");
        page.Layout->addWidget(blue);
        Save(page.Window, "TColorMChk-blue");
    }
    {
        TPage page("和值奇偶");
        auto* chk = new TMultiChk(&page.Window);
        for (int n = 0; n <= 6; ++n) {
            chk->AddItem(std::to_string(n));
        }
        chk->SetCols(7);
        chk->SetCheckedText(",", "0,3,6");
        auto* pairs = new TMultiChk(&page.Window);
        for (int n = 0; n <= 3; ++n) {
            pairs->AddItem(std::to_string(n) + "对");
        }
        pairs->SetCols(4);
        pairs->SetCheck(1, true);
        page.Layout->addWidget(chk);
        page.Layout->addWidget(pairs);
        Save(page.Window, "TMultiChk-rows", chk);
    }
    {
        TPage page("第一区(01-11)：");
        auto* oddEven = new TMultiRadio(&page.Window);
        auto* bigSmall = new TMultiRadio(&page.Window);
        for (const char* c : {"未定", "奇数", "偶数"}) {
            oddEven->AddItem(c);
        }
        for (const char* c : {"未定", "大数", "小数"}) {
            bigSmall->AddItem(c);
        }
        oddEven->SetCapWidth(40);
        bigSmall->SetCapWidth(40);
        page.Layout->addWidget(oddEven);
        page.Layout->addWidget(bigSmall);
        Save(page.Window, "TMultiRadio-empty");
        // Right moves the focus to the second cell, Space picks it.
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(oddEven, &right);
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(oddEven, &space);
        Save(page.Window, "TMultiRadio-picked", oddEven);
    }
    {
        TPage page("和值范围");
        auto* sum = new TMultiSpinEdit(&page.Window);
        sum->AddItem("最小值:");
        sum->AddItem("最大值:");
        sum->SetItem(0, "最小值:", 21);
        sum->SetItem(1, "最大值:", 183);
        sum->SetCapWidth(60);
        sum->SetEditWidth(45);
        sum->SetCols(2);
        auto* limits = new TMultiSpinEdit(&page.Window);
        limits->SetEditAtCellStart(true);
        limits->AddItem("");
        limits->AddItem("≤ 一区 ≤");
        limits->SetItem(0, "", 1);
        limits->SetItem(1, "≤ 一区 ≤", 4);
        limits->SetEditWidth(45);
        limits->SetCapWidth(70);
        limits->SetCols(2);
        page.Layout->addWidget(sum);
        page.Layout->addWidget(limits);
        Save(page.Window, "TMultiSpinEdit-ranges");
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: widget-gallery OUTDIR\n");
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    QApplication::setFont(InterfaceFont());
    g_outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(g_outDir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    TrendGrids();
    TitledTablesAndBars();
    Pickers();
    std::printf("%d pictures in %s\n", g_written, argv[1]);
    return 0;
}
