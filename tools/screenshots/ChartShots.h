#pragma once

#include <functional>

#include <QString>

class QTextStream;
class QWidget;

namespace quorvane::gui {

class TMainForm;

// Pictures of every chart page of GridPctl, ChartPCtr and fxPCtr, named after the page
// (ExTabSheet1 ... TabSheet86), and of the three chart windows (tj6TuBtTuForm, ...), each page
// built for N draws: the environment variable QUORVANE_SHOTS_CHART_N, else 30, at most the
// history's length. Prints each page's time from its show to its first complete paint.
// save(widget, name) writes a picture of the widget.
void TakeChartShots(TMainForm& form, const std::function<void(QWidget&, const QString&)>& save,
                    QTextStream& out);

} // namespace quorvane::gui
