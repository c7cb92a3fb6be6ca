#include "app/MainForm.h"

#include <QApplication>

#include "app/QtText.h"

namespace quorvane::gui {

QString MainCaption()
{
    return QStringLiteral("Quorvane  V2010  ") + ToQ("技术支持: ") + ToQ(kSupportContact);
}

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(MainCaption());
    resize(812, 566);
    setMinimumSize(300, 300);
}

} // namespace quorvane::gui
