#pragma once

#include <QAbstractScrollArea>

#include "charts/TrendGridModel.h"

namespace quorvane::gui {

// The widget part of the trend grids TH2Net, TH3Net and TDataViewNet: it owns the core table model
// that the chart builders fill and adds the pixel geometry, the layout pass, painting over the
// visible rows, scrolling row by row and the change signal. Framed by a sunken edge; everything is
// drawn in the viewport ("client area"), whose coordinates all rectangles use.
//
// Geometry (lw = FLineWidth, rh = FRowHeight):
//   left edge of column c = x0 + 1 + sum over earlier columns of (width + lw), where x0 is FOrigin.x
//   (TDataViewNet) or FHOffset (TH3Net), else 0; right edge = left + width;
//   top edge of row r = r * (rh + lw) + y0 + 1 with y0 = FOrigin.y (TDataViewNet), else 0; a body
//   row drawn scrolled is first reduced by FTopRow; bottom = top + rh.
class TTrendGridView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    ~TTrendGridView() override;

    // The content; builders write it and then run Relayout(). Index errors of the model and of the
    // geometry go to Model().OnIndexError, which is ReportMessage (a message box of the dialog service) until
    // the host replaces it.
    TTrendGridModel& Model() { return m_model; }
    const TTrendGridModel& Model() const { return m_model; }
    // Replaces the content; an incoming model without index-error hook keeps the current hook.
    // Run Relayout() afterwards.
    void SetModel(TTrendGridModel model);

    // Restores the model's defaults, scrolls back to the top and lays out again when parented.
    void Clear();

    // The layout pass: FVisRows from the client height, the scroll ranges, a repaint and the change
    // signal. Runs on every resize too.
    void Relayout();

    // Index of the first body row shown (vertical scroll position).
    int FTopRow() const { return m_topRow; }
    // Body rows that fit in the client area (0 when not even one row fits).
    int FVisRows() const { return m_visRows; }

    // Left edge of column c (0 .. FColsCount; FColsCount gives the right boundary). Reports
    // "ACol>Length(FColWidthArr)" and returns 0 outside that range.
    int ColLeft(int col) const;
    // Top edge of row r, unscrolled.
    int RowTop(int row) const;
    // The pixel rectangle of a cell; with scrolled, body rows are placed as currently scrolled.
    // Reports "RectOfCell ACol>Length(FColWidthArr)" for col = FColsCount and returns an empty
    // rectangle outside the columns.
    QRect RectOfCell(int row, int col, bool scrolled) const;
    // The union of cell (0, 0) and the last visible cell; empty when there are no columns.
    QRect GridExtent() const;
    // The union of the cells of row 0; empty when there are no columns.
    QRect HeaderExtent() const;

protected:
    enum class TKind
    {
        Trend,    // TH2Net
        Wide,     // TH3Net: also scrolls horizontally
        DataView, // TDataViewNet
    };

    TTrendGridView(QWidget* parent, TKind kind);

    // Emits the concrete grid's OnChange signal (nothing while the base is being built).
    virtual void RaiseOnChange() {}

    // Horizontal scroll offset (<= 0, TH3Net) and origin (TDataViewNet) added to the geometry.
    int HOffset() const { return m_hOffset; }
    QPoint Origin() const { return m_origin; }
    void SetOrigin(QPoint origin) { m_origin = origin; }
    int HPage() const { return m_hPage; }
    void SetHPage(int page);

private:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    // Columns that have a width (FColsCount, or fewer if the widths were cut short).
    int ColumnCount() const;
    int ComputeVisRows(int clientHeight) const;
    QRect CellRect(int row, int col, bool scrolled) const;
    int TotalWidth() const;
    void PaintLines(QPainter& painter, const QRect& extent) const;
    void PaintRow(QPainter& painter, int row, int screenRow, bool fixed) const;
    void PaintHeadCells(QPainter& painter) const;
    int FontSizeForScreenRow(int screenRow) const;

    TKind m_kind;
    TTrendGridModel m_model;
    int m_topRow = 0;
    int m_visRows = 0;
    int m_hOffset = 0;
    int m_hPage = 30;
    QPoint m_origin;
    bool m_layingOut = false;
};

} // namespace quorvane::gui
