#pragma once

class QWidget;

namespace quorvane::gui {

class TViewContext;

// The behaviour of the pages whose tabs are hidden, wired to their controls by object name: the
// row and column checks of the selector boards, the code-set list editors with their load-back,
// the health checks into the report window, and the fills of the fault-tolerant filter's memo.
void ConnectHiddenPages(QWidget* panel, TViewContext& context);

} // namespace quorvane::gui
