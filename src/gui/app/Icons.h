#pragma once

#include <vector>

#include <QIcon>
#include <QRgb>
#include <QString>

class QPainter;

namespace quorvane::gui {

// The program's icons, drawn from a few shapes on a 64 x 64 canvas. The same shapes paint the icons
// the window uses and write the SVG file that is installed for the desktop, so both look alike.
struct TIconShape
{
    enum class Kind
    {
        Ellipse, // centre X, Y; radii W, H
        Rect,    // corner X, Y; size W, H; corner radius R
        Line,    // an open polyline through Points (x, y pairs)
        Polygon  // a closed polygon through Points
    };
    Kind What = Kind::Ellipse;
    double X = 0, Y = 0, W = 0, H = 0, R = 0;
    std::vector<double> Points;
    QRgb Fill = 0;   // qRgba; alpha 0 for no fill
    QRgb Stroke = 0; // alpha 0 for no outline
    double StrokeWidth = 0;
};

using TIconDrawing = std::vector<TIconShape>;

inline constexpr int kIconCanvas = 64;

// The program's own icon: a red and a blue ball on a card with a trend line.
const TIconDrawing& ProgramIconDrawing();
// The icon of a main tool-bar button by its object name ("GridMenuBt"); empty for another name.
const TIconDrawing& ToolIconDrawing(const QString& buttonName);

// Paints a drawing scaled to a square of the given side, antialiased.
void PaintIcon(QPainter& painter, const TIconDrawing& drawing, int side);
// The drawing as an icon with pixmaps of the usual sizes.
QIcon IconOf(const TIconDrawing& drawing);
QIcon ProgramIcon();
// The drawing as an SVG document of kIconCanvas units.
QString IconSvg(const TIconDrawing& drawing);

} // namespace quorvane::gui
