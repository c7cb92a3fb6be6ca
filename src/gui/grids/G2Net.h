#pragma once

#include <QWidget>

#include "charts/BarChartModel.h"

namespace quorvane::gui {

// A vertical bar chart: labelled groups along the x axis, one bar per series in each group, a y axis
// with a value scale and optional horizontal grid lines. Owns the core model the builders fill and
// sizes itself to its plot in the layout pass.
class TG2Net final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TG2Net)

public:
    explicit TG2Net(QWidget* parent = nullptr);
    ~TG2Net() override;

    // The content; index errors go to Model().OnIndexError (ReportMessage, a message box of the dialog
    // service, until replaced).
    TBarChartModel& Model() { return m_model; }
    const TBarChartModel& Model() const { return m_model; }
    // Replaces the content; an incoming model without index-error hook keeps the current hook.
    // Run Relayout() afterwards.
    void SetModel(TBarChartModel model);

    // Empties the values, colours and counts.
    void Clear() { m_model.Clear(); }

    // The layout pass: FPlotRect from the counts and the bar geometry, the control's size (plot plus
    // margins on every side), a repaint and OnChange.
    void Relayout();

    // The size the last layout pass gave the chart (layouts keep it: the size policy is fixed).
    QSize sizeHint() const override { return m_laidOutSize; }

    // The plot area, as of the last layout pass.
    QRect FPlotRect() const { return m_plotRect; }

    // The bar of group col (1 ..) and series s (1 ..): FBarWidth wide, standing on the bar bottom
    // (one pixel below the plot), ceil(value / FScale) pixels high.
    QRect BarRect(int col, int series) const;

signals:
    // Raised after every layout pass, with the chart as sender.
    void OnChange(quorvane::gui::TG2Net* sender);

private:
    void paintEvent(QPaintEvent* event) override;

    int BarLeft(int col, int series) const;
    int BarBottom() const { return m_plotRect.top() + m_plotRect.height() + 1; }
    int BarHeight(int col, int series) const;
    const std::string& ValueText(int col, int row) const;
    void PaintScale(QPainter& painter) const;
    void PaintGroups(QPainter& painter) const;
    void PaintAxes(QPainter& painter) const;

    TBarChartModel m_model;
    QRect m_plotRect;
    QSize m_laidOutSize;
};

} // namespace quorvane::gui
