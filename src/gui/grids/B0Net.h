#pragma once

#include <QWidget>

#include "charts/TitledTableModel.h"

namespace quorvane::gui {

// A small titled table without scroll bar that sizes itself to its grid: it shows as many rows as
// its height allows and then takes exactly the size of those rows, so pages can lay several side
// by side or stack them. Owns the core model the builders fill.
//
// Geometry (lw = FLineWidth): left edge of column c = 1 + sum over earlier columns of (width + lw);
// top edge of row r = r * (FRowHeight + lw) + FTitleHeight; a cell is FRowHeight high.
class TB0Net final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TB0Net)

public:
    // A new table is 400 x 300 pixels at (0, 0).
    explicit TB0Net(QWidget* parent = nullptr);
    ~TB0Net() override;

    // The content; index errors go to Model().OnIndexError (ReportMessage, a message box of the dialog
    // service, until replaced).
    TTitledTableModel& Model() { return m_model; }
    const TTitledTableModel& Model() const { return m_model; }
    // Replaces the content; an incoming model without index-error hook keeps the current hook.
    // Run Relayout() afterwards.
    void SetModel(TTitledTableModel model);

    // Empties the table (widths, texts, counts; row height 20, line width 1) and lays out again
    // when parented.
    void Clear();

    // The layout pass: the title band, the rows that fit in the height the host gave the table,
    // then the table takes the size of its grid (keeping its position), repaints and raises
    // OnChange. The table's own shrinking does not count as a new height: laying out again keeps
    // the rows until the host sets another height.
    void Relayout();

    // 30 when the title is not empty, else 0 (as of the last layout pass).
    int FTitleHeight() const { return m_titleHeight; }
    // Rows shown (as of the last layout pass).
    int FVisRows() const { return m_visRows; }

    // The size the last layout pass gave the table (layouts keep it: the size policy is fixed).
    QSize sizeHint() const override;

    int ColLeft(int col) const;
    int RowTop(int row) const;
    // The cell at (col, row), addressed column first like the model.
    QRect CellRect(int col, int row) const;
    // The union of the first cell and the last visible cell; empty when there are no columns.
    QRect GridExtent() const;

signals:
    // Raised after every layout pass, with the table as sender.
    void OnChange(quorvane::gui::TB0Net* sender);

private:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    int ColumnCount() const;

    TTitledTableModel m_model;
    int m_titleHeight = 0;
    int m_visRows = 0;
    // The height the host asked for and the size the last layout pass gave the table.
    int m_requestedHeight = 300;
    QSize m_laidOutSize;
    bool m_layingOut = false;
};

} // namespace quorvane::gui
