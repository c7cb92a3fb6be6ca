#include "grids/H3Net.h"

namespace quorvane::gui {

TH3Net::TH3Net(QWidget* parent)
    : TTrendGridView(parent, TKind::Wide)
{
}

TH3Net::~TH3Net() = default;

void TH3Net::RaiseOnChange()
{
    emit OnChange(this);
}

} // namespace quorvane::gui
