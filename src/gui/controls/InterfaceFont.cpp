#include "controls/InterfaceFont.h"

#include <QStringList>

namespace quorvane::gui {

QFont InterfaceFont()
{
    QFont font;
    // Qt takes the first family that is installed, per character, so the CJK fallbacks also cover
    // a SimSun without some glyph.
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(14);
    return font;
}

} // namespace quorvane::gui
