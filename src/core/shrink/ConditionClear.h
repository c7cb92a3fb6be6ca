#pragma once

#include <array>

#include "shrink/ShrinkConditions.h"

// Resetting the conditions: each condition page has a "清除条件" button that puts its controls back
// to their start values, and the clear-all runs every page clear in the order of the table below.

namespace quorvane {

inline constexpr const char* kClearAllQuestion = "你确定要清除全部条件设置，继续吗？点 YES 确定执行清除。";

enum class ConditionPage
{
    SelectionRed,    // tjxhQingchu1Bt: "选号范围", red selector
    SelectionBlue,   // tjxhQingchu2Bt: "选号范围", blue selector
    Regular,         // tjcgQingchuBt: "常规缩水"
    Page1,           // tj1QingchuBt: "条件一"
    Page2,           // tj2QingchuBt: "条件二"
    Page3Positions,  // tj31QingchuBt: "条件三", positions
    Page3Gaps,       // tj32QingchuBt: "条件三", gaps
    Page4Tails,      // tj41QingchuBt: "条件四", tails
    Page4Groups,     // tj42QingchuBt: "条件四", groups
    Page5,           // tj5QingchuBt: "条件五"
    Page6,           // tj6QingchuBt: "条件六"
    ConditionShrink, // tjtjQingchuBt: "条件缩水"
    OwnNumbers,      // tjzxQingchuBt: "自选号码"
    Other,           // tjqtQingchuBt: "其他设置"
};

struct ConditionClearButton
{
    const char* Name; // the button's object name
    ConditionPage Page;
};

// The fourteen clear buttons in the order in which the clear-all runs them.
const std::array<ConditionClearButton, 14>& ConditionClearButtons();

// Puts the controls of one page back to their start values; the controls that no clear resets (the
// selectors and killed-tail edits of the hidden pages, Sel3DCodeLbx, the run pickers of "条件缩水",
// the sum range of "自选号码", the memo and picker of "其他设置") keep theirs.
void ClearConditionPage(ShrinkConditions& conditions, ConditionPage page);

// Every page clear in the order of ConditionClearButtons.
void ClearAllConditions(ShrinkConditions& conditions);

} // namespace quorvane
