#pragma once

#include "grids/TrendGridView.h"

namespace quorvane::gui {

// The trend grid as the drawn backdrop of a condition panel: a fixed-size grid of tall rows with
// row and column labels, over whose cells the panel places its controls. Differs from TH2Net in
// its origin (added to every edge), the count of visible rows, text sizes (11 points except the
// last visible body row, which uses FFontSize), a layout pass only while parented, and scrolling
// that does not take the focus.
class TDataViewNet final : public TTrendGridView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDataViewNet)

public:
    explicit TDataViewNet(QWidget* parent = nullptr);
    ~TDataViewNet() override;

    // Added to every column's left edge (x) and every row's top edge (y); default (0, 0).
    QPoint FOrigin() const { return Origin(); }
    // Stores the origin; run Relayout() afterwards.
    void SetFOrigin(QPoint origin) { SetOrigin(origin); }

signals:
    // Raised after every layout pass, with the grid as sender.
    void OnChange(quorvane::gui::TDataViewNet* sender);

private:
    void RaiseOnChange() override;
};

} // namespace quorvane::gui
