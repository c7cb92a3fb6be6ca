#pragma once

#include <QWidget>

class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace quorvane::gui {

// A chart window of a chart button of the shrink condition pages: a top strip asking for the
// number of draws (QiShuSe, start 30) with the button ReViewBt "查询", and the chart grid filling the
// rest. The button's owner puts its grid in with SetGrid and rebuilds it on ReviewRequested.
class TTuForm final : public QWidget
{
    Q_OBJECT

public:
    explicit TTuForm(QWidget* parent = nullptr);

    QWidget* Panel = nullptr;
    QWidget* TopPanel = nullptr;
    QSpinBox* QiShuSe = nullptr;
    QPushButton* ReViewBt = nullptr;

    // Places the grid under the top strip (the window owns it; a previous grid is deleted).
    void SetGrid(QWidget* grid);
    QWidget* Grid() const { return m_grid; }

    // Shows the window (non-modal) centred on the given window, with the caption.
    void ShowOver(QWidget* owner, const QString& caption);

signals:
    void ReviewRequested();

private:
    QVBoxLayout* m_panelLayout = nullptr;
    QWidget* m_grid = nullptr;
};

} // namespace quorvane::gui
