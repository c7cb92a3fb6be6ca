#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/CellGrid.h"

namespace quorvane::gui {

// A cell grid whose cells each carry a caption (UTF-8) and an on/off state: the common part of
// TMultiChk, TMultiRadio and TColorMChk. A mouse press on a cell's hit area or Space/Enter on the
// focus cell changes the cell as the concrete control decides.
class TCheckCellGrid : public TCellGrid
{
    Q_OBJECT

public:
    ~TCheckCellGrid() override;

    // One state per cell, 0 = off, 1 = on; one caption per cell.
    const std::vector<std::uint8_t>& Checked() const { return m_checked; }
    const std::vector<std::string>& Captions() const { return m_captions; }

    // Appends a cell with the caption, off, and runs the layout pass.
    void AddItem(std::string caption);

    // Throws "SetCount Error!" for n < 0; the same count does nothing; otherwise the cells are cut
    // to n (or new cells without caption, off, are added) and the layout pass runs.
    void SetCount(int n);

    // Every cell off; repaints without the change signal.
    void UncheckAll();

    // The glyph or square of cell i. Throws "RectOfChk Index Error!" outside 0 .. Count-1.
    QRect RectOfChk(int i) const;

protected:
    // trimCaptions: the text operations trim each piece and caption (spaces and control characters
    // at both ends) and skip empty pieces; setCheckRaisesChange: SetCheck with a new state raises
    // the change signal.
    TCheckCellGrid(QWidget* parent, bool trimCaptions, bool setCheckRaisesChange);

    // Text and query operations; the check controls make them public.

    // Every cell on and a repaint; no change signal.
    void CheckAll();
    // The state of cell i (0 or 1); an index outside the cells reads as 0.
    std::uint8_t GetCheck(int i) const;
    // Throws "SetCheck Error!" outside 0 .. Count-1. A different state is stored and repainted.
    void SetCheck(int i, bool on);
    // Throws "GetCaption Error!" outside 0 .. Count-1.
    std::string GetCaption(int i) const;
    // The highest index whose caption equals the text exactly, or -1.
    int IndexOfCaption(std::string_view text) const;
    // The number of cells that are on.
    int CheckedCount() const;
    // Every cell off, then each piece of the delimited text that names a caption turns that cell
    // on; unknown pieces are skipped. Repaints; no change signal.
    void SetCheckedText(std::string_view delimiter, std::string_view text);
    // The captions of the cells that are on, in cell order, joined by the delimiter; "" when none.
    std::string GetCheckedText(std::string_view delimiter) const;

    // Geometry of cell i (0 <= i < Count), unchecked.
    virtual QRect ChkRect(int i) const = 0;
    // Whether a press at the point hits cell i.
    virtual bool HitsCell(int i, QPoint point) const = 0;
    // What a press on cell i does (the cell then becomes the focus cell).
    virtual void PressCell(int i) = 0;
    // Draws cell i; the background is already filled.
    virtual void PaintCell(QPainter& painter, int i) const = 0;

    bool IsOn(int i) const { return m_checked[static_cast<std::size_t>(i)] != 0; }
    const std::string& CaptionAt(int i) const { return m_captions[static_cast<std::size_t>(i)]; }
    void ToggleCell(int i);
    // Every cell off, then cell i on.
    void SelectOnly(int i);
    // Every state flipped; repaints without the change signal.
    void InvertStates();

    // Draws a dotted focus rectangle just inside the given rectangle.
    void PaintFocusRect(QPainter& painter, const QRect& rect) const;

private:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    std::vector<std::uint8_t> m_checked;
    std::vector<std::string> m_captions;
    bool m_trimCaptions;
    bool m_setCheckRaisesChange;
};

} // namespace quorvane::gui
