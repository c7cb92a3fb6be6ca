#include "controls/MultiRadio.h"

namespace quorvane::gui {

TMultiRadio::TMultiRadio(QWidget* parent)
    : TGlyphCellGrid(parent, QStyle::PE_IndicatorRadioButton, false)
{
}

TMultiRadio::~TMultiRadio() = default;

void TMultiRadio::PressCell(int i)
{
    SelectOnly(i);
}

void TMultiRadio::ActivateFocusCell()
{
    SelectOnly(FocusIndex());
}

void TMultiRadio::RaiseOnChange()
{
    emit OnChange(this);
}

} // namespace quorvane::gui
