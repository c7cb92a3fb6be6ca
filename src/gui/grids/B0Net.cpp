#include "grids/B0Net.h"

#include <algorithm>
#include <utility>

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "app/ErrorReport.h"
#include "app/QtText.h"
#include "grids/GridPaint.h"

namespace quorvane::gui {

namespace {
constexpr int kTitleBand = 30;
constexpr int kTextPointSize = 11;
} // namespace

TB0Net::TB0Net(QWidget* parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 400, 300);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_model.OnIndexError = ReportMessage;
}

TB0Net::~TB0Net() = default;

void TB0Net::SetModel(TTitledTableModel model)
{
    AdoptModel(m_model, std::move(model));
}

void TB0Net::Clear()
{
    m_model.Clear();
    m_visRows = 0;
    if (parentWidget() != nullptr) {
        Relayout();
    }
}

QSize TB0Net::sizeHint() const
{
    return m_laidOutSize.isValid() ? m_laidOutSize : size();
}

int TB0Net::ColumnCount() const
{
    return std::min(m_model.FColsCount, static_cast<int>(m_model.FColWidthArr.size()));
}

int TB0Net::ColLeft(int col) const
{
    int left = 1;
    for (int c = 0; c < col && c < ColumnCount(); ++c) {
        left += m_model.FColWidthArr[static_cast<std::size_t>(c)] + m_model.FLineWidth;
    }
    return left;
}

int TB0Net::RowTop(int row) const
{
    return row * (m_model.FRowHeight + m_model.FLineWidth) + m_titleHeight;
}

QRect TB0Net::CellRect(int col, int row) const
{
    const int width =
        col >= 0 && col < ColumnCount() ? m_model.FColWidthArr[static_cast<std::size_t>(col)] : 0;
    return {ColLeft(col), RowTop(row), width, m_model.FRowHeight};
}

QRect TB0Net::GridExtent() const
{
    if (ColumnCount() == 0) {
        return {};
    }
    return CellRect(0, 0).united(CellRect(ColumnCount() - 1, m_visRows - 1));
}

void TB0Net::Relayout()
{
    // A height the table gave itself is not a request from the host.
    if (size() != m_laidOutSize) {
        m_requestedHeight = height();
    }
    m_titleHeight = m_model.FTitle.empty() ? 0 : kTitleBand;
    const int h = m_requestedHeight - 6;
    const int step = m_model.FRowHeight + m_model.FLineWidth;
    m_visRows = h > 0 && step > 0 ? std::min(h / step, m_model.FRowCount) : 0;

    const QRect extent = GridExtent();
    const QSize fitted(extent.width() + 3, extent.top() + extent.height() + 2);
    m_laidOutSize = fitted;
    m_layingOut = true;
    resize(fitted);
    m_layingOut = false;
    updateGeometry();
    update();
    emit OnChange(this);
}

void TB0Net::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_layingOut && event->size() != m_laidOutSize) {
        Relayout();
    }
}

void TB0Net::paintEvent(QPaintEvent* event)
{
    if (ColumnCount() == 0 || m_model.FRowCount <= 0) {
        return;
    }
    QPainter painter(this);
    const QRect extent = GridExtent();
    const int lw = m_model.FLineWidth;
    const QColor lineColor = ToQColor(m_model.FLineColor, Qt::black);
    if (lw > 0) {
        const int right = extent.left() + extent.width() + lw;
        for (int k = 0; k <= m_visRows; ++k) {
            painter.fillRect(QRect(0, RowTop(k) - lw, right, lw), lineColor);
        }
        const int bottom = extent.top() + extent.height() + lw;
        for (int c = 0; c <= ColumnCount(); ++c) {
            painter.fillRect(QRect(ColLeft(c) - lw, m_titleHeight, lw, bottom - m_titleHeight), lineColor);
        }
    }

    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(GridFont(*this, kTextPointSize));
    if (!m_model.FTitle.empty()) {
        const int right =
            ColLeft(ColumnCount() - 1) + m_model.FColWidthArr[static_cast<std::size_t>(ColumnCount() - 1)];
        DrawCentredLine(painter, QRect(0, 0, right, RowTop(0)), ToQ(m_model.FTitle));
    }
    // Only the rows in the area to paint: a long table in a scroll box shows a few of them.
    const QRect area = event->rect();
    for (int row = 0; row < m_visRows; ++row) {
        if (RowTop(row) > area.bottom() || RowTop(row) + m_model.FRowHeight < area.top()) {
            continue;
        }
        for (int col = 0; col < ColumnCount(); ++col) {
            const std::size_t i =
                static_cast<std::size_t>(row) * static_cast<std::size_t>(m_model.FColsCount) +
                static_cast<std::size_t>(col);
            if (i >= m_model.FCellText.size() || i >= m_model.FCellColor.size()) {
                return;
            }
            const QRect cell = CellRect(col, row);
            painter.fillRect(cell, ToQColor(m_model.FCellColor[i], WindowColor(*this)));
            DrawCellText(painter, cell, m_model.FCellText[i]);
        }
    }
}

} // namespace quorvane::gui
