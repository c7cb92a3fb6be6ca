#include "views/ChartPages.h"

namespace quorvane::gui {

TPageControl* NewGridPctl(QWidget* parent)
{
    auto* pages = new TPageControl("GridPctl", kGridPages, parent);
    pages->setUsesScrollButtons(true);
    return pages;
}

} // namespace quorvane::gui
