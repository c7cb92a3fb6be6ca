#pragma once

#include <QWidget>

class QPlainTextEdit;
class QToolBar;

namespace quorvane::gui {

class TViewContext;

// The recommendation view (menu "号码推荐"): a tool bar of recommendation commands and the output
// memo TuiMemo.
class TPredictPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit TPredictPanel(TViewContext& context, QWidget* parent = nullptr);

    QToolBar* PridictTbr = nullptr;
    QPlainTextEdit* TuiMemo = nullptr;

private:
    TViewContext& m_context;
};

} // namespace quorvane::gui
