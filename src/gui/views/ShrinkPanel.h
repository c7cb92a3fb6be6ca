#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "base/TicketPool.h"
#include "shrink/ConditionClear.h"
#include "views/PageControl.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace quorvane::gui {

class TColorMChk;
class TConditionBinder;
class TViewContext;

// The condition pages of the shrink panel, in page order. The pages with hidden tabs exist with
// their controls, but no command shows them; a loaded condition file sets them.
inline constexpr TPageSpec kRcmPages[] = {
    {"ssTb0Sheet", "选号范围"},       {"ScalC1Tab", "条件一"},          {"ScalC2Tab", "条件二"},
    {"ScalC3Tab", "条件三"},          {"ScalC4Tab", "条件四"},          {"ScalC5Tab", "条件五"},
    {"ScalC6Tab", "条件六"},          {"RcmSheet1", "条件缩水"},        {"ssTb8Sheet", "常规缩水"},
    {"RcmSheet4", "缩水结果"},        {"wshlSheet", "尾数行列", true},  {"zqjqSheet", "赚钱机器", true},
    {"yqfbSheet", "赢钱法宝", true},  {"SelCodeSheet", "匹配", true},   {"ssTb3Sheet", "自选号码", true},
    {"ssTb4Sheet", "其他设置", true}, {"RcmSheet2", "自选号码x", true}, {"RcmSheet3", "分区缩水x", true},
};

// The shrink panel (menu "超强缩水(&T)"): its tool bar, the page control RcmPctl with the condition
// pages, and the result memo RcmMemo on the page "缩水结果". The pages are built from their
// descriptions and bound to ShrinkConditions through one binder; every command reads the
// conditions through it and leaves the work to core.
class TShrinkPanel final : public QWidget
{
    Q_OBJECT

public:
    // levelMenu: the pop-up menu of the twenty shrink levels ("第1级智能缩水号码" ...), made at
    // start-up; its items run the level shrink of the result.
    TShrinkPanel(TViewContext& context, QMenu* levelMenu, QWidget* parent = nullptr);
    ~TShrinkPanel() override;

    QToolBar* RcmPanelTbr = nullptr;
    QAction* RcmPanelScaleBt = nullptr;
    QAction* RcmPanelImportBindsBt = nullptr;
    QAction* RcmPanelExportBindsBt = nullptr;
    QAction* RcmPanelClearBindsBt = nullptr;
    QAction* RcmPanelExportBt = nullptr;
    QAction* RcmPanelPrintBt = nullptr;
    QAction* RcmPanelViewCodeBt = nullptr;
    QAction* RcmPanelCheckBt = nullptr;
    QAction* RcmPanelCodeAwardBt = nullptr;
    QAction* RcmPanelCodeScaleBt = nullptr;
    QAction* RcmPanelCodeRcmBt = nullptr;
    TPageControl* RcmPctl = nullptr;
    QPlainTextEdit* RcmMemo = nullptr;
    QMenu* PopupMenuCodeScale = nullptr;
    QMenu* CodeRcmMenu = nullptr;
    TColorMChk* ssTb0MChk = nullptr;
    TColorMChk* ssTb0BChk = nullptr;
    QLabel* ssTb0SheetGbx1Lbl = nullptr;
    QLabel* ssTb0SheetGbx2Lbl = nullptr;
    QLabel* SameTailCountLbl = nullptr;

    // The binding of every condition control to ShrinkConditions.
    TConditionBinder& Binder() { return *m_binder; }

    // Resets every shrink condition to its start value; asks first when ask is true (start-up
    // does not ask).
    void ClearAllConditions(bool ask);

    // The check item that shows or hides the tabs of the hidden pages: takes its state from the
    // program's settings (hidden when never chosen) and remembers every change there.
    void BindAllPagesItem(QAction* item);
    void ShowAllPages(bool show);

    // The commands of the tool bar.
    void RcmPanelScaleBtClick();
    void RcmPanelImportBindsBtClick();
    void RcmPanelExportBindsBtClick();
    void RcmPanelClearBindsBtClick();
    void RcmPanelExportBtClick();
    void RcmPanelPrintBtClick();
    void RcmPanelViewCodeBtClick();
    void RcmPanelCheckBtClick();
    void RcmPanelCodeAwardBtClick();
    void RcmPanelCodeScaleBtClick();
    void RcmPanelCodeRcmBtClick();
    // The level shrink of level 1..20 (the items of PopupMenuCodeScale).
    void LevelShrink(int level);

    // The pool and flags of the last run, read by the prize check, the export and the level shrink.
    const TicketPool& Pool() const { return m_pool; }
    const SurvivorFlags& Flags() const { return m_flags; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateToolBar();
    void CreatePopupMenus();
    void BuildPages();
    void ConnectPageButtons();
    void ConnectQuickPicks();
    void ClearPage(ConditionPage page);
    void UpdateSelectionLabels();
    void UpdateSameTailLabel();
    void ShowResultPage();

    TViewContext& m_context;
    TConditionBinder* m_binder = nullptr;
    TicketPool m_pool;
    SurvivorFlags m_flags;
};

} // namespace quorvane::gui
