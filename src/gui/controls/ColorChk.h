#pragma once

#include <QColor>

#include "controls/CheckCellGrid.h"

namespace quorvane::gui {

// A block of raised coloured squares with the caption written inside, the number pickers of the
// shrink page. A square that is on is filled with CheckColor. Pieces and captions are trimmed in
// the text form. A mouse hit on a square (not the gap around it) or Space/Enter toggles it; a
// mouse hit and SetCheck with a new state raise OnChange. The focus cell is always outlined.
class TColorMChk final : public TCheckCellGrid
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TColorMChk)

public:
    explicit TColorMChk(QWidget* parent = nullptr);
    ~TColorMChk() override;

    // Size of one square in pixels (defaults 14 x 14).
    int CellWidth() const { return m_cellWidth; }
    int CellHeight() const { return m_cellHeight; }
    // Fill of a square that is on (default black).
    QColor CheckColor() const { return m_checkColor; }

    // Store only; the host runs Relayout() afterwards.
    void SetCellWidth(int width) { m_cellWidth = width; }
    void SetCellHeight(int height) { m_cellHeight = height; }
    void SetCheckColor(const QColor& color) { m_checkColor = color; }

    using TCheckCellGrid::CheckAll;
    using TCheckCellGrid::CheckedCount;
    using TCheckCellGrid::GetCaption;
    using TCheckCellGrid::GetCheck;
    using TCheckCellGrid::GetCheckedText;
    using TCheckCellGrid::IndexOfCaption;
    using TCheckCellGrid::SetCheck;
    using TCheckCellGrid::SetCheckedText;

    // Every state flipped and a repaint; no change signal.
    void InvertAll() { InvertStates(); }

signals:
    // The control's change event, raised with the control as sender.
    void OnChange(quorvane::gui::TColorMChk* sender);

private:
    QSize ControlSize() const override;
    QRect ChkRect(int i) const override;
    bool HitsCell(int i, QPoint point) const override;
    void PressCell(int i) override;
    void ActivateFocusCell() override;
    void PaintCell(QPainter& painter, int i) const override;
    void RaiseOnChange() override;

    int m_cellWidth = 14;
    int m_cellHeight = 14;
    QColor m_checkColor = Qt::black;
};

} // namespace quorvane::gui
