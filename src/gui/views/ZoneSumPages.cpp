#include "views/ZoneSumPages.h"

namespace quorvane::gui {

TPageControl* NewChartPCtr(QWidget* parent)
{
    return new TPageControl("ChartPCtr", kChartPCtrPages, parent);
}

TPageControl* NewFxPCtr(QWidget* parent)
{
    return new TPageControl("fxPCtr", kFxPCtrPages, parent);
}

} // namespace quorvane::gui
