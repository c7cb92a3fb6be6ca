#include "views/PredictPanel.h"

#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/ViewContext.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

TPredictPanel::TPredictPanel(TViewContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("PridictPanel"));
    QVBoxLayout* layout = NewFlatLayout(this);
    PridictTbr = NewViewToolBar(this, QStringLiteral("PridictTbr"));
    layout->addWidget(PridictTbr);
    TuiMemo = NewMemo(this, QStringLiteral("TuiMemo"));
    TuiMemo->setStyleSheet(
        QStringLiteral("QPlainTextEdit#TuiMemo { background-color: rgb(241, 223, 205); }"));
    layout->addWidget(TuiMemo, 1);
}

} // namespace quorvane::gui
