#include "controls/MultiSe.h"

#include <limits>
#include <stdexcept>
#include <utility>

#include <QPainter>
#include <QSpinBox>

#include "app/QtText.h"
#include "controls/ControlErrors.h"
#include "text/CheckedText.h"
#include "text/IntConvert.h"

namespace quorvane::gui {

TMultiSpinEdit::TMultiSpinEdit(QWidget* parent)
    : TCellGrid(parent)
{
    setFocusPolicy(Qt::NoFocus);
    InitCapWidth(50);
    setFixedSize(TMultiSpinEdit::ControlSize());
}

TMultiSpinEdit::~TMultiSpinEdit() = default;

void TMultiSpinEdit::AddItem(std::string caption)
{
    auto* editor = new QSpinBox(this);
    editor->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    editor->setValue(0);
    editor->setFocusPolicy(Qt::ClickFocus);
    editor->resize(30, editor->sizeHint().height());
    editor->show();
    m_editors.push_back(editor);
    m_captions.push_back(std::move(caption));
    ChangeCount(Count() + 1);
}

void TMultiSpinEdit::SetItem(int i, std::string caption, int value)
{
    if (i < 0 || i >= Count()) {
        throw std::out_of_range(kSetItemError);
    }
    Editor(i)->setValue(value);
    m_captions[static_cast<std::size_t>(i)] = std::move(caption);
    update();
}

int TMultiSpinEdit::GetValue(int i) const
{
    if (i < 0 || i >= Count()) {
        return 0;
    }
    return TryStrToInt(FromQ(Editor(i)->cleanText())).value_or(0);
}

void TMultiSpinEdit::SetValue(int i, int v)
{
    if (i >= 0 && i < Count() && GetValue(i) != v) {
        Editor(i)->setValue(v);
    }
}

void TMultiSpinEdit::SetValuesText(std::string_view delimiter, std::string_view text)
{
    std::vector<int> values;
    for (int i = 0; i < Count(); ++i) {
        values.push_back(GetValue(i));
    }
    const auto apply = [&] {
        for (int i = 0; i < Count(); ++i) {
            SetValue(i, values[static_cast<std::size_t>(i)]);
        }
    };
    try {
        ValuesFromText(delimiter, text, values);
    } catch (...) {
        apply(); // the pieces before the bad one stay written
        throw;
    }
    apply();
}

std::string TMultiSpinEdit::GetValuesText(std::string_view delimiter) const
{
    std::vector<int> values;
    for (int i = 0; i < Count(); ++i) {
        values.push_back(GetValue(i));
    }
    return ValuesToText(values, delimiter);
}

QRect TMultiSpinEdit::RectOfSpinEd(int i) const
{
    if (i < 0 || i >= Count()) {
        throw std::out_of_range(kRectOfSpinEdError);
    }
    return EditRect(i);
}

QRect TMultiSpinEdit::RectOfCap(int i) const
{
    if (i < 0 || i >= Count()) {
        throw std::out_of_range(kRectOfCapError);
    }
    return CapRect(i);
}

QRect TMultiSpinEdit::EditRect(int i) const
{
    const int stride = 2 * Spacing() + m_editWidth + CapWidth();
    const int col = i % Cols();
    const int row = i / Cols();
    const int left = m_editAtCellStart ? col * stride : col * stride + Spacing() + CapWidth();
    return {left, row * (m_rowHeight + Spacing()) + Spacing(), m_editWidth, m_rowHeight};
}

QRect TMultiSpinEdit::CapRect(int i) const
{
    const QRect edit = EditRect(i);
    return {edit.left() - CapWidth() + Spacing(), edit.top(), CapWidth(), m_rowHeight};
}

QSize TMultiSpinEdit::ControlSize() const
{
    const int stride = 2 * Spacing() + m_editWidth + CapWidth();
    return {stride * Cols() + Spacing(), (m_rowHeight + Spacing()) * Rows() + Spacing()};
}

void TMultiSpinEdit::PlaceChildren()
{
    // Each editor sits at its cell's editor rectangle, EditWidth wide, keeping its own height.
    for (int i = 0; i < Count(); ++i) {
        const QRect rect = EditRect(i);
        Editor(i)->setGeometry(rect.left(), rect.top(), m_editWidth, Editor(i)->height());
    }
}

void TMultiSpinEdit::RaiseOnChange()
{
    emit OnChange(this);
}

void TMultiSpinEdit::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = painter.fontMetrics();
    for (int i = 0; i < Count(); ++i) {
        const QRect cap = CapRect(i);
        const int y = (cap.top() + cap.top() + cap.height() - metrics.height()) / 2;
        painter.drawText(cap.left(), y + metrics.ascent(), ToQ(m_captions[static_cast<std::size_t>(i)]));
    }
}

} // namespace quorvane::gui
