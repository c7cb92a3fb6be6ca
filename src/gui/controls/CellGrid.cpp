#include "controls/CellGrid.h"

#include <stdexcept>

#include <QKeyEvent>

#include "controls/ControlErrors.h"

namespace quorvane::gui {

TCellGrid::TCellGrid(QWidget* parent)
    : QWidget(parent)
{
}

TCellGrid::~TCellGrid() = default;

void TCellGrid::SetCols(int n)
{
    if (n < 1) {
        throw std::invalid_argument(kSetColsError);
    }
    if (n == m_cols) {
        return;
    }
    m_cols = n;
    m_rows = CellRows(m_count, m_cols);
    Relayout();
}

void TCellGrid::SetCapWidth(int w)
{
    if (w < 0) {
        throw std::invalid_argument(kSetCapWidthError);
    }
    if (w == m_capWidth) {
        return;
    }
    m_capWidth = w;
    Relayout();
}

void TCellGrid::ChangeCount(int n)
{
    m_count = n;
    m_rows = CellRows(m_count, m_cols);
    Relayout();
}

void TCellGrid::Relayout()
{
    setFixedSize(ControlSize());
    if (m_focusIndex < 0 || m_focusIndex >= m_count) {
        m_focusIndex = 0;
    }
    PlaceChildren();
    update();
    RaiseOnChange();
}

void TCellGrid::keyPressEvent(QKeyEvent* event)
{
    bool layoutRaised = false;
    switch (event->key()) {
    case Qt::Key_Left:
        if (m_focusIndex > 0) {
            --m_focusIndex;
        }
        break;
    case Qt::Key_Right:
        if (m_focusIndex < m_count - 1) {
            ++m_focusIndex;
        }
        break;
    case Qt::Key_Up:
        if (m_focusIndex - m_cols >= 0) {
            m_focusIndex -= m_cols;
        }
        break;
    case Qt::Key_Down:
        if (m_focusIndex < m_count - m_cols) {
            m_focusIndex += m_cols;
        }
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        // Re-lays the control out; the focus stays where it is.
        Relayout();
        layoutRaised = true;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_focusIndex >= 0 && m_focusIndex < m_count) {
            ActivateFocusCell();
        }
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
    // Every key that reaches the control is consumed and announced once, after its effect, so a
    // host reading the control in its change handler sees the new state.
    event->accept();
    update();
    if (!layoutRaised) {
        RaiseOnChange();
    }
}

} // namespace quorvane::gui
