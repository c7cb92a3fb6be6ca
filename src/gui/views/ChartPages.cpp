#include "views/ChartPages.h"

#include <vector>

#include <QSpinBox>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/QtText.h"
#include "app/TuForm.h"
#include "app/ViewContext.h"
#include "charts/ChartCsv.h"
#include "grids/H3Net.h"
#include "views/ChartExport.h"
#include "views/ChartPageView.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

namespace {

const char* ControlName(ChartPageControl control)
{
    switch (control) {
    case ChartPageControl::GridPctl:
        return "GridPctl";
    case ChartPageControl::ChartPCtr:
        return "ChartPCtr";
    case ChartPageControl::FxPCtr:
        return "fxPCtr";
    }
    return "";
}

// The chart buttons of the shrink condition pages and the page each one shows in its window.
struct TChartButton
{
    const char* Button;
    const char* Page;
};
constexpr TChartButton kChartButtons[] = {
    {"tj6TuBt", "ExTabSheet23"},  // "间距走势图"
    {"tj31TbBt", "ExTabSheet24"}, // "按位分析图"
    {"tj32TbBt", "ExTabSheet25"}, // "间距分析图"
};

TH3Net* WindowGrid(TTuForm& window)
{
    return static_cast<TH3Net*>(window.Grid());
}

} // namespace

TPageControl* NewChartPageControl(TViewContext& context, ChartPageControl control, QWidget* parent)
{
    std::vector<TPageSpec> specs;
    std::vector<const ChartPage*> pages;
    for (const ChartPage& page : ChartPages()) {
        if (page.Control == control) {
            specs.push_back({page.ObjectName, page.Caption});
            pages.push_back(&page);
        }
    }
    auto* pageControl = new TPageControl(ControlName(control), specs.data(), specs.size(), parent);
    pageControl->setUsesScrollButtons(true);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        QWidget* pageWidget = pageControl->widget(static_cast<int>(i));
        NewFlatLayout(pageWidget)->addWidget(new TChartPageView(context, *pages[i], pageWidget));
    }
    return pageControl;
}

TPageControl* NewGridPctl(TViewContext& context, QWidget* parent)
{
    return NewChartPageControl(context, ChartPageControl::GridPctl, parent);
}

const ChartPage* ChartWindowPage(const QString& buttonName)
{
    for (const TChartButton& b : kChartButtons) {
        if (buttonName == QLatin1String(b.Button)) {
            return FindChartPage(b.Page);
        }
    }
    return nullptr;
}

TTuForm* NewChartWindow(TViewContext& context, const QString& buttonName, QWidget* owner)
{
    auto* window = new TTuForm(owner);
    window->setObjectName(buttonName + QStringLiteral("TuForm"));
    auto* grid = new TH3Net;
    grid->setObjectName(QStringLiteral("TuGrid"));
    window->SetGrid(grid);

    TChartSource source;
    const ChartPage* page = ChartWindowPage(buttonName);
    source.Name = page != nullptr ? ToQ(page->Caption) : window->windowTitle();
    source.PictureSize = [grid] { return WholeGridSize(grid->Model()); };
    source.Picture = [grid] { return WholeGridImage(grid->Model(), *grid); };
    source.Csv = [grid] { return TrendGridCsv(grid->Model()); };
    AttachChartMenu(NewChartMenu(window, context.Dialogs(), std::move(source)), grid->viewport());

    QObject::connect(window, &TTuForm::ReviewRequested, window,
                     [&context, window, buttonName] { BuildChartWindow(context, *window, buttonName); });
    return window;
}

void BuildChartWindow(TViewContext& context, TTuForm& window, const QString& buttonName)
{
    const ChartPage* page = ChartWindowPage(buttonName);
    if (page == nullptr) {
        return;
    }
    ChartModels models;
    const BuildResult result =
        page->Build(models, context.History(), window.QiShuSe->value(), kDefaultRotationStart);
    if (!result.Ok()) {
        context.Dialogs().ShowMessage(ToQ(result.Message));
        return;
    }
    TH3Net* grid = WindowGrid(window);
    grid->Clear();
    grid->SetModel(std::move(models.Grid));
    grid->Relayout();
}

} // namespace quorvane::gui
