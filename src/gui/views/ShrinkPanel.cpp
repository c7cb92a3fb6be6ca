#include "views/ShrinkPanel.h"

#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/ViewContext.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

TShrinkPanel::TShrinkPanel(TViewContext& context, QMenu* levelMenu, QWidget* parent)
    : QWidget(parent)
    , PopupMenuCodeScale(levelMenu)
    , m_context(context)
{
    setObjectName(QStringLiteral("RcmPanel"));
    QVBoxLayout* layout = NewFlatLayout(this);
    RcmPanelTbr = NewViewToolBar(this, QStringLiteral("RcmPanelTbr"));
    layout->addWidget(RcmPanelTbr);
    RcmPctl = new TPageControl("RcmPctl", kRcmPages, this);
    layout->addWidget(RcmPctl, 1);

    QWidget* resultPage = RcmPctl->Page(QStringLiteral("RcmSheet4"));
    RcmMemo = NewMemo(resultPage, QStringLiteral("RcmMemo"));
    NewFlatLayout(resultPage)->addWidget(RcmMemo);
}

void TShrinkPanel::ClearAllConditions(bool /*ask*/)
{
    // The condition pages hold no conditions of their own yet; the page clears join here.
}

} // namespace quorvane::gui
