#include "views/PredictPanel.h"

#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/ViewContext.h"

namespace quorvane::gui {

TPredictPanel::TPredictPanel(TViewContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("PridictPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    PridictTbr = new QToolBar(this);
    PridictTbr->setObjectName(QStringLiteral("PridictTbr"));
    PridictTbr->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout->addWidget(PridictTbr);
    TuiMemo = new QPlainTextEdit(this);
    TuiMemo->setObjectName(QStringLiteral("TuiMemo"));
    TuiMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TuiMemo->setStyleSheet(
        QStringLiteral("QPlainTextEdit#TuiMemo { background-color: rgb(241, 223, 205); }"));
    layout->addWidget(TuiMemo, 1);
}

} // namespace quorvane::gui
