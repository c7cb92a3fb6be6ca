#pragma once

#include "controls/GlyphCellGrid.h"

namespace quorvane::gui {

// A row or block of radio buttons, each with its caption to its right; at most one cell is on. A
// mouse hit or Space/Enter turns every cell off and the chosen one on; a mouse hit does not raise
// OnChange.
class TMultiRadio final : public TGlyphCellGrid
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMultiRadio)

public:
    explicit TMultiRadio(QWidget* parent = nullptr);
    ~TMultiRadio() override;

signals:
    // The control's change event, raised with the control as sender.
    void OnChange(quorvane::gui::TMultiRadio* sender);

private:
    void PressCell(int i) override;
    void ActivateFocusCell() override;
    void RaiseOnChange() override;
};

} // namespace quorvane::gui
