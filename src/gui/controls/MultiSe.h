#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls/CellGrid.h"

class QSpinBox;

namespace quorvane::gui {

// A block of cells, each a caption and an integer spin editor, read and written as one delimited
// line of the editors' values (the minimum/maximum pairs and count limits of the shrink conditions).
// The editors take no bounds; a text that is not an integer reads as 0. The control itself is not a
// tab stop and never takes the focus on a click; typing goes to the editors.
class TMultiSpinEdit final : public TCellGrid
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMultiSpinEdit)

public:
    explicit TMultiSpinEdit(QWidget* parent = nullptr);
    ~TMultiSpinEdit() override;

    // Width of each editor (default 40), of the caption area (default 50) and height of a row
    // (default 22), in pixels; where the editor sits in its cell (default: after the caption).
    int EditWidth() const { return m_editWidth; }
    using TCellGrid::CapWidth;
    int RowHeight() const { return m_rowHeight; }
    bool EditAtCellStart() const { return m_editAtCellStart; }

    // Store only; the host runs the layout pass afterwards (SetCols, SetCapWidth or Relayout).
    void SetEditWidth(int width) { m_editWidth = width; }
    void SetRowHeight(int height) { m_rowHeight = height; }
    // On: the editor starts the cell and the caption hangs into the previous cell, for rows laid
    // out as minimum editor, caption, maximum editor (the first cell's caption is then empty).
    void SetEditAtCellStart(bool on) { m_editAtCellStart = on; }

    // Appends a cell with the caption and a new editor holding 0, and runs the layout pass.
    void AddItem(std::string caption);
    // Throws "SetItem Error!" outside 0 .. Count-1; else sets editor i's value and cell i's caption.
    void SetItem(int i, std::string caption, int value);
    // Throws "SetCapWidth Error!" for w < 0; a different width is stored and the layout pass runs.
    using TCellGrid::SetCapWidth;

    // The value of editor i: the integer its text holds, 0 when the text is not an integer or i lies
    // outside the cells.
    int GetValue(int i) const;
    // Writes v into editor i when it differs from the current value; ignored outside the cells.
    void SetValue(int i, int v);

    // Gives editor k the integer of piece k of the delimited text while there are both pieces and
    // cells. A piece that is not an integer throws UserError "'<piece>' is not a valid integer value"
    // after the editors before it have been set.
    void SetValuesText(std::string_view delimiter, std::string_view text);
    // The values of all editors in cell order joined by the delimiter; "" when there are no cells.
    std::string GetValuesText(std::string_view delimiter) const;

    const std::string& Caption(int i) const { return m_captions[static_cast<std::size_t>(i)]; }
    // The editor of cell i (0 <= i < Count).
    QSpinBox* Editor(int i) const { return m_editors[static_cast<std::size_t>(i)]; }

    // Editor and caption rectangles of cell i. Throw "RectOfSpinEd Index Error!" resp.
    // "RectOfCap Index Error!" outside 0 .. Count-1.
    QRect RectOfSpinEd(int i) const;
    QRect RectOfCap(int i) const;

signals:
    // The control's change event, raised with the control as sender.
    void OnChange(quorvane::gui::TMultiSpinEdit* sender);

private:
    QRect EditRect(int i) const;
    QRect CapRect(int i) const;
    QSize ControlSize() const override;
    void PlaceChildren() override;
    void RaiseOnChange() override;
    void paintEvent(QPaintEvent* event) override;

    std::vector<QSpinBox*> m_editors; // children of this control
    std::vector<std::string> m_captions;
    bool m_editAtCellStart = false;
    int m_editWidth = 40;
    int m_rowHeight = 22;
};

} // namespace quorvane::gui
