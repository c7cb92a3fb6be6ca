#pragma once

#include <vector>

#include "views/ConditionPageSpec.h"

namespace quorvane::gui {

// The descriptions of the visible condition pages of the shrink panel, in page order: "选号范围",
// "条件一" .. "条件六", "条件缩水" and "常规缩水".
std::vector<TPageSpecification> VisibleConditionPages();

// The descriptions of the pages whose tabs are hidden: "尾数行列", "赚钱机器", "赢钱法宝", "匹配",
// "自选号码", "其他设置", "自选号码x" and "分区缩水x".
std::vector<TPageSpecification> HiddenConditionPages();

// What a chart button of a condition page does: show a page of the chart area, open the chart
// window named after the button, or show the recommendation view.
enum class TJumpKind
{
    GridPage,
    ChartWindow,
    PredictView
};

struct TJumpButton
{
    const char* Name;
    TJumpKind Kind;
    int GridPage; // for GridPage
};

const std::vector<TJumpButton>& ConditionJumpButtons();

} // namespace quorvane::gui
