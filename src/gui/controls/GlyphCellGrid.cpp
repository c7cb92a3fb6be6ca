#include "controls/GlyphCellGrid.h"

#include <stdexcept>

#include <QPainter>
#include <QStyleOptionButton>

#include "app/QtText.h"
#include "controls/ControlErrors.h"

namespace quorvane::gui {

TGlyphCellGrid::TGlyphCellGrid(QWidget* parent, QStyle::PrimitiveElement glyph, bool trimCaptions)
    : TCheckCellGrid(parent, trimCaptions, false)
    , m_glyph(glyph)
{
    InitCapWidth(26);
    setFixedSize(TGlyphCellGrid::ControlSize());
}

TGlyphCellGrid::~TGlyphCellGrid() = default;

QRect TGlyphCellGrid::RectOfCap(int i) const
{
    if (i < 0 || i >= Count()) {
        throw std::out_of_range(kRectOfCapError);
    }
    return CapRect(i);
}

QSize TGlyphCellGrid::ControlSize() const
{
    return {(2 * Spacing() + m_boxWidth + CapWidth()) * Cols() + Spacing(),
            (m_rowHeight + Spacing()) * Rows() + Spacing()};
}

QRect TGlyphCellGrid::ChkRect(int i) const
{
    const int col = i % Cols();
    const int row = i / Cols();
    const int left = col * (2 * Spacing() + m_boxWidth + CapWidth()) + Spacing();
    const int top = row * (m_rowHeight + Spacing()) + Spacing();
    return {left, top, m_boxWidth, m_rowHeight};
}

QRect TGlyphCellGrid::CapRect(int i) const
{
    const QRect chk = ChkRect(i);
    return {chk.left() + m_boxWidth + Spacing(), chk.top(), CapWidth(), m_rowHeight};
}

bool TGlyphCellGrid::HitsCell(int i, QPoint point) const
{
    return ChkRect(i).contains(point) || CapRect(i).contains(point);
}

void TGlyphCellGrid::PaintCell(QPainter& painter, int i) const
{
    QStyleOptionButton glyph;
    glyph.initFrom(this);
    glyph.rect = ChkRect(i);
    glyph.state &= ~QStyle::State_HasFocus;
    glyph.state |= IsOn(i) ? QStyle::State_On : QStyle::State_Off;
    style()->drawPrimitive(m_glyph, &glyph, &painter, this);

    const QRect cap = CapRect(i);
    if (i == FocusIndex() && hasFocus()) {
        PaintFocusRect(painter, cap.adjusted(-(Spacing() / 2), 0, Spacing() / 3, 0));
    }
    // The caption is written from the caption area's left edge, centred vertically, and may run
    // past the caption area.
    const QFontMetrics metrics = painter.fontMetrics();
    const int y = (cap.top() + cap.top() + cap.height() - metrics.height()) / 2;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(cap.left(), y + metrics.ascent(), ToQ(CaptionAt(i)));
}

} // namespace quorvane::gui
