#include "views/ZoneSumPages.h"

#include "views/ChartPages.h"

namespace quorvane::gui {

TPageControl* NewChartPCtr(TViewContext& context, QWidget* parent)
{
    return NewChartPageControl(context, ChartPageControl::ChartPCtr, parent);
}

TPageControl* NewFxPCtr(TViewContext& context, QWidget* parent)
{
    return NewChartPageControl(context, ChartPageControl::FxPCtr, parent);
}

} // namespace quorvane::gui
