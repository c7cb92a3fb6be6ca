#pragma once

#include <QStyle>

#include "controls/CheckCellGrid.h"

namespace quorvane::gui {

// Cells drawn as a platform glyph (check box or radio button) with the caption to its right: the
// common part of TMultiChk and TMultiRadio. A press on the glyph or on the caption hits the cell.
class TGlyphCellGrid : public TCheckCellGrid
{
    Q_OBJECT

public:
    ~TGlyphCellGrid() override;

    // Width of the glyph (default 14), of the caption area (default 26) and height of a row
    // (default 14), in pixels.
    int BoxWidth() const { return m_boxWidth; }
    using TCellGrid::CapWidth;
    int RowHeight() const { return m_rowHeight; }

    // Store only; the host runs Relayout() afterwards.
    void SetBoxWidth(int width) { m_boxWidth = width; }
    void SetRowHeight(int height) { m_rowHeight = height; }

    // Throws "SetCapWidth Error!" for w < 0; a different width is stored and the layout pass runs.
    using TCellGrid::SetCapWidth;

    // The caption area of cell i. Throws "RectOfCap Index Error!" outside 0 .. Count-1.
    QRect RectOfCap(int i) const;

protected:
    TGlyphCellGrid(QWidget* parent, QStyle::PrimitiveElement glyph, bool trimCaptions);

private:
    QSize ControlSize() const override;
    QRect ChkRect(int i) const override;
    QRect CapRect(int i) const;
    bool HitsCell(int i, QPoint point) const override;
    void PaintCell(QPainter& painter, int i) const override;

    QStyle::PrimitiveElement m_glyph;
    int m_boxWidth = 14;
    int m_rowHeight = 14;
};

} // namespace quorvane::gui
