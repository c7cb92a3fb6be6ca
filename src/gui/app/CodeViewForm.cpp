#include "app/CodeViewForm.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quorvane::gui {

TCodeViewForm::TCodeViewForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("CodeViewForm"));
    setWindowTitle(QStringLiteral("查看缩水结果"));
    resize(520, 420);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    layout->addWidget(Memo);
}

} // namespace quorvane::gui
