#pragma once

#include "views/PageControl.h"

namespace quorvane::gui {

class TViewContext;

// The zone ratio and zone-sum trend charts (menu "常用图表(&G)").
TPageControl* NewChartPCtr(TViewContext& context, QWidget* parent);
// The zone-sum frequency and omission charts (menu "数据分析(&D)").
TPageControl* NewFxPCtr(TViewContext& context, QWidget* parent);

} // namespace quorvane::gui
