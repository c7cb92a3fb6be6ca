#pragma once

#include <QWidget>

namespace quorvane::gui {

// The frame shared by the selection controls: `Count` cells in row-major order (cell i lies in row
// i / Cols and column i % Cols), `Rows` = ceil(Count / Cols), a keyboard-focus cell moved by the
// arrow keys, and a layout pass that sizes the control to its cells and raises the change signal.
// Rectangles are in pixels of the control's client area.
class TCellGrid : public QWidget
{
    Q_OBJECT

public:
    ~TCellGrid() override;

    int Count() const { return m_count; }
    int Cols() const { return m_cols; }
    int Rows() const { return m_rows; }
    int FocusIndex() const { return m_focusIndex; }
    // Gap in pixels around the cells (default 3).
    int Spacing() const { return m_spacing; }

    // Stores the gap; the host runs Relayout() afterwards.
    void SetSpacing(int spacing) { m_spacing = spacing; }

    // Cells per row. Throws "SetCols Error!" for n < 1 (a row needs a cell); the same count does
    // nothing; otherwise Rows is recomputed and the layout pass runs.
    void SetCols(int n);

    // The layout pass: gives the control its size, brings the focus cell back to 0 when it lies
    // outside the cells, repaints and raises the change signal.
    void Relayout();

protected:
    explicit TCellGrid(QWidget* parent);

    // Count = n (n >= 0), Rows recomputed, layout pass.
    void ChangeCount(int n);

    // The control's size for the current cells and geometry.
    virtual QSize ControlSize() const = 0;
    // Called by the layout pass before the repaint (children follow the cells here).
    virtual void PlaceChildren() {}
    // Space or Enter on the focus cell (0 <= FocusIndex < Count).
    virtual void ActivateFocusCell() {}
    // Emits the control's OnChange signal with the control as sender.
    virtual void RaiseOnChange() = 0;

    void SetFocusIndex(int index) { m_focusIndex = index; }

    // Width of the caption area in pixels (the glyph and spin controls make these public).
    int CapWidth() const { return m_capWidth; }
    // Throws "SetCapWidth Error!" for w < 0; a different width is stored and the layout pass runs.
    void SetCapWidth(int w);
    // The starting width, stored without a layout pass.
    void InitCapWidth(int w) { m_capWidth = w; }

private:
    void keyPressEvent(QKeyEvent* event) override;

    int m_count = 0;
    int m_rows = 0;
    int m_cols = 3;
    int m_focusIndex = 0;
    int m_spacing = 3;
    int m_capWidth = 0;
};

// ceil(count / cols) for count >= 0 and cols >= 1.
constexpr int CellRows(int count, int cols)
{
    return (count + cols - 1) / cols;
}

} // namespace quorvane::gui
