#include "grids/H2Net.h"

namespace quorvane::gui {

TH2Net::TH2Net(QWidget* parent)
    : TTrendGridView(parent, TKind::Trend)
{
}

TH2Net::~TH2Net() = default;

void TH2Net::RaiseOnChange()
{
    emit OnChange(this);
}

} // namespace quorvane::gui
