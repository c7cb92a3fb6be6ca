#pragma once

#include "grids/TrendGridView.h"

namespace quorvane::gui {

// The trend grid with horizontal scrolling too, for charts wider than the window: the horizontal
// position p (pixels) shifts every column left by p (FHOffset = -p); a page is FHPage pixels.
class TH3Net final : public TTrendGridView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TH3Net)

public:
    explicit TH3Net(QWidget* parent = nullptr);
    ~TH3Net() override;

    // Horizontal scroll offset in pixels (<= 0), added to every column's left edge.
    int FHOffset() const { return HOffset(); }
    // Horizontal page step in pixels (default 30).
    int FHPage() const { return HPage(); }
    void SetFHPage(int page) { SetHPage(page); }

signals:
    // Raised after every layout pass, with the grid as sender.
    void OnChange(quorvane::gui::TH3Net* sender);

private:
    void RaiseOnChange() override;
};

} // namespace quorvane::gui
