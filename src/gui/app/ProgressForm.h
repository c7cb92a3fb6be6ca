#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace quorvane::gui {

// The progress window of a shrink run: no border, on top of the other windows, centred on the
// screen; a press within its top 40 pixels starts dragging it.
class TProgressForm final : public QWidget
{
    Q_OBJECT

public:
    explicit TProgressForm(QWidget* parent = nullptr);

    QLabel* TitleLbl = nullptr;
    QProgressBar* ProgressBar = nullptr;

    // Centres the window on its screen and shows it.
    void ShowCentred();
    // Sets the bar's position and repaints at once (the run does not return to the event loop).
    void SetPosition(int position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_dragging = false;
    QPoint m_grabOffset;
};

} // namespace quorvane::gui
