#pragma once

#include "views/PageControl.h"

namespace quorvane::gui {

// The zone ratio and zone-sum trend charts (menu "常用图表(&G)").
inline constexpr TPageSpec kChartPCtrPages[] = {
    {"TabSheet30", "三区比例图"},
    {"TabSheet31", "一区和值图"},
    {"TabSheet32", "二区和值图"},
    {"TabSheet33", "三区和值图"},
};

// The zone-sum frequency and omission charts (menu "数据分析(&D)").
inline constexpr TPageSpec kFxPCtrPages[] = {
    {"TabSheet81", "一区和值频率图"}, {"TabSheet82", "一区和值遗漏图"}, {"TabSheet83", "二区和值频率图"},
    {"TabSheet84", "二区和值遗漏图"}, {"TabSheet85", "三区和值频率图"}, {"TabSheet86", "三区和值遗漏图"},
};

TPageControl* NewChartPCtr(QWidget* parent);
TPageControl* NewFxPCtr(QWidget* parent);

} // namespace quorvane::gui
