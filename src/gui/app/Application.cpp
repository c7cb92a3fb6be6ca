#include "app/Application.h"

#include "app/ErrorReport.h"
#include "controls/InterfaceFont.h"

namespace quorvane::gui {

QFont ProgramFont()
{
    // The main window's font: the interface font at 14 pixels.
    QFont font = InterfaceFont();
    font.setPixelSize(14);
    return font;
}

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setFont(ProgramFont());
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace quorvane::gui
