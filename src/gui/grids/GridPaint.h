#pragma once

#include <string>
#include <utility>

#include <QColor>
#include <QFont>
#include <QRect>

#include "charts/Color.h"

class QPainter;
class QWidget;

// Drawing pieces shared by the chart grids.
namespace quorvane::gui {

// The Qt colour of a model colour (0x00BBGGRR); NoColor gives the fallback.
QColor ToQColor(TColor color, const QColor& noColor = QColor());

// The system window colour that NoColor stands for (the background of an unfilled cell).
QColor WindowColor(const QWidget& widget);

// The widget's font at a point size, bold or not: the grids' cell and label text.
QFont GridFont(const QWidget& widget, int pointSize, bool bold = true);

// Draws a cell text (UTF-8, lines split at CR LF) in the painter's font and pen: the block of
// lines is centred vertically in the rectangle and each line horizontally; the background stays
// as it is. The line height is the height of two wide (CJK) characters, so mixed Latin and
// Chinese lines are spaced alike.
void DrawCellText(QPainter& painter, const QRect& rect, const std::string& text);

// Draws a single line centred both ways in the rectangle, not clipped to it.
void DrawCentredLine(QPainter& painter, const QRect& rect, const QString& line);

// Replaces a grid's model; an incoming model without index-error hook keeps the current hook.
template <typename Model> void AdoptModel(Model& current, Model incoming)
{
    if (!incoming.OnIndexError) {
        incoming.OnIndexError = std::move(current.OnIndexError);
    }
    current = std::move(incoming);
}

} // namespace quorvane::gui
