#pragma once

#include "grids/TrendGridView.h"

namespace quorvane::gui {

// The read-only trend grid every trend chart and statistics table is drawn on: fixed header rows,
// body rows scrolled row by row with a vertical scroll bar, merged header spans painted on top.
// Scrolling takes the keyboard focus.
class TH2Net final : public TTrendGridView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TH2Net)

public:
    explicit TH2Net(QWidget* parent = nullptr);
    ~TH2Net() override;

signals:
    // Raised after every layout pass, with the grid as sender.
    void OnChange(quorvane::gui::TH2Net* sender);

private:
    void RaiseOnChange() override;
};

} // namespace quorvane::gui
