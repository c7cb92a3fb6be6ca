#include "app/Application.h"

#include "app/ErrorReport.h"

namespace quorvane::gui {

QFont ProgramFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC")});
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
