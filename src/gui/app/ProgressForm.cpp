#include "app/ProgressForm.h"

#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace quorvane::gui {

namespace {
constexpr int kDragStripHeight = 40;
} // namespace

TProgressForm::TProgressForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ProgressForm"));
    setFixedSize(498, 57);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 6, 12, 8);
    TitleLbl = new QLabel(QStringLiteral("正在进行缩水计算..."), this);
    TitleLbl->setObjectName(QStringLiteral("TitleLbl"));
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 110);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    layout->addWidget(TitleLbl);
    layout->addWidget(ProgressBar);
    setAutoFillBackground(true);
}

void TProgressForm::ShowCentred()
{
    if (const QScreen* screen = this->screen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
}

void TProgressForm::SetPosition(int position)
{
    if (ProgressBar->value() != position) {
        ProgressBar->setValue(position);
        repaint();
    }
}

void TProgressForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() <= kDragStripHeight) {
        m_dragging = true;
        m_grabOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TProgressForm::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        move(event->globalPosition().toPoint() - m_grabOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void TProgressForm::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

} // namespace quorvane::gui
