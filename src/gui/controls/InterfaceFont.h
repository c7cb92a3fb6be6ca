#pragma once

#include <QFont>

namespace quorvane::gui {

// The program's font: 宋体 (SimSun) at 14 pixels where it is installed, otherwise the CJK font that
// scripts/deps installs (WenQuanYi Micro Hei), so Chinese captions never show as boxes. The
// application and the main window use it, the controls and grids inherit it from their host, and
// printing takes it at the print size.
QFont InterfaceFont();

} // namespace quorvane::gui
