#pragma once

#include <QFont>

namespace quorvane::gui {

// The interface font of the program: 宋体 (SimSun) where it is installed, otherwise the CJK font that
// scripts/deps installs (WenQuanYi Micro Hei), so Chinese captions never show as boxes. The main
// window sets it as the application font; the controls and grids inherit it from their host.
QFont InterfaceFont(int pointSize = 9);

// The interface font at a point size, bold or not: the cell text of the grids.
QFont InterfaceFont(int pointSize, bool bold);

} // namespace quorvane::gui
