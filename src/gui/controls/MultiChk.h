#pragma once

#include "controls/GlyphCellGrid.h"

namespace quorvane::gui {

// A row or block of check boxes, each with its caption to its right, read and written as one
// delimited line of the captions that are on. Pieces and captions are used exactly as they are
// (no trimming). A mouse hit or Space/Enter toggles a cell; a mouse hit raises OnChange, SetCheck
// does not.
class TMultiChk final : public TGlyphCellGrid
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMultiChk)

public:
    explicit TMultiChk(QWidget* parent = nullptr);
    ~TMultiChk() override;

    using TCheckCellGrid::CheckAll;
    using TCheckCellGrid::CheckedCount;
    using TCheckCellGrid::GetCaption;
    using TCheckCellGrid::GetCheck;
    using TCheckCellGrid::GetCheckedText;
    using TCheckCellGrid::IndexOfCaption;
    using TCheckCellGrid::SetCheck;
    using TCheckCellGrid::SetCheckedText;

signals:
    // The control's change event, raised with the control as sender.
    void OnChange(quorvane::gui::TMultiChk* sender);

private:
    void PressCell(int i) override;
    void ActivateFocusCell() override;
    void RaiseOnChange() override;
};

} // namespace quorvane::gui
