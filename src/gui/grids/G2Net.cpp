#include "grids/G2Net.h"

#include <cmath>
#include <utility>

#include <QPainter>

#include "app/ErrorReport.h"
#include "app/QtText.h"
#include "grids/GridPaint.h"
#include "text/IntConvert.h"

namespace quorvane::gui {

namespace {
const QColor kGridColor(128, 128, 0);
const QColor kBarOutline(50, 18, 52);
constexpr int kLabelPointSize = 11;
// Least room between two x labels, in pixels.
constexpr int kLabelSpacing = 4;
constexpr int kTitlePointSize = 14;
const std::string kNoText;

// A horizontal or vertical stroke of the given width starting at (x, y).
void Stroke(QPainter& painter, QPoint from, QPoint to, int width, const QColor& color)
{
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
}
} // namespace

TG2Net::TG2Net(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_model.OnIndexError = ReportMessage;
}

TG2Net::~TG2Net() = default;

void TG2Net::SetModel(TBarChartModel model)
{
    AdoptModel(m_model, std::move(model));
}

void TG2Net::Relayout()
{
    const TBarChartModel& m = m_model;
    const int width = (m.FDynRowCount * m.FBarWidth + 2 * m.FGap) * m.FDynColCount + 2 * m.FGap;
    const int height = m.FGridStep == 0 ? 0 : m.FGridStep * m.FGridCount;
    m_plotRect = QRect(m.FMargin.X, m.FMargin.Y, width, height);
    m_laidOutSize = QSize(m_plotRect.left() + m_plotRect.width() + m.FMargin.X,
                          m_plotRect.top() + m_plotRect.height() + m.FMargin.Y);
    resize(m_laidOutSize);
    updateGeometry();
    update();
    emit OnChange(this);
}

int TG2Net::BarLeft(int col, int series) const
{
    const TBarChartModel& m = m_model;
    return m.FMargin.X + (m.FDynRowCount * m.FBarWidth + 2 * m.FGap) * (col - 1) + series * m.FBarWidth +
           m.FGap;
}

const std::string& TG2Net::ValueText(int col, int row) const
{
    const std::size_t i = static_cast<std::size_t>(col) +
                          static_cast<std::size_t>(row) * static_cast<std::size_t>(m_model.FDynColCount + 1);
    return i < m_model.FValues.size() ? m_model.FValues[i] : kNoText;
}

int TG2Net::BarHeight(int col, int series) const
{
    const int value = TryStrToInt(ValueText(col, series)).value_or(0);
    if (m_model.FScale <= 0.0f) {
        return 0;
    }
    return static_cast<int>(std::ceil(static_cast<double>(value) / static_cast<double>(m_model.FScale)));
}

QRect TG2Net::BarRect(int col, int series) const
{
    const int height = BarHeight(col, series);
    return {BarLeft(col, series), BarBottom() - height, m_model.FBarWidth, height};
}

void TG2Net::PaintScale(QPainter& painter) const
{
    const TBarChartModel& m = m_model;
    const int left = m_plotRect.left();
    const int right = m_plotRect.left() + m_plotRect.width();
    const int bottom = m_plotRect.top() + m_plotRect.height();
    painter.setFont(GridFont(*this, kLabelPointSize, true));
    for (int k = 0; k <= m.FGridCount; ++k) {
        const int y = bottom - k * m.FGridStep;
        Stroke(painter, QPoint(left - 4, y), QPoint(left, y), 2, Qt::black);
        const long label = std::lround(static_cast<double>(k) * m.FGridStep * static_cast<double>(m.FScale));
        painter.setPen(palette().color(QPalette::WindowText));
        DrawCentredLine(painter, QRect(QPoint(left - 25, y - 7), QPoint(left - 10 - 1, y + 8 - 1)),
                        QString::number(label));
        if (k > 0 && m.FShowGrid) {
            Stroke(painter, QPoint(left, y), QPoint(right - 1, y), 1, kGridColor);
        }
    }
}

void TG2Net::PaintGroups(QPainter& painter) const
{
    const TBarChartModel& m = m_model;
    const int barBottom = BarBottom();
    painter.setFont(GridFont(*this, kLabelPointSize, false));
    painter.setPen(palette().color(QPalette::WindowText));
    // Groups narrower than their labels (the zone-sum charts: 16 pixels for up to three digits)
    // label every second or third group only, so that the labels do not run into each other.
    int widest = 0;
    for (int c = 1; c <= m.FDynColCount; ++c) {
        widest = std::max(widest, painter.fontMetrics().horizontalAdvance(ToQ(ValueText(c, 0))));
    }
    const int pitch = std::max(1, m.FDynRowCount * m.FBarWidth + 2 * m.FGap);
    const int labelStep = (widest + kLabelSpacing + pitch - 1) / pitch;
    for (int c = 1; c <= m.FDynColCount; ++c) {
        const QRect box(BarLeft(c, 1), barBottom + 3, m.FDynRowCount * m.FBarWidth, 15);
        if ((c - 1) % std::max(1, labelStep) == 0) {
            DrawCentredLine(painter, box, ToQ(ValueText(c, 0)));
        }
        const int tickX = box.left() + box.width() / 2;
        Stroke(painter, QPoint(tickX, barBottom), QPoint(tickX, barBottom + 4), 2, Qt::black);
    }
    painter.setFont(GridFont(*this, kLabelPointSize, true));
    for (int s = 1; s <= m.FDynRowCount; ++s) {
        const QColor fill =
            ToQColor(s < static_cast<int>(m.FSeriesColor.size()) ? m.FSeriesColor[static_cast<std::size_t>(s)]
                                                                 : NoColor,
                     Qt::gray);
        for (int c = 1; c <= m.FDynColCount; ++c) {
            const QRect bar = BarRect(c, s);
            painter.setPen(QPen(kBarOutline, 1));
            if (bar.height() > 0) {
                painter.fillRect(bar, fill);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(bar.adjusted(0, 0, -1, -1));
            } else {
                // A bar of height 0 is an outline lying on the axis.
                painter.drawLine(bar.left(), bar.top(), bar.left() + bar.width() - 1, bar.top());
            }
            if (m.FShowValues) {
                painter.setPen(palette().color(QPalette::WindowText));
                DrawCentredLine(painter, QRect(bar.left(), bar.top() - 16, bar.width(), 14),
                                ToQ(ValueText(c, s)));
            }
        }
    }
}

void TG2Net::PaintAxes(QPainter& painter) const
{
    const int left = m_plotRect.left();
    const int top = m_plotRect.top();
    const int bottom = m_plotRect.top() + m_plotRect.height();
    const int right = m_plotRect.left() + m_plotRect.width();
    const QPoint corner(left, bottom);
    const QPoint yTip(left, top - 15);
    const QPoint xTip(right + 15, bottom);
    Stroke(painter, corner, yTip, 1, Qt::black);
    Stroke(painter, yTip, yTip + QPoint(-3, 3), 1, Qt::black);
    Stroke(painter, corner, xTip, 1, Qt::black);
    Stroke(painter, xTip, xTip + QPoint(-3, -3), 1, Qt::black);
}

void TG2Net::paintEvent(QPaintEvent* /*event*/)
{
    const TBarChartModel& m = m_model;
    if (m.FDynColCount <= 0 || m.FDynRowCount <= 0) {
        return;
    }
    QPainter painter(this);
    if (!m.FTitle.empty()) {
        painter.setFont(GridFont(*this, kTitlePointSize, false));
        painter.setPen(palette().color(QPalette::WindowText));
        DrawCentredLine(painter, QRect(m_plotRect.left(), m_plotRect.top() - 25, m_plotRect.width(), 20),
                        ToQ(m.FTitle));
    }
    if (m.FShowGrid) {
        painter.setPen(QPen(kGridColor, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_plotRect.adjusted(0, 0, -1, -1));
    }
    PaintScale(painter);
    PaintGroups(painter);
    PaintAxes(painter);
}

} // namespace quorvane::gui
