#include "app/CodeViewForm.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "views/ViewParts.h"

namespace quorvane::gui {

TCodeViewForm::TCodeViewForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("CodeViewForm"));
    setWindowTitle(QStringLiteral("查看缩水结果"));
    resize(520, 420);
    Memo = NewMemo(this, QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    NewFlatLayout(this)->addWidget(Memo);
}

} // namespace quorvane::gui
