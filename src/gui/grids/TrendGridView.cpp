#include "grids/TrendGridView.h"

#include <algorithm>
#include <utility>

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/ErrorReport.h"
#include "grids/GridPaint.h"

namespace quorvane::gui {

namespace {
// Point size of the TDataViewNet text outside its last visible body row.
constexpr int kDataViewFontSize = 11;
} // namespace

TTrendGridView::TTrendGridView(QWidget* parent, TKind kind)
    : QAbstractScrollArea(parent)
    , m_kind(kind)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(kind == TKind::Wide ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setFocusPolicy(kind == TKind::DataView ? Qt::NoFocus : Qt::ClickFocus);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setPageStep(m_hPage);
    m_model.OnIndexError = ReportMessage;
}

TTrendGridView::~TTrendGridView() = default;

void TTrendGridView::SetModel(TTrendGridModel model)
{
    AdoptModel(m_model, std::move(model));
}

void TTrendGridView::Clear()
{
    m_model.Clear();
    m_topRow = 0;
    m_visRows = 0;
    m_hOffset = 0;
    SetHPage(30);
    m_layingOut = true; // back to the top without taking the focus
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    m_layingOut = false;
    if (parentWidget() != nullptr) {
        Relayout();
    }
}

void TTrendGridView::SetHPage(int page)
{
    m_hPage = page;
    horizontalScrollBar()->setPageStep(page);
}

int TTrendGridView::ColumnCount() const
{
    return std::min(m_model.FColsCount, static_cast<int>(m_model.FColWidthArr.size()));
}

int TTrendGridView::ColLeft(int col) const
{
    if (col < 0 || col > ColumnCount()) {
        if (m_model.OnIndexError) {
            m_model.OnIndexError(kColLeftError);
        }
        return 0;
    }
    int left = 1 + (m_kind == TKind::Wide ? m_hOffset : 0) + (m_kind == TKind::DataView ? m_origin.x() : 0);
    for (int c = 0; c < col; ++c) {
        left += m_model.FColWidthArr[static_cast<std::size_t>(c)] + m_model.FLineWidth;
    }
    return left;
}

int TTrendGridView::RowTop(int row) const
{
    return row * (m_model.FRowHeight + m_model.FLineWidth) + 1 +
           (m_kind == TKind::DataView ? m_origin.y() : 0);
}

QRect TTrendGridView::CellRect(int row, int col, bool scrolled) const
{
    if (scrolled && row >= m_model.FFixRowCount) {
        row -= m_topRow;
    }
    const int left = ColLeft(col);
    const int top = RowTop(row);
    return {left, top, m_model.FColWidthArr[static_cast<std::size_t>(col)], m_model.FRowHeight};
}

QRect TTrendGridView::RectOfCell(int row, int col, bool scrolled) const
{
    if (col == ColumnCount()) {
        if (m_model.OnIndexError) {
            m_model.OnIndexError(kRectOfCellError);
        }
        return {};
    }
    if (col < 0 || col > ColumnCount()) {
        ColLeft(col); // reports the column error
        return {};
    }
    return CellRect(row, col, scrolled);
}

QRect TTrendGridView::GridExtent() const
{
    const int cols = ColumnCount();
    if (cols == 0) {
        return {};
    }
    const QRect first = CellRect(0, 0, false);
    const QRect last = CellRect(m_visRows + m_model.FFixRowCount - 1, cols - 1, false);
    return first.united(last);
}

QRect TTrendGridView::HeaderExtent() const
{
    const int cols = ColumnCount();
    if (cols == 0) {
        return {};
    }
    return CellRect(0, 0, false).united(CellRect(0, cols - 1, false));
}

int TTrendGridView::ComputeVisRows(int clientHeight) const
{
    const int step = m_model.FRowHeight + m_model.FLineWidth;
    if (step <= 0) {
        return 0;
    }
    int rows = 0;
    if (m_kind == TKind::DataView) {
        const int h = clientHeight - 5;
        if (step < h) {
            rows = (h - 6 + step - 1) / step - m_model.FFixRowCount;
        }
        rows = std::min(rows, m_model.FDynRows);
    } else if (step < clientHeight) {
        rows = clientHeight / step - m_model.FFixRowCount;
    }
    // Fixed rows taller than the window leave no body row (never a negative count).
    return std::max(rows, 0);
}

int TTrendGridView::TotalWidth() const
{
    int width = 1;
    for (int c = 0; c < ColumnCount(); ++c) {
        width += m_model.FColWidthArr[static_cast<std::size_t>(c)] + m_model.FLineWidth;
    }
    return width;
}

void TTrendGridView::Relayout()
{
    if (m_kind == TKind::DataView && parentWidget() == nullptr) {
        return;
    }
    m_layingOut = true;
    const QSize client = viewport()->size();
    m_visRows = ComputeVisRows(client.height());
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(m_model.FDynRows - m_visRows, 0));
    v->setPageStep(std::max(m_visRows, 1));
    if (m_kind == TKind::Wide) {
        // The whole width can be scrolled into view, and no further.
        horizontalScrollBar()->setRange(0, std::max(TotalWidth() - client.width(), 0));
    }
    // A scroll bar that appears or disappears changes the client area a moment later; the resize
    // of the client area runs this pass again.
    m_layingOut = false;
    m_topRow = verticalScrollBar()->value();
    m_hOffset = -horizontalScrollBar()->value();
    viewport()->update();
    RaiseOnChange();
}

void TTrendGridView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void TTrendGridView::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    const int top = verticalScrollBar()->value();
    const int offset = -horizontalScrollBar()->value();
    if (top == m_topRow && offset == m_hOffset) {
        return;
    }
    m_topRow = top;
    m_hOffset = offset;
    viewport()->update();
    // A scroll by the user takes the focus (a range cut short by the layout pass does not).
    if (m_kind != TKind::DataView && !m_layingOut) {
        setFocus(Qt::OtherFocusReason);
    }
}

int TTrendGridView::FontSizeForScreenRow(int screenRow) const
{
    if (m_kind != TKind::DataView) {
        return m_model.FFontSize;
    }
    // TDataViewNet writes its last visible body row (a summary row) in FFontSize, the rest in 11.
    return screenRow == m_model.FFixRowCount + m_visRows - 1 ? m_model.FFontSize : kDataViewFontSize;
}

void TTrendGridView::PaintLines(QPainter& painter, const QRect& extent) const
{
    const int lw = m_model.FLineWidth;
    if (lw <= 0) {
        return;
    }
    const int right = extent.left() + extent.width() + lw; // exclusive
    int x0 = 0;
    int y0 = 0;
    if (m_kind == TKind::Wide) {
        x0 = m_hOffset;
    } else if (m_kind == TKind::DataView) {
        x0 = ColLeft(0);
        y0 = m_origin.y();
    }
    for (int k = 0; k <= m_visRows + m_model.FFixRowCount; ++k) {
        painter.fillRect(QRect(x0, RowTop(k) - lw, right - x0, lw), Qt::black);
    }
    const int bottom = extent.top() + extent.height() + lw; // exclusive
    for (int c = 0; c <= ColumnCount(); ++c) {
        painter.fillRect(QRect(ColLeft(c) - lw, y0, lw, bottom - y0), Qt::black);
    }
}

void TTrendGridView::PaintRow(QPainter& painter, int row, int screenRow, bool fixed) const
{
    const std::size_t cols = static_cast<std::size_t>(ColumnCount());
    const std::size_t first = static_cast<std::size_t>(row) * static_cast<std::size_t>(m_model.FColsCount);
    const QColor fixColor = ToQColor(m_model.FFixColor, WindowColor(*this));
    painter.setFont(GridFont(*this, FontSizeForScreenRow(screenRow)));
    for (std::size_t c = 0; c < cols; ++c) {
        const std::size_t i = first + c;
        if (i >= m_model.FCellText.size() || i >= m_model.FCellColor.size()) {
            return;
        }
        const QRect cell = CellRect(screenRow, static_cast<int>(c), false);
        if (fixed) {
            painter.fillRect(cell, fixColor);
        } else if (m_model.FCellColor[i] != NoColor) {
            painter.fillRect(cell, ToQColor(m_model.FCellColor[i]));
        }
        DrawCellText(painter, cell, m_model.FCellText[i]);
    }
}

void TTrendGridView::PaintHeadCells(QPainter& painter) const
{
    const int cols = ColumnCount();
    painter.setFont(GridFont(*this, m_kind == TKind::DataView ? kDataViewFontSize : m_model.FFontSize));
    for (const THeadCell& span : m_model.FHeadCells) {
        if (!span.Visible || span.FirstCol < 0 || span.LastCol < 0 || span.FirstCol >= cols ||
            span.LastCol >= cols) {
            continue;
        }
        const QRect area =
            CellRect(span.FirstRow, span.FirstCol, false).united(CellRect(span.LastRow, span.LastCol, false));
        painter.fillRect(area, ToQColor(span.Color, WindowColor(*this)));
        DrawCellText(painter, area, span.Text);
    }
}

void TTrendGridView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), WindowColor(*this));
    if (m_model.FColsCount <= 0 || m_model.FDynRows <= 0 || ColumnCount() == 0) {
        return;
    }
    PaintLines(painter, GridExtent());
    painter.setPen(palette().color(QPalette::Text));
    for (int r = 0; r < m_model.FFixRowCount; ++r) {
        PaintRow(painter, r, r, true);
    }
    // Only the rows in view are walked, however long the chart is.
    for (int i = 0; i < m_visRows; ++i) {
        const int row = m_model.FFixRowCount + m_topRow + i;
        if (row >= m_model.RowCount()) {
            break;
        }
        PaintRow(painter, row, m_model.FFixRowCount + i, false);
    }
    PaintHeadCells(painter);
}

} // namespace quorvane::gui
