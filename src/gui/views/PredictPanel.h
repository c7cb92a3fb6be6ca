#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "history/DrawHistory.h"
#include "recommend/RecommendResult.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace quorvane::gui {

class TViewContext;

// The recommendation view (menu "号码推荐"): a tool bar of recommendation commands and the output
// memo TuiMemo. Each command computes its recommendation from the draw history and replaces the
// memo's lines with it; a command that cannot run shows why and leaves the memo and the status bar
// as they were. The memo's lines can be exported to a text file and printed.
class TPredictPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit TPredictPanel(TViewContext& context, QWidget* parent = nullptr);

    QToolBar* PridictTbr = nullptr;
    QAction* RcmLmBt = nullptr;
    QAction* RcmRmBt = nullptr;
    QAction* RcmBcmBt = nullptr;
    QAction* RcmDmBt = nullptr;
    QAction* RcmDzBt = nullptr;
    QAction* RcmFsBt = nullptr;
    QAction* TuiWeiNumRcmBt = nullptr;
    QAction* RcmQiOuBiBt = nullptr;
    QAction* AreaSumRcmBt = nullptr;
    QAction* RcmExportBt = nullptr;
    QAction* RcmPrintBt = nullptr;
    QPlainTextEdit* TuiMemo = nullptr;

    // The pop-up menu of "复式预测" and its three items.
    QMenu* RcmFsMenu = nullptr;
    QAction* RcmFsMenuR2 = nullptr;
    QAction* RcmFsMenuR20 = nullptr;
    QAction* RcmFsMenu30 = nullptr;
    // The pop-up menu of "和值推荐" and its three items, one per zone.
    QMenu* AreaPopupMenu = nullptr;
    QAction* AreaSumRcmBt1 = nullptr;
    QAction* AreaSumRcmBt2 = nullptr;
    QAction* AreaSumRcmBt3 = nullptr;

    // The memo's lines, as export and print take them: an empty memo has none, and an empty last
    // line is a line.
    std::vector<std::string> MemoLines() const;

    // The commands. Those that need more draws than the history holds throw UserError with the
    // text to show; the tool bar shows it in the error box.
    void RcmLmBtClick();
    void RcmRmBtClick();
    void RcmBcmBtClick();
    void RcmDmBtClick();
    void RcmDzBtClick();
    void RcmFsBtClick();
    void RcmFsMenuR2Click();
    void RcmFsMenuR20Click();
    void RcmFsMenu30Click();
    void TuiWeiNumRcmBtClick();
    void RcmQiOuBiBtClick();
    void AreaSumRcmBtClick();
    void AreaSumRcmBt1Click();
    void AreaSumRcmBt2Click();
    void AreaSumRcmBt3Click();
    void RcmExportBtClick();
    void RcmPrintBtClick();

private:
    using Recommendation = std::function<RecommendResult(const DrawHistory&)>;

    void CreateToolBar();
    void CreatePopupMenus();
    // Runs a recommendation and shows its lines and its status text (if it has one).
    void ShowRecommendation(const Recommendation& recommend);
    // As ShowRecommendation, for the commands that report too few draws in a plain message box.
    void ShowRecommendationOrMessage(const Recommendation& recommend);

    TViewContext& m_context;
};

} // namespace quorvane::gui
