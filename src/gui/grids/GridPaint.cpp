#include "grids/GridPaint.h"

#include <QPainter>
#include <QWidget>

#include "app/QtText.h"
#include "text/SplitText.h"

namespace quorvane::gui {

QColor ToQColor(TColor color, const QColor& noColor)
{
    if (color == NoColor) {
        return noColor;
    }
    return {RedOf(color), GreenOf(color), BlueOf(color)};
}

QColor WindowColor(const QWidget& widget)
{
    return widget.palette().color(QPalette::Base);
}

QFont GridFont(const QWidget& widget, int pointSize, bool bold)
{
    QFont font = widget.font();
    if (pointSize > 0) {
        font.setPointSize(pointSize);
    }
    font.setBold(bold);
    return font;
}

void DrawCentredLine(QPainter& painter, const QRect& rect, const QString& line)
{
    painter.drawText(rect, Qt::AlignCenter | Qt::TextDontClip | Qt::TextSingleLine, line);
}

void DrawCellText(QPainter& painter, const QRect& rect, const std::string& text)
{
    if (text.empty()) {
        return;
    }
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.empty()) {
        return;
    }
    const int lineHeight = painter.fontMetrics().boundingRect(QStringLiteral("汉字")).height();
    const int blockHeight = lineHeight * static_cast<int>(lines.size());
    int top = rect.top() + (rect.height() - blockHeight) / 2;
    for (const std::string& line : lines) {
        DrawCentredLine(painter, QRect(rect.left(), top, rect.width(), lineHeight), ToQ(line));
        top += lineHeight;
    }
}

} // namespace quorvane::gui
