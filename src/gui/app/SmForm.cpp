#include "app/SmForm.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "views/ViewParts.h"

namespace quorvane::gui {

TSmForm::TSmForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SmForm"));
    resize(640, 480);
    Memo = NewMemo(this, QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    NewFlatLayout(this)->addWidget(Memo);
}

} // namespace quorvane::gui
