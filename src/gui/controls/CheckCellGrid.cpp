#include "controls/CheckCellGrid.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include <QMouseEvent>
#include <QPainter>

#include "controls/ControlErrors.h"
#include "text/CheckedText.h"

namespace quorvane::gui {

TCheckCellGrid::TCheckCellGrid(QWidget* parent, bool trimCaptions, bool setCheckRaisesChange)
    : TCellGrid(parent)
    , m_trimCaptions(trimCaptions)
    , m_setCheckRaisesChange(setCheckRaisesChange)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

TCheckCellGrid::~TCheckCellGrid() = default;

void TCheckCellGrid::AddItem(std::string caption)
{
    m_captions.push_back(std::move(caption));
    m_checked.push_back(0);
    ChangeCount(Count() + 1);
}

void TCheckCellGrid::SetCount(int n)
{
    if (n < 0) {
        throw std::invalid_argument(kSetCountError);
    }
    if (n == Count()) {
        return;
    }
    // The lists always hold one entry per cell, so a grown control paints and reads safely.
    m_captions.resize(static_cast<std::size_t>(n));
    m_checked.resize(static_cast<std::size_t>(n), 0);
    ChangeCount(n);
}

void TCheckCellGrid::UncheckAll()
{
    std::fill(m_checked.begin(), m_checked.end(), 0);
    update();
}

QRect TCheckCellGrid::RectOfChk(int i) const
{
    if (i < 0 || i >= Count()) {
        throw std::out_of_range(kRectOfChkError);
    }
    return ChkRect(i);
}

void TCheckCellGrid::CheckAll()
{
    std::fill(m_checked.begin(), m_checked.end(), 1);
    update();
}

std::uint8_t TCheckCellGrid::GetCheck(int i) const
{
    return i >= 0 && i < Count() ? m_checked[static_cast<std::size_t>(i)] : 0;
}

void TCheckCellGrid::SetCheck(int i, bool on)
{
    if (i < 0 || i >= Count()) {
        throw std::out_of_range(kSetCheckError);
    }
    const std::uint8_t state = on ? 1 : 0;
    if (m_checked[static_cast<std::size_t>(i)] == state) {
        return;
    }
    m_checked[static_cast<std::size_t>(i)] = state;
    update();
    if (m_setCheckRaisesChange) {
        RaiseOnChange();
    }
}

std::string TCheckCellGrid::GetCaption(int i) const
{
    if (i < 0 || i >= Count()) {
        throw std::out_of_range(kGetCaptionError);
    }
    return m_captions[static_cast<std::size_t>(i)];
}

int TCheckCellGrid::IndexOfCaption(std::string_view text) const
{
    return quorvane::IndexOfCaption(m_captions, text);
}

int TCheckCellGrid::CheckedCount() const
{
    return static_cast<int>(
        std::count_if(m_checked.begin(), m_checked.end(), [](std::uint8_t s) { return s != 0; }));
}

void TCheckCellGrid::SetCheckedText(std::string_view delimiter, std::string_view text)
{
    m_checked =
        CheckedFromText(m_captions, delimiter, text, m_trimCaptions ? CaptionTrim::Trim : CaptionTrim::None);
    update();
}

std::string TCheckCellGrid::GetCheckedText(std::string_view delimiter) const
{
    return CheckedToText(m_captions, m_checked, delimiter,
                         m_trimCaptions ? CaptionTrim::Trim : CaptionTrim::None);
}

void TCheckCellGrid::ToggleCell(int i)
{
    auto& state = m_checked[static_cast<std::size_t>(i)];
    state = state == 0 ? 1 : 0;
}

void TCheckCellGrid::SelectOnly(int i)
{
    std::fill(m_checked.begin(), m_checked.end(), 0);
    m_checked[static_cast<std::size_t>(i)] = 1;
}

void TCheckCellGrid::InvertStates()
{
    for (auto& state : m_checked) {
        state = state == 0 ? 1 : 0;
    }
    update();
}

void TCheckCellGrid::PaintFocusRect(QPainter& painter, const QRect& rect) const
{
    painter.save();
    QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // QRect's right and bottom are inclusive, so this outlines the rectangle's own edge pixels.
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void TCheckCellGrid::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    for (int i = 0; i < Count(); ++i) {
        PaintCell(painter, i);
    }
}

void TCheckCellGrid::mousePressEvent(QMouseEvent* event)
{
    if (!hasFocus()) {
        setFocus(Qt::MouseFocusReason);
    }
    const QPoint point = event->position().toPoint();
    for (int i = 0; i < Count(); ++i) {
        if (HitsCell(i, point)) {
            SetFocusIndex(i);
            PressCell(i);
        }
    }
    update();
    event->accept();
}

void TCheckCellGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TCheckCellGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace quorvane::gui
