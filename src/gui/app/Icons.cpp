#include "app/Icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace quorvane::gui {

namespace {

using Kind = TIconShape::Kind;

constexpr QRgb kNone = 0;
constexpr QRgb kRed = qRgba(0xD7, 0x26, 0x2C, 255);
constexpr QRgb kDarkRed = qRgba(0x8E, 0x14, 0x18, 255);
constexpr QRgb kBlue = qRgba(0x1F, 0x5F, 0xBF, 255);
constexpr QRgb kDarkBlue = qRgba(0x12, 0x3A, 0x78, 255);
constexpr QRgb kGreen = qRgba(0x2E, 0x8B, 0x57, 255);
constexpr QRgb kGold = qRgba(0xF2, 0xB1, 0x1B, 255);
constexpr QRgb kPaper = qRgba(0xFF, 0xFB, 0xF2, 255);
constexpr QRgb kInk = qRgba(0x44, 0x4B, 0x55, 255);
constexpr QRgb kGrey = qRgba(0xB8, 0xBE, 0xC6, 255);
constexpr QRgb kShine = qRgba(0xFF, 0xFF, 0xFF, 150);
constexpr QRgb kWhite = qRgba(0xFF, 0xFF, 0xFF, 255);

TIconShape Ellipse(double cx, double cy, double rx, double ry, QRgb fill, QRgb stroke = kNone, double width = 0)
{
    TIconShape s;
    s.What = Kind::Ellipse;
    s.X = cx;
    s.Y = cy;
    s.W = rx;
    s.H = ry;
    s.Fill = fill;
    s.Stroke = stroke;
    s.StrokeWidth = width;
    return s;
}

TIconShape Circle(double cx, double cy, double r, QRgb fill, QRgb stroke = kNone, double width = 0)
{
    return Ellipse(cx, cy, r, r, fill, stroke, width);
}

TIconShape Rect(double x, double y, double w, double h, double radius, QRgb fill, QRgb stroke = kNone,
                double width = 0)
{
    TIconShape s;
    s.What = Kind::Rect;
    s.X = x;
    s.Y = y;
    s.W = w;
    s.H = h;
    s.R = radius;
    s.Fill = fill;
    s.Stroke = stroke;
    s.StrokeWidth = width;
    return s;
}

TIconShape Line(std::vector<double> points, QRgb stroke, double width)
{
    TIconShape s;
    s.What = Kind::Line;
    s.Points = std::move(points);
    s.Stroke = stroke;
    s.StrokeWidth = width;
    return s;
}

TIconShape Polygon(std::vector<double> points, QRgb fill, QRgb stroke = kNone, double width = 0)
{
    TIconShape s;
    s.What = Kind::Polygon;
    s.Points = std::move(points);
    s.Fill = fill;
    s.Stroke = stroke;
    s.StrokeWidth = width;
    return s;
}

// A ball with its shine.
void AddBall(TIconDrawing& d, double cx, double cy, double r, QRgb fill, QRgb edge)
{
    d.push_back(Circle(cx, cy, r, fill, edge, 2));
    d.push_back(Ellipse(cx - r * 0.35, cy - r * 0.4, r * 0.32, r * 0.22, kShine));
}

TIconDrawing MakeProgramIcon()
{
    TIconDrawing d;
    d.push_back(Rect(4, 6, 56, 52, 9, kPaper, kInk, 2.5));
    d.push_back(Line({10, 44, 20, 36, 30, 40, 40, 24, 54, 16}, kGreen, 3));
    AddBall(d, 24, 26, 13, kRed, kDarkRed);
    AddBall(d, 43, 41, 10, kBlue, kDarkBlue);
    return d;
}

TIconDrawing Document()
{
    TIconDrawing d;
    d.push_back(Polygon({14, 6, 40, 6, 52, 18, 52, 58, 14, 58}, kPaper, kInk, 2.5));
    d.push_back(Polygon({40, 6, 40, 18, 52, 18}, kGrey, kInk, 2));
    for (double y : {26.0, 34.0, 42.0, 50.0}) {
        d.push_back(Line({21, y, 45, y}, kBlue, 3));
    }
    return d;
}

TIconDrawing BarChart()
{
    TIconDrawing d;
    d.push_back(Line({8, 6, 8, 56, 58, 56}, kInk, 3));
    d.push_back(Rect(14, 34, 9, 20, 1, kRed));
    d.push_back(Rect(28, 20, 9, 34, 1, kBlue));
    d.push_back(Rect(42, 28, 9, 26, 1, kGreen));
    return d;
}

TIconDrawing LineChart()
{
    TIconDrawing d;
    d.push_back(Rect(6, 8, 52, 48, 3, kPaper, kInk, 2.5));
    for (double y : {20.0, 32.0, 44.0}) {
        d.push_back(Line({8, y, 56, y}, kGrey, 1.5));
    }
    d.push_back(Line({10, 46, 22, 30, 32, 38, 44, 16, 54, 24}, kRed, 3.5));
    d.push_back(Circle(44, 16, 3.5, kRed));
    return d;
}

TIconDrawing Funnel()
{
    TIconDrawing d;
    d.push_back(Polygon({6, 8, 58, 8, 38, 32, 38, 54, 26, 60, 26, 32}, kGold, kInk, 2.5));
    d.push_back(Circle(20, 16, 4, kRed));
    d.push_back(Circle(32, 16, 4, kRed));
    d.push_back(Circle(44, 16, 4, kBlue));
    return d;
}

TIconDrawing Star()
{
    TIconDrawing d;
    d.push_back(Polygon({32, 4, 39.5, 23, 60, 24, 44, 37, 49.5, 58, 32, 46, 14.5, 58, 20, 37, 4, 24, 24.5, 23},
                        kGold, kDarkRed, 2.5));
    d.push_back(Circle(32, 31, 7, kRed));
    return d;
}

TIconDrawing PieChart()
{
    TIconDrawing d;
    d.push_back(Circle(30, 34, 24, kBlue, kInk, 2.5));
    // A wedge cut out and moved off the disc.
    d.push_back(Polygon({36, 28, 36, 4, 44, 5.5, 51, 9, 56.5, 14.5, 60, 21, 60, 28}, kRed, kInk, 2.5));
    d.push_back(Line({30, 34, 30, 10}, kWhite, 2));
    d.push_back(Line({30, 34, 53, 42}, kWhite, 2));
    return d;
}

TIconDrawing Magnifier()
{
    TIconDrawing d;
    d.push_back(Line({38, 38, 58, 58}, kInk, 8));
    d.push_back(Circle(26, 26, 19, kPaper, kInk, 4));
    d.push_back(Rect(16, 26, 5, 10, 1, kRed));
    d.push_back(Rect(24, 18, 5, 18, 1, kBlue));
    d.push_back(Rect(32, 22, 5, 14, 1, kGreen));
    return d;
}

TIconDrawing Globe()
{
    TIconDrawing d;
    d.push_back(Circle(32, 32, 26, qRgba(0xD6, 0xEA, 0xFF, 255), kBlue, 3));
    d.push_back(Ellipse(32, 32, 11, 26, kNone, kBlue, 2.5));
    d.push_back(Line({6, 32, 58, 32}, kBlue, 2.5));
    d.push_back(Line({11, 19, 53, 19}, kBlue, 2));
    d.push_back(Line({11, 45, 53, 45}, kBlue, 2));
    return d;
}

TIconDrawing Info()
{
    TIconDrawing d;
    d.push_back(Circle(32, 32, 27, kGreen, qRgba(0x1B, 0x5E, 0x3A, 255), 2.5));
    d.push_back(Circle(32, 18, 4.5, kWhite));
    d.push_back(Rect(27.5, 27, 9, 24, 2, kWhite));
    return d;
}

TIconDrawing Exit()
{
    TIconDrawing d;
    d.push_back(Circle(32, 32, 27, kRed, kDarkRed, 2.5));
    d.push_back(Line({21, 21, 43, 43}, kWhite, 6));
    d.push_back(Line({43, 21, 21, 43}, kWhite, 6));
    return d;
}

QColor ColorOf(QRgb rgba)
{
    return QColor::fromRgba(rgba);
}

QPolygonF PolygonOf(const std::vector<double>& points)
{
    QPolygonF polygon;
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        polygon << QPointF(points[i], points[i + 1]);
    }
    return polygon;
}

QString SvgColor(QRgb rgba)
{
    return QStringLiteral("#%1%2%3")
        .arg(qRed(rgba), 2, 16, QLatin1Char('0'))
        .arg(qGreen(rgba), 2, 16, QLatin1Char('0'))
        .arg(qBlue(rgba), 2, 16, QLatin1Char('0'));
}

QString SvgPaint(const TIconShape& s)
{
    QString paint = QStringLiteral(" fill=\"%1\"").arg(qAlpha(s.Fill) == 0 ? QStringLiteral("none") : SvgColor(s.Fill));
    if (qAlpha(s.Fill) != 0 && qAlpha(s.Fill) != 255) {
        paint += QStringLiteral(" fill-opacity=\"%1\"").arg(qAlpha(s.Fill) / 255.0, 0, 'f', 3);
    }
    if (qAlpha(s.Stroke) != 0 && s.StrokeWidth > 0) {
        paint += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\" stroke-linecap=\"round\"")
                     .arg(SvgColor(s.Stroke))
                     .arg(s.StrokeWidth);
    }
    return paint;
}

QString SvgPoints(const std::vector<double>& points)
{
    QStringList pairs;
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        pairs.push_back(QStringLiteral("%1,%2").arg(points[i]).arg(points[i + 1]));
    }
    return pairs.join(QLatin1Char(' '));
}

} // namespace

const TIconDrawing& ProgramIconDrawing()
{
    static const TIconDrawing drawing = MakeProgramIcon();
    return drawing;
}

const TIconDrawing& ToolIconDrawing(const QString& buttonName)
{
    static const QHash<QString, TIconDrawing> drawings = {
        {QStringLiteral("FileMenuManulBt"), Document()},   {QStringLiteral("GridMenuBt"), BarChart()},
        {QStringLiteral("GridXMenubBt"), LineChart()},     {QStringLiteral("RcmMenuSuperScaleBt"), Funnel()},
        {QStringLiteral("RcmMenuBt"), Star()},             {QStringLiteral("DataMenuBt"), PieChart()},
        {QStringLiteral("SqlMenuBt"), Magnifier()},        {QStringLiteral("HelpMenuRecmBt"), Globe()},
        {QStringLiteral("HelpMenuAboutBt"), Info()},       {QStringLiteral("FileMenuExitBt"), Exit()},
    };
    static const TIconDrawing none;
    const auto it = drawings.find(buttonName);
    return it == drawings.end() ? none : *it;
}

void PaintIcon(QPainter& painter, const TIconDrawing& drawing, int side)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / double(kIconCanvas), side / double(kIconCanvas));
    for (const TIconShape& s : drawing) {
        if (qAlpha(s.Stroke) != 0 && s.StrokeWidth > 0) {
            painter.setPen(QPen(ColorOf(s.Stroke), s.StrokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        } else {
            painter.setPen(Qt::NoPen);
        }
        painter.setBrush(qAlpha(s.Fill) == 0 ? QBrush(Qt::NoBrush) : QBrush(ColorOf(s.Fill)));
        switch (s.What) {
        case Kind::Ellipse:
            painter.drawEllipse(QPointF(s.X, s.Y), s.W, s.H);
            break;
        case Kind::Rect:
            painter.drawRoundedRect(QRectF(s.X, s.Y, s.W, s.H), s.R, s.R);
            break;
        case Kind::Line:
            painter.drawPolyline(PolygonOf(s.Points));
            break;
        case Kind::Polygon:
            painter.drawPolygon(PolygonOf(s.Points));
            break;
        }
    }
    painter.restore();
}

QIcon IconOf(const TIconDrawing& drawing)
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintIcon(painter, drawing, side);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon ProgramIcon()
{
    return IconOf(ProgramIconDrawing());
}

QString IconSvg(const TIconDrawing& drawing)
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(kIconCanvas);
    for (const TIconShape& s : drawing) {
        switch (s.What) {
        case Kind::Ellipse:
            svg += QStringLiteral("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"").arg(s.X).arg(s.Y).arg(s.W).arg(s.H);
            break;
        case Kind::Rect:
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"")
                       .arg(s.X)
                       .arg(s.Y)
                       .arg(s.W)
                       .arg(s.H)
                       .arg(s.R);
            break;
        case Kind::Line:
            svg += QStringLiteral("  <polyline points=\"%1\"").arg(SvgPoints(s.Points));
            break;
        case Kind::Polygon:
            svg += QStringLiteral("  <polygon points=\"%1\"").arg(SvgPoints(s.Points));
            break;
        }
        svg += SvgPaint(s) + QStringLiteral("/>\n");
    }
    return svg + QStringLiteral("</svg>\n");
}

} // namespace quorvane::gui
