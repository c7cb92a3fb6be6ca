#include "controls/MultiChk.h"

namespace quorvane::gui {

TMultiChk::TMultiChk(QWidget* parent)
    : TGlyphCellGrid(parent, QStyle::PE_IndicatorCheckBox, false)
{
}

TMultiChk::~TMultiChk() = default;

void TMultiChk::PressCell(int i)
{
    ToggleCell(i);
    RaiseOnChange();
}

void TMultiChk::ActivateFocusCell()
{
    ToggleCell(FocusIndex());
}

void TMultiChk::RaiseOnChange()
{
    emit OnChange(this);
}

} // namespace quorvane::gui
