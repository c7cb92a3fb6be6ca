#include "controls/ColorChk.h"

#include <QPainter>

#include "app/QtText.h"

namespace quorvane::gui {

TColorMChk::TColorMChk(QWidget* parent)
    : TCheckCellGrid(parent, true, true)
{
    setFixedSize(TColorMChk::ControlSize());
}

TColorMChk::~TColorMChk() = default;

QSize TColorMChk::ControlSize() const
{
    return {(2 * Spacing() + m_cellWidth) * Cols() + Spacing(), (m_cellHeight + Spacing()) * Rows()};
}

QRect TColorMChk::ChkRect(int i) const
{
    const int col = i % Cols();
    const int row = i / Cols();
    return {col * (2 * Spacing() + m_cellWidth) + Spacing(), row * (m_cellHeight + Spacing()) + Spacing(),
            m_cellWidth, m_cellHeight};
}

bool TColorMChk::HitsCell(int i, QPoint point) const
{
    return ChkRect(i).contains(point);
}

void TColorMChk::PressCell(int i)
{
    ToggleCell(i);
    RaiseOnChange();
}

void TColorMChk::ActivateFocusCell()
{
    ToggleCell(FocusIndex());
}

void TColorMChk::PaintCell(QPainter& painter, int i) const
{
    const QRect cell = ChkRect(i);
    // A raised one-pixel frame on the square's edge: light top and left, shadow bottom and right.
    const int l = cell.left();
    const int t = cell.top();
    const int r = cell.right();
    const int b = cell.bottom();
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(l, t, r, t);
    painter.drawLine(l, t, l, b);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(l, b, r, b);
    painter.drawLine(r, t, r, b);

    const QRect inside = cell.adjusted(1, 1, -1, -1);
    painter.fillRect(inside, IsOn(i) ? m_checkColor : palette().color(QPalette::Button));
    if (i == FocusIndex()) {
        PaintFocusRect(painter, inside.adjusted(1, 1, -1, -1));
    }

    QFont bold = font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    const QString caption = ToQ(CaptionAt(i));
    const QFontMetrics metrics = painter.fontMetrics();
    const int x = (l + l + cell.width() - metrics.horizontalAdvance(caption)) / 2;
    const int y = (t + t + cell.height() - metrics.height()) / 2;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(x, y + metrics.ascent(), caption);
    painter.restore();
}

void TColorMChk::RaiseOnChange()
{
    emit OnChange(this);
}

} // namespace quorvane::gui
