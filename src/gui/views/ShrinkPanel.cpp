#include "views/ShrinkPanel.h"

#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/ViewContext.h"

namespace quorvane::gui {

TShrinkPanel::TShrinkPanel(TViewContext& context, QMenu* levelMenu, QWidget* parent)
    : QWidget(parent)
    , PopupMenuCodeScale(levelMenu)
    , m_context(context)
{
    setObjectName(QStringLiteral("RcmPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    RcmPanelTbr = new QToolBar(this);
    RcmPanelTbr->setObjectName(QStringLiteral("RcmPanelTbr"));
    RcmPanelTbr->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout->addWidget(RcmPanelTbr);
    RcmPctl = new TPageControl("RcmPctl", kRcmPages, this);
    layout->addWidget(RcmPctl, 1);

    QWidget* resultPage = RcmPctl->Page(QStringLiteral("RcmSheet4"));
    auto* resultLayout = new QVBoxLayout(resultPage);
    resultLayout->setContentsMargins(0, 0, 0, 0);
    RcmMemo = new QPlainTextEdit(resultPage);
    RcmMemo->setObjectName(QStringLiteral("RcmMemo"));
    RcmMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultLayout->addWidget(RcmMemo);
}

void TShrinkPanel::ClearAllConditions(bool /*ask*/)
{
    // The condition pages hold no conditions of their own yet; the page clears join here.
}

} // namespace quorvane::gui
