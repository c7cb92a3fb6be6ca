#include "app/Application.h"

#include "app/ErrorReport.h"
#include "controls/InterfaceFont.h"

namespace quorvane::gui {

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setFont(InterfaceFont());
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace quorvane::gui
