#include "app/SmForm.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quorvane::gui {

TSmForm::TSmForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SmForm"));
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(Memo);
}

} // namespace quorvane::gui
