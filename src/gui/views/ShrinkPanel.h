#pragma once

#include <QWidget>

#include "views/PageControl.h"

class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace quorvane::gui {

class TViewContext;

// The condition pages of the shrink panel, in page order. The pages with hidden tabs exist with
// their controls, but no command shows them; a loaded condition file sets them.
inline constexpr TPageSpec kRcmPages[] = {
    {"ssTb0Sheet", "选号范围"},       {"tj1Sheet", "条件一"},           {"tj2Sheet", "条件二"},
    {"tj3Sheet", "条件三"},           {"tj4Sheet", "条件四"},           {"tj5Sheet", "条件五"},
    {"tj6Sheet", "条件六"},           {"RcmSheet1", "条件缩水"},        {"ssTb8Sheet", "常规缩水"},
    {"RcmSheet4", "缩水结果"},        {"wshlSheet", "尾数行列", true},  {"zqjqSheet", "赚钱机器", true},
    {"yqfbSheet", "赢钱法宝", true},  {"SelCodeSheet", "匹配", true},   {"ssTb3Sheet", "自选号码", true},
    {"ssTb4Sheet", "其他设置", true}, {"RcmSheet2", "自选号码x", true}, {"RcmSheet3", "分区缩水x", true},
};

// The shrink panel (menu "超强缩水(&T)"): its tool bar, the page control RcmPctl with the condition
// pages, and the result memo RcmMemo on the page "缩水结果".
class TShrinkPanel final : public QWidget
{
    Q_OBJECT

public:
    // levelMenu: the pop-up menu of the twenty shrink levels ("第1级智能缩水号码" ...), made at
    // start-up; its items run the level shrink of the result.
    TShrinkPanel(TViewContext& context, QMenu* levelMenu, QWidget* parent = nullptr);

    QToolBar* RcmPanelTbr = nullptr;
    TPageControl* RcmPctl = nullptr;
    QPlainTextEdit* RcmMemo = nullptr;
    QMenu* PopupMenuCodeScale = nullptr;

    // Resets every shrink condition to its start value; asks first when ask is true (start-up
    // does not ask).
    void ClearAllConditions(bool ask);

private:
    TViewContext& m_context;
};

} // namespace quorvane::gui
