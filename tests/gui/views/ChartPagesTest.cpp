#include "views/ChartPages.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

#include "GuiTestSupport.h"
#include "app/QtText.h"
#include "app/TuForm.h"
#include "charts/ChartCsv.h"
#include "charts/ChartDump.h"
#include "charts/StatisticsTable.h"
#include "grids/B0Net.h"
#include "grids/G2Net.h"
#include "grids/GridPaint.h"
#include "grids/H3Net.h"
#include "history/DemoHistory.h"
#include "text/AtomicFile.h"
#include "views/ChartExport.h"
#include "views/ChartPageView.h"

namespace quorvane::gui::test {
namespace {

using quorvane::test::ReadBytes;

constexpr int kDraws = 120;

// The main window on a demo history of kDraws draws, shown.
class ChartPageViews : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program.Start(DemoDataText(kDraws));
        program.Form().resize(1280, 800);
        program.Form().show();
    }

    TMainForm& Form() { return program.Form(); }

    TPageControl* ControlOf(const ChartPage& page)
    {
        switch (page.Control) {
        case ChartPageControl::GridPctl:
            return Form().GridPctl;
        case ChartPageControl::ChartPCtr:
            return Form().ChartPCtr;
        case ChartPageControl::FxPCtr:
            return Form().fxPCtr;
        }
        return nullptr;
    }

    TChartPageView* View(const ChartPage& page)
    {
        QWidget* pageWidget = ControlOf(page)->Page(QString::fromUtf8(page.ObjectName));
        return pageWidget != nullptr ? pageWidget->findChild<TChartPageView*>() : nullptr;
    }

    // Shows the page as the user does: another view in front first, then the page's control at the
    // page.
    TChartPageView* Show(const char* name)
    {
        const ChartPage* page = FindChartPage(name);
        Form().SqlMenuClick();
        ControlOf(*page)->setCurrentWidget(ControlOf(*page)->Page(QString::fromUtf8(name)));
        Form().ShowView(ControlOf(*page));
        return View(*page);
    }

    // What the core builds for the page.
    ChartModels Built(const ChartPage& page, int n, int start = kDefaultRotationStart)
    {
        ChartModels models;
        EXPECT_TRUE(page.Build(models, Form().History(), n, start).Ok());
        return models;
    }

    // The dump of what the page's surface holds.
    static std::string Shown(const TChartPageView& view)
    {
        ChartModels shown;
        if (view.Grid() != nullptr) {
            shown.Grid = view.Grid()->Model();
        } else if (view.Bars() != nullptr) {
            shown.Bars = view.Bars()->Model();
        } else {
            shown.Tables = view.TableModels();
        }
        return DumpChartPage(view.Page(), shown);
    }

    TProgram program;
};

QColor PixelAt(QWidget& widget, QPoint at)
{
    return widget.grab().toImage().pixelColor(at);
}

TEST_F(ChartPageViews, EveryPageShowsWhatItsBuilderMakesAndHasItsStrip)
{
    for (const ChartPage& page : quorvane::ChartPages()) {
        SCOPED_TRACE(page.ObjectName);
        TChartPageView* view = Show(page.ObjectName);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->BuildCount(), 1);
        EXPECT_EQ(program.Find<QSpinBox>(QString::fromUtf8(page.SpinEditName))->value(), 30);
        EXPECT_EQ(program.Find<QPushButton>(QString::fromUtf8(page.ButtonName))->text(),
                  QStringLiteral("查询"));
        EXPECT_EQ(Shown(*view), DumpChartPage(page, Built(page, 30)));
        if (*page.ScrollBoxName != '\0') {
            EXPECT_NE(program.Find<QScrollArea>(QString::fromUtf8(page.ScrollBoxName)), nullptr);
        }
        // The table widgets show the tables built, in order.
        for (std::size_t i = 0; i < view->Tables().size(); ++i) {
            ASSERT_NE(view->Tables()[i], nullptr);
            EXPECT_EQ(DumpTitledTable(view->Tables()[i]->Model()), DumpTitledTable(view->TableModels()[i]));
        }
    }
    EXPECT_TRUE(program.Dialogs().Log().empty());
}

TEST_F(ChartPageViews, QueryAndAnotherShowRebuildWithTheCurrentValues)
{
    TChartPageView* view = Show("ExTabSheet8");
    const ChartPage& page = view->Page();
    view->Se->setValue(12);
    view->StartSe->setValue(33);
    EXPECT_EQ(view->StartSe->minimum(), 1);
    EXPECT_EQ(view->StartSe->maximum(), 33);
    view->GoBt->click();
    EXPECT_EQ(Shown(*view), DumpChartPage(page, Built(page, 12, 33)));
    EXPECT_EQ(view->Grid()->Model().GetValue(1, 8), "33");

    // Showing the page again, without "查询", takes the new value.
    view->Se->setValue(7);
    Show("ExTabSheet8");
    EXPECT_EQ(view->Grid()->Model().FDynRows, 8);
    EXPECT_EQ(view->BuildCount(), 3);

    // A negative N builds the empty chart: header and footer only.
    view->Se->setValue(-5);
    view->GoBt->click();
    EXPECT_EQ(view->Grid()->Model().FDynRows, 1);
    EXPECT_EQ(view->Grid()->Model().GetValue(2, 0), "合计");
}

TEST_F(ChartPageViews, TooLargeANShowsTheMessageAndKeepsTheChart)
{
    for (const char* name :
         {"ExTabSheet1", "ExTabSheet2", "ExTabSheet7", "ExTabSheet11", "TabSheet81", "TabSheet86"}) {
        SCOPED_TRACE(name);
        TChartPageView* view = Show(name);
        const std::string before = Shown(*view);
        program.Dialogs().ExpectMessage(QStringLiteral("设置的查询期数超过总期数!!"));
        view->Se->setValue(kDraws + 1);
        view->GoBt->click();
        EXPECT_TRUE(program.Dialogs().AllUsed());
        EXPECT_EQ(Shown(*view), before);
        // The whole history is accepted.
        view->Se->setValue(kDraws);
        view->GoBt->click();
        EXPECT_TRUE(program.Dialogs().AllUsed());
    }
    // The board pages drop their boards first: the page is left empty.
    TChartPageView* boards = Show("ExTabSheet12");
    ASSERT_EQ(boards->TableModels().size(), 30U);
    program.Dialogs().ExpectMessage(QStringLiteral("设置的查询期数超过总期数!!"));
    boards->Se->setValue(kDraws + 1);
    boards->GoBt->click();
    EXPECT_TRUE(boards->TableModels().empty());
    EXPECT_TRUE(boards->ScrollBox()->widget()->findChildren<TB0Net*>().isEmpty());
}

TEST_F(ChartPageViews, BoardsAreMadeAnewOnEveryBuildAndOnlyInViewWhenMany)
{
    TChartPageView* view = Show("ExTabSheet6");
    QWidget* canvas = view->ScrollBox()->widget();
    ASSERT_EQ(canvas->findChildren<TB0Net*>().size(), 30);
    for (int i = 0; i < 20; ++i) {
        view->GoBt->click();
    }
    EXPECT_EQ(canvas->findChildren<TB0Net*>().size(), 30);
    // The newest draw's board stands first, at the top left.
    EXPECT_EQ(view->Tables()[0]->pos(), QPoint(10, 0));
    EXPECT_EQ(view->Tables()[5]->pos(), QPoint(210, 200));

    // With all the draws, the boards out of view wait until the box scrolls to them.
    view->Se->setValue(kDraws);
    view->GoBt->click();
    const int made = static_cast<int>(canvas->findChildren<TB0Net*>().size());
    EXPECT_LT(made, kDraws);
    EXPECT_EQ(view->Tables().back(), nullptr);
    EXPECT_GE(canvas->height(), (kDraws / 4) * 200);
    // A taller window shows more boards: they are made.
    const int lastMade = static_cast<int>(std::find(view->Tables().begin(), view->Tables().end(), nullptr) -
                                          view->Tables().begin());
    Form().resize(1280, 1600);
    EXPECT_GT(std::find(view->Tables().begin(), view->Tables().end(), nullptr) - view->Tables().begin(),
              lastMade);
    view->ScrollBox()->verticalScrollBar()->setValue(view->ScrollBox()->verticalScrollBar()->maximum());
    ASSERT_NE(view->Tables().back(), nullptr);
    EXPECT_EQ(DumpTitledTable(view->Tables().back()->Model()), DumpTitledTable(view->TableModels().back()));
    for (int i = 0; i < 20; ++i) {
        view->GoBt->click();
    }
    EXPECT_LE(canvas->findChildren<TB0Net*>().size(), kDraws);
}

TEST_F(ChartPageViews, OmissionTablesStandCentredOneBelowTheOther)
{
    TChartPageView* view = Show("ExTabSheet11");
    ASSERT_EQ(view->Tables().size(), 2U);
    const TB0Net* red = view->Tables()[0];
    const TB0Net* blue = view->Tables()[1];
    const int box = view->ScrollBox()->viewport()->width();
    EXPECT_EQ(red->x(), (box - 576) / 2);
    EXPECT_EQ(red->y(), 0);
    EXPECT_EQ(red->FVisRows(), 34);
    EXPECT_EQ(blue->y(), red->geometry().bottom() + 1 + 20);
    EXPECT_EQ(blue->FVisRows(), 17);
    // The box follows the window's width.
    Form().resize(1000, 800);
    EXPECT_EQ(red->x(), (view->ScrollBox()->viewport()->width() - 576) / 2);
}

TEST_F(ChartPageViews, EachSurfacePaintsItsColours)
{
    // Trend grid: a drawn red of the newest draw on its colour.
    TChartPageView* red = Show("ExTabSheet1");
    const int n = Form().History().back().Reds[0];
    const QRect cell = red->Grid()->RectOfCell(2, n + 7, true);
    EXPECT_EQ(PixelAt(*red->Grid()->viewport(), cell.topLeft() + QPoint(1, 1)), QColor(255, 134, 132));

    // The wide grid scrolled to the right still paints its cells where RectOfCell puts them.
    TChartPageView* zones = Show("ExTabSheet2");
    auto* wide = static_cast<TH3Net*>(zones->Grid());
    wide->horizontalScrollBar()->setValue(200);
    const QRect zoneCell = wide->RectOfCell(2, 8, true);
    const TColor expected = wide->Model().GetCellColor(2, 8);
    ASSERT_NE(expected, NoColor);
    EXPECT_EQ(PixelAt(*wide->viewport(), zoneCell.topLeft() + QPoint(1, 1)), ToQColor(expected));

    // Titled table: the board's cell of a drawn red is pure red.
    TChartPageView* boards = Show("ExTabSheet6");
    TB0Net* board = boards->Tables()[0];
    const int r = Form().History().back().Reds[0];
    EXPECT_EQ(PixelAt(*board, board->CellRect((r - 1) % 6, (r - 1) / 6).topLeft() + QPoint(1, 1)),
              QColor(255, 0, 0));

    // Bar chart: the tallest bar in the series colour.
    TChartPageView* bars = Show("ExTabSheet7");
    const TBarChartModel& model = bars->Bars()->Model();
    int tallest = 1;
    for (int c = 1; c <= model.FDynColCount; ++c) {
        if (std::stoi(model.GetValue(c, 1)) > std::stoi(model.GetValue(tallest, 1))) {
            tallest = c;
        }
    }
    const QRect bar = bars->Bars()->BarRect(tallest, 1);
    EXPECT_EQ(bar.height(), 200);
    EXPECT_EQ(PixelAt(*bars->Bars(), bar.center()), QColor(255, 98, 84));
}

TEST_F(ChartPageViews, ContextMenuExportsTheCellsAndPicturesTheWholeChart)
{
    TChartPageView* view = Show("TabSheet30");
    view->Se->setValue(100);
    view->GoBt->click();
    const QString csv = program.Folder() + QStringLiteral("/zones.csv");
    program.Dialogs().ExpectSaveFile(csv);
    view->ChartMenu()->findChild<QAction*>(QStringLiteral("ExportTableAction"))->trigger();
    EXPECT_EQ(ReadBytes(csv.toStdString()), TrendGridCsv(Built(view->Page(), 100).Grid));

    // The picture holds every row, also those scrolled out of view: the footer at its bottom.
    const QString png = program.Folder() + QStringLiteral("/zones.png");
    program.Dialogs().ExpectSaveFile(png);
    view->ChartMenu()->findChild<QAction*>(QStringLiteral("SavePictureAction"))->trigger();
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), WholeGridSize(view->Grid()->Model()));
    EXPECT_GT(picture.height(), view->Grid()->height());
    const QRect footer = view->Grid()->RectOfCell(view->Grid()->Model().RowCount() - 1, 8, false);
    EXPECT_EQ(picture.pixelColor(footer.topLeft() + QPoint(3, 3)), QColor(204, 204, 204));

    // Cancelled dialogs write nothing; a folder that is not there gets a message.
    program.Dialogs().ExpectSaveFile(std::nullopt);
    view->ChartMenu()->findChild<QAction*>(QStringLiteral("ExportTableAction"))->trigger();
    program.Dialogs().ExpectSaveFile(program.Folder() + QStringLiteral("/missing/zones.csv"));
    program.Dialogs().ExpectMessage();
    view->ChartMenu()->findChild<QAction*>(QStringLiteral("ExportTableAction"))->trigger();
    // The picture goes through the same write, so its failure names the reason too.
    const QString lost = program.Folder() + QStringLiteral("/missing/zones.png");
    program.Dialogs().ExpectSaveFile(lost);
    program.Dialogs().ExpectMessage(ToQ(FileWriteErrorText(FromQ(lost), WriteFailureReason(ENOENT))));
    view->ChartMenu()->findChild<QAction*>(QStringLiteral("SavePictureAction"))->trigger();
    EXPECT_TRUE(program.Dialogs().AllUsed());

    // The boards' picture covers every board, made for the picture if not yet in view.
    TChartPageView* boards = Show("ExTabSheet21");
    boards->Se->setValue(kDraws);
    boards->GoBt->click();
    const QImage all = boards->Picture();
    EXPECT_EQ(all.height(), boards->PictureSize().height());
    EXPECT_GE(all.height(), (kDraws / 4 - 1) * 200);
    EXPECT_EQ(boards->Tables().back() != nullptr, true);
}

TEST_F(ChartPageViews, ARightClickOnEverySurfaceOpensTheChartMenu)
{
    const auto opensMenu = [](TChartPageView* view, QWidget* target) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &click);
        const bool shown = view->ChartMenu()->isVisible();
        view->ChartMenu()->hide();
        return shown;
    };
    TChartPageView* grid = Show("ExTabSheet1");
    EXPECT_TRUE(opensMenu(grid, grid->Grid()->viewport()));
    TChartPageView* boards = Show("ExTabSheet18");
    EXPECT_TRUE(opensMenu(boards, boards->Tables()[0]));
    TChartPageView* bars = Show("TabSheet85");
    EXPECT_TRUE(opensMenu(bars, bars->Bars()));
    const QStringList captions{bars->ChartMenu()->actions()[0]->text(),
                               bars->ChartMenu()->actions()[1]->text()};
    EXPECT_EQ(captions.join(QLatin1Char('|')), QStringLiteral("保存图片…|导出表格…"));
}

TEST(ChartExport, RefusesAPictureTooLargeBeforeAskingForAFile)
{
    TScriptedDialogs dialogs;
    dialogs.ExpectMessage(QStringLiteral("图表太大（20000 × 6000 像素），无法保存为图片。"));
    bool painted = false;
    TChartSource source;
    source.PictureSize = [] { return QSize(20000, 6000); };
    source.Picture = [&painted] {
        painted = true;
        return QImage();
    };
    SaveChartPicture(dialogs, source);
    EXPECT_FALSE(painted);
    EXPECT_TRUE(dialogs.AllUsed());
}

TEST_F(ChartPageViews, StatisticsPageExplainsItsColumns)
{
    TChartPageView* view = Show("ExTabSheet13");
    ASSERT_NE(view->SmBt, nullptr);
    EXPECT_EQ(view->SmBt->text(), QStringLiteral("说明"));
    bool looked = false;
    program.Dialogs().ExpectModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("统计分析表 图表说明"));
        looked = true;
        return 0;
    });
    view->SmBt->click();
    EXPECT_TRUE(looked);
}

TEST_F(ChartPageViews, ANewHistoryRebuildsThePageInFrontAndTheOthersWhenShown)
{
    TChartPageView* front = Show("ExTabSheet9");
    TChartPageView* behind = View(*FindChartPage("ExTabSheet1"));
    Show("ExTabSheet1");
    Show("ExTabSheet9");
    const int behindBuilds = behind->BuildCount();

    const std::vector<std::string> lines = MakeDemoHistoryLines(60, 99);
    Form().SetHistory(ParseDrawText(lines).History);
    EXPECT_EQ(Shown(*front), DumpChartPage(front->Page(), Built(front->Page(), 30)));
    EXPECT_EQ(behind->BuildCount(), behindBuilds);
    Show("ExTabSheet1");
    EXPECT_EQ(Shown(*behind), DumpChartPage(behind->Page(), Built(behind->Page(), 30)));
}

TEST_F(ChartPageViews, ChartWindowsAreMadeOncePerButtonAndShowTheirPagesChart)
{
    TTuForm& gaps = Form().ChartWindow(QStringLiteral("tj6TuBt"));
    EXPECT_EQ(&Form().ChartWindow(QStringLiteral("tj6TuBt")), &gaps);
    TTuForm& positions = Form().ChartWindow(QStringLiteral("tj31TbBt"));
    EXPECT_NE(&positions, &gaps);
    EXPECT_EQ(Form().findChildren<TTuForm*>().size(), 2);
    EXPECT_TRUE(gaps.isVisible());
    EXPECT_EQ(gaps.windowTitle(), QStringLiteral("间距走势图"));
    EXPECT_EQ(positions.windowTitle(), QStringLiteral("按位分析图"));

    auto* grid = static_cast<TH3Net*>(positions.Grid());
    const ChartPage& page = *FindChartPage("ExTabSheet24");
    EXPECT_EQ(DumpTrendGrid(grid->Model()), DumpTrendGrid(Built(page, 30).Grid));
    positions.QiShuSe->setValue(5);
    positions.ReViewBt->click();
    EXPECT_EQ(DumpTrendGrid(grid->Model()), DumpTrendGrid(Built(page, 5).Grid));

    program.Dialogs().ExpectMessage(QStringLiteral("设置的查询期数超过总期数!!"));
    positions.QiShuSe->setValue(kDraws + 1);
    positions.ReViewBt->click();
    EXPECT_EQ(DumpTrendGrid(grid->Model()), DumpTrendGrid(Built(page, 5).Grid));

    // The buttons of the shrink pages open their windows.
    program.Find<QPushButton>(QStringLiteral("tj32TbBt"))->click();
    TTuForm& analysis = *program.Find<TTuForm>(QStringLiteral("tj32TbBtTuForm"));
    EXPECT_TRUE(analysis.isVisible());
    EXPECT_EQ(static_cast<TH3Net*>(analysis.Grid())->Model().FDynRows, 31);
    EXPECT_EQ(&Form().ChartWindow(QStringLiteral("tj32TbBt")), &analysis);
    EXPECT_EQ(analysis.windowTitle(), QStringLiteral("间距分析图"));
    for (TTuForm* window : Form().findChildren<TTuForm*>()) {
        window->hide();
    }
}

} // namespace
} // namespace quorvane::gui::test
