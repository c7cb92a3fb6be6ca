#include "grids/DataNet.h"

namespace quorvane::gui {

TDataViewNet::TDataViewNet(QWidget* parent)
    : TTrendGridView(parent, TKind::DataView)
{
}

TDataViewNet::~TDataViewNet() = default;

void TDataViewNet::RaiseOnChange()
{
    emit OnChange(this);
}

} // namespace quorvane::gui
